// The stand-in's connections and the tag records behind its tag handles.
//
// A connection loads the tag database when it opens and keeps the message
// texts in memory; a text set through it is saved to the database file at
// once, so that other programs (zthost) see it. When the file changed on disk
// since the connection last read or wrote it (a person or zthost edited it),
// the next lookup of a tag reads it again.
//
// A tag handle is the address of a TagRecord. Unknown connections and handles
// are answered with 0 and never dereferenced.
#pragma once

#include "tag_database.h"
#include "tagport.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace tagport {

struct TagRecord {
    std::uint32_t signature; // "TPTG"
    std::uint32_t connection;
    std::int32_t type;
    std::uint16_t index;     // at byte 12: the tag's index in tagname.x
    std::uint16_t activated; // 1: TagportActivate, 0: TagportGetHandle
};
static_assert(offsetof(TagRecord, index) == TP_TAG_INDEX_OFFSET);

class Connections {
  public:
    TP_CONNECTION open();
    bool is_open(TP_CONNECTION connection);
    // A new record for `name`; 0 when there is no such tag.
    TP_TAG find_tag(TP_CONNECTION connection, const char* name, bool activate);
    std::int32_t type(TP_CONNECTION connection, TP_TAG tag);
    bool is_active(TP_CONNECTION connection, TP_TAG tag);
    // Frees a record made with the same `activate`; false when there is none.
    bool give_back(TP_CONNECTION connection, TP_TAG tag, bool activated);
    // Copies the text, cut to `capacity` bytes with its terminator.
    void get_message(TP_CONNECTION connection, TP_TAG tag, char* buffer, std::int32_t capacity);
    // The tag's name when the text was set; empty when nothing was.
    std::string set_message(TP_CONNECTION connection, TP_TAG tag, const char* text);
    void close(TP_CONNECTION connection);

  private:
    struct OpenTag {
        TagRecord record;
        std::string name;
    };
    struct Stamp {
        std::filesystem::file_time_type written{};
        std::uintmax_t size = 0;
        bool operator==(const Stamp&) const = default;
    };
    struct Connection {
        std::string database_path;
        TagDatabase database;
        Stamp stamp;
        std::map<TP_TAG, std::unique_ptr<OpenTag>> tags;
    };

    static Stamp stamp_of(const std::string& path);
    void reload_if_changed(Connection& connection);
    Connection* find(TP_CONNECTION connection);
    OpenTag* find(TP_CONNECTION connection, TP_TAG tag);

    std::mutex mutex_;
    TP_CONNECTION last_connection_ = 0;
    std::map<TP_CONNECTION, Connection> connections_;
};

Connections& connections();

} // namespace tagport

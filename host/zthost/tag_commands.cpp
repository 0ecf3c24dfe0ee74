#include "tag_commands.h"

#include "file_locations.h"
#include "tag_database.h"
#include "tag_file.h"
#include "tagport.h"

#include <filesystem>
#include <ostream>
#include <sstream>

namespace zthost {
namespace {

struct LoadedDatabase {
    std::string path = tagport::database_path();
    tagport::TagDatabase database;
    std::string error;
    bool loaded = false;
};

// A missing database file reads as an empty database, so a session can start one.
LoadedDatabase load_database()
{
    LoadedDatabase result;
    std::error_code ignored;
    result.loaded = !std::filesystem::exists(result.path, ignored) ||
                    result.database.load(result.path, result.error);
    return result;
}

std::string list_tags(std::ostream& out)
{
    LoadedDatabase current = load_database();
    if (!current.loaded) {
        return current.error;
    }
    const std::string tag_file = tagport::tag_file_path();
    out << "tags of " << current.path << "\n";
    for (const tagport::TagEntry& entry : current.database.entries()) {
        out << "    " << tagport::format_tag_line(entry);
        if (entry.type == TP_INTEGER || entry.type == TP_REAL) {
            const auto units = tagport::read_units_field(tag_file, entry.index);
            out << "  units "
                << (units ? "\"" + *units + "\"" : std::string("(no tagname.x record)"));
        }
        out << "\n";
    }
    return "";
}

std::string show_messages(const std::string& names, std::ostream& out)
{
    LoadedDatabase current = load_database();
    if (!current.loaded) {
        return current.error;
    }
    std::istringstream words(names);
    std::string name;
    std::string missing;
    while (words >> name) {
        const tagport::TagEntry* entry = current.database.find(name);
        if (entry == nullptr) {
            missing += (missing.empty() ? "no tag named " : ", ") + name;
        } else {
            out << "    " << entry->name << " = \"" << entry->text << "\"\n";
        }
    }
    return missing;
}

std::string set_tag(const std::string& arguments, std::ostream& out)
{
    std::string error;
    const std::optional<tagport::TagEntry> entry = tagport::parse_tag_line(arguments, error);
    if (!entry) {
        return ".tag NAME TYPE INDEX [TEXT]: " + (error.empty() ? "no tag given" : error);
    }
    LoadedDatabase current = load_database();
    if (!current.loaded) {
        return current.error;
    }
    current.database.set(*entry);
    if (!current.database.save(current.path)) {
        return "cannot save " + current.path;
    }
    out << "tag " << tagport::format_tag_line(*entry) << "\n";
    return "";
}

std::string remove_tag(const std::string& name, std::ostream& out)
{
    LoadedDatabase current = load_database();
    if (!current.loaded) {
        return current.error;
    }
    if (!current.database.remove(name)) {
        return "no tag named " + name;
    }
    if (!current.database.save(current.path)) {
        return "cannot save " + current.path;
    }
    out << "removed tag " << name << "\n";
    return "";
}

std::string write_tag_file(std::ostream& out)
{
    LoadedDatabase current = load_database();
    if (!current.loaded) {
        return current.error;
    }
    const std::string path = tagport::tag_file_path();
    if (!tagport::write_tag_file(current.database, path)) {
        return "cannot write " + path;
    }
    out << "wrote " << path << "\n";
    return "";
}

} // namespace

void add_tag_commands(ScriptRunner& runner)
{
    runner.add_command("tags", "list the tag database with message texts and units",
                       [](const std::string&, std::ostream& out) { return list_tags(out); });
    runner.add_command("tag", "NAME TYPE INDEX [TEXT]: add or change a tag", set_tag);
    runner.add_command("show", "NAME...: the message texts of these tags", show_messages);
    runner.add_command("untag", "NAME: remove a tag", remove_tag);
    runner.add_command("tagfile", "write a tagname.x matching the tag database",
                       [](const std::string&, std::ostream& out) { return write_tag_file(out); });
}

} // namespace zthost

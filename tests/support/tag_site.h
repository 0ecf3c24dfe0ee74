// A host site for the tag functions: an application directory named in
// "win.ini", a tag database for the tag-access stand-in, a matching
// tagname.x, the stand-in's journal, and no fault injected. The library's
// shared connection is closed before and after, so each test connects afresh.
#pragma once

#include "scratch_folder.h"
#include "tagport_journal.h"

#include <filesystem>
#include <string>

namespace zt::test {

// Tags of the standard site:
//   Pump1 discrete 1, Pump1.OnMsg message 2 "Pump running",
//   Pump1.OffMsg message 4 "Pump stopped", Flow real 3, Count integer 5,
//   Valve discrete 6 with Valve.OnMsg integer 7, Note message 8 "note",
//   Odd (type code 9) 9
inline constexpr const char* standard_tags = "# the test site's tags\n"
                                             "Pump1 discrete 1\n"
                                             "Pump1.OnMsg message 2 \"Pump running\"\n"
                                             "Pump1.OffMsg message 4 \"Pump stopped\"\n"
                                             "Flow real 3\n"
                                             "Count integer 5\n"
                                             "Valve discrete 6\n"
                                             "Valve.OnMsg integer 7\n"
                                             "Note message 8 note\n"
                                             "Odd 9 9\n";

class TagSite {
  public:
    explicit TagSite(const std::string& tags = standard_tags);
    ~TagSite();
    TagSite(const TagSite&) = delete;
    TagSite& operator=(const TagSite&) = delete;

    const std::filesystem::path& directory() const { return folder_.path(); }
    std::filesystem::path tag_file() const { return folder_.path() / "tagname.x"; }
    std::filesystem::path database() const { return folder_.path() / "tagport.tags"; }

    // Sets or (with nullptr) removes "ApplicationDirectory" in "win.ini".
    static void set_application_directory(const char* directory);

    TagportJournal journal;

  private:
    ScratchFolder folder_;
};

// Closes the library's shared tag-access connection, if one is open (the
// earlier release holds none between calls).
void close_library_connection();

// Clears every fault setting of the stand-in.
void clear_tagport_faults();

// Whether this process holds `path` open.
bool file_is_open(const std::filesystem::path& path);

} // namespace zt::test

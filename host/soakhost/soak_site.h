// The host installation a soak runs in, under its working folder: the host's
// application directory "app" (named in "win.ini") with the stand-in's tag
// database and a matching "tagname.x", a folder "ini" for the scripts' INI
// files, and the logger's log "ztdebug.log". At the end it tells whether the
// files the library wrote are whole and hold what was last written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace soakhost {

// The discrete, integer and real tags beside the six message tags.
inline constexpr const char* discrete_tag = "Pump1";
inline constexpr const char* discrete_on_message = "Pump running";
inline constexpr const char* real_tag = "Flow";
inline constexpr const char* integer_tag = "Count";

class SoakSite {
  public:
    // Lays the installation out afresh in `folder`. Throws std::runtime_error
    // when it cannot.
    explicit SoakSite(const std::filesystem::path& folder);

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path ini_file(int number) const;
    std::filesystem::path tag_file() const { return folder_ / "app" / "tagname.x"; }
    std::filesystem::path database() const { return folder_ / "app" / "tagport.tags"; }

    // Problems found, one line each; none when every file is whole.
    // `units` are the units texts last written, by tag; `ini` the values last
    // written, by file number and key; `texts` the message tags' last texts.
    std::vector<std::string> check_tag_file(const std::map<std::string, std::string>& units) const;
    std::vector<std::string>
    check_ini_files(const std::map<int, std::map<std::string, std::string>>& ini) const;
    std::vector<std::string> check_database(const std::map<std::string, std::string>& texts) const;

  private:
    std::filesystem::path folder_;
    std::string original_tag_file_;
};

} // namespace soakhost

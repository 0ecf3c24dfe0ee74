#include "soak_site.h"

#include "hotspot_layout.h"
#include "platform/profile.h"
#include "standin_settings.h"
#include "tag_database.h"
#include "tag_file.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace soakhost {
namespace {

std::string file_text(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string tag_lines()
{
    std::string lines;
    for (int tag = 0; tag < message_tag_count; ++tag) {
        lines += message_tag_name(tag) + " message " + std::to_string(tag + 1) + " \"\"\n";
    }
    lines += std::string(discrete_tag) + " discrete 7\n";
    lines += std::string(discrete_tag) + ".OnMsg message 8 \"" + discrete_on_message + "\"\n";
    lines += std::string(discrete_tag) + ".OffMsg message 9 \"Pump stopped\"\n";
    lines += std::string(real_tag) + " real 10\n";
    lines += std::string(integer_tag) + " integer 11\n";
    return lines;
}

void set_environment(const char* name, const std::string& value)
{
#if defined(_WIN32)
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

} // namespace

SoakSite::SoakSite(const std::filesystem::path& folder) : folder_(folder)
{
    std::filesystem::remove_all(folder_ / "app");
    std::filesystem::remove_all(folder_ / "ini");
    std::filesystem::create_directories(folder_ / "app");
    std::filesystem::create_directories(folder_ / "ini");
    std::ofstream(database(), std::ios::binary) << tag_lines();
    tagport::TagDatabase tags;
    std::string error;
    if (!tags.load(database().string(), error) ||
        !tagport::write_tag_file(tags, tag_file().string())) {
        throw std::runtime_error("cannot lay out the tag database: " + error);
    }
    original_tag_file_ = file_text(tag_file());
    const std::string application = (folder_ / "app").string();
    if (!zt::platform::write_private_profile_string("Vistrel", "ApplicationDirectory",
                                                    application.c_str(), "win.ini")) {
        throw std::runtime_error("cannot name the application directory in win.ini");
    }
    for (const char* fault :
         {"TAGPORT_DATABASE", "TAGPORT_JOURNAL", "TAGPORT_REFUSE_CONNECT", "TAGPORT_FAIL_CHECK",
          "TAGPORT_FAIL_ACTIVATE", "TAGPORT_NOT_ACTIVE"}) {
        set_environment(fault, "");
    }
    set_environment("ZTDEBUG_LOG", (folder_ / "ztdebug.log").string());
}

std::filesystem::path SoakSite::ini_file(int number) const
{
    return folder_ / "ini" / ("soak" + std::to_string(number) + ".ini");
}

std::vector<std::string>
SoakSite::check_tag_file(const std::map<std::string, std::string>& units) const
{
    std::vector<std::string> problems;
    std::string expected = original_tag_file_;
    tagport::TagDatabase tags;
    std::string error;
    tags.load(database().string(), error);
    for (const auto& [name, text] : units) {
        const tagport::TagEntry* entry = tags.find(name);
        if (entry == nullptr) {
            problems.push_back("the tag " + name + " is gone from the database");
            continue;
        }
        const std::size_t field =
            entry->index * tagport::tag_record_size + tagport::units_field_offset;
        std::string written = text.substr(0, tagport::units_field_size - 1);
        written.resize(tagport::units_field_size, '\0');
        if (field + written.size() <= expected.size()) {
            expected.replace(field, written.size(), written);
        }
    }
    const std::string actual = file_text(tag_file());
    if (actual.size() != expected.size()) {
        problems.push_back("tagname.x has " + std::to_string(actual.size()) + " bytes, not " +
                           std::to_string(expected.size()));
    } else if (actual != expected) {
        std::size_t at = 0;
        while (actual[at] == expected[at]) {
            ++at;
        }
        problems.push_back("tagname.x differs from what was written at byte " + std::to_string(at));
    }
    return problems;
}

std::vector<std::string>
SoakSite::check_ini_files(const std::map<int, std::map<std::string, std::string>>& ini) const
{
    std::vector<std::string> problems;
    for (const auto& [number, keys] : ini) {
        const std::string path = ini_file(number).string();
        for (const auto& [key, value] : keys) {
            char read[256] = {};
            zt::platform::get_private_profile_string("Soak", key.c_str(), "(missing)", read,
                                                     sizeof read, path.c_str());
            if (value != read) {
                problems.push_back(path + ": " + key + " is \"" + read + "\", not \"" + value +
                                   "\"");
            }
        }
        // Every line is a section, a key with its value, or blank.
        std::ifstream in(path);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (!line.empty() && line.front() != '[' && line.find('=') == std::string::npos) {
                problems.push_back(path + " holds a broken line: " + line);
            }
        }
    }
    return problems;
}

std::vector<std::string>
SoakSite::check_database(const std::map<std::string, std::string>& texts) const
{
    std::vector<std::string> problems;
    tagport::TagDatabase tags;
    std::string error;
    if (!tags.load(database().string(), error)) {
        return {"the tag database does not load: " + error};
    }
    for (const auto& [name, text] : texts) {
        const tagport::TagEntry* entry = tags.find(name);
        if (entry == nullptr || entry->text != text) {
            problems.push_back("the tag " + name + " holds \"" +
                               (entry != nullptr ? entry->text : "(gone)") + "\", not \"" + text +
                               "\"");
        }
    }
    return problems;
}

} // namespace soakhost

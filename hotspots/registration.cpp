#include "hotspots/registration.h"

#include "frame/error_report.h"
#include "frame/library.h"
#include "hotspots/hotspot_state.h"
#include "hotspots/registration_checks.h"
#include "tags/activated_tag.h"
#include "tags/tag_failure.h"
#include "tags/tagport_connection.h"

#include <exception>
#include <mutex>
#include <optional>
#include <string>

namespace zt::hotspots {
namespace {

// Every tag name a hotspot holds fits the tag table's names whole.
static_assert(tag_name_limit <= frame::TagName::limit);

// Raised for a refused argument, after its own report.
constexpr std::int32_t invalid_argument = -25;

constexpr RefusalTexts refusal_texts{
    "CZtFunc32_71App::ZtCntx32 region is off the screen.",
    "CZtFunc32_71App::ZtCntx32 region width or height is invalid.",
    "CZtFunc32_71App::ZtCntx32 window name is invalid.",
    "CZtFunc32_71App::ZtCntx32 window name is too long.",
    "CZtFunc32_71App::ZtCntx32 tag name is too long.",
    "CZtFunc32_71App::ZtCntx32 value is too long.",
};

// Records the hotspot; the first record of an empty list starts with no
// current hotspot.
void record(HotspotState& state, const HotspotFields& fields)
{
    if (state.hotspots.record(fields) == HotspotSet::Recorded::first) {
        state.current = nullptr;
    }
}

// Activates a message tag once into the tag table. A tag that cannot be
// activated or is not a message tag is given back and left out, unreported.
void enter_into_tag_table(TP_CONNECTION connection, std::string_view tag_name)
{
    auto& table = frame::application().tag_table;
    if (table.find(tag_name) != table.end()) {
        return;
    }
    const frame::TagName name(tag_name);
    tags::ActivatedTag tag(connection, name.c_str());
    if (tag.activated() && tag.type() == TP_MESSAGE) {
        table.emplace(name, tag.handle());
        tag.keep();
    }
}

std::int32_t register_under_lock(const char* window_name, std::int32_t left, std::int32_t top,
                                 std::int32_t width, std::int32_t height, const char* tag_name,
                                 const char* value)
{
    HotspotState& state = hotspot_state();
    const std::lock_guard lock(state.lock);
    ++state.tag_table_generation;
    find_host_and_hook_it(state);
    const std::optional<Rect> rect = checked_rect(refusal_texts, text_of(window_name), left, top,
                                                  width, height, text_of(tag_name), text_of(value));
    if (!rect) {
        throw tags::TagFailure{invalid_argument};
    }
    const HotspotFields fields{*rect, text_of(tag_name), text_of(value), text_of(window_name)};
    const TP_CONNECTION connection = tags::make_sure_of_connection();
    record(state, fields);
    enter_into_tag_table(connection, fields.tag_name);
    return 1;
}

} // namespace

std::int32_t register_hotspot(const char* window_name, std::int32_t left, std::int32_t top,
                              std::int32_t width, std::int32_t height, const char* tag_name,
                              const char* value) noexcept
{
    try {
        return register_under_lock(window_name, left, top, width, height, tag_name, value);
    } catch (const tags::TagFailure& failure) {
        if (failure.code == tags::connect_failed) {
            frame::report("Failure: ZtCntx32 Func. - Unable to connect to Tagport.");
            return cannot_connect;
        }
        frame::report("Failure: ZtCntx32 Func. - Unable to install specified context.");
        return refused;
    } catch (const std::exception& caught) {
        frame::report_exception(caught);
        return standard_exception;
    } catch (...) {
        frame::report("EXCEPTION: Caught in ZtCntx32() Function.");
        return unspecified_exception;
    }
}

} // namespace zt::hotspots

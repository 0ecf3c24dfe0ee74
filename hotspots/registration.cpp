#include "hotspots/hotspots.h"

#include "frame/error_report.h"
#include "hotspots/hotspot_state.h"
#include "hotspots/registration_checks.h"
#include "tags/shared_tags.h"
#include "tags/tag_failure.h"

#include <exception>
#include <mutex>
#include <optional>

namespace zt::hotspots {
namespace {

// Every tag name a hotspot holds fits the tag table's names whole.
static_assert(tag_name_limit <= tags::TagName::limit);

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

// How often a registration starts again when a release took the tag session
// away while it was being made (on another thread, or inside one of its calls).
constexpr int attempts = 3;

// The tag-access work (connection, activation) comes first and the hotspot is
// recorded after it, with its tag's handle, under the state's lock: so the hook
// never waits for a tag-access call, and a hotspot answered 1 writes its tag
// from the next message on. A release meanwhile would leave the handle given
// back; the hotspot is recorded only while its session is still current.
std::int32_t register_hotspot_now(const char* window_name, std::int32_t left, std::int32_t top,
                                  std::int32_t width, std::int32_t height, const char* tag_name,
                                  const char* value)
{
    HotspotState& state = hotspot_state();
    find_host_and_hook_it(state);
    const std::optional<Rect> rect = checked_rect(refusal_texts, text_of(window_name), left, top,
                                                  width, height, text_of(tag_name), text_of(value));
    if (!rect) {
        throw tags::TagFailure{invalid_argument};
    }
    tags::SharedTags& shared = tags::shared_tags();
    for (int attempt = 1;; ++attempt) {
        const tags::SessionRef session = shared.current_or_new();
        const TP_CONNECTION connection = session->make_sure_of_connection();
        bool entered = false;
        const TagHandle tag = session->message_tag(connection, text_of(tag_name), entered);
        const HotspotFields fields{*rect, text_of(tag_name), text_of(value), text_of(window_name),
                                   tag};
        const std::lock_guard lock(state.lock);
        if (!shared.is_current(session)) {
            if (attempt < attempts) {
                continue;
            }
            throw tags::TagFailure{tags::connect_failed};
        }
        // The first record of an empty list starts with no current hotspot.
        if (state.hotspots.record(fields) == HotspotSet::Recorded::first) {
            state.current = nullptr;
        }
        if (entered) {
            // Hotspots registered before the tag could be activated write it
            // from now on.
            state.hotspots.attach_tag(fields.tag_name, tag);
        }
        return 1;
    }
}

} // namespace

std::int32_t register_hotspot(const char* window_name, std::int32_t left, std::int32_t top,
                              std::int32_t width, std::int32_t height, const char* tag_name,
                              const char* value) noexcept
{
    return tags::handle_failures(
        [&] {
            return register_hotspot_now(window_name, left, top, width, height, tag_name, value);
        },
        [](std::int32_t code) {
            if (code == tags::connect_failed) {
                frame::report("Failure: ZtCntx32 Func. - Unable to connect to Tagport.");
                return cannot_connect;
            }
            frame::report("Failure: ZtCntx32 Func. - Unable to install specified context.");
            return refused;
        },
        standard_exception,
        [] {
            frame::report("EXCEPTION: Caught in ZtCntx32() Function.");
            return unspecified_exception;
        });
}

} // namespace zt::hotspots

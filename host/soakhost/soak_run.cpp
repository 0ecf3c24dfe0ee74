#include "soak_run.h"

#include "hotspot_layout.h"
#include "platform/drivers/desktop_driver.h"
#include "process_figures.h"
#include "soak_library.h"
#include "soak_site.h"
#include "soak_verdict.h"
#include "tagport_standin.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <thread>
#include <utility>
#include <vector>

namespace soakhost {
namespace {

using Clock = std::chrono::steady_clock;
using zt::platform::Point;
namespace driver = zt::platform::driver;

constexpr std::chrono::seconds stall_limit{20};
constexpr std::chrono::seconds cleanup_interval{15};
constexpr std::chrono::milliseconds registration_pause{2};
// How often a tag write runs a script, and how many of those scripts come
// between two that clean the hotspots up.
constexpr std::chrono::milliseconds script_interval{200};
constexpr int scripts_per_cleanup = 25;
constexpr int consult_every = 8;
constexpr int ini_files = 3;

// A script thread whose tag-access calls consult the UI thread: set on the
// registrar and script threads, never on the UI thread or on the threads the
// UI thread waits for, which the UI thread could not serve.
thread_local bool consults_ui = false;
thread_local int calls_begun = 0;

struct Write {
    std::string tag;
    std::string text;
    bool operator==(const Write&) const = default;
};

std::string describe(const std::vector<Write>& writes)
{
    std::string text = "{";
    for (const Write& write : writes) {
        text += (text.size() > 1 ? ", " : "") + write.tag + " = \"" + write.text + "\"";
    }
    return text + "}";
}

// Tag-access calls waiting for the UI thread to look at them between two moves.
class UiConsults {
  public:
    void consult()
    {
        std::unique_lock lock(mutex_);
        const std::uint64_t ticket = ++asked_;
        served_changed_.wait(lock, [&] { return served_ >= ticket || stopped_; });
    }
    void serve()
    {
        const std::lock_guard lock(mutex_);
        if (served_ != asked_) {
            served_ = asked_;
            served_changed_.notify_all();
        }
    }
    void stop()
    {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
        served_changed_.notify_all();
    }

  private:
    std::mutex mutex_;
    std::condition_variable served_changed_;
    std::uint64_t asked_ = 0;
    std::uint64_t served_ = 0;
    bool stopped_ = false;
};

// The registrar asks the UI thread to let the pointer rest while it cleans up
// and registers the hotspots again; the resting UI thread goes on serving.
class RestGate {
  public:
    void request_rest()
    {
        std::unique_lock lock(mutex_);
        wanted_ = true;
        changed_.wait(lock, [&] { return resting_ || stopped_; });
    }
    void end_rest()
    {
        const std::lock_guard lock(mutex_);
        wanted_ = false;
        changed_.notify_all();
    }
    // On the UI thread: true after a rest.
    bool rest_if_asked(UiConsults& consults)
    {
        std::unique_lock lock(mutex_);
        if (!wanted_) {
            return false;
        }
        resting_ = true;
        changed_.notify_all();
        while (wanted_ && !stopped_) {
            lock.unlock();
            consults.serve();
            lock.lock();
            changed_.wait_for(lock, std::chrono::milliseconds(1));
        }
        resting_ = false;
        return true;
    }
    void stop()
    {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
        changed_.notify_all();
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool wanted_ = false;
    bool resting_ = false;
    bool stopped_ = false;
};

// Where the hook has written and must write: the hotspot current on the
// library's side, as the moves lead it.
class PointerModel {
  public:
    explicit PointerModel(const HotspotLayout& layout) : layout_(layout) {}

    // The writes a move to `target` gives. A point outside the main window is
    // over no window of the UI thread, so its hook hears of nothing.
    std::vector<Write> move(Point target)
    {
        if (!layout_.inside_main(target) || !registered_) {
            return {};
        }
        const std::optional<Hotspot> hit = layout_.hit(target);
        if (hit == current_) {
            return {};
        }
        std::vector<Write> writes;
        if (current_) {
            writes.push_back({current_->tag_name(), ""});
        }
        if (hit) {
            writes.push_back({hit->tag_name(), hit->value()});
        }
        current_ = hit;
        return writes;
    }
    // Cleaned up: no hotspot until all are registered again, and none current.
    void cleaned_up()
    {
        registered_ = false;
        current_.reset();
    }
    void registered_again() { registered_ = true; }
    bool registered() const { return registered_; }

  private:
    const HotspotLayout& layout_;
    std::optional<Hotspot> current_;
    bool registered_ = true;
};

// What the script thread's calls gave before any other thread ran.
struct Baseline {
    std::vector<double> numbers;
    std::int32_t paste = 0;
    std::string paste_text;
    std::int32_t is_nt = 0;
    std::vector<std::int32_t> statx;
    std::int32_t no_such_tag = 0;
    std::int32_t units_of_message_tag = 0;
};

class SoakRun {
  public:
    SoakRun(const SoakOptions& options, SoakSite& site, const SoakLibrary& library)
        : options_(options), site_(site), library_(library), layout_(Point{20, 20}),
          model_(layout_), ui_thread_(std::this_thread::get_id())
    {
    }

    int run();

  private:
    static void TPAPI listen(void* context, const char* function, const char* tag_name,
                             const char* text);
    void make_screen();
    bool register_all(std::atomic<std::uint64_t>& progress);
    std::int32_t register_again(const Hotspot& hotspot);
    void take_baseline();
    std::vector<double> numbers() const;
    std::vector<std::int32_t> statx_results() const;

    void pointer_tour();
    void move_and_check(Point target);
    void arm_script(int number, const Hotspot& hotspot);
    void run_handed(const std::function<void()>& script);
    void sample(Clock::time_point start);

    void registrar();
    void scripts();
    void watchdog();
    void script_round(std::uint64_t round);

    const SoakOptions& options_;
    SoakSite& site_;
    const SoakLibrary& library_;
    HotspotLayout layout_;
    PointerModel model_;
    const std::thread::id ui_thread_;
    std::vector<zt::platform::WindowHandle> windows_;
    Verdict verdict_;
    Baseline baseline_;
    UiConsults consults_;
    RestGate rest_;
    std::atomic<bool> stop_{false};

    // Progress, for the watchdog and the samples.
    std::atomic<std::uint64_t> ui_steps_{0};
    std::atomic<std::uint64_t> moves_{0};
    std::atomic<std::uint64_t> registrar_rounds_{0};
    std::atomic<std::uint64_t> script_rounds_{0};
    std::atomic<std::uint64_t> calls_{0};
    std::atomic<std::uint64_t> writes_{0};
    std::uint64_t scripts_in_writes_ = 0;
    std::atomic<std::uint64_t> cleanups_{0};

    // The UI thread's: the writes of the current move, the script a write
    // runs, and whether a cleanup happened in a write.
    std::vector<Write> observed_;
    std::function<void()> armed_;
    bool cleaned_up_in_write_ = false;
    std::map<std::string, std::string> last_texts_;

    // The script thread's: what it wrote where.
    std::map<int, std::map<std::string, std::string>> ini_;
    std::map<std::string, std::string> units_;

    std::ofstream csv_;
    std::vector<Sample> samples_;
};

void TPAPI SoakRun::listen(void* context, const char* function, const char* tag_name,
                           const char* text)
{
    auto& run = *static_cast<SoakRun*>(context);
    if (text == nullptr) {
        const bool asks = std::strcmp(function, "TagportCheck") == 0 ||
                          std::strcmp(function, "TagportActivate") == 0;
        if (consults_ui && asks && ++calls_begun % consult_every == 0) {
            run.consults_.consult();
        }
        return;
    }
    if (std::this_thread::get_id() != run.ui_thread_) {
        run.verdict_.fail(std::string("a tag was written on another thread than the UI thread: ") +
                          tag_name + " = \"" + text + "\"");
        return;
    }
    run.observed_.push_back({tag_name, text});
    run.last_texts_[tag_name] = text;
    if (run.armed_) {
        const std::function<void()> script = std::exchange(run.armed_, nullptr);
        script();
    }
}

void SoakRun::make_screen()
{
    const Point origin = layout_.origin();
    const auto main = driver::create_window(
        {"Scenehall", "Main", nullptr, origin.x, origin.y, layout_.width(), layout_.width()});
    if (main == nullptr) {
        throw std::runtime_error("cannot make the main window");
    }
    windows_.push_back(main);
    for (int panel = 0; panel < panel_count; ++panel) {
        const Point at = layout_.panel_position(panel);
        const std::string title = panel_title(panel);
        const auto made = driver::create_window(
            {"SoakPanel", title.c_str(), main, at.x, at.y, panel_size, panel_size});
        if (made == nullptr) {
            throw std::runtime_error("cannot make " + title);
        }
        windows_.push_back(made);
    }
    driver::pump_messages();
}

std::int32_t SoakRun::register_again(const Hotspot& hotspot)
{
    calls_++;
    return library_->ZtCntx32(hotspot.window_name().c_str(), hotspot.left(), hotspot.top(),
                              hotspot_size, hotspot_size, hotspot.tag_name().c_str(),
                              hotspot.value().c_str());
}

bool SoakRun::register_all(std::atomic<std::uint64_t>& progress)
{
    for (int number = 0; number < hotspot_count && !stop_; ++number) {
        const std::int32_t result = register_again(Hotspot{number});
        if (result != 1) {
            verdict_.fail("registering hotspot " + std::to_string(number) + " gave " +
                          std::to_string(result));
            return false;
        }
        ++progress;
    }
    return !stop_;
}

std::vector<double> SoakRun::numbers() const
{
    const Exports& call = *library_;
    return {call.ConvertTemp(25.0F, 1, 2),      call.ConvertTemp(-40.0F, 2, 1),
            call.ConvertTemp(1.0F, 9, 1),       call.StdFromMetLinear(100.0F, 2, 1),
            call.StdFromMetLinear(-1.0F, 2, 1), call.GeoArea(2.0F, 3.0F, 1),
            call.GeoArea(2.0F, 0.0F, 3),        call.GeoArea(2.0F, 3.0F, 99)};
}

std::vector<std::int32_t> SoakRun::statx_results() const
{
    const Exports& call = *library_;
    return {call.STATXSetStartDate(2026, 12, 10), call.STATXSetStartDate(2026, 13, 40),
            call.STATXSetEndTime(23, 59, 59), call.STATXSetEndTime(24, 0, 0),
            call.STATXSetProduct("Soak")};
}

void SoakRun::take_baseline()
{
    const Exports& call = *library_;
    baseline_.numbers = numbers();
    char buffer[128] = {};
    baseline_.paste = call.PasteFunc("GeoArea", buffer);
    baseline_.paste_text = buffer;
    baseline_.is_nt = call.SystemIsNT();
    baseline_.statx = statx_results();
    baseline_.no_such_tag = call.TagExists("NoSuchTag");
    baseline_.units_of_message_tag = call.SetTagEU("Msg1", "none");
}

// ---- the UI thread

void SoakRun::sample(Clock::time_point start)
{
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    Sample now{seconds, calls_, moves_, writes_, process_figures()};
    const Sample before = samples_.empty() ? Sample{} : samples_.back();
    const double span = samples_.empty() ? 0 : seconds - before.seconds;
    char line[256];
    std::snprintf(line, sizeof line, "%.1f,%llu,%.0f,%llu,%.0f,%llu,%llu,%u,%u,%u\n", seconds,
                  static_cast<unsigned long long>(now.calls),
                  span > 0 ? static_cast<double>(now.calls - before.calls) / span : 0.0,
                  static_cast<unsigned long long>(now.moves),
                  span > 0 ? static_cast<double>(now.moves - before.moves) / span : 0.0,
                  static_cast<unsigned long long>(now.writes),
                  static_cast<unsigned long long>(now.figures.heap_bytes), now.figures.handles,
                  now.figures.user_objects, now.figures.gdi_objects);
    csv_ << line << std::flush;
    samples_.push_back(now);
}

void SoakRun::run_handed(const std::function<void()>& script)
{
    // A host that hands the tag change to a script thread and waits for it.
    std::thread(script).join();
}

void SoakRun::arm_script(int number, const Hotspot& hotspot)
{
    const Exports& call = *library_;
    const bool cleans_up = !library_.earlier() && number % scripts_per_cleanup == 0;
    const int kind = cleans_up ? 6 + number / scripts_per_cleanup % 2 : number % 5;
    armed_ = [this, kind, hotspot, &call] {
        ++scripts_in_writes_;
        const auto expect = [this](std::int32_t result, std::int32_t wanted, const char* what) {
            if (result != wanted) {
                verdict_.fail(std::string(what) + " in a tag write gave " + std::to_string(result) +
                              ", not " + std::to_string(wanted));
            }
        };
        switch (kind) {
        case 0:
            expect(register_again(hotspot), 1, "a registration in place");
            break;
        case 1:
            expect(call.ZtCntx32("", 0, 0, 8, 8, "Msg1", "x"), -1, "a refused registration");
            break;
        case 2:
            expect(call.TagExists("Msg3"), 4, "a tag query");
            break;
        case 3:
            run_handed([&] { expect(register_again(hotspot), 1, "a handed registration"); });
            break;
        case 4:
            run_handed([&] { expect(call.TagExists("Msg2"), 4, "a handed tag query"); });
            break;
        case 6:
            call.ZtCntx32Cleanup();
            cleaned_up_in_write_ = true;
            break;
        default:
            run_handed([&] { call.ZtCntx32Cleanup(); });
            cleaned_up_in_write_ = true;
            break;
        }
    };
}

void SoakRun::move_and_check(Point target)
{
    const std::vector<Write> expected = model_.move(target);
    observed_.clear();
    if (!driver::move_pointer(target)) {
        verdict_.fail("the pointer could not be moved");
        return;
    }
    // The move's message may come late on a busy machine: wait for its writes.
    const auto give_up = Clock::now() + std::chrono::seconds(2);
    do {
        driver::pump_messages();
    } while (observed_.size() < expected.size() && Clock::now() < give_up);
    writes_ += observed_.size();
    if (observed_ != expected) {
        verdict_.fail("move " + std::to_string(moves_) + " to (" + std::to_string(target.x) + ", " +
                      std::to_string(target.y) + ") wrote " + describe(observed_) + ", not " +
                      describe(expected));
    }
    armed_ = nullptr;
    ++moves_;
}

void SoakRun::pointer_tour()
{
    std::mt19937 random(12345);
    const Clock::time_point start = Clock::now();
    const Clock::time_point end = start + std::chrono::seconds(options_.seconds);
    Clock::time_point next_sample = start;
    Clock::time_point next_script = start + script_interval;
    int scripts = 0;
    while (Clock::now() < end) {
        ++ui_steps_;
        consults_.serve();
        if (rest_.rest_if_asked(consults_)) {
            model_.cleaned_up();
            model_.registered_again();
            continue;
        }
        if (Clock::now() >= next_sample) {
            sample(start);
            next_sample += std::chrono::seconds(options_.sample_seconds);
        }
        const Hotspot hotspot{static_cast<int>(random() % hotspot_count)};
        const unsigned choice = random() % 20;
        const Point target = choice == 0   ? Point{5, 5 + static_cast<std::int32_t>(random() % 900)}
                             : choice <= 3 ? layout_.point_beside(hotspot)
                                           : layout_.point_in(hotspot, random() % 64);
        if (model_.registered() && layout_.hit(target).has_value() && Clock::now() >= next_script) {
            arm_script(++scripts, hotspot);
            next_script = Clock::now() + script_interval;
        }
        move_and_check(target);
        if (std::exchange(cleaned_up_in_write_, false)) {
            ++cleanups_;
            model_.cleaned_up();
            if (register_all(ui_steps_)) {
                model_.registered_again();
            }
        }
    }
    sample(start);
}

// ---- the script threads

void SoakRun::registrar()
{
    consults_ui = true;
    std::mt19937 random(777);
    auto next_cleanup = Clock::now() + cleanup_interval;
    for (std::uint64_t round = 1; !stop_; ++round, ++registrar_rounds_) {
        const Exports& call = *library_;
        if (!library_.earlier() && Clock::now() >= next_cleanup) {
            rest_.request_rest();
            call.ZtCntx32Cleanup();
            ++cleanups_;
            if (call.TagExists("Msg1") != 4) {
                verdict_.fail("TagExists after a cleanup did not find Msg1");
            }
            register_all(registrar_rounds_);
            rest_.end_rest();
            next_cleanup = Clock::now() + cleanup_interval;
            continue;
        }
        const Hotspot hotspot{static_cast<int>(random() % hotspot_count)};
        std::int32_t result = 0;
        const char* what = "a registration in place";
        switch (round % 16 == 0 ? round / 16 % 4 : 4) {
        case 0:
            what = "a registration off the screen";
            result = call.ZtCntx32("Panel 00", -1, 0, 8, 8, "Msg1", "x");
            break;
        case 1:
            what = "a registration of no width";
            result = call.ZtCntx32("Panel 00", 0, 0, 0, 8, "Msg1", "x");
            break;
        case 2:
            what = "a registration without a window name";
            result = call.ZtCntx32("", 0, 0, 8, 8, "Msg1", "x");
            break;
        case 3:
            what = "a registration with a tag name too long";
            result = call.ZtCntx32("Panel 00", 0, 0, 8, 8, std::string(40, 'T').c_str(), "x");
            break;
        default:
            result = register_again(hotspot);
            break;
        }
        ++calls_;
        const std::int32_t wanted = round % 16 == 0 ? -1 : 1;
        if (result != wanted) {
            verdict_.fail(std::string(what) + " gave " + std::to_string(result));
        }
        std::this_thread::sleep_for(registration_pause);
    }
}

void SoakRun::script_round(std::uint64_t round)
{
    const Exports& call = *library_;
    const auto check = [this](bool right, const std::string& what) {
        if (!right) {
            verdict_.fail(what);
        }
    };
    const std::string number = std::to_string(round);
    switch (round % 6) {
    case 0: {
        const std::vector<double> now = numbers();
        check(std::memcmp(now.data(), baseline_.numbers.data(), now.size() * sizeof(double)) == 0,
              "a numeric result differs from the same call's before");
        calls_ += now.size();
        break;
    }
    case 1: {
        const int file = static_cast<int>(round % ini_files);
        const std::string path = site_.ini_file(file).string();
        const std::string key = "Key" + std::to_string(round % 20);
        const std::string value = "V" + number;
        check(call.INIWriteString(path.c_str(), "Soak", key.c_str(), value.c_str()) == 0,
              "INIWriteString failed");
        const char* read = call.INIReadString(path.c_str(), "Soak", key.c_str());
        check(read != nullptr && value == read, "INIReadString did not read what was written");
        ini_[file][key] = value;
        const std::string integer_key = "Int" + std::to_string(round % 5);
        check(call.INIWriteInteger(path.c_str(), "Soak", integer_key.c_str(),
                                   static_cast<std::int32_t>(round)) == 0,
              "INIWriteInteger failed");
        check(call.INIReadInteger(path.c_str(), "Soak", integer_key.c_str()) ==
                  static_cast<std::int32_t>(round),
              "INIReadInteger did not read what was written");
        ini_[file][integer_key] = number;
        check(call.INIWriteString(nullptr, "Soak", "Key", "x") == -1,
              "INIWriteString without a file did not fail");
        calls_ += 5;
        break;
    }
    case 2:
        check(statx_results() == baseline_.statx, "a STATX result differs from before");
        calls_ += baseline_.statx.size();
        break;
    case 3:
        check(call.TagExists("Msg1") == 4, "TagExists(\"Msg1\") is not 4");
        check(call.TagExists("NoSuchTag") == baseline_.no_such_tag,
              "TagExists of no tag differs from before");
        check(library_.disc_on_message(discrete_tag) == discrete_on_message,
              "GetDiscOnMsg did not give the on-message");
        calls_ += 3;
        break;
    case 4:
        check(call.SetTagEU(real_tag, ("r" + number).c_str()) == 0, "SetTagEU of Flow failed");
        units_[real_tag] = "r" + number;
        check(call.SetTagEU(integer_tag, ("i" + number).c_str()) == 0, "SetTagEU of Count failed");
        units_[integer_tag] = "i" + number;
        check(call.SetTagEU("Msg1", "x") == baseline_.units_of_message_tag,
              "SetTagEU of a message tag differs from before");
        calls_ += 3;
        break;
    default: {
        char buffer[128] = {};
        check(call.PasteFunc("GeoArea", buffer) == baseline_.paste &&
                  baseline_.paste_text == buffer,
              "PasteFunc differs from before");
        check(call.SystemIsNT() == baseline_.is_nt, "SystemIsNT differs from before");
        const char* name = call.CreateFilenameFromDate("dmy", "soak", ".txt", 0);
        const std::string text = name != nullptr ? name : "";
        check(text.rfind("soak", 0) == 0 && text.size() > 8 && text.ends_with(".txt"),
              "CreateFilenameFromDate gave \"" + text + "\"");
        calls_ += 3;
        if (round % 60 == 5) {
            call.ZtBeep32(440, 2);
            ++calls_;
        }
        break;
    }
    }
}

void SoakRun::scripts()
{
    consults_ui = true;
    for (std::uint64_t round = 1; !stop_; ++round, ++script_rounds_) {
        script_round(round);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void SoakRun::watchdog()
{
    struct Watched {
        const char* name;
        const std::atomic<std::uint64_t>& progress;
        std::uint64_t seen = 0;
        Clock::time_point since = Clock::now();
    };
    Watched watched[] = {{"the UI thread", ui_steps_},
                         {"the registrar thread", registrar_rounds_},
                         {"the script thread", script_rounds_}};
    while (!stop_) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        for (Watched& each : watched) {
            const std::uint64_t now = each.progress;
            if (now != each.seen) {
                each.seen = now;
                each.since = Clock::now();
            } else if (Clock::now() - each.since > stall_limit && !stop_) {
                std::cerr << "FAIL: " << each.name << " made no progress for "
                          << stall_limit.count() << " s: hung\n";
                std::fflush(nullptr);
                std::_Exit(3);
            }
        }
    }
}

int SoakRun::run()
{
    // Room for every sample beforehand, so that keeping them costs nothing
    // the figures would count.
    samples_.reserve(static_cast<std::size_t>(options_.seconds / options_.sample_seconds) + 16);
    csv_.open(options_.csv);
    csv_ << "seconds,calls,calls_per_second,moves,moves_per_second,writes,heap_bytes,handles,"
            "user_objects,gdi_objects\n";
    make_screen();
    if (library_->ZtDllInit != nullptr) {
        library_->ZtDllInit();
    }
    TagportStandinListen(listen, this);
    driver::move_pointer(Point{5, 5});
    driver::pump_messages();
    if (!register_all(ui_steps_)) {
        TagportStandinListen(nullptr, nullptr);
        return verdict_.report();
    }
    take_baseline();
    std::thread watching([this] { watchdog(); });
    std::thread registering([this] { registrar(); });
    std::thread scripting([this] { scripts(); });
    pointer_tour();
    stop_ = true;
    consults_.stop();
    rest_.stop();
    registering.join();
    scripting.join();
    watching.join();
    TagportStandinListen(nullptr, nullptr);

    for (const std::string& problem : site_.check_ini_files(ini_)) {
        verdict_.fail(problem);
    }
    for (const std::string& problem : site_.check_tag_file(units_)) {
        verdict_.fail(problem);
    }
    for (const std::string& problem : site_.check_database(last_texts_)) {
        verdict_.fail(problem);
    }
    verdict_.check_flat(samples_, options_.seconds);
    std::cout << "soak: " << options_.seconds << " s, " << moves_ << " pointer moves, " << writes_
              << " tag writes checked, " << calls_ << " calls, " << scripts_in_writes_
              << " scripts run in a tag write, " << cleanups_ << " cleanups\n";
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        driver::destroy_window(*it);
    }
    return verdict_.report();
}

} // namespace

int run_soak(const SoakOptions& options)
{
    SoakSite site(options.folder);
    const SoakLibrary library(options.library);
    if (!library.error().empty()) {
        std::cerr << "FAIL: " << library.error() << "\n";
        return 1;
    }
    SoakRun run(options, site, library);
    return run.run();
}

} // namespace soakhost

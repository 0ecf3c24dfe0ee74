#include "export_job.h"

#include "statx.h"

#include <charconv>
#include <cstdio>

namespace statx_tool {
namespace {

namespace keys = ::statx;

bool leap_year(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int days_in_month(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leap_year(year) ? 29 : days[month - 1];
}

// Reads the settings one by one and keeps the first refusal.
class SettingsReader {
  public:
    explicit SettingsReader(const SettingLookup& lookup) : lookup_(lookup) {}

    const std::optional<Refusal>& refusal() const { return refusal_; }

    std::string text(const char* key)
    {
        if (refusal_) {
            return {};
        }
        std::optional<std::string> value = lookup_(key);
        if (!value) {
            refuse(std::string(key) + " is missing");
            return {};
        }
        if (value->empty()) {
            refuse(std::string(key) + " is empty");
        }
        return *value;
    }

    int number(const char* key, int lowest, int highest)
    {
        const std::string value = text(key);
        if (refusal_) {
            return 0;
        }
        int number = 0;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), number);
        if (error != std::errc{} || end != value.data() + value.size()) {
            refuse(std::string(key) + " is not a whole number: \"" + value + "\"");
        } else if (number < lowest || number > highest) {
            refuse(std::string(key) + "=" + value + " is outside " + std::to_string(lowest) +
                   " to " + std::to_string(highest));
        }
        return number;
    }

    Moment moment(const char* year, const char* month, const char* day, const char* hour,
                  const char* minute, const char* second)
    {
        Moment moment;
        moment.year = number(year, 1970, 9999);
        moment.month = number(month, 1, 12);
        moment.day = number(day, 1, refusal_ ? 31 : days_in_month(moment.year, moment.month));
        moment.hour = number(hour, 0, 23);
        moment.minute = number(minute, 0, 59);
        moment.second = number(second, 0, 59);
        return moment;
    }

    void refuse(std::string reason)
    {
        if (!refusal_) {
            refusal_ = Refusal{std::move(reason)};
        }
    }

  private:
    const SettingLookup& lookup_;
    std::optional<Refusal> refusal_;
};

std::string moment_text(const Moment& moment)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", moment.year, moment.month,
                  moment.day, moment.hour, moment.minute, moment.second);
    return text;
}

} // namespace

std::variant<ExportJob, Refusal> read_export_job(const SettingLookup& lookup)
{
    SettingsReader reader(lookup);
    ExportJob job;
    job.start = reader.moment(keys::start_year, keys::start_month, keys::start_day,
                              keys::start_hour, keys::start_minute, keys::start_second);
    job.end = reader.moment(keys::end_year, keys::end_month, keys::end_day, keys::end_hour,
                            keys::end_minute, keys::end_second);
    job.product = reader.text(keys::product);
    job.dataset = reader.text(keys::dataset);
    job.output_file = reader.text(keys::output_file);
    if (!reader.refusal() && job.end < job.start) {
        reader.refuse("the period ends (" + moment_text(job.end) + ") before it starts (" +
                      moment_text(job.start) + ")");
    }
    if (reader.refusal()) {
        return *reader.refusal();
    }
    return job;
}

std::string describe(const ExportJob& job)
{
    return "statx export job\n"
           "  period:  " +
           moment_text(job.start) + " to " + moment_text(job.end) +
           "\n"
           "  product: " +
           job.product +
           "\n"
           "  dataset: " +
           job.dataset +
           "\n"
           "  output:  " +
           job.output_file + "\n";
}

} // namespace statx_tool

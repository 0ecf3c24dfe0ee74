// A tag-access library that answers at once and remembers nothing, so that
// the hotspot benchmark measures the library's own work: every tag exists and
// is a message tag, and writes go nowhere. Linked into the benchmark program,
// it takes the place of the stand-in for the library's code there.
#include "tagport.h"

#include <atomic>

namespace {

std::atomic<TP_TAG> next_tag{0x1000};

} // namespace

extern "C" {

TP_CONNECTION TPAPI TagportInit(int32_t, int32_t)
{
    return 1;
}
int32_t TPAPI TagportCheck(TP_CONNECTION)
{
    return 1;
}
TP_TAG TPAPI TagportActivate(TP_CONNECTION, const char*)
{
    return next_tag += 16;
}
int32_t TPAPI TagportType(TP_CONNECTION, TP_TAG)
{
    return TP_MESSAGE;
}
int32_t TPAPI TagportIsActive(TP_CONNECTION, TP_TAG)
{
    return 1;
}
void TPAPI TagportDeactivate(TP_CONNECTION, TP_TAG) {}
void TPAPI TagportGetMessage(TP_CONNECTION, TP_TAG, char* buffer, int32_t capacity)
{
    if (buffer != nullptr && capacity > 0) {
        buffer[0] = '\0';
    }
}
void TPAPI TagportSetMessage(TP_CONNECTION, TP_TAG, const char*) {}
void TPAPI TagportShutdown(TP_CONNECTION) {}
TP_TAG TPAPI TagportGetHandle(TP_CONNECTION, const char*)
{
    return 0;
}
void TPAPI TagportFreeHandle(TP_CONNECTION, TP_TAG) {}

} // extern "C"

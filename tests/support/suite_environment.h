// Shared by the tests of a behaviour suite: the logger's log, bound at start.
#pragma once

#include "logger_log.h"

namespace zt::test {

LoggerLog& suite_log();

// How a suite's program starts the library's code it links (binding the
// logger) and stops it, as the library's host or loader does; each program
// defines them. A start that fails stops the suite.
bool start_library_under_test();
void stop_library_under_test();

} // namespace zt::test

// Shared by the tests of the behaviour suite: the logger's log, bound at start.
#pragma once

#include "logger_log.h"

namespace zt::test {

LoggerLog& suite_log();

} // namespace zt::test

// Start of the behaviour suite: the emulated machine and the logger stand-in are
// set up, and the logger is bound under the library's name, as a host does by
// calling ZtDllInit before its scripts run.
#include "logger_log.h"
#include "suite_environment.h"
#include "test_environment.h"
#include "ztfunc32.h"

#include <gtest/gtest.h>

namespace zt::test {

LoggerLog& suite_log()
{
    static LoggerLog log;
    return log;
}

} // namespace zt::test

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    zt::test::use_fresh_emulated_machine();
    zt::test::suite_log();
    zt::test::set_logger_directory_in_registry(zt::test::logger_directory());
    ZtDllInit();
    const int result = RUN_ALL_TESTS();
    // The registry value is real under Wine and outlives the process.
    zt::test::remove_logger_key_from_registry();
    return result;
}

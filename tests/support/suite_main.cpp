// Start of a behaviour suite: the emulated machine and the logger stand-in are
// set up, and the library is started as its host or loader starts it, which
// binds the logger under the library's name.
#include "logger_log.h"
#include "platform/drivers/system_driver.h"
#include "suite_environment.h"
#include "test_environment.h"

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
    // Under Wine the real ExitWindowsEx would end every process of the prefix:
    // the library's shutdown, token and tone calls go to the simulated system.
    zt::platform::system_driver::simulate();
    zt::test::suite_log();
    zt::test::set_logger_directory_in_registry(zt::test::logger_directory());
    if (!zt::test::start_library_under_test()) {
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    zt::test::stop_library_under_test();
    // The registry value is real under Wine and outlives the process.
    zt::test::remove_logger_key_from_registry();
    return result;
}

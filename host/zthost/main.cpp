// zthost: the try-out host. Loads a build of ZtFunc32 by path and runs a script
// of calls from a file or from standard input.
//
//   zthost LIBRARY [SCRIPT]
#include "desktop_commands.h"
#include "dynamic_library.h"
#include "script_runner.h"
#include "standin_folder.h"
#include "tag_commands.h"

#if !defined(_WIN32)
#include "system_commands.h"
#endif

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#if !defined(_WIN32)
#include <sys/wait.h>
#endif

namespace {

// ".run COMMAND": runs a command line through the system's shell, so a script
// can show what other programs make of the library's work (for example the
// statistics-export tool reading the settings just written).
std::string run_shell_command(const std::string& command_line, std::ostream& out)
{
    if (command_line.empty()) {
        return "usage: .run COMMAND";
    }
    out.flush();
    std::cerr.flush();
    const int status = std::system(command_line.c_str());
#if defined(_WIN32)
    const int exit_code = status;
#else
    const int exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    out << "(" << command_line << ": exit " << exit_code << ")" << std::endl;
    return "";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: zthost LIBRARY [SCRIPT]\n"
                     "Runs the calls of SCRIPT (or standard input) against the library.\n";
        return 2;
    }
    zthost::search_standin_folder();
    zthost::DynamicLibrary library(argv[1]);
    if (!library.loaded()) {
        std::cerr << "zthost: cannot load " << argv[1] << ": " << library.error() << "\n";
        return 2;
    }
    zthost::ScriptRunner runner(library, std::cout, std::cerr);
    runner.add_command("run", "run a command line through the system's shell", run_shell_command);
    zthost::add_tag_commands(runner);
    zthost::add_desktop_commands(runner);
#if !defined(_WIN32)
    zthost::add_system_commands(runner);
#endif
    int failures = 0;
    if (argc == 3) {
        std::ifstream script(argv[2]);
        if (!script) {
            std::cerr << "zthost: cannot open " << argv[2] << "\n";
            return 2;
        }
        failures = runner.run(script);
    } else {
        failures = runner.run(std::cin);
    }
    return failures == 0 ? 0 : 1;
}

// zthost: the try-out host. Loads a build of ZtFunc32 by path and runs a script
// of calls from a file or from standard input.
//
//   zthost LIBRARY [SCRIPT]
#include "dynamic_library.h"
#include "script_runner.h"
#include "tag_commands.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: zthost LIBRARY [SCRIPT]\n"
                     "Runs the calls of SCRIPT (or standard input) against the library.\n";
        return 2;
    }
    zthost::DynamicLibrary library(argv[1]);
    if (!library.loaded()) {
        std::cerr << "zthost: cannot load " << argv[1] << ": " << library.error() << "\n";
        return 2;
    }
    zthost::ScriptRunner runner(library, std::cout, std::cerr);
    zthost::add_tag_commands(runner);
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

// Load and unload rounds, as a runtime that reloads its project reloads its
// script libraries: each round loads the library by path, registers hotspots
// (the hook installed) and a refused one, moves the pointer through one, asks
// a tag, and unloads the library with the hotspots still registered. After each round
// the process's figures go to a CSV file; from the fifth round on, heap in use
// may grow by 64 KiB at most and handles by 2. A hook left behind would write
// on the next move; none may.
#pragma once

#include <filesystem>
#include <string>

namespace soakhost {

struct ReloadOptions {
    std::string library;
    int rounds = 100;
    std::filesystem::path folder; // the working folder, laid out afresh
    std::filesystem::path csv;
};

// 0 when every round went right and heap and handles stayed flat.
int run_reload_rounds(const ReloadOptions& options);

} // namespace soakhost

// soakhost: the soak harness. It plays an HMI runtime that keeps the library
// loaded for a long time and uses it from a UI thread and script threads at
// once, or one that loads and unloads it again and again.
//
//   soakhost soak LIBRARY SECONDS SAMPLE_SECONDS CSV
//   soakhost reload LIBRARY ROUNDS CSV
//
// Both lay out a host installation in the current folder (see soak_site.h),
// write their samples to CSV, print what they measured and exit with 0 when
// everything held, 1 when something failed and 3 when something hung.
#include "process_figures.h"
#include "reload_rounds.h"
#include "soak_run.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

int usage()
{
    std::cerr << "usage: soakhost soak LIBRARY SECONDS SAMPLE_SECONDS CSV\n"
                 "       soakhost reload LIBRARY ROUNDS CSV\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    soakhost::prepare_process_figures();
    try {
        const std::string mode = argc > 1 ? argv[1] : "";
        if (mode == "soak" && argc == 6) {
            soakhost::SoakOptions options;
            options.library = argv[2];
            options.seconds = std::stoi(argv[3]);
            options.sample_seconds = std::stoi(argv[4]);
            options.folder = std::filesystem::current_path();
            options.csv = argv[5];
            return soakhost::run_soak(options);
        }
        if (mode == "reload" && argc == 5) {
            soakhost::ReloadOptions options;
            options.library = argv[2];
            options.rounds = std::stoi(argv[3]);
            options.folder = std::filesystem::current_path();
            options.csv = argv[4];
            return soakhost::run_reload_rounds(options);
        }
        return usage();
    } catch (const std::exception& error) {
        std::cerr << "FAIL: " << error.what() << "\n";
        return 1;
    }
}

// statx: stand-in for the statistics-export tool. Reads its settings from
// section "Defaults" of "statx.ini" in the Windows directory and prints the
// export job they describe; refuses (exit 1) when a setting is missing or
// invalid. It exports nothing: it shows what it would do.
//
//   statx
#include "export_job.h"
#include "settings_file.h"

#include <exception>
#include <iostream>

int main(int argc, char**)
{
    if (argc != 1) {
        std::cerr << "usage: statx\n"
                     "Prints the export job of section [Defaults] of statx.ini in the Windows "
                     "directory.\n";
        return 2;
    }
    try {
        const auto job = statx_tool::read_export_job(statx_tool::settings_file_lookup());
        if (const auto* refusal = std::get_if<statx_tool::Refusal>(&job)) {
            std::cerr << "statx: refused: " << refusal->reason
                      << " (section [Defaults] of statx.ini)\n";
            return 1;
        }
        std::cout << statx_tool::describe(std::get<statx_tool::ExportJob>(job));
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "statx: " << error.what() << "\n";
        return 1;
    }
}

// A host's whole day, compressed: the library loaded once and used by a UI
// thread and script threads at the same time, as an HMI runtime uses it.
//
//   UI thread (this one): the main window with 100 panels and 10,000
//     hotspots; the pointer moves about (SendInput on Windows, the simulated
//     desktop's driver natively), and every move's tag writes are checked
//     against the leave and enter writes it must give. Now and then a tag
//     write runs a script at once, on the UI thread or on a script thread the
//     UI thread waits for: a registration, a refused one, a tag query, a
//     cleanup (after which every hotspot is registered again).
//   Registrar thread: a hotspot registered again in place every 2 ms, refused
//     registrations, and every so often the hotspots cleaned up
//     (ZtCntx32Cleanup) and registered again while the pointer rests.
//   Script thread: every other family with valid and bad input (numeric, INI
//     files, statistics-export settings, tag queries and SetTagEU, PasteFunc,
//     SystemIsNT, tones), each result checked against the one the same call
//     gave before the threads started, or against what was written.
//   The tag-access library is one that consults the runtime's UI thread:
//     every eighth check or activation from a script thread waits until the
//     UI thread has looked at it between two moves.
//
// Every few seconds a sample of the process's figures goes to a CSV file. It
// passes when nothing hung (a watchdog ends the process after 20 s without
// progress), every write and result was right, heap and handles stayed flat
// after the warm-up, and the INI files, tagname.x and the tag database are
// whole.
#pragma once

#include <filesystem>
#include <string>

namespace soakhost {

struct SoakOptions {
    std::string library;
    int seconds = 60;
    int sample_seconds = 2;
    std::filesystem::path folder; // the working folder, laid out afresh
    std::filesystem::path csv;
};

// 0 when the soak passed; what failed goes to standard error.
int run_soak(const SoakOptions& options);

} // namespace soakhost

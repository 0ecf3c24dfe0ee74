// Runs a script of calls against a loaded library and prints each call with
// its result; errors name the line and the session goes on with the next one.
#pragma once

#include "dynamic_library.h"
#include "export_signatures.h"
#include "script_parser.h"

#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace zthost {

class ScriptRunner {
  public:
    // Handles ".name arguments"; returns an error text, empty on success.
    using CommandHandler = std::function<std::string(const std::string& arguments, std::ostream&)>;

    ScriptRunner(const DynamicLibrary& library, std::ostream& out, std::ostream& err);

    void add_command(const std::string& name, std::string help, CommandHandler handler);

    // Told of every call made and its result.
    using CallObserver = std::function<void(const Call&, const CallResult&)>;
    void observe_calls(CallObserver observer);

    // The release of the loaded library.
    Release release() const noexcept { return release_; }

    // Returns the number of lines that failed.
    int run(std::istream& script);

  private:
    std::string run_call(const Call& call);
    std::string run_paste(const Call& call);
    std::string run_command(const HostCommand& command);

    struct Command {
        std::string help;
        CommandHandler handler;
    };

    const DynamicLibrary& library_;
    // The release decides the calling convention of some exports.
    Release release_;
    std::ostream& out_;
    std::ostream& err_;
    std::map<std::string, Command> commands_;
    std::vector<CallObserver> observers_;
};

} // namespace zthost

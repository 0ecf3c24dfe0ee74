#include "script_runner.h"

#include "export_signatures.h"
#include "ztfunc32.h"

#include <cstdint>
#include <istream>
#include <ostream>
#include <vector>

namespace zthost {
namespace {

std::string call_text(const Call& call)
{
    std::string text = call.function + "(";
    for (std::size_t i = 0; i < call.arguments.size(); ++i) {
        text += (i == 0 ? " " : ", ") + to_script_text(call.arguments[i]);
    }
    return text + (call.arguments.empty() ? ")" : " )");
}

std::string result_text(const CallResult& result)
{
    switch (result.kind) {
    case CallResult::Kind::none:
        return "(no result)";
    case CallResult::Kind::real:
        return real_text(result.real);
    case CallResult::Kind::integer:
        return std::to_string(result.integer);
    case CallResult::Kind::text:
        break;
    }
    if (!result.text) {
        return "(null)";
    }
    Value text;
    text.kind = Value::Kind::text;
    text.text = *result.text;
    return to_script_text(text);
}

std::string signature_text(const ExportSignature& signature)
{
    std::string text = "(";
    for (std::size_t i = 0; i < signature.parameters.size(); ++i) {
        text += (i == 0 ? " " : ", ") + std::string(type_name(signature.parameters[i]));
    }
    return text + (signature.parameters.empty() ? ")" : " )");
}

} // namespace

ScriptRunner::ScriptRunner(const DynamicLibrary& library, std::ostream& out, std::ostream& err)
    : library_(library), release_(detect_release(library)), out_(out), err_(err)
{
    add_command("echo", "print the rest of the line",
                [](const std::string& arguments, std::ostream& out) {
                    out << arguments << "\n";
                    return std::string();
                });
    add_command("help", "list the host's commands", [this](const std::string&, std::ostream& out) {
        for (const auto& [name, command] : commands_) {
            out << "." << name << "  " << command.help << "\n";
        }
        return std::string();
    });
}

void ScriptRunner::add_command(const std::string& name, std::string help, CommandHandler handler)
{
    commands_[name] = Command{std::move(help), std::move(handler)};
}

void ScriptRunner::observe_calls(CallObserver observer)
{
    observers_.push_back(std::move(observer));
}

int ScriptRunner::run(std::istream& script)
{
    int failures = 0;
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        const Statement statement = parse_statement(line);
        std::string error;
        if (const auto* parse_error = std::get_if<ParseError>(&statement)) {
            error = parse_error->message;
        } else if (const auto* call = std::get_if<Call>(&statement)) {
            error = call->function == "PasteFunc" ? run_paste(*call) : run_call(*call);
        } else if (const auto* command = std::get_if<HostCommand>(&statement)) {
            error = run_command(*command);
        }
        if (!error.empty()) {
            out_.flush();
            err_ << "line " << number << ": " << error << "\n";
            err_.flush();
            ++failures;
        }
    }
    return failures;
}

std::string ScriptRunner::run_call(const Call& call)
{
    const ExportSignature* signature = find_signature(call.function, release_);
    if (signature == nullptr) {
        return "no function named " + call.function + " in the library's export table";
    }
    void* address = library_.entry_point(call.function.c_str());
    if (address == nullptr) {
        // Exports of the Windows standard convention may carry their decorated name.
        const std::string decorated =
            "_" + call.function + "@" + std::to_string(4 * signature->parameters.size());
        address = library_.entry_point(decorated.c_str());
    }
    if (address == nullptr) {
        return call.function + " is not exported by this build";
    }
    if (call.arguments.size() != signature->parameters.size()) {
        return call.function + " takes " + std::to_string(signature->parameters.size()) +
               " argument(s) " + signature_text(*signature) + ", not " +
               std::to_string(call.arguments.size());
    }
    for (std::size_t i = 0; i < call.arguments.size(); ++i) {
        const std::string mismatch = argument_mismatch(signature->parameters[i], call.arguments[i]);
        if (!mismatch.empty()) {
            return call.function + " argument " + std::to_string(i + 1) + ": " + mismatch;
        }
    }
    // Output so far is flushed first: reports the call makes go to the logger,
    // which may share the terminal, and then stand above the call's line.
    out_.flush();
    const CallResult result = signature->invoke(address, call.arguments);
    out_ << call_text(call) << " -> " << result_text(result) << std::endl;
    for (const CallObserver& observer : observers_) {
        observer(call, result);
    }
    return "";
}

// The host's editor gives PasteFunc a buffer; a script gives only the name.
std::string ScriptRunner::run_paste(const Call& call)
{
    if (call.arguments.size() != 1 || call.arguments[0].kind != Value::Kind::text) {
        return "PasteFunc takes one argument here: the function name as a text";
    }
    using PasteFn = std::int32_t(ZT_CALLER*)(const char*, char*);
    const auto paste = reinterpret_cast<PasteFn>(library_.entry_point("PasteFunc"));
    if (paste == nullptr) {
        return "PasteFunc is not exported by this build";
    }
    const std::string& name = call.arguments[0].text;
    std::vector<char> buffer(name.size() + 512, '\0');
    const std::int32_t result = paste(name.c_str(), buffer.data());
    const std::string pasted(buffer.data());
    const std::size_t start = static_cast<std::uint32_t>(result) & 0xFFFFu;
    const std::size_t end = static_cast<std::uint32_t>(result) >> 16;
    out_ << call_text(call) << " -> " << result << " (" << start << ", " << end << ")\n";
    out_ << "    " << pasted << "\n";
    if (pasted == name + "(") {
        out_ << "    (no template for this name; the result repeats the previous one)\n";
    } else if (start < end && end <= pasted.size()) {
        out_ << "    " << std::string(start, ' ') << std::string(end - start, '^') << "\n";
    }
    return "";
}

std::string ScriptRunner::run_command(const HostCommand& command)
{
    const auto found = commands_.find(command.name);
    if (found == commands_.end()) {
        return "unknown host command ." + command.name + " (.help lists them)";
    }
    return found->second.handler(command.arguments, out_);
}

} // namespace zthost

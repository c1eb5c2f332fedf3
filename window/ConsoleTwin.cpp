#include "window/ConsoleTwin.h"

#include "language/CheckCommand.h"
#include "run/CommandLine.h"

namespace tarnwick {

namespace {

// The language server's option; its own code needs Qt, which the twin does without.
constexpr std::string_view kServeOption = "--lsp";

}  // namespace

TwinStep ChooseTwinStep(const std::vector<std::string>& arguments) {
    if (language::IsCheckCommand(arguments)) return TwinStep::Check;
    if (arguments.size() >= 2 && arguments[1] == kServeOption) return TwinStep::ServeAndWait;
    return TwinStep::StartEditor;
}

std::string EditorBesideTwin(std::string_view twinPath) {
    const std::size_t dot = twinPath.find_last_of('.');
    const std::size_t slash = twinPath.find_last_of("/\\");
    const bool hasExtension = dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
    return std::string(twinPath.substr(0, hasExtension ? dot : twinPath.size())) + ".exe";
}

std::string ForwardedCommandLine(std::string_view program, const std::vector<std::string>& arguments) {
    std::string line = QuoteArgument(program);
    for (std::size_t i = 1; i < arguments.size(); ++i) line += ' ' + QuoteArgument(arguments[i]);
    return line;
}

}  // namespace tarnwick

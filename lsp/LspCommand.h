#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::lsp {

// "--lsp": the first argument that makes the program a language server with no window.
inline constexpr std::string_view kLspOption = "--lsp";

bool IsLspCommand(const std::vector<std::string>& arguments);

// Serves the protocol on standard input and output until the client sends
// "exit" or closes the input; returns the exit code (0 after "shutdown", else 1).
// The syntax table is read from syntax.ini beside the executable.
int RunLspCommand(int argc, char** argv);

}  // namespace tarnwick::lsp

#pragma once

#include "editor/TextEncoding.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

class EditorModel;
struct MainUnit;

// The editor's lines (a final empty line is no line), each followed by CR LF.
// An ANSI document gives the bytes as the editor holds them; a Unicode one is
// written as UTF-16 LE with its mark, the one Unicode form the script host
// reads (it takes UTF-8 for ANSI text, and its mark for a wrong character).
std::string ScratchScriptBytes(const EditorModel& document, TextEncoding encoding = TextEncoding::Ansi);

// The template with its first "[FilePath]", in exactly that case, replaced by
// a space and the scratch script's path in double quotes (escaped where the
// path itself holds a quote, which only other systems allow). A template without
// it stays as it is; a second one is left.
std::string FormCommand(std::string_view commandTemplate, const std::string& scratchScriptPath);

// Writes the scratch script and starts the command without waiting for it.
// Returns the command line started. Throws Error when the script cannot be
// written (nothing is started then) or the program cannot be started.
std::string RunCommandTemplate(MainUnit& unit, std::string_view commandTemplate,
                               const std::string& scratchScriptPath);

inline constexpr const char* kNoRunDefault = "No default parameters specified in the Run Dialog";

// Run with default settings: reads "RunDefault" afresh and runs it. When
// nothing is stored, says so and then shows the Run Options window. Returns
// the command line started, if any.
std::optional<std::string> mRunDefaultClick(MainUnit& unit, const std::string& scratchScriptPath,
                                            const std::function<void()>& showRunOptions);

}  // namespace tarnwick

#pragma once

#include <QString>

#include <string>

namespace tarnwick {

// A command template's bytes: on Windows the system's ANSI code page, in which
// the host programs read a command line; elsewhere the model's Windows-1252.
std::string TemplateBytes(const QString& text);
QString TemplateText(const std::string& bytes);

// A command line holds the template's text and the scratch script's path in
// the system's own encoding: each part is read as what it is.
QString CommandLineText(const std::string& command, const std::string& scratchScriptPath);

}  // namespace tarnwick

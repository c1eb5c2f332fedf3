#pragma once

#include <QString>

#include <string>

namespace tarnwick {

// A command line holds the template's Windows-1252 text and the scratch
// script's path in the system's own encoding: each part is read as what it is.
QString CommandLineText(const std::string& command, const std::string& scratchScriptPath);

}  // namespace tarnwick

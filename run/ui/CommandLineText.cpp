#include "run/ui/CommandLineText.h"

#include "unit/ui/QtPorts.h"

namespace tarnwick {

QString CommandLineText(const std::string& command, const std::string& scratchScriptPath) {
    if (scratchScriptPath.empty()) return FromAnsi(command);
    QString text;
    std::size_t from = 0;
    for (std::size_t at; (at = command.find(scratchScriptPath, from)) != std::string::npos;
         from = at + scratchScriptPath.size())
        text += FromAnsi(command.substr(from, at - from)) + FromPath(scratchScriptPath);
    return text + FromAnsi(command.substr(from));
}

}  // namespace tarnwick

#include "run/ui/CommandLineText.h"

#include "unit/ui/QtPorts.h"

namespace tarnwick {

std::string TemplateBytes(const QString& text) {
#ifdef _WIN32
    return text.toLocal8Bit().toStdString();
#else
    return ToAnsi(text);
#endif
}

QString TemplateText(const std::string& bytes) {
#ifdef _WIN32
    return QString::fromLocal8Bit(bytes);
#else
    return FromAnsi(bytes);
#endif
}

QString CommandLineText(const std::string& command, const std::string& scratchScriptPath) {
    if (scratchScriptPath.empty()) return TemplateText(command);
    QString text;
    std::size_t from = 0;
    for (std::size_t at; (at = command.find(scratchScriptPath, from)) != std::string::npos;
         from = at + scratchScriptPath.size())
        text += TemplateText(command.substr(from, at - from)) + FromPath(scratchScriptPath);
    return text + TemplateText(command.substr(from));
}

}  // namespace tarnwick

#include "language/Check.h"

namespace tarnwick::language {

std::vector<Diagnostic> CheckScript(std::string_view, TextForm, const CheckOptions&) {
    return {};  // the parser and checker come next
}

std::string HostLine(std::string_view path, const Diagnostic& d) {
    return std::string(path) + "(" + std::to_string(d.line) + ", " + std::to_string(d.column) +
           ") Microsoft VBScript compilation error: " + d.text;
}

}  // namespace tarnwick::language

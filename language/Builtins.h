#pragma once

#include <string_view>

namespace tarnwick::language {

// Whether a lower-case name is one the language or the host declares
// (MsgBox, vbCrLf, WScript, Err ...): never "undeclared".
bool IsBuiltinName(std::string_view lower);

}  // namespace tarnwick::language

#pragma once

#include "host/Dispatch.h"

#include <string>
#include <vector>

namespace tarnwick::host {

// WScript.Arguments: every argument (`Unnamed` leaves out the named ones,
// "/name:value" and "/name"), with Item, Count, Length, For Each, and the
// Named and Unnamed collections.
IDispatch* NewArgumentsObject(std::vector<std::wstring> arguments);

}  // namespace tarnwick::host

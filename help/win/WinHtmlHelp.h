#pragma once

#include "help/ChmHelp.h"

#include <memory>

namespace tarnwick {

// "HtmlHelpA" of "HHCtrl.ocx", loaded at run time. None when the library or
// the function is missing, so that every help request then does nothing.
// Every help window is closed before the library is unloaded.
std::unique_ptr<HtmlHelpEntry> LoadWinHtmlHelp();

}  // namespace tarnwick

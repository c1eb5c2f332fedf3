#pragma once

#include <string>

namespace tarnwick {

struct MainUnit;

// Colours and tidies one line of the document's RTF text.
std::string ColorRTF(const MainUnit& unit, std::string line);
// Colours the whole document through its RTF form and loads it back.
void ColourWholeDocument(MainUnit& unit);

}  // namespace tarnwick

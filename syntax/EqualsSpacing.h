#pragma once

#include "editor/Colour.h"

#include <string>
#include <vector>

namespace tarnwick {

// Puts single spaces around every "=" of one line outside strings and comments: the spaces
// before and after the sign are replaced by one each, or by none when a "<" or
// ">" stands right before or after it (so "a < = b" becomes "a <=b"). Each next
// search starts right after the sign just written.
//
// `colours`, when given, holds one colour per character of `text` and is edited
// in step with it: a sign and the blanks written around it take the sign's colour.
void SpaceEqualsSigns(std::string& text, std::vector<Colour>* colours = nullptr);
// The same with one colour index byte per character.
void SpaceEqualsSigns(std::string& text, std::string* colours);

}  // namespace tarnwick

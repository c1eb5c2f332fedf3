#pragma once

#include <string>

namespace tarnwick {

// Puts single spaces around every "=" of one line outside strings and comments: the spaces
// before and after the sign are replaced by one each, or by none when a "<" or
// ">" stands right before or after it (so "a < = b" becomes "a <=b"). Each next
// search starts right after the sign just written.
//
// `scan` is what the searches look at; it has the length of `text` and is edited
// in step with it. For a plain line it is the line itself; for an RTF line it is
// its scan copy, in which control words and escapes are hidden.
void SpaceEqualsSigns(std::string& text, std::string& scan);
void SpaceEqualsSigns(std::string& text);

}  // namespace tarnwick

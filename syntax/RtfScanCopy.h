#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

// The scans of the whole-document colouring look at a scan copy of each RTF
// line: same length, the document's characters where they stand as themselves,
// and everything else hidden, so that an escape's apostrophe is no comment
// mark and a keyword is never found inside a control word or an escape.
//   - A control word (with its number and delimiting space), a control symbol,
//     a group brace and the colour words the colouring inserts read as
//     kHidden, a delimiter that is neither quote nor apostrophe.
//   - An escape \'hh of a character (and \{ \}) reads as kOpaque when the
//     character is no delimiter, so the word it stands in stays one word.
//   - The last character of an inserted opening colour word reads as
//     kColourMark (also a delimiter): a keyword right after it is coloured.
inline constexpr char kHidden = '\x08';
inline constexpr char kOpaque = '\x7F';
inline constexpr char kColourMark = '\0';

std::string RtfScanCopy(std::string_view rtfLine);
// The same into `scan`, whose earlier content is replaced (its storage is reused).
void RtfScanCopyInto(std::string_view rtfLine, std::string& scan);

// The scan copy of the colour words the colouring inserts.
inline constexpr std::string_view kOpeningWordScan{"\x08\x08\x08\0", 4};  // "\cf1" .. "\cf3"
inline constexpr std::string_view kClosingWordScan{"\x08\x08\x08\x08\x08", 5};  // "\cf0 "

}  // namespace tarnwick

#pragma once

#include <string_view>

namespace tarnwick {

// Search options of SearchStr, as bit values.
enum SearchOption : unsigned {
    NoOptions = 0,
    WholeWord = 1,
    MatchCase = 2,
};

// Start positions are 1-based (0 selects the same window as 1); match indexes
// are 0-based (-1: none). The window is the Count + 1 characters from Start.
int SearchStr(std::string_view s, std::string_view sub, int start, int count, unsigned options);
int InStr(std::string_view s, std::string_view sub, int start, int count, unsigned options,
          bool skipStrings, bool skipComments);
// Whether 0-based index pos lies inside a double-quoted string / a comment.
bool IsString(std::string_view s, int start, int pos);
bool IsComment(std::string_view s, int start, int pos);
// 1-based position of the last occurrence of sub starting at or before from, ignoring case; -1: none.
int RevFind(int from, std::string_view s, std::string_view sub);

// Whether c is a word delimiter.
bool IsDelimiter(unsigned char c);

}  // namespace tarnwick

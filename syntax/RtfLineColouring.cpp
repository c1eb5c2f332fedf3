#include "syntax/RtfLineColouring.h"

#include "syntax/EqualsSpacing.h"
#include "syntax/RtfScanCopy.h"
#include "syntax/Scans.h"

namespace tarnwick {
namespace {

constexpr std::string_view kClosingWord = "\\cf0 ";

std::string_view OpeningWord(const TColorCoding& entry) {
    if (entry.TypeA == "Function") return "\\cf1";
    if (entry.TypeA == "Statement") return "\\cf2";
    return {};
}

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

std::string Folded(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = Fold(c);
    return out;
}

// A keyword the by-word pass can look up: a run of word characters that no
// part of a scan copy can imitate.
bool IsSingleWord(std::string_view name) {
    if (name.empty()) return false;
    for (char c : name)
        if (IsDelimiter(static_cast<unsigned char>(c)) || c == kOpaque) return false;
    return true;
}

// Inserts `text` into the line and `scan` into its scan copy at the same index.
void InsertBoth(std::string& line, std::string& scanCopy, std::size_t at, std::string_view text,
                std::string_view scan) {
    line.insert(at, text);
    scanCopy.insert(at, scan);
}

// "\cf3" before the first apostrophe outside strings and before the first
// whole-word "rem" outside strings, each closed with "\cf0 " at the end.
void ColourComments(std::string& line, std::string& scan) {
    int apostrophe = InStr(scan, "'", 0, static_cast<int>(scan.size()), NoOptions, true, false);
    if (apostrophe != -1) {
        InsertBoth(line, scan, static_cast<std::size_t>(apostrophe), "\\cf3", kOpeningWordScan);
        InsertBoth(line, scan, line.size(), kClosingWord, kClosingWordScan);
    }
    int rem = InStr(scan, "rem", 0, static_cast<int>(scan.size()), WholeWord, true, false);
    if (rem != -1) {
        InsertBoth(line, scan, static_cast<std::size_t>(rem), "\\cf3", kOpeningWordScan);
        InsertBoth(line, scan, line.size(), kClosingWord, kClosingWordScan);
    }
}

void ColourKeywordsStepByStep(const SyntaxEntries& table, std::string& line, std::string& scan) {
    for (const TColorCoding& entry : table) {
        std::string_view opening = OpeningWord(entry);
        if (opening.empty() || entry.Name.empty()) continue;
        const std::size_t length = entry.Name.size();
        int found = InStr(scan, entry.Name, 0, static_cast<int>(scan.size()), WholeWord, true, true);
        while (found != -1) {
            auto at = static_cast<std::size_t>(found);
            int next = found + 2;  // a word that is coloured already: go on after its first character
            if (at == 0 || scan[at - 1] != kColourMark) {
                line.replace(at, length, entry.Name);
                scan.replace(at, length, entry.Name);
                InsertBoth(line, scan, at + length, kClosingWord, kClosingWordScan);
                InsertBoth(line, scan, at, opening, kOpeningWordScan);
                next = found + 6;  // the word's second character
            }
            found = InStr(scan, entry.Name, next, static_cast<int>(scan.size()), WholeWord, true, true);
        }
    }
}

}  // namespace

bool IsStructuralRtfLine(std::string_view line) { return line == "\\par }" || line == " " || line == "\\par "; }

RtfLineColourer::RtfLineColourer(const SyntaxEntries& table) : table_(table) {
    for (const TColorCoding& entry : table) {
        if (OpeningWord(entry).empty() || entry.Name.empty()) continue;
        if (!IsSingleWord(entry.Name)) {
            byWord_ = false;
            continue;
        }
        keywords_.try_emplace(Folded(entry.Name), &entry);
        longestName_ = std::max(longestName_, entry.Name.size());
    }
}

// Every keyword is a single word, so its whole-word matches are exactly the
// words of the line that equal it, and the first entry in table order that a
// word equals is the one that wraps it (a wrapped word is not wrapped again).
// Whether a word stands in a string or a comment is decided at its first
// character, as the searches do; inserted colour words change no such answer.
std::string RtfLineColourer::ColourKeywordsByWord(const std::string& line, std::string& scan) const {
    std::string out;
    std::string outScan;
    out.reserve(line.size() + 32);
    outScan.reserve(line.size() + 32);

    bool inString = false;
    bool commentByApostrophe = false;  // the last apostrophe seen stands outside a string
    bool commentByRem = false;         // the last whole-word "rem" seen stands outside a string
    std::string key;
    std::size_t copied = 0;
    std::size_t i = 0;
    while (i < scan.size()) {
        auto c = static_cast<unsigned char>(scan[i]);
        if (IsDelimiter(c)) {
            if (c == '"') inString = !inString;
            if (c == '\'') commentByApostrophe = !inString;
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < scan.size() && !IsDelimiter(static_cast<unsigned char>(scan[end]))) ++end;
        std::string_view word(scan.data() + i, end - i);
        const bool inComment = commentByApostrophe || commentByRem;
        if (!inString && !inComment && word.size() <= longestName_) {
            key.assign(word);
            for (char& k : key) k = Fold(k);
            if (auto hit = keywords_.find(key); hit != keywords_.end()) {
                const TColorCoding& entry = *hit->second;
                out.append(line, copied, i - copied);
                outScan.append(scan, copied, i - copied);
                out += OpeningWord(entry);
                out += entry.Name;
                out += kClosingWord;
                outScan += kOpeningWordScan;
                outScan += entry.Name;
                outScan += kClosingWordScan;
                copied = end;
            }
        }
        if (word.size() == 3 && Fold(word[0]) == 'r' && Fold(word[1]) == 'e' && Fold(word[2]) == 'm')
            commentByRem = !inString;
        i = end;
    }
    out.append(line, copied, std::string::npos);
    outScan.append(scan, copied, std::string::npos);
    scan = std::move(outScan);
    return out;
}

std::string RtfLineColourer::operator()(std::string line) const {
    if (IsStructuralRtfLine(line)) return line;
    std::string scan = RtfScanCopy(line);
    SpaceEqualsSigns(line, scan);
    if (byWord_) {
        line = ColourKeywordsByWord(line, scan);
    } else {
        ColourKeywordsStepByStep(table_, line, scan);
    }
    ColourComments(line, scan);
    return line;
}

std::string ColorRtfStepByStep(const SyntaxEntries& table, std::string line) {
    if (IsStructuralRtfLine(line)) return line;
    std::string scan = RtfScanCopy(line);
    SpaceEqualsSigns(line, scan);
    ColourKeywordsStepByStep(table, line, scan);
    ColourComments(line, scan);
    return line;
}

}  // namespace tarnwick

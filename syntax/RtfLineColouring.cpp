#include "syntax/RtfLineColouring.h"

#include "syntax/EqualsSpacing.h"
#include "syntax/RtfScanCopy.h"
#include "syntax/Scans.h"

#include <algorithm>

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

// Whether the word at `at` stands wrapped in an opening colour word and "\cf0 ", as the keyword step leaves it.
bool IsWrappedWord(const std::string& line, const std::string& scan, std::size_t at, std::size_t length) {
    return at >= 4 && scan[at - 1] == kColourMark && line.compare(at - 4, 3, "\\cf") == 0 &&
           line.compare(at + length, kClosingWord.size(), kClosingWord) == 0;
}

// "\cf3" before the apostrophe at `apostrophe` and before the "rem" at `rem` (an
// index in the line as the first insertion leaves it), each closed with "\cf0 "
// at the end of the line; npos where there is none.
void OpenComments(std::string& line, std::string& scan, std::size_t apostrophe, std::size_t rem) {
    if (apostrophe != std::string::npos) {
        InsertBoth(line, scan, apostrophe, "\\cf3", kOpeningWordScan);
        InsertBoth(line, scan, line.size(), kClosingWord, kClosingWordScan);
    }
    if (rem != std::string::npos) {
        if (IsWrappedWord(line, scan, rem, 3)) {
            // "Rem" was coloured as a statement: the comment colour takes the place of the
            // statement colour, and the statement's closing word goes, so the comment colour
            // runs to the end of the line as it does when the line is coloured live.
            line.replace(rem - 4, 4, "\\cf3");
            line.erase(rem + 3, kClosingWord.size());
            scan.erase(rem + 3, kClosingWordScan.size());
        } else {
            InsertBoth(line, scan, rem, "\\cf3", kOpeningWordScan);
        }
        InsertBoth(line, scan, line.size(), kClosingWord, kClosingWordScan);
    }
}

std::size_t IndexOrNone(int found) {
    return found == -1 ? std::string::npos : static_cast<std::size_t>(found);
}

// The first apostrophe outside strings and the first whole-word "rem" outside
// strings, searched for as the steps say.
void ColourComments(std::string& line, std::string& scan) {
    std::size_t apostrophe = IndexOrNone(InStr(scan, "'", 0, static_cast<int>(scan.size()), NoOptions, true, false));
    if (apostrophe != std::string::npos) {
        // The rem is searched for in the line as the apostrophe's colour word leaves it.
        std::string afterScan = scan;
        afterScan.insert(apostrophe, kOpeningWordScan);
        std::size_t rem =
            IndexOrNone(InStr(afterScan, "rem", 0, static_cast<int>(afterScan.size()), WholeWord, true, false));
        OpenComments(line, scan, apostrophe, rem);
        return;
    }
    OpenComments(line, scan, std::string::npos,
                 IndexOrNone(InStr(scan, "rem", 0, static_cast<int>(scan.size()), WholeWord, true, false)));
}

// A cheap hash of a word ignoring case: its length and the folded letters at both ends.
std::uint32_t WordHash(std::string_view word) {
    const std::size_t n = word.size();
    auto at = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(Fold(word[i]))); };
    std::uint32_t h = static_cast<std::uint32_t>(n);
    h = h * 131 + at(0);
    h = h * 131 + at(n - 1);
    if (n > 2) h = (h * 131 + at(1)) * 131 + at(n - 2);
    return h ^ (h >> 11);
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
    std::size_t keywords = 0;
    for (const TColorCoding& entry : table) keywords += OpeningWord(entry).empty() ? 0 : 1;
    std::size_t size = 16;
    while (size < keywords * 4) size *= 2;
    slots_.resize(size);
    for (const TColorCoding& entry : table) {
        if (OpeningWord(entry).empty() || entry.Name.empty()) continue;
        if (!IsSingleWord(entry.Name)) {
            byWord_ = false;
            continue;
        }
        Index(entry);
    }
}

void RtfLineColourer::Index(const TColorCoding& entry) {
    std::string folded = Folded(entry.Name);
    const std::uint32_t hash = WordHash(folded);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot& slot = slots_[i];
        if (slot.entry == nullptr) {
            slot = {hash, std::move(folded), &entry};
            lengthsByFirst_[static_cast<unsigned char>(slots_[i].foldedName[0])] |=
                std::uint64_t{1} << std::min<std::size_t>(entry.Name.size(), 63);
            return;
        }
        if (slot.hash == hash && slot.foldedName == folded) return;  // an earlier entry has the name
    }
}

// `hash` is the word's WordHash.
const TColorCoding* RtfLineColourer::Find(std::string_view word, std::uint32_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.entry == nullptr) return nullptr;
        if (slot.hash != hash || slot.foldedName.size() != word.size()) continue;
        bool same = true;
        for (std::size_t k = 0; k < word.size() && same; ++k) same = Fold(word[k]) == slot.foldedName[k];
        if (same) return slot.entry;
    }
}

// Every keyword is a single word, so its whole-word matches are exactly the
// words of the line that equal it, and the first entry in table order that a
// word equals is the one that wraps it (a wrapped word is not wrapped again).
// Whether a word stands in a string or a comment is decided at its first
// character, as the searches do; inserted colour words change no such answer.
// The comment marks are the first apostrophe and the first whole-word "rem"
// outside strings, so the whole line is written out in one walk.
void RtfLineColourer::AppendByWord(std::string_view line, const std::string& scan, std::string& out) const {
    bool inString = false;
    bool commentByApostrophe = false;  // an apostrophe outside a string has been passed
    bool commentByRem = false;         // the last whole-word "rem" seen stands outside a string
    bool apostropheOpened = false;
    bool remOpened = false;
    std::size_t copied = 0;
    std::size_t i = 0;
    while (i < scan.size()) {
        auto c = static_cast<unsigned char>(scan[i]);
        if (IsDelimiter(c)) {
            if (c == '"') inString = !inString;
            if (c == '\'') {
                if (!inString && !apostropheOpened) {
                    out.append(line, copied, i - copied);
                    out += "\\cf3";
                    copied = i;
                    apostropheOpened = true;
                }
                commentByApostrophe = commentByApostrophe || !inString;
            }
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < scan.size() && !IsDelimiter(static_cast<unsigned char>(scan[end]))) ++end;
        std::string_view word(scan.data() + i, end - i);

        const TColorCoding* keyword = nullptr;
        const std::uint64_t lengths = lengthsByFirst_[static_cast<unsigned char>(Fold(word[0]))];
        if (!inString && !commentByApostrophe && !commentByRem &&
            ((lengths >> std::min<std::size_t>(word.size(), 63)) & 1) != 0)
            keyword = Find(word, WordHash(word));
        const bool isRem = word.size() == 3 && Fold(word[0]) == 'r' && Fold(word[1]) == 'e' && Fold(word[2]) == 'm';
        const bool opensRem = isRem && !inString && !remOpened;

        if (keyword != nullptr || opensRem) {
            out.append(line, copied, i - copied);
            if (opensRem) {
                // A "Rem" that is also a statement keyword takes the comment colour in place of
                // the statement colour, and no closing word, so the comment colour runs to the
                // end of the line as it does when the line is coloured live.
                out += "\\cf3";
                if (keyword != nullptr) {
                    out += keyword->Name;
                } else {
                    out.append(line, i, end - i);
                }
                remOpened = true;
            } else {
                out += OpeningWord(*keyword);
                out += keyword->Name;
                out += kClosingWord;
            }
            copied = end;
        }
        if (isRem) commentByRem = !inString;
        i = end;
    }
    out.append(line, copied, std::string_view::npos);
    if (apostropheOpened) out += kClosingWord;
    if (remOpened) out += kClosingWord;
}

void RtfLineColourer::AppendColoured(std::string_view line, std::string& out) {
    if (IsStructuralRtfLine(line)) {
        out += line;
        return;
    }
    RtfScanCopyInto(line, scan_);
    line_.assign(line);
    if (scan_.find('=') != std::string::npos) SpaceEqualsSigns(line_, scan_);
    if (byWord_) {
        AppendByWord(line_, scan_, out);
        return;
    }
    ColourKeywordsStepByStep(table_, line_, scan_);
    ColourComments(line_, scan_);
    out += line_;
}

std::string RtfLineColourer::operator()(std::string_view line) {
    std::string out;
    AppendColoured(line, out);
    return out;
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

#include "syntax/DocumentLineColouring.h"

#include "syntax/EqualsSpacing.h"
#include "syntax/Scans.h"

#include <algorithm>

namespace tarnwick {
namespace {

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

std::string Folded(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = Fold(c);
    return out;
}

bool IsKeywordEntry(const TColorCoding& entry) { return entry.TypeA == "Function" || entry.TypeA == "Statement"; }

// A keyword the by-word pass can look up: a run of word characters.
bool IsSingleWord(std::string_view name) {
    return std::none_of(name.begin(), name.end(), [](char c) { return IsDelimiter(static_cast<unsigned char>(c)); });
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

bool IsRem(std::string_view word) {
    return word.size() == 3 && Fold(word[0]) == 'r' && Fold(word[1]) == 'e' && Fold(word[2]) == 'm';
}

// The step-by-step searches see the line with a colouring mark around every
// coloured keyword: four cells before it (the last one sets its colour) and
// five after it (the first one ends the colour). The marks are delimiters that
// are neither quotes nor apostrophes, so a coloured keyword's edges are word
// boundaries, and a match right after the opening mark is a keyword that is
// coloured already.
constexpr char kHidden = '\x08';
constexpr char kColourMark = '\0';
constexpr std::string_view kOpeningMark{"\x08\x08\x08\0", 4};
constexpr std::size_t kClosingLength = 5;

enum class CellKind : std::uint8_t { Text, Filler, Open, Close };
struct Cell {
    CellKind kind = CellKind::Text;
    std::uint32_t origin = 0;  // a Text cell's index in the line
    Colour colour = 0;         // an Open cell's colour
};

class MarkedLine {
public:
    explicit MarkedLine(std::string_view line) : scan_(line), cells_(line.size()) {
        for (char& c : scan_)
            if (c == kColourMark) c = kHidden;  // a character of the text is never a mark
        for (std::size_t i = 0; i < cells_.size(); ++i) cells_[i].origin = static_cast<std::uint32_t>(i);
    }

    const std::string& Scan() const { return scan_; }
    int Size() const { return static_cast<int>(scan_.size()); }
    const Cell& At(std::size_t i) const { return cells_[i]; }

    void Respell(std::size_t at, std::string_view name, char* text) {
        for (std::size_t k = 0; k < name.size(); ++k) {
            scan_[at + k] = name[k];
            text[cells_[at + k].origin] = name[k];
        }
    }
    void InsertOpening(std::size_t at, Colour colour) {
        scan_.insert(at, kOpeningMark);
        cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(at), 3, Cell{CellKind::Filler});
        cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(at) + 3, Cell{CellKind::Open, 0, colour});
    }
    void InsertClosing(std::size_t at) {
        scan_.insert(at, kClosingLength, kHidden);
        cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(at), kClosingLength - 1, Cell{CellKind::Filler});
        cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(at), Cell{CellKind::Close});
    }
    // Whether the word at `at` stands between an opening and a closing mark.
    bool IsMarkedWord(std::size_t at, std::size_t length) const {
        return at >= 1 && cells_[at - 1].kind == CellKind::Open && at + length < cells_.size() &&
               cells_[at + length].kind == CellKind::Close;
    }
    // The marked word at `at` takes `colour`, and its colour runs on to the end of the line.
    void Recolour(std::size_t at, std::size_t length, Colour colour) {
        cells_[at - 1].colour = colour;
        scan_.erase(at + length, kClosingLength);
        cells_.erase(cells_.begin() + static_cast<std::ptrdiff_t>(at + length),
                     cells_.begin() + static_cast<std::ptrdiff_t>(at + length + kClosingLength));
    }

    // Each character of the text takes the colour of the mark before it; none, or an ended one, leaves its own.
    template <typename T>
    void Paint(T* colours) const {
        bool coloured = false;
        T colour{};
        for (const Cell& cell : cells_) {
            if (cell.kind == CellKind::Open) {
                coloured = true;
                colour = static_cast<T>(cell.colour);
            } else if (cell.kind == CellKind::Close) {
                coloured = false;
            } else if (cell.kind == CellKind::Text && coloured) {
                colours[cell.origin] = colour;
            }
        }
    }

private:
    std::string scan_;
    std::vector<Cell> cells_;
};

std::size_t IndexOrNone(int found) { return found == -1 ? std::string::npos : static_cast<std::size_t>(found); }

}  // namespace

bool IsFindableKeyword(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= 32 && b < 127 && b != '\\' && b != '{' && b != '}';
    });
}

DocumentLineColourer::DocumentLineColourer(const SyntaxEntries& table, const ColourSettings& colours)
    : table_(table),
      colours_{WithRole(colours.functions, ColourRole::Functions), WithRole(colours.statements, ColourRole::Statements),
               WithRole(colours.comments, ColourRole::Comments)} {
    std::size_t keywords = 0;
    for (const TColorCoding& entry : table) keywords += IsKeywordEntry(entry) ? 1 : 0;
    std::size_t size = 16;
    while (size < keywords * 4) size *= 2;
    slots_.resize(size);
    for (const TColorCoding& entry : table) {
        if (!IsKeywordEntry(entry) || !IsFindableKeyword(entry.Name)) continue;
        if (!IsSingleWord(entry.Name)) {
            byWord_ = false;
            continue;
        }
        Index(entry);
    }
}

template <typename T>
T DocumentLineColourer::KeywordColour(const TColorCoding& entry, const Paints<T>& paints) {
    return entry.TypeA == "Function" ? paints.functions : paints.statements;
}

void DocumentLineColourer::Index(const TColorCoding& entry) {
    std::string folded = Folded(entry.Name);
    const std::uint32_t hash = WordHash(folded);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot& slot = slots_[i];
        if (slot.entry == nullptr) {
            lengthsByFirst_[static_cast<unsigned char>(folded[0])] |= std::uint64_t{1}
                                                                       << std::min<std::size_t>(folded.size(), 63);
            slot = {hash, std::move(folded), &entry};
            return;
        }
        if (slot.hash == hash && slot.foldedName == folded) return;  // an earlier entry has the name
    }
}

// `hash` is the word's WordHash.
const TColorCoding* DocumentLineColourer::Find(std::string_view word, std::uint32_t hash) const {
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
// word equals is the one that colours it. Whether a word stands in a string or
// a comment is decided at its first character, as the searches do. The
// comment marks are the first apostrophe and the first whole-word "rem"
// outside strings, so the whole line is coloured in one walk: a comment
// colour, once opened, runs on until a keyword's colour ends.
template <typename T>
void DocumentLineColourer::ColourByWord(char* text, T* colours, std::size_t length, const Paints<T>& paints) const {
    bool inString = false;
    bool commentByApostrophe = false;  // an apostrophe outside a string has been passed
    bool commentByRem = false;         // the last whole-word "rem" seen stands outside a string
    bool apostropheOpened = false;
    bool remOpened = false;
    bool commentColour = false;        // the comment colour is in force
    std::size_t i = 0;
    while (i < length) {
        auto c = static_cast<unsigned char>(text[i]);
        if (IsDelimiter(c)) {
            if (c == '"') inString = !inString;
            if (c == '\'') {
                if (!inString && !apostropheOpened) apostropheOpened = commentColour = true;
                commentByApostrophe = commentByApostrophe || !inString;
            }
            if (commentColour) colours[i] = paints.comments;
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < length && !IsDelimiter(static_cast<unsigned char>(text[end]))) ++end;
        const std::string_view word(text + i, end - i);

        const TColorCoding* keyword = nullptr;
        const std::uint64_t lengths = lengthsByFirst_[static_cast<unsigned char>(Fold(word[0]))];
        if (!inString && !commentByApostrophe && !commentByRem &&
            ((lengths >> std::min<std::size_t>(word.size(), 63)) & 1) != 0)
            keyword = Find(word, WordHash(word));
        const bool isRem = IsRem(word);
        if (isRem && !inString && !remOpened) {
            // A "Rem" that is also a statement keyword takes the comment colour in place of the statement colour.
            remOpened = commentColour = true;
            if (keyword != nullptr) std::copy(keyword->Name.begin(), keyword->Name.end(), text + i);
        } else if (keyword != nullptr) {
            std::copy(keyword->Name.begin(), keyword->Name.end(), text + i);
            std::fill(colours + i, colours + end, KeywordColour(*keyword, paints));
            commentColour = false;
        }
        if (commentColour) std::fill(colours + i, colours + end, paints.comments);
        if (isRem) commentByRem = !inString;
        i = end;
    }
}

// The steps one by one: one search per keyword entry and per match, in table
// order, on the line with its colouring marks. Strings and comments are told
// apart by a mask of the marked line kept in step with it: a respelling changes
// only the case of letters, and the marks are neutral delimiters put in at a
// whole word's edges.
template <typename T>
void DocumentLineColourer::ColourStepByStep(char* text, T* colours, std::size_t length, const Paints<T>& paints) {
    MarkedLine line(std::string_view(text, length));
    StringCommentMask skipped(line.Scan());
    for (const TColorCoding& entry : table_) {
        if (!IsKeywordEntry(entry) || !IsFindableKeyword(entry.Name)) continue;
        const std::string& name = entry.Name;
        int found = InStr(line.Scan(), name, 0, line.Size(), WholeWord, skipped);
        while (found != -1) {
            const auto at = static_cast<std::size_t>(found);
            int next = found + 2;  // a keyword coloured already: go on after its first character
            if (at == 0 || line.Scan()[at - 1] != kColourMark) {
                line.Respell(at, name, text);
                line.InsertClosing(at + name.size());
                skipped.InsertNeutral(at + name.size(), kClosingLength);
                line.InsertOpening(at, static_cast<Colour>(KeywordColour(entry, paints)));
                skipped.InsertNeutral(at, kOpeningMark.size());
                next = found + 6;  // the word's second character
            }
            found = InStr(line.Scan(), name, next, line.Size(), WholeWord, skipped);
        }
    }

    // The first apostrophe and the first whole-word "rem" outside strings; the
    // rem is searched for in the line as the apostrophe's mark leaves it.
    const std::size_t apostrophe =
        IndexOrNone(InStr(line.Scan(), "'", 0, line.Size(), NoOptions, StringCommentMask(line.Scan()), false));
    std::size_t rem = std::string::npos;
    if (apostrophe != std::string::npos) {
        std::string marked = line.Scan();
        marked.insert(apostrophe, kOpeningMark);
        rem = IndexOrNone(
            InStr(marked, "rem", 0, static_cast<int>(marked.size()), WholeWord, StringCommentMask(marked), false));
        line.InsertOpening(apostrophe, static_cast<Colour>(paints.comments));
        line.InsertClosing(line.Scan().size());
    } else {
        rem = IndexOrNone(InStr(line.Scan(), "rem", 0, line.Size(), WholeWord, StringCommentMask(line.Scan()), false));
    }
    if (rem != std::string::npos) {
        if (line.IsMarkedWord(rem, 3))
            line.Recolour(rem, 3, static_cast<Colour>(paints.comments));  // "Rem" as a statement: the comment colour runs to the end
        else
            line.InsertOpening(rem, static_cast<Colour>(paints.comments));
        line.InsertClosing(line.Scan().size());
    }
    line.Paint(colours);
}

void DocumentLineColourer::UseIndices(char functions, char statements, char comments) {
    indices_ = {functions, statements, comments};
}

void DocumentLineColourer::AppendLine(std::string_view line, const Colour* own, std::string& text,
                                      std::vector<Colour>& colours) {
    Append(line, own, text, colours, lineColours_, colours_);
}

void DocumentLineColourer::AppendLine(std::string_view line, const char* own, std::string& text, std::string& colours) {
    Append(line, own, text, colours, lineIndices_, indices_);
}

template <typename Store, typename T>
void DocumentLineColourer::Append(std::string_view line, const T* own, std::string& text, Store& colours,
                                  Store& scratch, const Paints<T>& paints) {
    const std::size_t base = text.size();
    if (line.find('=') != std::string_view::npos) {
        line_.assign(line);
        if (own != nullptr)
            scratch.assign(own, own + line.size());
        else
            scratch.assign(line.size(), static_cast<T>(kWindowTextColour));
        SpaceEqualsSigns(line_, &scratch);
        text += line_;
        colours.insert(colours.end(), scratch.begin(), scratch.end());
    } else {
        text += line;
        if (own != nullptr)
            colours.insert(colours.end(), own, own + line.size());
        else
            colours.resize(colours.size() + line.size(), static_cast<T>(kWindowTextColour));
    }
    const std::size_t length = text.size() - base;
    if (byWord_)
        ColourByWord(text.data() + base, colours.data() + base, length, paints);
    else
        ColourStepByStep(text.data() + base, colours.data() + base, length, paints);
}

}  // namespace tarnwick

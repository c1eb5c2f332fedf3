#include "editor/RtfReader.h"

#include "editor/Ansi.h"
#include "unit/Error.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace tarnwick {
namespace {

enum class Destination { Text, FontTable, ColourTable, Skip };

struct GroupState {
    Destination destination = Destination::Text;
    Colour colour = kWindowTextColour;
    int unicodeSkip = 1;   // \ucN: fallback characters after each \uN
    int fontNumber = -1;   // the font being named inside the font table
};

// Destinations whose text is never document text.
constexpr std::array<std::string_view, 38> kSkippedDestinations = {
    "stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf", "footer",
    "footerl", "footerr", "footerf", "footnote", "annotation", "themedata", "colorschememapping",
    "latentstyles", "datastore", "listtable", "listoverridetable", "rsidtbl", "generator",
    "xmlnstbl", "mmathPr", "filetbl", "revtbl", "pgdsctbl", "fldinst", "bkmkstart", "bkmkend",
    "xe", "tc", "txe", "private", "userprops", "docvar", "listtext", "pntext",
};

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

class Reader {
public:
    Reader(std::string_view rtf, RtfColourRoles roles) : in_(rtf), roles_(roles) {
        // Text is never longer than the RTF that holds it.
        doc_.text.reserve(rtf.size());
        doc_.colours.reserve(rtf.size());
    }

    RtfDocument Read() {
        if (in_.substr(0, 5) != "{\\rtf") throw Error("Failed to Load Stream");
        while (pos_ < in_.size() && !finished_) Step();
        // The last paragraph mark ends the document; it adds no empty line.
        if (lastParEnd_ != std::string::npos && lastParEnd_ == doc_.text.size()) {
            doc_.text.resize(doc_.text.size() - 2);
            doc_.colours.resize(doc_.colours.size() - 2);
        }
        NormaliseBreaks();
        // A \deff that names no font falls back to the first font the table lists.
        auto font = fonts_.find(defaultFont_);
        if (font != fonts_.end()) doc_.fontName = Trim(font->second);
        else if (firstFont_) doc_.fontName = Trim(*firstFont_);
        return std::move(doc_);
    }

private:
    static std::string Trim(const std::string& s) {
        std::size_t a = s.find_first_not_of(' ');
        if (a == std::string::npos) return {};
        std::size_t b = s.find_last_not_of(' ');
        return s.substr(a, b - a + 1);
    }

    // A CR or LF that came from an escape stands alone; every line break of
    // the document is CR LF.
    void NormaliseBreaks() {
        std::string& t = doc_.text;
        bool lone = false;
        for (std::size_t i = 0; i < t.size() && !lone; ++i) {
            if (t[i] == '\r' && (i + 1 == t.size() || t[i + 1] != '\n')) lone = true;
            if (t[i] == '\n' && (i == 0 || t[i - 1] != '\r')) lone = true;
            if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
        }
        if (!lone) return;
        std::string text;
        std::vector<Colour> colours;
        text.reserve(t.size() + 16);
        colours.reserve(t.size() + 16);
        for (std::size_t i = 0; i < t.size(); ++i) {
            Colour colour = doc_.colours[i];
            if (t[i] == '\r' || t[i] == '\n') {
                if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
                text += "\r\n";
                colours.insert(colours.end(), 2, colour);
            } else {
                text += t[i];
                colours.push_back(colour);
            }
        }
        t = std::move(text);
        doc_.colours = std::move(colours);
    }

    void Step() {
        char c = in_[pos_++];
        switch (c) {
            case '{':
                if (static_cast<int>(stack_.size()) >= kMaxRtfGroupDepth) throw Error("Failed to Load Stream");
                stack_.push_back(state_);
                skipPending_ = 0;
                starred_ = false;
                break;
            case '}':
                starred_ = false;
                if (stack_.empty()) {
                    finished_ = true;
                    break;
                }
                state_ = stack_.back();
                stack_.pop_back();
                skipPending_ = 0;
                if (stack_.empty()) finished_ = true;
                break;
            case '\\':
                ControlSequence();
                break;
            case '\r':
            case '\n':
                break;
            default:
                Character(static_cast<unsigned char>(c));
                break;
        }
    }

    void ControlSequence() {
        if (pos_ >= in_.size()) return;  // a truncated escape is dropped
        char c = in_[pos_];
        if (!IsLetter(c)) {
            ++pos_;
            ControlSymbol(c);
            return;
        }
        std::size_t start = pos_;
        while (pos_ < in_.size() && IsLetter(in_[pos_]) && pos_ - start < 32) ++pos_;
        std::string_view word = in_.substr(start, pos_ - start);
        bool hasNumber = false;
        long long number = 0;
        bool negative = false;
        if (pos_ < in_.size() && in_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && in_[pos_] >= '0' && in_[pos_] <= '9') {
            hasNumber = true;
            if (number < 100000000) number = number * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        if (negative) number = -number;
        // The number ends at the first non-digit; only a space is taken as its delimiter.
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        ControlWord(word, hasNumber, static_cast<int>(number));
    }

    void ControlSymbol(char c) {
        switch (c) {
            case '\\':
            case '{':
            case '}':
                Character(static_cast<unsigned char>(c));
                break;
            case '\'': {
                if (pos_ + 2 > in_.size()) {
                    pos_ = in_.size();
                    break;
                }
                int hi = HexValue(in_[pos_]);
                int lo = HexValue(in_[pos_ + 1]);
                if (hi < 0 || lo < 0) break;  // not an escape: its characters are read as text
                pos_ += 2;
                Character(static_cast<unsigned char>(hi * 16 + lo));
                break;
            }
            case '*':
                starred_ = true;
                break;
            case '~':
                Character(0xA0);
                break;
            case '_':
                Character('-');
                break;
            case '\r':
            case '\n':
                ParagraphBreak();
                break;
            default:
                break;  // \- and other symbols add nothing
        }
    }

    void ControlWord(std::string_view word, bool hasNumber, int number) {
        bool starred = starred_;
        starred_ = false;
        if (skipPending_ > 0 && word != "bin") {
            --skipPending_;
            return;
        }
        if (starred && word != "fonttbl" && word != "colortbl") {
            // A \* destination the reader does not know is skipped whole, wherever it stands.
            state_.destination = Destination::Skip;
            return;
        }
        if (word == "fonttbl") {
            state_.destination = Destination::FontTable;
        } else if (word == "colortbl") {
            state_.destination = colourTableRead_ ? Destination::Skip : Destination::ColourTable;
            if (!colourTableRead_) colours_.clear();
            colourTableRead_ = true;
        } else if (std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), word) !=
                   kSkippedDestinations.end()) {
            state_.destination = Destination::Skip;
        } else if (word == "bin") {
            std::size_t skip = hasNumber && number > 0 ? static_cast<std::size_t>(number) : 0;
            pos_ = std::min(in_.size(), pos_ + skip);
        } else if (state_.destination == Destination::FontTable) {
            if (word == "f" && hasNumber) state_.fontNumber = number;
        } else if (state_.destination == Destination::ColourTable) {
            int value = std::clamp(number, 0, 255);
            if (word == "red") pendingColour_ = (pendingColour_ & ~0xFFu) | static_cast<Colour>(value);
            if (word == "green") pendingColour_ = (pendingColour_ & ~0xFF00u) | (static_cast<Colour>(value) << 8);
            if (word == "blue") pendingColour_ = (pendingColour_ & ~0xFF0000u) | (static_cast<Colour>(value) << 16);
            if (word == "red" || word == "green" || word == "blue") pendingHasColour_ = true;
        } else if (state_.destination == Destination::Text) {
            TextWord(word, hasNumber, number);
        }
    }

    void TextWord(std::string_view word, bool hasNumber, int number) {
        if (word == "par") {
            ParagraphBreak();
        } else if (word == "line") {
            Append('\r');
            Append('\n');
        } else if (word == "tab") {
            Append('\t');
        } else if (word == "cf") {
            int index = hasNumber ? number : 0;
            state_.colour = index > 0 && index < static_cast<int>(colours_.size()) ? colours_[index]
                                                                                     : kWindowTextColour;
            if (roles_ == RtfColourRoles::FirstThreeEntries && index >= 1 && index <= 3 &&
                state_.colour != kWindowTextColour)
                state_.colour = WithRole(state_.colour, static_cast<ColourRole>(index));
        } else if (word == "plain") {
            state_.colour = kWindowTextColour;
        } else if (word == "uc") {
            state_.unicodeSkip = std::clamp(number, 0, 16);
        } else if (word == "u" && hasNumber) {
            char32_t code = static_cast<char32_t>(number < 0 ? number + 65536 : number);
            int byte = UnicodeToAnsi(code);
            Append(static_cast<char>(byte < 0 ? '?' : byte));
            skipPending_ = state_.unicodeSkip;
        } else if (word == "deff" && hasNumber) {
            defaultFont_ = number;
        }
    }

    void ParagraphBreak() {
        if (state_.destination != Destination::Text) return;
        Append('\r');
        Append('\n');
        lastParEnd_ = doc_.text.size();
    }

    void Character(unsigned char c) {
        starred_ = false;
        if (skipPending_ > 0) {
            --skipPending_;
            return;
        }
        switch (state_.destination) {
            case Destination::Text:
                Append(static_cast<char>(c));
                break;
            case Destination::FontTable:
                if (c == ';') {
                    fonts_[state_.fontNumber] = fontName_;
                    if (!firstFont_) firstFont_ = fontName_;
                    fontName_.clear();
                } else {
                    fontName_ += static_cast<char>(c);
                }
                break;
            case Destination::ColourTable:
                if (c == ';') {
                    colours_.push_back(pendingHasColour_ ? pendingColour_ : kWindowTextColour);
                    pendingColour_ = 0;
                    pendingHasColour_ = false;
                }
                break;
            case Destination::Skip:
                break;
        }
    }

    void Append(char c) {
        if (state_.destination != Destination::Text) return;
        doc_.text += c;
        doc_.colours.push_back(state_.colour);
    }

    std::string_view in_;
    RtfColourRoles roles_;
    std::size_t pos_ = 0;
    bool finished_ = false;
    GroupState state_;
    std::vector<GroupState> stack_;
    bool starred_ = false;
    int skipPending_ = 0;
    std::vector<Colour> colours_{kWindowTextColour};
    bool colourTableRead_ = false;
    Colour pendingColour_ = 0;
    bool pendingHasColour_ = false;
    std::map<int, std::string> fonts_;
    std::string fontName_;
    std::optional<std::string> firstFont_;  // in the table's order, whatever its number
    int defaultFont_ = 0;
    std::size_t lastParEnd_ = std::string::npos;
    RtfDocument doc_;
};

}  // namespace

RtfDocument ReadRtf(std::string_view rtf, RtfColourRoles roles) { return Reader(rtf, roles).Read(); }

}  // namespace tarnwick

#include "syntax/Procedures.h"

#include "editor/EditorModel.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace tarnwick {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

bool SameWord(std::string_view word, std::string_view lower) {
    return word.size() == lower.size() &&
           std::equal(word.begin(), word.end(), lower.begin(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

// Reads the word at i after blanks, leaving i behind it; an escaped name in
// brackets ([my name]) counts as one word.
std::string_view ReadWord(std::string_view text, std::size_t& i) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    const std::size_t from = i;
    if (i < text.size() && text[i] == '[') {
        const std::size_t close = text.find(']', i);
        if (close == std::string_view::npos) return {};
        i = close + 1;
        return text.substr(from + 1, close - from - 1);
    }
    while (i < text.size() && IsWordChar(text[i])) ++i;
    return text.substr(from, i - from);
}

class Scanner {
public:
    // Reads the 0-based line `line`.
    void Line(std::string_view text, int line) {
        bool statementStart = !continued_;
        continued_ = false;
        std::size_t i = 0;
        while (i < text.size()) {
            if (statementStart) {
                statementStart = false;
                if (!Statement(text, i, line)) return;  // a Rem comment
                continue;
            }
            i = text.find_first_of("\"':", i);
            if (i == std::string_view::npos) break;
            if (text[i] == '\'') return;  // the rest is a comment, a final "_" included
            if (text[i] == ':') {
                statementStart = true;
                ++i;
            } else {
                SkipString(text, i);
            }
        }
        const std::size_t last = text.find_last_not_of(" \t");
        continued_ = last != std::string_view::npos && text[last] == '_' && (last == 0 || IsBlank(text[last - 1]));
    }

    std::vector<Procedure> Finish(int lastLine) {
        CloseProcedure(lastLine);
        CloseClass(lastLine);
        return std::move(found_);
    }

private:
    static void SkipString(std::string_view text, std::size_t& i) {
        for (++i; i < text.size(); ++i) {
            if (text[i] != '"') continue;
            if (i + 1 < text.size() && text[i + 1] == '"') ++i;  // "" stands for one quote
            else {
                ++i;
                return;
            }
        }
    }

    // Reads the declaration or End statement at i, if that is one. False for a Rem comment.
    bool Statement(std::string_view text, std::size_t& i, int line) {
        while (i < text.size() && IsBlank(text[i])) ++i;
        const int column = static_cast<int>(i);
        std::string_view word = ReadWord(text, i);
        if (SameWord(word, "rem")) return false;
        if (SameWord(word, "end")) {
            const std::string_view what = ReadWord(text, i);
            if (SameWord(what, "class")) {
                CloseProcedure(line);
                CloseClass(line);
            } else if (SameWord(what, "sub") || SameWord(what, "function") || SameWord(what, "property")) {
                CloseProcedure(line);
            }
            return true;
        }
        if (SameWord(word, "public") || SameWord(word, "private")) {
            word = ReadWord(text, i);
            if (SameWord(word, "default")) word = ReadWord(text, i);
        }
        ProcedureKind kind;
        if (SameWord(word, "sub")) kind = ProcedureKind::Sub;
        else if (SameWord(word, "function")) kind = ProcedureKind::Function;
        else if (SameWord(word, "class")) kind = ProcedureKind::Class;
        else if (SameWord(word, "property")) {
            const std::string_view access = ReadWord(text, i);
            if (SameWord(access, "get")) kind = ProcedureKind::PropertyGet;
            else if (SameWord(access, "let")) kind = ProcedureKind::PropertyLet;
            else if (SameWord(access, "set")) kind = ProcedureKind::PropertySet;
            else return true;
        } else {
            return true;
        }
        const std::string_view name = ReadWord(text, i);
        if (name.empty()) return true;  // still being typed

        CloseProcedure(line - 1);  // one without its End stops before the next
        if (kind == ProcedureKind::Class) CloseClass(line - 1);
        Procedure found{kind, std::string(name), {}, line, column, -1};
        if (kind != ProcedureKind::Class && openClass_ >= 0) found.className = found_[openClass_].name;
        (kind == ProcedureKind::Class ? openClass_ : openProcedure_) = static_cast<int>(found_.size());
        found_.push_back(std::move(found));
        return true;
    }

    void Close(int& open, int line) {
        if (open < 0) return;
        found_[open].endLine = std::max(line, found_[open].line);
        open = -1;
    }
    void CloseProcedure(int line) { Close(openProcedure_, line); }
    void CloseClass(int line) { Close(openClass_, line); }

    std::vector<Procedure> found_;
    int openProcedure_ = -1;
    int openClass_ = -1;
    bool continued_ = false;  // the line before ended in " _": this one goes on with its statement
};

}  // namespace

std::vector<Procedure> ScanProcedures(const EditorModel& document) {
    Scanner scanner;
    const int count = document.LineCount();
    const int breaks = document.BreakCount();
    // Each line read in place, not copied out.
    for (int i = 0; i < count; ++i) {
        const int start = document.LineIndex(i);
        const int end = i < breaks ? document.LineIndex(i + 1) - 2 : document.Length();
        scanner.Line(document.TextView(start, end - start), i);
    }
    return scanner.Finish(std::max(0, count - 1));
}

std::string ProcedureLabel(const Procedure& procedure) {
    static constexpr const char* kWords[] = {"Sub", "Function", "Property Get", "Property Let", "Property Set",
                                             "Class"};
    std::string label = kWords[static_cast<int>(procedure.kind)];
    label += ' ';
    if (!procedure.className.empty()) label += procedure.className + '.';
    return label + procedure.name;
}

int ProcedureAt(const std::vector<Procedure>& procedures, int line) {
    // The last declaration starting at or before the line, then back out to
    // the class around it; a top-level one that ended before the line ends the search.
    auto after = std::upper_bound(procedures.begin(), procedures.end(), line,
                                  [](int l, const Procedure& p) { return l < p.line; });
    for (auto it = after; it != procedures.begin();) {
        --it;
        if (it->endLine >= line) return static_cast<int>(it - procedures.begin());
        if (it->className.empty()) break;
    }
    return -1;
}

}  // namespace tarnwick

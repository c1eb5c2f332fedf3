#include "completion/ExpressionTyping.h"

#include "completion/NeedleOccurrences.h"
#include "completion/ObjectTyping.h"
#include "completion/ScriptWords.h"
#include "completion/TextSearch.h"

#include <algorithm>

namespace tarnwick {

namespace {

// Bindings are followed through at most this many assignments ("Set b = a.X").
constexpr int kMaxDepth = 8;
// How far back, in lines, every statement is read: the For Each loops and the
// copies ("Set y = x") nearest the caret. Further back only the statements
// that hold a creation or a member with a known result are read.
constexpr int kNearLines = 1000;
// How far back a With block is looked for.
constexpr int kWithLines = 5000;

constexpr std::string_view kPatternTypes[] = {"Wscript", "FSO", "FSO.File", "FSO.Folder", "FSO.Drive",
                                              "WshShell", "WshShell.Shortcut", "WshShell.Exec", "WshNetwork",
                                              "Collection"};

// Takes word (ignoring case) off the front of s when it stands there as a whole word.
bool TakeWord(std::string_view& s, std::string_view word) {
    if (s.size() < word.size() || !MatchesAt(s, 0, word)) return false;
    if (s.size() > word.size() && IsNameChar(s[word.size()])) return false;
    s = TrimmedBlanks(s.substr(word.size()));
    return true;
}

// Takes a literal (ignoring case) off the front of s, blanks after it too.
bool TakeText(std::string_view& s, std::string_view literal) {
    if (!MatchesAt(s, 0, literal)) return false;
    s = TrimmedBlanks(s.substr(literal.size()));
    return true;
}

std::string_view TakeName(std::string_view& s) {
    size_t n = 0;
    while (n < s.size() && IsNameChar(s[n])) ++n;
    std::string_view name = s.substr(0, n);
    s = TrimmedBlanks(s.substr(n));
    return name;
}

// The text of a string literal at the front of s ("..."), without its quotes.
std::string_view TakeStringLiteral(std::string_view& s) {
    if (s.empty() || s.front() != '"') return {};
    const size_t close = s.find('"', 1);
    if (close == std::string_view::npos) return {};
    std::string_view inside = s.substr(1, close - 1);
    s = TrimmedBlanks(s.substr(close + 1));
    return inside;
}

// The object a winmgmts: moniker names: the services of a namespace, or one
// object when a path to it follows ("...cimv2:Win32_Service.Name='x'").
std::string_view MonikerType(std::string_view moniker) {
    std::string_view rest = moniker.substr(std::string_view("winmgmts:").size());
    if (!rest.empty() && rest.front() == '{') {
        const size_t close = rest.find('}');
        rest = close == std::string_view::npos ? std::string_view() : rest.substr(close + 1);
    }
    if (!rest.empty() && rest.front() == '!') rest.remove_prefix(1);
    const bool objectPath = rest.find(':') != std::string_view::npos || rest.find('=') != std::string_view::npos;
    return objectPath ? "SWbemObject" : "SWbemServices";
}

std::string_view ProgIdType(std::string_view progId) {
    for (const ProgIdRule& rule : kProgIdRules) {
        if (!MatchesAt(progId, 0, rule.ProgId)) continue;
        // A version may follow: "MSXML2.DOMDocument.6.0".
        std::string_view version = progId.substr(rule.ProgId.size());
        if (version.empty()) return rule.TypeName;
        if (version.front() == '.' &&
            std::all_of(version.begin(), version.end(), [](char c) { return c == '.' || (c >= '0' && c <= '9'); }))
            return rule.TypeName;
    }
    return {};
}

int LineStartOf(std::string_view text, int pos) {
    while (pos > 0 && text[pos - 1] != '\n' && text[pos - 1] != '\r') --pos;
    return pos;
}

int LineEndOf(std::string_view text, int pos) {
    const int length = static_cast<int>(text.size());
    while (pos < length && text[pos] != '\r' && text[pos] != '\n') ++pos;
    return pos;
}

// The start of the line before the one that starts at lineStart; -1 at the first line.
int PreviousLineStart(std::string_view text, int lineStart) {
    if (lineStart <= 0) return -1;
    int end = lineStart;
    if (end > 0 && text[end - 1] == '\n') --end;
    if (end > 0 && text[end - 1] == '\r') --end;
    return LineStartOf(text, end);
}

// Whether name (ignoring case) stands as a whole word in front of offset on
// its line: a statement there that binds name holds it, so lines without it
// are passed over unread.
bool NameInLineBefore(std::string_view text, int offset, std::string_view name) {
    const int lineStart = LineStartOf(text, offset);
    const int size = static_cast<int>(name.size());
    for (int i = lineStart; i <= offset - size; ++i)
        if (MatchesAt(text, i, name) && (i == lineStart || !IsNameChar(text[i - 1])) && !IsNameChar(text[i + size]))
            return true;
    return false;
}

}  // namespace

std::vector<ScriptStatement> StatementsOfLine(std::string_view text, int lineStart) {
    std::vector<ScriptStatement> statements;
    StatementsOfLine(text, lineStart, statements);
    return statements;
}

void StatementsOfLine(std::string_view text, int lineStart, std::vector<ScriptStatement>& statements) {
    statements.clear();
    const int end = LineEndOf(text, lineStart);
    int start = lineStart;
    bool inString = false;
    for (int i = lineStart; i <= end; ++i) {
        const char c = i < end ? text[i] : ':';
        if (c == '"') inString = !inString;
        if (inString && i < end) continue;
        if (c == ':' || c == '\'') {
            statements.push_back({start, text.substr(start, i - start)});
            start = i + 1;
            if (c == '\'') break;  // the rest is a comment
        }
    }
    // A statement that starts with Rem is a comment, and so is what follows it.
    for (size_t i = 0; i < statements.size(); ++i) {
        std::string_view s = TrimmedBlanks(statements[i].Text);
        if (TakeWord(s, "rem") || (s.size() == 3 && MatchesAt(s, 0, "rem"))) {
            statements.resize(i);
            break;
        }
    }
}

namespace {

// The statement of the line holding offset.
ScriptStatement StatementAt(std::string_view text, int offset) {
    for (const ScriptStatement& statement : StatementsOfLine(text, LineStartOf(text, offset)))
        if (offset >= statement.Start && offset <= statement.Start + static_cast<int>(statement.Text.size()))
            return statement;
    return {};
}

}  // namespace

bool IsPatternTypedType(std::string_view typeName) {
    return std::any_of(std::begin(kPatternTypes), std::end(kPatternTypes),
                       [&](std::string_view t) { return EqualsIgnoringCase(t, typeName); });
}

bool IsBoundTypeRow(const TColorCoding& entry) {
    return !entry.TypeA.empty() && entry.TypeA != "Function" && entry.TypeA != "Statement" &&
           !IsPatternTypedType(entry.TypeA);
}

ExpressionTyping::ExpressionTyping(std::string_view text, const SyntaxEntries& table, NeedleOccurrences& occurrences)
    : text_(text), table_(table), occurrences_(occurrences) {
    auto add = [&](std::string needle, NeedleKind kind) {
        if (std::find(needles_.begin(), needles_.end(), needle) != needles_.end()) return;
        needles_.push_back(std::move(needle));
        kinds_.push_back(kind);
    };
    for (const CreationRule& rule : kCreationRules) add(std::string(rule.Pattern), NeedleKind::Creation);
    for (const DerivedRule& rule : kDerivedRules) add(std::string(rule.MemberCall), NeedleKind::Creation);
    for (const ProgIdRule& rule : kProgIdRules) add(std::string(rule.ProgId), NeedleKind::Creation);
    for (const TColorCoding& entry : table_)
        if (!entry.Result.empty()) add("." + entry.Name, NeedleKind::Member);
    add("new regexp", NeedleKind::Undotted);
    add("winmgmts:", NeedleKind::Undotted);
}

std::vector<std::string_view> ExpressionTyping::Needles(NeedleKind kind) const {
    std::vector<std::string_view> needles;
    for (size_t i = 0; i < needles_.size(); ++i)
        if (kinds_[i] == kind) needles.push_back(needles_[i]);
    return needles;
}

void ExpressionTyping::Prepare(int maxStart, NeedleKind kind) { occurrences_.Prepare(Needles(kind), maxStart); }

std::optional<ExpressionType> ExpressionTyping::TypeBeforeDot(int dot) {
    if (dot < 0 || dot >= static_cast<int>(text_.size())) return std::nullopt;
    return TypeOfChain(dot, LineStartOf(text_, dot), 0, Whole::No);
}

std::optional<ExpressionType> ExpressionTyping::TypeOfChain(int end, int floor, int depth, Whole whole) {
    // Read the links backward: "a.b(1).c" ending at end gives c, b(), a.
    std::vector<Link> links;
    int pos = end;
    for (;;) {
        Link link;
        if (pos > floor && text_[pos - 1] == ')') {
            int level = 0;
            bool inString = false;
            int open = -1;
            for (int i = pos - 1; i >= floor; --i) {
                const char c = text_[i];
                if (c == '"') inString = !inString;
                if (inString) continue;
                if (c == ')') ++level;
                if (c == '(' && --level == 0) {
                    open = i;
                    break;
                }
            }
            if (open < 0) return std::nullopt;
            pos = open;
            link.Called = true;
        }
        const int nameEnd = pos;
        while (pos > floor && IsNameChar(text_[pos - 1])) --pos;
        link.Name = text_.substr(pos, nameEnd - pos);
        if (!link.Name.empty() && link.Name.front() >= '0' && link.Name.front() <= '9') return std::nullopt;
        if (link.Name.empty() && link.Called) return std::nullopt;
        links.push_back(link);
        if (link.Name.empty() || pos <= floor || text_[pos - 1] != '.') break;
        --pos;
    }
    if (whole == Whole::Yes && pos != floor) return std::nullopt;
    // A chain that starts with a dot reads the object of the enclosing With.
    if (links.back().Name.empty() && pos > floor && (IsNameChar(text_[pos - 1]) || text_[pos - 1] == ']'))
        return std::nullopt;
    std::reverse(links.begin(), links.end());
    return TypeOfLinks(links, pos, depth);
}

std::optional<ExpressionType> ExpressionTyping::TypeOfLinks(const std::vector<Link>& links, int before, int depth) {
    if (depth > kMaxDepth) return std::nullopt;
    const Link& first = links.front();
    std::optional<ExpressionType> type;
    if (first.Name.empty())
        type = TypeOfWith(before, depth);
    else if (EqualsIgnoringCase(first.Name, "wscript"))
        type = ExpressionType{"Wscript", false};
    else if (EqualsIgnoringCase(first.Name, "err"))
        type = ExpressionType{"Err", true};
    else
        type = TypeOfName(first.Name, before, depth);
    if (!type) return std::nullopt;
    if (first.Called) {
        // "m(0)" is the collection's Item.
        std::string item = ItemType(type->TypeName);
        if (item.empty()) return std::nullopt;
        type = ExpressionType{std::move(item), true};
    }
    for (size_t i = 1; i < links.size(); ++i) {
        std::string result = MemberResult(type->TypeName, links[i].Name);
        if (!result.empty()) {
            // A property without parameters hands its arguments to the default Item: rs.Fields("id").
            if (links[i].Called && !MemberTakesArguments(type->TypeName, links[i].Name)) {
                result = ItemType(result);
                if (result.empty()) return std::nullopt;
            }
            type = ExpressionType{std::move(result), true};
            continue;
        }
        // The derivations the patterns know, for the objects they hand out.
        const DerivedRule* derived = nullptr;
        for (const DerivedRule& rule : kDerivedRules)
            if (EqualsIgnoringCase(rule.ParentType, type->TypeName) &&
                EqualsIgnoringCase(rule.MemberCall.substr(1), links[i].Name))
                derived = &rule;
        if (!derived) return std::nullopt;
        type = ExpressionType{std::string(derived->TypeName), false};
    }
    return type;
}

std::optional<ExpressionType> ExpressionTyping::TypeOfValue(std::string_view value, int depth) {
    if (depth > kMaxDepth) return std::nullopt;
    value = TrimmedBlanks(value);
    if (value.empty()) return std::nullopt;
    // The patterns' own creations keep the patterns' types.
    for (const CreationRule& rule : kCreationRules)
        for (size_t at = 0; at + rule.Pattern.size() <= value.size(); ++at)
            if (MatchesAt(value, static_cast<int>(at), rule.Pattern))
                return ExpressionType{std::string(rule.TypeName), false};
    std::string_view rest = value;
    if (TakeWord(rest, "new")) {
        if (EqualsIgnoringCase(TakeName(rest), "RegExp")) return ExpressionType{"RegExp", true};
        return std::nullopt;
    }
    TakeText(rest, "wscript.");
    if (TakeWord(rest, "createobject") && TakeText(rest, "(")) {
        const std::string_view type = ProgIdType(TakeStringLiteral(rest));
        if (type.empty()) return std::nullopt;
        return ExpressionType{std::string(type), true};
    }
    rest = value;
    if (TakeWord(rest, "getobject") && TakeText(rest, "(")) {
        const std::string_view moniker = TakeStringLiteral(rest);
        if (!MatchesAt(moniker, 0, "winmgmts:")) return std::nullopt;
        return ExpressionType{std::string(MonikerType(moniker)), true};
    }
    // value is a view into the text: a chain of members that fills it.
    const int start = static_cast<int>(value.data() - text_.data());
    return TypeOfChain(start + static_cast<int>(value.size()), start, depth, Whole::Yes);
}

std::optional<ExpressionType> ExpressionTyping::TypeOfBinding(const Statement& statement, std::string_view name,
                                                              int depth) {
    std::string_view s = TrimmedBlanks(statement.Text);
    if (TakeWord(s, "for")) {
        if (!TakeWord(s, "each") || !EqualsIgnoringCase(TakeName(s), name) || !TakeWord(s, "in"))
            return std::nullopt;
        const std::optional<ExpressionType> collection = TypeOfValue(s, depth + 1);
        if (!collection) return std::nullopt;
        std::string item = ItemType(collection->TypeName);
        if (item.empty()) return std::nullopt;
        return ExpressionType{std::move(item), true};
    }
    TakeWord(s, "set");
    if (!EqualsIgnoringCase(TakeName(s), name) || s.empty() || s.front() != '=') return std::nullopt;
    return TypeOfValue(s.substr(1), depth + 1);
}

std::optional<ExpressionType> ExpressionTyping::TypeOfName(std::string_view name, int before, int depth) {
    // Every statement of the nearest lines, the nearest first; the statement
    // that holds before is the one being read, not a binding.
    int lineStart = LineStartOf(text_, before);
    int readFrom = lineStart;
    std::vector<Statement> statements;
    for (int n = 0; lineStart >= 0 && n < kNearLines; ++n) {
        StatementsOfLine(text_, lineStart, statements);
        for (auto it = statements.rbegin(); it != statements.rend(); ++it) {
            if (it->Start + static_cast<int>(it->Text.size()) >= before && it->Start <= before) continue;
            if (it->Start > before) continue;
            if (std::optional<ExpressionType> type = TypeOfBinding(*it, name, depth)) return type;
        }
        readFrom = lineStart;
        lineStart = PreviousLineStart(text_, lineStart);
    }
    if (lineStart < 0) return std::nullopt;
    // Further back, the statements that hold a creation, then those that hold a
    // member with a known result, then those without a dot ("New RegExp",
    // "winmgmts:"): each kind after the first costs a scan of the text of its
    // own, so it is looked for only when the kinds before it find no binding.
    std::optional<ExpressionType> found;
    // The words in front of each occurrence are kept with it: most lines are passed over without reading them.
    const std::uint64_t nameBits = NeedleOccurrences::WordBits(LowerAscii(name));
    for (const NeedleKind kind : {NeedleKind::Creation, NeedleKind::Member, NeedleKind::Undotted}) {
        Prepare(readFrom - 1, kind);
        int best = -1;
        for (size_t i = 0; i < needles_.size(); ++i) {
            if (kinds_[i] != kind) continue;
            const std::vector<int>& starts = occurrences_.StartsUpTo(needles_[i], readFrom - 1);
            const NeedleOccurrences::Lines lines = occurrences_.LinesOf(needles_[i]);
            for (auto it = std::lower_bound(starts.begin(), starts.end(), readFrom); it != starts.begin();) {
                const int start = *--it;
                if (start <= best) break;
                if ((lines[static_cast<size_t>(it - starts.begin())].words & nameBits) != nameBits) continue;
                if (!NameInLineBefore(text_, start, name)) continue;
                if (std::optional<ExpressionType> type = TypeOfBinding(StatementAt(text_, start), name, depth)) {
                    best = start;
                    found = std::move(type);
                    break;
                }
            }
        }
        if (found) break;
    }
    return found;
}

std::optional<std::string_view> EnclosingWithValue(std::string_view text, int before) {
    int level = 0;  // End With lines passed over that still wait for their With
    int lineStart = LineStartOf(text, before);
    std::vector<ScriptStatement> statements;
    for (int n = 0; n < kWithLines; ++n) {
        lineStart = PreviousLineStart(text, lineStart);
        if (lineStart < 0) break;
        StatementsOfLine(text, lineStart, statements);
        for (auto it = statements.rbegin(); it != statements.rend(); ++it) {
            std::string_view s = TrimmedBlanks(it->Text);
            if (TakeWord(s, "end")) {
                if (TakeWord(s, "with")) ++level;
                else if (TakeWord(s, "sub") || TakeWord(s, "function") || TakeWord(s, "property") ||
                         TakeWord(s, "class"))
                    return std::nullopt;  // a With never reaches out of a procedure
                continue;
            }
            if (TakeWord(s, "with")) {
                if (level-- > 0) continue;
                return s;
            }
            if (!TakeWord(s, "public")) TakeWord(s, "private");
            TakeWord(s, "default");
            if (TakeWord(s, "sub") || TakeWord(s, "function") || TakeWord(s, "property") || TakeWord(s, "class"))
                return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<ExpressionType> ExpressionTyping::TypeOfWith(int before, int depth) {
    const std::optional<std::string_view> value = EnclosingWithValue(text_, before);
    if (!value) return std::nullopt;
    std::optional<ExpressionType> type = TypeOfValue(*value, depth + 1);
    if (!type) return std::nullopt;
    type->Found = true;
    return type;
}

std::string ExpressionTyping::MemberResult(std::string_view typeName, std::string_view member) const {
    for (const TColorCoding& entry : table_)
        if (!entry.Result.empty() && EqualsIgnoringCase(entry.TypeA, typeName) && EqualsIgnoringCase(entry.Name, member))
            return entry.Result;
    return {};
}

bool ExpressionTyping::MemberTakesArguments(std::string_view typeName, std::string_view member) const {
    for (const TColorCoding& entry : table_)
        if (!entry.Parameter.empty() && EqualsIgnoringCase(entry.TypeA, typeName) &&
            EqualsIgnoringCase(entry.Name, member))
            return true;
    return false;
}

}  // namespace tarnwick

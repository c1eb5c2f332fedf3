#include "completion/NamesInScope.h"

#include "completion/ScriptKnowledge.h"
#include "completion/ScriptMembers.h"
#include "completion/TextSearch.h"
#include "editor/EditorModel.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <iterator>
#include <memory>
#include <string_view>

namespace tarnwick {

namespace {

// A set of names with no allocation per name: thousands are looked up on every Ctrl+Space.
class NameSet {
public:
    // Whether name was new; the set keeps only the view.
    bool Insert(std::string_view name) {
        if (2 * (size_ + 1) > slots_.size()) Grow();
        for (std::size_t i = std::hash<std::string_view>{}(name) & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
            if (slots_[i].data() == nullptr) {
                slots_[i] = name;
                ++size_;
                return true;
            }
            if (slots_[i] == name) return false;
        }
    }
    void Reserve(std::size_t names) {
        while (2 * names > slots_.size()) Grow();
    }

private:
    void Grow() {
        std::vector<std::string_view> old(std::max<std::size_t>(64, 2 * slots_.size()));
        old.swap(slots_);
        size_ = 0;
        for (const std::string_view name : old)
            if (name.data() != nullptr) Insert(name);
    }
    std::vector<std::string_view> slots_;  // a power of two of them; an empty view is a free slot
    std::size_t size_ = 0;
};

class Groups {
public:
    void Add(const std::string& name, RowIcon icon) {
        if (name.empty()) return;
        owned_.push_back(LowerAscii(name));
        if (!seen_.Insert(owned_.back())) return;
        group_.push_back({name, icon});
    }
    // The outline's names come sorted, each with its lower-case form.
    void Add(const std::vector<OutlineName>& names) {
        const bool wasEmpty = group_.empty();
        seen_.Reserve(rows_.size() + group_.size() + names.size());
        for (const OutlineName& name : names)
            if (!name.Name.empty() && seen_.Insert(name.Lower)) group_.push_back({name.Name, name.Icon});
        if (wasEmpty) sortedRun_ = group_.size();
    }
    // Ends a group: its rows go to the list, sorted ignoring case. The rows
    // after its first sorted run (a few names typed since the outline) are
    // sorted alone and merged in, which orders them as sorting all would.
    void Close() {
        const auto less = [](const CompletionRow& a, const CompletionRow& b) { return LessIgnoringCase(a.Name, b.Name); };
        const auto run = group_.begin() + static_cast<std::ptrdiff_t>(std::min(sortedRun_, group_.size()));
        std::stable_sort(run, group_.end(), less);
        std::inplace_merge(group_.begin(), run, group_.end(), less);
        rows_.insert(rows_.end(), std::make_move_iterator(group_.begin()), std::make_move_iterator(group_.end()));
        group_.clear();
        sortedRun_ = 0;
    }
    std::vector<CompletionRow> Take() {
        Close();
        return std::move(rows_);
    }

private:
    std::deque<std::string> owned_;
    NameSet seen_;  // the outline's and owned_'s lower-case names
    std::vector<CompletionRow> group_;
    std::vector<CompletionRow> rows_;
    std::size_t sortedRun_ = 0;  // the group's first rows, added sorted
};

// The names declared with Dim, ReDim, Const, Public or Private in the lines of
// a piece of text: what was typed since the outline was made.
std::vector<OutlineName> DeclaredIn(std::string_view text) {
    std::vector<OutlineName> names;
    for (std::size_t lineStart = 0; lineStart < text.size();) {
        std::size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string_view::npos) lineEnd = text.size();
        std::string_view line = text.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        std::size_t pos = 0;
        while (pos < line.size() && IsNameChar(line[pos])) ++pos;
        // Compared in place: at the end of a large script thousands of lines are read on each Ctrl+Space.
        const std::string_view first = line.substr(0, pos);
        constexpr std::string_view kDeclaring[] = {"dim", "redim", "const", "public", "private"};
        if (std::none_of(std::begin(kDeclaring), std::end(kDeclaring),
                         [first](std::string_view word) { return EqualsIgnoringCase(first, word); }))
            continue;
        // Names follow the word, separated by commas; bounds and values are passed over.
        int depth = 0;
        bool expectName = true;
        for (; pos < line.size() && line[pos] != '\'' && line[pos] != ':'; ++pos) {
            const char c = line[pos];
            if (c == '(') ++depth;
            else if (c == ')') --depth;
            else if (c == ',' && depth == 0) expectName = true;
            else if (c == '=' || c == '"') expectName = false;
            else if (expectName && IsNameChar(c)) {
                const std::size_t start = pos;
                while (pos < line.size() && IsNameChar(line[pos])) ++pos;
                const std::string word(line.substr(start, pos - start));
                const std::string lower = LowerAscii(word);
                --pos;
                if (lower == "preserve" || lower == "const") continue;
                if (lower == "sub" || lower == "function" || lower == "property" || lower == "default") break;
                names.push_back({word, RowIcon::Variable, {}, true, lower});
                expectName = false;
            }
        }
    }
    return names;
}

// What the caret's place takes from the outline, and what was declared since it was made.
NamesInScopeCache::Scope ScopeAt(ScriptKnowledge& knowledge, const EditorModel& editor) {
    NamesInScopeCache::Scope scope;
    scope.outline = knowledge.Outline();
    scope.outlineGeneration = knowledge.OutlineGeneration();
    if (!scope.outline) return scope;
    const int at = knowledge.ToOutline(editor.SelStart());
    scope.procedure = scope.outline->ProcedureAt(at);
    // What was declared since the outline was made, between the procedure's start (or not far
    // above the caret) and the caret: the outline cannot know it yet.
    if (knowledge.Stale()) {
        const int caret = editor.SelStart();
        const int from =
            std::max({0, caret - kLocalScanBytes, scope.procedure ? knowledge.FromOutline(scope.procedure->Start) : 0});
        scope.typedSince = DeclaredIn(editor.TextView(from, caret - from));
    }
    scope.inClass = scope.procedure && scope.procedure->Class >= 0 ? scope.procedure : scope.outline->ClassAt(at);
    return scope;
}

// The table's built-in functions and keywords, in table order.
std::vector<CompletionRow> Builtins(const SyntaxEntries& table) {
    std::vector<CompletionRow> builtins;
    for (const TColorCoding& entry : table) {
        if (entry.TypeA == "Function") builtins.push_back({entry.Name, RowIcon::Procedure});
        else if (entry.TypeA == "Statement") builtins.push_back({entry.Name, RowIcon::Keyword});
    }
    return builtins;
}

// Whether the table's built-ins are still these, read without copying a name.
bool SameBuiltins(const SyntaxEntries& table, const std::vector<CompletionRow>& builtins) {
    std::size_t next = 0;
    for (const TColorCoding& entry : table) {
        const bool function = entry.TypeA == "Function";
        if (!function && entry.TypeA != "Statement") continue;
        if (next == builtins.size() || builtins[next].Name != entry.Name ||
            builtins[next].Icon != (function ? RowIcon::Procedure : RowIcon::Keyword))
            return false;
        ++next;
    }
    return next == builtins.size();
}

bool SameScope(const NamesInScopeCache::Scope& a, const NamesInScopeCache::Scope& b) {
    return a.outlineGeneration == b.outlineGeneration && a.outline == b.outline && a.procedure == b.procedure &&
           a.inClass == b.inClass &&
           std::equal(a.typedSince.begin(), a.typedSince.end(), b.typedSince.begin(), b.typedSince.end(),
                      [](const OutlineName& x, const OutlineName& y) { return x.Name == y.Name; });
}

std::vector<CompletionRow> RowsOf(const NamesInScopeCache::Scope& scope, const std::vector<CompletionRow>& builtins) {
    Groups groups;
    if (const ScriptOutline* outline = scope.outline) {
        if (scope.procedure) {
            groups.Add(scope.procedure->Locals);
            groups.Add(scope.typedSince);
        }
        groups.Close();
        if (scope.inClass && scope.inClass->Class >= 0)
            groups.Add(outline->Classes[static_cast<std::size_t>(scope.inClass->Class)].Members);
        groups.Close();
        groups.Add(outline->Globals);
        if (!scope.procedure) groups.Add(scope.typedSince);
        groups.Close();
    }
    for (const CompletionRow& builtin : builtins) groups.Add(builtin.Name, builtin.Icon);
    return groups.Take();
}

}  // namespace

std::vector<CompletionRow> NamesInScope(ScriptKnowledge& knowledge, const EditorModel& editor,
                                        const SyntaxEntries& table) {
    return RowsOf(ScopeAt(knowledge, editor), Builtins(table));
}

CompletionList::SharedRows NamesInScopeCache::Rows(ScriptKnowledge& knowledge, const EditorModel& editor,
                                                   const SyntaxEntries& table) {
    Scope scope = ScopeAt(knowledge, editor);
    if (rows_ && SameScope(scope, scope_) && SameBuiltins(table, builtins_)) return rows_;
    scope_ = std::move(scope);
    builtins_ = Builtins(table);
    rows_ = std::make_shared<const std::vector<CompletionRow>>(RowsOf(scope_, builtins_));
    return rows_;
}

}  // namespace tarnwick

#include "completion/ObjectTyping.h"

#include "completion/ExpressionTyping.h"
#include "completion/NeedleOccurrences.h"
#include "completion/ScriptWords.h"
#include "completion/TextSearch.h"
#include "editor/EditorModel.h"
#include "syntax/Scans.h"

#include <algorithm>
#include <optional>
#include <map>
#include <unordered_map>

namespace tarnwick {

namespace {

// A derived name is cut to this length before the name-before-dot test.
constexpr size_t kDerivedNameLimit = 255;

// How far past the caret the first shared scan looks, so that member calls
// appended to names of ordinary length are found without a second scan.
constexpr int kScanSlack = 64;

}  // namespace

namespace {

// The variable assigned by the text in front of a line's first "=", as a
// view into it: removing the leading "Set" and trimming both ends leave one
// piece of it.
std::string_view VariableOfLeftSide(std::string_view lhs) {
    size_t first = 0;
    while (first < lhs.size() && static_cast<unsigned char>(lhs[first]) <= ' ') ++first;
    // "Set" counts only as the statement word, so "settings" keeps its name.
    if (MatchesAt(lhs, static_cast<int>(first), "set") && (first + 3 == lhs.size() || !IsNameChar(lhs[first + 3])))
        first += 3;
    return TrimmedControls(lhs.substr(first));
}

}  // namespace

std::string VariableOfLine(std::string_view line) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    return std::string(VariableOfLeftSide(line.substr(0, equals)));
}

ObjectTyping::ObjectTyping(const EditorModel& editor, PlaceListFn placeLB, const SyntaxEntries* table,
                           NeedleOccurrences* kept)
    : editor_(editor), placeLB_(std::move(placeLB)), table_(table), kept_(kept) {}

ObjectTyping::~ObjectTyping() = default;

NeedleOccurrences& ObjectTyping::Occurrences(std::unique_ptr<NeedleOccurrences>& local) {
    if (pass_) return *pass_;
    local = std::make_unique<NeedleOccurrences>(editor_.Text());
    return *local;
}

void ObjectTyping::RunTypingPass() {
    if (DotInStringOrComment()) return;
    const std::string& text = editor_.Text();
    const int caret = editor_.SelStart();
    std::optional<NeedleOccurrences> fresh;
    if (!kept_) fresh.emplace(text);
    NeedleOccurrences& occurrences = kept_ ? *kept_ : *fresh;
    pass_ = &occurrences;
    struct EndOfPass {
        NeedleOccurrences*& pass;
        ~EndOfPass() { pass = nullptr; }
    } endOfPass{pass_};

    std::optional<ExpressionTyping> expressions;
    if (table_) expressions.emplace(text, *table_, occurrences);
    std::vector<std::string_view> needles;
    for (const CreationRule& rule : kCreationRules) needles.push_back(rule.Pattern);
    for (const DerivedRule& rule : kDerivedRules) needles.push_back(rule.MemberCall);
    if (expressions) {
        const std::vector<std::string_view> creations = expressions->Needles(ExpressionTyping::NeedleKind::Creation);
        needles.insert(needles.end(), creations.begin(), creations.end());
    }
    const int nearLimit = caret >= 1 ? caret - 2 : static_cast<int>(text.size());
    occurrences.Prepare(needles, nearLimit + kScanSlack);

    if (StandsBeforeDot(kWscriptName)) PlaceLB(kWscriptType);
    for (const CreationRule& creation : kCreationRules) {
        const std::vector<std::string> vars = CheckMainObjects(creation.Pattern, creation.TypeName);
        if (vars.empty()) continue;
        for (const DerivedRule& derived : kDerivedRules)
            if (derived.ParentType == creation.TypeName)
                CheckSubobject(vars, derived.MemberCall, derived.TypeName);
    }
    // The patterns' answers stand; a binding the patterns do not see comes last.
    if (expressions && caret >= 1)
        if (std::optional<ExpressionType> type = expressions->TypeBeforeDot(caret - 1); type && type->Found)
            PlaceLB(type->TypeName);
}

std::string ObjectTyping::ExtractVariable(int offset) const {
    // Every line break of the editor's text is CR LF: the line holding offset
    // runs from after the LF in front of it to the next break. Read in place,
    // as a pass extracts the variables of thousands of lines, and no further
    // than its first "=".
    const std::string_view text = editor_.Text();
    const size_t at = static_cast<size_t>(std::clamp(offset, 0, static_cast<int>(text.size())));
    size_t first = at;
    size_t equals = std::string_view::npos;
    for (; first > 0 && text[first - 1] != '\n'; --first)
        if (text[first - 1] == '=') equals = first - 1;
    for (size_t i = at; equals == std::string_view::npos && i < text.size() && text[i] != '\r' && text[i] != '\n'; ++i)
        if (text[i] == '=') equals = i;
    if (equals == std::string_view::npos) return {};
    return std::string(VariableOfLeftSide(text.substr(first, equals - first)));
}

std::vector<std::string> ObjectTyping::CheckMainObjects(std::string_view pattern, std::string_view typeName) {
    std::vector<std::string> vars;
    if (pattern.empty()) return vars;
    const std::string& text = editor_.Text();
    std::unique_ptr<NeedleOccurrences> local;
    NeedleOccurrences& occurrences = Occurrences(local);
    // Each backward search starts one before the previous find, so together
    // they visit every occurrence in front of the caret once, nearest first.
    const int maxStart = RevFindMaxStart(editor_.SelStart() - 1, static_cast<int>(text.size()),
                                         static_cast<int>(pattern.size()));
    if (maxStart >= 0) {
        const std::vector<int>& starts = occurrences.StartsUpTo(pattern, maxStart);
        auto end = std::upper_bound(starts.begin(), starts.end(), maxStart);
        vars.reserve(static_cast<size_t>(end - starts.begin()));
        for (auto it = end; it != starts.begin();) vars.push_back(ExtractVariable(*--it));
    }
    for (const std::string& name : vars)
        if (StandsBeforeDot(name)) PlaceLB(typeName);
    return vars;
}

void ObjectTyping::CheckSubobject(const std::vector<std::string>& vars, std::string_view memberCall,
                                  std::string_view typeName) {
    if (vars.empty() || memberCall.empty()) return;
    const std::string& text = editor_.Text();
    const int length = static_cast<int>(text.size());
    std::unique_ptr<NeedleOccurrences> local;
    NeedleOccurrences& occurrences = Occurrences(local);
    // The needle var + memberCall, searched with limit caret - 1 for every
    // variable, is found through the occurrences of memberCall alone.
    int longest = 0;
    for (const std::string& var : vars) longest = std::max(longest, static_cast<int>(var.size()));
    const int lastCall = RevFindMaxStart(editor_.SelStart() - 1, length, static_cast<int>(memberCall.size())) + longest;
    const std::vector<int>& calls = occurrences.StartsUpTo(memberCall, lastCall);
    if (calls.empty() || calls.front() > lastCall) return;
    // Each name's nearest needle is found in one walk back over the calls:
    // the text in front of a call is looked up among the names of each length.
    // A name listed again finds what it found the first time, which did not
    // place the list, so each is looked for once.
    struct Wanted {
        const std::string* var;
        int found = -1;
    };
    std::vector<Wanted> wanted;
    std::map<int, std::unordered_map<std::string, size_t>> byLength;  // length -> lower-case name -> wanted
    for (const std::string& var : vars) {
        std::unordered_map<std::string, size_t>& names = byLength[static_cast<int>(var.size())];
        if (names.emplace(LowerAscii(var), wanted.size()).second) wanted.push_back({&var});
    }
    struct Length {
        int size, lastCall;
        const std::unordered_map<std::string, size_t>* names;
    };
    std::vector<Length> lengths;
    for (const auto& [size, names] : byLength) {
        // The last call whose needle, with limit caret - 1, may hold a name of this length.
        const int maxStart = RevFindMaxStart(editor_.SelStart() - 1, length, size + static_cast<int>(memberCall.size()));
        if (maxStart >= 0) lengths.push_back({size, maxStart + size, &names});
    }
    size_t unresolved = wanted.size();
    std::string key;
    for (auto it = std::upper_bound(calls.begin(), calls.end(), lastCall); it != calls.begin() && unresolved > 0;) {
        const int call = *--it;
        for (const Length& l : lengths) {
            if (call > l.lastCall || call < l.size) continue;
            key = LowerAscii(std::string_view(text).substr(static_cast<size_t>(call - l.size), static_cast<size_t>(l.size)));
            const auto name = l.names->find(key);
            if (name != l.names->end() && wanted[name->second].found < 0) {
                wanted[name->second].found = call - l.size;
                --unresolved;
            }
        }
    }
    for (const Wanted& w : wanted) {
        if (w.found < 0) continue;
        std::string name = ExtractVariable(w.found);
        if (name.size() > kDerivedNameLimit) name.resize(kDerivedNameLimit);
        if (StandsBeforeDot(name)) {
            PlaceLB(typeName);
            return;
        }
    }
}

bool ObjectTyping::DotInStringOrComment() const {
    const int dot = editor_.SelStart() - 1;
    if (dot < 0) return false;
    const int first = editor_.LineIndex(editor_.LineFromChar(dot));
    const std::string_view line = editor_.TextView(first, editor_.LineLength(first));
    return IsString(line, 0, dot - first) || IsComment(line, 0, dot - first);
}

bool ObjectTyping::StandsBeforeDot(std::string_view name) const {
    return NameStandsBeforeDot(editor_.Text(), editor_.SelStart(), name);
}

void ObjectTyping::PlaceLB(std::string_view typeName) {
    if (placeLB_) placeLB_(std::string(typeName));
}

}  // namespace tarnwick

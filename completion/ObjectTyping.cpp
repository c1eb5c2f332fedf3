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
        const std::vector<int> vars = CheckMainObjects(creation.Pattern, creation.TypeName);
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

void ObjectTyping::PrepareWholeText() {
    if (!kept_) return;
    const std::string& text = editor_.Text();
    const int end = static_cast<int>(text.size());
    std::vector<std::string_view> needles;
    for (const CreationRule& rule : kCreationRules) needles.push_back(rule.Pattern);
    for (const DerivedRule& rule : kDerivedRules) needles.push_back(rule.MemberCall);
    std::optional<ExpressionTyping> expressions;
    if (table_) {
        expressions.emplace(text, *table_, *kept_);
        for (const auto kind : {ExpressionTyping::NeedleKind::Creation, ExpressionTyping::NeedleKind::Member,
                                ExpressionTyping::NeedleKind::Undotted}) {
            const std::vector<std::string_view> more = expressions->Needles(kind);
            needles.insert(needles.end(), more.begin(), more.end());
        }
    }
    kept_->Prepare(needles, end);
    for (const CreationRule& rule : kCreationRules) {
        const std::size_t count = kept_->StartsUpTo(rule.Pattern, end).size();
        const NeedleOccurrences::Lines lines = kept_->LinesOf(rule.Pattern);
        for (std::size_t i = 0; i < count; ++i) lines[i];
    }
}

std::string ObjectTyping::ExtractVariable(int offset) const {
    int from = 0, to = 0;
    return std::string(VariableAt(editor_.Text(), offset, from, to));
}

std::vector<int> ObjectTyping::CheckMainObjects(std::string_view pattern, std::string_view typeName) {
    std::vector<int> vars;
    if (pattern.empty()) return vars;
    const std::string& text = editor_.Text();
    std::unique_ptr<NeedleOccurrences> local;
    NeedleOccurrences& occurrences = Occurrences(local);
    // Each backward search starts one before the previous find, so together
    // they visit every occurrence in front of the caret once, nearest first.
    const int maxStart = RevFindMaxStart(editor_.SelStart() - 1, static_cast<int>(text.size()),
                                         static_cast<int>(pattern.size()));
    if (maxStart < 0) return vars;
    const std::vector<int>& starts = occurrences.StartsUpTo(pattern, maxStart);
    const NeedleOccurrences::Lines lines = occurrences.LinesOf(pattern);
    // The lines' variables are kept lower case; the test before the dot ignores case, so it is asked once a name.
    std::vector<signed char> stands;  // by variable id: -1 not asked yet
    for (auto i = static_cast<std::size_t>(std::upper_bound(starts.begin(), starts.end(), maxStart) - starts.begin());
         i-- > 0;) {
        const int var = lines[i].var;
        if (static_cast<std::size_t>(var) >= stands.size()) stands.resize(static_cast<std::size_t>(var) + 1, -1);
        signed char& known = stands[static_cast<std::size_t>(var)];
        if (known < 0) {
            known = StandsBeforeDot(occurrences.VarName(var)) ? 1 : 0;
            vars.push_back(var);
        }
        if (known) PlaceLB(typeName);
    }
    return vars;
}

void ObjectTyping::CheckSubobject(const std::vector<int>& vars, std::string_view memberCall,
                                  std::string_view typeName) {
    if (vars.empty() || memberCall.empty()) return;
    const std::string& text = editor_.Text();
    const int length = static_cast<int>(text.size());
    std::unique_ptr<NeedleOccurrences> local;
    NeedleOccurrences& occurrences = Occurrences(local);
    // The needle var + memberCall, searched with limit caret - 1 for every
    // variable, is found through the occurrences of memberCall alone.
    int longest = 0;
    for (const int var : vars) longest = std::max(longest, static_cast<int>(occurrences.VarName(var).size()));
    const int lastCall = RevFindMaxStart(editor_.SelStart() - 1, length, static_cast<int>(memberCall.size())) + longest;
    const std::vector<int>& calls = occurrences.StartsUpTo(memberCall, lastCall);
    if (calls.empty() || calls.front() > lastCall) return;
    // Each name's nearest needle is found in one walk back over the calls:
    // the text in front of a call is looked up among the names of each length.
    // A name listed again finds what it found the first time, which did not
    // place the list, so each is looked for once.
    std::unordered_map<int, int> found;  // variable id -> start of its nearest needle
    std::map<int, int> lastCallOf;       // name length -> the last call whose needle may hold a name of it
    for (const int var : vars) {
        found.emplace(var, -1);
        const int size = static_cast<int>(occurrences.VarName(var).size());
        if (lastCallOf.count(size)) continue;
        const int maxStart = RevFindMaxStart(editor_.SelStart() - 1, length, size + static_cast<int>(memberCall.size()));
        lastCallOf[size] = maxStart >= 0 ? maxStart + size : -1;
    }
    size_t unresolved = found.size();
    for (auto it = std::upper_bound(calls.begin(), calls.end(), lastCall); it != calls.begin() && unresolved > 0;) {
        const int call = *--it;
        for (const auto& [size, last] : lastCallOf) {
            if (last < 0 || call > last || call < size) continue;
            const int var = occurrences.VarId(LowerAscii(std::string_view(text).substr(
                static_cast<size_t>(call - size), static_cast<size_t>(size))));
            const auto wanted = found.find(var);
            if (wanted != found.end() && wanted->second < 0) {
                wanted->second = call - size;
                --unresolved;
            }
        }
    }
    for (const int var : vars) {
        const int at = found[var];
        if (at < 0) continue;
        std::string name = ExtractVariable(at);
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

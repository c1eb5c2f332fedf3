#include "completion/ObjectTyping.h"

#include "completion/ExpressionTyping.h"
#include "completion/NeedleOccurrences.h"
#include "completion/TextSearch.h"
#include "editor/EditorModel.h"
#include "syntax/Scans.h"

#include <algorithm>
#include <optional>

namespace tarnwick {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool IsNameChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 128 || c == '_' || (c >= '0' && c <= '9') || (AsciiLower(c) >= 'a' && AsciiLower(c) <= 'z');
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// A derived name is cut to this length before the name-before-dot test.
constexpr size_t kDerivedNameLimit = 255;

// How far past the caret the first shared scan looks, so that member calls
// appended to names of ordinary length are found without a second scan.
constexpr int kScanSlack = 64;

}  // namespace

std::string VariableOfLine(std::string_view line) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    std::string lhs(line.substr(0, equals));
    size_t first = 0;
    while (first < lhs.size() && IsBlank(lhs[first])) ++first;
    // "Set" counts only as the statement word, so "settings" keeps its name.
    if (MatchesAt(lhs, static_cast<int>(first), "set") && (first + 3 == lhs.size() || !IsNameChar(lhs[first + 3])))
        lhs.erase(first, 3);
    return std::string(Trimmed(lhs));
}

ObjectTyping::ObjectTyping(const EditorModel& editor, PlaceListFn placeLB, const SyntaxEntries* table)
    : editor_(editor), placeLB_(std::move(placeLB)), table_(table) {}

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
    NeedleOccurrences occurrences(text);
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
    const int line = editor_.LineFromChar(offset);
    const int first = editor_.LineIndex(line);
    const int length = editor_.LineLength(first);
    return VariableOfLine(editor_.TextView(first, length));
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
    for (const std::string& var : vars) {
        // The needle var + memberCall, searched with limit caret - 1 for every
        // variable, is found through the occurrences of memberCall alone.
        const int varLength = static_cast<int>(var.size());
        const int maxStart = RevFindMaxStart(editor_.SelStart() - 1, length,
                                             varLength + static_cast<int>(memberCall.size()));
        if (maxStart < 0) continue;
        const std::vector<int>& calls = occurrences.StartsUpTo(memberCall, maxStart + varLength);
        int found = -1;
        auto end = std::upper_bound(calls.begin(), calls.end(), maxStart + varLength);
        for (auto it = end; it != calls.begin();) {
            const int start = *--it - varLength;
            if (start < 0) break;
            if (MatchesAt(text, start, var)) { found = start; break; }
        }
        if (found < 0) continue;
        std::string name = ExtractVariable(found);
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

#include "completion/ScriptKnowledge.h"

#include <algorithm>

namespace tarnwick {

namespace {

// Edits kept to map places; beyond them the outline counts as lost.
constexpr std::size_t kMaxEdits = 100'000;

}  // namespace

ScriptKnowledge::ScriptKnowledge(EditorModel& model, std::function<language::TextForm()> form)
    : model_(model), form_(std::move(form)), occurrences_({}) {
    model_.AddObserver(this);
}

ScriptKnowledge::~ScriptKnowledge() { model_.RemoveObserver(this); }

void ScriptKnowledge::SetOutline(std::shared_ptr<const ScriptOutline> outline) {
    outline_ = std::move(outline);
    edits_.clear();
    ++generation_;
}

NeedleOccurrences& ScriptKnowledge::Occurrences() {
    occurrences_.Rebind(model_.Text());
    return occurrences_;
}

void ScriptKnowledge::TextChanged(int pos, int removed, int inserted) {
    if (!occurrences_.Empty()) {
        // Only the text near the change is read: the whole of it would move the edit gap.
        const int reach = occurrences_.LongestNeedle();
        const int from = std::max(0, pos - reach);
        const int to = std::min(model_.Length(), pos + inserted + reach);
        const bool large = inserted > NeedleOccurrences::kLargestRescan;
        occurrences_.TextChanged(pos, removed, inserted, large ? std::string_view() : model_.TextView(from, to - from),
                                 from);
    }
    if (!outline_) return;
    // A new document, or more edits than are worth mapping: the old outline tells nothing.
    if ((pos == 0 && inserted == model_.Length()) || edits_.size() >= kMaxEdits) {
        outline_.reset();
        edits_.clear();
        ++generation_;
        return;
    }
    edits_.push_back({pos, removed, inserted});
}

const ScriptOutline* ScriptKnowledge::Outline() {
    if ((!outline_ || Stale()) && model_.Length() <= kOutlineNowLimit) OutlineNow();
    return outline_.get();
}

const ScriptOutline* ScriptKnowledge::KnownOutline() {
    if (!outline_ && model_.Length() <= kOutlineNowLimit) OutlineNow();
    return outline_.get();
}

void ScriptKnowledge::OutlineNow() {
    const std::string& text = model_.Text();
    // Read as the document is held: UTF-8 names with accents are one name, not a name and stray bytes.
    const language::TextForm form = form_ ? form_() : language::TextForm::Ansi;
    const language::SyntaxTree tree = language::AnalyzeScript(text, form, language::CheckOptions{false}).tree;
    SetOutline(std::make_shared<const ScriptOutline>(ScriptOutline::Of(tree, text)));
}

int ScriptKnowledge::ToOutline(int offset) const {
    for (auto edit = edits_.rbegin(); edit != edits_.rend(); ++edit) {
        if (offset <= edit->pos) continue;
        if (offset >= edit->pos + edit->inserted) offset += edit->removed - edit->inserted;
        else offset = edit->pos;  // inside text typed since: where it was typed
    }
    return offset;
}

int ScriptKnowledge::FromOutline(int offset) const {
    for (const Edit& edit : edits_) {
        if (offset <= edit.pos) continue;
        if (offset >= edit.pos + edit.removed) offset += edit.inserted - edit.removed;
        else offset = edit.pos;
    }
    return offset;
}

}  // namespace tarnwick

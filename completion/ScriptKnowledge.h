#pragma once

#include "completion/NeedleOccurrences.h"
#include "completion/ScriptOutline.h"
#include "editor/EditorModel.h"
#include "language/Check.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace tarnwick {

// Keeps the latest outline of the script and the edits made since its text
// was read, so that a place in today's text can be looked up in it. The
// window hands in each background check's outline; a small script that has
// changed since (or was never checked) is read again on the spot, which
// costs less than a keystroke's repaint. A large one keeps the stale outline
// and relies on a scan of the text near the caret for what was typed since.
class ScriptKnowledge : private EditorObserver {
public:
    // Scripts up to this size are outlined on the spot when the outline is stale.
    static constexpr int kOutlineNowLimit = 256 * 1024;

    // form tells how the document's bytes are read (a Unicode document is UTF-8); unset: ANSI.
    explicit ScriptKnowledge(EditorModel& model, std::function<language::TextForm()> form = {});
    ~ScriptKnowledge() override;
    ScriptKnowledge(const ScriptKnowledge&) = delete;
    ScriptKnowledge& operator=(const ScriptKnowledge&) = delete;

    // An outline of the text as it is now.
    void SetOutline(std::shared_ptr<const ScriptOutline> outline);

    // The outline to answer from; null when a large script has none yet.
    const ScriptOutline* Outline();
    // The outline as it is, stale or not: made on the spot only when there is
    // none, so a check run on every keystroke (the tip) parses nothing.
    const ScriptOutline* KnownOutline();
    // Whether edits were made since the outline's text was read.
    bool Stale() const { return !edits_.empty(); }
    // Changes whenever the outline is replaced or dropped: equal values mean the same outline.
    std::uint64_t OutlineGeneration() const { return generation_; }
    // A place of today's text in the outline's text, and back.
    int ToOutline(int offset) const;
    int FromOutline(int offset) const;

    // Where the typing rules' needles stand in today's text, kept across
    // passes: a "." typed at the end of a large script reads no more than
    // the names' bindings.
    NeedleOccurrences& Occurrences();

private:
    struct Edit {
        int pos, removed, inserted;
    };
    void TextChanged(int pos, int removed, int inserted) override;

    void OutlineNow();

    EditorModel& model_;
    std::function<language::TextForm()> form_;
    std::shared_ptr<const ScriptOutline> outline_;
    std::vector<Edit> edits_;
    std::uint64_t generation_ = 0;
    NeedleOccurrences occurrences_;
};

}  // namespace tarnwick

#pragma once

#include "editor/EditorModel.h"
#include "language/Check.h"
#include "language/SyntaxMarks.h"

#include <QObject>
#include <QThread>
#include <QTimer>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace tarnwick::language {

// Checks the document on a thread of its own while the user types. The thread
// keeps its own copy of the text, which each edit's few bytes keep in step, so
// a keystroke costs the editor's thread a copy of what it typed and no more;
// a new document reaches it in pieces, a turn of the event loop each.
// A check starts once typing pauses; a result that edits have overtaken is
// dropped, and the next one follows.
class BackgroundCheck : public QObject, public EditorObserver {
    Q_OBJECT
public:
    static constexpr int kPauseMs = 300;  // typing this long idle starts a check
    static constexpr int kCopyPiece = 1 << 18;  // bytes of a new document copied in one turn

    // form: how the document's text is held, asked at each check.
    BackgroundCheck(EditorModel& model, std::function<TextForm()> form, QObject* parent = nullptr);
    ~BackgroundCheck() override;

    // Told, on the editor's thread, of the marks of a check of the text as it
    // now is, made on the checking thread: the handler takes them by a swap,
    // and the marks it leaves are freed on that thread too.
    std::function<void(SyntaxMarks& fresh)> OnChecked;
    // Run on the checking thread with each check's tree and the text it read;
    // the task it returns runs on the editor's thread right after OnChecked,
    // and only then. Set it before the first check.
    std::function<std::function<void()>(const SyntaxTree& tree, std::string_view text)> OnTree;
    // Told of every edit, before any result of a check of it (the marks move with their text).
    std::function<void(int pos, int removed, int inserted)> OnEdited;

    // Checks the text as it is once typing pauses (for a newly loaded document, too).
    void CheckSoon();
    // A check of the current text is on its way or waiting for the pause.
    bool Pending() const { return timer_.isActive() || copying_ || awaited_ == edits_; }

    // EditorObserver
    void TextChanged(int pos, int removed, int inserted) override;

private:
    struct Shared;
    void Start();
    void CopyPiece(long generation, int from);

    EditorModel& model_;
    std::function<TextForm()> form_;
    QThread thread_;
    QObject* worker_ = nullptr;  // lives on thread_: what is posted to it runs there, in order
    std::shared_ptr<Shared> shared_;
    QTimer timer_;
    long edits_ = 0;      // edits seen: a result is current when it checked this many
    long awaited_ = -1;   // the edit count of the check on its way
    bool wholeTextStale_ = true;  // the thread's copy must be taken afresh
    bool copying_ = false;        // the thread's copy is being taken, piece by piece
    long copyGeneration_ = 0;     // which copy the pieces on their way belong to
};

}  // namespace tarnwick::language

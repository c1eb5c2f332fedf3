#include "language/ui/BackgroundCheck.h"

#include <algorithm>
#include <atomic>
#include <string>

namespace tarnwick::language {

// What the checking thread owns: its copy of the text, and the latest check asked for.
struct BackgroundCheck::Shared {
    std::string text;
    std::atomic<long> latest{-1};
};

BackgroundCheck::BackgroundCheck(EditorModel& model, std::function<TextForm()> form, QObject* parent)
    : QObject(parent), model_(model), form_(std::move(form)), shared_(std::make_shared<Shared>()) {
    thread_.setObjectName("SyntaxCheck");
    worker_ = new QObject;
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start(QThread::LowPriority);
    timer_.setSingleShot(true);
    timer_.setInterval(kPauseMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Start(); });
    model_.AddObserver(this);
}

BackgroundCheck::~BackgroundCheck() {
    model_.RemoveObserver(this);
    shared_->latest = -2;  // a check not yet begun is skipped
    thread_.quit();
    thread_.wait();
}

void BackgroundCheck::CheckSoon() { timer_.start(); }

void BackgroundCheck::TextChanged(int pos, int removed, int inserted) {
    ++edits_;
    if (copying_) {
        copying_ = false;  // the pieces copied so far may be out of date: copy it all again
        wholeTextStale_ = true;
    }
    if (OnEdited) OnEdited(pos, removed, inserted);
    if (pos == 0 && inserted == model_.Length()) {
        wholeTextStale_ = true;  // a new document: copied once typing pauses, not while it loads
    } else if (!wholeTextStale_) {
        QMetaObject::invokeMethod(
            worker_, [shared = shared_, pos, removed, bytes = model_.TextRange(pos, inserted)] {
                shared->text.replace(static_cast<std::size_t>(pos), static_cast<std::size_t>(removed), bytes);
            },
            Qt::QueuedConnection);
    }
    timer_.start();
}

void BackgroundCheck::Start() {
    if (copying_) return;  // the check follows the copy
    if (wholeTextStale_) {
        wholeTextStale_ = false;
        copying_ = true;
        QMetaObject::invokeMethod(
            worker_, [shared = shared_, length = static_cast<std::size_t>(model_.Length())] {
                shared->text.clear();
                shared->text.reserve(length);
            },
            Qt::QueuedConnection);
        CopyPiece(++copyGeneration_, 0);
        return;
    }
    const long checked = edits_;
    awaited_ = checked;
    shared_->latest = checked;
    QMetaObject::invokeMethod(
        worker_, [this, shared = shared_, checked, form = form_(), onTree = OnTree] {
            if (shared->latest != checked) return;  // overtaken by later edits: their check follows
            // Freed on this thread, below; only a window closed while it is on its way leaks it.
            auto* marks = new SyntaxMarks;
            Analysis analysis = AnalyzeScript(shared->text, form, CheckOptions{true});
            marks->Assign(analysis.diagnostics);
            std::function<void()> then = onTree ? onTree(analysis.tree, shared->text) : nullptr;
            QMetaObject::invokeMethod(
                this, [this, checked, marks, then = std::move(then)] {
                    if (checked == edits_) {  // else the text has changed since
                        awaited_ = -1;
                        if (OnChecked) OnChecked(*marks);
                        if (then) then();
                    }
                    // Tens of thousands of marks take a while to free: not here.
                    QMetaObject::invokeMethod(worker_, [marks] { delete marks; }, Qt::QueuedConnection);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

// One piece of a new document to the thread, and the next piece on the next
// turn of the event loop: copying megabytes at once would stall typing.
void BackgroundCheck::CopyPiece(long generation, int from) {
    if (!copying_ || generation != copyGeneration_) return;  // an edit has started the copy again
    const int length = std::min(kCopyPiece, model_.Length() - from);
    QMetaObject::invokeMethod(
        worker_, [shared = shared_, piece = model_.TextRange(from, length)] { shared->text += piece; },
        Qt::QueuedConnection);
    if (from + length < model_.Length()) {
        QMetaObject::invokeMethod(
            this, [this, generation, next = from + length] { CopyPiece(generation, next); }, Qt::QueuedConnection);
        return;
    }
    copying_ = false;
    Start();
}

}  // namespace tarnwick::language

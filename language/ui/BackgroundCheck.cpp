#include "language/ui/BackgroundCheck.h"

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
    if (wholeTextStale_) {
        wholeTextStale_ = false;
        QMetaObject::invokeMethod(
            worker_, [shared = shared_, text = model_.TextRange(0, model_.Length())]() mutable {
                shared->text = std::move(text);
            },
            Qt::QueuedConnection);
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

}  // namespace tarnwick::language

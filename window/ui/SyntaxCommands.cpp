// The main window's syntax check: the marks kept up to date while the user
// types, their text on hover and in the status bar, Check Syntax (Ctrl+F7) in
// the output pane, and the question before a script with an error runs.

#include "window/ui/vbsmain.h"

#include "completion/EditorTracker.h"
#include "completion/ScriptOutline.h"
#include "language/RunCheck.h"
#include "language/ui/BackgroundCheck.h"
#include "run/CheckListing.h"
#include "run/OutputSession.h"
#include "run/RunOptions.h"
#include "run/ui/OutputPane.h"
#include "window/ui/EditorWidget.h"
#include "window/ui/MarkPainter.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolTip>

namespace tarnwick {

namespace {

using language::Diagnostic;
using language::Severity;
using language::SyntaxMark;

language::TextForm FormOf(TextEncoding encoding) {
    return encoding == TextEncoding::Ansi ? language::TextForm::Ansi : language::TextForm::Utf8;
}

// A mark's or finding's text, which quotes the script, as the document holds it.
QString FromDocument(const std::string& text, TextEncoding encoding) {
    return encoding == TextEncoding::Ansi ? FromAnsi(text) : QString::fromUtf8(text);
}

// Runs a function on the events of one object, returning true to consume one.
class EventHook : public QObject {
public:
    EventHook(QObject* watched, std::function<bool(QEvent*)> hook) : QObject(watched), hook_(std::move(hook)) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override { return hook_(event); }

private:
    std::function<bool(QEvent*)> hook_;
};

// Tells the text of the mark on the caret's line in the status bar, once the
// command that moved the caret is done.
class CaretLineMark : public EditorObserver {
public:
    CaretLineMark(MainUnit& unit, QLabel* label) : unit_(unit), label_(label) { unit_.MainText.AddObserver(this); }
    ~CaretLineMark() override { unit_.MainText.RemoveObserver(this); }
    void SelectionChanged() override { Soon(); }
    void Soon() {
        if (pending_) return;
        pending_ = true;
        QTimer::singleShot(0, label_, [this] { Show(); });
    }

private:
    void Show() {
        pending_ = false;
        const EditorModel& text = unit_.MainText;
        const int start = text.LineIndex(text.LineFromChar(text.CaretPos()));
        const SyntaxMark* mark = unit_.Marks.Within(start, start + text.LineLength(start) + 1);
        if (!mark) {
            label_->clear();
            return;
        }
        QPalette palette = label_->palette();  // a style sheet would drop the status bar's font
        palette.setColor(QPalette::WindowText, MarkColour(mark->severity).darker(130));
        label_->setPalette(palette);
        const QString shown = FromDocument(mark->text, unit_.Encoding);
        label_->setText(label_->fontMetrics().elidedText(shown, Qt::ElideRight, label_->width()));
        label_->setToolTip(shown);
    }

    MainUnit& unit_;
    QLabel* label_;
    bool pending_ = false;
};

}  // namespace

void TForm1::WireSyntaxCheck() {
    unit_.Marks.Clear();
    mainText_->SetSyntaxMarks(&unit_.Marks);
    // The mark's text beside the caret's place in panel 0, left of the encoding.
    auto* status = new QLabel(StatusPanel0);
    status->setObjectName("StatusCheck");
    status->setFixedWidth(290);
    if (auto* panel = qobject_cast<QHBoxLayout*>(StatusPanel0->layout())) {
        panel->insertSpacing(0, 180);
        panel->insertWidget(1, status);
    }
    auto* caretLine = new CaretLineMark(unit_, status);
    caretLineMark_.reset(caretLine);

    auto* check = new language::BackgroundCheck(unit_.MainText, [this] { return FormOf(unit_.Encoding); });
    check_.reset(check);
    auto marksChanged = [this, caretLine] {
        mainText_->viewport()->update();
        caretLine->Soon();
    };
    check->OnEdited = [this](int pos, int removed, int inserted) {
        if (pos == 0 && inserted == unit_.MainText.Length()) unit_.Marks.Clear();  // a new text: its check follows
        else unit_.Marks.Shift(pos, removed, inserted);
    };
    check->OnChecked = [this, caretLine](language::SyntaxMarks& fresh) {
        UpdateChangedMarks(*mainText_, unit_.Marks, fresh);
        std::swap(unit_.Marks, fresh);
        caretLine->Soon();
    };
    // The script's own classes and names for completion, outlined on the checking thread.
    check->OnTree = [this](const language::SyntaxTree& tree, std::string_view text) -> std::function<void()> {
        auto outline = std::make_shared<const ScriptOutline>(ScriptOutline::Of(tree, text));
        return [this, outline] {
            if (!tracker_) return;
            tracker_->Knowledge().SetOutline(outline);
            // The script was just read through: while the user is idle, so is what the first "." needs.
            tracker_->PrepareTyping();
        };
    };
    check->CheckSoon();

    // A mark's text on hover.
    new EventHook(mainText_->viewport(), [this](QEvent* event) {
        if (event->type() != QEvent::ToolTip) return false;
        auto* help = static_cast<QHelpEvent*>(event);
        const int pos = mainText_->PositionAt(help->pos());
        if (const SyntaxMark* mark = unit_.Marks.Within(pos, pos + 1))
            QToolTip::showText(help->globalPos(), FromDocument(mark->text, unit_.Encoding), mainText_->viewport());
        else
            QToolTip::hideText();
        return true;
    });

    // Check Syntax: every finding in the output pane, each a link to its place.
    QAction* checkSyntax = MakeAction("mCheckSyntax", "&Check Syntax", -1, [this, marksChanged] {
        const EditorModel& text = unit_.MainText;
        const std::vector<Diagnostic> found =
            language::CheckScript(text.TextRange(0, text.Length()), FormOf(unit_.Encoding));
        unit_.Marks.Assign(found);
        marksChanged();
        const std::string& path = unit_.CurrentFileName.empty() ? scratchScriptPath_ : unit_.CurrentFileName;
        const CheckListing listing = ListFindings(found, FromPath(path).toStdString(), unit_.Encoding);
        if (outputRun_->Running()) {
            // The pane belongs to the script running there: its output stays whole.
            const QString marked = found.empty() ? "" : ", marked in the editor";
            StBar->showMessage("Check Syntax: " + QString::fromUtf8(listing.summary) + marked +
                                   " (the output pane shows the running script)",
                               10000);
            return;
        }
        Output->BeginRun(QString::fromUtf8(listing.title));
        for (const OutputLine& line : listing.lines) Output->AddLine(line);
        Output->EndRun(QString::fromUtf8(listing.summary));
        ShowOutputPane(true);
    });
    checkSyntax->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F7));
    if (QMenu* run = menuBar()->findChild<QMenu*>("mRunMenu")) {
        run->addSeparator();
        run->addAction(checkSyntax);
    }

    // The question before a run of a script with a compile error: F5 (when a
    // default is stored; otherwise it opens the Run Options window), Ctrl+F5
    // and the Run Options window's Execute, which asks in RunTemplate.
    commands.RunDefault = [this, run = commands.RunDefault] {
        const auto stored = unit_.Settings ? unit_.Settings->OpenReadOnly()->ReadString(kRunDefaultValue) : std::nullopt;
        if (stored && !stored->empty() && !language::MayRunScript(unit_)) return;
        if (run) run();
    };
    commands.RunInPane = [this, run = commands.RunInPane] {
        if (language::MayRunScript(unit_) && run) run();
    };
}

}  // namespace tarnwick

#include "run/ui/OutputPane.h"

#include "unit/ui/QtPorts.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarnwick {

namespace {

// A link's target travels as its anchor: "line,column".
QString PlaceHref(SourcePlace place) { return QString("%1,%2").arg(place.line).arg(place.column); }

// Error text and links in colours that read on the pane's background, light or dark.
bool Dark(const QColor& colour) { return qGray(colour.rgb()) < 128; }

QColor ErrorColour(const QPalette& palette) {
    return Dark(palette.color(QPalette::Base)) ? QColor(255, 120, 110) : QColor(170, 0, 0);
}

QColor LinkColour(const QPalette& palette) {
    const QColor link = palette.color(QPalette::Link);
    // Some dark palettes keep the light palette's dark blue.
    if (Dark(palette.color(QPalette::Base)) && Dark(link)) return QColor(110, 170, 255);
    return link;
}

std::optional<SourcePlace> PlaceFromHref(const QString& href) {
    const QStringList parts = href.split(',');
    bool lineOk = false, columnOk = false;
    if (parts.size() != 2) return std::nullopt;
    const SourcePlace place{parts[0].toInt(&lineOk), parts[1].toInt(&columnOk)};
    if (!lineOk || !columnOk) return std::nullopt;
    return place;
}

}  // namespace

OutputView::OutputView(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName("TxtOutput");
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setMaximumBlockCount(OutputPane::kMaxLines);
    // The caret stays visible so that Enter can choose the line it is on.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setTabChangesFocus(true);  // Tab goes on to Stop and the close button
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    viewport()->setMouseTracking(true);
}

std::optional<SourcePlace> OutputView::PlaceOf(const QTextBlock& block) {
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isAnchor()) return PlaceFromHref(it.fragment().charFormat().anchorHref());
    return std::nullopt;
}

void OutputView::mouseMoveEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseMoveEvent(event);
    viewport()->setCursor(anchorAt(event->position().toPoint()).isEmpty() ? Qt::IBeamCursor : Qt::PointingHandCursor);
}

void OutputView::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    // A click, not the end of a drag that selected text.
    if (event->button() != Qt::LeftButton || textCursor().hasSelection()) return;
    if (auto place = PlaceFromHref(anchorAt(event->position().toPoint())); place && OnPlaceChosen)
        OnPlaceChosen(*place);
}

void OutputView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto place = PlaceOf(textCursor().block()); place && OnPlaceChosen) {
            OnPlaceChosen(*place);
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

OutputPane::OutputPane(QWidget* parent) : QWidget(parent) {
    setObjectName("Output");
    auto* caption = new QLabel("Output", this);
    QFont bold = DesignFont("Tahoma", 8);
    bold.setBold(true);
    caption->setFont(bold);
    status_ = new QLabel(this);
    status_->setObjectName("LblOutputStatus");
    status_->setFont(DesignFont("Tahoma", 8));
    stop_ = new QPushButton("Stop", this);
    stop_->setObjectName("CmdStop");
    stop_->setFont(DesignFont("Tahoma", 8));
    stop_->setToolTip("Stop the script (Ctrl+Break)");
    stop_->setEnabled(false);
    close_ = new QToolButton(this);
    close_->setObjectName("CmdCloseOutput");
    close_->setText("x");
    close_->setAutoRaise(true);
    close_->setToolTip("Close the output pane");
    view_ = new OutputView(this);

    auto* header = new QHBoxLayout;
    header->setContentsMargins(4, 0, 0, 0);
    header->setSpacing(8);
    header->addWidget(caption);
    header->addWidget(status_, 1);
    header->addWidget(stop_);
    header->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addLayout(header);
    layout->addWidget(view_, 1);

    close_->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(view_, stop_);
    setTabOrder(stop_, close_);

    connect(stop_, &QPushButton::clicked, this, [this] { if (OnStop) OnStop(); });
    connect(close_, &QToolButton::clicked, this, [this] { if (OnClose) OnClose(); });
}

void OutputPane::BeginRun(const QString& commandText) {
    view_->clear();
    hasLines_ = false;
    status_->setText("Running: " + commandText);
    status_->setToolTip(commandText);
    stop_->setEnabled(true);
}

void OutputPane::AddLine(const OutputLine& line) {
    QScrollBar* bar = view_->verticalScrollBar();
    const bool following = bar->value() == bar->maximum();
    QTextCharFormat format;
    if (line.place) {
        format.setAnchor(true);
        format.setAnchorHref(PlaceHref(*line.place));
        format.setForeground(LinkColour(view_->palette()));
        format.setFontUnderline(true);
    } else if (line.channel == CapturedProcess::Channel::Error) {
        format.setForeground(ErrorColour(view_->palette()));
    }
    QTextCursor end(view_->document());
    end.movePosition(QTextCursor::End);
    if (hasLines_) end.insertBlock(QTextBlockFormat(), QTextCharFormat());
    hasLines_ = true;
    end.insertText(QString::fromUtf8(line.text), format);
    QTextDocument* document = view_->document();
    while (document->characterCount() > kMaxCharacters && document->blockCount() > 1) {
        QTextCursor first(document->firstBlock());
        first.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        first.removeSelectedText();
    }
    if (following) bar->setValue(bar->maximum());
}

void OutputPane::EndRun(const QString& summary) {
    status_->setText(summary);
    stop_->setEnabled(false);
}

}  // namespace tarnwick

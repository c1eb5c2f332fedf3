#pragma once

#include "run/OutputSession.h"

#include <QPlainTextEdit>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QToolButton;

namespace tarnwick {

// The lines of the output pane. A host error line about the script is a
// link: a click on it, or Enter on its line, chooses its place.
class OutputView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit OutputView(QWidget* parent = nullptr);
    std::function<void(SourcePlace)> OnPlaceChosen;
    // The place of the link on a line of the view, if it is one.
    static std::optional<SourcePlace> PlaceOf(const QTextBlock& block);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The output pane under the editor: what the last run in it wrote, its exit
// code and time taken, and a Stop button while it runs. Hidden until used.
class OutputPane : public QWidget {
    Q_OBJECT
public:
    // Older lines go beyond these, so that a runaway script cannot fill the
    // memory, whether it writes many lines or long ones.
    static constexpr int kMaxLines = 20000;
    static constexpr int kMaxCharacters = 4'000'000;

    explicit OutputPane(QWidget* parent = nullptr);

    // A new run: the last run's output goes.
    void BeginRun(const QString& commandText);
    void AddLine(const OutputLine& line);
    void EndRun(const QString& summary);

    OutputView* View() const { return view_; }
    QLabel* Status() const { return status_; }
    QPushButton* StopButton() const { return stop_; }

    std::function<void()> OnStop;
    std::function<void()> OnClose;

private:
    OutputView* view_;
    QLabel* status_;
    QPushButton* stop_;
    QToolButton* close_;
    bool hasLines_ = false;  // the view's one empty block is no line yet
};

}  // namespace tarnwick

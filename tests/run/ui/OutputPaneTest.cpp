// The output pane and the procedure list of the real main window. The pane's
// runs start a stand-in cscript, found first on the PATH, that writes what a
// host writes; the real host through Wine is ScriptHostTest's.

#include "support/UiTestSupport.h"

#include "language/RunCheck.h"
#include "run/ui/OutputPane.h"
#include "window/ui/EditorWidget.h"
#include "window/ui/ProcedureBox.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>

using namespace tarnwick;

class OutputPaneTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void hostErrorLinesAreLinksToTheirPlace();
    void thePaneShowsWhatTheHostWrote();
    void ctrlBreakStopsTheRun();
    void theProcedureListFollowsAndChoosesProcedures();

private:
    // The stand-in host: its last argument is the script; what it writes comes from STANDIN.
    void WriteStandIn() {
        QFile file(bin.filePath("cscript"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nfor last; do :; done\nexec sh -c \"$STANDIN\" standin \"$last\"\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QTemporaryDir bin;
    QByteArray path;
};

void OutputPaneTest::initTestCase() {
    WriteStandIn();
    path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ":" + path);
}

void OutputPaneTest::cleanupTestCase() { qputenv("PATH", path); }

void OutputPaneTest::hostErrorLinesAreLinksToTheirPlace() {
    testing::ShownWindow w;
    TForm1& form = w.Open();
    QVERIFY(form.Output->isHidden());
    form.Unit().MainText.SetText("Dim a\r\nDim b\r\n  x = 1 / 0\r\nIf x Then");
    language::StoreCheckBeforeRun(*form.Unit().Settings, false);  // the unclosed If runs without a question
    // F5 with cscript goes to the pane too: there is no console window to write to.
    form.Unit().Settings->OpenForWriting()->WriteString("RunDefault", " cscript  //nologo [FilePath]");
    struct Row {
        const char* name;
        Qt::KeyboardModifiers withF5;
        const char* written;  // $1 is the script's path as the host was given it
        bool byEnter;
        int position;
    } rows[] = {
        {"Ctrl+F5, a runtime error, Enter on it", Qt::ControlModifier,
         "echo before; printf '%s(3, 5) Microsoft VBScript runtime error: Division by zero\\r\\n' \"$1\" >&2; exit 1",
         true, 18},
        {"F5, a compilation error, clicked", Qt::NoModifier,
         "printf '%s(4, 10) Microsoft VBScript compilation error: Expected '\\''End'\\''\\r\\n' \"$1\" >&2", false, 36},
    };
    for (const Row& row : rows) {
        qputenv("STANDIN", row.written);
        form.Unit().MainText.SetSelStart(0);
        w.editor->setFocus();
        QTest::keyClick(w.editor, Qt::Key_F5, row.withF5);
        QVERIFY2(w.boxes.shown.empty(), row.name);
        QVERIFY(form.Output->isVisible());
        QVERIFY(form.Output->geometry().top() > form.MainText()->geometry().bottom());
        QTRY_VERIFY2(form.Output->Status()->text().startsWith("Ended with an error after"), row.name);

        OutputView* view = form.Output->View();
        QTextBlock link = view->document()->firstBlock();
        while (link.isValid() && !OutputView::PlaceOf(link)) link = link.next();
        QVERIFY2(link.isValid(), row.name);
        QVERIFY(view->toPlainText().contains("Microsoft VBScript"));
        if (row.byEnter) {
            view->setFocus();
            QTextCursor cursor(link);
            view->setTextCursor(cursor);
            QTest::keyClick(view, Qt::Key_Return);
        } else {
            const QRect line = view->cursorRect(QTextCursor(link));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(line.left() + 20, line.center().y()));
        }
        QCOMPARE(form.Unit().MainText.SelStart(), row.position);
        QVERIFY2(form.MainText()->hasFocus(), row.name);
    }
    QCOMPARE(form.Output->View()->blockCount(), 1);  // the last run's output only
}

void OutputPaneTest::thePaneShowsWhatTheHostWrote() {
    testing::ShownWindow w;
    TForm1& form = w.Open();
    const int cap = OutputPane::kMaxCharacters;
    struct Row {
        const char* name;
        const char* written;
        QString text;         // what the pane shows, or its last characters for a capped run
        int atMost = 0;       // the pane's characters when it caps
    } rows[] = {
        {"cscript writes the OEM code page", "printf 'caf\\202 \\234\\r\\n'", QString::fromUtf8("caf\u00e9 \u00a3")},
        {"standard input is at its end", "cat; echo read to the end", "read to the end"},
        {"a line without end is capped in characters", "head -c 6000000 /dev/zero | tr '\\0' x; echo; echo end",
         "xx\nend", cap},
    };
    for (const Row& row : rows) {
        qputenv("STANDIN", row.written);
        form.Action("mRunInPane")->trigger();
        QTRY_VERIFY2_WITH_TIMEOUT(form.Output->Status()->text().startsWith("Exit code 0 after"), row.name, 20000);
        const QString shown = form.Output->View()->toPlainText();
        if (!row.atMost) QCOMPARE(shown, row.text);
        QVERIFY2(shown.endsWith(row.text), row.name);
        QVERIFY2(!row.atMost || shown.size() <= row.atMost, row.name);
    }
}

void OutputPaneTest::ctrlBreakStopsTheRun() {
    testing::ShownWindow w;
    TForm1& form = w.Open();
    QTest::keyClick(w.editor, Qt::Key_F7, Qt::ControlModifier);  // Check Syntax opens the pane as a run does
    QVERIFY(form.Action("mCloseOutput")->isEnabled());
    form.Unit().Settings->OpenForWriting()->WriteString("RunDefault", " cscript  //nologo [FilePath]");
    qputenv("STANDIN", "echo waiting; exec sleep 30");
    QTest::keyClick(w.editor, Qt::Key_F5, Qt::ControlModifier);
    QTRY_VERIFY(form.Output->View()->toPlainText() == "waiting");
    // Another run asks before it ends this one; Check Syntax leaves its output alone.
    for (Qt::KeyboardModifier withF5 : {Qt::NoModifier, Qt::ControlModifier}) {
        w.boxes.Answer(Answer::No);
        QTest::keyClick(w.editor, Qt::Key_F5, withF5);
    }
    QTest::keyClick(w.editor, Qt::Key_F7, Qt::ControlModifier);
    QCOMPARE(w.boxes.shown.size(), 2u);
    QCOMPARE(form.Output->View()->toPlainText(), QString("waiting"));
    QVERIFY(form.Output->StopButton()->isEnabled());
    QTest::keyClick(w.editor, Qt::Key_Pause, Qt::ControlModifier);
    QTRY_VERIFY(form.Output->Status()->text().startsWith("Stopped after"));
    QVERIFY(!form.Output->StopButton()->isEnabled());
    QCOMPARE(form.Output->View()->toPlainText(), QString("waiting"));  // kept until the next run
}

void OutputPaneTest::theProcedureListFollowsAndChoosesProcedures() {
    testing::ShownWindow w;
    TForm1& form = w.Open();
    EditorModel& text = form.Unit().MainText;
    text.SetText("Option Explicit\r\n"
                 "Class Account\r\n"
                 "    Private mBalance\r\n"
                 "    Public Property Get Balance : Balance = mBalance : End Property\r\n"
                 "    Public Property Let Balance(v)\r\n"
                 "        mBalance = v\r\n"
                 "    End Property\r\n"
                 "End Class\r\n"
                 "Sub Main ' Sub Hidden\r\n"
                 "End Sub\r\n");
    ProcedureBox* box = form.CmbProcedures;
    QTRY_COMPARE(box->count(), 4);
    QStringList labels;
    for (int i = 0; i < box->count(); ++i) labels << box->itemText(i);
    QCOMPARE(labels, QStringList({"Class Account", "Property Get Account.Balance", "Property Let Account.Balance",
                                  "Sub Main"}));
    // line -> the procedure shown
    const std::pair<int, int> follows[] = {{0, -1}, {2, 0}, {5, 2}, {8, 3}};
    for (const auto& [line, index] : follows) {
        text.SetSelStart(text.LineIndex(line));
        QCOMPARE(box->currentIndex(), index);
    }
    box->setFocus();
    emit box->activated(2);
    QCOMPARE(text.SelStart(), text.LineIndex(4) + 4);
    QVERIFY(form.MainText()->hasFocus());
    QCOMPARE(box->currentIndex(), 2);

    // Thousands of procedures: the open list shows some thirty with a scroll bar, and the
    // line of the one chosen comes near the top of the view, below two lines that lead to it.
    std::string many;
    for (int i = 0; i < 3000; ++i) many += "Sub P" + std::to_string(i) + "\r\nEnd Sub\r\n";
    text.SetText(many);
    box->showPopup();
    QAbstractItemView* list = box->view();
    QTRY_VERIFY(list->isVisible());
    QVERIFY(list->verticalScrollBar()->isVisible());
    QVERIFY(list->viewport()->height() <= ProcedureBox::kVisibleRows * list->sizeHintForRow(0));
    box->hidePopup();
    emit box->activated(1500);
    QCOMPARE(text.LineFromChar(text.SelStart()), 3000);
    QCOMPARE(text.FirstVisibleLine(), 2998);
    emit box->activated(2999);  // the last: the view still ends at the last line
    QCOMPARE(text.FirstVisibleLine(), text.BreakCount() + 1 - form.MainText()->VisibleLineCount());
}

QTEST_MAIN(OutputPaneTest)
#include "OutputPaneTest.moc"

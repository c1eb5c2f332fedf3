#include "support/UiTestSupport.h"

#include "commands/ui/FindDialogs.h"
#include "window/ui/EditorWidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

using namespace tarnwick;

class FindDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void findNextFromTheEditMenuSelectsEachHitInTurn();
    void replaceAllThroughTheDialog();
    void theOpenWindowTakesTheKeyboard_data();
    void theOpenWindowTakesTheKeyboard();
};

void FindDialogsTest::findNextFromTheEditMenuSelectsEachHitInTurn() {
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    form.show();
    form.Unit().MainText.SetText("Dim cat\r\nMsgBox cat");
    form.Unit().MainText.SetSelStart(0);
    form.Action("mFind")->trigger();
    TFindDialog* dialog = form.DialogFind;
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Find"));
    QVERIFY(!dialog->CmdFindNext->isEnabled());  // no find text yet
    QTest::keyClicks(dialog->TxtFind, "cat");
    QTest::mouseClick(dialog->CmdFindNext, Qt::LeftButton);
    QCOMPARE(form.Unit().MainText.SelStart(), 4);
    QCOMPARE(form.Unit().MainText.SelLength(), 3);
    QTest::mouseClick(dialog->CmdFindNext, Qt::LeftButton);
    QCOMPARE(form.Unit().MainText.SelText(), std::string("cat"));
    QCOMPARE(form.Unit().MainText.SelStart(), 16);
    QVERIFY(fx.boxes.shown.empty());
    QTest::mouseClick(dialog->CmdFindNext, Qt::LeftButton);
    QCOMPARE(fx.boxes.Texts(fakes::FakeBoxes::Kind::Information),
             std::vector<std::string>{"Search completed with no results!"});
    QVERIFY(fx.boxes.shown.back().button == BoxButton::Yes);  // one button, "&Yes"
    QCOMPARE(form.Unit().MainText.SelStart(), 16);  // the last hit stays selected
    QVERIFY(dialog->isVisible());
}

void FindDialogsTest::replaceAllThroughTheDialog() {
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    form.show();
    form.Unit().MainText.SetText("a A a\xE9");
    form.Action("mReplace")->trigger();
    TReplaceDialog* dialog = form.DialogReplace;
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Replace"));
    dialog->TxtFind->setText(QString::fromUtf8("a\u00E9"));  // Windows-1252 0xE9
    QTest::keyClicks(dialog->TxtReplace, "ba");
    QTest::mouseClick(dialog->CmdReplaceAll, Qt::LeftButton);
    QCOMPARE(form.Unit().MainText.Text(), std::string("a A ba"));
    dialog->TxtFind->setText("a");
    dialog->ChkMatchCase->setChecked(true);
    QTest::mouseClick(dialog->CmdReplaceAll, Qt::LeftButton);
    QCOMPARE(form.Unit().MainText.Text(), std::string("ba A bba"));
    QVERIFY(fx.boxes.shown.empty());
    form.Unit().MainText.Undo();  // one step per press
    QCOMPARE(form.Unit().MainText.Text(), std::string("a A ba"));
    QTest::mouseClick(dialog->CmdCancel, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
}

void FindDialogsTest::theOpenWindowTakesTheKeyboard_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Find") << Qt::Key_F;
    QTest::newRow("Replace") << Qt::Key_H;
}

void FindDialogsTest::theOpenWindowTakesTheKeyboard() {
    QFETCH(Qt::Key, key);
    testing::MainWindowFixture fx;
    TForm1& form = fx.Create();
    form.show();
    EditorModel& text = form.Unit().MainText;
    text.SetText("cat cat cat");
    QDialog* dialog = key == Qt::Key_F ? static_cast<QDialog*>(form.DialogFind) : form.DialogReplace;
    QLineEdit* findWhat = key == Qt::Key_F ? form.DialogFind->TxtFind : form.DialogReplace->TxtFind;
    QWidget* elsewhere = key == Qt::Key_F ? static_cast<QWidget*>(form.DialogFind->ChkMatchCase)
                                          : form.DialogReplace->TxtReplace;
    // Opened, and opened again after the focus was left in another box: typing goes to
    // "Find what" over its text, and each Enter finds the next hit, typing nothing.
    for (const char* typed : {"cat", "ca"}) {
        QTRY_COMPARE(QApplication::activeWindow(), &form);
        text.SetSelStart(0);
        QTest::keyClick(form.MainText(), key, Qt::ControlModifier);
        QTRY_COMPARE(QApplication::activeWindow(), dialog);
        QCOMPARE(QApplication::focusWidget(), findWhat);
        QTest::keyClicks(findWhat, typed);
        QCOMPARE(findWhat->text(), QString(typed));
        for (int enter = 0; enter < 2; ++enter) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCoreApplication::processEvents();  // a change of the active window
        }
        QCOMPARE(text.Text(), std::string("cat cat cat"));
        QCOMPARE(text.SelStart(), 4);
        QCOMPARE(QApplication::activeWindow(), dialog);
        elsewhere->setFocus();
        QTest::keyClick(elsewhere, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        form.activateWindow();
    }
}

QTEST_MAIN(FindDialogsTest)
#include "FindDialogsTest.moc"

#include "support/UiTestSupport.h"

#include "fakes/TempDir.h"
#include "run/ui/vbsrun.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace tarnwick;

class RunOptionsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void designState();
    void clicksSpaceAndKeysEachFlipOneTickAndRebuild();
    void hostChoiceAndManualEdit();
    void explanationsUnderTheMouse();
    void defaultCheckBoxStoresTheTemplateOfItsClick();

private:
    QListWidget* List() const { return form2->LstOptions; }
    void ClickRow(int row) {
        List()->scrollToItem(List()->item(row));
        QWidget* viewport = List()->viewport();
        const QPoint at = List()->visualItemRect(List()->item(row)).center();
        MoveOver(viewport, at);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    }
    static void MoveOver(QWidget* widget, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
        QCoreApplication::sendEvent(widget, &move);
    }
    QString Template() const { return form2->LblParameter->text(); }

    std::unique_ptr<testing::MainWindowFixture> fx;
    std::unique_ptr<TForm2> form2;
};

void RunOptionsWindowTest::init() {
    fx = std::make_unique<testing::MainWindowFixture>();
    TForm1& form = fx->Create();
    form2 = std::make_unique<TForm2>(form, &form);
    form2->show();
    QVERIFY(QTest::qWaitForWindowExposed(form2.get()));
}

void RunOptionsWindowTest::cleanup() {
    form2.reset();
    fx.reset();
}

void RunOptionsWindowTest::designState() {
    QCOMPARE(form2->windowTitle(), QString("Run Options"));
    QCOMPARE(form2->size(), QSize(366, 247));
    QCOMPARE(form2->pos(), QPoint(287, 302));
    QCOMPARE(form2->CmbOptions->currentText(), QString("wscript"));
    QVERIFY(form2->CmbOptions->isEditable());
    QStringList items;
    for (int i = 0; i < List()->count(); ++i) {
        items << List()->item(i)->text();
        QCOMPARE(List()->item(i)->checkState(), Qt::Unchecked);
    }
    QCOMPARE(items, QStringList({"//?", "//B", "//D", "//E:engine", "//H:CScript ", "//H:Wscript", "//I",
                                 "//Job:<JobID>", "//logo", "//nologo", "//S", "//T:nn", "//U"}));
    QCOMPARE(Template(), QString("wscript [FilePath]"));
    QVERIFY(!form2->LblParameter->isReadOnly());
    QVERIFY(!form2->ChkDefault->isChecked());
    QCOMPARE(form2->LblParameter->geometry(), QRect(0, 232, 369, 20));
    QCOMPARE(form2->CmdExecute->geometry(), QRect(200, 200, 73, 25));
    QCOMPARE(form2->LblInfo->font().family(), QString("Verdana"));
    QCOMPARE(form2->CmdClose->font().family(), QString("Tahoma"));

    // Close only hides; the next showing finds everything as it was left.
    ClickRow(1);
    QTest::mouseClick(form2->CmdClose, Qt::LeftButton);
    QVERIFY(!form2->isVisible());
    form2->show();
    QCOMPARE(List()->item(1)->checkState(), Qt::Checked);
    QCOMPARE(Template(), QString(" wscript  //B [FilePath]"));
}

void RunOptionsWindowTest::clicksSpaceAndKeysEachFlipOneTickAndRebuild() {
    // A click on the check mark flips like a click on the text.
    QWidget* viewport = List()->viewport();
    const QRect row4 = List()->visualItemRect(List()->item(4));
    MoveOver(viewport, QPoint(row4.left() + 8, row4.center().y()));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(row4.left() + 8, row4.center().y()));
    QCOMPARE(List()->item(4)->checkState(), Qt::Checked);
    QCOMPARE(Template(), QString(" wscript  //H:CScript  [FilePath]"));

    ClickRow(9);
    QCOMPARE(Template(), QString(" wscript  //H:CScript  //nologo [FilePath]"));
    ClickRow(4);
    QCOMPARE(Template(), QString(" wscript  //nologo [FilePath]"));

    // Space flips the selected row at once; moving the selection flips the row moved to.
    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_Space);
    QCOMPARE(Template(), QString(" wscript  //H:CScript  //nologo [FilePath]"));
    QTest::keyClick(List(), Qt::Key_Down);
    QCOMPARE(List()->currentRow(), 5);
    QCOMPARE(Template(), QString(" wscript  //H:CScript  //H:Wscript //nologo [FilePath]"));
    QTest::keyClick(List(), Qt::Key_Slash);  // a typed character moves the selection too
    QCOMPARE(List()->currentRow(), 6);
    QCOMPARE(Template(), QString(" wscript  //H:CScript  //H:Wscript //I //nologo [FilePath]"));
}

void RunOptionsWindowTest::hostChoiceAndManualEdit() {
    ClickRow(4);
    // What choosing a host in the drop-down runs.
    auto choose = [this](int index) {
        form2->CmbOptions->setCurrentIndex(index);
        emit form2->CmbOptions->activated(index);
    };
    choose(0);
    QCOMPARE(Template(), QString(" cscript  //H:CScript  [FilePath]"));
    choose(1);
    QCOMPARE(Template(), QString(" wscript  //H:CScript  [FilePath]"));
    choose(1);
    QCOMPARE(Template(), QString(" wscript  //H:wscript  [FilePath]"));
    // A typed host is used as typed: Enter in the box chooses nothing from the list.
    QLineEdit* typed = form2->CmbOptions->lineEdit();
    typed->selectAll();
    QTest::keyClicks(typed, "CSCRIPT");
    QTest::keyClick(typed, Qt::Key_Return);
    QCOMPARE(form2->CmbOptions->currentText(), QString("CSCRIPT"));
    QCOMPARE(Template(), QString(" wscript  //H:wscript  [FilePath]"));
    ClickRow(4);
    QCOMPARE(Template(), QString(" CSCRIPT  [FilePath]"));
    ClickRow(4);
    choose(1);

    QTest::mouseClick(form2->CmdManual, Qt::LeftButton);
    QVERIFY(form2->LblParameter->hasFocus());
    QCOMPARE(form2->LblParameter->selectedText(), Template());
    QTest::keyClicks(form2->LblParameter, "cscript //T:10 [FilePath]");
    QTest::keyClick(form2->LblParameter, Qt::Key_Return);
    QVERIFY(form2->LblParameter->isReadOnly());
    QVERIFY(form2->CmdManual->hasFocus());
    QCOMPARE(Template(), QString("cscript //T:10 [FilePath]"));

    // The next click on the list rebuilds the template; the hand edit is lost.
    ClickRow(0);
    QCOMPARE(Template(), QString(" wscript  //? //H:CScript  [FilePath]"));
    QVERIFY(form2->LblParameter->isReadOnly());

    // Escape leaves a manual edit too; Execute runs what the box holds.
    QTest::mouseClick(form2->CmdManual, Qt::LeftButton);
    QTest::keyClicks(form2->LblParameter, "/bin/true [FilePath]");
    QTest::keyClick(form2->LblParameter, Qt::Key_Escape);
    QVERIFY(form2->LblParameter->isReadOnly());
    fx->form->Unit().MainText.SetText("WScript.Echo 1");
    QTest::mouseClick(form2->CmdExecute, Qt::LeftButton);
    QVERIFY(fx->boxes.shown.empty());
    QCOMPARE(testing::TempDir::Read(fx->form->ScratchScriptPath()), std::string("WScript.Echo 1\r\n"));
    QVERIFY(fx->form->StatusPanel0->text().startsWith("Started: /bin/true  \""));
    QVERIFY(form2->isVisible());
}

void RunOptionsWindowTest::explanationsUnderTheMouse() {
    MoveOver(List()->viewport(), List()->visualItemRect(List()->item(2)).center());
    QCOMPARE(List()->currentRow(), 2);
    QCOMPARE(form2->LblInfo->toPlainText(), QString("Turns on the debugger."));
    // Below the last item no item is chosen and nothing is explained.
    List()->setFixedHeight(400);
    MoveOver(List()->viewport(), QPoint(10, List()->viewport()->height() - 2));
    QVERIFY(List()->selectedItems().isEmpty());
    QCOMPARE(form2->LblInfo->toPlainText(), QString());
    MoveOver(form2->ChkDefault, QPoint(5, 5));
    QVERIFY(form2->LblInfo->toPlainText().startsWith("Make this options the default setting."));
}

void RunOptionsWindowTest::defaultCheckBoxStoresTheTemplateOfItsClick() {
    ClickRow(1);
    QTest::mouseClick(form2->ChkDefault, Qt::LeftButton);
    ClickRow(9);  // changes after the tick are not stored
    auto stored = [this] { return fx->Store().OpenReadOnly()->ReadString("RunDefault").value_or("<missing>"); };
    QCOMPARE(stored(), std::string(" wscript  //B [FilePath]"));
    QTest::mouseClick(form2->ChkDefault, Qt::LeftButton);
    QCOMPARE(stored(), std::string());

    // F5 and the Run button with nothing stored say so, then show this window.
    fx->form->SetSecondaryWindows(form2.get(), nullptr, nullptr);
    for (const char* command : {"mRunDefault", "bRun"}) {
        form2->hide();
        fx->form->Action(command)->trigger();
        QVERIFY(form2->isVisible());
    }
    QCOMPARE(fx->boxes.Texts(fakes::FakeBoxes::Kind::Error),
             std::vector<std::string>(2, "No default parameters specified in the Run Dialog"));
}

QTEST_MAIN(RunOptionsWindowTest)
#include "RunOptionsWindowTest.moc"

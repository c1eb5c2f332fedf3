#include "app/ui/QtPorts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using namespace tarnwick;

namespace {

// Runs check on the next modal box to open, then lets it go the given way.
void OnNextBox(std::function<void(QMessageBox*)> act) {
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        act(box);
    });
}

}  // namespace

class QtPortsTest : public QObject {
    Q_OBJECT
private slots:
    void filtersBecomeQtNameFilters();
    void codePageRoundTrip();
    void confirmAnswers_data();
    void confirmAnswers();
    void applicationErrorBox();
    void informationBoxCarriesItsButton();
};

void QtPortsTest::filtersBecomeQtNameFilters() {
    QCOMPARE(QtNameFilters("All Files|*.*|Text Files|*.txt|VBS Files|*.vbs"),
             QString("All Files (*);;Text Files (*.txt);;VBS Files (*.vbs)"));
    QCOMPARE(QtNameFilters("Visual Basic Script File (*.vbs)|*.vbs|Text File (*.txt)|*.txt"),
             QString("Visual Basic Script File (*.vbs);;Text File (*.txt)"));
}

void QtPortsTest::codePageRoundTrip() {
    std::string every;
    for (int b = 0; b < 256; ++b) every.push_back(char(b));
    QCOMPARE(ToAnsi(FromAnsi(every)), every);
    QCOMPARE(FromAnsi("\x80"), QString(QChar(0x20AC)));
    QCOMPARE(ToAnsi(QString::fromUcs4(U"a\u263Ab")), std::string("a?b"));
}

void QtPortsTest::confirmAnswers_data() {
    QTest::addColumn<int>("button");  // 0: the box is closed
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes") << int(QMessageBox::Yes) << int(Answer::Yes);
    QTest::newRow("No") << int(QMessageBox::No) << int(Answer::No);
    QTest::newRow("Cancel") << int(QMessageBox::Cancel) << int(Answer::Cancel);
    QTest::newRow("closed") << 0 << int(Answer::Cancel);
}

void QtPortsTest::confirmAnswers() {
    QFETCH(int, button);
    QFETCH(int, answer);
    QtMessageBoxes boxes(nullptr);
    OnNextBox([button](QMessageBox* box) {
        QCOMPARE(box->windowTitle(), QString("Confirm"));
        QCOMPARE(box->text(), QString("Save the changes to this document?"));
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (button == 0) box->close();
        else box->button(QMessageBox::StandardButton(button))->click();
    });
    QCOMPARE(int(boxes.Confirm("Save the changes to this document?")), answer);
}

void QtPortsTest::applicationErrorBox() {
    QtMessageBoxes boxes(nullptr);
    OnNextBox([](QMessageBox* box) {
        QCOMPARE(box->windowTitle(), QString("Tarnwick"));
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box->text(), QString::fromUtf8("Cannot open file \"/tmp/\xC3\xA9.vbs\". No such file or directory."));
        box->accept();
    });
    boxes.ApplicationError("Cannot open file \"/tmp/\xC3\xA9.vbs\". No such file or directory.");
}

void QtPortsTest::informationBoxCarriesItsButton() {
    QtMessageBoxes boxes(nullptr);
    OnNextBox([](QMessageBox* box) {
        QCOMPARE(box->windowTitle(), QString("Information"));
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->buttons().first()->text(), QString("&Yes"));
        box->buttons().first()->click();
    });
    boxes.Information("Search completed with no results!", BoxButton::Yes);
}

QTEST_MAIN(QtPortsTest)
#include "QtPortsTest.moc"

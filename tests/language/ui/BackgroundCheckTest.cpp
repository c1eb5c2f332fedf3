// The check on its own thread, driven through the editor model: its marks
// must be those of a check of the text as it is at the end, however the text
// reached the thread (whole, in pieces, or edited while the pieces travel).
#include "editor/EditorModel.h"
#include "language/ui/BackgroundCheck.h"

#include <QTest>
#include <QThread>

using namespace tarnwick;
using namespace tarnwick::language;

namespace {

// Valid lines to about `bytes`, then `tail`.
std::string Script(std::size_t bytes, const std::string& tail) {
    std::string text;
    while (text.size() < bytes) text += "x = x + 1 ' a line of the script\r\n";
    return text + tail;
}

}  // namespace

class BackgroundCheckTest : public QObject {
    Q_OBJECT
private slots:
    void MarksMatchTheTextAtTheEnd_data() {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<bool>("editWhileCopying");
        QTest::newRow("one piece") << 100 << false;
        QTest::newRow("several pieces") << 3 * BackgroundCheck::kCopyPiece << false;
        QTest::newRow("edited while the pieces travel") << 3 * BackgroundCheck::kCopyPiece << true;
    }

    void MarksMatchTheTextAtTheEnd() {
        QFETCH(int, bytes);
        QFETCH(bool, editWhileCopying);
        EditorModel model;
        BackgroundCheck check(model, [] { return TextForm::Ansi; });
        SyntaxMarks marks;
        int results = 0;
        check.OnChecked = [&](SyntaxMarks& fresh) {
            std::swap(marks, fresh);
            ++results;
        };
        model.SetText(Script(static_cast<std::size_t>(bytes), "@\r\n"));
        check.CheckSoon();
        if (editWhileCopying) {
            // Past the pause the copy starts; the edit lands before its last piece.
            QThread::msleep(BackgroundCheck::kPauseMs + 50);
            QCoreApplication::processEvents();
            model.SetSelStart(0);
            model.SetSelText("@");
        }
        QTRY_VERIFY_WITH_TIMEOUT(results > 0 && !check.Pending(), 10000);
        const std::vector<Diagnostic> expected = CheckScript(model.Text(), TextForm::Ansi);
        QCOMPARE(marks.All().size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(marks.All()[i].offset, expected[i].offset);
            QCOMPARE(marks.All()[i].text, expected[i].text);
        }
    }
};

QTEST_MAIN(BackgroundCheckTest)
#include "BackgroundCheckTest.moc"

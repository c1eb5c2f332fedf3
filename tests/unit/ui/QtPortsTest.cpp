#include "completion/CompletionTestSupport.h"
#include "run/ui/PrivateFolder.h"
#include "unit/Error.h"
#include "unit/ui/QtPorts.h"
#include "window/ui/VirtualKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

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
    void aDialogsChoiceKeepsTheNamesBytes();
    void aPrivateFolderIsTheUsersAlone();
    void codePageRoundTrip();
    void confirmAnswers_data();
    void confirmAnswers();
    void applicationErrorBox();
    void informationBoxCarriesItsButton();
    void virtualKeysOfQtKeys();
    void theCoreTestsTypeWithTheRealKeys();
};

void QtPortsTest::filtersBecomeQtNameFilters() {
    QCOMPARE(QtNameFilters("All Files|*.*|Text Files|*.txt|VBS Files|*.vbs"),
             QString("All Files (*);;Text Files (*.txt);;VBS Files (*.vbs)"));
    QCOMPARE(QtNameFilters("Visual Basic Script File (*.vbs)|*.vbs|Text File (*.txt)|*.txt"),
             QString("Visual Basic Script File (*.vbs);;Text File (*.txt)"));
}

// Dialogs show a byte that is no UTF-8 as a replacement mark: the chosen path
// is found again by the folder's own names.
void QtPortsTest::aDialogsChoiceKeepsTheNamesBytes() {
    QTemporaryDir dir;
    const std::string root = ToPath(dir.path()) + "/";
    const auto removed = qScopeGuard([&] { std::filesystem::remove_all(root); });  // Qt cannot name them
    std::filesystem::create_directory(root + "d\xe9");
    for (const char* name : {"caf\xe9.vbs", "x\xe9.vbs", "x\xe8.vbs"}) std::ofstream(root + name) << "x";
    const QString mark = QChar(QChar::ReplacementCharacter);
    const struct {
        const char* name;
        QString chosen;
        std::string expected;  // empty: refused
    } rows[] = {
        {"a Latin-1 byte found again", "caf" + mark + ".vbs", "caf\xe9.vbs"},
        {"a new name in a folder found again", "d" + mark + "/new.vbs", "d\xe9/new.vbs"},
        {"a new name with the mark itself", "new" + mark + ".vbs", "new\xef\xbf\xbd.vbs"},
        {"two names alike refused", "x" + mark + ".vbs", ""},
    };
    for (const auto& row : rows) {
        std::string got;
        try {
            got = ChosenPath(dir.path() + "/" + row.chosen).substr(root.size());
        } catch (const Error&) {
        }
        QVERIFY2(got == row.expected, row.name);
    }
}

// Where the scratch script goes when the executable's folder is read-only.
void QtPortsTest::aPrivateFolderIsTheUsersAlone() {
#ifndef _WIN32
    namespace fs = std::filesystem;
    QTemporaryDir dir;
    const struct {
        const char* name;
        int plant;
        std::string reason;
    } rows[] = {{"new, with its parents", 0, ""}, {"ours, open to others", 1, ""},
                {"a link in its place", 2, "A symbolic link stands in its place"},
                {"another user's", 3, "It belongs to another user"}};
    for (const auto& row : rows) {
        const std::string folder = ToPath(dir.filePath(row.name)) + "/tarnwick";
        if (row.plant) fs::create_directories(row.plant == 2 ? ToPath(dir.filePath(row.name)) : folder);
        if (row.plant == 1) fs::permissions(folder, fs::perms(0755));
        if (row.plant == 2) fs::create_directory_symlink(ToPath(dir.path()), folder);
        if (row.plant == 3 && ::chown(folder.c_str(), 65534, 65534) != 0) continue;  // the superuser's alone
        QVERIFY2(PreparePrivateFolder(folder) == row.reason, row.name);
        struct stat status {};
        QVERIFY2(!row.reason.empty() || (::stat(folder.c_str(), &status) == 0 && (status.st_mode & 0777) == 0700),
                 row.name);
    }
#endif
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

    // A megabyte would take the box most of a minute to lay out: it keeps its start and end.
    OnNextBox([](QMessageBox* box) {
        QCOMPARE(box->text(), "Cannot start \"" + QString(2486, 'x') + QChar(0x2026) + QString(2471, 'x') +
                                  "\". The program was not found.");
        box->accept();
    });
    boxes.ApplicationError("Cannot start \"" + std::string(1 << 20, 'x') + "\". The program was not found.");
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

void QtPortsTest::virtualKeysOfQtKeys() {
    // Without a physical key (no scan code), as a US keyboard gives them.
    const std::pair<int, int> rows[] = {
        {Qt::Key_Backspace, 8},   {Qt::Key_Tab, 9},         {Qt::Key_Backtab, 9},       {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},      {Qt::Key_Shift, 16},      {Qt::Key_Control, 17},      {Qt::Key_Alt, 18},
        {Qt::Key_Escape, 27},     {Qt::Key_Space, 32},      {Qt::Key_PageUp, 33},       {Qt::Key_PageDown, 34},
        {Qt::Key_End, 35},        {Qt::Key_Home, 36},       {Qt::Key_Left, 37},         {Qt::Key_Up, 38},
        {Qt::Key_Right, 39},      {Qt::Key_Down, 40},       {Qt::Key_Insert, 45},       {Qt::Key_Delete, 46},
        {Qt::Key_0, 48},          {Qt::Key_9, 57},          {Qt::Key_A, 65},            {Qt::Key_Z, 90},
        {Qt::Key_F1, 112},        {Qt::Key_F12, 123},       {Qt::Key_Semicolon, 186},   {Qt::Key_Colon, 186},
        {Qt::Key_Equal, 187},     {Qt::Key_Plus, 187},      {Qt::Key_Comma, 188},       {Qt::Key_Less, 188},
        {Qt::Key_Minus, 189},     {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},     {Qt::Key_Greater, 190},
        {Qt::Key_Slash, 191},     {Qt::Key_Question, 191},  {Qt::Key_QuoteLeft, 192},   {Qt::Key_AsciiTilde, 192},
        {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
        {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222},
        {Qt::Key_Exclam, '1'},    {Qt::Key_At, '2'},        {Qt::Key_NumberSign, '3'},  {Qt::Key_Dollar, '4'},
        {Qt::Key_Percent, '5'},   {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'}, {Qt::Key_Asterisk, '8'},
        {Qt::Key_ParenLeft, '9'}, {Qt::Key_ParenRight, '0'}, {Qt::Key_Launch0, 0},
    };
    for (const auto& [key, virtualKey] : rows) {
        const QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, 0, 0, 0);
        QVERIFY2(VirtualKeyOf(event, false) == virtualKey, qPrintable(QString::number(key, 16)));
    }
    QVERIFY(ModifiersOf(QKeyEvent(QEvent::KeyPress, Qt::Key_Backtab, Qt::NoModifier)).Shift);
}

void QtPortsTest::theCoreTestsTypeWithTheRealKeys() {
    // Each character the core tests type, as Qt reports its key on a US keyboard.
    for (const char c : std::string("azAZ09\n\b\t .>()%'\"=,:_")) {
        const testing::TypedKey typed = testing::KeyFor(c);
        const int key = c >= 'a' && c <= 'z' ? c - 'a' + 'A'
                        : c == '\n'          ? int(Qt::Key_Return)
                        : c == '\b'          ? int(Qt::Key_Backspace)
                        : c == '\t'          ? int(Qt::Key_Tab)
                                             : c;
        const QKeyEvent event(QEvent::KeyPress, key, typed.modifiers.Shift ? Qt::ShiftModifier : Qt::NoModifier);
        QVERIFY2(VirtualKeyOf(event, false) == typed.code, std::string(1, c).c_str());
    }
}

QTEST_MAIN(QtPortsTest)
#include "QtPortsTest.moc"

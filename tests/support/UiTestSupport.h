#pragma once

#include "documents/ui/QtFileWriter.h"
#include "fakes/FakeBoxes.h"
#include "fakes/FakeDialogs.h"
#include "settings/FileSettingsStore.h"
#include "unit/ui/QtPorts.h"
#include "window/ui/EditorWidget.h"
#include "window/ui/vbsmain.h"

#include <QListWidget>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <memory>

namespace tarnwick::testing {

inline constexpr const char* kFsoLine = "Set fso = CreateObject(\"Scripting.FileSystemObject\")";

// A main window whose settings live in a temporary XDG_CONFIG_HOME and whose
// boxes and dialogs are answered by fakes. Its scratch script, beside the test's
// executable, goes with it.
struct MainWindowFixture {
    QTemporaryDir config;
    fakes::FakeBoxes boxes;
    fakes::FakeDialogs dialogs;
    std::unique_ptr<TForm1> form;

    MainWindowFixture() { qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit()); }
    ~MainWindowFixture() {
        if (!form) return;
        const QString scratch = FromPath(form->ScratchScriptPath());
        form.reset();
        QFile::remove(scratch);
    }
    MainWindowFixture(const MainWindowFixture&) = delete;
    MainWindowFixture& operator=(const MainWindowFixture&) = delete;

    // The settings file the window reads and writes.
    FileSettingsStore Store() const {
        static QtFileWriter writer;
        return FileSettingsStore(FileSettingsStore::DefaultPath(), writer);
    }

    void WriteSettings(std::initializer_list<std::pair<const char*, const char*>> values) {
        FileSettingsStore store = Store();
        auto key = store.OpenForWriting();
        QVERIFY(key);
        for (const auto& [name, value] : values) QVERIFY(key->WriteString(name, value));
    }

    TForm1& Create() {
        form = std::make_unique<TForm1>();
        form->Unit().Boxes = &boxes;
        form->Unit().Dialogs = &dialogs;
        return *form;
    }
};

// A shown main window, the focus in its editor, coloured with colours of the test's own.
struct ShownWindow : MainWindowFixture {
    ColourSettings colours{};
    EditorWidget* editor = nullptr;

    TForm1& Open() {
        TForm1& window = Create();
        window.Unit().Colours = &colours;
        window.show();
        if (!QTest::qWaitForWindowActive(&window)) qWarning("the window did not become active");
        editor = window.MainText();
        editor->setFocus();
        return window;
    }
    const std::string& Text() const { return form->Unit().MainText.Text(); }
    void Keys(Qt::Key key, int times, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        for (int i = 0; i < times; ++i) QTest::keyClick(editor, key, mods);
    }
    void TypeLine(const QString& text) {
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }
    // Scrolls the completion list to the row of that name and clicks it. The
    // platform delivers a double click as this click and then DoubleClickRow.
    bool ClickRow(const QString& name) { return MouseOnRow(name, false); }
    bool DoubleClickRow(const QString& name) { return MouseOnRow(name, true); }

private:
    bool MouseOnRow(const QString& name, bool twice) {
        const QList<QListWidgetItem*> found = form->Lst->findItems(name, Qt::MatchExactly);
        if (found.isEmpty()) return false;
        form->Lst->scrollToItem(found.first());
        const QPoint centre = form->Lst->visualItemRect(found.first()).center();
        if (twice) QTest::mouseDClick(form->Lst->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        else QTest::mouseClick(form->Lst->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        return true;
    }
};

// Drops the files on the target as the shell does: enter, then drop.
inline void DropUrls(QWidget& target, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &drop);
    QCoreApplication::processEvents();  // the window opens them once the drop is over
}

inline void DropFiles(QWidget& target, const QStringList& paths) {
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    DropUrls(target, urls);
}

}  // namespace tarnwick::testing

#pragma once

#include "app/FileSettingsStore.h"
#include "app/ui/EditorWidget.h"
#include "app/ui/QtFileWriter.h"
#include "app/ui/vbsmain.h"
#include "fakes/FakeBoxes.h"
#include "fakes/FakeDialogs.h"

#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <memory>

namespace tarnwick::testing {

// A main window whose settings live in a temporary XDG_CONFIG_HOME and whose
// boxes and dialogs are answered by fakes.
struct MainWindowFixture {
    QTemporaryDir config;
    fakes::FakeBoxes boxes;
    fakes::FakeDialogs dialogs;
    std::unique_ptr<TForm1> form;

    MainWindowFixture() { qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit()); }

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
};

// Drops the files on the target as the shell does: enter, then drop.
inline void DropFiles(QWidget& target, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &drop);
}

}  // namespace tarnwick::testing

#pragma once

#include "completion/EditorTracker.h"
#include "completion/ParameterTip.h"
#include "syntax/SyntaxTable.h"
#include "unit/MainUnit.h"
#include "unit/Ports.h"

#include <memory>
#include <string>
#include <vector>

namespace tarnwick::testing {

class FakeCursor : public MouseCursor {
public:
    void ShowWait() override { ++waits; waiting = true; }
    void Restore() override { waiting = false; }
    int waits = 0;
    bool waiting = false;
};

// The caret stands 8 pixels wide per column and 16 high per line.
class FakeGeometry : public ViewGeometry {
public:
    explicit FakeGeometry(const EditorModel& model) : model_(model) {}
    Point CaretPixelPosition() const override {
        const int line = model_.LineFromChar(model_.SelStart());
        const int column = model_.SelStart() - model_.LineIndex(line);
        return {4 + 8 * column, 2 + 16 * (line - model_.FirstVisibleLine())};
    }
    int VisibleLineCount() const override { return 30; }

private:
    const EditorModel& model_;
};

// Six pixels per character.
class FakeMeasure : public TipTextMeasure {
public:
    int TextWidth(const std::string& text) const override { return 6 * static_cast<int>(text.size()); }
};

inline TColorCoding Entry(std::string name, std::string typeA, std::string typeB = "", std::string parameter = "") {
    return {std::move(name), std::move(typeA), std::move(typeB), std::move(parameter)};
}

// A small table with members of every type the typing rules give, in no
// particular order, and a few global words with parameter texts.
inline SyntaxEntries SmallSyntaxTable() {
    return {
        Entry("Set", "Statement"),
        Entry("Dim", "Statement"),
        Entry("CreateObject", "Function", "", "CreateObject(servername.typename [, location])"),
        Entry("MsgBox", "Function", "", "MsgBox(prompt[, buttons][, title])"),
        Entry("Left", "Function", "", "Left(string, length)"),
        Entry("Echo", "Wscript", "Function", "Echo(arg1, arg2, ...)"),
        Entry("CreateObject", "Wscript", "Function"),
        Entry("Arguments", "Wscript", "Property"),
        Entry("Quit", "Wscript", "Function"),
        Entry("Sleep", "Wscript", "Function", "Sleep(time)"),
        Entry("ScriptName", "Wscript", "Property"),
        Entry("GetFile", "FSO", "Function", "GetFile(filespec)"),
        Entry("CreateTextFile", "FSO", "Function", "CreateTextFile(filename[, overwrite[, unicode]])"),
        Entry("CreateFolder", "FSO", "Function"),
        Entry("Drives", "FSO", "Property"),
        Entry("FileExists", "FSO", "Function"),
        Entry("OpenTextFile", "FSO", "Function"),
        Entry("WriteLine", "FSO.File", "Function"),
        Entry("Close", "FSO.File", "Function"),
        Entry("Files", "FSO.Folder", "Property"),
        Entry("FreeSpace", "FSO.Drive", "Property"),
        Entry("Run", "WshShell", "Function"),
        Entry("RegRead", "WshShell", "Function"),
        Entry("TargetPath", "WshShell.Shortcut", "Property"),
        Entry("StdOut", "WshShell.Exec", "Property"),
        Entry("UserName", "WshNetwork", "Property"),
        Entry("Count", "Collection", "Property"),
    };
}

// A unit with fakes attached; the text is set and the caret placed after it.
struct TestUnit {
    TestUnit() : geometry(unit.MainText) {
        unit.MainText.SetViewGeometry(&geometry);
        unit.Cursor = &cursor;
        unit.SyntaxTable = SmallSyntaxTable();
    }
    explicit TestUnit(const std::string& text) : TestUnit() {
        unit.MainText.SetText(text);
        unit.MainText.SetSelStart(unit.MainText.Length());
    }
    MainUnit unit;
    FakeGeometry geometry;
    FakeCursor cursor;
};

// The key a character is typed with on a US layout, as the widget reports it.
struct TypedKey {
    int code = 0;
    KeyModifiers modifiers;
    char ch = 0;  // what the character event delivers
};

inline TypedKey KeyFor(char c) {
    TypedKey k;
    k.ch = c;
    auto shifted = [&](int code) { k.code = code; k.modifiers.Shift = true; };
    if (c >= 'a' && c <= 'z') k.code = c - 'a' + 'A';
    else if (c >= 'A' && c <= 'Z') shifted(c);
    else if (c >= '0' && c <= '9') k.code = c;
    else switch (c) {
        case '\n': k.code = Key::Enter; k.ch = '\r'; break;
        case '\b': k.code = Key::Backspace; break;
        case '\t': k.code = Key::Tab; break;
        case ' ': k.code = Key::Space; break;
        case '.': k.code = Key::Period; break;
        case '>': shifted(Key::Period); break;
        case '(': shifted(Key::Nine); break;
        case ')': shifted(48); break;
        case '%': shifted(53); break;
        case '\'': k.code = Key::Quote; break;
        case '"': shifted(Key::Quote); break;
        case '=': k.code = 187; break;
        case ',': k.code = 188; break;
        case ':': shifted(186); break;
        case '_': shifted(189); break;
        default: k.code = 0; break;
    }
    return k;
}

// Types the keys as the editor widget does: key down, then (unless consumed)
// the character and the model's insertion, then key up.
inline void TypeKeys(EditorTracker& tracker, EditorModel& editor, const std::string& keys) {
    for (char c : keys) {
        const TypedKey k = KeyFor(c);
        if (!tracker.MainTextKeyDown(k.code, k.modifiers)) {
            const char typed = tracker.MainTextKeyPress(k.ch);
            if (typed == '\r')
                editor.TypeText("\r\n");
            else if (typed == '\b')
                editor.DeleteBackward();
            else if (typed != 0)
                editor.TypeText(std::string(1, typed));
        }
        tracker.MainTextKeyUp(k.code, k.modifiers);
    }
}

}  // namespace tarnwick::testing

// The text operations on a random document with random selections, as the
// editor widget and the menus drive them: caret moves, typing (with the
// typing pass, the completion list and its acceptance), line colouring,
// whole-document colouring, comment, uncomment, indent, outdent, cut, paste,
// Replace All, undo and redo. After every step the model holds together, the
// selection lies inside the document and Busy is clear; at the end, undo back
// to the start gives the first text and colours, and redo the last ones.
#include "commands/ClipboardCommands.h"
#include "commands/CommentCommands.h"
#include "commands/FindReplace.h"
#include "commands/IndentCommands.h"
#include "completion/EditorTracker.h"
#include "editor/CaretPrimitives.h"
#include "syntax/ColorText.h"
#include "syntax/DocumentColouring.h"
#include "tests/completion/CompletionTestSupport.h"
#include "tests/fakes/FakeBoxes.h"
#include "tests/fakes/FakeClipboard.h"
#include "tests/fuzz/FuzzCheck.h"
#include "unit/MainUnit.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

using namespace tarnwick;

namespace {

// Pieces of script the documents and typed texts are made of, so that the
// colouring, the typing rules and the comment marks all get something to do.
const char* const kPieces[] = {
    "Dim ", "x", "y", "=", " = ", "\r\n", "\n", "\r", "'", "rem ", "REM", "\"", ".", "(", ")", " ", "\t", "<", ">",
    "    ", ",", ":", "_", "\\", "{", "}", "\xE9", "\x01", "0", "If ", " Then", "MsgBox ", "msgbox(", "dim",
    "set fso = createobject(\"scripting.filesystemobject\")", "fso.", "wscript.", "WScript.Arguments",
    "Set sh = WScript.CreateObject(\"WScript.Shell\")", "sh.", "set f = fso.GetFile(x)", "f.", "\\par ", "\\cf1",
};

std::string Script(FuzzedDataProvider& in, int maxPieces) {
    std::string text;
    const int pieces = in.ConsumeIntegralInRange(0, maxPieces);
    for (int i = 0; i < pieces && in.remaining_bytes() > 0; ++i) {
        const auto byte = in.ConsumeIntegral<std::uint8_t>();
        if (byte < std::size(kPieces))
            text += kPieces[byte];
        else
            text += static_cast<char>(byte);
    }
    return text;
}

// The text and every character's colour and role, read through the model's public reading calls.
struct Snapshot {
    std::string text;
    std::vector<Colour> colours;
    std::vector<ColourRole> roles;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const EditorModel& m) {
    Snapshot s{std::string(m.Text()), m.Colours(), {}};
    for (int i = 0; i < m.Length(); ++i) s.roles.push_back(m.RoleAt(i));
    return s;
}

void CheckState(const MainUnit& unit, const EditorTracker& tracker) {
    const EditorModel& m = unit.MainText;
    FUZZ_CHECK(m.Check());
    FUZZ_CHECK(m.Anchor() >= 0 && m.Anchor() <= m.Length());
    FUZZ_CHECK(m.CaretPos() >= 0 && m.CaretPos() <= m.Length());
    FUZZ_CHECK(m.SelStart() >= 0 && m.SelLength() >= 0 && m.SelStart() + m.SelLength() <= m.Length());
    FUZZ_CHECK(!unit.Busy);
    const CompletionList& list = tracker.Lst();
    FUZZ_CHECK(list.ItemIndex() >= -1 && list.ItemIndex() < static_cast<int>(list.Rows().size()));
    FUZZ_CHECK(!list.IsOpen() || !list.Rows().empty());
}

// With TARNWICK_FUZZ_TRACE set, each step is printed with the document after it, to replay a failure by hand.
void Trace(const char* what, int step, const EditorModel& m) {
    static const bool on = std::getenv("TARNWICK_FUZZ_TRACE") != nullptr;
    if (!on) return;
    std::fprintf(stderr, "%s %d: sel %d+%d text \"", what, step, m.SelStart(), m.SelLength());
    for (int i = 0; i < m.Length(); ++i) {
        const unsigned char c = static_cast<unsigned char>(m.Text()[i]);
        if (c >= 32 && c < 127 && c != '\\' && c != '"') std::fputc(c, stderr);
        else std::fprintf(stderr, "\\x%02x", c);
        if (m.ColourAt(i) != kWindowTextColour) std::fprintf(stderr, "{%x:%d}", m.ColourAt(i), static_cast<int>(m.RoleAt(i)));
    }
    std::fprintf(stderr, "\"\n");
}

int AnyPosition(FuzzedDataProvider& in, const EditorModel& m) { return in.ConsumeIntegralInRange(-2, m.Length() + 2); }
int AnyLine(FuzzedDataProvider& in, const EditorModel& m) { return in.ConsumeIntegralInRange(-1, m.BreakCount() + 3); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    testing::TestUnit t;
    MainUnit& unit = t.unit;
    EditorModel& m = unit.MainText;
    ColourSettings colours{0x000000FF, 0x00FF0000, 0x00008000};
    fakes::FakeClipboard clipboard;
    fakes::FakeBoxes boxes;
    unit.Colours = &colours;
    unit.ClipboardPort = &clipboard;
    unit.Boxes = &boxes;
    testing::FakeMeasure measure;
    std::optional<EditorTracker> tracker(std::in_place, unit, &measure);
    tracker->mCopyClick = [&] { mCopyClick(unit); };
    tracker->mCutClick = [&] { mCutClick(unit); };
    tracker->mPasteClick = [&] { mPasteClick(unit); };
    tracker->mIndentClick = [&] { mIndentClick(unit); };
    tracker->mOutdentClick = [&] { mOutdentClick(unit); };

    m.SetText(Script(in, 40));
    Snapshot start = Take(m);
    bool startColoursKept = true;
    FindReplaceDialogs dialogs;

    Trace("start", 0, m);
    for (int step = 0; step < 24 && in.remaining_bytes() > 0; ++step) {
        const int operation = in.ConsumeIntegralInRange(0, 16);
        switch (operation) {
        case 0: m.SetSelection(AnyPosition(in, m), AnyPosition(in, m)); break;
        case 1: m.SetSelStart(AnyPosition(in, m)); break;
        case 2: {  // Tidying a line a second time changes nothing.
            const int line = AnyLine(in, m);
            ColorText(unit, line);
            const Snapshot once = Take(m);
            ColorText(unit, line);
            FUZZ_CHECK(Take(m) == once);
            break;
        }
        case 3: {  // Colouring the whole document a second time changes nothing.
            // Under Busy, as opening a file colours it: the caret tracking stays out of it.
            unit.Busy = true;
            ColourWholeDocument(unit);
            const Snapshot once = Take(m);
            ColourWholeDocument(unit);
            FUZZ_CHECK(Take(m) == once);
            unit.Busy = false;
            break;
        }
        case 4: testing::TypeKeys(*tracker, m, Script(in, 6)); break;
        case 5: {
            static const char kKeys[] = "abcdefghijklmnopqrstuvwxyz.\n\b\t ()'\"=%,:_>DSMWF";
            std::string keys;
            for (int n = in.ConsumeIntegralInRange(1, 12); n > 0; --n)
                keys += kKeys[in.ConsumeIntegralInRange<std::size_t>(0, sizeof kKeys - 2)];
            testing::TypeKeys(*tracker, m, keys);
            break;
        }
        case 6: {
            CompletionList& list = tracker->Lst();
            switch (in.ConsumeIntegralInRange(0, 6)) {
            case 0: list.Next(); break;
            case 1: list.Previous(); break;
            case 2: list.LstKeyDown(in.PickValueInArray({Key::Backspace, Key::Enter, Key::Space, Key::Nine, Key::Quote})); break;
            case 3: list.LstDblClick(); break;
            case 4: list.Accept(); break;
            case 5: list.SetItemIndex(in.ConsumeIntegralInRange(-2, static_cast<int>(list.Rows().size()) + 1)); break;
            default: tracker->RunTypingPass(); break;
            }
            break;
        }
        case 7: mCommentClick(unit); break;
        case 8: mUncommentClick(unit); break;
        case 9: mIndentClick(unit); break;
        case 10: mOutdentClick(unit); break;
        case 11: clipboard.text = Script(in, 8); mPasteClick(unit); break;
        case 12: mCutClick(unit); break;
        case 13: {
            dialogs.replace = {Script(in, 3), Script(in, 3), in.ConsumeBool(), in.ConsumeBool()};
            FUZZ_CHECK(!DialogReplaceReplace(unit, dialogs, ReplaceButton::ReplaceAll));
            break;
        }
        case 14: m.Undo(); break;
        case 15: m.Redo(); break;
        default: in.ConsumeBool() ? m.DeleteBackward() : m.DeleteForward(); break;
        }
        Trace("operation", operation, m);
        CheckState(unit, *tracker);
        // With no history the document is where undo goes back to. Recolouring
        // joins the undo step before it; with none, no step keeps it, so once
        // undone steps wait for redo, undo gives back the colours they recorded.
        if (!m.CanUndo()) {
            const Snapshot now = Take(m);
            if (!m.CanRedo()) {
                start = now;
                startColoursKept = true;
            } else {
                FUZZ_CHECK(now.text == start.text);
                if (now != start) startColoursKept = false;
            }
        }
    }

    // Undo and redo alone, without the caret tracking that would colour the lines the caret leaves.
    tracker.reset();
    for (int redone = 0; m.CanRedo(); ++redone) {  // steps undone during the run count too
        FUZZ_CHECK(redone < 10000);
        m.Redo();
    }
    const Snapshot last = Take(m);
    int undone = 0;
    for (; m.CanUndo(); ++undone) {
        FUZZ_CHECK(undone < 10000);  // every loop ends
        m.Undo();
        Trace("undo", undone, m);
        FUZZ_CHECK(m.Check());
    }
    FUZZ_CHECK(startColoursKept ? Take(m) == start : Take(m).text == start.text);
    for (int redone = 0; m.CanRedo(); ++redone) {
        FUZZ_CHECK(redone < 10000);
        m.Redo();
        FUZZ_CHECK(m.Check());
    }
    FUZZ_CHECK(Take(m) == last);
    return 0;
}

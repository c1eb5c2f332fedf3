#include "completion/ObjectTyping.h"

#include "CompletionTestSupport.h"
#include "editor/EditorModel.h"
#include "LiteralSearch.h"
#include "syntax/Scans.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>

namespace tarnwick {
namespace {

using testing::LiteralRevFind;
using testing::LiteralStandsBeforeDot;
using Calls = std::vector<std::string>;

const std::string kFso = R"(CreateObject("Scripting.FileSystemObject"))";
const std::string kShell = R"(WScript.CreateObject("WScript.Shell"))";
const std::string kNetwork = R"(WScript.CreateObject("WScript.Network"))";

// The types the pass asks lists for, with the caret at `caret` (-1: the end).
Calls TypesAskedFor(const std::string& text, int caret = -1) {
    EditorModel editor;
    editor.SetText(text);
    editor.SetSelStart(caret < 0 ? editor.Length() : caret);
    Calls calls;
    ObjectTyping typing(editor, [&](const std::string& type) { calls.push_back(type); });
    typing.RunTypingPass();
    return calls;
}

TEST(ObjectTyping, VariableOfTheAssignment) {
    struct Row {
        const char* line;
        const char* name;
    } rows[] = {
        {"Set fso = CreateObject(x)", "fso"},
        {"  SET\tobj=x", "obj"},
        {"settings = WScript.Arguments", "settings"},
        {"setup = 1", "setup"},
        {"Set_x = 1", "Set_x"},
        {"x = 1 = 2", "x"},
        {"For Each a In WScript.Arguments", ""},
        {"Dim x : Set x = CreateObject(y)", "Dim x : Set x"},
        {"' Set fso = CreateObject(y)", "' Set fso"},
        {"myset = 1", "myset"},
    };
    for (const Row& row : rows) EXPECT_EQ(VariableOfLine(row.line), row.name) << row.line;
}

TEST(ObjectTyping, CreationAndDerivationRules) {
    struct Row {
        const char* name;
        std::string text;
        Calls expected;
    } rows[] = {
        {"file system object", "Set fso = " + kFso + "\r\nfso.", {"FSO"}},
        {"name in another case", "Set FSO = createobject(\"scripting.filesystemobject\")\r\nfSo.", {"FSO"}},
        {"file system object through WScript", "Set fso = WScript." + kFso + "\r\nfso.", {"FSO"}},
        {"shell without the prefix types nothing", "Set sh = CreateObject(\"WScript.Shell\")\r\nsh.", {}},
        {"shell with the prefix", "Set sh = " + kShell + "\r\nsh.", {"WshShell"}},
        {"network", "Set net = " + kNetwork + "\r\nnet.", {"WshNetwork"}},
        {"arguments", "Set args = WScript.Arguments\r\nargs.", {"Collection"}},
        {"blanks inside the call", "Set fso = CreateObject( \"Scripting.FileSystemObject\" )\r\nfso.", {}},
        {"commented-out creation keeps its mark", "' Set fso = " + kFso + "\r\nfso.", {}},
        {"declare and assign on one line", "Dim x : Set x = " + kFso + "\r\nx.", {}},
        {"created twice asks twice", "Set fso = " + kFso + "\r\nSet fso = " + kFso + "\r\nfso.", {"FSO", "FSO"}},
        {"wscript", "wscript.", {"Wscript"}},
        {"wscript as the tail of a word", "x = myWScript.", {"Wscript"}},
        {"nearest GetFile assigns f2", "Set fso = " + kFso + "\r\nSet f = fso.GetFile(a)\r\nSet f2 = fso.GetFile(b)\r\nf2.", {"FSO.File"}},
        {"f is not the nearest GetFile", "Set fso = " + kFso + "\r\nSet f = fso.GetFile(a)\r\nSet f2 = fso.GetFile(b)\r\nf.", {}},
        {"folder", "Set fso = " + kFso + "\r\nSet d = fso.GetFolder(p)\r\nd.", {"FSO.Folder"}},
        {"drive", "Set fso = " + kFso + "\r\nSet dr = fso.GetDrive(p)\r\ndr.", {"FSO.Drive"}},
        {"text file", "Set fso = " + kFso + "\r\nSet ts = fso.OpenTextFile(p)\r\nts.", {"FSO.File"}},
        {"shortcut", "Set sh = " + kShell + "\r\nSet lnk = sh.CreateShortcut(p)\r\nlnk.", {"WshShell.Shortcut"}},
        {"running command", "Set sh = " + kShell + "\r\nSet ex = sh.Exec(c)\r\nex.", {"WshShell.Exec"}},
        {"settings keeps its name", "settings = WScript.Arguments\r\nsettings.", {"Collection"}},
        {"no name from a leading set inside a word", "settings = WScript.Arguments\r\ntings.", {}},
        {"a line without = gives no name", "For Each a In WScript.Arguments\r\nx.", {}},
        {"dot inside a string", "Set sh = WScript.CreateObject(\"WScript.", {}},
        {"dot inside a comment", "' see wscript.", {}},
        {"dot after a closed string", "x = \"a\" : wscript.", {"Wscript"}},
        {"a name holding rem is no comment", "Set objRemote = " + kFso + "\r\nobjRemote.", {"FSO"}},
        {"rem as a word starts a comment", "Set fso = " + kFso + "\r\nx = 1 rem fso.", {}},
        {"derived variable of the second parent",
         "Set a = " + kFso + "\r\nSet b = " + kFso + "\r\nSet f = b.GetFile(x)\r\nSet g = a.GetFile(y)\r\ng.",
         {"FSO.File"}},
        {"every matching step asks in turn",
         "Set wscript = " + kNetwork + "\r\nwscript.", {"Wscript", "WshNetwork"}},
    };
    for (const Row& row : rows) EXPECT_EQ(TypesAskedFor(row.text), row.expected) << row.name;
}

TEST(ObjectTyping, LongNamesAndDerivationsFarFromTheCaret) {
    const std::string longName = "v" + std::string(150, 'x');
    const std::string text = "Set " + longName + " = " + kFso + "\r\nSet f = " + longName + ".GetFile(a)\r\n";
    EXPECT_EQ(TypesAskedFor(text + "f."), Calls{"FSO.File"});
    EXPECT_EQ(TypesAskedFor(text + longName + "."), Calls{"FSO"});
    std::string far = "Set fso = " + kFso + "\r\nSet f = fso.GetFile(a)\r\n";
    for (int i = 0; i < 20000; ++i) far += "x = y.z + 1\r\n";
    EXPECT_EQ(TypesAskedFor(far + "f."), Calls{"FSO.File"});
}

TEST(ObjectTyping, CreationAfterTheCaretIsNotSeen) {
    const std::string text = "fso.\r\nSet fso = " + kFso;
    EXPECT_EQ(TypesAskedFor(text, 4), Calls{});
    const std::string ahead = "Set fso = " + kFso + "\r\nfso.Close";
    EXPECT_EQ(TypesAskedFor(ahead, static_cast<int>(ahead.find("fso.Close")) + 4), Calls{"FSO"});
}

// The pass exactly as first written: a fresh lower-cased search from the
// limit for every find, plus the mended rules (whole-word Set, no empty
// names, nothing inside strings and comments, limit caret - 1 for every
// variable of a derivation).
class LiteralPass {
public:
    LiteralPass(std::string text, int caret) : text_(std::move(text)), caret_(caret) {}

    Calls Run() {
        if (caret_ >= 1) {
            const int dot = caret_ - 1;
            const size_t lineStart = LineStart(dot);
            const std::string line = text_.substr(lineStart, LineEnd(dot) - lineStart);
            const int column = dot - static_cast<int>(lineStart);
            if (IsString(line, 0, column) || IsComment(line, 0, column)) return calls_;
        }
        if (LiteralStandsBeforeDot(text_, caret_, "wscript")) calls_.push_back("Wscript");
        for (const CreationRule& creation : kCreationRules) {
            Calls vars = Main(std::string(creation.Pattern), std::string(creation.TypeName));
            if (vars.empty()) continue;
            for (const DerivedRule& derived : kDerivedRules)
                if (derived.ParentType == creation.TypeName)
                    Sub(vars, std::string(derived.MemberCall), std::string(derived.TypeName));
        }
        return calls_;
    }

private:
    size_t LineStart(size_t pos) const {
        const size_t lf = text_.rfind('\n', pos);
        return lf == std::string::npos ? 0 : lf + 1;
    }
    size_t LineEnd(size_t pos) const {
        const size_t cr = text_.find('\r', pos);
        return cr == std::string::npos ? text_.size() : cr;
    }
    std::string Extract(int offset) const {
        const size_t start = LineStart(offset);
        const std::string line = text_.substr(start, LineEnd(offset) - start);
        const size_t equals = line.find('=');
        if (equals == std::string::npos) return {};
        std::string lhs = line.substr(0, equals);
        size_t first = lhs.find_first_not_of(" \t");
        if (first == std::string::npos) first = lhs.size();
        if (lhs.size() >= first + 3 && LiteralRevFind(3, lhs.substr(first, 3), "set") == 1) {
            const char next = first + 3 < lhs.size() ? lhs[first + 3] : ' ';
            if (!std::isalnum(static_cast<unsigned char>(next)) && next != '_') lhs.erase(first, 3);
        }
        const size_t b = lhs.find_first_not_of(" \t"), e = lhs.find_last_not_of(" \t");
        return b == std::string::npos ? std::string() : lhs.substr(b, e - b + 1);
    }
    Calls Main(const std::string& pattern, const std::string& type) {
        Calls vars;
        for (int limit = caret_ - 1;;) {
            const int found = LiteralRevFind(limit, text_, pattern);
            if (found == -1) break;
            vars.push_back(Extract(found - 1));
            limit = found - 1;
        }
        for (const std::string& name : vars)
            if (LiteralStandsBeforeDot(text_, caret_, name)) calls_.push_back(type);
        return vars;
    }
    void Sub(const Calls& vars, const std::string& member, const std::string& type) {
        for (const std::string& var : vars) {
            const int found = LiteralRevFind(caret_ - 1, text_, var + member);
            if (found == -1) continue;
            if (LiteralStandsBeforeDot(text_, caret_, Extract(found - 1).substr(0, 255))) {
                calls_.push_back(type);
                return;
            }
        }
    }

    std::string text_;
    int caret_;
    Calls calls_;
};

TEST(ObjectTyping, AgreesWithTheLiteralPassOnRandomScripts) {
    const char* names[] = {"fso", "f", "f2", "a", "sh", "x", "settings", "tings", "wscript", "FSO"};
    const std::string lines[] = {
        "Set {n} = " + kFso,
        "{n}=WScript." + kFso,
        "Set {n} = " + kShell,
        "Set {n} = " + kNetwork,
        "{n} = WScript.Arguments",
        "For Each {n} In WScript.Arguments",
        "Set {n} = {m}.GetFile(x)",
        "Set {n} = {m}.CreateTextFile(x)",
        "Set {n} = {m}.GetFolder(x)",
        "Set {n} = {m}.GetDrive(x)",
        "Set {n} = {m}.CreateShortcut(x)",
        "Set {n} = {m}.Exec(x)",
        "{m}.GetFile(x)",
        "' Set {n} = " + kFso,
        "x = \"{n}.\" ' {m}.",
        "Dim {n} : Set {n} = " + kShell,
        "{n}.{m}.",
    };
    std::mt19937 rng(2024);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    auto fill = [&](std::string line) {
        for (const char* slot : {"{n}", "{m}"})
            for (size_t at; (at = line.find(slot)) != std::string::npos;) line.replace(at, 3, names[pick(10)]);
        return line;
    };
    int typed = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (int i = pick(8); i >= 0; --i) text += fill(lines[pick(17)]) + "\r\n";
        text += fill(pick(4) == 0 ? "x = \"{n}." : "  {n}.");
        int caret = static_cast<int>(text.size());
        if (pick(3) == 0) {
            // A dot somewhere earlier, with text after the caret.
            const size_t dot = text.find('.', pick(static_cast<int>(text.size())));
            if (dot != std::string::npos) caret = static_cast<int>(dot) + 1;
        }
        const Calls expected = LiteralPass(text, caret).Run();
        typed += !expected.empty();
        ASSERT_EQ(TypesAskedFor(text, caret), expected) << "caret " << caret << " in\n" << text;
    }
    EXPECT_GT(typed, 300);  // the scripts exercise the rules, not only misses
}

}  // namespace
}  // namespace tarnwick

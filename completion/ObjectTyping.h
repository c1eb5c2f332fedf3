#pragma once

#include "syntax/SyntaxTable.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

class EditorModel;
class NeedleOccurrences;

// A creation pattern and the type of the variable assigned on its line.
struct CreationRule {
    std::string_view Pattern;
    std::string_view TypeName;
};

// A member call that, appended to a variable of the parent type, gives the
// type of the variable assigned on its line.
struct DerivedRule {
    std::string_view ParentType;
    std::string_view MemberCall;
    std::string_view TypeName;
};

// In the order the typing pass tries them. The first pattern has no
// "WScript." prefix, so it also matches WScript.CreateObject.
inline constexpr CreationRule kCreationRules[] = {
    {R"(createobject("scripting.filesystemobject"))", "FSO"},
    {R"(WScript.CreateObject("WScript.Shell"))", "WshShell"},
    {R"(WScript.CreateObject("WScript.Network"))", "WshNetwork"},
    {"WScript.Arguments", "Collection"},
};

inline constexpr DerivedRule kDerivedRules[] = {
    {"FSO", ".CreateTextFile", "FSO.File"},
    {"FSO", ".OpenTextFile", "FSO.File"},
    {"FSO", ".GetFile", "FSO.File"},
    {"FSO", ".GetFolder", "FSO.Folder"},
    {"FSO", ".CreateFolder", "FSO.Folder"},
    {"FSO", ".GetDrive", "FSO.Drive"},
    {"WshShell", ".CreateShortcut", "WshShell.Shortcut"},
    {"WshShell", ".Exec", "WshShell.Exec"},
};

// The fixed object name: "wscript" in front of the dot gives this type.
inline constexpr std::string_view kWscriptName = "wscript";
inline constexpr std::string_view kWscriptType = "Wscript";

// The variable name assigned on a line: the text in front of the first "=",
// a leading "Set" removed when it stands there as a whole word, blanks and
// control characters trimmed from both ends. No "=" gives the empty name.
std::string VariableOfLine(std::string_view line);

// The typing pass run when "." is released: works out from the text in front
// of the caret whether the word before the dot names an object of a known
// type and asks for that type's list. Keeps nothing between passes; every
// search answer equals a RevFind over the whole text.
class ObjectTyping {
public:
    using PlaceListFn = std::function<void(const std::string& typeName)>;

    // With a syntax table, the pass also types the objects its members' Result
    // types lead to, from the bindings in front of the dot (ExpressionTyping.h).
    // With kept occurrences (of the editor's text as it is now), the pass
    // reads them instead of scanning the text.
    ObjectTyping(const EditorModel& editor, PlaceListFn placeLB, const SyntaxEntries* table = nullptr,
                 NeedleOccurrences* kept = nullptr);
    ~ObjectTyping();
    ObjectTyping(const ObjectTyping&) = delete;
    ObjectTyping& operator=(const ObjectTyping&) = delete;

    // All steps, in order; does nothing when the character in front of the
    // caret stands inside a string literal or a comment of its line. Last,
    // the type of the expression in front of the dot, when its bindings give
    // one beyond what the patterns give.
    void RunTypingPass();

    // Reads now, into the kept occurrences, what a pass at the end of the
    // text reads first: every needle's occurrences and the creations' lines.
    // Run when the user is idle, it spares the first "." a scan of the text.
    void PrepareWholeText();

    // The variable assigned on the line holding offset.
    std::string ExtractVariable(int offset) const;
    // Variables assigned on the lines holding the pattern in front of the
    // caret (their ids among the occurrences' VarName), nearest first and each
    // once; asks for the type's list for every such line whose variable stands
    // in front of the dot.
    std::vector<int> CheckMainObjects(std::string_view pattern, std::string_view typeName);
    // Asks for the type's list when a variable derived from one of vars
    // through memberCall stands in front of the dot.
    void CheckSubobject(const std::vector<int>& vars, std::string_view memberCall, std::string_view typeName);

private:
    // The pass's shared occurrence index, or a fresh one in local for a call
    // made outside a pass.
    NeedleOccurrences& Occurrences(std::unique_ptr<NeedleOccurrences>& local);
    bool DotInStringOrComment() const;
    bool StandsBeforeDot(std::string_view name) const;
    void PlaceLB(std::string_view typeName);

    const EditorModel& editor_;
    PlaceListFn placeLB_;
    const SyntaxEntries* table_;
    NeedleOccurrences* kept_;
    NeedleOccurrences* pass_ = nullptr;  // set while RunTypingPass runs
};

}  // namespace tarnwick

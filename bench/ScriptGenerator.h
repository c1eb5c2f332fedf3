#pragma once

#include <string>

namespace tarnwick::bench {

// A realistic script of about `lines` lines (about 50 bytes each): creations,
// assignments, calls, comments, strings and Dim lines, with CR LF breaks.
inline std::string GenerateScript(int lines) {
    static const char* const kLines[] = {
        "Set fso = CreateObject(\"Scripting.FileSystemObject\")",
        "Dim total, count, name",
        "total=total + count ' running sum of the counts",
        "If total > 100 Then MsgBox \"Done: \" & CStr(total)",
        "Set f = fso.OpenTextFile(\"C:\\Temp\\log file.txt\", 1)",
        "Do While Not f.AtEndOfStream",
        "    name = Trim(f.ReadLine)",
        "Loop",
        "rem an old-style comment line with = signs",
        "Set sh = WScript.CreateObject(\"WScript.Shell\")",
        "sh.Run \"notepad.exe \" & name, 1, True",
        "End If",
    };
    std::string out;
    out.reserve(static_cast<std::size_t>(lines) * 52);
    for (int i = 0; i < lines; ++i) {
        out += kLines[i % (sizeof kLines / sizeof kLines[0])];
        out += "\r\n";
    }
    return out;
}

}  // namespace tarnwick::bench

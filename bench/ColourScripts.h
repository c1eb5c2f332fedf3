#pragma once

#include "syntax/SyntaxTable.h"

#include <filesystem>
#include <map>
#include <string>

namespace tarnwick::bench {

inline const SyntaxEntries& ShippedTable() {
    static const SyntaxEntries table = LoadSyntaxTable(
        (std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / "syntax.ini").string());
    return table;
}

// Realistic code of about 45 bytes a line: assignments, calls, comments,
// strings, loops, object creations and Dim lines whose names vary through the
// script, ending in a line to colour.
inline std::string GenerateColouringScript(std::size_t bytes) {
    std::string out;
    out.reserve(bytes + 128);
    for (int block = 0; out.size() < bytes; ++block) {
        const std::string n = std::to_string(block % 997);
        out += "Dim total" + n + ", count" + n + ", names(10)\r\n";
        out += "set fso" + n + " = createobject(\"Scripting.FileSystemObject\")\r\n";
        out += "total" + n + "=total" + n + " + count" + n + " ' running sum of the counts\r\n";
        out += "if total" + n + " > 100 then msgbox \"Done: \" & cstr(total" + n + ")\r\n";
        out += "    name = trim(f.readline) : s = \"a=b, it's \" & len(name)\r\n";
        out += "rem an old-style comment line with = signs\r\n";
        out += "do while not f.atendofstream and count" + n + "<=10\r\n";
        out += "    count" + n + " = count" + n + " + 1\r\n";
        out += "loop\r\n";
        out += "wscript.echo \"caf\xE9 \" & ucase(name), mid(name, 2, 3)\r\n";
    }
    out += "TOTAL1=total1+COUNT1 ' the last line\r\n";
    return out;
}

// The script of about that many megabytes, made once.
inline const std::string& ColouringScript(int megabytes) {
    static std::map<int, std::string> scripts;
    auto it = scripts.find(megabytes);
    if (it == scripts.end())
        it = scripts.emplace(megabytes, GenerateColouringScript(static_cast<std::size_t>(megabytes) << 20)).first;
    return it->second;
}

// One line of 200 000 characters with tens of thousands of a's, as a long generated line is.
inline std::string LongLine() {
    std::string line;
    while (line.size() < 200000) line += "data = Array(a, b, 'a', \"abc\", total + a) ";
    line.resize(200000);
    return line;
}

// One line of code of about that many characters: keywords, "=" signs
// (unspaced, as typed), strings with signs and keywords inside, and a comment at its end.
inline std::string LongCodeLine(std::size_t length) {
    const std::string_view statement = "if total=len(name) then msgbox \"a=b, if it's\" & cstr(x) : ";
    std::string line;
    while (line.size() + statement.size() <= length) line += statement;
    return line + "' and the comment at the end = if then";
}

}  // namespace tarnwick::bench

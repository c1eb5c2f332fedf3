#include "syntax/SyntaxTable.h"

#include "documents/FileAccess.h"

#include "syntax/ProfileFile.h"

#include <exception>
#include <fstream>
#include <iterator>
#include <string>

namespace tarnwick {

// Sections "0", "1", ... are read in turn; the first whose Name is missing or
// exactly "X" ends the table, so a gap in the numbering ends it too. The table
// grows as far as the file goes.
SyntaxEntries ReadSyntaxTable(std::string_view iniText) {
    const ProfileFile file(iniText);
    SyntaxEntries table;
    for (std::size_t n = 0;; ++n) {
        const std::string section = std::to_string(n);
        TColorCoding entry;
        entry.Name = file.Read(section, "Name", "X");
        if (entry.Name == "X") break;
        entry.TypeA = file.Read(section, "TypeA", "");
        entry.TypeB = file.Read(section, "TypeB", "");
        entry.Parameter = file.Read(section, "Parameter", "");
        entry.Result = file.Read(section, "Result", "");
        table.push_back(std::move(entry));
    }
    return table;
}

// A file that cannot be read (missing, a directory, a read error) gives an empty table.
SyntaxEntries LoadSyntaxTable(const std::string& path) {
    std::string text;
    try {
        std::ifstream in(PathOf(path), std::ios::binary);
        if (!in) return {};
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad()) return {};
    } catch (const std::exception&) {
        return {};
    }
    return ReadSyntaxTable(text);
}

}  // namespace tarnwick

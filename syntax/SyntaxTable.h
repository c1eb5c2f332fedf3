#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// One entry of the syntax table, read from one section of syntax.ini.
struct TColorCoding {
    std::string Name;
    std::string TypeA;      // "Function", "Statement" or an object type name
    std::string TypeB;      // "Function" for methods, anything else for properties
    std::string Parameter;  // the parameter tip; empty when there is none
    std::string Result{};   // the object type of the member's value; empty when unknown or not an object
    bool operator==(const TColorCoding&) const = default;
};

using SyntaxEntries = std::vector<TColorCoding>;

// Reads the table from the text of a syntax.ini file.
SyntaxEntries ReadSyntaxTable(std::string_view iniText);
// Reads the table from a file; a missing or unreadable file gives an empty table.
SyntaxEntries LoadSyntaxTable(const std::string& path);

}  // namespace tarnwick

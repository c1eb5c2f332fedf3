// The syntax.ini reader on any text: every section and key the text names
// reads back the same whatever the letter case and blanks around it, no value
// is longer than the reader allows, and the table ends at its first gap.
#include "syntax/ProfileFile.h"
#include "syntax/SyntaxTable.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace tarnwick;

namespace {

std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ProfileFile file(text);

    // The names the text holds, found the plain way: "[section]" lines and "key=" lines after them.
    std::string section;
    std::vector<std::pair<std::string, std::string>> named;
    std::size_t from = 0;
    while (from < text.size() && named.size() < 200) {
        std::size_t end = text.find_first_of("\r\n", from);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(from, end - from);
        from = end + 1;
        if (line.empty()) continue;
        if (line.front() == '[') section = std::string(line.substr(1, line.find(']') - 1));
        else if (std::size_t eq = line.find('='); eq != std::string_view::npos)
            named.emplace_back(section, std::string(line.substr(0, eq)));
    }
    for (const auto& [s, k] : named) {
        const std::optional<std::string> value = file.Read(s, k);
        if (value) FUZZ_CHECK(value->size() <= ProfileFile::kMaxValueLength);
        FUZZ_CHECK(file.Read(Upper(s), " " + Upper(k) + "\t") == value);
        FUZZ_CHECK(file.Read(s, k, "\x01" "fallback") == value.value_or("\x01" "fallback"));
    }

    const SyntaxEntries table = ReadSyntaxTable(text);
    for (std::size_t n = 0; n < table.size(); ++n) {
        const TColorCoding& entry = table[n];
        FUZZ_CHECK(entry.Name != "X");
        FUZZ_CHECK(file.Read(std::to_string(n), "Name") == entry.Name);
        FUZZ_CHECK(entry.Parameter.size() <= ProfileFile::kMaxValueLength);
    }
    const std::optional<std::string> next = file.Read(std::to_string(table.size()), "Name");
    FUZZ_CHECK(!next || *next == "X");
    return 0;
}

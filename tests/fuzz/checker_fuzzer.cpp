// The syntax check on any text, read as Windows-1252 and as UTF-8: it never
// crashes or hangs, and every finding lies inside the text (or at the line
// after the last, where an unclosed block is reported), on a line and column
// the text has.
#include "language/Check.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstdint>
#include <string_view>

using namespace tarnwick::language;

namespace {

int LineCount(std::string_view text) {
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++lines;
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int lines = LineCount(text);
    for (const TextForm form : {TextForm::Ansi, TextForm::Utf8}) {
        const std::vector<Diagnostic> found = CheckScript(text, form);
        bool sawError = false;
        for (const Diagnostic& d : found) {
            FUZZ_CHECK(d.offset >= 0 && static_cast<std::size_t>(d.offset) <= size);
            FUZZ_CHECK(d.length >= 0 && static_cast<std::size_t>(d.offset + d.length) <= size);
            FUZZ_CHECK(d.line >= 1 && d.line <= lines + 1);
            FUZZ_CHECK(d.column >= 1 && static_cast<std::size_t>(d.column) <= size + 1);
            // Only the line after the last, column 1, lies outside the text.
            if (d.line == lines + 1) FUZZ_CHECK(d.column == 1 && static_cast<std::size_t>(d.offset) == size);
            FUZZ_CHECK(!d.text.empty());
            if (d.severity == Severity::Error) sawError = true;
            FUZZ_CHECK((d.severity == Severity::Error) == (d.number < 9000));
        }
        // The same check without warnings finds the same errors.
        int errors = 0;
        for (const Diagnostic& d : CheckScript(text, form, {.warnings = false})) {
            FUZZ_CHECK(d.severity == Severity::Error);
            ++errors;
        }
        FUZZ_CHECK(sawError == (errors > 0));
    }
    return 0;
}

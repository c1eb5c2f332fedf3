#include "language/CheckCommand.h"

#include "documents/FileAccess.h"
#include "editor/TextEncoding.h"
#include "unit/Error.h"

#include <ostream>

namespace tarnwick::language {

namespace {

enum class Format { Host, Gcc, Json };

constexpr const char* kUsage =
    "usage: tarnwick --check [--warnings] [--format=host|gcc|json] FILE...\n";

const char* SeverityWord(Severity severity) { return severity == Severity::Error ? "error" : "warning"; }

// The text as a JSON string: control characters escaped, UTF-8 passed as it is.
void WriteJsonString(std::ostream& out, std::string_view text) {
    out << '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out << "\\\""; break;
        case '\\': out << "\\\\"; break;
        case '\n': out << "\\n"; break;
        case '\r': out << "\\r"; break;
        case '\t': out << "\\t"; break;
        default:
            if (byte < 0x20) {
                static constexpr char kHex[] = "0123456789abcdef";
                out << "\\u00" << kHex[byte >> 4] << kHex[byte & 15];
            } else {
                out << c;
            }
        }
    }
    out << '"';
}

// Windows-1252 bytes as UTF-8: the output is read as UTF-8 (a terminal, a log, JSON).
std::string AnsiToUtf8(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i]) < 0x80) utf8 += text[i];
        else utf8 += EncodeCharacter(CodePointAt(text, i, TextEncoding::Ansi), TextEncoding::Utf8);
    }
    return utf8;
}

struct Request {
    bool warnings = false;
    Format format = Format::Host;
    std::vector<std::string> files;
};

// False (with the reason on err) for an option it does not know.
bool ParseArguments(const std::vector<std::string>& arguments, Request& request, std::ostream& err) {
    bool optionsEnd = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (optionsEnd || word.empty() || word[0] != '-' || word == "-") request.files.push_back(word);
        else if (word == kCheckOption) continue;
        else if (word == "--") optionsEnd = true;
        else if (word == "--warnings") request.warnings = true;
        else if (word == "--format=host") request.format = Format::Host;
        else if (word == "--format=gcc") request.format = Format::Gcc;
        else if (word == "--format=json") request.format = Format::Json;
        else {
            err << "tarnwick: unknown option \"" << word << "\"\n" << kUsage;
            return false;
        }
    }
    if (request.files.empty()) {
        err << "tarnwick: no script to check\n" << kUsage;
        return false;
    }
    return true;
}

}  // namespace

bool IsCheckCommand(const std::vector<std::string>& arguments) {
    return arguments.size() > 1 && arguments[1] == kCheckOption;
}

std::string GccLine(std::string_view path, const Diagnostic& d) {
    return std::string(path) + ":" + std::to_string(d.line) + ":" + std::to_string(d.column) + ": " +
           SeverityWord(d.severity) + ": " + d.text + " [" + std::to_string(d.number) + "]";
}

int RunCheckCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    const Checker& check) {
    Request request;
    if (!ParseArguments(arguments, request, err)) return 2;
    bool unreadable = false, hasError = false, firstJson = true;
    if (request.format == Format::Json) out << "[";
    for (const std::string& path : request.files) {
        DecodedFile file;
        try {
            file = DecodeFileBytes(ReadFileBytes(path));
        } catch (const Error& failure) {
            err << "tarnwick: " << ErrorBoxText(failure.what()) << "\n";
            unreadable = true;
            continue;
        }
        const TextForm form = file.encoding == TextEncoding::Ansi ? TextForm::Ansi : TextForm::Utf8;
        for (Diagnostic d : check(file.text, form, CheckOptions{request.warnings})) {
            if (d.severity == Severity::Warning && !request.warnings) continue;
            if (form == TextForm::Ansi) d.text = AnsiToUtf8(d.text);  // a name quoted from the script
            hasError = hasError || d.severity == Severity::Error;
            switch (request.format) {
            case Format::Host: out << HostLine(path, d) << "\n"; break;
            case Format::Gcc: out << GccLine(path, d) << "\n"; break;
            case Format::Json:
                out << (firstJson ? "\n  " : ",\n  ") << "{\"file\": ";
                firstJson = false;
                WriteJsonString(out, path);
                out << ", \"line\": " << d.line << ", \"column\": " << d.column << ", \"number\": " << d.number
                    << ", \"severity\": \"" << SeverityWord(d.severity) << "\", \"text\": ";
                WriteJsonString(out, d.text);
                out << "}";
                break;
            }
        }
    }
    if (request.format == Format::Json) out << (firstJson ? "]\n" : "\n]\n");
    out.flush();
    return unreadable ? 2 : hasError ? 1 : 0;
}

}  // namespace tarnwick::language

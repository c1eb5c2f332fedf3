#include "language/Messages.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace tarnwick::language {
namespace {

struct Entry {
    Message message;
    std::string_view text;
};

// The host's texts as it prints them in English, then our warnings.
constexpr Entry kMessages[] = {
    {Message::OutOfMemory, "Out of memory"},
    {Message::SyntaxError, "Syntax error"},
    {Message::ExpectedOpenParen, "Expected '('"},
    {Message::ExpectedCloseParen, "Expected ')'"},
    {Message::ExpectedCloseBracket, "Expected ']'"},
    {Message::ExpectedIdentifier, "Expected identifier"},
    {Message::ExpectedEquals, "Expected '='"},
    {Message::ExpectedIf, "Expected 'If'"},
    {Message::ExpectedTo, "Expected 'To'"},
    {Message::ExpectedEnd, "Expected 'End'"},
    {Message::ExpectedFunction, "Expected 'Function'"},
    {Message::ExpectedSub, "Expected 'Sub'"},
    {Message::ExpectedThen, "Expected 'Then'"},
    {Message::ExpectedWend, "Expected 'Wend'"},
    {Message::ExpectedLoop, "Expected 'Loop'"},
    {Message::ExpectedNext, "Expected 'Next'"},
    {Message::ExpectedCase, "Expected 'Case'"},
    {Message::ExpectedSelect, "Expected 'Select'"},
    {Message::ExpectedExpression, "Expected expression"},
    {Message::ExpectedStatement, "Expected statement"},
    {Message::ExpectedEndOfStatement, "Expected end of statement"},
    {Message::ExpectedIntegerConstant, "Expected integer constant"},
    {Message::ExpectedWhileOrUntil, "Expected 'While' or 'Until'"},
    {Message::ExpectedWhileUntilOrEnd, "Expected 'While,' 'Until,' or end of statement"},
    {Message::ExpectedWith, "Expected 'With'"},
    {Message::IdentifierTooLong, "Identifier too long"},
    {Message::InvalidNumber, "Invalid number"},
    {Message::InvalidCharacter, "Invalid character"},
    {Message::UnterminatedString, "Unterminated string constant"},
    {Message::UnterminatedComment, "Unterminated comment"},
    {Message::InvalidMe, "Invalid use of 'Me' keyword"},
    {Message::LoopWithoutDo, "'loop' without 'do'"},
    {Message::InvalidExit, "Invalid 'exit' statement"},
    {Message::InvalidForVariable, "Invalid 'for' loop control variable"},
    {Message::NameRedefined, "Name redefined"},
    {Message::MustBeFirstStatement, "Must be first statement on the line"},
    {Message::AssignToNonByVal, "Cannot assign to non-ByVal argument"},
    {Message::ParenthesesCallingSub, "Cannot use parentheses when calling a Sub"},
    {Message::ExpectedLiteral, "Expected literal constant"},
    {Message::ExpectedIn, "Expected 'In'"},
    {Message::ExpectedClass, "Expected 'Class'"},
    {Message::MustBeInsideClass, "Must be defined inside a Class"},
    {Message::ExpectedLetSetGet, "Expected Let or Set or Get in property declaration"},
    {Message::ExpectedProperty, "Expected 'Property'"},
    // "\x73" is an "s", written as an escape in three texts; their bytes are the host's words.
    {Message::InconsistentPropertyArguments,
     "Number of arguments must be consistent across properties \x73pecification"},
    {Message::MultipleDefaults, "Cannot have multiple default property/method in a Class"},
    {Message::InitializeWithArguments, "Class initialize or terminate do not have arguments"},
    {Message::PropertyNeedsArgument, "Property set or let must have at least one argument"},
    {Message::UnexpectedNext, "Unexpected 'Next'"},
    {Message::DefaultOnlyOnProcedures, "'Default' can be specified only on 'Property' or 'Function' or 'Sub'"},
    {Message::DefaultNeedsPublic, "'Default' \x73pecification must also \x73pecify 'Public'"},
    {Message::DefaultOnlyOnPropertyGet, "'Default' \x73pecification can only be on Property Get"},

    {Message::UndeclaredName, "Name not declared under Option Explicit: '%1'"},
    {Message::WrongArgumentCount, "Wrong number of arguments: %1"},
    {Message::ResumeNextLeftOn, "On Error Resume Next is still on at the end of %1: later errors are hidden"},
    {Message::SetMissing, "Object assigned without Set: '%1'"},
    {Message::UnusedVariable, "Variable declared but never used: '%1'"},
};

}  // namespace

namespace {

// The texts by number in the host's range and in ours, so that a finding's text
// is found without a search; the first entry of a number wins, as in the search.
struct TextsByNumber {
    static constexpr int kHost = 1000;
    static constexpr int kOurs = 9000;
    std::array<std::string_view, 64> host{};
    std::array<std::string_view, 16> ours{};
    constexpr TextsByNumber() {
        for (const Entry& e : kMessages) {
            // Indices, not pointers: a sanitizer's checks of a pointer are not constant expressions.
            const int n = static_cast<int>(e.message);
            if (n >= kHost && n < kHost + 64 && host[static_cast<std::size_t>(n - kHost)].empty())
                host[static_cast<std::size_t>(n - kHost)] = e.text;
            else if (n >= kOurs && n < kOurs + 16 && ours[static_cast<std::size_t>(n - kOurs)].empty())
                ours[static_cast<std::size_t>(n - kOurs)] = e.text;
        }
    }
    constexpr std::string_view Find(Message message) const {
        const int n = static_cast<int>(message);
        if (n >= kHost && n < kHost + 64) return host[static_cast<std::size_t>(n - kHost)];
        if (n >= kOurs && n < kOurs + 16) return ours[static_cast<std::size_t>(n - kOurs)];
        return {};
    }
};
constexpr TextsByNumber kTextsByNumber;

}  // namespace

std::string_view MessageText(Message message) {
    if (const std::string_view text = kTextsByNumber.Find(message); !text.empty()) return text;
    const auto it = std::find_if(std::begin(kMessages), std::end(kMessages),
                                 [message](const Entry& e) { return e.message == message; });
    return it == std::end(kMessages) ? std::string_view("Syntax error") : it->text;
}

std::string FormatMessage(Message message, std::string_view detail) {
    std::string text(MessageText(message));
    if (const std::size_t at = text.find("%1"); at != std::string::npos) text.replace(at, 2, detail);
    return text;
}

}  // namespace tarnwick::language

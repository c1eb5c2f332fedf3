#pragma once

#include <string>
#include <string_view>

namespace tarnwick::language {

// The host's compile errors (its numbers) and our own warnings. The numbers
// and texts live in one table (Messages.cpp), read by the parser, the checks,
// the pane and the command line alike.
enum class Message : int {
    OutOfMemory = 1001,
    SyntaxError = 1002,
    ExpectedOpenParen = 1005,
    ExpectedCloseParen = 1006,
    ExpectedCloseBracket = 1007,
    ExpectedIdentifier = 1010,
    ExpectedEquals = 1011,
    ExpectedIf = 1012,
    ExpectedTo = 1013,
    ExpectedEnd = 1014,
    ExpectedFunction = 1015,
    ExpectedSub = 1016,
    ExpectedThen = 1017,
    ExpectedWend = 1018,
    ExpectedLoop = 1019,
    ExpectedNext = 1020,
    ExpectedCase = 1021,
    ExpectedSelect = 1022,
    ExpectedExpression = 1023,
    ExpectedStatement = 1024,
    ExpectedEndOfStatement = 1025,
    ExpectedIntegerConstant = 1026,
    ExpectedWhileOrUntil = 1027,
    ExpectedWhileUntilOrEnd = 1028,
    ExpectedWith = 1029,
    IdentifierTooLong = 1030,
    InvalidNumber = 1031,
    InvalidCharacter = 1032,
    UnterminatedString = 1033,
    UnterminatedComment = 1034,
    InvalidMe = 1037,
    LoopWithoutDo = 1038,
    InvalidExit = 1039,
    InvalidForVariable = 1040,
    NameRedefined = 1041,
    MustBeFirstStatement = 1042,
    AssignToNonByVal = 1043,
    ParenthesesCallingSub = 1044,
    ExpectedLiteral = 1045,
    ExpectedIn = 1046,
    ExpectedClass = 1047,
    MustBeInsideClass = 1048,
    ExpectedLetSetGet = 1049,
    ExpectedProperty = 1050,
    InconsistentPropertyArguments = 1051,
    MultipleDefaults = 1052,
    InitializeWithArguments = 1053,
    PropertyNeedsArgument = 1054,
    UnexpectedNext = 1055,
    DefaultOnlyOnProcedures = 1056,
    DefaultNeedsPublic = 1057,
    DefaultOnlyOnPropertyGet = 1058,

    // Warnings beyond the host: findings that fail only at run time, or never.
    UndeclaredName = 9001,
    WrongArgumentCount = 9002,
    ResumeNextLeftOn = 9003,
    SetMissing = 9004,
    UnusedVariable = 9005,
};

// The English text of a message; a "%1" in it stands for a name or count.
std::string_view MessageText(Message message);

// The text with "%1" replaced by `detail`.
std::string FormatMessage(Message message, std::string_view detail = {});

inline bool IsWarning(Message message) { return static_cast<int>(message) >= 9000; }

}  // namespace tarnwick::language

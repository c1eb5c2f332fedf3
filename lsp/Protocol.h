#pragma once

#include "lsp/TextDocument.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <stdexcept>
#include <string>

namespace tarnwick::lsp {

// The protocol's error codes.
enum class ErrorCode {
    ParseError = -32700,
    InvalidRequest = -32600,
    MethodNotFound = -32601,
    InvalidParams = -32602,
    InternalError = -32603,
    ServerNotInitialized = -32002,
    RequestFailed = -32803,
};

// A request that cannot be answered: becomes the response's error.
struct RequestError : std::runtime_error {
    RequestError(ErrorCode code, const std::string& message) : std::runtime_error(message), code(code) {}
    ErrorCode code;
};

QJsonObject ToJson(Position position);
QJsonObject ToJson(const Range& range);

// The member of an object, or InvalidParams naming it when it is missing or of another kind.
QJsonObject ObjectMember(const QJsonObject& object, const char* key);
QString StringMember(const QJsonObject& object, const char* key);
int IntMember(const QJsonObject& object, const char* key);
Position PositionMember(const QJsonObject& object, const char* key);
Range RangeMember(const QJsonObject& object, const char* key);

// Appends `text` as a JSON string, escaped as QJsonDocument escapes it.
void AppendJsonString(QByteArray& out, const QString& text);

QJsonObject ResponseTo(const QJsonValue& id, const QJsonValue& result);
QJsonObject ErrorResponseTo(const QJsonValue& id, ErrorCode code, const std::string& message);
QJsonObject Notification(const char* method, const QJsonObject& params);

}  // namespace tarnwick::lsp

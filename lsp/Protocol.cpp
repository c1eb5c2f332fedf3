#include "lsp/Protocol.h"

#include <cmath>
#include <limits>

namespace tarnwick::lsp {
namespace {

[[noreturn]] void Missing(const char* key, const char* kind) {
    throw RequestError(ErrorCode::InvalidParams, std::string("\"") + key + "\" must be " + kind + ".");
}

}  // namespace

QJsonObject ToJson(Position position) { return {{"line", position.line}, {"character", position.character}}; }

QJsonObject ToJson(const Range& range) { return {{"start", ToJson(range.start)}, {"end", ToJson(range.end)}}; }

QJsonObject ObjectMember(const QJsonObject& object, const char* key) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isObject()) Missing(key, "an object");
    return value.toObject();
}

QString StringMember(const QJsonObject& object, const char* key) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isString()) Missing(key, "a string");
    return value.toString();
}

int IntMember(const QJsonObject& object, const char* key) {
    const QJsonValue value = object.value(QLatin1String(key));
    const double number = value.toDouble(std::nan(""));
    // The protocol's positions are unsigned 32-bit; more than an int holds is past any end.
    if (!value.isDouble() || number != std::floor(number) || number < 0) Missing(key, "a whole number not below 0");
    return number > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : static_cast<int>(number);
}

Position PositionMember(const QJsonObject& object, const char* key) {
    const QJsonObject position = ObjectMember(object, key);
    return {IntMember(position, "line"), IntMember(position, "character")};
}

Range RangeMember(const QJsonObject& object, const char* key) {
    const QJsonObject range = ObjectMember(object, key);
    return {PositionMember(range, "start"), PositionMember(range, "end")};
}

void AppendJsonString(QByteArray& out, const QString& text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += "\\u00";
                out += kHex[c >> 4];
                out += kHex[c & 15];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

QJsonObject ResponseTo(const QJsonValue& id, const QJsonValue& result) {
    return {{"jsonrpc", "2.0"}, {"id", id}, {"result", result}};
}

QJsonObject ErrorResponseTo(const QJsonValue& id, ErrorCode code, const std::string& message) {
    return {{"jsonrpc", "2.0"},
            {"id", id},
            {"error", QJsonObject{{"code", static_cast<int>(code)}, {"message", QString::fromStdString(message)}}}};
}

QJsonObject Notification(const char* method, const QJsonObject& params) {
    return {{"jsonrpc", "2.0"}, {"method", method}, {"params", params}};
}

}  // namespace tarnwick::lsp

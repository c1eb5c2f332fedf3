#include "lsp/MessageReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QString>

#include <simdjson.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <span>

namespace tarnwick::lsp {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The Content-Length of a header block (its lines without the final empty one); -1 when missing or bad.
long long ContentLength(std::string_view headers) {
    long long length = -1;
    while (!headers.empty()) {
        const std::size_t eol = headers.find("\r\n");
        const std::string_view line = headers.substr(0, eol);
        headers = eol == std::string_view::npos ? std::string_view{} : headers.substr(eol + 2);
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) return -1;  // not a header line
        if (!EqualsIgnoringCase(Trim(line.substr(0, colon)), "Content-Length")) continue;
        const std::string_view value = Trim(line.substr(colon + 1));
        long long parsed = 0;
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), parsed);
        if (ec != std::errc() || end != value.data() + value.size() || parsed < 0) return -1;
        length = parsed;
    }
    return length;
}

namespace dom = simdjson::dom;
using KeyPath = std::span<const std::string_view>;

// A value of the parsed document as Qt's JSON, without the member that `skip` leads to.
QJsonValue ToQt(dom::element value, KeyPath skip = {}) {
    switch (value.type()) {
    case dom::element_type::OBJECT: {
        QJsonObject object;
        const dom::object members = value.get_object().value_unsafe();
        for (const dom::key_value_pair member : members) {
            const bool onPath = !skip.empty() && member.key == skip.front();
            if (onPath && skip.size() == 1) continue;
            object.insert(QString::fromUtf8(member.key.data(), static_cast<qsizetype>(member.key.size())),
                          ToQt(member.value, onPath ? skip.subspan(1) : KeyPath{}));
        }
        return object;
    }
    case dom::element_type::ARRAY: {
        QJsonArray array;
        const dom::array items = value.get_array().value_unsafe();
        for (const dom::element item : items) array.append(ToQt(item));
        return array;
    }
    case dom::element_type::STRING: {
        const std::string_view text = value.get_string().value_unsafe();
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    // Whole numbers stay whole, as Qt's own reader keeps them: a request's id comes back as it was sent.
    case dom::element_type::INT64: return static_cast<qint64>(value.get_int64().value_unsafe());
    case dom::element_type::UINT64: return static_cast<double>(value.get_uint64().value_unsafe());
    case dom::element_type::DOUBLE: return value.get_double().value_unsafe();
    case dom::element_type::BOOL: return value.get_bool().value_unsafe();
    case dom::element_type::NULL_VALUE: break;
    }
    return QJsonValue::Null;
}

// Qt's reader, for the bodies simdjson refuses: it takes some that simdjson does not (a number past
// 64 bits, a lone surrogate escaped, bytes that are no UTF-8) and words the faults of the rest.
ReadMessage ReadWithQt(std::string_view body) {
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromRawData(body.data(), static_cast<qsizetype>(body.size())), &error);
    if (error.error != QJsonParseError::NoError)
        return ReadMessage{ReadMessage::Kind::BadJson, {},
                           "The message is not valid JSON: " + error.errorString().toStdString() + ".", {}};
    if (!document.isObject())
        return ReadMessage{ReadMessage::Kind::NotAnObject, {}, "The message is not a JSON object.", {}};
    return ReadMessage{ReadMessage::Kind::Message, document.object(), {}, {}};
}

}  // namespace

MessageReader::MessageReader() : parser_(std::make_unique<dom::parser>()) {}

MessageReader::~MessageReader() = default;

void MessageReader::Feed(std::string_view bytes) {
    // Taken bytes are dropped once they are the larger part, so the buffer never grows without bound.
    if (consumed_ > 0 && consumed_ >= buffer_.size() / 2) {
        buffer_.erase(0, consumed_);
        consumed_ = 0;
    }
    // Room after the bytes lets the parser read a body in place instead of copying it; made
    // before they are appended, so that a large message is not copied a second time to make it.
    buffer_.reserve(buffer_.size() + bytes.size() + simdjson::SIMDJSON_PADDING);
    buffer_.append(bytes);
}

std::optional<ReadMessage> MessageReader::Next() {
    const std::string_view pending = std::string_view(buffer_).substr(consumed_);
    if (bodyLength_ < 0) {
        const std::size_t end = pending.find("\r\n\r\n");
        if (end == std::string_view::npos) {
            if (pending.size() <= kMaxHeader) return std::nullopt;
            consumed_ = buffer_.size();  // no header block ends in time: drop what came
            return ReadMessage{ReadMessage::Kind::BadFraming, {}, "A message header is too long.", {}};
        }
        consumed_ += end + 4;
        const long long length = ContentLength(pending.substr(0, end));
        if (length < 0)
            return ReadMessage{ReadMessage::Kind::BadFraming, {}, "A message has no valid Content-Length header.", {}};
        if (length > kMaxBody)
            return ReadMessage{ReadMessage::Kind::BadFraming, {}, "A message is longer than the server takes.", {}};
        bodyLength_ = length;
        // Room for the whole body now: a script of megabytes arriving in pipe-sized pieces is then
        // not copied into ever larger fresh buffers as it comes (up to a size no bogus length can abuse).
        const auto room = static_cast<std::size_t>(std::min(length, kMostReserved)) + simdjson::SIMDJSON_PADDING;
        buffer_.reserve(consumed_ + room);
        return Next();
    }
    if (pending.size() < static_cast<std::size_t>(bodyLength_)) return std::nullopt;
    const std::string_view body = pending.substr(0, static_cast<std::size_t>(bodyLength_));
    consumed_ += body.size();
    bodyLength_ = -1;
    return ParseBody(body);
}

ReadMessage MessageReader::ParseBody(std::string_view body) {
    const std::size_t room = buffer_.capacity() - static_cast<std::size_t>(body.data() - buffer_.data());
    dom::element document;
    const simdjson::error_code failure =
        parser_->parse(body.data(), body.size(), room - body.size() < simdjson::SIMDJSON_PADDING).get(document);
    if (failure) return ReadWithQt(body);
    dom::object root;
    if (document.get_object().get(root))
        return ReadMessage{ReadMessage::Kind::NotAnObject, {}, "The message is not a JSON object.", {}};
    ReadMessage message;
    // An opened script's text goes to the server as the bytes it came in, never through a QString.
    static constexpr std::array<std::string_view, 3> kOpenedText{"params", "textDocument", "text"};
    std::string_view method;
    std::string_view text;
    KeyPath skip;
    if (!root["method"].get(method) && method == "textDocument/didOpen" &&
        !root.at_pointer("/params/textDocument/text").get(text)) {
        message.documentText.emplace(TakeText(text));
        skip = kOpenedText;
    }
    message.object = ToQt(document, skip).toObject();
    return message;
}

std::string MessageReader::TakeText(std::string_view text) {
    // A script of megabytes goes into the buffer its message came in, whose pages are in
    // memory already, rather than into as many fresh ones; the parser no longer needs the body.
    if (text.size() < kLargeText || text.size() < buffer_.capacity() / 4) return std::string(text);
    std::string later = buffer_.substr(consumed_);  // the bytes of the messages after it, usually none
    std::string taken = std::move(buffer_);
    taken.assign(text);  // fits: a JSON string is never shorter than the text it holds
    buffer_ = std::move(later);
    consumed_ = 0;
    return taken;
}

}  // namespace tarnwick::lsp

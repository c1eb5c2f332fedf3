#include "lsp/MessageReader.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <charconv>

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

}  // namespace

void MessageReader::Feed(std::string_view bytes) {
    // Taken bytes are dropped once they are the larger part, so the buffer never grows without bound.
    if (consumed_ > 0 && consumed_ >= buffer_.size() / 2) {
        buffer_.erase(0, consumed_);
        consumed_ = 0;
    }
    buffer_.append(bytes);
}

std::optional<ReadMessage> MessageReader::Next() {
    const std::string_view pending = std::string_view(buffer_).substr(consumed_);
    if (bodyLength_ < 0) {
        const std::size_t end = pending.find("\r\n\r\n");
        if (end == std::string_view::npos) {
            if (pending.size() <= kMaxHeader) return std::nullopt;
            consumed_ = buffer_.size();  // no header block ends in time: drop what came
            return ReadMessage{ReadMessage::Kind::BadFraming, {}, "A message header is too long."};
        }
        consumed_ += end + 4;
        const long long length = ContentLength(pending.substr(0, end));
        if (length < 0)
            return ReadMessage{ReadMessage::Kind::BadFraming, {}, "A message has no valid Content-Length header."};
        if (length > kMaxBody)
            return ReadMessage{ReadMessage::Kind::BadFraming, {}, "A message is longer than the server takes."};
        bodyLength_ = length;
        return Next();
    }
    if (pending.size() < static_cast<std::size_t>(bodyLength_)) return std::nullopt;
    const std::string_view body = pending.substr(0, static_cast<std::size_t>(bodyLength_));
    consumed_ += body.size();
    bodyLength_ = -1;
    return ParseBody(body);
}

std::optional<ReadMessage> MessageReader::ParseBody(std::string_view body) const {
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromRawData(body.data(), static_cast<qsizetype>(body.size())), &error);
    if (error.error != QJsonParseError::NoError)
        return ReadMessage{ReadMessage::Kind::BadJson, {},
                           "The message is not valid JSON: " + error.errorString().toStdString() + "."};
    if (!document.isObject())
        return ReadMessage{ReadMessage::Kind::NotAnObject, {}, "The message is not a JSON object."};
    return ReadMessage{ReadMessage::Kind::Message, document.object(), {}};
}

}  // namespace tarnwick::lsp

// The message reader against Qt's own JSON reader: the same object for every
// body, an opened script's text taken out beside it, and the same refusals.
#include "lsp/MessageReader.h"
#include "lsp/Protocol.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

namespace tarnwick::lsp {

TEST(MessageReaderTest, ReadsBodiesAsQtsReaderDoes) {
    std::string large;
    while (large.size() < (3u << 20)) large += R"(a = \"\u00e9\"\r\n)";
    const struct { const char* name; std::string body; bool takesText; } rows[] = {
        {"escapes, whole numbers past 2^53, a key given twice",
         R"({"id":9007199254740993,"s":"\u00e9\ud83d\ude00\r\n\"\\/","a":[-2,3.5,1e3,true,null],"a":{"b":{}}})", false},
        {"a number past 64 bits, left to Qt",
         R"({"method":"textDocument/didOpen","params":{"textDocument":{"text":"a"}},"n":18446744073709551616})", false},
        {"an opened script's text",
         R"({"params":{"textDocument":{"uri":"u","text":"If\r\n\u00e9"}},"method":"textDocument/didOpen"})", true},
        {"a number for the text", R"({"method":"textDocument/didOpen","params":{"textDocument":{"text":5}}})", false},
        {"another method's text", R"({"method":"textDocument/hover","params":{"textDocument":{"text":"a"}}})", false},
        {"not JSON", R"({"id": 7,)", false}, {"an array", "[1]", false},
        {"a large script's text",
         R"({"method":"textDocument/didOpen","params":{"textDocument":{"text":")" + large + R"("}}})", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        MessageReader reader;
        // A message after it in the same bytes is still found.
        reader.Feed("Content-Length: " + std::to_string(row.body.size()) + "\r\n\r\n" + row.body +
                    "Content-Length: 2\r\n\r\n{}");
        const ReadMessage read = reader.Next().value();
        QJsonParseError error{};
        const QJsonDocument qt = QJsonDocument::fromJson(QByteArray::fromStdString(row.body), &error);
        const auto kind = error.error ? ReadMessage::Kind::BadJson
                          : qt.isObject() ? ReadMessage::Kind::Message : ReadMessage::Kind::NotAnObject;
        ASSERT_EQ(read.kind, kind);
        ASSERT_EQ(read.documentText.has_value(), row.takesText);
        QJsonObject expected = qt.object();
        if (row.takesText) {
            QJsonObject params = expected["params"].toObject(), item = params["textDocument"].toObject();
            EXPECT_EQ(QString::fromStdString(*read.documentText), item.take("text").toString());
            params["textDocument"] = item;
            expected["params"] = params;
        }
        EXPECT_EQ(read.object, expected);
        EXPECT_EQ(reader.Next().value().object, QJsonObject{});
    }
}

// Strings written as text (the diagnostics) are escaped byte for byte as Qt's writer escapes them.
TEST(MessageReaderTest, WritesStringsAsQtsWriterDoes) {
    QString every;
    for (char16_t c = 1; c < 0x100; ++c) every += QChar(c);
    every += QString::fromUtf8("\xF0\x9F\x98\x80'x'");
    QByteArray written = "[";
    AppendJsonString(written, every);
    EXPECT_EQ(written + "]", QJsonDocument(QJsonArray{every}).toJson(QJsonDocument::Compact));
}

}  // namespace tarnwick::lsp

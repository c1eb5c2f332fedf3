#pragma once

#include "editor/TextEncoding.h"

#include <QFont>
#include <QHash>
#include <QString>

#include <array>
#include <string_view>

namespace tarnwick {

// Where the characters of one line stand on screen: every byte of the code
// page has its advance, and a tab character reaches the next tab stop. In a
// Unicode document a character is a UTF-8 sequence of bytes; columns stay
// byte offsets, and always fall between characters.
class EditorLayout {
public:
    void SetFont(const QFont& font, int logicalDpiX);
    void SetEncoding(TextEncoding encoding) { encoding_ = encoding; }
    TextEncoding Encoding() const { return encoding_; }

    const QFont& Font() const { return font_; }
    int LineHeight() const { return lineHeight_; }
    int Ascent() const { return ascent_; }
    qreal TabWidth() const { return tabWidth_; }
    qreal Advance(unsigned char byte) const { return advances_[byte]; }
    // Whether the font's characters differ in width (the fixed-pitch face asked
    // for was missing): such text is drawn a character at a time, where measured.
    bool Proportional() const { return proportional_; }

    // x of the left edge of column col (0-based) in the line.
    qreal XOfColumn(std::string_view line, int col) const;
    // The column whose left edge is nearest to x.
    int ColumnAtX(std::string_view line, qreal x) const;
    qreal LineWidth(std::string_view line) const { return XOfColumn(line, static_cast<int>(line.size())); }
    // No line of `bytes` bytes, `tabs` of them tabs, is wider than this; in a
    // Unicode document, where a character's advance is known only once it is
    // measured, no bound (infinity).
    qreal WidthBound(std::size_t bytes, std::size_t tabs) const;

    // x after a byte that starts at x.
    qreal NextX(qreal x, unsigned char byte) const;
    // x after the character at column `at` of the line (CharLength bytes long).
    qreal NextX(qreal x, std::string_view line, int at) const;
    int CharLength(std::string_view line, int at) const {
        return tarnwick::CharLength(line, static_cast<std::size_t>(at), encoding_);
    }

    // The displayed text of bytes (Windows-1252 to Unicode).
    static QString Display(std::string_view bytes);
    // The displayed text of bytes of the document's encoding.
    static QString Display(std::string_view bytes, TextEncoding encoding);
    QString Shown(std::string_view bytes) const { return Display(bytes, encoding_); }

private:
    qreal AdvanceOf(char32_t code) const;

    QFont font_;
    std::array<qreal, 256> advances_{};
    qreal widestAdvance_ = 0;
    bool proportional_ = false;  // of the bytes other than the tab
    mutable QHash<char32_t, qreal> otherAdvances_;  // characters outside the code page, measured once
    TextEncoding encoding_ = TextEncoding::Ansi;
    qreal tabWidth_ = 48;
    int lineHeight_ = 16;
    int ascent_ = 12;
};

}  // namespace tarnwick

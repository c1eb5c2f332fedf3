#pragma once

#include <QFont>
#include <QString>

#include <array>
#include <string_view>

namespace tarnwick {

// Where the characters of one line stand on screen: every byte of the code
// page has its advance, and a tab character reaches the next tab stop.
class EditorLayout {
public:
    void SetFont(const QFont& font, int logicalDpiX);

    const QFont& Font() const { return font_; }
    int LineHeight() const { return lineHeight_; }
    int Ascent() const { return ascent_; }
    qreal TabWidth() const { return tabWidth_; }
    qreal Advance(unsigned char byte) const { return advances_[byte]; }

    // x of the left edge of column col (0-based) in the line.
    qreal XOfColumn(std::string_view line, int col) const;
    // The column whose left edge is nearest to x.
    int ColumnAtX(std::string_view line, qreal x) const;
    qreal LineWidth(std::string_view line) const { return XOfColumn(line, static_cast<int>(line.size())); }

    // x after a byte that starts at x.
    qreal NextX(qreal x, unsigned char byte) const;

    // The displayed text of bytes (Windows-1252 to Unicode).
    static QString Display(std::string_view bytes);

private:

    QFont font_;
    std::array<qreal, 256> advances_{};
    qreal tabWidth_ = 48;
    int lineHeight_ = 16;
    int ascent_ = 12;
};

}  // namespace tarnwick

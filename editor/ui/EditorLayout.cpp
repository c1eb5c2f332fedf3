#include "editor/ui/EditorLayout.h"

#include "editor/Ansi.h"

#include <QFontMetricsF>

#include <cmath>
#include <limits>

namespace tarnwick {

void EditorLayout::SetFont(const QFont& font, int logicalDpiX) {
    font_ = font;
    otherAdvances_.clear();
    const QFontMetricsF metrics(font_);
    for (int b = 0; b < 256; ++b) {
        const char32_t code = AnsiToUnicode(static_cast<unsigned char>(b));
        advances_[b] = code < 32 ? metrics.horizontalAdvance(QLatin1Char(' '))
                                 : metrics.horizontalAdvance(QString::fromUcs4(&code, 1));
    }
    // Tab stops every half inch, as the rich-edit control sets them.
    tabWidth_ = std::max<qreal>(1.0, logicalDpiX / 2.0);
    widestAdvance_ = 0;
    for (int b = 0; b < 256; ++b)
        if (b != '\t') widestAdvance_ = std::max(widestAdvance_, advances_[static_cast<std::size_t>(b)]);
    proportional_ = advances_['i'] != advances_['W'] || advances_['.'] != advances_['m'];
    lineHeight_ = static_cast<int>(std::ceil(metrics.height()));
    ascent_ = static_cast<int>(std::ceil(metrics.ascent()));
}

qreal EditorLayout::NextX(qreal x, unsigned char byte) const {
    if (byte == '\t') return (std::floor(x / tabWidth_ + 1e-6) + 1) * tabWidth_;
    return x + advances_[byte];
}

qreal EditorLayout::NextX(qreal x, std::string_view line, int at) const {
    const unsigned char byte = static_cast<unsigned char>(line[at]);
    if (encoding_ == TextEncoding::Ansi || byte < 0x80) return NextX(x, byte);
    return x + AdvanceOf(CodePointAt(line, static_cast<std::size_t>(at), encoding_));
}

qreal EditorLayout::AdvanceOf(char32_t code) const {
    if (const int byte = UnicodeToAnsi(code); byte >= 0) return advances_[byte];
    auto known = otherAdvances_.constFind(code);
    if (known != otherAdvances_.constEnd()) return *known;
    // The font's fallback for a character it lacks may be wider (a CJK character takes two cells).
    const qreal advance = QFontMetricsF(font_).horizontalAdvance(QString::fromUcs4(&code, 1));
    otherAdvances_.insert(code, advance);
    return advance;
}

qreal EditorLayout::WidthBound(std::size_t bytes, std::size_t tabs) const {
    if (encoding_ != TextEncoding::Ansi) return std::numeric_limits<qreal>::infinity();
    // A tab reaches the next stop, at most a stop and a hair (the rounding NextX allows) away;
    // the last factor covers the rounding of the sums.
    const qreal bound = static_cast<qreal>(bytes - tabs) * widestAdvance_ +
                        static_cast<qreal>(tabs) * tabWidth_ * (1 + 1e-5);
    return bound * (1 + 1e-9) + 1e-6;
}

qreal EditorLayout::XOfColumn(std::string_view line, int col) const {
    qreal x = 0;
    const int end = std::min<int>(col, static_cast<int>(line.size()));
    if (encoding_ == TextEncoding::Ansi) {  // one byte, one character
        for (int i = 0; i < end; ++i) x = NextX(x, static_cast<unsigned char>(line[static_cast<std::size_t>(i)]));
        return x;
    }
    for (int i = 0; i < end; i += CharLength(line, i)) x = NextX(x, line, i);
    return x;
}

int EditorLayout::ColumnAtX(std::string_view line, qreal x) const {
    qreal left = 0;
    for (int i = 0; i < static_cast<int>(line.size()); i += CharLength(line, i)) {
        const qreal right = NextX(left, line, i);
        if (x < (left + right) / 2) return i;
        left = right;
    }
    return static_cast<int>(line.size());
}

QString EditorLayout::Display(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<int>(bytes.size()));
    for (char c : bytes) {
        const char32_t code = AnsiToUnicode(static_cast<unsigned char>(c));
        if (code < 0x10000) out.append(QChar(static_cast<char16_t>(code)));
        else out.append(QString::fromUcs4(&code, 1));
    }
    return out;
}

QString EditorLayout::Display(std::string_view bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Ansi) return Display(bytes);
    QString out;
    out.reserve(static_cast<int>(bytes.size()));
    for (std::size_t at = 0; at < bytes.size(); at += tarnwick::CharLength(bytes, at, encoding)) {
        const char32_t code = CodePointAt(bytes, at, encoding);
        out.append(QString::fromUcs4(&code, 1));
    }
    return out;
}

}  // namespace tarnwick

#include "showntext.h"

#include <QList>

namespace {
constexpr int longestShown = 40;
const QChar ellipsis(0x2026);

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f);
}

// The marks, embeddings, overrides and isolates of bidirectional text, and the separators that
// break a line.
bool isLayoutControl(char32_t c)
{
    return c == 0x061c || c == 0x200e || c == 0x200f || (c >= 0x2028 && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069);
}

// One character as it is shown: itself, or its escape.
QString shownCharacter(char32_t c)
{
    switch (c) {
    case '\n':
        return QStringLiteral("\\n");
    case '\r':
        return QStringLiteral("\\r");
    case '\t':
        return QStringLiteral("\\t");
    default:
        break;
    }
    if (isControl(c))
        return QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
    if (isLayoutControl(c))
        return QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
    return QString::fromUcs4(&c, 1);
}
} // namespace

QString escapedText(const QString &text)
{
    QString shown;
    for (const char32_t c : text.toUcs4())
        shown += shownCharacter(c);
    return shown;
}

QString shownText(const QString &text)
{
    // Escaping never shortens a text, so what lies beyond this is cut anyway.
    const QString start = text.left(longestShown + 1);
    QString shown;
    for (const char32_t c : start.toUcs4()) {
        const QString piece = shownCharacter(c);
        if (shown.size() + piece.size() > longestShown)
            return shown + ellipsis;
        shown += piece;
    }
    return shown;
}

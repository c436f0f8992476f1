#include "strict_number.h"

#include <QRegularExpression>

#include <cmath>

namespace {
bool isWhole(const QRegularExpression &pattern, const QString &text)
{
    return pattern.match(text).hasMatch();
}
} // namespace

QString checkInteger(const QString &text, long long min, long long max, long long &value)
{
    static const QRegularExpression integer(
        QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]+")));
    if (!isWhole(integer, text))
        return QStringLiteral("is not an integer");
    // Decimal digits that do not convert are too many for a long long.
    bool converted = false;
    value = text.toLongLong(&converted);
    if (!converted || value < min || value > max)
        return QStringLiteral("is out of range");
    return {};
}

QString checkReal(const QString &text, double min, double max, double &value)
{
    static const QRegularExpression real(QRegularExpression::anchoredPattern(
        QStringLiteral("[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?")));
    if (!isWhole(real, text))
        return QStringLiteral("is not a number");
    // Plain notation that does not convert overflows or underflows a double.
    bool converted = false;
    value = text.toDouble(&converted);
    if (!converted || !std::isfinite(value) || value < min || value > max)
        return QStringLiteral("is out of range");
    return {};
}

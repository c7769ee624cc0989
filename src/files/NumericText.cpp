#include "files/NumericText.h"

#include <QRegularExpression>

#include <cmath>

double NumericText::value(const QString &text)
{
    QString compact = text;
    compact.remove(QLatin1Char(' ')).remove(QLatin1Char('\t')).remove(QLatin1Char('\n'));

    if (compact.size() >= 2 && compact.at(0) == QLatin1Char('&')) {
        const QChar kind = compact.at(1).toUpper();
        const int base = kind == QLatin1Char('H') ? 16 : kind == QLatin1Char('O') ? 8 : 0;
        if (base) {
            double result = 0;
            for (int i = 2; i < compact.size(); ++i) {
                const int digit = QString(compact.at(i)).toInt(nullptr, base);
                if (digit == 0 && compact.at(i) != QLatin1Char('0'))
                    break;
                result = result * base + digit;
            }
            return result;
        }
    }

    static const QRegularExpression number(
        QStringLiteral("^[+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?"));
    const QRegularExpressionMatch match = number.match(compact);
    if (!match.hasMatch())
        return 0;
    return match.captured(0).toDouble();
}

double NumericText::roundHalfEven(double value)
{
    return std::nearbyint(value);  // the default rounding mode rounds halves to even
}

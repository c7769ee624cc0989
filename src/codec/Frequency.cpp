#include "codec/Frequency.h"

#include <algorithm>
#include <limits>

QString Frequency::format(std::uint64_t hz)
{
    QString digits = QString::number(hz);
    if (digits.size() < 7)
        digits = digits.rightJustified(7, QLatin1Char('0'));
    const int millions = digits.size() - 6;
    return digits.left(millions) + QLatin1Char('.') + digits.mid(millions, 3)
        + QLatin1Char('.') + digits.right(3);
}

std::uint32_t Frequency::toField(qint64 hz)
{
    constexpr qint64 top = std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(std::clamp<qint64>(hz, 0, top));
}

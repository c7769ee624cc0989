#include "SimFault.h"

#include <algorithm>
#include <array>
#include <utility>

std::optional<SimFault> SimFault::parse(const QString &text)
{
    static const std::array<std::pair<const char *, Kind>, 5> plain = {{
        {"silent", Kind::Silent},
        {"echo-only", Kind::EchoOnly},
        {"garbage", Kind::Garbage},
        {"short", Kind::Short},
        {"no-ok", Kind::NoOk},
    }};
    for (const auto &[name, kind] : plain) {
        if (text == QLatin1String(name))
            return SimFault(kind);
    }

    static const std::array<std::pair<const char *, Kind>, 2> counted = {{
        {"hang-after=", Kind::HangAfter},
        {"close-after=", Kind::CloseAfter},
    }};
    for (const auto &[prefix, kind] : counted) {
        const QLatin1String p(prefix);
        if (!text.startsWith(p))
            continue;
        const QString digits = text.mid(p.size());
        bool ok = false;
        const int count = digits.toInt(&ok);
        // toInt takes a sign and blanks; the count is plain digits.
        const bool plainDigits = !digits.isEmpty()
            && std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
        if (!ok || !plainDigits || count < 0)
            return std::nullopt;
        return SimFault(kind, count);
    }
    return std::nullopt;
}

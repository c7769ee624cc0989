#include "files/ListLayout.h"

#include "codec/Vocabulary.h"

#include <QRegularExpression>

namespace {

constexpr qint64 HertzPerMegahertz = 1000000;
constexpr qint64 HighestHertz = 0xFFFFFFFFll;

// The layout's mode names where they differ from the radio's.
struct ModeAlias
{
    const char *layout;
    const char *radio;
    bool approximated;
};
const ModeAlias ModeAliases[] = {
    {"CW", "CWU", false},
    {"CWR", "CWL", false},
    {"NFM", "FM", true},
};

} // namespace

const QStringList &ListLayout::header()
{
    static const QStringList names{
        QStringLiteral("Location"), QStringLiteral("Name"),         QStringLiteral("Frequency"),
        QStringLiteral("Duplex"),   QStringLiteral("Offset"),       QStringLiteral("Tone"),
        QStringLiteral("rToneFreq"), QStringLiteral("cToneFreq"),   QStringLiteral("DtcsCode"),
        QStringLiteral("DtcsPolarity"), QStringLiteral("RxDtcsCode"), QStringLiteral("CrossMode"),
        QStringLiteral("Mode"),     QStringLiteral("TStep"),        QStringLiteral("Skip"),
        QStringLiteral("Power"),    QStringLiteral("Comment"),      QStringLiteral("URCALL"),
        QStringLiteral("RPT1CALL"), QStringLiteral("RPT2CALL"),     QStringLiteral("DVCODE")};
    return names;
}

QString ListLayout::megahertz(qint64 hz)
{
    return QStringLiteral("%1.%2").arg(hz / HertzPerMegahertz).arg(hz % HertzPerMegahertz, 6, 10, QLatin1Char('0'));
}

qint64 ListLayout::hertzOf(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*(\\d{1,6})(?:\\.(\\d{0,30}))?\\s*$"));
    const QRegularExpressionMatch m = number.match(text);
    if (!m.hasMatch())
        return -1;
    const QString fraction = m.captured(2);
    qint64 hz = m.captured(1).toLongLong() * HertzPerMegahertz
        + fraction.left(6).leftJustified(6, QLatin1Char('0')).toLongLong();
    if (fraction.size() > 6 && fraction.at(6) >= QLatin1Char('5'))
        ++hz;
    return hz <= HighestHertz ? hz : -1;
}

QString ListLayout::modeName(int modeCode)
{
    const QString radio = Vocabulary::text(ChannelColumn::Mode, modeCode);
    for (const ModeAlias &alias : ModeAliases) {
        if (!alias.approximated && radio == QLatin1String(alias.radio))
            return QLatin1String(alias.layout);
    }
    return radio;
}

int ListLayout::modeCode(const QString &name, bool &approximated)
{
    QString radio = name.trimmed().toUpper();
    approximated = false;
    for (const ModeAlias &alias : ModeAliases) {
        if (radio == QLatin1String(alias.layout)) {
            radio = QLatin1String(alias.radio);
            approximated = alias.approximated;
            break;
        }
    }
    return int(Vocabulary::modeNames().indexOf(radio));
}

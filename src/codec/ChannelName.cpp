#include "codec/ChannelName.h"

#include "codec/ChannelCodec.h"

QChar ChannelName::accepted(QChar typed)
{
    const char16_t u = typed.unicode();
    const QChar c = (u >= u'a' && u <= u'z') ? QChar(char16_t(u - u'a' + u'A')) : typed;
    return ChannelCodec::nameCharCode(c) >= 0 ? c : QChar();
}

QString ChannelName::kept(const QString &text)
{
    QString name = text;
    for (QChar &c : name) {
        if (c >= u'a' && c <= u'z')
            c = c.toUpper();
    }
    return name;
}

std::optional<QString> ChannelName::problem(const QString &name)
{
    for (const QChar c : name) {
        if (ChannelCodec::nameCharCode(c) < 0) {
            const QString shown = c.isPrint() ? QString(c) : QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
            return tr("\"%1\" holds \"%2\", which the radio cannot store").arg(name, shown);
        }
    }
    if (name.size() > Length)
        return tr("\"%1\" is longer than %2 characters").arg(name, QString::number(Length));
    return std::nullopt;
}

QString ChannelName::fitted(const QString &text, QString &why)
{
    QString fit;
    bool replaced = false;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        const QChar upper = c.toUpper();
        const bool lacking = ChannelCodec::nameCharCode(upper) < 0;
        replaced = replaced || lacking;
        fit += lacking ? QChar(u' ') : upper;
    }
    if (replaced) {
        fit = fit.simplified();
        why = tr("characters the radio lacks are left out");
    }
    if (fit.size() > Length) {
        fit = fit.left(Length);
        why += QLatin1String(why.isEmpty() ? "" : ", ") + tr("%1 characters at most").arg(Length);
    }
    return fit;
}

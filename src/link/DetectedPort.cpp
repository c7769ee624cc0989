#include "link/DetectedPort.h"

#include <QStringList>

namespace {

constexpr int UsbIdDigits = 4;
constexpr int Hexadecimal = 16;

QString usbId(quint16 id)
{
    return QStringLiteral("%1").arg(id, UsbIdDigits, Hexadecimal, QLatin1Char('0'));
}

} // namespace

QString DetectedPort::usbIds() const
{
    return hasUsbIds ? usbId(vendorId) + QLatin1Char(':') + usbId(productId) : QString();
}

QString DetectedPort::summary() const
{
    QStringList facts;
    for (const QString &fact : {description, usbIds()}) {
        if (!fact.isEmpty())
            facts.append(fact);
    }
    return facts.isEmpty() ? systemPath : QStringLiteral("%1 (%2)").arg(systemPath, facts.join(QStringLiteral(", ")));
}

bool DetectedPort::matches(const QString &device) const
{
    return !device.isEmpty() && (device == systemPath || device == portName);
}

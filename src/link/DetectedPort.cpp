#include "link/DetectedPort.h"

#include <QCoreApplication>
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
    if (latencyTimerMs >= 0)
        facts.append(QCoreApplication::translate("DetectedPort", "latency timer %1 ms").arg(latencyTimerMs));
    return facts.isEmpty() ? systemPath : QStringLiteral("%1 (%2)").arg(systemPath, facts.join(QStringLiteral(", ")));
}

QString DetectedPort::latencyHint() const
{
    if (latencyTimerMs <= 1)
        return QString();
    return QCoreApplication::translate("DetectedPort", "%1: its latency timer of %2 ms holds back the end of every reply; at 1 ms a read is "
                          "about a tenth faster. The package's udev rule sets 1 ms when the adapter is plugged in; "
                          "until then: echo 1 | sudo tee /sys/class/tty/%3/device/latency_timer")
        .arg(systemPath)
        .arg(latencyTimerMs)
        .arg(portName);
}

bool DetectedPort::matches(const QString &device) const
{
    return !device.isEmpty() && (device == systemPath || device == portName);
}

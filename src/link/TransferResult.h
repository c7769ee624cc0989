#pragma once

#include <QCoreApplication>
#include <QString>

// How a transfer ended.
class TransferResult
{
public:
    enum class Outcome {
        Normal,               // ended normally (end command sent where due)
        PortFailure,          // an exchange saw a port error: "COM Port Error"
        CommunicationFailure, // no reply, or a reply of the wrong form: "Communication Error"
        Unexpected,           // port could not be opened, or a record did not decode:
                              // reported as "COM Port Error"
        Refused,              // another transfer was running; nothing was done
        Interrupted,          // stopped on request between two records, end command sent
    };

    TransferResult() = default;
    TransferResult(Outcome outcome, const QString &detail = QString(), int failedSlot = -1)
        : m_outcome(outcome), m_detail(detail), m_failedSlot(failedSlot)
    {
    }

    Outcome outcome() const { return m_outcome; }
    bool ok() const { return m_outcome == Outcome::Normal; }
    // The system's reason or the failing step ("Permission denied: /dev/ttyUSB0",
    // "slot 100: mode").
    QString detail() const { return m_detail; }
    // The channel slot at which a memory transfer failed; -1 otherwise.
    int failedSlot() const { return m_failedSlot; }
    // The fixed message the window shows: "COM Port Error",
    // "Communication Error", or empty for Normal and Refused.
    QString message() const
    {
        switch (m_outcome) {
        case Outcome::PortFailure:
        case Outcome::Unexpected:
            return QStringLiteral("COM Port Error");
        case Outcome::CommunicationFailure:
            return QStringLiteral("Communication Error");
        case Outcome::Interrupted:
            return QCoreApplication::translate("TransferResult", "interrupted");
        case Outcome::Normal:
        case Outcome::Refused:
            break;
        }
        return QString();
    }

private:
    Outcome m_outcome = Outcome::Normal;
    QString m_detail;
    int m_failedSlot = -1;
};

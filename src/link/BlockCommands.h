#pragma once

#include <QString>

class LineExchange;

// The radio's command set: each operation sends one command line through
// the exchange and judges the reply by its length, its echo (the command
// just sent, line end included) and, where due, its last characters. A
// reply of the right length that echoes another command (one meant for
// another program on the same line, or a stale one) is refused.
class BlockCommands
{
public:
    enum class Status { Accepted, PortFailure, CommunicationFailure };

    // Whole reply lengths, echo included.
    static constexpr int ReadReplyLength = 77;     // 11 echo + 64 digits + CR LF
    static constexpr int WriteReplyLength = 79;    // 75 echo + "OK" CR LF
    static constexpr int CheckReplyLength = 11;    // 7 echo + "OK" CR LF
    static constexpr int IdentifyReplyLength = 21; // 8 echo + 11 + CR LF

    struct Reply
    {
        Status status = Status::CommunicationFailure;
        // What the exchange returned (a failure marker included), for
        // reporting why an operation failed.
        QString raw;
        // The reply had the right form but echoed another command.
        bool otherEcho = false;
        bool ok() const { return status == Status::Accepted; }
    };
    struct RecordReply : Reply
    {
        QString recordText; // 64 characters, taken as they came
    };
    struct Identity : Reply
    {
        QString model;       // "QTR70" or "QTR60"
        QString variantCode; // two characters
        QString rangeCode;   // two characters
    };

    explicit BlockCommands(LineExchange &exchange);

    static QString readCommand(int address);
    static QString writeCommand(int address, const QString &recordText);
    static QString identifyCommand() { return QStringLiteral("KV~WHO\r\n"); }
    static QString modelCommand(const QString &model) { return model + QStringLiteral("\r\n"); }
    static QString primaryModel() { return QStringLiteral("QTR70"); }
    static QString secondaryModel() { return QStringLiteral("QTR60"); }
    // The identification's variant code of a model option (0 QT-R70J ..
    // 3 QT-R70A: "33", "66", "99", "CC"), and back; -1 for an unknown code.
    static QString variantCode(int variant);
    static int variantForCode(const QString &code);
    // The range code of an extended-coverage radio.
    static QString extendedRangeCode() { return QStringLiteral("AA"); }

    // The 64-digit record at `address`.
    RecordReply readRecord(int address);
    // Writes a 64-digit record at `address`; accepted on "OK".
    Reply writeRecord(int address, const QString &recordText);
    // Asks for "QTR70", then "QTR60". A port failure on the first name ends
    // there; anything that fails on the second name is a communication
    // failure.
    Reply checkModel();
    // Model field, variant code and range code of the radio.
    Identity identifyRadio();

    // Why a reply was refused, in words ("no reply within 2000 ms",
    // "unexpected reply of 76 characters").
    QString describe(const Reply &reply) const;

private:
    // `rightForm`: the reply's length (and answer) are what `command` asks for.
    Reply judge(const QString &raw, bool rightForm, const QString &command) const;

    LineExchange &m_exchange;
};

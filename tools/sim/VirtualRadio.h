#pragma once

#include "RadioImage.h"
#include "SimFault.h"
#include "codec/Vocabulary.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The radio's side of the clone protocol on bytes: one command line in,
// the whole reply out (the echo of the line exactly as received, then the
// answer). No terminal, no timing; the wire is someone else's job.
class VirtualRadio
{
public:
    // The model names a radio can answer to; the first is the default.
    static const QStringList &modelNames();
    // The model option of a radio nobody asked otherwise: QT-R70E.
    static constexpr int DefaultVariant = Vocabulary::ModelE;

    VirtualRadio(const RadioImage &image, const QString &model, int variant, bool extended,
                 const SimFault &fault = SimFault());

    // The reply to one command line (its CR LF included). Empty when the
    // radio says nothing.
    QByteArray reply(const QByteArray &line);

    // The identification line: model field, variant code, "00", range
    // code (11 characters, no line end).
    QByteArray identification() const;

    // True once a close-after fault has answered its last command: the
    // terminal is to be closed after that reply.
    bool closeRequested() const { return m_closeRequested; }
    // Command lines received so far.
    int commandCount() const { return m_commandCount; }

    const RadioImage &image() const { return m_image; }
    int variant() const { return m_variant; }
    bool extended() const { return m_extended; }

private:
    // What a command line asks for.
    enum class Command { Identify, OwnModel, OtherModel, Read, Write, End, Unknown };

    Command classify(const QByteArray &body, int &address, Record &data) const;
    // The answer line without its line end; `answered` false for none.
    QByteArray answer(Command command, int address, const Record &data, bool &answered);
    QByteArray disturbed(const QByteArray &answer) const;

    RadioImage m_image;
    QString m_model;
    int m_variant;
    bool m_extended;
    SimFault m_fault;
    int m_commandCount = 0;
    bool m_closeRequested = false;
};

#pragma once

#include <QCoreApplication>

#include "RadioCommand.h"
#include "session/RadioSession.h"

// qtr70 write: a clone file to the radio, all of it, its settings, its memory, or only what differs (--changes).
class WriteCommand : public RadioCommand
{
    Q_DECLARE_TR_FUNCTIONS(WriteCommand)

public:
    QString name() const override { return QStringLiteral("write"); }
    QString usageLines() const override;
    int run(CliContext &context, const QStringList &arguments) override;

private:
    // Settings, memory or both, whole.
    int writeWhole(CliContext &context, RadioSession::Job job, const QString &file);
    // Only what differs from what the radio holds, after asking when `ask`.
    int writeChanges(CliContext &context, bool ask);
    // The file to every radio on `ports` at once, after one question when
    // `ask`.
    int writeSeveral(CliContext &context, const QStringList &ports, const QString &file, bool changes, bool ask,
                     bool forceModel);
};

#pragma once

#include "Command.h"

// qtr70 write: a clone file to the radio, all of it, its settings, its memory, or only what differs (--changes).
class WriteCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("write"); }
    QString usageLines() const override;
    int run(CliContext &context, const QStringList &arguments) override;
};

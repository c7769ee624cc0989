#pragma once

#include "Command.h"

// qtr70 diff: every difference between two clone files.
class DiffCommand : public Command
{
public:
    QString name() const override { return QStringLiteral("diff"); }
    QString usageLines() const override;
    int run(CliContext &context, const QStringList &arguments) override;
};

#pragma once

#include <QCoreApplication>

#include "Command.h"

// qtr70 diff: every difference between two clone files.
class DiffCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(DiffCommand)

public:
    QString name() const override { return QStringLiteral("diff"); }
    QString usageLines() const override;
    int run(CliContext &context, const QStringList &arguments) override;
};

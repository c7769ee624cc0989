#pragma once

#include <QCoreApplication>

#include "Command.h"

// qtr70 import-list: a channel list in the common layout of radio
// programmers, stored into a copy of a clone file after its report.
class ImportListCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(ImportListCommand)

public:
    QString name() const override { return QStringLiteral("import-list"); }
    QString usageLines() const override;
    int run(CliContext &context, const QStringList &arguments) override;
};

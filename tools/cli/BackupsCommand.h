#pragma once

#include <QCoreApplication>

#include "Command.h"

// qtr70 backups: the automatic backups, newest first, with what each holds.
class BackupsCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(BackupsCommand)

public:
    QString name() const override { return QStringLiteral("backups"); }
    QString usageLines() const override;
    int run(CliContext &context, const QStringList &arguments) override;
};

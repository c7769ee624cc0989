#pragma once

#include <QCoreApplication>

#include "Command.h"

// qtr70 show: a clone file's model, settings, VFOs and channels in use.
class ShowCommand : public Command
{
    Q_DECLARE_TR_FUNCTIONS(ShowCommand)

public:
    QString name() const override { return QStringLiteral("show"); }
    QString usageLines() const override;
    int run(CliContext &context, const QStringList &arguments) override;
};

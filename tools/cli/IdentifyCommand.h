#pragma once

#include <QCoreApplication>

#include "RadioCommand.h"

// qtr70 identify: the radio's model variant and coverage version.
class IdentifyCommand : public RadioCommand
{
    Q_DECLARE_TR_FUNCTIONS(IdentifyCommand)

public:
    QString name() const override { return QStringLiteral("identify"); }
    QString usageLines() const override;
    int run(CliContext &context, const QStringList &arguments) override;
};

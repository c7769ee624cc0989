#pragma once

#include <QCoreApplication>

#include "RadioCommand.h"

// qtr70 read: Auto Select, settings and memory from the radio into a clone file.
class ReadCommand : public RadioCommand
{
    Q_DECLARE_TR_FUNCTIONS(ReadCommand)

public:
    QString name() const override { return QStringLiteral("read"); }
    QString usageLines() const override;
    int run(CliContext &context, const QStringList &arguments) override;

private:
    // Every radio on `ports` at once into the backups, and into `folder`
    // when one is named.
    int readSeveral(CliContext &context, const QStringList &ports, const QString &folder);
};

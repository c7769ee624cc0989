#include "BackupsCommand.h"

#include "CliContext.h"
#include "files/TextTable.h"

#include <QCommandLineParser>
#include <QTextStream>

QString BackupsCommand::usageLines() const
{
    return tr("  backups                               list the automatic backups, newest first\n");
}

int BackupsCommand::run(CliContext &context, const QStringList &arguments)
{
    QCommandLineParser parser;
    const int early = context.parse(parser, name(), arguments,
                                    tr("Lists the automatic backups of the radio, newest first, with what\n"
                                                   "each holds. The desktop program and qtr70 keep them in:\n")
                                        + context.backups.folder());
    if (early >= 0)
        return early;
    if (!parser.positionalArguments().isEmpty())
        return context.usage(tr("backups takes no arguments"));
    TextTable table;
    for (const BackupStore::Entry &entry : context.backups.list())
        table.addRow({entry.path, BackupStore::contents(entry.kind)});
    context.out() << table.render();
    return CliContext::Success;
}

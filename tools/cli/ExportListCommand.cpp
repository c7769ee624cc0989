#include "ExportListCommand.h"

#include "CliContext.h"
#include "codec/Counted.h"
#include "codec/ChannelLabel.h"
#include "files/ChannelListExport.h"

#include <QCommandLineParser>
#include <QTextStream>

QString ExportListCommand::usageLines() const
{
    return tr("  export-list FILE.R70 -o OUT.csv [--all]\n"
                          "                                        write the channels as a list other programs read\n");
}

int ExportListCommand::run(CliContext &context, const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption outputOption(QStringLiteral("o"), tr("CSV file to write."),
                                          QStringLiteral("OUT.csv"));
    const QCommandLineOption allOption(QStringLiteral("all"), tr("Every slot, the empty ones too."));
    parser.addOption(outputOption);
    parser.addOption(allOption);
    const int early = context.parse(parser, name(), arguments,
                                    tr("Writes the channels in use (or every slot) as a CSV list in the layout\n"
                                                   "most radio programmers read: Location is the slot number 0-603,\n"
                                                   "Comment the slot's label."),
                                    QStringLiteral("FILE.R70"));
    if (early >= 0)
        return early;
    if (parser.positionalArguments().size() != 1 || !parser.isSet(outputOption))
        return context.usage(tr("export-list needs FILE.R70 and -o OUT.csv"));
    if (const int refused = context.refuseOutputThatIsAnInput(parser.value(outputOption), parser.positionalArguments());
        refused >= 0)
        return refused;
    CloneImage image;
    if (!context.loadImage(image, parser.positionalArguments().first()))
        return CliContext::FileFailed;
    const auto which = parser.isSet(allOption) ? ChannelListExport::Slots::All : ChannelListExport::Slots::InUse;
    const FileResult result = ChannelListExport::write(parser.value(outputOption), image, which);
    if (!result.ok())
        return context.reportFile(result.message(), result.detail());
    context.out() << tr("Wrote %1").arg(Counted::text(ChannelListExport::rowCount(image, which), Counted::Noun::Row)) << "\n";
    return CliContext::Success;
}

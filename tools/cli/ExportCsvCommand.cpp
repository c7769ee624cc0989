#include "ExportCsvCommand.h"

#include "CliContext.h"
#include "files/CsvExchange.h"

#include <QCommandLineParser>

QString ExportCsvCommand::usageLines() const
{
    return tr("  export-csv FILE.R70 -o OUT.csv        write VFO A/B and channels 0-199 as CSV\n");
}

int ExportCsvCommand::run(CliContext &context, const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption outputOption(QStringLiteral("o"), tr("CSV file to write."),
                                          QStringLiteral("OUT.csv"));
    parser.addOption(outputOption);
    const int early = context.parse(parser, name(), arguments,
                                    tr("Writes VFO A and B and the channels 0-199 in use as CSV."),
                                    QStringLiteral("FILE.R70"));
    if (early >= 0)
        return early;
    if (parser.positionalArguments().size() != 1 || !parser.isSet(outputOption))
        return context.usage(tr("export-csv needs FILE.R70 and -o OUT.csv"));
    if (const int refused = context.refuseOutputThatIsAnInput(parser.value(outputOption), parser.positionalArguments());
        refused >= 0)
        return refused;
    CloneImage image;
    if (!context.loadImage(image, parser.positionalArguments().first()))
        return CliContext::FileFailed;
    const FileResult result = CsvExchange::exportFile(image, parser.value(outputOption));
    if (!result.ok())
        return context.reportFile(result.message(), result.detail());
    return CliContext::Success;
}

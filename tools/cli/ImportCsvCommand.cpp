#include "ImportCsvCommand.h"

#include "CliContext.h"
#include "codec/SafeText.h"
#include "files/CloneFile.h"
#include "files/CsvExchange.h"

#include <QCommandLineParser>
#include <QTextStream>

QString ImportCsvCommand::usageLines() const
{
    return tr("  import-csv FILE.R70 IN.csv -o OUT.R70 store a CSV's records into a copy of a clone file\n");
}

int ImportCsvCommand::run(CliContext &context, const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption outputOption(QStringLiteral("o"), tr("Clone file to write."),
                                          QStringLiteral("OUT.R70"));
    parser.addOption(outputOption);
    const int early = context.parse(parser, name(), arguments,
                                    tr("Stores the channel and VFO records of a CSV file into a copy of a\n"
                                                   "clone file; rows the CSV does not name keep their contents. A record\n"
                                                   "the radio could not hold (a frequency outside its range, a name it\n"
                                                   "cannot show) is refused and listed by its line."),
                                    QStringLiteral("FILE.R70 IN.csv"));
    if (early >= 0)
        return early;
    if (parser.positionalArguments().size() != 2 || !parser.isSet(outputOption))
        return context.usage(tr("import-csv needs FILE.R70, IN.csv and -o OUT.R70"));
    if (const int refused = context.refuseOutputThatIsAnInput(parser.value(outputOption), parser.positionalArguments());
        refused >= 0)
        return refused;
    CloneImage image;
    if (!context.loadImage(image, parser.positionalArguments().at(0)))
        return CliContext::FileFailed;
    const CsvExchange::ImportResult imported = CsvExchange::importFile(parser.positionalArguments().at(1), image);
    if (!imported.file.ok())
        return context.reportFile(imported.file.message(), imported.file.detail());
    for (const QString &refused : imported.refused)
        context.err() << tr("refused: %1").arg(SafeText::escaped(refused)) << "\n";
    const FileResult saved = CloneFile::write(parser.value(outputOption), imported.image);
    if (!saved.ok())
        return context.reportFile(saved.message(), saved.detail());
    context.out() << tr("Stored %1 channel(s) and %2 VFO record(s); dropped %3 record(s).")
                         .arg(imported.channels)
                         .arg(imported.vfos)
                         .arg(imported.dropped)
                  << "\n";
    return CliContext::Success;
}

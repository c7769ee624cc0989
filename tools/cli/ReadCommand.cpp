#include "ReadCommand.h"

#include "CliContext.h"
#include "app/CloneDocument.h"
#include "files/CloneFile.h"
#include "link/LineExchange.h"
#include "link/RadioPort.h"
#include "session/RadioSession.h"

#include <QCommandLineParser>
#include <QTextStream>

QString ReadCommand::usageLines() const
{
    return tr("  read --port P -o FILE.R70             read the whole radio into a clone file\n");
}

int ReadCommand::run(CliContext &context, const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption &port = portOption();
    const QCommandLineOption outputOption(QStringLiteral("o"), tr("Clone file to write."),
                                          QStringLiteral("FILE.R70"));
    parser.addOption(port);
    parser.addOption(outputOption);
    const int early = context.parse(parser, name(), arguments,
                                    tr("Reads the radio (Auto Select, settings, memory) into a clone file.\n"
                                                   "Nothing is written when any step fails."));
    if (early >= 0)
        return early;
    if (!parser.isSet(port) || !parser.isSet(outputOption) || !parser.positionalArguments().isEmpty())
        return context.usage(tr("read needs --port P and -o FILE.R70"));

    int exitCode = CliContext::Usage;
    if (!connectRadio(context, parser, CloneImage::factory(Vocabulary::ModelE, false), exitCode))
        return exitCode;
    RadioSession &session = this->session();
    SessionResult result = context.run(session, [&] { return session.start(RadioSession::Job::IdentifyThenReadAll); });
    if (result.ok() && context.interruptSignal != 0)
        result.transfer = TransferResult(TransferResult::Outcome::Interrupted, tr("nothing more was read"));
    if (!result.ok()) {
        if (result.transfer.outcome() == TransferResult::Outcome::Interrupted)
            context.err() << tr("no file written") << "\n";
        return context.reportTransfer(result.transfer);
    }

    context.reportBackup(result);
    const CloneImage &image = document().image();
    const FileResult saved = CloneFile::write(parser.value(outputOption), image);
    if (!saved.ok())
        return context.reportFile(saved.message(), saved.detail());
    const QString model = image.extendedRange ? tr("%1 (extended coverage)").arg(Vocabulary::modelName(image.modelVariant))
                                              : Vocabulary::modelName(image.modelVariant);
    context.out() << tr("Read %1 into %2").arg(model, parser.value(outputOption)) << "\n";
    return CliContext::Success;
}

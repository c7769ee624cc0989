// qtr70-sim: a virtual QT-R70 on a pseudo-terminal.

#include "RadioImage.h"
#include "app/SignalWatcher.h"
#include "SimOptions.h"
#include "SimSession.h"
#include "VirtualRadio.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

void printTo(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

void complain(const QString &text)
{
    printTo(stderr, QStringLiteral("qtr70-sim: %1\n").arg(text));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);

    const SimOptions options = SimOptions::parse(app.arguments().mid(1));
    switch (options.action()) {
    case SimOptions::Action::Help:
        printTo(stdout, SimOptions::usage());
        return 0;
    case SimOptions::Action::Refuse:
        complain(options.error());
        printTo(stderr, SimOptions::usage());
        return ExitUsage;
    case SimOptions::Action::Run:
        break;
    }

    RadioImage image;
    RadioImage::Loaded loaded;
    loaded.variant = options.variant().value_or(VirtualRadio::DefaultVariant);
    if (!options.imagePath().isEmpty()) {
        QFile file(options.imagePath());
        if (!file.open(QIODevice::ReadOnly)) {
            complain(QStringLiteral("%1: %2").arg(options.imagePath(), file.errorString()));
            return ExitUsage;
        }
        QString error;
        if (!RadioImage::fromCloneFile(file, image, loaded, error)) {
            complain(QStringLiteral("%1: not a clone file: %2").arg(options.imagePath(), error));
            return ExitUsage;
        }
    } else {
        image = RadioImage::factoryImage(loaded.variant);
    }
    const int variant = options.variant().value_or(loaded.variant);
    const bool extended = options.extended() || loaded.extended;

    SimSession session(options, VirtualRadio(image, options.model(), variant, extended, options.fault()));
    SignalWatcher signalWatcher;
    if (!signalWatcher.isActive()) {
        complain(QStringLiteral("cannot watch SIGTERM/SIGINT"));
        return ExitFailure;
    }
    QObject::connect(&signalWatcher, &SignalWatcher::terminationRequested, &session, &SimSession::finish);
    QObject::connect(
        &session, &SimSession::finished, &app, [](int exitCode) { QCoreApplication::exit(exitCode); },
        Qt::QueuedConnection);

    QString error;
    if (!session.start(error)) {
        complain(error);
        return ExitFailure;
    }
    printTo(stdout, session.devicePath() + QLatin1Char('\n'));
    return app.exec();
}

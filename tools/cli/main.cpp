#include "CommandLineTool.h"
#include "app/InterfaceLanguage.h"
#include "app/SignalWatcher.h"
#include "link/RadioPort.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

int main(int argc, char *argv[])
{
    // Printing lays text out with fonts, which takes Qt GUI; it needs no
    // display.
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && std::strcmp(argv[1], "print") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("qtr70"));
    if (!InterfaceLanguage::install(*app, InterfaceLanguage::systemIsJapanese()))
        std::fputs("qtr70: some Japanese texts could not be loaded; they stay in English\n", stderr);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CommandLineTool tool(out, err, &CommandLineTool::serialPort);
    tool.setShowProgress(isatty(fileno(stderr)) != 0);
    tool.setInteractive(isatty(fileno(stdin)) != 0 && isatty(fileno(stdout)) != 0);

    // Ctrl+C, SIGTERM or SIGHUP during a transfer ends it cleanly; a second
    // one, or one at any other time (a command blocked on a FIFO, say), ends
    // the program at once.
    SignalWatcher watcher(SignalWatcher::Mode::EndUnlessDeferred);
    QObject::connect(&watcher, &SignalWatcher::terminationRequested, [&](int signalNumber) {
        if (!tool.interrupt(signalNumber)) {
            out.flush();
            err.flush();
            _exit(SignalWatcher::ExitBase + signalNumber);
        }
    });
    return tool.run(QCoreApplication::arguments().mid(1));
}

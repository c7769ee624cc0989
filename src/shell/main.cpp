// The desktop program qtr70-clone: splash screen, tables, main window, and
// the clone file named on the command line.
#include "app/CloneDocument.h"
#include "app/InterfaceLanguage.h"
#include "app/SignalWatcher.h"
#include "link/PortFile.h"
#include "link/SerialRadioPort.h"
#include "shell/DesktopPrompter.h"
#include "shell/MainWindow.h"
#include "shell/SplashScreen.h"
#include "shell/Icons.h"
#include "shell/LocalizeForm.h"
#include "shell/StringTable.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qtr70-clone"));
    QApplication::setApplicationVersion(QStringLiteral(QTR70_VERSION));
    QApplication::setWindowIcon(Icons::program());
    QApplication::setDesktopFileName(QStringLiteral("qtr70-clone"));
    const StringTable strings = StringTable::forSystem();
    if (!InterfaceLanguage::install(app, strings.language() == StringTable::Language::Japanese))
        std::fprintf(stderr, "qtr70-clone: some Japanese texts could not be loaded; they stay in English\n");
    LocalizeForm::applyToProgram(strings);

    SplashScreen splash;
    splash.show();
    splash.repaint();
    QApplication::processEvents();

    CloneDocument state;
    state.setCommandLineFile(CloneDocument::commandLineFileFrom(QApplication::arguments().mid(1)));

    DesktopPrompter prompter;
    SerialRadioPort port;
    port.setObjectName(QStringLiteral("MSComm1"));
    MainWindow window(state, prompter, port, PortFile::forThisProgram(), strings);
    window.load();
    splash.close();
    window.editDialog();  // loaded now, shown on its first use
    window.show();
    // A logout, systemctl stop or a closed terminal ends the window as the
    // user would, with nothing lost.
    SignalWatcher watcher;
    QObject::connect(&watcher, &SignalWatcher::terminationRequested, &window, &MainWindow::endBySignal);
    const int status = QApplication::exec();
    return window.endingSignal() != 0 ? SignalWatcher::ExitBase + window.endingSignal() : status;
}

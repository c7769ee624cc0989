// The desktop program qtr70-clone: splash screen, tables, main window, and
// the clone file named on the command line.
#include "app/Module1.h"
#include "app/SignalWatcher.h"
#include "link/PortFile.h"
#include "link/SerialRadioPort.h"
#include "shell/DesktopPrompter.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"
#include "shell/Icons.h"
#include "shell/StringTable.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qtr70-clone"));
    QApplication::setApplicationVersion(QStringLiteral(QTR70_VERSION));
    QApplication::setWindowIcon(Icons::program());
    QApplication::setDesktopFileName(QStringLiteral("qtr70-clone"));

    frmSplash splash;
    splash.show();
    splash.repaint();
    QApplication::processEvents();

    Module1 state;
    state.CommandLineFile = Module1::CommandLineFileFrom(QApplication::arguments().mid(1));

    DesktopPrompter prompter;
    SerialRadioPort port;
    port.setObjectName(QStringLiteral("MSComm1"));
    frmMain window(state, prompter, port, PortFile::forThisProgram(), StringTable::forSystem());
    window.Form_Load();
    splash.close();
    window.editDialog();  // loaded now, shown on its first use
    window.show();
    // A logout, systemctl stop or a closed terminal ends the window as the
    // user would, with nothing lost.
    SignalWatcher watcher;
    QObject::connect(&watcher, &SignalWatcher::terminationRequested, &window, &frmMain::endBySignal);
    const int status = QApplication::exec();
    return window.endingSignal() != 0 ? SignalWatcher::ExitBase + window.endingSignal() : status;
}

#pragma once

#include "app/CloneDocument.h"
#include "ScriptedPrompter.h"
#include "link/SerialRadioPort.h"
#include "shell/StringTable.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class QAction;
class QComboBox;
class QPushButton;
class QTableView;
class MainWindow;

// Clicks tab `tab` of the window's tab strip, as a user does.
void selectTab(MainWindow &w, int tab);
// The texts grid row `row` shows, column by column.
QStringList gridRow(const QTableView *grid, int row);

// A main window as start-up builds it, on a fresh document: scripted
// prompts, a serial port (useDevice() points port 1 at a device, such as
// the virtual radio), its port file in a scratch folder, a short splash
// time and short link waits. create() builds the window, load() runs its
// load and shows it.
class MainWindowFixture
{
public:
    // Bound of one exchange: long enough for the unpaced virtual radio,
    // short enough that a silent radio fails quickly.
    static constexpr int ReplyTimeoutMs = 300;
    static constexpr int SplashMs = 1;

    explicit MainWindowFixture(StringTable::Language language = StringTable::Language::English);
    ~MainWindowFixture();

    // Keeps the per-user settings store inside `folder`; create() does this
    // with the fixture's scratch folder.
    static void keepUserSettingsIn(const QString &folder);

    MainWindow &create();
    MainWindow &load();
    MainWindow &window() { return *m_window; }

    // The program's folder, where the port file lives.
    QString programFolder() const { return m_folder.path(); }
    bool writePortFile(const QByteArray &contents, const QString &name = QStringLiteral("QT-R70.ini"));
    // A scratch path for files of the test.
    QString path(const QString &name) const { return m_folder.filePath(name); }
    // Port 1 opens this device.
    static void useDevice(const QString &device);

    // Returns once the window's transfer (which runs on the session's
    // worker while the window goes on) has ended; at once when none runs.
    // False when it did not end within a minute.
    bool waitForTransfer();

    QAction *action(const QString &name) const;
    QPushButton *button(const QString &name) const;
    QComboBox *list(const QString &name) const;
    // The text of memory grid or VFO grid cell (row, column).
    QString memoryCell(int row, int column) const;
    QString vfoCell(int row, int column) const;

    CloneDocument state;
    ScriptedPrompter prompter;
    SerialRadioPort port;

private:
    StringTable::Language m_language;
    QTemporaryDir m_folder;
    std::unique_ptr<MainWindow> m_window;
};

#include "MainWindowFixture.h"

#include "edit/MemoryGrid.h"
#include "edit/VfoGrid.h"
#include "link/LineExchange.h"
#include "link/PortFile.h"
#include "link/PortNames.h"
#include "link/TransferEngine.h"
#include "session/RadioSession.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTableView>
#include <QTest>

MainWindowFixture::MainWindowFixture(StringTable::Language language)
    : m_language(language)
{
}

MainWindowFixture::~MainWindowFixture() = default;

void MainWindowFixture::keepUserSettingsIn(const QString &folder)
{
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, folder);
}

MainWindow &MainWindowFixture::create()
{
    // The window placement written at close stays in the scratch folder.
    keepUserSettingsIn(m_folder.filePath(QStringLiteral("settings")));
    // Port assignments too: never this user's own.
    QStandardPaths::setTestModeEnabled(true);
    const QString userFolder = m_folder.filePath(QStringLiteral("user"));
    m_window = std::make_unique<MainWindow>(state, prompter, port, PortFile(m_folder.path(), userFolder),
                                         StringTable(m_language));
    m_window->setSplashMinimumMs(SplashMs);
    m_window->setBackupStore(BackupStore(m_folder.filePath(QStringLiteral("backups"))));
    m_window->session().setReplyTimeoutMs(ReplyTimeoutMs);
    m_window->session().setPauseMs(0);
    return *m_window;
}

MainWindow &MainWindowFixture::load()
{
    if (!m_window)
        create();
    m_window->load();
    m_window->show();
    // Keyboard shortcuts reach the active window only.
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        qWarning("the main window did not become active");
    return *m_window;
}

bool MainWindowFixture::writePortFile(const QByteArray &contents, const QString &name)
{
    QFile file(QDir(m_folder.path()).filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

void MainWindowFixture::useDevice(const QString &device)
{
    qputenv(PortNames::environmentVariableFor(PortNames::FirstPort).toLatin1().constData(),
            device.toLocal8Bit());
}

bool MainWindowFixture::waitForTransfer()
{
    if (!m_window->transferRunning())
        return true;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    // The window's own handler of the end runs first: it was connected first.
    QObject::connect(&m_window->session(), &RadioSession::finished, &loop, &QEventLoop::quit);
    limit.start(60000);
    loop.exec();
    return !m_window->transferRunning();
}

QAction *MainWindowFixture::action(const QString &name) const
{
    return m_window->findChild<QAction *>(name);
}

QPushButton *MainWindowFixture::button(const QString &name) const
{
    return m_window->findChild<QPushButton *>(name);
}

QComboBox *MainWindowFixture::list(const QString &name) const
{
    return m_window->findChild<QComboBox *>(name);
}

QString MainWindowFixture::memoryCell(int row, int column) const
{
    const auto *grid = m_window->findChild<MemoryGrid *>(QStringLiteral("MSFlexGrid1"));
    return grid->cellText(row, column);
}

QString MainWindowFixture::vfoCell(int row, int column) const
{
    const auto *grid = m_window->findChild<VfoGrid *>(QStringLiteral("MSFlexGrid2"));
    return grid->cellText(row, column);
}

void selectTab(MainWindow &w, int tab)
{
    auto *tabs = w.findChild<QTabBar *>(QStringLiteral("TabStrip1"));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
}

QStringList gridRow(const QTableView *grid, int row)
{
    const QAbstractItemModel *model = grid->model();
    QStringList texts;
    for (int c = 0; c < model->columnCount(); ++c)
        texts.append(model->data(model->index(row, c)).toString());
    return texts;
}

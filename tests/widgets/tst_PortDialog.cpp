// The port dialog's device list: assigning a detected device to a port
// number, the assignment kept for the next start, Unassign and Refresh.
#include "FakeSerialPortList.h"
#include "shell/MainStatusBar.h"
#include "MainWindowFixture.h"
#include "link/SerialRadioPort.h"
#include "SimProcess.h"
#include "shell/PortDialog.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

class tst_PortDialog : public QObject
{
    Q_OBJECT
private slots:
    void assignedDeviceIsRead();
};

void tst_PortDialog::assignedDeviceIsRead()
{
    SimProcess sim;
    QVERIFY(sim.start({}));
    MainWindowFixture f;
    MainWindow &w = f.load();
    QFile::remove(PortAssignments::forThisUser().filePath());
    auto devices = std::make_shared<FakeSerialPortList>(QList<DetectedPort>{
        FakeSerialPortList::device("/dev/ttyACM9", "USB Serial", "A1"),
        FakeSerialPortList::device(sim.devicePath(), "Clone cable", "R70")});
    auto dialog = std::make_unique<PortDialog>(w.port(), devices, PortAssignments::forThisUser(), &w);
    dialog->selectPort(4);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    // Wide enough for the whole caption beside the title bar's buttons.
    QVERIFY(dialog->width() > QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance("COM Port Setup") + 100);
    auto *list = dialog->findChild<QTreeWidget *>("lstDevices");
    auto *label = dialog->findChild<QLabel *>("lblDevice");
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(list->topLevelItem(1)->text(PortDialog::DeviceColumnDescription), QString("Clone cable"));
    QCOMPARE(label->text(), QString("COM  4 opens /dev/ttyUSB3 (the usual name): not present."));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(1)).center());
    QCOMPARE(dialog->option(3)->toolTip(), sim.devicePath() + " (present)");
    QCOMPARE(label->text(), "COM  4 opens " + sim.devicePath() + " (assigned): present.");
    QCOMPARE(list->topLevelItem(1)->text(PortDialog::DeviceColumnPorts), QString("4"));
    QTest::mouseClick(dialog->findChild<QPushButton *>("OKButton"), Qt::LeftButton);
    QCOMPARE(w.port().portNumber(), 4);
    f.action("mnuReSet")->trigger();
    QVERIFY(f.waitForTransfer());
    QCOMPARE(f.prompter.shown.size(), 0);  // read through the assigned device
    QCOMPARE(w.port().deviceName(), sim.devicePath());
    // Next start: the assignment is still there, until Unassign.
    dialog = std::make_unique<PortDialog>(w.port(), devices, PortAssignments::forThisUser(), &w);
    dialog->selectPort(4);
    QCOMPARE(dialog->option(3)->toolTip(), sim.devicePath() + " (present)");
    QTest::mouseClick(dialog->findChild<QPushButton *>("cmdUnassign"), Qt::LeftButton);
    QCOMPARE(dialog->option(3)->toolTip(), QString("/dev/ttyUSB3 (not present)"));
    devices->setPorts({});
    QTest::mouseClick(dialog->findChild<QPushButton *>("cmdRefresh"), Qt::LeftButton);
    QCOMPARE(dialog->findChild<QTreeWidget *>("lstDevices")->topLevelItemCount(), 0);
    QTest::mouseClick(dialog->findChild<QPushButton *>("OKButton"), Qt::LeftButton);
    // Reading it now fails; the status bar says why without widening the window.
    const int width = w.width();
    f.action("mnuReSet")->trigger();
    QVERIFY(f.waitForTransfer());
    QCOMPARE(f.prompter.messages(), QStringList{"COM Port Error"});
    QVERIFY(w.mainStatusBar()->text().startsWith("No such file or directory: /dev/ttyUSB3. It is not there"));
    QTest::qWait(50); // the window takes its new layout
    QCOMPARE(w.width(), width);
}

QTEST_MAIN(tst_PortDialog)
#include "tst_PortDialog.moc"

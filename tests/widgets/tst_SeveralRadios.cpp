// Tool > Write to Several Radios: two virtual radios written at once, each
// with its result; Stop ends both, each told the transfer ended.
#include "FakeSerialPortList.h"
#include "SimProcess.h"
#include "files/BackupStore.h"
#include "files/CloneFile.h"
#include "codec/Vocabulary.h"
#include "session/RadioSession.h"
#include "shell/SeveralRadiosDialog.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A radio for the dialog: the virtual radio with its command log and, once
// stopped, its memory.
struct Radio
{
    SimProcess sim;
    QString log;
    QString saved;

    bool start(const QTemporaryDir &dir, const QString &name, const QStringList &options = {})
    {
        log = dir.filePath(name + QStringLiteral(".log"));
        saved = dir.filePath(name + QStringLiteral(".R70"));
        return sim.start(QStringList{"--log", log, "--save", saved} + options);
    }
    QByteArray lastCommand() const
    {
        QFile file(log);
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().split('\n').last() : QByteArray();
    }
};

} // namespace

class tst_SeveralRadios : public QObject
{
    Q_OBJECT
private slots:
    void writesTwoRadiosAtOnce();
    void stopEndsBoth();

private:
    // The dialog on the two radios, both ticked.
    std::unique_ptr<SeveralRadiosDialog> dialogFor(const CloneImage &image, Radio &a, Radio &b);

    QTemporaryDir m_dir;
};

std::unique_ptr<SeveralRadiosDialog> tst_SeveralRadios::dialogFor(const CloneImage &image, Radio &a, Radio &b)
{
    auto ports = std::make_shared<FakeSerialPortList>(
        QList<DetectedPort>{FakeSerialPortList::device(a.sim.devicePath()), FakeSerialPortList::device(b.sim.devicePath())});
    const BackupStore backups(m_dir.filePath(QStringLiteral("backups")));
    auto dialog = std::make_unique<SeveralRadiosDialog>(image, ports, [backups](RadioSession &session) {
        session.setBackupStore(backups);
        session.setPauseMs(0);
    });
    for (QCheckBox *box : dialog->findChildren<QCheckBox *>())
        box->setChecked(true);
    dialog->show();
    return dialog;
}

void tst_SeveralRadios::writesTwoRadiosAtOnce()
{
    Radio a;
    Radio b;
    QVERIFY(a.start(m_dir, QStringLiteral("a")));
    QVERIFY(b.start(m_dir, QStringLiteral("b")));
    CloneImage plan = CloneImage::factory(Vocabulary::ModelE, false);
    plan.channels[5].inUse = true;
    plan.channels[5].frequency = 14074000;
    plan.channels[5].name = QStringLiteral("FT8");
    const auto dialog = dialogFor(plan, a, b);
    QSignalSpy ended(dialog.get(), &SeveralRadiosDialog::runFinished);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdStart")), Qt::LeftButton);
    QVERIFY(ended.wait(60000));

    const auto *rows = dialog->findChild<QTableWidget *>(QStringLiteral("lstRadios"));
    QCOMPARE(rows->rowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        QCOMPARE(rows->item(row, 1)->text(), QStringLiteral("QT-R70E"));
        QVERIFY2(rows->item(row, 3)->text().startsWith(QStringLiteral("Wrote ")), qPrintable(rows->item(row, 3)->text()));
    }
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblSummary"))->text(), QStringLiteral("2 of 2 radios written"));
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdCopy")), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text().count(QLatin1Char('\n')), 3);

    for (Radio *radio : {&a, &b}) {
        radio->sim.stop();
        CloneImage held;
        QVERIFY(CloneFile::load(radio->saved, held).ok());
        QCOMPARE(held.channels[5], plan.channels[5]);
        QCOMPARE(radio->lastCommand(), QByteArray("KV~E"));
    }
}

void tst_SeveralRadios::stopEndsBoth()
{
    Radio a;
    Radio b;
    QVERIFY(a.start(m_dir, QStringLiteral("paced-a"), {"--pace"}));
    QVERIFY(b.start(m_dir, QStringLiteral("paced-b"), {"--pace"}));
    const auto dialog = dialogFor(CloneImage::factory(Vocabulary::ModelE, false), a, b);
    QSignalSpy ended(dialog.get(), &SeveralRadiosDialog::runFinished);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdStart")), Qt::LeftButton);
    // Both reading their radio, each with a bar of its own.
    const auto *rows = dialog->findChild<QTableWidget *>(QStringLiteral("lstRadios"));
    const auto under_way = [rows](int row) {
        const auto *bar = qobject_cast<QProgressBar *>(rows->cellWidget(row, 2));
        return bar->maximum() > 100 && bar->value() > 0;
    };
    QTRY_VERIFY_WITH_TIMEOUT(under_way(0) && under_way(1), 30000);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdStop")), Qt::LeftButton);
    QVERIFY(ended.wait(30000));
    for (int row = 0; row < 2; ++row)
        QCOMPARE(rows->item(row, 3)->text(), QStringLiteral("Stopped before writing; nothing was written."));
    QCOMPARE(a.lastCommand(), QByteArray("KV~E"));
    QCOMPARE(b.lastCommand(), QByteArray("KV~E"));
}

QTEST_MAIN(tst_SeveralRadios)
#include "tst_SeveralRadios.moc"

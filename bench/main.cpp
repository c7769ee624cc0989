// qtr70-bench: the transfers against the virtual radio at the real pace of
// the wire, with the real serial port path and the real timeouts and
// pauses: Read Memory and Write Memory through the engine, Read Memory
// through the desktop window (offscreen: models, views and all), Write
// Changes of a few records beside the full Write ALL, the same Write Changes
// to four radios at once against one, and Read Memory and Write Memory
// through a modelled USB serial adapter.

#include "CountingPort.h"
#include "app/CloneDocument.h"
#include "codec/SettingsTable.h"
#include "link/PortFile.h"
#include "link/SerialRadioPort.h"
#include "shell/DesktopPrompter.h"
#include "SimProcess.h"
#include "shell/StringTable.h"
#include "TransferBench.h"
#include "TransferRunner.h"
#include "link/TransferEngine.h"
#include "session/RadioFleet.h"
#include "session/RadioSession.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QAction>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The pauses each transfer makes: one after every slot and one in the end
// command for Read Memory; for Write Memory also one after the model check
// and one before the end command.
constexpr int ReadMemoryPauses = CloneDocument::ChannelCount + 1;
constexpr int WriteMemoryPauses = CloneDocument::ChannelCount + 3;
// Write Settings: after the model check, after each of 4 records, the end.
constexpr int WriteSettingsPauses = 1 + 4 + 1;
constexpr int ReadSettingsPauses = 4 + 1;
// Write Changes of one settings record and `channels` slots: Read ALL's
// reads, the settings sequence (model check, one record, end), the memory
// sequence (model check, one before each slot, one after the last, end),
// and the read back (one after each record, end).
int writeChangesPauses(int channels)
{
    return ReadSettingsPauses + ReadMemoryPauses + 3 + (1 + channels + 1 + 1) + (1 + channels + 1);
}
const QList<int> ChangedSlots = {7, 120, 250, 410, 600};

void print(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

struct SeveralRadios
{
    bool ok = false;
    double seconds = 0;
    double cpuSeconds = 0;
};

// Writes the changes of `image` to `radios` paced virtual radios at once.
SeveralRadios writeToSeveralRadios(const CloneImage &image, int radios, const QString &backups)
{
    SeveralRadios figures;
    std::vector<std::unique_ptr<SimProcess>> sims;
    RadioFleet fleet;
    for (int r = 0; r < radios; ++r) {
        sims.push_back(std::make_unique<SimProcess>());
        if (!sims.back()->start({QStringLiteral("--pace")}))
            return figures;
        auto port = std::make_unique<SerialRadioPort>();
        port->setDevicePath(sims.back()->devicePath());
        fleet.addRadio(sims.back()->devicePath(), std::move(port));
    }
    fleet.setConfigure([&backups](RadioSession &session) { session.setBackupStore(BackupStore(backups)); });
    QEventLoop loop;
    QObject::connect(&fleet, &RadioFleet::finished, &loop, &QEventLoop::quit);
    const double cpuBefore = TransferBench::cpuSecondsUsed();
    QElapsedTimer clock;
    clock.start();
    if (fleet.start(image, RadioFleet::Write::Changes) && fleet.isRunning())
        loop.exec();
    figures.seconds = double(clock.nsecsElapsed()) / 1e9;
    figures.cpuSeconds = TransferBench::cpuSecondsUsed() - cpuBefore;
    figures.ok = fleet.allSucceeded();
    if (!figures.ok) {
        for (const QString &line : fleet.summary())
            print(line);
    }
    return figures;
}

} // namespace

// Read Memory through the desktop window on `device`, in a process of its
// own (a GUI application), so that the engine's figures stay those of a
// plain core program.
int windowRead(int argc, char *argv[], const QString &device)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SerialRadioPort serial;
    serial.setDevicePath(device);
    CountingPort port(serial);
    QTemporaryDir folder;
    CloneDocument document;
    DesktopPrompter prompter;
    MainWindow window(document, prompter, port, PortFile(folder.path(), folder.path()),
                   StringTable(StringTable::Language::English));
    window.setSplashMinimumMs(1);
    window.setBackupStore(BackupStore(folder.filePath(QStringLiteral("backups"))));
    window.load();
    window.show();
    TransferResult last;
    QObject::connect(&window.session(), &RadioSession::transferFinished,
                     [&last](TransferEngine::Kind, const TransferResult &result) { last = result; });
    TransferBench::Figures figures = TransferBench::measure(
        QStringLiteral("Read Memory, window"), port, ReadMemoryPauses, TransferEngine::DefaultPauseMs, [&] {
            // The read runs on the session's worker; the window follows it.
            QEventLoop loop;
            QObject::connect(&window.session(), &RadioSession::finished, &loop, &QEventLoop::quit);
            window.findChild<QAction *>(QStringLiteral("mnuReMem"))->trigger();
            if (window.session().isBusy())
                loop.exec();
            return last;
        });
    figures.cpuTarget = TransferBench::WindowTargetCpuShare;
    print(TransferBench::report(figures));
    return figures.ok ? 0 : 1;
}

int main(int argc, char *argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--window")
        return windowRead(argc, argv, QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("QTR70_SIM_BIN"))
        qputenv("QTR70_SIM_BIN", QTR70_SIM_DEFAULT);

    SimProcess sim;
    if (!sim.start({QStringLiteral("--pace")})) {
        print(QStringLiteral("qtr70-bench: could not start the virtual radio (%1)")
                  .arg(qEnvironmentVariable("QTR70_SIM_BIN")));
        return 1;
    }

    CloneDocument state;
    SerialRadioPort serial;
    serial.setDevicePath(sim.devicePath());
    CountingPort port(serial);
    TransferEngine engine(port);
    CloneImage image = state.image();
    const int pauseMs = TransferEngine::DefaultPauseMs;
    bool ok = true;
    const auto run = [&](const QString &name, int pauses, const std::function<TransferResult()> &transfer) {
        const TransferBench::Figures figures = TransferBench::measure(name, port, pauses, pauseMs, transfer);
        print(TransferBench::report(figures));
        ok = ok && figures.ok;
        return figures;
    };

    print(QStringLiteral("Virtual radio on %1, paced at 9600 baud").arg(sim.devicePath()));
    run(QStringLiteral("Read Memory "), ReadMemoryPauses, [&] {
        const TransferEngine::Transfer read = engine.readMemory(image);
        image = read.image;
        return read.result;
    });
    run(QStringLiteral("Write Memory"), WriteMemoryPauses, [&] { return engine.writeMemory(image).result; });

    {
        // The same read through the desktop program's window.
        port.close();
        QProcess window;
        window.setProcessChannelMode(QProcess::ForwardedChannels);
        window.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--window"), sim.devicePath()});
        ok = window.waitForFinished(-1) && window.exitCode() == 0 && ok;
    }

    // Write Changes of five channels and one settings record, beside the
    // full Write ALL of the same image.
    const TransferEngine::Transfer read = engine.readAll(image);
    CloneImage changed = read.image;
    for (int n : ChangedSlots) {
        ChannelRow row = changed.channels.at(n);
        row.inUse = true;
        row.frequency = 7100000 + 1000 * n;
        changed.channels[n] = row;
    }
    const size_t beep = size_t(SettingsTable::index(SettingId::Beep));
    changed.selections[beep] = 1 - changed.selections[beep];
    state.setImage(changed);
    // Write Changes as both programs run it: through the session, which
    // keeps what the radio held as a backup first.
    QTemporaryDir backups;
    RadioSession session(state, port);
    session.setBackupStore(BackupStore(backups.path()));
    const TransferBench::Figures changes = run(
        QStringLiteral("Write Changes, 5 channels + 1 settings record"), writeChangesPauses(int(ChangedSlots.size())),
        [&] { return runWriteChanges(session, [](const ChangesQuestion &) { return true; }).transfer; });
    const TransferBench::Figures all = run(QStringLiteral("Write ALL"), WriteSettingsPauses + WriteMemoryPauses,
                                           [&] { return session.engine().writeAll(changed).result; });
    if (all.seconds > 0)
        print(QStringLiteral("Write Changes / Write ALL: %1").arg(changes.seconds / all.seconds, 0, 'f', 3));
    sim.stop();

    // The same Write Changes to one radio and to four at once, each radio
    // paced on a cable of its own, as Tool > Write to Several Radios and
    // qtr70 write --port A --port B ... run it (the model check first).
    const SeveralRadios one = writeToSeveralRadios(changed, 1, backups.path());
    const SeveralRadios four = writeToSeveralRadios(changed, 4, backups.path());
    ok = ok && one.ok && four.ok;
    print(QStringLiteral("Write Changes to 1 radio: %1 s, CPU %2 s (%3 %)")
              .arg(one.seconds, 0, 'f', 2)
              .arg(one.cpuSeconds, 0, 'f', 3)
              .arg(100 * one.cpuSeconds / one.seconds, 0, 'f', 2));
    print(QStringLiteral("Write Changes to 4 radios: %1 s, %2 x one radio's time (target <= %3), CPU %4 s (%5 %)%6")
              .arg(four.seconds, 0, 'f', 2)
              .arg(four.seconds / one.seconds, 0, 'f', 4)
              .arg(TransferBench::SeveralRadiosTargetRatio, 0, 'f', 2)
              .arg(four.cpuSeconds, 0, 'f', 3)
              .arg(100 * four.cpuSeconds / four.seconds, 0, 'f', 2)
              .arg(four.seconds / one.seconds <= TransferBench::SeveralRadiosTargetRatio ? QString()
                                                                                          : QStringLiteral("  OFF TARGET")));

    // Through a USB serial adapter: its latency timer at the default 16 ms
    // (figures as measured; the tail of each reply waits for the timer) and
    // at the 1 ms that low latency sets.
    for (const int latencyMs : {16, 1}) {
        SimProcess adapted;
        if (!adapted.start({QStringLiteral("--pace"), QStringLiteral("--usb-latency"), QString::number(latencyMs)})) {
            print(QStringLiteral("qtr70-bench: could not start the virtual radio behind a USB adapter"));
            return 1;
        }
        SerialRadioPort cable;
        cable.setDevicePath(adapted.devicePath());
        CountingPort counted(cable);
        TransferEngine throughAdapter(counted);
        const QString suffix = QStringLiteral(", USB adapter at %1 ms").arg(latencyMs);
        const auto runThrough = [&](const QString &name, int pauses, const std::function<TransferResult()> &transfer) {
            const TransferBench::Figures figures =
                TransferBench::measure(name + suffix, counted, pauses, pauseMs, transfer);
            print(TransferBench::report(figures));
            ok = ok && figures.ok;
        };
        runThrough(QStringLiteral("Read Memory"), ReadMemoryPauses,
                   [&] { return throughAdapter.readMemory(image).result; });
        if (latencyMs == 16)
            runThrough(QStringLiteral("Write Memory"), WriteMemoryPauses,
                       [&] { return throughAdapter.writeMemory(image).result; });
        adapted.stop();
    }
    return read.result.ok() && ok ? 0 : 1;
}

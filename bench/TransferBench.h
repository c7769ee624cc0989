#pragma once

#include <QString>

#include <functional>

class CountingPort;
class TransferResult;

// Runs one transfer and compares its time with the least the wire allows:
// every character exchanged at 9600 baud, 10 bits each, plus the pauses the
// transfer makes.
class TransferBench
{
public:
    static constexpr double CharacterSeconds = 10.0 / 9600.0;
    static constexpr double TargetRatio = 1.03;
    static constexpr double TargetCpuShare = 0.02;

    struct Figures
    {
        QString name;
        bool ok = false;
        QString failure;
        double seconds = 0;
        double wireBound = 0;
        double cpuSeconds = 0;
        qint64 characters = 0;
        double ratio() const { return wireBound > 0 ? seconds / wireBound : 0; }
        double cpuShare() const { return seconds > 0 ? cpuSeconds / seconds : 0; }
        bool onTarget() const { return ok && ratio() <= TargetRatio && cpuShare() <= TargetCpuShare; }
    };

    // `pauses`: how many pauses of `pauseMs` the transfer makes.
    static Figures measure(const QString &name, CountingPort &port, int pauses, int pauseMs,
                           const std::function<TransferResult()> &transfer);
    static QString report(const Figures &figures);
};

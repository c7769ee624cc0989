#pragma once

#include "TransferResult.h"

#include <QObject>

#include <memory>

class Module1;
class RadioPort;
class LineExchange;
class BlockCommands;

// The clone transfers on the program's tables. One transfer at a time:
// while one runs, every request to start another returns Refused at once
// and does nothing.
class TransferEngine : public QObject
{
    Q_OBJECT
public:
    enum class Kind { ReadMemory, WriteMemory, ReadSettings, WriteSettings, AutoSelect };
    Q_ENUM(Kind)

    static constexpr int DefaultPauseMs = 10;

    TransferEngine(Module1 &state, RadioPort &port, QObject *parent = nullptr);
    ~TransferEngine() override;

    bool isBusy() const;
    LineExchange &exchange();
    // The pause between two operations (10 ms; tests may shorten it).
    void setPauseMs(int ms);

    TransferResult readMemory();
    TransferResult writeMemory();
    TransferResult readSettings();
    TransferResult writeSettings();
    TransferResult autoSelect();
    // TransferOk := false, Read Settings, and Read Memory only when it
    // ended normally (likewise for Write ALL).
    TransferResult readAll();
    TransferResult writeAll();

signals:
    void busyChanged(bool busy);
    void transferStarted(TransferEngine::Kind kind);
    void transferFinished(TransferEngine::Kind kind, const TransferResult &result);
    // The channel slot being transferred (0..603), for a progress bar.
    void slotChanged(int slot);
    // Channel table row n has just been replaced by Read Memory.
    void channelDecoded(int row);
    // The settings selections were set from records read from the radio.
    void settingsDecoded();
    // VFO rows 0 and 1 were set from records read from the radio.
    void vfoDecoded();
    // Auto Select selected a model option (DataChanged is then set).
    void modelSelected(int variant);

private:
    using Step = TransferResult (TransferEngine::*)();

    // Refuses while busy; otherwise runs the step as one busy transfer.
    TransferResult request(Kind kind, Step step);
    // Runs one transfer between transferStarted and transferFinished.
    TransferResult runStep(Kind kind, Step step);
    void setBusy(bool busy);

    TransferResult doReadMemory();
    TransferResult doWriteMemory();
    TransferResult doReadSettings();
    TransferResult doWriteSettings();
    TransferResult doAutoSelect();

    // Opens the port when it is closed; false (and `failure` set) when it
    // cannot be opened.
    bool ensureOpen(TransferResult &failure);
    // Opens the port when closed and has the radio confirm its model; the
    // pause after the check included.
    bool beginWrite(TransferResult &failure);
    // The end command, then TransferOk: a transfer's normal end.
    TransferResult endNormally();
    void pause();

    Module1 &m_state;
    RadioPort &m_port;
    std::unique_ptr<LineExchange> m_exchange;
    std::unique_ptr<BlockCommands> m_commands;
    int m_pauseMs = DefaultPauseMs;
    bool m_busy = false;
};

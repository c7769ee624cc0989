#pragma once

#include "codec/CloneImage.h"
#include "session/SessionResult.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class CloneDocument;
class RadioPort;
class RadioSession;

// Several radios written at once, each on a port of its own through a
// session of its own (and so a worker thread of its own): a club's channel
// plan into every radio in one radio's time. Each radio gets what a single
// write gives it: identification and the model check, then Write Changes
// (the radio read and backed up first, only what differs written and read
// back) or Write ALL. A radio that fails, or a port that does not open,
// ends only its own run. The image written is never changed.
class RadioFleet : public QObject
{
    Q_OBJECT
public:
    enum class Write { Changes, All };

    // What became of one radio.
    struct Outcome
    {
        enum class State { Waiting, Running, Written, Skipped, Failed, Stopped };
        State state = State::Waiting;
        // The radio's model as it named it ("QT-R70E"); empty before it did.
        QString model;
        // The write's result (transfer, written records, backup).
        SessionResult result;
        // Why a radio of another model was skipped.
        QString skippedBecause;
        // The write itself began (after the model check), by Write Changes.
        bool writeStarted = false;
        bool changesOnly = false;
        // A read, not a write.
        bool read = false;
        // "Wrote slots 0 and 1.", the failure and its reason, or why skipped.
        QString text() const;
        bool succeeded() const { return state == State::Written; }
    };

    explicit RadioFleet(QObject *parent = nullptr);
    ~RadioFleet() override;

    // A radio on `port`, named `name` in what is said of it ("/dev/ttyUSB0").
    void addRadio(const QString &name, std::unique_ptr<RadioPort> port);
    int radioCount() const { return int(m_radios.size()); }
    QString radioName(int radio) const;
    const Outcome &outcome(int radio) const;
    // Runs for every radio's session before it starts (backups folder,
    // timing).
    void setConfigure(const std::function<void(RadioSession &)> &configure) { m_configure = configure; }
    // Writes a radio of another model than the image's too.
    void setForceModel(bool force) { m_forceModel = force; }

    // Starts every radio at once; finished() follows when the last has
    // ended. False when already running or without radios.
    bool start(const CloneImage &image, Write how);
    // Reads every radio at once (its model, then all of it), each kept in
    // the backups; image() gives what each radio holds.
    bool startRead();
    const CloneImage &image(int radio) const;
    bool isRunning() const { return m_running > 0; }
    // Stops every radio at its next record; what each wrote stays named.
    void requestStop();
    // True when every radio was written.
    bool allSucceeded() const;
    // One line per radio, then the count of those written.
    QStringList summary() const;

signals:
    void progress(int radio, int done, int total);
    void radioFinished(int radio);
    void finished();

private:
    struct Radio;

    // Gives every radio a fresh session on a document holding `image`.
    void prepare(const CloneImage &image);
    void identified(int radio, const SessionResult &result);
    void written(int radio, const SessionResult &result);
    void end(int radio, Outcome::State state);

    std::vector<std::unique_ptr<Radio>> m_radios;
    std::function<void(RadioSession &)> m_configure;
    CloneImage m_image;
    Write m_how = Write::Changes;
    bool m_forceModel = false;
    bool m_stopRequested = false;
    int m_running = 0;
};

#pragma once

#include "codec/CloneImage.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>

class ImagePatch;

// The session's document: the clone image, whether it has unsaved changes,
// the clone file it belongs to, and the clone file named on the command
// line. Every change to the image goes through here, and each says which
// part changed, so the views follow without being told by the code that
// made the change.
//
// The edit history: a change made between beginStep() and endStep() (a
// dialog's OK, a clear, a paste, a read from the radio) becomes one step of
// the undo stack, holding only the parts that changed. Whether there are
// unsaved changes (hasUnsavedChanges) follows from the history: the image is
// unchanged at the state last saved, opened or begun anew. What the
// steps are decides the rest: an edit that changed something moves away
// from that state; a touch (OK in the edit dialog, a click on the model
// option) counts as a change even when nothing changed; a transfer from
// the radio leaves the state as it was.
class CloneDocument : public QObject
{
    Q_OBJECT
public:
    enum class StepKind { Edit, Touch, Transfer };

    static constexpr int ChannelCount = CloneImage::ChannelCount;
    // Steps kept; the oldest go first.
    static constexpr int HistoryLimit = 100;

    // beginStep() at construction, endStep() at destruction.
    class Step
    {
    public:
        Step(CloneDocument &document, const QString &text, StepKind kind = StepKind::Edit) : m_document(document)
        {
            m_document.beginStep(text, kind);
        }
        ~Step() { m_document.endStep(); }
        Step(const Step &) = delete;
        Step &operator=(const Step &) = delete;

    private:
        CloneDocument &m_document;
    };

    // Empty tables (start-up, before the window installs the defaults).
    explicit CloneDocument(QObject *parent = nullptr);

    const CloneImage &image() const { return m_image; }
    const ChannelRow &channel(int n) const { return m_image.channels.at(n); }
    const VfoRow &vfo(int r) const { return m_image.vfos[size_t(r)]; }

    // One channel row; channelsChanged(n, n).
    void setChannel(int n, const ChannelRow &row);
    // Channel row n emptied: texts "", values 0, not in use.
    void clearChannel(int n);
    // Every channel row emptied; channelsChanged(0, 603).
    void clearAllChannels();
    // VFO row r (0 or 1); vfoChanged(r).
    void setVfo(int r, const VfoRow &row);
    // Both settings lines and the selections they stand for; settingsChanged().
    void setSettings(const QString &line1, const QString &line2, const SettingSelections &selections);
    // One list's selection; settingsChanged().
    void setSetting(int index, int position);
    // The lines rebuilt from the selections, as before every write or save.
    void encodeSettingsLines();
    // The model option and the coverage version; modelChanged().
    void setModel(int variant, bool extendedRange);
    // The whole image at once (a file loaded, New, a CSV import); every
    // part's signal.
    void setImage(const CloneImage &image);

    // Starts a step named `text`; steps begun inside it are part of it (the
    // outermost names the step and says its kind).
    void beginStep(const QString &text, StepKind kind = StepKind::Edit);
    // The running step counts as an edit even when it changes nothing.
    void touchStep();
    // Ends the step; one that changed nothing is not kept.
    void endStep();
    // An edit that changed nothing: unsaved changes from now on.
    void markTouched();
    // The parts a patch names; each part's signal.
    void apply(const ImagePatch &patch);
    QUndoStack &history() { return m_history; }
    // Undo or redo one step.
    void undo();
    void redo();
    // An empty history at the saved state (New, a file opened).
    void startHistory();
    // The image now is the one saved.
    void markSaved();
    // Unsaved changes: an edit lies between the state last saved, opened
    // or begun and now (reads from the radio are no edits), or an edit
    // touched the image without changing it.
    bool hasUnsavedChanges() const;

    // The image last read from or written to the radio, or last opened:
    // what the radio is taken to hold. Rows that differ from it are the
    // changes a write would send.
    const CloneImage &baseline() const { return m_baseline; }
    void setBaseline(const CloneImage &image);
    // Channel slot n would be written differently from the baseline.
    bool channelPending(int n) const;

    // The command-line file from the program's arguments (without the
    // program name): the arguments joined by single blanks; surrounding
    // double quotes are removed only when both are there.
    static QString commandLineFileFrom(const QStringList &arguments);

    // Full path of the clone file last loaded or saved; empty when none.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &path) { m_fileName = path; }
    // The clone file named on the command line; empty when none.
    QString commandLineFile() const { return m_commandLineFile; }
    void setCommandLineFile(const QString &path) { m_commandLineFile = path; }

signals:
    void channelsChanged(int first, int last);
    void vfoChanged(int row);
    void settingsChanged();
    void modelChanged();
    void baselineChanged();

private:
    CloneImage m_image;
    QString m_fileName;
    QString m_commandLineFile;
    CloneImage m_baseline;
    QUndoStack m_history;
    int m_stepDepth = 0;
    QString m_stepText;
    StepKind m_stepKind = StepKind::Edit;
    CloneImage m_stepStart;
    // An edit changed nothing the history could tell (see StepKind::Touch).
    bool m_touched = false;
};

#pragma once

#include "CloneImage.h"

#include <QObject>
#include <QString>
#include <QStringList>

// The session's document: the clone image, whether it has unsaved changes,
// the clone file it belongs to, and the clone file named on the command
// line. Every change to the image goes through here, and each says which
// part changed, so the views follow without being told by the code that
// made the change. Nothing here sets DataChanged on its own: the caller
// knows whether a change is an edit.
class Module1 : public QObject
{
    Q_OBJECT
public:
    static constexpr int ChannelCount = CloneImage::ChannelCount;

    // Empty tables (start-up, before the window installs the defaults).
    explicit Module1(QObject *parent = nullptr);

    const CloneImage &image() const { return m_image; }
    const ChannelRow &channel(int n) const { return m_image.Channels.at(n); }
    const VfoRow &vfo(int r) const { return m_image.Vfo[size_t(r)]; }

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
    static QString CommandLineFileFrom(const QStringList &arguments);

    // Unsaved changes.
    bool DataChanged = false;
    // Full path of the clone file last loaded or saved; empty when none.
    QString CurrentFileName;
    // The clone file named on the command line; empty when none.
    QString CommandLineFile;

signals:
    void channelsChanged(int first, int last);
    void vfoChanged(int row);
    void settingsChanged();
    void modelChanged();
    void baselineChanged();

private:
    CloneImage m_image;
    CloneImage m_baseline;
};

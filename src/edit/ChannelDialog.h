#pragma once

#include "codec/ChannelRow.h"
#include "codec/VfoRow.h"

#include <QDialog>
#include <QList>

class FrequencyEdit;
class CloneDocument;
class NameEdit;
class Prompter;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// The channel edit dialog: edits a channel row (opened from the memory
// grid) or a VFO row (opened from the VFO grid) of the document, checks the
// frequencies against the radio's range on OK and hands back the edited
// row in its numeric and display form; the caller stores it.
//
// The dialog is created once and reused: OK and Cancel (and Escape) only
// hide it, so chkSkip keeps its last state between openings. Closing it
// with the window's close box discards its state within the same object:
// at the next opening its lists are refilled and chkSkip is cleared, so
// the owner keeps using the same dialog.
class ChannelDialog : public QDialog
{
    Q_OBJECT
public:
    enum class EditSource { Vfo = 0, Memory = 1 };

    ChannelDialog(const CloneDocument &document, Prompter &prompter, QWidget *parent = nullptr);

    // Fill the dialog for a channel row (0-603) or a VFO row (0 or 1) of
    // the document without showing it; false (and nothing changed) for a
    // row out of range.
    bool prepareForChannel(int tableRow);
    bool prepareForVfo(int vfoRow);
    // Prepare and show modally; true when OK accepted the edit, which
    // editedChannel() / editedVfo() then hold.
    bool openForChannel(int tableRow);
    bool openForVfo(int vfoRow);

    // The row as OK accepted it: the opened row with its edited fields.
    const ChannelRow &editedChannel() const { return m_editedChannel; }
    const VfoRow &editedVfo() const { return m_editedVfo; }

    EditSource editSource() const { return m_editSource; }
    int editRow() const { return m_editRow; }

signals:
    // OK was pressed, whether or not the frequencies were then accepted.
    void okPressed();

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    // The controls with their names, the buttons connected.
    void createControls();
    // The rows and columns they stand in; which of them only a channel has.
    void layOutControls();
    // What a screen reader says of each box, and the Tab order.
    void describeControls();
    void fillLists();
    void discardState();
    void setMemoryControlsVisible(bool visible);
    void focusFrequency();
    // Focus to a box with its whole text selected, caret at the start.
    void focusSelected(FrequencyEdit *box);
    void showFrequency(FrequencyEdit *mega, FrequencyEdit *kilo, FrequencyEdit *unit, qint64 value);
    void proposeChannel();
    // Mode .. Noise Blanker, the lists of columns 1-7.
    QList<QComboBox *> fieldLists() const;
    // Each list's selection from a row's code; a code that is no item
    // selects the item its text names, else the first.
    void selectFields(const Tuning &tuning);
    // The code each list (mode .. noise blanker) has selected, into the row.
    void storeFields(Tuning &tuning) const;
    void acceptEdit();
    // While the split boxes hold the frequency the dialog opened with (or
    // no split), a change of the frequency is the split's too.
    void followFrequencyWithSplit();
    qint64 shownFrequency() const;
    qint64 shownSplit() const;
    void hideKeepingState(int result);

    const CloneDocument &m_document;
    Prompter &m_prompter;
    ChannelRow m_editedChannel;
    VfoRow m_editedVfo;
    EditSource m_editSource = EditSource::Memory;
    int m_editRow = 0;
    bool m_hidingByButton = false;
    bool m_discardPending = false;
    bool m_splitFollows = false;

    QLabel *m_bankHeading = nullptr;
    QLabel *m_channelText = nullptr;
    FrequencyEdit *m_frequencyMHz = nullptr;
    FrequencyEdit *m_frequencyKHz = nullptr;
    FrequencyEdit *m_frequencyHz = nullptr;
    QLabel *m_nameLabel = nullptr;
    NameEdit *m_name = nullptr;
    QCheckBox *m_skip = nullptr;
    QComboBox *m_mode = nullptr;
    QComboBox *m_gain = nullptr;
    QComboBox *m_agc = nullptr;
    QComboBox *m_power = nullptr;
    QComboBox *m_filter = nullptr;
    QComboBox *m_tone = nullptr;
    QComboBox *m_noiseBlanker = nullptr;
    QLabel *m_splitLabel = nullptr;
    FrequencyEdit *m_splitMHz = nullptr;
    FrequencyEdit *m_splitKHz = nullptr;
    FrequencyEdit *m_splitHz = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QList<QWidget *> m_memoryOnly;
};

#pragma once

#include <QDialog>
#include <QList>

class FrequencyEdit;
class Module1;
class NameEdit;
class Prompter;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The channel edit dialog: edits one row of the channel table (opened from
// the memory grid) or of the VFO table (opened from the VFO grid), checks
// the frequencies against the radio's range on OK and stores the row in
// its numeric and display form, then rewrites the grid row.
//
// The dialog is created once and reused: OK and Cancel (and Escape) only
// hide it, so chkSkip keeps its last state between openings. Closing it
// with the window's close box discards its state within the same object:
// at the next opening its lists are refilled and chkSkip is cleared, so
// the owner keeps using the same dialog.
class dlgModify : public QDialog
{
    Q_OBJECT
public:
    enum class EditSource { Vfo = 0, Memory = 1 };

    dlgModify(Module1 &state, Prompter &prompter, QWidget *parent = nullptr);

    // The grids that Grid1Data and Grid2Data write; either may be null.
    void setGrids(QTableWidget *memoryGrid, QTableWidget *vfoGrid);

    // Fill the dialog for a channel table row (0-603) or a VFO row (0 or 1)
    // without showing it; false (and nothing changed) for a row out of range.
    bool prepareForChannel(int tableRow);
    bool prepareForVfo(int vfoRow);
    // Prepare and show modally; true when OK stored the row.
    bool openForChannel(int tableRow);
    bool openForVfo(int vfoRow);

    // Copy channel table row `line`, columns 0-10, into memory grid row `line`.
    void Grid1Data(int line);
    // Copy VFO row `line`, columns 0-7, into VFO grid row `line`.
    void Grid2Data(int line);

    EditSource editSource() const { return m_editSource; }
    int editRow() const { return m_editRow; }

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void fillLists();
    void discardState();
    void setMemoryControlsVisible(bool visible);
    void focusFrequency();
    void showFrequency(FrequencyEdit *mega, FrequencyEdit *kilo, FrequencyEdit *unit, double value);
    void proposeChannel();
    // Selections from a row's columns 1-7; `text` and `value` point at column 0.
    void selectFields(const QString *text, const double *value);
    // Stores columns 1-7 from the selections; pointers as above.
    void storeFields(QString *text, double *value) const;
    void acceptEdit();
    void hideKeepingState(int result);

    Module1 &m_state;
    Prompter &m_prompter;
    QTableWidget *m_memoryGrid = nullptr;
    QTableWidget *m_vfoGrid = nullptr;
    EditSource m_editSource = EditSource::Memory;
    int m_editRow = 0;
    bool m_hidingByButton = false;
    bool m_discardPending = false;

    QLabel *m_lblMode = nullptr;
    QLabel *m_lblCH = nullptr;
    FrequencyEdit *m_txtFreq = nullptr;
    FrequencyEdit *m_txtFreq2 = nullptr;
    FrequencyEdit *m_txtFreq3 = nullptr;
    QLabel *m_lblName = nullptr;
    NameEdit *m_txtName = nullptr;
    QCheckBox *m_chkSkip = nullptr;
    QComboBox *m_cmbMode = nullptr;
    QComboBox *m_cmbGain = nullptr;
    QComboBox *m_cmbAGC = nullptr;
    QComboBox *m_cmbPower = nullptr;
    QComboBox *m_cmbFilter = nullptr;
    QComboBox *m_cmbTone = nullptr;
    QComboBox *m_cmbNB = nullptr;
    QLabel *m_lblSPFreq = nullptr;
    FrequencyEdit *m_txtSP1 = nullptr;
    FrequencyEdit *m_txtSP2 = nullptr;
    FrequencyEdit *m_txtSP3 = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QList<QWidget *> m_memoryOnly;
};

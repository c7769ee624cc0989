#pragma once

#include "codec/SettingsTable.h"

#include <QWidget>

#include <vector>

class CloneDocument;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class VfoGrid;

// The page "Settings 1": the set-mode lists (built from the settings
// descriptor table, one per setting, named after its control), the model
// frame with the options opbModel and "Auto Select", "Read Settings",
// "Write Settings" and the VFO grid. The lists and the model option show
// the document's selections and follow its changes; a choice by the user
// is stored through the document and sets hasUnsavedChanges.
class SettingsPage : public QWidget
{
    Q_OBJECT
public:
    explicit SettingsPage(CloneDocument &state, QWidget *parent = nullptr);

    QComboBox *list(SettingId id) const;
    // The setting a control name stands for ("cmbWPM": the keyer speed);
    // -1 when unknown.
    static int settingOf(const QString &control);
    // The list of a control name ("cmbWPM"); null when unknown.
    QComboBox *list(const QString &control) const;
    // Model option 0..3.
    QRadioButton *modelOption(int variant) const;
    VfoGrid *vfoGrid() const { return m_vfoGrid; }
    QPushButton *readSettingsButton() const { return m_readSettings; }
    QPushButton *writeSettingsButton() const { return m_writeSettings; }
    QPushButton *autoSelectButton() const { return m_autoSelect; }

    // Every list from the document's selections.
    void showSelections();
    // The model option from the document's model option.
    void showModel();

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildModelFrame();
    void buildLists();
    // Tab goes as the eye reads: the model, the left column, the tone and
    // the middle column, the read and write buttons and the right column,
    // then the VFO grid.
    void orderTabs();
    void fitPageFont();
    void onListChanged(int setting, int position);
    // A typed text becomes its matching item, or gives way to the selection.
    void settleTypedText(int setting);
    QRect twipsRect(int left, int top, int width, int height) const;

    CloneDocument &m_state;
    std::vector<QComboBox *> m_lists;  // in descriptor order
    struct Caption
    {
        QLabel *label;
        int roomLeft;  // twips
        int roomRight; // twips
    };
    std::vector<Caption> m_captions; // in layout order
    QGroupBox *m_modelFrame = nullptr;
    QButtonGroup *m_modelGroup = nullptr;
    QPushButton *m_autoSelect = nullptr;
    QPushButton *m_readSettings = nullptr;
    QPushButton *m_writeSettings = nullptr;
    VfoGrid *m_vfoGrid = nullptr;
    bool m_showing = false;
};

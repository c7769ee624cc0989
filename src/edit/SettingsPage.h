#pragma once

#include <QWidget>

#include <vector>

class Module1;
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
// "Write Settings" and the VFO grid. The lists show Module1's
// SettingSelection; a choice by the user stores the new position and sets
// DataChanged, while showSelections() (defaults, a read, a file) does not.
class SettingsPage : public QWidget
{
    Q_OBJECT
public:
    explicit SettingsPage(Module1 &state, QWidget *parent = nullptr);

    // The list of a control name ("cmbWPM"); null when unknown.
    QComboBox *list(const QString &control) const;
    // Model option 0..3.
    QRadioButton *modelOption(int variant) const;
    VfoGrid *vfoGrid() const { return m_vfoGrid; }
    QPushButton *readSettingsButton() const { return m_readSettings; }
    QPushButton *writeSettingsButton() const { return m_writeSettings; }
    QPushButton *autoSelectButton() const { return m_autoSelect; }

    // Every list from SettingSelection, as the program selects them.
    void showSelections();
    // The model option from ModelVariant, as the program selects it.
    void showModel();

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildModelFrame();
    void buildLists();
    void fitPageFont();
    void onListChanged(int setting, int position);
    // A typed text becomes its matching item, or gives way to the selection.
    void settleTypedText(int setting);
    QRect twipsRect(int left, int top, int width, int height) const;

    Module1 &m_state;
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

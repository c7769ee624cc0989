#pragma once

#include "codec/CloneImage.h"

#include <QDialog>

#include <functional>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class RadioFleet;
class RadioSession;
class SerialPortList;

// Tool > Write to Several Radios: the open document's image written to the
// radios on the ports ticked, all at once, by Write Changes or Write ALL.
// One row per radio with its progress and result; Stop ends every radio at
// its next record; the results stay until the dialog closes, and Copy
// Summary puts them on the clipboard. The document is not changed.
class SeveralRadiosDialog : public QDialog
{
    Q_OBJECT
public:
    SeveralRadiosDialog(const CloneImage &image, std::shared_ptr<const SerialPortList> ports,
                        std::function<void(RadioSession &)> configure, QWidget *parent = nullptr);
    ~SeveralRadiosDialog() override;

    bool isRunning() const;

public slots:
    void startWriting();
    void stopWriting();
    void copySummary();

signals:
    // Every radio of the run has ended.
    void runFinished();

protected:
    void reject() override;

private:
    void showProgress(int radio, int done, int total);
    void showResult(int radio);
    void finishRun();
    void setRunning(bool running);

    CloneImage m_image;
    std::function<void(RadioSession &)> m_configure;
    QList<QCheckBox *> m_portBoxes;
    QButtonGroup *m_how = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_start = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_close = nullptr;
    std::unique_ptr<RadioFleet> m_fleet;
};

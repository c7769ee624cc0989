#pragma once

#include <QDialog>

class QTextBrowser;

// Help > User Guide (F1): the guide that comes with the program, readable
// offline, in a window of its own beside the main window.
class GuideWindow : public QDialog
{
    Q_OBJECT
public:
    explicit GuideWindow(QWidget *parent = nullptr);

    // The guide's text as shipped (Markdown).
    static QString guideText();

private:
    QTextBrowser *m_text = nullptr;
};

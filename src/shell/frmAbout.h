#pragma once

#include <QDialog>

// The about box: the program's image, title, version, two lines of text,
// "OK" (hides the box; it stays loaded) and the system information button,
// which is never available.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

private slots:
    void cmdOK_Click();
};

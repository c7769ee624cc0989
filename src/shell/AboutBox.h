#pragma once

#include <QDialog>

// The about box: the program's image, title, version, two lines of text,
// "OK" (hides the box; it stays loaded) and the system information button,
// which is never available.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);

private slots:
    void hideOnOk();
};

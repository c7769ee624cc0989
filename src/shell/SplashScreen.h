#pragma once

#include <QWidget>

// The splash screen shown while the program starts: a frame with the
// program's image, title, version and two lines of text. No caption.
class SplashScreen : public QWidget
{
    Q_OBJECT
public:
    explicit SplashScreen(QWidget *parent = nullptr);
};

#pragma once

#include <QComboBox>

class QAccessibleInterface;

// A drop-down list whose chosen item a screen reader speaks: after the
// caption when the list takes the focus, and each new item as the keys
// choose it. (Qt's own list hands its item to readers through an interface
// this Qt does not offer them, so they say the caption alone.)
class ChoiceList : public QComboBox
{
    Q_OBJECT
public:
    explicit ChoiceList(QWidget *parent = nullptr);

    // What a screen reader sees of a list: a combo box named by its
    // caption whose text is the chosen item; none (Qt's own) for a list
    // one can type into.
    static QAccessibleInterface *accessibleFor(ChoiceList *list);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

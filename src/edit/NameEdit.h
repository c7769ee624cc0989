#pragma once

#include <QLineEdit>

// The channel name box: a name as the radio keeps it (ChannelName). A typed
// lower-case letter a-z becomes its upper-case letter; every other
// character the radio has no code for is discarded. Pasting goes through
// the same rule.
class NameEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit NameEdit(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void pasteAccepted();
};

#pragma once

#include <QLineEdit>

// The channel name box: at most 8 characters, each one the radio can show
// in a name. A typed lower-case letter a-z becomes its upper-case letter;
// every other character the radio has no code for is discarded. Pasting
// goes through the same rule.
class NameEdit : public QLineEdit
{
    Q_OBJECT
public:
    static constexpr int MaxLength = 8;

    explicit NameEdit(QWidget *parent = nullptr);

    // The character stored for a typed one; a null QChar when it is refused.
    static QChar accepted(QChar typed);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void pasteAccepted();
};

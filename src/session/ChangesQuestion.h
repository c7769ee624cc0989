#pragma once

#include "codec/CloneImage.h"

#include <QList>
#include <QString>
#include <QStringList>

// What Write Changes is about to do, in the words a user checks before
// saying yes: the radio's model and, record by record, what the radio
// holds now and what it will hold after writing ("will be cleared" for a
// channel the image leaves empty, "new" for one the radio has empty). The
// window and the command-line tool ask with the same text.
class ChangesQuestion
{
public:
    ChangesQuestion(const CloneImage &radio, const CloneImage &wanted);

    // The addresses of the records that differ, ascending.
    const QList<int> &addresses() const { return m_addresses; }
    bool isEmpty() const { return m_addresses.isEmpty(); }

    // "The radio (QT-R70E) holds 3 records that writing will change:".
    QString summary() const;
    // One line per record that changes.
    const QStringList &lines() const { return m_lines; }
    // "Write these 3 changes to the radio?"
    QString question() const;
    // summary, the lines, the question.
    QString text() const;

private:
    QString m_model;
    QList<int> m_addresses;
    QStringList m_lines;
};

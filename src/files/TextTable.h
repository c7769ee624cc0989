#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Rows of cells printed as aligned columns, also where they hold Japanese.
class TextTable
{
public:
    void addRow(const QStringList &cells);
    // Every row, columns padded to their widest cell and separated by two
    // blanks; trailing blanks removed; each line ends with "\n".
    QString render() const;
    bool isEmpty() const { return m_rows.isEmpty(); }
    // The columns a terminal gives the text: two for each wide (Japanese)
    // character, one for any other.
    static int columns(const QString &text);

private:
    QList<QStringList> m_rows;
};

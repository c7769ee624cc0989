#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Rows of cells printed as aligned columns.
class TextTable
{
public:
    void addRow(const QStringList &cells);
    // Every row, columns padded to their widest cell and separated by two
    // blanks; trailing blanks removed; each line ends with "\n".
    QString render() const;
    bool isEmpty() const { return m_rows.isEmpty(); }

private:
    QList<QStringList> m_rows;
};

#pragma once

#include <QCoreApplication>
#include <QString>

// A count with its noun, in the user's language: "1 channel", "3 rows".
class Counted
{
    Q_DECLARE_TR_FUNCTIONS(Counted)

public:
    enum class Noun { Channel, Row, Slot, Record, VfoRecord };

    static QString text(int count, Noun noun);
};

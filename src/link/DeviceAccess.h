#pragma once

#include <QString>

// What the file system says about a device and this process: who owns it,
// which group may use it, and whether this process may open it. On systems
// without device files (Windows) nothing is known.
class DeviceAccess
{
public:
    static constexpr unsigned GroupReadWrite = 060;

    bool known = false;      // the facts below were gathered
    bool exists = false;
    bool accessible = false; // this process may read and write it
    QString owner;           // "root"
    QString group;           // "dialout"
    unsigned mode = 0;       // permission bits, 0660
    QString userName;        // who this process runs as
    // This user belongs to `group` in the user database (the group is
    // theirs once they log in again, when this session lacks it).
    bool userInGroupOnRecord = false;

    static DeviceAccess of(const QString &device);

    bool groupMayOpen() const { return (mode & GroupReadWrite) == GroupReadWrite; }
};

#pragma once

#include <QString>

// Whether two names lead to one and the same regular file, through links
// (symbolic or hard) and other spellings of the path alike. A terminal or
// other device named twice is not one file in this sense: reading one and
// writing the other is what such names are for.
class FileIdentity
{
public:
    static bool sameRegularFile(const QString &first, const QString &second);
};

#pragma once

#include <QIcon>
#include <QString>

// The program's own images (bundled SVGs) and the toolbar icons: the
// desktop theme's icon where it has one, our own otherwise.
class Icons
{
public:
    static QIcon program();
    // `themeName` from the icon theme ("document-new"); otherwise the
    // bundled image `fallback` ("new").
    static QIcon themed(const QString &themeName, const QString &fallback);
    // A bundled image by its name ("new", "qtr70-clone").
    static QIcon bundled(const QString &name);
};

#include "shell/Icons.h"

// Outside any namespace: Q_INIT_RESOURCE declares the resource's function.
static void loadResources()
{
    // The images live in this static library; make sure they are linked in.
    static const bool loaded = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    Q_UNUSED(loaded);
}

QIcon Icons::bundled(const QString &name)
{
    loadResources();
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

QIcon Icons::program()
{
    return bundled(QStringLiteral("qtr70-clone"));
}

QIcon Icons::themed(const QString &themeName, const QString &fallback)
{
    return QIcon::fromTheme(themeName, bundled(fallback));
}

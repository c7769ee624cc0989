#include "link/DeviceAccess.h"

#include <QFile>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t PermissionBits = 07777;

QString userNamed(uid_t uid)
{
    const passwd *entry = getpwuid(uid);
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString::number(uid);
}

// Whether the user database puts this user in group `gid`, as primary
// group or as a listed member.
bool memberOnRecord(uid_t uid, gid_t gid)
{
    const passwd *user = getpwuid(uid);
    if (!user)
        return false;
    if (user->pw_gid == gid)
        return true;
    const QByteArray name(user->pw_name);
    const group *entry = getgrgid(gid);
    if (!entry)
        return false;
    for (char **member = entry->gr_mem; member && *member; ++member) {
        if (name == *member)
            return true;
    }
    return false;
}

} // namespace
#endif

DeviceAccess DeviceAccess::of(const QString &device)
{
    DeviceAccess access;
#ifdef Q_OS_UNIX
    access.known = true;
    access.userName = userNamed(getuid());
    const QByteArray path = QFile::encodeName(device);
    struct stat status;
    if (device.isEmpty() || stat(path.constData(), &status) != 0)
        return access;
    access.exists = true;
    access.accessible = ::access(path.constData(), R_OK | W_OK) == 0;
    access.owner = userNamed(status.st_uid);
    const struct group *entry = getgrgid(status.st_gid);
    access.group = entry ? QString::fromLocal8Bit(entry->gr_name) : QString::number(status.st_gid);
    access.mode = unsigned(status.st_mode & PermissionBits);
    access.userInGroupOnRecord = memberOnRecord(getuid(), status.st_gid);
#else
    Q_UNUSED(device);
#endif
    return access;
}

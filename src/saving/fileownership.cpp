#include "saving/fileownership.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

std::optional<FileOwnership> FileOwnership::of(const QString &path)
{
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    FileOwnership ownership;
    ownership.m_owner = status.st_uid;
    ownership.m_group = status.st_gid;
    ownership.m_mode = status.st_mode & 0777;
    ownership.m_links = unsigned(status.st_nlink);
    return ownership;
}

void FileOwnership::applyTo(int descriptor) const
{
    // Only root may give a file away; anyone may pick one of their groups.
    const bool keptGroup
        = ::fchown(descriptor, m_owner, m_group) == 0 || ::fchown(descriptor, uid_t(-1), m_group) == 0;
    ::fchmod(descriptor, keptGroup ? m_mode : m_mode & ~0070u);
}

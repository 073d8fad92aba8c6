#include "support/tiny_filesystem.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace molvane::test {

TinyFilesystem::TinyFilesystem(int kilobytes)
{
    if (!dir_.isValid())
        return;
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0700";
    mounted_ = ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                       options.constData()) == 0;
}

TinyFilesystem::~TinyFilesystem()
{
    if (mounted_)
        ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

bool TinyFilesystem::fill()
{
    const int fd =
        ::open(QFile::encodeName(filePath("filler")).constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0)
        return false;
    // Pages first, then single bytes into the last page.
    const QByteArray page(4096, 'f');
    for (qint64 chunk : {qint64(page.size()), qint64(1)})
        while (::write(fd, page.constData(), std::size_t(chunk)) == chunk) {
        }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}

void TinyFilesystem::makeRoom()
{
    QFile::remove(filePath("filler"));
}

QStringList TinyFilesystem::entries() const
{
    return QDir(dir_.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace molvane::test

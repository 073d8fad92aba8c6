#pragma once
// A 64 KB tmpfs mounted on a fresh temporary folder, for tests that need a really full disk. Mounting
// needs the right to mount (root, as in CI); elsewhere the test skips itself.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace molvane::test {

class TinyFilesystem {
public:
    TinyFilesystem()
        : mounted_(dir_.isValid() && ::mount("tmpfs", path().constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                                             "size=64k,mode=0700") == 0)
    {
    }
    ~TinyFilesystem()
    {
        if (mounted_)
            ::umount2(path().constData(), MNT_DETACH);
    }
    TinyFilesystem(const TinyFilesystem&) = delete;
    TinyFilesystem& operator=(const TinyFilesystem&) = delete;

    bool mounted() const { return mounted_; }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    // Fills what is left with the file "filler", pages first, then bytes, until not one more fits.
    bool fill() const
    {
        const int fd = ::open(QFile::encodeName(filePath("filler")).constData(), O_WRONLY | O_CREAT, 0600);
        const char page[4096] = {};
        for (const ssize_t chunk : {ssize_t(sizeof page), ssize_t(1)})
            while (fd >= 0 && ::write(fd, page, std::size_t(chunk)) == chunk) {
            }
        const bool full = errno == ENOSPC;
        ::close(fd);
        return full;
    }
    void makeRoom() const { QFile::remove(filePath("filler")); }
    QStringList entries() const // hidden ones included, by name
    {
        return QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

private:
    QByteArray path() const { return QFile::encodeName(dir_.path()); }

    QTemporaryDir dir_;
    bool mounted_;
};

} // namespace molvane::test

#define SKIP_WITHOUT_TINY_FILESYSTEM(fs)                                                                     \
    if (!(fs).mounted())                                                                                     \
    GTEST_SKIP() << "no right to mount a tmpfs here"

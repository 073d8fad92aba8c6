#include "platform/atomic_file.h"

#include "platform/atomic_file_testing.h"
#include "platform/input_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace molvane {

namespace {

thread_local AtomicWriteFailure* activeFailure = nullptr;

} // namespace

AtomicWriteFailure::AtomicWriteFailure(qint64 afterBytes) : afterBytes_(afterBytes), previous_(activeFailure)
{
    activeFailure = this;
}

AtomicWriteFailure::~AtomicWriteFailure() { activeFailure = previous_; }

AtomicWriteFailure* AtomicWriteFailure::active() { return activeFailure; }

namespace {

constexpr int kMaxLinkDepth = 40;
constexpr int kNameAttempts = 100;

// A link is followed to the file it names, so that the link stays a link to the new version.
QByteArray resolvedTarget(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < kMaxLinkDepth && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return QFile::encodeName(info.filePath());
}

// Every byte to fd; 0, or the errno of the write that failed.
int writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, std::size_t(std::min<qint64>(size, qint64(1) << 30)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return ENOSPC;
        data += n;
        size -= n;
    }
    return 0;
}

// The new version in a file of its own beside the target, removed again unless renamed over it.
class TemporaryFile {
public:
    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!name_.isEmpty())
            ::unlink(name_.constData());
    }

    // A new file (never one that exists) named after target, with the permissions of the file it
    // replaces or those a new file gets.
    int create(const QByteArray& target, const struct stat* replaced)
    {
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            const QByteArray name =
                target + '.' + QByteArray::number(QRandomGenerator::global()->generate() & 0xFFFFFF, 36);
            fd_ = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ >= 0) {
                name_ = name;
                if (replaced)
                    ::fchmod(fd_, replaced->st_mode & 07777); // as it was; failing that, as new
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    // Writes bytes and makes sure they reached the disk: a full disk may only show at the sync or
    // the close.
    int fill(const QByteArray& bytes)
    {
        if (AtomicWriteFailure* failure = AtomicWriteFailure::active()) {
            writeAll(fd_, bytes.constData(), std::clamp<qint64>(failure->afterBytes(), 0, bytes.size()));
            failure->countFailure();
            return ENOSPC;
        }
        if (const int why = writeAll(fd_, bytes.constData(), bytes.size()))
            return why;
        if (::fsync(fd_) != 0 && errno != EINVAL) // EINVAL: a file system that cannot sync
            return errno;
        const int closed = ::close(fd_);
        fd_ = -1;
        return closed != 0 && errno != EINTR ? errno : 0;
    }

    int renameOver(const QByteArray& target)
    {
        if (::rename(name_.constData(), target.constData()) != 0)
            return errno;
        name_.clear();
        return 0;
    }

private:
    int fd_ = -1;
    QByteArray name_;
};

// The rename itself is made lasting by syncing the folder; a folder that cannot be synced still has it.
void syncFolderOf(const QByteArray& target)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

int replaceFile(const QByteArray& target, const QByteArray& bytes)
{
    struct stat old;
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return kNotRegularFileError; // a folder, a FIFO, a device: nothing to put a file in the place of
    if (exists && ::access(target.constData(), W_OK) != 0)
        return errno; // a file its owner keeps from being written is not replaced either
    TemporaryFile file;
    int why = file.create(target, exists ? &old : nullptr);
    if (why == 0)
        why = file.fill(bytes);
    if (why == 0)
        why = file.renameOver(target);
    if (why == 0)
        syncFolderOf(target);
    return why;
}

} // namespace

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    const int why = replaceFile(resolvedTarget(path), bytes);
    if (why != 0 && error)
        *error = fileErrorReason(why);
    return why == 0;
}

bool readWholeFile(const QString& path, QByteArray& out, QString* error, qint64 maxBytes)
{
    InputFile file;
    QByteArray bytes;
    const bool read = file.open(path) && file.size() <= maxBytes && file.readUpTo(maxBytes + 1, bytes) &&
                      bytes.size() <= maxBytes;
    if (!read && error)
        *error = file.error().isEmpty() ? QStringLiteral("file too large") : file.error();
    if (read)
        out = std::move(bytes);
    return read;
}

} // namespace molvane

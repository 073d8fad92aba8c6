#include "platform/input_file.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace molvane {

const char* const kNotARegularFile = "通常のファイルではありません。";

namespace {

// Reads past the size the file had when opened (it may have grown) go in steps of this many bytes.
constexpr qint64 kGrowthStep = qint64(1) << 16;

} // namespace

InputFile::~InputFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

QString fileErrorReason(int errorNumber)
{
    return errorNumber == kNotRegularFileError ? QString::fromUtf8(kNotARegularFile)
                                               : QString::fromLocal8Bit(std::strerror(errorNumber));
}

bool InputFile::fail(int errorNumber)
{
    error_ = fileErrorReason(errorNumber);
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    return false;
}

bool InputFile::open(const QString& path)
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0)
        return fail(errno);
    if (!S_ISREG(info.st_mode))
        return fail(kNotRegularFileError);
    fd_ = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0)
        return fail(errno);
    if (::fstat(fd_, &info) != 0)
        return fail(errno);
    if (!S_ISREG(info.st_mode))
        return fail(kNotRegularFileError);
    size_ = info.st_size;
    position_ = 0;
    error_.clear();
    return true;
}

bool InputFile::readUpTo(qint64 count, QByteArray& out)
{
    if (fd_ < 0)
        return false;
    // What the file holds is read at once; only a file grown since it was opened takes further steps.
    const qint64 expected = std::clamp<qint64>(size_ - position_, 0, count);
    qint64 done = 0;
    while (done < count) {
        const qint64 want = std::min(count - done, std::max(expected - done, kGrowthStep));
        const qsizetype at = out.size();
        out.resize(at + want);
        const ssize_t got = ::read(fd_, out.data() + at, std::size_t(want));
        const int why = errno;
        out.resize(at + std::max<ssize_t>(got, 0));
        if (got < 0 && why == EINTR)
            continue;
        if (got < 0)
            return fail(why);
        if (got == 0)
            break;
        done += got;
        position_ += got;
    }
    return true;
}

} // namespace molvane

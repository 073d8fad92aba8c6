#pragma once
// A file opened for reading only when it is a regular file. A name for a FIFO, a device (a link to
// /dev/zero or /dev/urandom), a socket or a folder is refused before it is opened: reading a FIFO
// blocks until someone writes to it, and a device never ends. The file is opened without blocking and
// checked again once open, so a FIFO put in its place between the check and the opening is refused too.
// Reads take a byte count and never read past it, so a file that grows while it is read costs no more.

#include <QByteArray>
#include <QString>

namespace molvane {

// The reason given for a name that is not a regular file.
extern const char* const kNotARegularFile; // "通常のファイルではありません。"
// Stands for that reason among errno values.
inline constexpr int kNotRegularFileError = -1;
// The system's text for an errno value, or kNotARegularFile.
QString fileErrorReason(int errorNumber);

class InputFile {
public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // False with error() set when path is missing, unreadable or not a regular file.
    bool open(const QString& path);
    bool isOpen() const { return fd_ >= 0; }
    // The size the file had when it was opened.
    qint64 size() const { return size_; }
    // Appends up to count bytes to out, fewer at the end of the file. False with error() set when
    // reading fails.
    bool readUpTo(qint64 count, QByteArray& out);
    QString error() const { return error_; }

private:
    bool fail(int errorNumber);

    int fd_ = -1;
    qint64 size_ = 0;
    qint64 position_ = 0;
    QString error_;
};

} // namespace molvane

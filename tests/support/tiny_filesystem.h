#pragma once
// A tmpfs of a few kilobytes mounted on a fresh temporary folder, for tests that need a really full
// disk: a write that fails there fails at the system call that reaches the disk, wherever the writer
// buffers. Mounting needs the right to mount (root, as in CI); elsewhere mounted() is false and the
// test skips itself (SKIP_WITHOUT_TINY_FILESYSTEM). Unmounted when it goes.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace molvane::test {

class TinyFilesystem {
public:
    explicit TinyFilesystem(int kilobytes = 64);
    ~TinyFilesystem();
    TinyFilesystem(const TinyFilesystem&) = delete;
    TinyFilesystem& operator=(const TinyFilesystem&) = delete;

    bool mounted() const { return mounted_; }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    // Fills what is left with the file "filler" until not one more byte fits; false when it cannot.
    bool fill();
    // Removes the filler again.
    void makeRoom();
    // Every entry of the folder, hidden ones included, by name.
    QStringList entries() const;

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

} // namespace molvane::test

#define SKIP_WITHOUT_TINY_FILESYSTEM(fs)                                                                     \
    if (!(fs).mounted())                                                                                     \
    GTEST_SKIP() << "no right to mount a tmpfs here"

#include "platform/atomic_file.h"
#include "platform/atomic_file_testing.h"
#include "platform/input_file.h"
#include "support/tiny_filesystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

using namespace molvane;
using molvane::test::TinyFilesystem;

namespace {

// Everything in a folder, hidden files included: a temporary file left behind would show here.
QStringList everything(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

QByteArray contents(const QString& path)
{
    QByteArray back;
    EXPECT_TRUE(readWholeFile(path, back));
    return back;
}

// An old version with every byte value, so a partial overwrite could not go unnoticed.
QByteArray oldVersion()
{
    QByteArray bytes;
    for (int i = 0; i < 3000; ++i)
        bytes.append(char((i * 7) & 0xFF));
    return bytes;
}

} // namespace

TEST(AtomicFile, ReplacesTheWholeFileAndLeavesNoTemporaryBehind)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.bin");
    ASSERT_TRUE(writeFileAtomically(path, "first version, long"));
    ASSERT_TRUE(writeFileAtomically(path, "second"));
    EXPECT_EQ(contents(path), "second");
    EXPECT_EQ(everything(dir.path()), QStringList{"a.bin"});
}

TEST(AtomicFile, AnEmptyFileIsAFileToo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("empty.bin");
    ASSERT_TRUE(writeFileAtomically(path, oldVersion()));
    ASSERT_TRUE(writeFileAtomically(path, QByteArray()));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST(AtomicFile, AFolderThatDoesNotExistFailsWithAReasonAndCreatesNothing)
{
    QTemporaryDir dir;
    const QString keep = dir.filePath("keep.bin");
    ASSERT_TRUE(writeFileAtomically(keep, oldVersion()));
    QString error;
    EXPECT_FALSE(writeFileAtomically(dir.filePath("missing/inner.bin"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(contents(keep), oldVersion());
    EXPECT_EQ(everything(dir.path()), QStringList{"keep.bin"});
}

TEST(AtomicFile, ATargetThatIsAFolderStaysAFolderWithItsContents)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.fga"));
    const QString inside = dir.filePath("taken.fga/old.bin");
    ASSERT_TRUE(writeFileAtomically(inside, oldVersion()));
    QString error;
    EXPECT_FALSE(writeFileAtomically(dir.filePath("taken.fga"), "new bytes", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.fga")).isDir());
    EXPECT_EQ(contents(inside), oldVersion());
    EXPECT_EQ(everything(dir.path()), QStringList{"taken.fga"});
    EXPECT_EQ(everything(dir.filePath("taken.fga")), QStringList{"old.bin"});
}

// Failing after none, some or all of the new bytes: the old file stays byte for byte, and the
// temporary file with the partial new one is gone.
class AtomicFileFailingHalfWay : public ::testing::TestWithParam<qint64> {};

TEST_P(AtomicFileFailingHalfWay, KeepsTheOldFileAndRemovesTheTemporaryOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("drawing.fga");
    ASSERT_TRUE(writeFileAtomically(path, oldVersion()));
    const QByteArray newVersion(5000, 'n');
    QString error;
    {
        AtomicWriteFailure failure(GetParam());
        EXPECT_FALSE(writeFileAtomically(path, newVersion, &error));
        EXPECT_EQ(failure.failures(), 1);
    }
    EXPECT_EQ(error, "No space left on device");
    EXPECT_EQ(contents(path), oldVersion());
    EXPECT_EQ(everything(dir.path()), QStringList{"drawing.fga"});

    // Once the failure is gone the same write goes through.
    ASSERT_TRUE(writeFileAtomically(path, newVersion));
    EXPECT_EQ(contents(path), newVersion);
    EXPECT_EQ(everything(dir.path()), QStringList{"drawing.fga"});
}

INSTANTIATE_TEST_SUITE_P(AfterBytes, AtomicFileFailingHalfWay, ::testing::Values(0, 1, 2500, 4999, 5000));

TEST(AtomicFile, AFailedFirstWriteLeavesNoFileAtAll)
{
    QTemporaryDir dir;
    AtomicWriteFailure failure(10);
    EXPECT_FALSE(writeFileAtomically(dir.filePath("new.bin"), QByteArray(100, 'x')));
    EXPECT_TRUE(everything(dir.path()).isEmpty());
}

TEST(AtomicFile, FailuresNestAndEndWithTheirScope)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.bin");
    AtomicWriteFailure outer(0);
    {
        AtomicWriteFailure inner(1);
        EXPECT_FALSE(writeFileAtomically(path, "abc"));
        EXPECT_EQ(inner.failures(), 1);
    }
    EXPECT_FALSE(writeFileAtomically(path, "abc"));
    EXPECT_EQ(outer.failures(), 1);
}

TEST(AtomicFile, ReadingRefusesMissingAndOversizedFiles)
{
    QTemporaryDir dir;
    QByteArray out;
    QString error;
    EXPECT_FALSE(readWholeFile(dir.filePath("none"), out, &error));
    EXPECT_FALSE(error.isEmpty());
    ASSERT_TRUE(writeFileAtomically(dir.filePath("big"), QByteArray(100, 'x')));
    EXPECT_FALSE(readWholeFile(dir.filePath("big"), out, nullptr, 99));
    EXPECT_TRUE(readWholeFile(dir.filePath("big"), out, nullptr, 100));
}

// On a really full disk every size fails, the small ones too (a buffered writer sends them only when it
// closes the file); the old file stays byte for byte and no temporary file is left.
TEST(AtomicFile, AReallyFullDiskFailsEveryWriteAndKeepsTheOldFile)
{
    TinyFilesystem disk;
    SKIP_WITHOUT_TINY_FILESYSTEM(disk);
    const QString path = disk.filePath("old.fga");
    ASSERT_TRUE(writeFileAtomically(path, oldVersion()));
    ASSERT_TRUE(disk.fill());
    for (const qsizetype size : {1, 100, 9000, 16000, 40000}) {
        SCOPED_TRACE(size);
        QString error;
        EXPECT_FALSE(writeFileAtomically(path, QByteArray(size, 'n'), &error));
        EXPECT_EQ(error, QString::fromLocal8Bit(std::strerror(ENOSPC)));
        EXPECT_EQ(contents(path), oldVersion());
        EXPECT_EQ(disk.entries(), (QStringList{"filler", "old.fga"}));
    }
    disk.makeRoom();
    ASSERT_TRUE(writeFileAtomically(path, QByteArray(9000, 'n')));
    EXPECT_EQ(contents(path), QByteArray(9000, 'n'));
}

TEST(AtomicFile, AReplacedFileKeepsItsPermissionsAndALinkToItStaysALink)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("drawing.fga");
    ASSERT_TRUE(writeFileAtomically(path, "old"));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(path, dir.filePath("link.fga")));
    ASSERT_TRUE(writeFileAtomically(dir.filePath("link.fga"), "new"));
    EXPECT_TRUE(QFileInfo(dir.filePath("link.fga")).isSymLink());
    EXPECT_EQ(contents(path), "new");
    struct stat info;
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(everything(dir.path()), (QStringList{"drawing.fga", "link.fga"}));
}

// A FIFO would block the reading and a device never ends: neither is read or replaced.
TEST(AtomicFile, OnlyRegularFilesAreReadOrReplaced)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe.fga");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("zero.fga")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.fga"));
    for (const char* name : {"pipe.fga", "zero.fga", "folder.fga"}) {
        SCOPED_TRACE(name);
        QByteArray out = "kept";
        QString error;
        EXPECT_FALSE(readWholeFile(dir.filePath(name), out, &error));
        EXPECT_EQ(error, QString::fromUtf8(kNotARegularFile));
        EXPECT_EQ(out, "kept");
    }
    QString error;
    EXPECT_FALSE(writeFileAtomically(fifo, "bytes", &error));
    EXPECT_EQ(error, QString::fromUtf8(kNotARegularFile));
    EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    EXPECT_EQ(everything(dir.path()), (QStringList{"folder.fga", "pipe.fga", "zero.fga"}));
}

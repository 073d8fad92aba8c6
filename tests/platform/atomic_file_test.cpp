#include "platform/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace molvane;

TEST(AtomicFile, ReplacesTheWholeFileAndLeavesNoTemporaryBehind)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.bin");
    ASSERT_TRUE(writeFileAtomically(path, "first version, long"));
    ASSERT_TRUE(writeFileAtomically(path, "second"));
    QByteArray back;
    ASSERT_TRUE(readWholeFile(path, back));
    EXPECT_EQ(back, "second");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.bin"});
}

TEST(AtomicFile, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.bin");
    ASSERT_TRUE(writeFileAtomically(path, "precious"));
    QString error;
    // A folder where the file should be: the rename cannot succeed.
    EXPECT_FALSE(writeFileAtomically(dir.filePath("missing/inner.bin"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    QByteArray back;
    ASSERT_TRUE(readWholeFile(path, back));
    EXPECT_EQ(back, "precious");
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

#include "platform/data_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace molvane;

namespace {

// Sets an environment variable for the life of the object, restoring the old value after.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

} // namespace

TEST(DataFolder, TheEnvironmentVariableOverridesEverything)
{
    QTemporaryDir dir;
    ScopedEnv env(kDataFolderVariable, dir.filePath("elsewhere").toLocal8Bit());
    EXPECT_EQ(locateDataFolder("/usr/bin"), dir.filePath("elsewhere"));
}

TEST(DataFolder, AWritableProgramFolderKeepsTheDataBesideTheProgram)
{
    QTemporaryDir program;
    ScopedEnv env(kDataFolderVariable, QByteArray());
    EXPECT_EQ(locateDataFolder(program.path()), QDir(program.path()).filePath("Molvane"));
}

TEST(DataFolder, AReadOnlyProgramFolderUsesTheUsersDataHome)
{
    QTemporaryDir home;
    ScopedEnv env(kDataFolderVariable, QByteArray());
    ScopedEnv xdg("XDG_DATA_HOME", home.path().toLocal8Bit());
    QTemporaryDir program;
    EXPECT_EQ(locateDataFolder(program.path(), [](const QString&) { return false; }), home.path() + "/Molvane");
    // An existing data folder decides by its own writability, not the program folder's.
    QDir(program.path()).mkdir("Molvane");
    const QString beside = QDir(program.path()).filePath("Molvane");
    EXPECT_EQ(locateDataFolder(program.path(), [&](const QString& p) { return p == beside; }), beside);
    EXPECT_EQ(locateDataFolder(program.path(), [&](const QString& p) { return p != beside; }),
              home.path() + "/Molvane");
}

// PREFIX/bin beside PREFIX/share/molvane is an installed program: even a prefix the user may write to
// (~/.local, a test's folder) keeps the data in the user's data home, never in bin/.
TEST(DataFolder, AnInstalledProgramUsesTheUsersDataHomeEvenInAWritablePrefix)
{
    QTemporaryDir home, prefix;
    ScopedEnv env(kDataFolderVariable, QByteArray());
    ScopedEnv xdg("XDG_DATA_HOME", home.path().toLocal8Bit());
    const QString bin = QDir(prefix.path()).filePath("bin");
    ASSERT_TRUE(QDir().mkpath(bin));
    EXPECT_EQ(locateDataFolder(bin), QDir(bin).filePath("Molvane")) << "a portable folder before installing";
    ASSERT_TRUE(QDir().mkpath(QDir(prefix.path()).filePath("share/molvane")));
    EXPECT_TRUE(isInstalledProgram(bin));
    EXPECT_EQ(locateDataFolder(bin), home.path() + "/Molvane");
}

TEST(DataFolder, CreatesTheFourFoldersWithTheirJapaneseNames)
{
    QTemporaryDir dir;
    const DataFolders folders = dataFoldersIn(dir.filePath("nested/Molvane"));
    EXPECT_EQ(QFileInfo(folders.iniFile).fileName(), QStringLiteral("設定ファイル.ini"));
    ASSERT_TRUE(createDataFolders(folders));
    for (const char* name : {"図形ファイル", "部分図形ファイル", "画像ファイル", "部分画像ファイル"})
        EXPECT_TRUE(QFileInfo(QDir(folders.root).filePath(QString::fromUtf8(name))).isDir()) << name;
    EXPECT_TRUE(createDataFolders(folders)); // again: nothing to do, still fine
}

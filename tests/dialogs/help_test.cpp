// The help command: the compiled help beside the program wins, the HTML help is the fallback, and
// the opener is handed a file URL of exactly that file.

#include "dialogs/help.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include <vector>

using namespace molvane;

namespace {

// Written out here rather than taken from the header, so that a wrong name there fails.
const QString kChmName = QString::fromUtf8("Molvaneヘルプ.chm");
const QString kIndexPath = QStringLiteral("help/index.html");

class HelpFolder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString folder() const { return dir_.path(); }
    QString pathOf(const QString& relative) const { return QDir(dir_.path()).absoluteFilePath(relative); }

    void writeFile(const QString& relative)
    {
        const QString path = pathOf(relative);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write("help"), 4);
    }

    QTemporaryDir dir_;
};

// An opener that records what it was asked to open.
struct RecordingOpener {
    std::vector<QUrl> urls;
    bool result = true;
    std::function<bool(const QUrl&)> function()
    {
        return [this](const QUrl& url) {
            urls.push_back(url);
            return result;
        };
    }
};

} // namespace

TEST_F(HelpFolder, CompiledHelpWinsOverTheHtmlHelp)
{
    writeFile(kIndexPath);
    writeFile(kChmName);
    EXPECT_EQ(helpTarget(folder()), pathOf(kChmName));
}

TEST_F(HelpFolder, CompiledHelpAloneIsChosen)
{
    writeFile(kChmName);
    EXPECT_EQ(helpTarget(folder()), pathOf(kChmName));
}

TEST_F(HelpFolder, HtmlHelpWhenTheCompiledHelpIsMissing)
{
    writeFile(kIndexPath);
    EXPECT_EQ(helpTarget(folder()), pathOf(kIndexPath));
}

// An installed program (PREFIX/bin) finds the help installed in PREFIX/share/molvane; help beside the
// program still comes first.
TEST_F(HelpFolder, TheInstalledHelpIsFoundFromTheProgramsBinFolder)
{
    writeFile("share/molvane/help/index.html");
    ASSERT_TRUE(QDir().mkpath(pathOf("bin")));
    EXPECT_EQ(helpTarget(pathOf("bin")), pathOf("share/molvane/help/index.html"));
    writeFile("bin/help/index.html");
    EXPECT_EQ(helpTarget(pathOf("bin")), pathOf("bin/help/index.html"));
}

TEST_F(HelpFolder, NothingWhenNeitherIsPresent)
{
    writeFile(QStringLiteral("help/other.html"));
    writeFile(QStringLiteral("index.html"));
    EXPECT_TRUE(helpTarget(folder()).isEmpty());
}

TEST_F(HelpFolder, FoldersNamedLikeTheHelpFilesDoNotCount)
{
    ASSERT_TRUE(QDir().mkpath(pathOf(kChmName)));
    ASSERT_TRUE(QDir().mkpath(pathOf(kIndexPath)));
    EXPECT_TRUE(helpTarget(folder()).isEmpty());
}

TEST_F(HelpFolder, HelpInTheDataFolderIsNotTheProgramsHelp)
{
    // A portable install keeps its data in "Molvane/" beside the program; the help is not looked for there.
    writeFile(QStringLiteral("Molvane/") + kChmName);
    writeFile(QStringLiteral("Molvane/") + kIndexPath);
    EXPECT_TRUE(helpTarget(folder()).isEmpty());
}

TEST(HelpTarget, NoProgramFolderMeansNoHelp)
{
    EXPECT_TRUE(helpTarget(QString()).isEmpty());
}

TEST_F(HelpFolder, OpenHelpWithNothingToOpenFailsWithoutCallingTheOpener)
{
    RecordingOpener opener;
    EXPECT_EQ(openHelp(folder(), opener.function()), HelpOpening::Missing);
    EXPECT_TRUE(opener.urls.empty());
}

TEST_F(HelpFolder, OpenerReceivesAFileUrlOfTheCompiledHelp)
{
    writeFile(kIndexPath);
    writeFile(kChmName);
    RecordingOpener opener;
    EXPECT_EQ(openHelp(folder(), opener.function()), HelpOpening::Opened);
    ASSERT_EQ(opener.urls.size(), 1u);
    const QUrl& url = opener.urls.front();
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_EQ(url.scheme(), QStringLiteral("file"));
    EXPECT_EQ(url.toLocalFile(), pathOf(kChmName));
}

TEST_F(HelpFolder, OpenerReceivesAFileUrlOfTheHtmlHelp)
{
    writeFile(kIndexPath);
    RecordingOpener opener;
    EXPECT_EQ(openHelp(folder(), opener.function()), HelpOpening::Opened);
    ASSERT_EQ(opener.urls.size(), 1u);
    EXPECT_TRUE(opener.urls.front().isLocalFile());
    EXPECT_EQ(opener.urls.front().toLocalFile(), pathOf(kIndexPath));
}

TEST_F(HelpFolder, OpenHelpReportsTheOpenersFailure)
{
    writeFile(kIndexPath);
    RecordingOpener opener;
    opener.result = false;
    EXPECT_EQ(openHelp(folder(), opener.function()), HelpOpening::NoViewer) << "present, but no viewer";
    EXPECT_EQ(opener.urls.size(), 1u);
}

TEST(HelpInTheBuildTree, TheHtmlHelpLiesBesideTheExecutable)
{
    // The build copies docs/help beside build/molvane.
    const QString target = helpTarget(QStringLiteral(MOLVANE_PROGRAM_DIR));
    EXPECT_EQ(QFileInfo(target).canonicalFilePath(),
              QFileInfo(QStringLiteral(MOLVANE_PROGRAM_DIR "/help/index.html")).canonicalFilePath());
    EXPECT_FALSE(target.isEmpty());
}

#include "settings/settings_file.h"

#include "editing/character_buttons.h"
#include "platform/atomic_file_testing.h"
#include "platform/cp932.h"
#include "platform/ini_file.h"
#include "support/tiny_filesystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

using namespace Qt::StringLiterals;
using namespace molvane;

static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString kStandardFolder = u"/data/部分画像ファイル"_s;

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString path(const QString& name = u"設定ファイル.ini"_s) const { return dir_.filePath(name); }

    QByteArray iniBytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString savedText(const SettingsData& data) const
    {
        EXPECT_TRUE(saveSettings(path(), data));
        return fromCp932(iniBytes());
    }

    void writeIni(const QString& text) const
    {
        QFile file(path());
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(toCp932(text)) > 0);
    }

    // The settings read from a file holding text, starting from the start-up values.
    SettingsData loaded(const QString& text) const
    {
        writeIni(text);
        SettingsData data = startupSettings(kStandardFolder);
        EXPECT_TRUE(loadSettings(path(), data, kStandardFolder));
        return data;
    }

private:
    QTemporaryDir dir_;
};

using SettingsLoad = SettingsFileTest;
using SettingsSave = SettingsFileTest;

TEST_F(SettingsLoad, MissingFileLeavesTheStartupValues)
{
    SettingsData data = startupSettings(kStandardFolder);
    EXPECT_FALSE(loadSettings(path(), data, u"/elsewhere"_s));
    EXPECT_FALSE(data.env.mojiBtnColor);
    EXPECT_FALSE(data.env.saveWithPic);
    EXPECT_FALSE(data.env.picBmp);
    EXPECT_EQ(data.partPicFolder, kStandardFolder);
    ASSERT_EQ(data.buttonHints.size(), kCharacterButtonCount);
    EXPECT_EQ(data.buttonHints.last(), characterButtonHint(u"Δ"_s));
}

TEST_F(SettingsLoad, MissingKeysOfAnExistingFileTakeTheReadDefaults)
{
    const SettingsData data = loaded(u"[表示]\r\n罫線表示=0\r\n"_s);
    EXPECT_FALSE(data.env.showMasu);
    EXPECT_TRUE(data.env.mojiBtnColor);
    EXPECT_TRUE(data.env.saveWithPic);
    EXPECT_TRUE(data.env.picBmp);
    EXPECT_EQ(data.env.masuColor, 12632256u);
}

TEST_F(SettingsLoad, IntegersAreDecimalOrHexadecimalWithFallback)
{
    EXPECT_EQ(loaded(u"[表示]\r\n罫線色=0xFF\r\n"_s).env.masuColor, 255u);
    EXPECT_EQ(loaded(u"[表示]\r\n罫線色=abc\r\n"_s).env.masuColor, 12632256u);
    EXPECT_EQ(loaded(u"[表示]\r\n罫線色=0x-1\r\n"_s).env.masuColor, 12632256u);
    EXPECT_EQ(loaded(u"[表示]\r\n十字カーソル表示=0\r\n"_s).env.crossCursorMode, 0);
}

TEST_F(SettingsLoad, BooleansAreOnForAnyNonZeroInteger)
{
    EXPECT_FALSE(loaded(u"[表示]\r\n微動操作=0\r\n"_s).env.smallMoveOneDot);
    EXPECT_TRUE(loaded(u"[表示]\r\n罫線表示=7\r\n"_s).env.showMasu);
    EXPECT_TRUE(loaded(u"[表示]\r\n精度カーソル表示=yes\r\n"_s).env.showSeidoCursor);
}

TEST_F(SettingsLoad, RealsTakeADotOrTheLocalesDecimalPoint)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const SettingsData data = loaded(u"[表示]\r\n縮小率文字１=0.5\r\n縮小率文字２=\r\n縮小率画像１=abc\r\n"
                                     u"縮小率画像２=0,25\r\n"_s);
    QLocale::setDefault(before);
    EXPECT_DOUBLE_EQ(data.env.sizeM1, 0.5);
    EXPECT_DOUBLE_EQ(data.env.sizeM2, 0.36);
    EXPECT_DOUBLE_EQ(data.env.sizeP1, 0.75);
    EXPECT_DOUBLE_EQ(data.env.sizeP2, 0.25);
}

TEST_F(SettingsLoad, ButtonValuesReplaceContentsAndBlanksKeepThem)
{
    const SettingsData data = loaded(u"[文字ボタン]\r\nボタン0=   \r\nボタン1=CH3\r\n"_s);
    EXPECT_EQ(data.buttonHints[0], characterButtonHint(u"A"_s));
    EXPECT_EQ(data.buttonHints[1], characterButtonHintPrefix() + u"CH3"_s);
}

TEST_F(SettingsLoad, LongValuesAreCutAt2047BytesWithoutSplittingACharacter)
{
    const QString kana = QString(1100, u'あ');
    EXPECT_EQ(loaded(u"[図形保存]\r\n保存フォルダ="_s + kana).env.saveFolder, QString(1023, u'あ'));
    EXPECT_EQ(loaded(u"[図形保存]\r\n保存フォルダ=a"_s + kana).env.saveFolder, u"a"_s + QString(1023, u'あ'));
}

TEST_F(SettingsLoad, SaveFolderBecomesThePictureFolderOnlyWhenItExists)
{
    const QString gone = path(u"消えたフォルダ"_s);
    const SettingsData missing = loaded(u"[図形保存]\r\n保存フォルダ有効=1\r\n保存フォルダ="_s + gone);
    EXPECT_EQ(missing.env.saveFolder, gone);
    EXPECT_EQ(missing.partPicFolder, kStandardFolder);

    const QString present = path(u"部分画像"_s);
    ASSERT_TRUE(QDir().mkpath(present));
    EXPECT_EQ(loaded(u"[図形保存]\r\n保存フォルダ有効=1\r\n保存フォルダ="_s + present).partPicFolder,
              present);
}

TEST_F(SettingsSave, WritesEveryButtonIncludingBuiltInContents)
{
    SettingsData data = startupSettings(kStandardFolder);
    data.buttonHints[2] = characterButtonHint(u"  CH3 "_s);
    const QStringList lines = savedText(data).split(u"\r\n"_s);
    EXPECT_EQ(lines.filter(QRegularExpression(u"^ボタン"_s)).size(), kCharacterButtonCount);
    for (int n = 0; n < kCharacterButtonCount; ++n) {
        const QString content = n == 2 ? u"CH3"_s : builtInCharacter(n + 1);
        EXPECT_TRUE(lines.contains(u"ボタン%1=%2"_s.arg(n).arg(content))) << n;
    }
}

TEST_F(SettingsSave, NewFileHasItsSectionsAndKeysInOrder)
{
    const QString text = savedText(startupSettings(kStandardFolder));
    EXPECT_TRUE(text.startsWith(u"[文字ボタン]\r\nボタン0=A\r\nボタン1=B\r\n"_s));
    EXPECT_TRUE(text.endsWith(
        u"ボタン71=Δ\r\n\r\n[表示]\r\n罫線表示=1\r\n罫線色=12632256\r\n精度カーソル表示=1\r\n"
        u"十字カーソル表示=2\r\n自動スクロール=5\r\n復元用保存間隔=60\r\n微動操作=1\r\n縮小率文字１=0.6\r\n"
        u"縮小率文字２=0.36\r\n縮小率画像１=0.75\r\n縮小率画像２=0.5\r\n"
        u"文字ボタン色有効=0\r\n\r\n[図形保存]\r\n同時保存有効=0\r\n保存形式=0\r\n"
        u"保存フォルダ有効=0\r\n保存フォルダ=\r\n"_s));
}

TEST_F(SettingsSave, ReplacesKeysInPlaceAndKeepsEveryOtherLine)
{
    writeIni(u"; hand-made\r\n[図形保存]\r\n保存形式=0\r\n; mine\r\n\r\n[他のツール]\r\n色=1\r\n\r\n"
             u"[表示]\r\n罫線色=255\r\n"_s);
    SettingsData data = startupSettings(kStandardFolder);
    data.env.picBmp = true;
    const QStringList lines = savedText(data).split(u"\r\n"_s);
    // New keys of a section follow its last line, comment or not; a new section goes at the end.
    EXPECT_EQ(lines.mid(0, 13),
              (QStringList{u"; hand-made"_s, u"[図形保存]"_s, u"保存形式=1"_s, u"; mine"_s,
                           u"同時保存有効=0"_s, u"保存フォルダ有効=0"_s, u"保存フォルダ="_s, QString(),
                           u"[他のツール]"_s, u"色=1"_s, QString(), u"[表示]"_s, u"罫線色=12632256"_s}));
    EXPECT_GT(lines.indexOf(u"[文字ボタン]"_s), 13);
}

TEST_F(SettingsSave, SavedValuesReadBack)
{
    SettingsData data = startupSettings(kStandardFolder);
    data.env.mojiBtnColor = true;
    data.env.masuColor = 0x123456;
    data.env.sizeP2 = 0.125;
    data.buttonHints[71] = characterButtonHint(u"ＣＯＯＨ"_s);
    ASSERT_TRUE(saveSettings(path(), data));
    SettingsData read = startupSettings(kStandardFolder);
    ASSERT_TRUE(loadSettings(path(), read, kStandardFolder));
    EXPECT_TRUE(read.env.mojiBtnColor);
    EXPECT_FALSE(read.env.saveWithPic);
    EXPECT_EQ(read.env.masuColor, 0x123456u);
    EXPECT_DOUBLE_EQ(read.env.sizeP2, 0.125);
    EXPECT_EQ(read.buttonHints, data.buttonHints);
}

TEST_F(SettingsSave, FailsInAMissingFolderAndWritesNothing)
{
    const QString target = path(u"ない/設定ファイル.ini"_s);
    QString failedPath;
    EXPECT_FALSE(saveSettings(target, startupSettings(kStandardFolder), &failedPath));
    EXPECT_EQ(failedPath, target);
    EXPECT_FALSE(QFileInfo::exists(path(u"ない"_s)));
}

TEST_F(SettingsSave, AWriteFailingHalfWayKeepsTheOldFileByteForByte)
{
    writeIni(u"; 手で書いた行\r\n[表示]\r\n罫線色=255\r\n"_s);
    const QByteArray before = iniBytes();
    SettingsData data = startupSettings(kStandardFolder);
    data.env.masuColor = 0x123456;
    QString failedPath;
    {
        AtomicWriteFailure failure(40);
        EXPECT_FALSE(saveSettings(path(), data, &failedPath));
        EXPECT_EQ(failure.failures(), 1);
    }
    EXPECT_EQ(failedPath, path());
    EXPECT_EQ(iniBytes().toHex(), before.toHex());
    EXPECT_EQ(QFileInfo(path()).dir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{u"設定ファイル.ini"_s});
}

TEST_F(SettingsLoad, AnOversizedFileGivesTheStartupValuesAndIsKeptAsideForAFreshOne)
{
    writeIni(u"[表示]\r\n罫線表示=0\r\n"_s);
    {
        QFile grow(path());
        ASSERT_TRUE(grow.resize(kMaxIniFileBytes + 1)); // sparse
    }
    SettingsData data = startupSettings(kStandardFolder);
    EXPECT_FALSE(loadSettings(path(), data, kStandardFolder));
    EXPECT_TRUE(data.env.showMasu) << "the start-up value";
    EXPECT_FALSE(QFileInfo::exists(path()));
    EXPECT_EQ(QFileInfo(path() + u".bak"_s).size(), kMaxIniFileBytes + 1);
    ASSERT_TRUE(saveSettings(path(), data)) << "a fresh file at exit";
    EXPECT_TRUE(iniBytes().contains("\r\n[\x95\x5C\x8E\xA6]\r\n"));
}

TEST_F(SettingsSave, TextsCp932CannotHoldAreWrittenAsUtf8AndReadBack)
{
    SettingsData data = startupSettings(kStandardFolder);
    data.buttonHints[0] = characterButtonHint(u"é😀Å"_s);
    ASSERT_TRUE(saveSettings(path(), data));
    EXPECT_TRUE(iniBytes().startsWith("\xEF\xBB\xBF"));
    SettingsData back = startupSettings(kStandardFolder);
    ASSERT_TRUE(loadSettings(path(), back, kStandardFolder));
    EXPECT_EQ(back.buttonHints[0], characterButtonHint(u"é😀Å"_s));
}

// On a really full disk the settings file, a few kilobytes, used to be left empty.
TEST_F(SettingsSave, AReallyFullDiskKeepsTheOldFile)
{
    molvane::test::TinyFilesystem disk;
    SKIP_WITHOUT_TINY_FILESYSTEM(disk);
    const QString ini = disk.filePath(u"設定ファイル.ini"_s);
    SettingsData data = startupSettings(kStandardFolder);
    ASSERT_TRUE(saveSettings(ini, data));
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    ASSERT_TRUE(disk.fill());
    data.env.masuColor = 0x123456;
    QString failedPath;
    EXPECT_FALSE(saveSettings(ini, data, &failedPath));
    EXPECT_EQ(failedPath, ini);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(disk.entries(), (QStringList{u"filler"_s, u"設定ファイル.ini"_s}));
}

TEST_F(SettingsSave, FileIsWrittenInCp932)
{
    ASSERT_TRUE(saveSettings(path(), startupSettings(kStandardFolder)));
    const QByteArray bytes = iniBytes();
    EXPECT_TRUE(bytes.contains("\r\n[\x95\x5C\x8E\xA6]\r\n")); // [表示]
    EXPECT_FALSE(bytes.contains("\xE8\xA1\xA8"));              // 表 in UTF-8
}

} // namespace

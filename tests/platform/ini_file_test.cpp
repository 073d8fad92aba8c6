#include "platform/ini_file.h"

#include "platform/atomic_file_testing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

using namespace Qt::StringLiterals;
using molvane::IniFile;

static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

// A hand-edited file: comments, odd spacing, blank lines, a line that is neither key nor section.
const QString kSample = u"; Molvane settings\r\n"
                        u"version=3\r\n"
                        u"\r\n"
                        u"[Display]\r\n"
                        u"; colours as decimal BGR\r\n"
                        u"  GridColor = 12632256  \r\n"
                        u"FontName=ＭＳ Ｐゴシック\r\n"
                        u"not a setting\r\n"
                        u"\r\n"
                        u"\r\n"
                        u"[ Files ]\r\n"
                        u"Last=C:\\figures\\benzene.fig\r\n"_s;

TEST(IniFileLookup, FindsValuesAndIgnoresEverythingElse)
{
    const IniFile ini = IniFile::fromText(kSample);
    EXPECT_EQ(ini.value(u"Display"_s, u"GridColor"_s), u"12632256"_s);
    EXPECT_EQ(ini.value(u"Display"_s, u"FontName"_s), u"ＭＳ Ｐゴシック"_s);
    EXPECT_EQ(ini.value(u"Files"_s, u"Last"_s), u"C:\\figures\\benzene.fig"_s);
    EXPECT_FALSE(ini.hasKey(u"Display"_s, u"Last"_s));
    EXPECT_FALSE(ini.hasKey(u"Display"_s, u"; colours as decimal BGR"_s));
    EXPECT_FALSE(ini.hasKey(QString(), u"version"_s));
    EXPECT_FALSE(ini.hasSection(u"Missing"_s));
    EXPECT_EQ(ini.value(u"Display"_s, u"Missing"_s, u"fallback"_s), u"fallback"_s);
    EXPECT_EQ(ini.value(u"Missing"_s, u"GridColor"_s, u"fallback"_s), u"fallback"_s);
}

TEST(IniFileLookup, MatchesAsciiLettersWithoutRegardToCase)
{
    const IniFile ini = IniFile::fromText(u"[Display]\nFontName=a\n[Ｗｉｄｅ]\nＫｅｙ=b\n"_s);
    EXPECT_TRUE(ini.hasSection(u"DISPLAY"_s));
    EXPECT_EQ(ini.value(u"display"_s, u"fONTnAME"_s), u"a"_s);
    EXPECT_EQ(ini.value(u"Ｗｉｄｅ"_s, u"Ｋｅｙ"_s), u"b"_s);
    EXPECT_FALSE(ini.hasSection(u"ｗｉｄｅ"_s)); // full-width letters are not ASCII
}

TEST(IniFileLookup, ValueIsEverythingAfterTheFirstEqualsSign)
{
    const IniFile ini = IniFile::fromText(u"[s]\r\nformula = a=b = c \r\nempty=\r\n"_s);
    EXPECT_EQ(ini.value(u"s"_s, u"formula"_s), u"a=b = c"_s);
    EXPECT_TRUE(ini.hasKey(u"s"_s, u"empty"_s));
    EXPECT_EQ(ini.value(u"s"_s, u"empty"_s, u"x"_s), QString());
}

TEST(IniFileLookup, FirstOfDuplicatesWins)
{
    IniFile ini = IniFile::fromText(u"[s]\nk=1\nK=2\n[t]\n[S]\nj=3\n"_s);
    EXPECT_EQ(ini.value(u"s"_s, u"k"_s), u"1"_s);
    EXPECT_FALSE(ini.hasKey(u"s"_s, u"j"_s)); // only the first section of a name is read
    ini.setValue(u"s"_s, u"k"_s, u"9"_s);
    EXPECT_EQ(ini.toText(), u"[s]\r\nk=9\r\nK=2\r\n[t]\r\n[S]\r\nj=3\r\n"_s);
}

TEST(IniFileText, AnyLineEndReadsAndCrLfIsWritten)
{
    EXPECT_EQ(IniFile::fromText(u"[a]\nx=1\r\ny=2\rz=3"_s).toText(), u"[a]\r\nx=1\r\ny=2\r\nz=3\r\n"_s);
    EXPECT_EQ(IniFile::fromText(u"[a]\n\n\r\n"_s).toText(), u"[a]\r\n\r\n\r\n"_s);
    EXPECT_EQ(IniFile::fromText(QString()).toText(), QString());
}

TEST(IniFileEditing, ReplacingAKeyChangesOnlyItsLine)
{
    IniFile ini = IniFile::fromText(kSample);
    ini.setValue(u"DISPLAY"_s, u"gridcolor"_s, u"255"_s);
    QString expected = kSample;
    expected.replace(u"  GridColor = 12632256  \r\n"_s, u"GridColor=255\r\n"_s);
    EXPECT_EQ(ini.toText(), expected);
}

TEST(IniFileEditing, MissingKeyGoesAfterTheLastLineOfItsSection)
{
    IniFile ini = IniFile::fromText(kSample);
    ini.setValue(u"display"_s, u"BondWidth"_s, u"2"_s);
    ini.setValue(u"Files"_s, u"Recent"_s, u"a.fig"_s);
    QString expected = kSample;
    expected.replace(u"not a setting\r\n"_s, u"not a setting\r\nBondWidth=2\r\n"_s);
    expected += u"Recent=a.fig\r\n"_s;
    EXPECT_EQ(ini.toText(), expected);
}

TEST(IniFileEditing, MissingSectionIsAppendedAfterABlankLine)
{
    IniFile ini = IniFile::fromText(kSample);
    ini.setValue(u"表示"_s, u"罫線色"_s, u"0"_s);
    EXPECT_EQ(ini.toText(), kSample + u"\r\n[表示]\r\n罫線色=0\r\n"_s);

    IniFile endsBlank = IniFile::fromText(u"[a]\r\nx=1\r\n\r\n"_s);
    endsBlank.setValue(u"b"_s, u"y"_s, u"2"_s);
    EXPECT_EQ(endsBlank.toText(), u"[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n"_s);

    IniFile empty;
    empty.setValue(u"b"_s, u"y"_s, u"2"_s);
    EXPECT_EQ(empty.toText(), u"[b]\r\ny=2\r\n"_s);
}

TEST(IniFileEditing, WrittenValuesReadBackAsOneLine)
{
    IniFile ini;
    ini.setValue(u"s"_s, u"k"_s, u"one\r\n[two]\nthree"_s);
    EXPECT_EQ(ini.value(u"s"_s, u"k"_s), u"one  [two] three"_s);
    EXPECT_FALSE(ini.hasSection(u"two"_s));
}

class IniFileOnDisk : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    void writeBytes(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray readBytes(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    QTemporaryDir dir_;
};

// [表示] / 罫線色=12632256 in CP932; 表 ends in 5C, the backslash byte.
const QByteArray kCp932Display =
    QByteArray::fromHex("5B 95 5C 8E A6 5D 0D 0A  8C 72 90 FC 90 46 3D 31 32 36 33 32 32 35 36 0D 0A");

TEST_F(IniFileOnDisk, ReadsCp932AndUtf8Files)
{
    writeBytes(u"cp932.ini"_s, kCp932Display);
    writeBytes(u"bom.ini"_s, "\xEF\xBB\xBF" + u"[表示]\n罫線色=1\n"_s.toUtf8());
    writeBytes(u"utf8.ini"_s, u"[表示]\r\n罫線色=2\r\n"_s.toUtf8());
    const std::pair<QString, QString> files[] = {
        {u"cp932.ini"_s, u"12632256"_s}, {u"bom.ini"_s, u"1"_s}, {u"utf8.ini"_s, u"2"_s}};
    for (const auto& [name, expected] : files) {
        bool ok = false;
        const IniFile ini = IniFile::load(path(name), &ok);
        EXPECT_TRUE(ok) << name.toStdString();
        EXPECT_EQ(ini.value(u"表示"_s, u"罫線色"_s), expected) << name.toStdString();
    }
}

TEST_F(IniFileOnDisk, MissingFileLoadsEmpty)
{
    bool ok = true;
    EXPECT_EQ(IniFile::load(path(u"none.ini"_s), &ok).toText(), QString());
    EXPECT_FALSE(ok);
    EXPECT_EQ(molvane::readProfileString(path(u"none.ini"_s), u"a"_s, u"b"_s, u"dflt"_s), u"dflt"_s);
}

TEST_F(IniFileOnDisk, SavesCp932WithCrLf)
{
    writeBytes(u"utf8.ini"_s, u"[表示]\n罫線色=0\n"_s.toUtf8());
    IniFile ini = IniFile::load(path(u"utf8.ini"_s));
    ini.setValue(u"表示"_s, u"罫線色"_s, u"12632256"_s);
    QString error;
    ASSERT_TRUE(ini.save(path(u"utf8.ini"_s), &error)) << error.toStdString();
    EXPECT_EQ(readBytes(u"utf8.ini"_s).toHex(), kCp932Display.toHex());
}

TEST_F(IniFileOnDisk, ProfileStringsCreateAndUpdateTheFile)
{
    const QString file = path(u"molvane.ini"_s);
    ASSERT_TRUE(molvane::writeProfileString(file, u"表示"_s, u"罫線色"_s, u"1"_s));
    ASSERT_TRUE(molvane::writeProfileString(file, u"Files"_s, u"Last"_s, u"ä.fig"_s));
    ASSERT_TRUE(molvane::writeProfileString(file, u"表示"_s, u"罫線色"_s, u"12632256"_s));
    EXPECT_EQ(molvane::readProfileString(file, u"表示"_s, u"罫線色"_s, {}), u"12632256"_s);
    // "ä" is not in CP932: the file turns to UTF-8 with a byte-order mark rather than lose it.
    EXPECT_EQ(readBytes(u"molvane.ini"_s).toHex(),
              (QByteArray("\xEF\xBB\xBF") +
               u"[表示]\r\n罫線色=12632256\r\n\r\n[Files]\r\nLast=ä.fig\r\n"_s.toUtf8())
                  .toHex());
    EXPECT_EQ(molvane::readProfileString(file, u"Files"_s, u"Last"_s, {}), u"ä.fig"_s);
    // Once every character fits again, the file goes back to CP932.
    ASSERT_TRUE(molvane::writeProfileString(file, u"Files"_s, u"Last"_s, u"a.fig"_s));
    EXPECT_EQ(readBytes(u"molvane.ini"_s).toHex(), (kCp932Display + "\r\n[Files]\r\nLast=a.fig\r\n").toHex());
}

TEST_F(IniFileOnDisk, WritingIntoAMissingFolderFails)
{
    const QString file = path(u"no/such/folder/molvane.ini"_s);
    QString error;
    EXPECT_FALSE(IniFile::fromText(u"[a]\nb=c\n"_s).save(file, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(molvane::writeProfileString(file, u"a"_s, u"b"_s, u"c"_s));
    EXPECT_FALSE(QFile::exists(file));
    // A folder where the file should be cannot be read, so it is not replaced either.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(u"taken.ini"_s));
    EXPECT_FALSE(molvane::writeProfileString(path(u"taken.ini"_s), u"a"_s, u"b"_s, u"c"_s));
}

TEST_F(IniFileOnDisk, AFailedSaveKeepsTheOldFileByteForByte)
{
    const QByteArray old = kCp932Display + "; kept\r\n";
    writeBytes(u"molvane.ini"_s, old);
    IniFile ini = IniFile::load(path(u"molvane.ini"_s));
    ini.setValue(u"表示"_s, u"罫線色"_s, u"255"_s);
    QString error;
    {
        molvane::AtomicWriteFailure failure(12);
        EXPECT_FALSE(ini.save(path(u"molvane.ini"_s), &error));
        EXPECT_FALSE(molvane::writeProfileString(path(u"molvane.ini"_s), u"a"_s, u"b"_s, u"c"_s));
        EXPECT_EQ(failure.failures(), 2);
    }
    EXPECT_EQ(error, path(u"molvane.ini"_s) + u": No space left on device"_s);
    EXPECT_EQ(readBytes(u"molvane.ini"_s).toHex(), old.toHex());
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{u"molvane.ini"_s});
}

TEST_F(IniFileOnDisk, AFileTooLargeToBeSettingsReadsAsUnreadableAndIsNotWrittenOver)
{
    const QString file = path(u"huge.ini"_s);
    writeBytes(u"huge.ini"_s, kCp932Display);
    {
        QFile grow(file);
        ASSERT_TRUE(grow.resize(molvane::kMaxIniFileBytes + 1)); // sparse: costs no disk space
    }
    bool ok = true;
    EXPECT_EQ(IniFile::load(file, &ok).toText(), QString());
    EXPECT_FALSE(ok);
    EXPECT_EQ(molvane::readProfileString(file, u"表示"_s, u"罫線色"_s, u"dflt"_s), u"dflt"_s);
    EXPECT_FALSE(molvane::writeProfileString(file, u"表示"_s, u"罫線色"_s, u"1"_s));
    EXPECT_EQ(QFileInfo(file).size(), molvane::kMaxIniFileBytes + 1);

    QFile shrink(file);
    ASSERT_TRUE(shrink.resize(molvane::kMaxIniFileBytes));
    EXPECT_EQ(IniFile::load(file, &ok).value(u"表示"_s, u"罫線色"_s), u"12632256"_s);
    EXPECT_TRUE(ok) << "the limit itself is still a settings file";
}

} // namespace

#include "platform/cp932.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace Qt::StringLiterals;
using molvane::cp932Prefix;
using molvane::fromCp932;
using molvane::toCp932;
using molvane::unmappableInCp932;

static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

std::string hexOf(const QByteArray& bytes)
{
    return bytes.toHex(' ').toUpper().toStdString();
}

struct Mapping {
    QString text;
    const char* bytes;
};

// Expected bytes are those of the Shift-JIS / Windows code page 932 tables.
TEST(Cp932, JapaneseFontNameRoundTrips)
{
    const QString name = u"ＭＳ Ｐゴシック"_s;
    const char* bytes = "82 6C 82 72 20 82 6F 83 53 83 56 83 62 83 4E";
    EXPECT_EQ(hexOf(toCp932(name)), bytes);
    EXPECT_EQ(fromCp932(QByteArray::fromHex(bytes)), name);
}

TEST(Cp932, AsciiAndHalfWidthKatakanaRoundTrip)
{
    QByteArray bytes;
    QString text;
    for (int b = 0; b < 0x80; ++b) {
        bytes.append(char(b));
        text.append(QChar(b));
    }
    for (int b = 0xA1; b <= 0xDF; ++b) {
        bytes.append(char(b));
        text.append(QChar(0xFF61 + b - 0xA1));
    }
    EXPECT_EQ(fromCp932(bytes), text);
    EXPECT_EQ(toCp932(text), bytes);
    EXPECT_TRUE(toCp932(QString()).isEmpty() && fromCp932({}).isEmpty());
}

TEST(Cp932, WindowsFormsMapBothWays)
{
    const Mapping mappings[] = {
        {u"～"_s, "81 60"}, {u"－"_s, "81 7C"}, {u"∥"_s, "81 61"}, {u"￠"_s, "81 91"},
        {u"￡"_s, "81 92"}, {u"￢"_s, "81 CA"}, {u"―"_s, "81 5C"}, {u"＼"_s, "81 5F"},
        {u"ソ表"_s, "83 5C 95 5C"}, {u"Ω"_s, "83 B6"}, {u"①⑳"_s, "87 40 87 53"},
        {u"Ⅰ㍉№㈱"_s, "87 54 87 5F 87 82 87 8A"}, {u"ⅰ￤＇＂"_s, "FA 40 FA 55 FA 56 FA 57"},
        {u"髙"_s, "FB FC"}, {u"∵≒"_s, "81 E6 81 E0"},
    };
    for (const Mapping& m : mappings) {
        EXPECT_EQ(hexOf(toCp932(m.text)), m.bytes) << m.text.toStdString();
        EXPECT_EQ(fromCp932(QByteArray::fromHex(m.bytes)), m.text) << m.bytes;
        EXPECT_TRUE(unmappableInCp932(m.text).isEmpty()) << m.text.toStdString();
    }
}

// Characters with two or three codes are read from any of them and written as Windows writes them.
TEST(Cp932, DuplicateCodesReadAndWriteTheWindowsForm)
{
    const Mapping duplicates[] = {
        {u"ⅰ"_s, "EE EF"}, {u"纊"_s, "ED 40"}, {u"髙"_s, "EE E0"}, {u"≒"_s, "87 90"},
        {u"Ⅰ"_s, "FA 4A"}, {u"￢"_s, "FA 54"}, {u"㈱"_s, "FA 58"}, {u"∵"_s, "FA 5B"},
    };
    for (const Mapping& m : duplicates)
        EXPECT_EQ(fromCp932(QByteArray::fromHex(m.bytes)), m.text) << m.bytes;
    EXPECT_EQ(hexOf(toCp932(u"ⅰ纊髙≒Ⅰ￢㈱∵"_s)), "FA 40 FA 5C FB FC 81 E0 87 54 81 CA 87 8A 81 E6");
}

// Text typed on other systems uses the JIS meanings of some codes; they are written at the same codes.
TEST(Cp932, JisFormsAreWrittenAtTheirCodes)
{
    const Mapping jisForms[] = {
        {u"〜"_s, "81 60"}, {u"−"_s, "81 7C"}, {u"‖"_s, "81 61"}, {u"¢"_s, "81 91"}, {u"£"_s, "81 92"},
        {u"¬"_s, "81 CA"}, {u"—"_s, "81 5C"}, {u"¥"_s, "5C"}, {u"‾"_s, "7E"},
    };
    for (const Mapping& m : jisForms) {
        EXPECT_EQ(hexOf(toCp932(m.text)), m.bytes) << m.text.toStdString();
        EXPECT_TRUE(unmappableInCp932(m.text).isEmpty()) << m.text.toStdString();
    }
    EXPECT_EQ(fromCp932(toCp932(u"〜−"_s)), u"～－"_s);
}

TEST(Cp932, UnmappableCharactersBecomeOneQuestionMarkEach)
{
    EXPECT_EQ(hexOf(toCp932(u"aäb"_s)), "61 3F 62");
    EXPECT_EQ(hexOf(toCp932(u"A😀B"_s)), "41 3F 42");
    EXPECT_EQ(hexOf(toCp932(u"é€"_s)), "3F 3F");
    // glibc drops tag characters without a word; they are characters all the same.
    EXPECT_EQ(hexOf(toCp932(u"x\U000E0041y"_s)), "78 3F 79");
    const QString loneSurrogates = QString(QChar(0xD83D)) + u'a' + QChar(0xDE00);
    EXPECT_EQ(hexOf(toCp932(loneSurrogates)), "3F 61 3F");
}

TEST(Cp932, UnmappableCharactersAreListedOnceInOrder)
{
    EXPECT_EQ(unmappableInCp932(u"äあö😀äöΩ😀ä"_s), u"äö😀"_s);
    EXPECT_EQ(unmappableInCp932(u"ＭＳ Ｐゴシック ｱ ①"_s), QString());
    EXPECT_EQ(unmappableInCp932(QString()), QString());
}

TEST(Cp932, InvalidBytesDecodeToReplacementCharacters)
{
    const std::pair<const char*, QString> cases[] = {
        {"80", u"\uFFFD"_s},
        {"A0 FD FE FF", u"\uFFFD\uFFFD\uFFFD\uFFFD"_s},
        {"41 82", u"A\uFFFD"_s},               // lead byte cut off at the end
        {"81 0A 41", u"\uFFFD\nA"_s},          // a byte that cannot follow a lead byte is read again
        {"81 7F", u"\uFFFD\u007F"_s},
        {"85 40 82 A0", u"\uFFFD@あ"_s},       // a row CP932 leaves empty
        {"FF 82 A0 80", u"\uFFFDあ\uFFFD"_s},
    };
    for (const auto& [hex, text] : cases)
        EXPECT_EQ(fromCp932(QByteArray::fromHex(hex)), text) << hex;
}

TEST(Cp932, EveryByteSequenceDecodesAndDecodedTextSurvivesEncoding)
{
    for (int lead = 0; lead < 0x100; ++lead) {
        for (int trail = 0; trail < 0x100; ++trail) {
            const char pair[] = {char(lead), char(trail)};
            const QString text = fromCp932(QByteArrayView(pair, 2));
            ASSERT_TRUE(text.size() == 1 || text.size() == 2) << lead << ' ' << trail;
            QString readable = text;
            readable.replace(QChar(0xFFFD), u'?');
            ASSERT_EQ(fromCp932(toCp932(text)), readable) << lead << ' ' << trail;
        }
    }
}

TEST(Cp932, PrefixNeverSplitsADoubleByteCharacter)
{
    EXPECT_EQ(cp932Prefix(u"ABC"_s, 2), "AB");
    EXPECT_EQ(hexOf(cp932Prefix(u"あいう"_s, 2)), "82 A0");
    EXPECT_EQ(cp932Prefix(u"Aあ"_s, 2), "A");
    EXPECT_EQ(hexOf(cp932Prefix(u"Aあ"_s, 3)), "41 82 A0");
    EXPECT_EQ(hexOf(cp932Prefix(u"ｱｲあ"_s, 3)), "B1 B2");
    EXPECT_EQ(cp932Prefix(u"😀ä!"_s, 2), "??");
    EXPECT_EQ(cp932Prefix(u"ＭＳ Ｐゴシック"_s, 100), toCp932(u"ＭＳ Ｐゴシック"_s));
    EXPECT_TRUE(cp932Prefix(u"あ"_s, 1).isEmpty() && cp932Prefix(u"ABC"_s, -1).isEmpty());
}

} // namespace

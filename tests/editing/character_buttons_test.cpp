#include "editing/character_buttons.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace Qt::StringLiterals;
using namespace molvane;

static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString kPrefix =
    u"文字ボタン … 描画したい文字を指定します。右ｸﾘｯｸでボタンの内容を変更できます（短文も可）。【現在の内容】 "_s;

TEST(CharacterButtonContents, BuiltInRunFromLettersThroughDigitsToSigns)
{
    const QString expected = u"AZaz190+/]δΔ"_s;
    const int numbers[] = {1, 26, 27, 52, 53, 61, 62, 63, 66, 70, 71, 72};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(builtInCharacter(numbers[i]), expected.mid(i, 1)) << numbers[i];
    EXPECT_TRUE(builtInCharacter(0).isEmpty());
    EXPECT_TRUE(builtInCharacter(73).isEmpty());
}

TEST(CharacterButtonHint, IsThePrefixFollowedByTheContent)
{
    EXPECT_EQ(characterButtonHintPrefix(), kPrefix);
    EXPECT_EQ(characterButtonHint(u"CH3"_s), kPrefix + u"CH3"_s);
}

TEST(CharacterButtonHint, ContentRoundTripsAndIsTrimmed)
{
    EXPECT_EQ(contentFromHint(characterButtonHint(u"CH3"_s)), u"CH3"_s);
    EXPECT_EQ(contentFromHint(kPrefix + u"  NO2 \t"_s), u"NO2"_s);
    EXPECT_EQ(contentFromHint(u" OH "_s), u"OH"_s);
    EXPECT_EQ(contentFromHint(kPrefix + kPrefix + u"x"_s), kPrefix + u"x"_s); // only the first is removed
    EXPECT_EQ(contentFromHint(u"a"_s + kPrefix + u"b"_s), u"ab"_s);
}

TEST(CharacterButtonCaption, TakesTheFirstTwoCp932BytesWithoutHalfACharacter)
{
    EXPECT_EQ(characterButtonCaption(u"CH3"_s), u"CH"_s);
    EXPECT_EQ(characterButtonCaption(u"Ａ"_s), u"Ａ"_s);
    EXPECT_EQ(characterButtonCaption(u"ＣＯ"_s), u"Ｃ"_s);
    EXPECT_EQ(characterButtonCaption(u"ｱｲｳ"_s), u"ｱｲ"_s); // half-width kana take one byte each
    EXPECT_EQ(characterButtonCaption(u"Aあ"_s), u"A"_s);
}

TEST(CharacterButtonChange, OnlyTheBuiltInBytesAreUnchanged)
{
    EXPECT_FALSE(isChangedContent(1, u"A"_s));
    EXPECT_FALSE(isChangedContent(72, u"Δ"_s));
    EXPECT_TRUE(isChangedContent(1, u"CH3"_s));
    EXPECT_TRUE(isChangedContent(1, u"Ａ"_s));
    EXPECT_TRUE(isChangedContent(2, u"A"_s));
}

} // namespace

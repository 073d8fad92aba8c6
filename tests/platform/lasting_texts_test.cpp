#include "platform/lasting_texts.h"

#include <gtest/gtest.h>

#include <memory>

using namespace molvane;

TEST(LastingTexts, AKeptTextIsOneStorageForEveryCallerAndOutlivesItsSource)
{
    LastingTexts store(8, 10);
    QString first;
    {
        const QString source = QStringLiteral("ＭＳ 明朝").left(4) + QStringLiteral("x");
        first = store.lasting(source);
        EXPECT_EQ(first, source);
        EXPECT_NE(first.constData(), source.constData()) << "the store keeps its own copy";
    }
    const QString again = store.lasting(QStringLiteral("ＭＳ 明x"));
    EXPECT_EQ(again, QStringLiteral("ＭＳ 明x"));
    EXPECT_EQ(again.constData(), first.constData());

    // A copy that is changed gets characters of its own; the kept text stays as it was.
    QString changed = again;
    changed[0] = QLatin1Char('C');
    EXPECT_EQ(changed, QStringLiteral("CＳ 明x"));
    EXPECT_EQ(store.lasting(QStringLiteral("ＭＳ 明x")), QStringLiteral("ＭＳ 明x"));
    EXPECT_EQ(first, QStringLiteral("ＭＳ 明x"));
}

TEST(LastingTexts, EmptyLongAndOverflowingTextsComeBackAsTheyAre)
{
    LastingTexts store(4, 2);
    const QString longer = QStringLiteral("COOH1");
    EXPECT_EQ(store.lasting(longer).constData(), longer.constData()) << "longer than the store takes";
    EXPECT_TRUE(store.lasting(QString()).isEmpty());

    const QString a = store.lasting(QStringLiteral("CH3"));
    const QString b = store.lasting(QStringLiteral("OH"));
    const QString third = QStringLiteral("NH2");
    EXPECT_EQ(store.lasting(third).constData(), third.constData()) << "the store is full";
    EXPECT_EQ(store.lasting(QStringLiteral("CH3")).constData(), a.constData()) << "kept ones are still found";
    EXPECT_EQ(store.lasting(QStringLiteral("OH")).constData(), b.constData());
}

TEST(LastingTexts, TheProgramsStoreGivesTheSameCharactersForTheSameText)
{
    const QString a = lastingText(QStringLiteral("ベンゼン"));
    const QString b = lastingText(QString::fromUtf8("ベンゼン"));
    EXPECT_EQ(a, QStringLiteral("ベンゼン"));
    EXPECT_EQ(a.constData(), b.constData());
}

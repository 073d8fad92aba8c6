// The drawing-style dialog: its values, the reset buttons, the colour buttons and the live sample.

#include "settings/tform2.h"
#include "support/image_test_util.h"
#include "support/scripted_prompts.h"

#include <QComboBox>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

constexpr TColor kBlue = 0xFF0000;
constexpr TColor kYellow = 0x00FFFF;
const QString kIniQuestion = QString::fromUtf8("現在の設定値を初期設定に戻します。いいですか。");

class StyleDialogTest : public ::testing::Test {
protected:
    template <class T> T* child(const char* name) { return dialog.findChild<T*>(QString::fromLatin1(name)); }
    void clickButton(const char* name) { child<QPushButton>(name)->click(); }

    ScriptedPrompts prompts;
    TForm2 dialog{prompts};
};

TEST_F(StyleDialogTest, TheSampleShowsTheRingFilledTheArrowAndTheTextInTheChosenColours)
{
    DrawingStyle style;
    style.penColor = kBlue;
    style.brushColor = kYellow;
    dialog.setStyle(style);
    const QImage& sample = dialog.sample();
    ASSERT_EQ(sample.size(), QSize(189, 249));
    EXPECT_EQ(sample.pixel(132, 63), toQColor(kYellow).rgb()) << "the ring is filled";
    saveForInspection(sample, QStringLiteral("style_sample"));
    EXPECT_GT(countPixels(sample, kBlue, QRect(20, 120, 150, 40)), 100) << "the arrow";
    EXPECT_EQ(sample.pixel(5, 5), qRgb(255, 255, 255));
    // The formula below the arrow starts below row 185 (the letters are centred on row 208).
    int top = sample.height();
    for (int y = 170; y < sample.height() && top == sample.height(); ++y)
        for (int x = 0; x < sample.width(); ++x)
            if (sample.pixel(x, y) == toQColor(kBlue).rgb()) {
                top = y;
                break;
            }
    EXPECT_GT(top, 185);
    EXPECT_LT(top, 215);
}

TEST_F(StyleDialogTest, AFontThatIsNotInstalledSelectsNothingAndOkKeepsItsName)
{
    DrawingStyle style;
    style.fontName = QStringLiteral("No Such Font 123");
    dialog.setStyle(style);
    EXPECT_EQ(child<QComboBox>("cobFontName")->currentIndex(), -1);
    dialog.accept();
    EXPECT_EQ(dialog.style().fontName, style.fontName);
    DrawingStyle known;
    dialog.setStyle(known);
    EXPECT_GE(child<QComboBox>("cobFontName")->currentIndex(), 0) << "the drawings' usual face name is listed";
}

TEST_F(StyleDialogTest, ColoursAndStylesAreStoredOnlyByOk)
{
    DrawingStyle style;
    dialog.setStyle(style);
    prompts.expectColor(kBlue);
    clickButton("bbPenColor");
    auto* normal = child<QComboBox>("cobPenClickStyle0");
    normal->setCurrentIndex(3);
    emit normal->activated(3);
    EXPECT_EQ(dialog.shown().penColor, kBlue);
    EXPECT_EQ(dialog.style(), style) << "nothing stored before OK";
    EXPECT_GT(countPixels(dialog.sample(), kBlue), 300) << "the sample follows at once";
    dialog.accept();
    EXPECT_EQ(dialog.style().penColor, kBlue);
    EXPECT_EQ(dialog.style().normalStyle, 3);
    EXPECT_EQ(dialog.style().rightStyle, 1);
}

TEST_F(StyleDialogTest, AnIniButtonAsksAndCancelChangesNothing)
{
    DrawingStyle style;
    style.brushColor = kYellow;
    style.auxColor = kBlue;
    style.rightStyle = 4;
    dialog.setStyle(style);
    prompts.expectBeep(BeepKind::Information);
    prompts.expectMessage(kIniQuestion, MessageType::Information, MessageButtons::YesCancel, Answer::Cancel);
    clickButton("btInitColor1");
    EXPECT_EQ(dialog.shown(), style);
    prompts.expectBeep(BeepKind::Information);
    prompts.expectMessage(kIniQuestion, MessageType::Information, MessageButtons::YesCancel, Answer::Yes);
    clickButton("btInitColor1");
    EXPECT_EQ(dialog.shown().brushColor, clSilver);
    EXPECT_EQ(dialog.shown().auxColor, clSilver) << "reset with the brush colour";
    EXPECT_EQ(dialog.shown().rightStyle, 4) << "the others stay";
    prompts.expectBeep(BeepKind::Information);
    prompts.expectMessage(kIniQuestion, MessageType::Information, MessageButtons::YesCancel, Answer::Yes);
    clickButton("btInitStyle1");
    EXPECT_EQ(child<QComboBox>("cobPenClickStyle1")->currentIndex(), 1);
}

TEST_F(StyleDialogTest, TheOpenedFontListIsWideEnoughForItsLongestName)
{
    auto* fonts = dialog.findChild<FontNameComboBox*>("cobFontName");
    ASSERT_GT(fonts->count(), 1);
    const QFontMetrics metrics(dialog.font());
    int widest = 0;
    for (int i = 0; i < fonts->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(fonts->itemText(i) + QString::fromUtf8("　")));
    EXPECT_GE(fonts->popupWidth(), widest);
    EXPECT_LE(fonts->popupWidth(), widest + 8);
}

} // namespace

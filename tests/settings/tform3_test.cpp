// The environment dialog: how it shows the settings, what OK applies, "初期化", the grid colour and the
// partial-picture folder.

#include "dialogs/up_down.h"
#include "settings/tform3.h"
#include "support/image_test_util.h"
#include "support/scripted_prompts.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

constexpr TColor kBlue = 0xFF0000;
constexpr TColor kGreen = 0x00FF00;
const QString kInitQuestion = QString::fromUtf8("設定値を初期設定に戻します。いいですか。");
const QString kBrowseTitle = QString::fromUtf8("部分画像の保存フォルダを選択して下さい。");

QString notANumber(const QString& text)
{
    return QString::fromUtf8("'%1' は有効な浮動小数点数ではありません。").arg(text);
}

// Settings that differ from the defaults "初期化" restores in every value.
EnvironmentSettings unusualSettings()
{
    EnvironmentSettings s;
    s.mojiBtnColor = false;
    s.showMasu = false;
    s.masuColor = kBlue;
    s.showSeidoCursor = false;
    s.crossCursorMode = 1;
    s.smallMoveOneDot = false;
    s.autoScrollSpeed = 12;
    s.sizeM1 = 0.7;
    s.sizeM2 = 0.4;
    s.sizeP1 = 0.8;
    s.sizeP2 = 0.3;
    s.saveWithPic = false;
    s.picBmp = false;
    s.useSaveFolder = true;
    s.saveFolder = QStringLiteral("/no/such/folder");
    s.masuHaba = 10;
    return s;
}

void expectSameSettings(const EnvironmentSettings& a, const EnvironmentSettings& b)
{
    EXPECT_EQ(a.mojiBtnColor, b.mojiBtnColor);
    EXPECT_EQ(a.showMasu, b.showMasu);
    EXPECT_EQ(a.masuColor, b.masuColor);
    EXPECT_EQ(a.showSeidoCursor, b.showSeidoCursor);
    EXPECT_EQ(a.crossCursorMode, b.crossCursorMode);
    EXPECT_EQ(a.smallMoveOneDot, b.smallMoveOneDot);
    EXPECT_EQ(a.autoScrollSpeed, b.autoScrollSpeed);
    EXPECT_DOUBLE_EQ(a.sizeM1, b.sizeM1);
    EXPECT_DOUBLE_EQ(a.sizeM2, b.sizeM2);
    EXPECT_DOUBLE_EQ(a.sizeP1, b.sizeP1);
    EXPECT_DOUBLE_EQ(a.sizeP2, b.sizeP2);
    EXPECT_EQ(a.saveWithPic, b.saveWithPic);
    EXPECT_EQ(a.picBmp, b.picBmp);
    EXPECT_EQ(a.useSaveFolder, b.useSaveFolder);
    EXPECT_EQ(a.saveFolder, b.saveFolder);
    EXPECT_EQ(a.masuHaba, b.masuHaba);
}

class TForm3Test : public ::testing::Test {
protected:
    template <class T> T* child(const char* name)
    {
        T* w = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QCheckBox* check(const char* name) { return child<QCheckBox>(name); }
    QRadioButton* radio(const char* name) { return child<QRadioButton>(name); }
    QLineEdit* edit(const char* name) { return child<QLineEdit>(name); }
    void click(const char* name) { child<QPushButton>(name)->click(); }
    void answerInit(Answer answer)
    {
        prompts.expectBeep(BeepKind::Information);
        prompts.expectMessage(kInitQuestion, MessageType::Information, MessageButtons::YesCancel, answer);
        click("btInit");
    }
    // OK, then the values applied to s.
    bool okAndApply(EnvironmentSettings& s)
    {
        click("btOK");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        return dialog.applyTo(s, partPicFolder, standardFolder);
    }

    QTemporaryDir temp;
    QString standardFolder = temp.path() + QString::fromUtf8("/Molvane/部分画像ファイル");
    QString partPicFolder = standardFolder;
    ScriptedPrompts prompts;
    TForm3 dialog{prompts};
};

TEST_F(TForm3Test, ControlsShowTheSettings)
{
    EnvironmentSettings s = unusualSettings();
    s.sizeP2 = 0.123456;
    dialog.showSettings(s);
    EXPECT_FALSE(check("cbShowMasu")->isChecked());
    EXPECT_FALSE(check("cbShowSeidoCursor")->isChecked());
    EXPECT_TRUE(check("cbShowCrossCursor")->isChecked());
    EXPECT_TRUE(radio("rbCross1")->isChecked());
    EXPECT_TRUE(radio("rbSmallMove2")->isChecked());
    EXPECT_TRUE(radio("rbPicJpg")->isChecked());
    EXPECT_TRUE(check("cbSaveFolder")->isChecked());
    EXPECT_EQ(edit("edSaveFolder")->text(), s.saveFolder);
    EXPECT_EQ(edit("edAutoScroll")->text(), QStringLiteral("12"));
    EXPECT_EQ(child<TUpDown>("udAutoScroll")->value(), 12);
    EXPECT_EQ(edit("edMasuHaba")->text(), QStringLiteral("10"));
    EXPECT_EQ(edit("edSizeM1")->text(), QStringLiteral("0.7"));
    EXPECT_EQ(edit("edSizeM2")->text(), QStringLiteral("0.4"));
    EXPECT_EQ(edit("edSizeP1")->text(), QStringLiteral("0.8"));
    EXPECT_EQ(edit("edSizeP2")->text(), QStringLiteral("0.1235")) << "4 significant digits";
    EXPECT_EQ(dialog.masuColor(), kBlue);
    EXPECT_EQ(pixelAt(dialog.swatch(), 20, 12), kBlue);
    EXPECT_EQ(pixelAt(dialog.swatch(), 20, 5), clWhite);
}

TEST_F(TForm3Test, RatiosAreShownInGeneralFormatAndReadAsDecimals)
{
    EXPECT_EQ(ratioText(0.6), QStringLiteral("0.6"));
    EXPECT_EQ(ratioText(0.36), QStringLiteral("0.36"));
    EXPECT_EQ(ratioText(0.5), QStringLiteral("0.5"));
    EXPECT_EQ(ratioText(2.0 / 3.0), QStringLiteral("0.6667"));
    EXPECT_EQ(ratioFromText(QStringLiteral("0.6")), 0.6);
    EXPECT_EQ(ratioFromText(QStringLiteral(" 0.75 ")), 0.75);
    EXPECT_EQ(ratioFromText(QStringLiteral("0,6")), std::nullopt);
    EXPECT_EQ(ratioFromText(QStringLiteral("abc")), std::nullopt);
    EXPECT_EQ(ratioFromText(QString()), std::nullopt);
}

TEST_F(TForm3Test, ModeZeroShowsTheCrossHairOffAndHidesItsChoice)
{
    EnvironmentSettings s;
    s.crossCursorMode = 1;
    dialog.showSettings(s);
    auto* panel = child<QWidget>("pnCross");
    EXPECT_FALSE(panel->isHidden());
    s.crossCursorMode = 0;
    dialog.showSettings(s);
    EXPECT_FALSE(check("cbShowCrossCursor")->isChecked());
    EXPECT_TRUE(panel->isHidden());
    EXPECT_TRUE(radio("rbCross1")->isChecked()) << "mode 0 keeps the last choice";
    s.crossCursorMode = 2;
    dialog.showSettings(s);
    s.crossCursorMode = 0;
    dialog.showSettings(s);
    EXPECT_TRUE(radio("rbCross2")->isChecked()) << "mode 0 keeps the last choice";
    s.crossCursorMode = 1;
    dialog.showSettings(s);
    s.crossCursorMode = 0;
    dialog.showSettings(s);
    EnvironmentSettings applied = s;
    applied.crossCursorMode = 2;
    EXPECT_TRUE(dialog.applyTo(applied, partPicFolder, standardFolder));
    EXPECT_EQ(applied.crossCursorMode, 0);
    check("cbShowCrossCursor")->click();
    EXPECT_FALSE(panel->isHidden()) << "the choice shows as soon as the box is checked";
    EXPECT_TRUE(dialog.applyTo(applied, partPicFolder, standardFolder));
    EXPECT_EQ(applied.crossCursorMode, 1);
}

TEST_F(TForm3Test, TheStandardFolderInAnotherLetterCaseIsStoredAsEmpty)
{
    EnvironmentSettings s;
    dialog.showSettings(s);
    edit("edSaveFolder")->setText(standardFolder.toUpper());
    ASSERT_NE(standardFolder.toUpper(), standardFolder);
    EXPECT_TRUE(okAndApply(s));
    EXPECT_TRUE(s.saveFolder.isEmpty());
    edit("edSaveFolder")->setText(standardFolder + QStringLiteral("2"));
    EXPECT_TRUE(dialog.applyTo(s, partPicFolder, standardFolder));
    EXPECT_EQ(s.saveFolder, standardFolder + QStringLiteral("2")) << "only the whole path counts";
}

TEST_F(TForm3Test, InitFollowedByCancelChangesNothing)
{
    const EnvironmentSettings original = unusualSettings();
    dialog.showSettings(original);
    answerInit(Answer::Cancel);
    EXPECT_FALSE(check("cbShowMasu")->isChecked());
    EXPECT_FALSE(check("cbMojiBtnColor")->isChecked());
    EXPECT_TRUE(radio("rbCross1")->isChecked());
    EXPECT_EQ(edit("edSizeM1")->text(), QStringLiteral("0.7"));
    EXPECT_EQ(edit("edMasuHaba")->text(), QStringLiteral("10"));
    EXPECT_EQ(edit("edSaveFolder")->text(), original.saveFolder);
    EXPECT_EQ(pixelAt(dialog.swatch(), 20, 12), kBlue);
    EnvironmentSettings applied = original;
    EXPECT_TRUE(okAndApply(applied));
    expectSameSettings(applied, original);
    EXPECT_EQ(partPicFolder, standardFolder);
}

TEST_F(TForm3Test, InitFollowedByYesAndOkGivesTheDefaults)
{
    dialog.showSettings(unusualSettings());
    check("cbShowCrossCursor")->click();
    ASSERT_TRUE(child<QWidget>("pnCross")->isHidden());
    answerInit(Answer::Yes);
    EXPECT_FALSE(child<QWidget>("pnCross")->isHidden());
    EXPECT_TRUE(radio("rbPicBmp")->isEnabled());
    EXPECT_EQ(pixelAt(dialog.swatch(), 20, 12), clSilver) << "the swatch is repainted";
    EnvironmentSettings applied = unusualSettings();
    EXPECT_TRUE(okAndApply(applied));
    EnvironmentSettings defaults;
    defaults.mojiBtnColor = true;
    defaults.saveWithPic = true;
    defaults.picBmp = true;
    expectSameSettings(applied, defaults);
}

TEST_F(TForm3Test, UncheckingSaveWithPicGreysOutTheFormatButKeepsIt)
{
    EnvironmentSettings s;
    s.saveWithPic = true;
    s.picBmp = false;
    dialog.showSettings(s);
    auto* format = child<QLabel>("lbPicFormat");
    EXPECT_TRUE(radio("rbPicJpg")->isEnabled());
    check("cbSaveWithPic")->click();
    EXPECT_FALSE(radio("rbPicBmp")->isEnabled());
    EXPECT_FALSE(radio("rbPicJpg")->isEnabled());
    EXPECT_FALSE(format->isEnabled());
    EXPECT_TRUE(radio("rbPicJpg")->isChecked());
    s.picBmp = true;
    EXPECT_TRUE(okAndApply(s));
    EXPECT_FALSE(s.saveWithPic);
    EXPECT_FALSE(s.picBmp);
    check("cbSaveWithPic")->click();
    EXPECT_TRUE(radio("rbPicBmp")->isEnabled());
    EXPECT_TRUE(format->isEnabled());
}

TEST_F(TForm3Test, ARatioThatIsNotANumberStopsApplyingAtThatRatio)
{
    EnvironmentSettings s;
    dialog.showSettings(s);
    check("cbMojiBtnColor")->click();
    child<TUpDown>("udAutoScroll")->setValue(9);
    edit("edSizeM1")->setText(QStringLiteral("0.5"));
    edit("edSizeM2")->setText(QStringLiteral("0.25"));
    edit("edSizeP1")->setText(QStringLiteral("0.7x"));
    edit("edSizeP2")->setText(QStringLiteral("0.4"));
    prompts.expectMessage(notANumber(QStringLiteral("0.7x")), MessageType::Error, MessageButtons::Ok,
                          Answer::Ok);
    EXPECT_FALSE(okAndApply(s));
    EXPECT_EQ(s.autoScrollSpeed, 9) << "the values before the ratios are applied";
    EXPECT_DOUBLE_EQ(s.sizeM1, 0.5);
    EXPECT_DOUBLE_EQ(s.sizeM2, 0.25);
    EXPECT_DOUBLE_EQ(s.sizeP1, 0.75);
    EXPECT_DOUBLE_EQ(s.sizeP2, 0.5);
    EXPECT_FALSE(s.mojiBtnColor) << "nor anything after them";
    edit("edSizeP1")->setText(QStringLiteral("0.7"));
    EXPECT_TRUE(dialog.applyTo(s, partPicFolder, standardFolder));
    EXPECT_DOUBLE_EQ(s.sizeP2, 0.4);
    EXPECT_TRUE(s.mojiBtnColor);
}

TEST_F(TForm3Test, AnExistingUserFolderInUseBecomesThePartialPictureFolder)
{
    const QString mine = temp.path() + QStringLiteral("/pictures");
    ASSERT_TRUE(QDir().mkpath(mine));
    EnvironmentSettings s;
    s.useSaveFolder = true;
    s.saveFolder = mine + QStringLiteral("/missing");
    dialog.showSettings(s);
    EXPECT_TRUE(okAndApply(s));
    EXPECT_EQ(s.saveFolder, mine + QStringLiteral("/missing")) << "kept in the settings";
    EXPECT_EQ(partPicFolder, standardFolder);

    check("cbSaveFolder")->click();
    edit("edSaveFolder")->setText(mine);
    EXPECT_TRUE(dialog.applyTo(s, partPicFolder, standardFolder));
    EXPECT_FALSE(s.useSaveFolder);
    EXPECT_EQ(partPicFolder, standardFolder) << "only while the folder is in use";

    check("cbSaveFolder")->click();
    EXPECT_TRUE(dialog.applyTo(s, partPicFolder, standardFolder));
    EXPECT_EQ(partPicFolder, mine);

    check("cbSaveFolder")->click();
    edit("edSaveFolder")->clear();
    EXPECT_TRUE(dialog.applyTo(s, partPicFolder, standardFolder));
    EXPECT_EQ(partPicFolder, mine) << "switching the folder off keeps it until the program ends";
}

TEST_F(TForm3Test, TheFolderButtonStartsFromTheTypedFolderOrThePartialPictureFolder)
{
    const QString mine = temp.path() + QStringLiteral("/chosen");
    ASSERT_TRUE(QDir().mkpath(mine));
    dialog.setPartPicFolder(standardFolder);
    EnvironmentSettings s;
    s.saveFolder = temp.path() + QStringLiteral("/missing");
    dialog.showSettings(s);
    prompts.expectFolder(mine);
    click("bbSaveFolder");
    EXPECT_EQ(prompts.log().last(),
              QStringLiteral("folder dialog %1 from %2").arg(kBrowseTitle, standardFolder));
    EXPECT_EQ(edit("edSaveFolder")->text(), mine);
    prompts.expectFolder(std::nullopt);
    click("bbSaveFolder");
    EXPECT_EQ(prompts.log().last(), QStringLiteral("folder dialog %1 from %2").arg(kBrowseTitle, mine));
    EXPECT_EQ(edit("edSaveFolder")->text(), mine) << "cancel leaves the text";
}

TEST_F(TForm3Test, TheChosenGridColourIsKeptOnlyByOk)
{
    EnvironmentSettings s;
    dialog.showSettings(s);
    prompts.expectColor(kGreen);
    click("bbMasuColor");
    EXPECT_EQ(pixelAt(dialog.swatch(), 6, 11), kGreen);
    EXPECT_EQ(pixelAt(dialog.swatch(), 47, 12), kGreen);
    EXPECT_EQ(pixelAt(dialog.swatch(), 20, 13), clWhite) << "a line 2 pixels wide";
    EXPECT_EQ(pixelAt(dialog.swatch(), 50, 12), clWhite);
    EXPECT_EQ(dialog.masuColor(), clSilver);
    click("btCancel");
    EXPECT_EQ(dialog.masuColor(), clSilver) << "cancel keeps the copy";

    dialog.showSettings(s);
    EXPECT_EQ(dialog.colorDialogColor(), clSilver) << "the colour dialog starts from the copy again";
    prompts.expectColor(std::nullopt);
    click("bbMasuColor");
    EXPECT_EQ(dialog.colorDialogColor(), clSilver);
    prompts.expectColor(kGreen);
    click("bbMasuColor");
    EXPECT_TRUE(okAndApply(s));
    EXPECT_EQ(s.masuColor, kGreen);
}

TEST_F(TForm3Test, TypedUpDownValuesAreTakenWithinTheirRanges)
{
    EnvironmentSettings s;
    dialog.showSettings(s);
    edit("edMasuHaba")->setText(QStringLiteral("12"));
    edit("edAutoScroll")->setText(QStringLiteral("50"));
    EXPECT_TRUE(okAndApply(s));
    EXPECT_EQ(s.masuHaba, 12);
    EXPECT_EQ(s.autoScrollSpeed, 20);
    EXPECT_EQ(edit("edAutoScroll")->text(), QStringLiteral("20"));
    edit("edMasuHaba")->setText(QStringLiteral("abc"));
    EXPECT_TRUE(dialog.applyTo(s, partPicFolder, standardFolder));
    EXPECT_EQ(s.masuHaba, 12) << "a text that is no number keeps the last value";
}

TEST_F(TForm3Test, ControlsCarryTheirCaptionsAndHints)
{
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("環境設定"));
    EXPECT_EQ(check("cbShowCrossCursor")->text(), QString::fromUtf8("十字線を表示する"));
    EXPECT_EQ(radio("rbCross2")->text(), QString::fromUtf8("選択モード中（四角）"));
    EXPECT_EQ(child<QPushButton>("btInit")->text(), QString::fromUtf8("初期化"));
    EXPECT_EQ(child<QPushButton>("btCancel")->text(), QString::fromUtf8("ｷｬﾝｾﾙ"));
    const QString sizeHint =
        QString::fromUtf8("画像の\"-2\"サイズ … 画像の\"-2\"サイズの縮小率を指定します。");
    EXPECT_EQ(edit("edSizeP2")->toolTip(), sizeHint);
    EXPECT_EQ(edit("edSizeP2")->statusTip(), sizeHint);
    EXPECT_EQ(child<QLabel>("imMasuColor")->toolTip(),
              QString::fromUtf8("罫線表示 … 現在選択されている罫線の色の見本です。"));
    for (const char* name :
         {"cbShowMasu",        "imMasuColor",       "bbMasuColor",   "edMasuHaba", "udMasuHaba",
          "cbShowSeidoCursor", "cbShowCrossCursor", "rbCross1",      "rbCross2",   "rbSmallMove1",
          "rbSmallMove2",      "edAutoScroll",      "udAutoScroll",  "edSizeM1",   "edSizeM2",
          "edSizeP1",          "cbMojiBtnColor",    "cbSaveWithPic", "rbPicBmp",   "rbPicJpg",
          "cbSaveFolder",      "edSaveFolder",      "bbSaveFolder",  "btInit"})
        EXPECT_FALSE(child<QWidget>(name)->toolTip().isEmpty()) << name;
}

} // namespace

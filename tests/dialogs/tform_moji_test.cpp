#include "picture_editor/tform_moji.h"

#include "support/scripted_prompts.h"

#include <QLineEdit>
#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

TEST(TextInputDialog, OkWithTextAcceptsAndKeepsTheSpacingAndFont)
{
    TFormMoji dialog;
    dialog.show();
    EXPECT_EQ(dialog.findChild<QLineEdit*>("Edit1")->text(), "8") << "the stored spacing starts at 8";
    dialog.setText("CH3\nOH");
    dialog.findChild<QLineEdit*>("Edit1")->setText(" 12 ");
    dialog.btOKClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.lineSpacing(), 12);
    EXPECT_EQ(dialog.text(), "CH3\nOH");
    EXPECT_EQ(dialog.font().name, "ＭＳ ゴシック");
    EXPECT_EQ(dialog.font().pointSize, 12);
}

TEST(TextInputDialog, BlanksAndLineBreaksAloneCountAsCancelAndASpacingThatIsNoNumberBecomesFour)
{
    TFormMoji dialog;
    dialog.show();
    dialog.setText("  \n\t \n");
    dialog.findChild<QLineEdit*>("Edit1")->setText("abc");
    dialog.btOKClick();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.lineSpacing(), 4);
}

TEST(TextInputDialog, AFontConfirmedInTheFontDialogStaysEvenWhenTheDialogIsCancelled)
{
    ScriptedPrompts prompts;
    TFormMoji dialog;
    dialog.setPrompts(&prompts);
    dialog.show();
    prompts.expectFont(FontChoice{"Noto Serif CJK JP", 20, true, false});
    dialog.btFontClick();
    dialog.reject();
    EXPECT_EQ(dialog.font().name, "Noto Serif CJK JP");
    EXPECT_EQ(dialog.font().pointSize, 20);
}

// Reforming from the operation panel: which figures change, what they take, and the one undo state.

#include "document/geometry.h"
#include "document/main_window/tform1.h"
#include "main_window_driver.h"
#include "settings/tform2.h"
#include "settings/tform3.h"

#include <QCheckBox>

#include <functional>

#include <QLabel>
#include <QRadioButton>

using namespace molvane;
using namespace molvane::test;

namespace {

// The style dialog as a user would answer it: a change, then OK (or Cancel).
class AnsweredStyleDialog : public TForm2 {
public:
    using TForm2::TForm2;
    std::function<void(DrawingStyle&)> change;
    bool ok = true;
    int opened = 0;
    int exec() override
    {
        ++opened;
        DrawingStyle s = shown();
        if (change)
            change(s);
        setStyle(s);
        if (!ok) {
            reject();
            return Rejected;
        }
        accept();
        return Accepted;
    }
};

class ReformTest : public MainWindowDriver {
protected:
    TUpDown* upDown(const char* name) { return form->findChild<TUpDown*>(name); }
    void clickUp(const char* name, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            upDown(name)->step(true);
    }
    void selectAllByRange()
    {
        button("sbBubun")->click();
        drag({6, 6}, {600, 600});
    }
    int undoStates() const { return form->drawing().history().newest(); }
};

TEST_F(ReformTest, FiveWidthClicksOnASelectedBondMakeOneUndoStateThatOneUndoTakesBack)
{
    button("sbFuncSingle")->click();
    drag({60, 60}, {180, 60});
    selectAllByRange();
    ASSERT_EQ(form->editMode(), EditMode::RangeSelected);
    const int before = undoStates();
    const int oldWidth = figures()[0].lineWidth;
    clickUp("UpDown4", 5);
    EXPECT_EQ(figures()[0].lineWidth, oldWidth + 5);
    EXPECT_EQ(undoStates(), before) << "the undo state waits for the next operation";
    EXPECT_EQ(form->drawing().bitmap().pixel(120, 60 + (oldWidth + 5) / 2 - 1), qRgb(0, 0, 0)) << "drawn wider";
    button("sbFuncDouble")->click();
    EXPECT_EQ(undoStates(), before + 1);
    form->drawing().undo(prompts);
    EXPECT_EQ(figures()[0].lineWidth, oldWidth);
}

TEST_F(ReformTest, WithNothingSelectedAndTheLastFigurePanelRedOnlyTheToolChanges)
{
    button("sbFuncSingle")->click();
    drag({60, 60}, {180, 60});
    auto* panel = form->findChild<QLabel*>("pnLastReform");
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(3, 3), panel->mapToGlobal(QPointF(3, 3)), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(panel, &down); // green -> red
    const QImage before = form->drawing().bitmap().copy();
    const int width = figures()[0].lineWidth;
    clickUp("UpDown4", 2);
    EXPECT_EQ(figures()[0].lineWidth, width);
    EXPECT_EQ(form->drawing().bitmap(), before);
    EXPECT_EQ(form->toolSettings().at(fkSingle).width, width + 2);
    EXPECT_FALSE(form->drawing().pendingChange);
}

TEST_F(ReformTest, AGreenPanelReshapesTheLastDoubleBondAndASideConnectionIsDropped)
{
    button("sbFuncSingle")->click();
    drag({60, 60}, {180, 60});
    button("sbFuncDouble")->click();
    drag({60, 120}, {180, 120});
    TFigure& bond = figures()[1];
    // Its second line was pulled onto a glyph, and so was its main end.
    bond.ends[kSecondEnd] += QPoint(4, 0);
    bond.ends[kMainEnd] += QPoint(3, 0);
    const int shape = upDown("UpDown3")->value();
    figures()[0].selected = true;
    clickUp("UpDown3");
    EXPECT_EQ(figures()[1].shape, shape + 1);
    EXPECT_EQ(figures()[1].ends[kSecondEnd], figures()[1].freeEnds[kSecondEnd]) << "side connection dropped";
    EXPECT_EQ(figures()[1].ends[kMainEnd], figures()[1].freeEnds[kMainEnd] + QPoint(3, 0)) << "main kept";
    EXPECT_NE(figures()[1].ends[kSecondStart], QPoint()) << "side line computed afresh";
    EXPECT_FALSE(figures()[0].selected) << "the selection is cleared";
    EXPECT_EQ(figures()[0].shape, 0);
}

TEST_F(ReformTest, SizeIsForTextsAndWidthIsIgnoredByTexts)
{
    button("sbFuncMoji")->click();
    click({120, 120});
    button("sbFuncSingle")->click();
    drag({200, 60}, {300, 60});
    selectAllByRange();
    ASSERT_EQ(form->selectedCount(), 2);
    form->findChild<QRadioButton*>("rgSize2")->click();
    EXPECT_EQ(figures()[0].sizeStep, 2);
    EXPECT_EQ(figures()[1].sizeStep, 0);
    const int textWidth = figures()[0].lineWidth;
    clickUp("UpDown4");
    EXPECT_EQ(figures()[0].lineWidth, textWidth);
    EXPECT_EQ(figures()[1].lineWidth, upDown("UpDown4")->value());
}

class StyleFromDialogTest : public ReformTest {
protected:
    void SetUp() override
    {
        ReformTest::SetUp();
        form->setStyleDialog(&dialog);
    }
    void TearDown() override
    {
        form->setStyleDialog(nullptr);
        ReformTest::TearDown();
    }
    QToolButton* settei() { return form->findChild<QToolButton*>("sbSettei"); }
    void rightPressSettei()
    {
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(4, 4), settei()->mapToGlobal(QPointF(4, 4)),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(settei(), &e);
    }
    AnsweredStyleDialog dialog{prompts};
};

TEST_F(StyleFromDialogTest, ARedPenForTwoSelectedFiguresChangesOnlyThemAndNotTheNextFigure)
{
    button("sbFuncSingle")->click();
    drag({60, 60}, {180, 60});
    drag({60, 120}, {180, 120});
    drag({60, 300}, {180, 300});
    button("sbBubun")->click();
    drag({30, 30}, {200, 150});
    ASSERT_EQ(form->selectedCount(), 2);
    dialog.change = [](DrawingStyle& s) { s.penColor = clRed; };
    settei()->click();
    EXPECT_EQ(dialog.opened, 1);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("図形の線種変更"));
    EXPECT_EQ(figures()[0].penColor, clRed);
    EXPECT_EQ(figures()[1].penColor, clRed);
    EXPECT_EQ(figures()[2].penColor, clBlack);
    EXPECT_EQ(form->drawing().bitmap().pixel(120, 60), toQColor(clRed).rgb());
    button("sbFuncSingle")->click();
    drag({60, 400}, {180, 400});
    EXPECT_EQ(figures().back().penColor, clBlack) << "new figures keep the previous colour";
}

TEST_F(StyleFromDialogTest, ARightPressOpensAtOnceAndMakesTheRightClickStyleCurrent)
{
    button("sbFuncSingle")->click();
    dialog.change = [](DrawingStyle& s) {
        s.normalStyle = 2;
        s.rightStyle = 3;
    };
    rightPressSettei();
    EXPECT_EQ(dialog.opened, 1);
    EXPECT_EQ(form->currentLineStyle(), 3);
    EXPECT_EQ(form->toolSettings().at(fkSingle).rightStyle, 3) << "the tool remembers its styles";
    drag({60, 60}, {180, 60});
    EXPECT_EQ(figures().back().penStyle, 3);

    dialog.change = [](DrawingStyle& s) { s.penColor = clRed; };
    dialog.ok = false;
    settei()->click();
    EXPECT_EQ(figures().back().penColor, clBlack) << "cancel changes nothing";
}

// The environment dialog answered with the grid hidden and a faster auto-scroll.
class AnsweredEnvironmentDialog : public TForm3 {
public:
    using TForm3::TForm3;
    int exec() override
    {
        findChild<QCheckBox*>("cbShowMasu")->setChecked(false);
        findChild<TUpDown*>("udAutoScroll")->setValue(9);
        accept();
        return Accepted;
    }
};

TEST_F(ReformTest, TheEnvironmentDialogAppliesAtOnceAndTheSettingsFileKeepsIt)
{
    AnsweredEnvironmentDialog dialog(prompts);
    form->setEnvironmentDialog(&dialog);
    ASSERT_TRUE(form->drawing().settings.showMasu);
    form->findChild<QToolButton*>("sbSetup")->click();
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("環境設定"));
    EXPECT_FALSE(form->drawing().settings.showMasu);
    EXPECT_EQ(form->drawing().settings.autoScrollSpeed, 9);
    ASSERT_TRUE(form->files().saveSettingsFile());
    form->setEnvironmentDialog(nullptr);
    // Read back through a second window, as the next start would.
    TForm1 next(prompts, folders);
    EXPECT_FALSE(next.drawing().settings.showMasu);
    EXPECT_EQ(next.drawing().settings.autoScrollSpeed, 9);
    next.drawing().takeBaseline();
}

} // namespace

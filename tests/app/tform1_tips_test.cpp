// Tip connection and figure information, driven through the main window.

#include "document/figure_commit.h"
#include "document/geometry.h"
#include "document/main_window/tform1.h"
#include "main_window_driver.h"
#include "support/figure_builders.h"

using namespace molvane;
using namespace molvane::test;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

class TipsTest : public MainWindowDriver {
protected:
    // A "C" drawn with the text tool; returns the x of its first drawn pixel on row y, right of x.
    int letterC(QPoint at, int y, int fromX)
    {
        button("sbFuncMoji")->click();
        click(at);
        const QImage& b = form->drawing().bitmap();
        for (int x = fromX; x < b.width(); ++x)
            if (b.pixel(x, y) != kWhite)
                return x;
        return -1;
    }
    int undoStates() const { return form->drawing().history().newest(); }
    void setZoomTo200AndClick(QPoint model)
    {
        form->findChild<TUpDown*>("UpDown2")->setValue(200);
        form->UpDown2Click(true);
        click(model * 2);
    }
};

TEST_F(TipsTest, ATipSixPixelsBeforeALetterMovesOntoItsFirstPixelAndDisconnectingRestoresIt)
{
    const int glyph = letterC({198, 120}, 120, 150);
    ASSERT_GT(glyph, 160);
    const QPoint tip(glyph - 6, 120);
    const int index = commit(bond({100, 120}, tip, 1));
    const int before = undoStates();
    form->connectClick();
    EXPECT_EQ(form->editMode(), EditMode::Connect);
    click(tip + QPoint(2, -2));
    EXPECT_EQ(figures()[std::size_t(index)].ends[kMainEnd], QPoint(glyph, 120));
    EXPECT_EQ(figures()[std::size_t(index)].freeEnds[kMainEnd], tip) << "the drawn end is kept";
    EXPECT_EQ(undoStates(), before + 1);
    EXPECT_EQ(form->editMode(), EditMode::Text) << "one press ends the mode";
    EXPECT_NE(form->drawing().bitmap().pixel(glyph - 3, 120), kWhite) << "the bond is drawn to its new tip";

    form->connectCancelClick();
    click(QPoint(glyph, 120));
    EXPECT_EQ(figures()[std::size_t(index)].ends[kMainEnd], tip);
    EXPECT_EQ(undoStates(), before + 2);
}

TEST_F(TipsTest, ATipIntoEmptyCanvasOrAPressBesideEveryTipChangesNothing)
{
    const int index = commit(bond({100, 300}, {160, 300}, 1));
    const int before = undoStates();
    form->connectClick();
    click({161, 300});
    EXPECT_EQ(figures()[std::size_t(index)].ends[kMainEnd], QPoint(160, 300));
    EXPECT_EQ(undoStates(), before) << "a tip was picked but nothing moved: no change";
    form->connectClick();
    click({130, 330}); // more than 5 pixels from every tip
    EXPECT_EQ(undoStates(), before);
    EXPECT_NE(form->editMode(), EditMode::Connect);
}

TEST_F(TipsTest, ATripleBondsSideLinePickMovesBothSideTipsAndTwoBondsInOneBoxAreBothDone)
{
    // A wall for the tips to run into.
    commit(bond({200, 40}, {200, 200}, 3));
    TFigure triple = bond({100, 100}, {180, 100}, 1);
    triple.kind = fkTriple;
    triple.ends[kSecondStart] = {100, 94};
    triple.ends[kSecondEnd] = {180, 94};
    triple.ends[kThirdStart] = {100, 106};
    triple.ends[kThirdEnd] = {180, 106};
    triple.freeEnds = triple.ends;
    const int t = commit(triple);
    form->connectClick();
    click({180, 93});
    const TFigure& f = figures()[std::size_t(t)];
    EXPECT_EQ(f.ends[kMainEnd], QPoint(180, 100)) << "the main line stays";
    EXPECT_GT(f.ends[kSecondEnd].x(), 190);
    EXPECT_GT(f.ends[kThirdEnd].x(), 190);
    EXPECT_EQ(f.ends[kSecondEnd].y(), 94);

    const int a = commit(bond({100, 150}, {180, 150}, 1));
    const int b = commit(bond({100, 153}, {180, 153}, 1));
    form->connectClick();
    click({180, 151});
    EXPECT_NE(figures()[std::size_t(a)].ends[kMainEnd], QPoint(180, 150));
    EXPECT_NE(figures()[std::size_t(b)].ends[kMainEnd], QPoint(180, 153));
}

TEST_F(TipsTest, FigureInformationShowsOneBoxPerFrameInListOrderWithTheStoredValues)
{
    TFigure blue = bond({100, 100}, {160, 100}, 2);
    blue.penColor = 0xFF0000;
    blue.ends[kMainEnd] = {163, 100}; // connected
    commit(blue);
    TFigure near = bond({104, 104}, {164, 104}, 1);
    commit(near);
    const QPoint between = (figures()[0].handle + figures()[1].handle) / 2;
    form->informationClick();
    EXPECT_EQ(form->editMode(), EditMode::Information);
    prompts.expectMessageStartingWith(QString::fromUtf8("【 1 】 単結合\r\nカーソル精度 = 0\r\n微動操作 = なし\r\n先端密着 = あり\r\n"
                                                        "開始位置 X=100, Y=100\r\n終了位置 X=163, Y=100\r\n\r\n線幅 = 2"),
                                      MessageType::Information, MessageButtons::Ok, Answer::Ok);
    prompts.expectMessageStartingWith(QString::fromUtf8("【 2 】 単結合"), MessageType::Information,
                                      MessageButtons::Ok, Answer::Ok);
    setZoomTo200AndClick(between);
    EXPECT_EQ(figures()[0].penColor, 0xFF0000u) << "red only while the box is open";
    ASSERT_EQ(prompts.log().size(), 2);
    EXPECT_TRUE(prompts.log()[0].contains(QString::fromUtf8("色 R=0, G=0, B=255")))
        << "its own colour, not the red";
    EXPECT_NE(form->editMode(), EditMode::Information);
}

} // namespace

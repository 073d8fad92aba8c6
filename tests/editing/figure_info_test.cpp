#include "editing/figure_info.h"

#include "support/figure_builders.h"

#include <gtest/gtest.h>

using namespace molvane;
using namespace molvane::test;

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

TEST(FigureInformation, AConnectedBlueBondReadsItsStoredValuesLineByLine)
{
    TFigure f = bond({10, 20}, {70, 20}, 3);
    f.cursorPrecision = 4;
    f.penColor = 0xFF0000; // blue
    f.fillColor = 0x00FF00;
    f.shape = 0;
    f.sizeStep = 2;
    f.penStyle = 1;
    f.fineMoved = true;
    f.ends[kMainEnd] = {74, 20};
    EXPECT_EQ(figureInformation(f, 3, u("単結合")),
              u("【 3 】 単結合\r\nカーソル精度 = 4\r\n微動操作 = あり\r\n先端密着 = あり\r\n開始位置 X=10, Y=20\r\n"
                "終了位置 X=74, Y=20\r\n\r\n線幅 = 3\r\n形状 = 0\r\n文字・画像サイズ = -2\r\nペンスタイル = 1\r\n"
                "色 R=0, G=0, B=255"));
    f.ends[kMainEnd] = f.freeEnds[kMainEnd];
    EXPECT_TRUE(figureInformation(f, 3, u("単結合")).contains(u("先端密着 = なし")));
}

TEST(FigureInformation, TheLastLineDependsOnTheKind)
{
    TFigure fill;
    fill.kind = fkNuri;
    fill.fillColor = 0x0000FF;
    fill.penColor = 0xFF0000;
    const QString none = figureInformation(fill, 1, u("塗りつぶし"));
    EXPECT_TRUE(none.endsWith(u("色 R=255, G=0, B=0\r\n周囲の図形 = なし"))) << none.toStdString();
    fill.points = {{0, 0}, {2, 0}, {4, 0}};
    EXPECT_TRUE(figureInformation(fill, 1, {}).endsWith(u("周囲の図形 = 1, 3, 5")));

    TFigure text;
    text.kind = fkMoji;
    text.fontName = u("ＭＳ Ｐゴシック");
    text.sizeStep = 1;
    const QString t = figureInformation(text, 2, u("文字"));
    EXPECT_TRUE(t.endsWith(u("フォント名 = ＭＳ Ｐゴシック")));
    EXPECT_TRUE(t.contains(u("文字・画像サイズ = -1\r\n")));

    TFigure curve;
    curve.kind = fkFree;
    curve.points = {{1, 1}, {2, 2}};
    EXPECT_TRUE(figureInformation(curve, 1, {}).endsWith(u("点の個数 = 2")));
    TFigure picture;
    picture.kind = fkPicture;
    picture.text = u("部分画像ファイル\\a.bmp");
    EXPECT_TRUE(figureInformation(picture, 1, u("画像")).endsWith(u("画像ファイル名 = \"部分画像ファイル\\a.bmp\"")));
    EXPECT_EQ(figureInformation(bond({0, 0}, {1, 1}), 1, {}).split(u("\r\n")).size(), 12) << "no kind line";
}

} // namespace

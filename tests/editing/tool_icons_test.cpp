#include "editing/tool_icons.h"

#include "document/figure_kind.h"
#include "platform/tcolor.h"

#include <gtest/gtest.h>

#include <vector>

using namespace molvane;

namespace {

// The tags of every tool button: figure tools by their kind, then the selection and connection tools.
const std::vector<int> kTools = {10, 11, 12, 13, 14, 15, 16, 17, 21, 22, 23, 31, 32, 34, 41, 42};

bool opaque(const QImage& icon, int x, int y)
{
    return qAlpha(icon.pixel(x, y)) == 255;
}

int opaqueIn(const QImage& icon, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += opaque(icon, x, y);
    return n;
}

int pixelsOf(const QImage& icon, TColor colour, QRect area = QRect())
{
    if (area.isNull())
        area = icon.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += icon.pixel(x, y) == toQRgb(colour);
    return n;
}

// The stretches of opaque pixels met walking down column x.
int inkRunsInColumn(const QImage& icon, int x)
{
    int runs = 0;
    for (int y = 0; y < icon.height(); ++y)
        runs += opaque(icon, x, y) && (y == 0 || !opaque(icon, x, y - 1));
    return runs;
}

} // namespace

TEST(ToolIcons, EveryToolHasAnIconOfTheSizeAskedWithInkAndClearCorners)
{
    for (int size : {24, 40}) {
        for (int tool : kTools) {
            const QImage icon = toolIcon(tool, size);
            ASSERT_FALSE(icon.isNull()) << tool;
            EXPECT_EQ(icon.size(), QSize(size, size)) << tool;
            EXPECT_EQ(icon.format(), QImage::Format_ARGB32) << tool;
            EXPECT_GT(opaqueIn(icon, icon.rect()), size / 2) << tool << " at " << size;
            const int last = size - 1;
            for (QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
                EXPECT_EQ(icon.pixel(corner), 0u) << tool << " at " << corner.x() << "," << corner.y();
        }
    }
}

TEST(ToolIcons, UnknownToolsAndEmptySizesHaveNoIcon)
{
    for (int tool : {0, 33, int(fkPicture), 43, -11})
        EXPECT_TRUE(toolIcon(tool).isNull()) << tool;
    EXPECT_TRUE(toolIcon(fkSingle, 0).isNull());
}

TEST(ToolIcons, NoTwoToolsShareAnIcon)
{
    for (std::size_t i = 0; i < kTools.size(); ++i)
        for (std::size_t j = i + 1; j < kTools.size(); ++j)
            EXPECT_NE(toolIcon(kTools[i]), toolIcon(kTools[j])) << kTools[i] << " and " << kTools[j];
}

TEST(ToolIcons, TheFillIconIsSilverInsideItsRingOnly)
{
    const QImage icon = toolIcon(fkNuri);
    const QRgb silver = toQRgb(clSilver);
    EXPECT_EQ(icon.pixel(12, 12), silver);
    EXPECT_EQ(icon.pixel(9, 14), silver);
    int silverOutside = 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            silverOutside += icon.pixel(x, y) == silver;
    EXPECT_EQ(silverOutside, 0);
    // The ring itself is drawn in the pen colour between the fill and the corner.
    EXPECT_EQ(icon.pixel(12, 3), toQRgb(clBlack));
}

TEST(ToolIcons, TheStereoWedgeCarriesMoreInkAtItsWideEnd)
{
    const QImage icon = toolIcon(fkStereo);
    const int tip = opaqueIn(icon, QRect(0, 12, 12, 12));
    const int wide = opaqueIn(icon, QRect(12, 0, 12, 12));
    EXPECT_GT(tip, 0);
    EXPECT_GT(wide, 2 * tip);
}

TEST(ToolIcons, BondIconsShowOneLinePerBond)
{
    EXPECT_EQ(inkRunsInColumn(toolIcon(fkSingle), 12), 1);
    EXPECT_EQ(inkRunsInColumn(toolIcon(fkDouble), 12), 2);
    EXPECT_EQ(inkRunsInColumn(toolIcon(fkTriple), 12), 3);
    EXPECT_EQ(inkRunsInColumn(toolIcon(fkDouble, 48), 24), 2);
}

TEST(ToolIcons, SelectionMarksAreRed)
{
    for (int tool : {31, 32, 34}) {
        const QImage icon = toolIcon(tool);
        EXPECT_GT(pixelsOf(icon, clRed), 0) << tool;
        EXPECT_EQ(pixelsOf(icon, clRed), opaqueIn(icon, icon.rect())) << tool;
    }
}

TEST(ToolIcons, ConnectionIconsJoinOrPartBlackBondsUnderARedMark)
{
    const QImage connect = toolIcon(41);
    const QImage disconnect = toolIcon(42);
    for (const QImage& icon : {connect, disconnect}) {
        EXPECT_GT(pixelsOf(icon, clBlack), 20);
        EXPECT_GT(pixelsOf(icon, clRed), 8);
    }
    // The bonds meet in the middle column when connected and leave a gap there when not.
    const QRect middle(12, 0, 1, 24);
    EXPECT_GT(pixelsOf(connect, clBlack, middle), 0);
    EXPECT_EQ(pixelsOf(disconnect, clBlack, middle), 0);
}

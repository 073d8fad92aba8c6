#include "document/figure_fixed_part.h"
#include "document/point_blocks.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <vector>

using namespace molvane;

namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

class RandomFigures {
public:
    std::int32_t any()
    {
        // Mostly plain coordinates, sometimes the ends of the 32-bit range where sums wrap around.
        switch (engine_() % 4) {
        case 0: return kMin + std::int32_t(engine_() % 3);
        case 1: return kMax - std::int32_t(engine_() % 3);
        default: return std::int32_t(engine_() % 4000) - 2000;
        }
    }
    QPoint point() { return {any(), any()}; }

    TFigure figure()
    {
        TFigure f;
        f.kind = any();
        f.cursorPrecision = any();
        f.freeForm = engine_() % 2 != 0;
        f.fineMoved = engine_() % 2 != 0;
        f.penColor = TColor(any());
        f.auxColor = TColor(any());
        f.fillColor = TColor(any());
        f.penStyle = any();
        f.lineWidth = any();
        f.shape = any();
        f.sizeStep = any();
        f.reserved = any();
        for (QPoint& q : f.ends)
            q = point();
        for (QPoint& q : f.freeEnds)
            q = point();
        f.handle = point();
        for (QPoint& q : f.extremes)
            q = point();
        f.margins = {any(), any(), any(), any()};
        return f;
    }

private:
    std::mt19937 engine_{20261208};
};

std::vector<char> fixedBytes(char* (*write)(char*, const TFigure&, QPoint), const TFigure& f, QPoint offset)
{
    std::vector<char> bytes(kFigureFixedBytes + 8, '\x5A'); // the tail shows a write past the end
    EXPECT_EQ(write(bytes.data(), f, offset) - bytes.data(), kFigureFixedBytes);
    return bytes;
}

void expectSameFixedFields(const TFigure& a, const TFigure& b)
{
    EXPECT_EQ(a.kind, b.kind);
    EXPECT_EQ(a.cursorPrecision, b.cursorPrecision);
    EXPECT_EQ(a.freeForm, b.freeForm);
    EXPECT_EQ(a.fineMoved, b.fineMoved);
    EXPECT_EQ(a.penColor, b.penColor);
    EXPECT_EQ(a.auxColor, b.auxColor);
    EXPECT_EQ(a.fillColor, b.fillColor);
    EXPECT_EQ(a.penStyle, b.penStyle);
    EXPECT_EQ(a.lineWidth, b.lineWidth);
    EXPECT_EQ(a.shape, b.shape);
    EXPECT_EQ(a.sizeStep, b.sizeStep);
    EXPECT_EQ(a.reserved, b.reserved);
    EXPECT_EQ(a.ends, b.ends);
    EXPECT_EQ(a.freeEnds, b.freeEnds);
    EXPECT_EQ(a.handle, b.handle);
    EXPECT_EQ(a.extremes, b.extremes);
    EXPECT_EQ(a.margins, b.margins);
}

} // namespace

TEST(FigureFixedPart, TheFastFormWritesAndReadsTheBytesOfTheFieldByFieldForm)
{
    RandomFigures dice;
    const QPoint offsets[] = {{0, 0}, {-37, 12}, {kMax, kMin}, {1, -1}};
    for (int round = 0; round < 200; ++round) {
        const TFigure f = dice.figure();
        for (QPoint offset : offsets) {
            const std::vector<char> fast = fixedBytes(&writeFixedPart, f, offset);
            ASSERT_EQ(fast, fixedBytes(&portable::writeFixedPart, f, offset)) << "round " << round;

            const auto* p = reinterpret_cast<const unsigned char*>(fast.data());
            const TFigure viaFast(TFigure::FromFixedPart{}, p);
            TFigure viaPortable;
            portable::readFixedPart(p, viaPortable);
            expectSameFixedFields(viaFast, viaPortable);
            if (offset.isNull())
                expectSameFixedFields(viaFast, f);
        }
    }
}

TEST(FigureFixedPart, AnyNonZeroFlagByteReadsAsSet)
{
    for (int freeForm : {0, 1, 0x80, 0xFF}) {
        for (int fineMoved : {0, 2, 0x7F}) {
            std::vector<char> bytes(kFigureFixedBytes, '\0');
            bytes[8] = char(freeForm);
            bytes[9] = char(fineMoved);
            const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
            const TFigure back(TFigure::FromFixedPart{}, p);
            TFigure viaPortable;
            portable::readFixedPart(p, viaPortable);
            EXPECT_EQ(back.freeForm, freeForm != 0);
            EXPECT_EQ(back.fineMoved, fineMoved != 0);
            expectSameFixedFields(back, viaPortable);
            // Written back, a flag is one byte of 0 or 1.
            std::vector<char> again(kFigureFixedBytes);
            writeFixedPart(again.data(), back, {});
            EXPECT_EQ(again[8], char(freeForm != 0));
            EXPECT_EQ(again[9], char(fineMoved != 0));
        }
    }
}

TEST(FigureFixedPart, PointRunsOfEveryLengthMatchWithAndWithoutAnOffset)
{
    RandomFigures dice;
    for (std::size_t n = 0; n <= 7; ++n) {
        std::vector<QPoint> points(n);
        for (QPoint& q : points)
            q = dice.point();
        for (QPoint offset : {QPoint(), QPoint(5, -9), QPoint(kMax, kMax)}) {
            std::vector<char> fast(8 * n + 8, '\x5A'), slow(8 * n + 8, '\x5A');
            EXPECT_EQ(writePoints(fast.data(), points.data(), n, offset) - fast.data(), std::ptrdiff_t(8 * n));
            portable::writePoints(slow.data(), points.data(), n, offset);
            ASSERT_EQ(fast, slow) << n << " points";

            PointBlocks blocks;
            const TDynamicPtArray back = blocks.take(reinterpret_cast<const unsigned char*>(fast.data()), n, n);
            TDynamicPtArray stored;
            for (QPoint q : points)
                stored.push_back(wrappingSum(q, offset));
            EXPECT_EQ(back, stored);
        }
    }
}

TEST(FigureFixedPart, OffsetsWrapAroundInThirtyTwoBits)
{
    TFigure f;
    f.handle = {kMax, kMin};
    std::vector<char> bytes(kFigureFixedBytes);
    writeFixedPart(bytes.data(), f, {1, -1});
    const TFigure back(TFigure::FromFixedPart{}, reinterpret_cast<const unsigned char*>(bytes.data()));
    EXPECT_EQ(back.handle, QPoint(kMin, kMax));
    EXPECT_EQ(back.ends[kMainEnd], QPoint(1, -1));
}

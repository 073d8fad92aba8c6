#include "document/point_blocks.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

using namespace molvane;

namespace {

// n points stored as a record stores them, little-endian x then y, from first on.
std::vector<unsigned char> stored(int n, int first)
{
    std::vector<unsigned char> bytes;
    for (int i = 0; i < n; ++i)
        for (int v : {first + i, -(first + i)})
            for (int b = 0; b < 4; ++b)
                bytes.push_back(static_cast<unsigned char>(std::uint32_t(v) >> (8 * b)));
    return bytes;
}

TDynamicPtArray expected(int n, int first)
{
    TDynamicPtArray points;
    for (int i = 0; i < n; ++i)
        points.push_back({first + i, -(first + i)});
    return points;
}

} // namespace

TEST(PointBlocks, ListsReadTogetherShareOneBlockAndOutliveTheReader)
{
    const auto a = stored(3, 10), b = stored(5, 100);
    TDynamicPtArray first, second, none;
    {
        PointBlocks blocks;
        first = blocks.take(a.data(), 3, 1000);
        none = blocks.take(a.data(), 0, 1000);
        second = blocks.take(b.data(), 5, 1000);
    }
    EXPECT_EQ(first, expected(3, 10));
    EXPECT_EQ(second, expected(5, 100));
    EXPECT_TRUE(none.isEmpty());
    // One block: the second list's points follow the first's.
    EXPECT_EQ(second.constData(), first.constData() + 3);
    first = {};
    EXPECT_EQ(second, expected(5, 100)); // the block stays while a list views it
}

TEST(PointBlocks, ChangingAListLeavesTheOthersInTheBlockAsTheyWere)
{
    const auto a = stored(4, 1), b = stored(4, 50);
    PointBlocks blocks;
    TDynamicPtArray first = blocks.take(a.data(), 4, 100);
    const TDynamicPtArray second = blocks.take(b.data(), 4, 100);
    const TDynamicPtArray copy = first;

    // The copy shares first's points; right after them in the block lie second's.
    first[3] = QPoint(7, 7);
    first.push_back({8, 8});
    first.append(expected(20, 200));

    EXPECT_EQ(copy, expected(4, 1));
    EXPECT_EQ(second, expected(4, 50));
    TDynamicPtArray changed = expected(4, 1);
    changed[3] = QPoint(7, 7);
    changed.push_back({8, 8});
    changed.append(expected(20, 200));
    EXPECT_EQ(first, changed);
}

TEST(PointBlocks, TheLastListOfABlockGrowsAndShrinksInPlaceOfTheGoneOnes)
{
    const auto a = stored(2, 1), b = stored(2, 9);
    std::optional<PointBlocks> blocks(std::in_place);
    TDynamicPtArray first = blocks->take(a.data(), 2, 50);
    std::optional<TDynamicPtArray> second(blocks->take(b.data(), 2, 50));
    blocks.reset();
    second.reset();
    // first alone views its block now: whatever it does stays in its own points.
    for (int i = 0; i < 100; ++i)
        first.push_back({i, i});
    first.remove(0, 50);
    first.prepend({-1, -1});
    TDynamicPtArray want = expected(2, 1);
    for (int i = 0; i < 100; ++i)
        want.push_back({i, i});
    want.remove(0, 50);
    want.prepend({-1, -1});
    EXPECT_EQ(first, want);
}

TEST(PointBlocks, ABlockIsNoLargerThanTheInputCouldFillNorSmallerThanTheList)
{
    const auto few = stored(3, 0), many = stored(9000, 0);
    PointBlocks blocks;
    // Three points left in the input: a block of three, not a big one for one short list.
    EXPECT_EQ(blocks.take(few.data(), 3, 3).capacity(), 3);
    // A list longer than a usual block gets a block of its own length.
    const TDynamicPtArray long_ = blocks.take(many.data(), 9000, 9000);
    EXPECT_EQ(long_.capacity(), 9000);
    EXPECT_EQ(long_, expected(9000, 0));
    // Plenty of input left: a usual block, bounded.
    const TDynamicPtArray short_ = blocks.take(few.data(), 3, 1 << 30);
    EXPECT_GE(short_.capacity(), 3);
    EXPECT_LE(short_.capacity(), 8192);
    EXPECT_EQ(short_, expected(3, 0));
}

#include "document/point_blocks.h"

#include "document/figure_fixed_part.h"

#include <algorithm>

namespace molvane {

namespace {

// 64 KB: a drawing's free curves and fills in a few blocks, and little kept alive by one list alone.
constexpr std::size_t kBlockPoints = 8192;

} // namespace

PointBlocks::~PointBlocks() { release(); }

TDynamicPtArray PointBlocks::take(const unsigned char* p, std::size_t n, std::size_t room)
{
    if (n == 0)
        return {};
    if (n > free_)
        start(std::max(n, std::min(room, kBlockPoints)));
    QPoint* const points = next_;
    fixed_part_detail::pointsAt(p, points, n);
    next_ += n;
    free_ -= n;
    // The list made below adopts one hold on the block. No other thread can see the block before the
    // read is over, so the count is raised without an atomic operation.
    block_->ref_.storeRelaxed(block_->ref_.loadRelaxed() + 1);
    return TDynamicPtArray(QArrayDataPointer<QPoint>(block_, points, qsizetype(n)));
}

void PointBlocks::start(std::size_t capacity)
{
    release();
    const auto [block, points] = Block::allocate(qsizetype(capacity));
    if (!block)
        qBadAlloc();
    block_ = block;
    next_ = points;
    free_ = capacity;
}

// Gives up this reader's own hold on the current block, which is freed here when no list views it.
void PointBlocks::release()
{
    if (block_ && !block_->deref())
        Block::deallocate(block_);
    block_ = nullptr;
    next_ = nullptr;
    free_ = 0;
}

} // namespace molvane

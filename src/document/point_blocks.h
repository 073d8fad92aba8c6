#pragma once
// Storage for the point lists of figures read in one go (a figure file, an undo snapshot, the clipboard).
// Each list read is a view of its own points inside a block shared with the lists read before it, so that
// a thousand free curves take a handful of allocations instead of a thousand. The lists stay ordinary
// copy-on-write lists: changing one while the block is shared copies just its own points first, and the
// block is freed with the last list that views it.

#include "document/figure.h"

#include <cstddef>

namespace molvane {

class PointBlocks {
public:
    PointBlocks() = default;
    ~PointBlocks();
    PointBlocks(const PointBlocks&) = delete;
    PointBlocks& operator=(const PointBlocks&) = delete;

    // A list of the n points stored at p (8n bytes must be there). room: how many points the input could
    // still hold from p on, which bounds the size of a new block.
    TDynamicPtArray take(const unsigned char* p, std::size_t n, std::size_t room);

private:
    using Block = QTypedArrayData<QPoint>;
    void start(std::size_t capacity);
    void release();

    Block* block_ = nullptr;
    QPoint* next_ = nullptr; // the first free point of the block
    std::size_t free_ = 0;
};

} // namespace molvane

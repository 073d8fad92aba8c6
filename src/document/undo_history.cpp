#include "document/undo_history.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace molvane {

void UndoHistory::reset(const QByteArray& emptySnapshot)
{
    slots_.fill(QByteArray());
    slots_[0] = emptySnapshot;
    current_ = oldest_ = newest_ = 0;
}

bool UndoHistory::push(const QByteArray& snapshot, QByteArray* displaced)
{
    if (slot(current_) == snapshot)
        return false;
    if (current_ < newest_)
        appendUndoneStates();
    ++newest_;
    QByteArray old = std::exchange(slot(newest_), snapshot);
    if (displaced)
        *displaced = std::move(old);
    current_ = newest_;
    oldest_ = std::max(0, newest_ - (kSlots - 1));
    return true;
}

// Counters N + i and N - (21 - i) share a slot, so with more than ten undone states copying in place
// would overwrite states not yet copied: the run is taken out of the ring before it is written back.
void UndoHistory::appendUndoneStates()
{
    const int n = newest_;
    std::vector<QByteArray> run;
    run.reserve(n - current_);
    for (int k = n - 1; k >= current_; --k)
        run.push_back(slot(k));
    for (int i = 1; i <= n - current_; ++i)
        slot(n + i) = run[i - 1];
    newest_ = 2 * n - current_;
}

const QByteArray* UndoHistory::undo()
{
    if (!canUndo())
        return nullptr;
    current_ = std::max(oldest_, current_ - 1);
    return &slot(current_);
}

const QByteArray* UndoHistory::redo()
{
    if (!canRedo())
        return nullptr;
    current_ = std::min(newest_, current_ + 1);
    return &slot(current_);
}

} // namespace molvane

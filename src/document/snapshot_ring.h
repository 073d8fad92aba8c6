#pragma once
// A ring of the newest whole-state snapshots with undo and redo, for any snapshot type that compares
// with ==. Undo never discards a state: an edit made after undoing first appends the undone states in
// reverse, so every earlier state stays reachable by undoing further, as long as it fits in the ring.

#include <algorithm>
#include <utility>
#include <vector>

namespace molvane {

template <typename Snapshot> class SnapshotRing {
public:
    explicit SnapshotRing(int slotCount) : slots_(std::size_t(std::max(2, slotCount))) {}

    int slotCount() const { return int(slots_.size()); }

    // Forgets every state; the ring then holds emptySnapshot alone.
    void reset(Snapshot emptySnapshot)
    {
        std::fill(slots_.begin(), slots_.end(), Snapshot());
        slots_[0] = std::move(emptySnapshot);
        current_ = oldest_ = newest_ = 0;
    }

    // Stores snapshot as the newest state and shows it. Returns false, and stores nothing, when it equals
    // the state shown, so a command that changed nothing leaves no undo step. The state a stored snapshot
    // takes the place of (the oldest, once the ring is full) goes to displaced when given, so that its
    // memory can hold the next snapshot.
    bool push(const Snapshot& snapshot, Snapshot* displaced = nullptr)
    {
        if (slot(current_) == snapshot)
            return false;
        if (current_ < newest_)
            appendUndoneStates();
        ++newest_;
        Snapshot old = std::exchange(slot(newest_), snapshot);
        if (displaced)
            *displaced = std::move(old);
        current_ = newest_;
        oldest_ = std::max(0, newest_ - (slotCount() - 1));
        return true;
    }

    bool canUndo() const { return current_ != oldest_; }
    bool canRedo() const { return current_ != newest_; }

    // The snapshot to load, or nullptr when there is no step; valid until the next push or reset.
    const Snapshot* undo()
    {
        if (!canUndo())
            return nullptr;
        current_ = std::max(oldest_, current_ - 1);
        return &slot(current_);
    }
    const Snapshot* redo()
    {
        if (!canRedo())
            return nullptr;
        current_ = std::min(newest_, current_ + 1);
        return &slot(current_);
    }

    const Snapshot& currentSnapshot() const { return slot(current_); }
    int current() const { return current_; }
    int oldest() const { return oldest_; }
    int newest() const { return newest_; }

private:
    // Counters N + i and N - (slots - i) share a slot, so with more than half a ring of undone states
    // copying in place would overwrite states not yet copied: the run is taken out before it is written
    // back.
    void appendUndoneStates()
    {
        const int n = newest_;
        std::vector<Snapshot> run;
        run.reserve(std::size_t(n - current_));
        for (int k = n - 1; k >= current_; --k)
            run.push_back(slot(k));
        for (int i = 1; i <= n - current_; ++i)
            slot(n + i) = std::move(run[std::size_t(i - 1)]);
        newest_ = 2 * n - current_;
    }

    Snapshot& slot(int counter) { return slots_[std::size_t(counter % slotCount())]; }
    const Snapshot& slot(int counter) const { return slots_[std::size_t(counter % slotCount())]; }

    std::vector<Snapshot> slots_;
    int current_ = 0;
    int oldest_ = 0;
    int newest_ = 0;
};

} // namespace molvane

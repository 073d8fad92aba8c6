#pragma once
// The undo history of the drawing: whole snapshots of the figure list, opaque bytes serialised by the
// caller, kept in a ring of the 21 newest states. Undo never discards a state: an edit made after undoing
// first appends the undone states in reverse, so every earlier state stays reachable by undoing further.

#include <QByteArray>

#include <array>

namespace molvane {

class UndoHistory {
public:
    static constexpr int kSlots = 21;

    // Forgets every state; the history then holds emptySnapshot alone.
    void reset(const QByteArray& emptySnapshot);

    // Stores snapshot as the newest state and shows it. Returns false, and stores nothing, when it has
    // exactly the bytes of the state shown, so a command that changed nothing leaves no undo step.
    // The state a stored snapshot takes the place of (the oldest, once the ring is full) goes to
    // displaced when given, so that its memory can hold the next snapshot.
    bool push(const QByteArray& snapshot, QByteArray* displaced = nullptr);

    bool canUndo() const { return current_ != oldest_; }
    bool canRedo() const { return current_ != newest_; }

    // The snapshot to load, or nullptr when there is no step; valid until the next push or reset.
    const QByteArray* undo();
    const QByteArray* redo();

    const QByteArray& currentSnapshot() const { return slot(current_); }
    int current() const { return current_; }
    int oldest() const { return oldest_; }
    int newest() const { return newest_; }

private:
    void appendUndoneStates();
    QByteArray& slot(int counter) { return slots_[counter % kSlots]; }
    const QByteArray& slot(int counter) const { return slots_[counter % kSlots]; }

    std::array<QByteArray, kSlots> slots_;
    int current_ = 0;
    int oldest_ = 0;
    int newest_ = 0;
};

} // namespace molvane

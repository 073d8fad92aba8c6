#pragma once
// For tests of the writers built on writeFileAtomically(): a way to make their writes fail half-way
// through, as a full disk would, without a full disk.

#include <QtGlobal>

namespace molvane {

// While an object of this class lives, every writeFileAtomically() of the creating thread writes at
// most afterBytes bytes of its temporary file and then fails with "No space left on device". Not for
// use outside tests.
class AtomicWriteFailure {
public:
    explicit AtomicWriteFailure(qint64 afterBytes);
    ~AtomicWriteFailure();
    AtomicWriteFailure(const AtomicWriteFailure&) = delete;
    AtomicWriteFailure& operator=(const AtomicWriteFailure&) = delete;

    // How many writes it has failed so far.
    int failures() const { return failures_; }

    // For writeFileAtomically(): the failure in effect in this thread (null when none), how many
    // bytes it lets through, and the count of writes it failed.
    static AtomicWriteFailure* active();
    qint64 afterBytes() const { return afterBytes_; }
    void countFailure() { ++failures_; }

private:
    qint64 afterBytes_;
    int failures_ = 0;
    AtomicWriteFailure* previous_;
};

} // namespace molvane

#pragma once
// Telling a held key from a key pressed again. An X server repeats a held key as a release followed at
// once by a press of the same key (both with the same timestamp), and Qt marks such a pair as
// auto-repeated only when it sees the press already queued behind the release. So the window holds a
// release back for a moment: a press of the same key while the release waits makes the pair a repeat;
// any other key or mouse event, or the end of the wait, lets the release through as a real one.

#include <optional>
#include <qnamespace.h>

namespace molvane {

// How long a release waits for the press that would make it a repeat. The pair comes from the server
// together, so this only has to outlast the event queue, not the repeat interval.
inline constexpr int kKeyReleaseWaitMs = 30;

struct KeyRelease {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
};

class KeyReleaseHold {
public:
    // Holds a release back. A release of another key that was still waiting happened first: it is
    // returned, to go through now.
    std::optional<KeyRelease> hold(const KeyRelease& release);
    // A press of the key whose release waits is a repeat: the waiting release is dropped and true
    // returned. Any other press returns false and leaves the waiting release for take().
    bool pressRepeats(int key);
    // The waiting release, if any, taken out to go through.
    std::optional<KeyRelease> take();
    bool waiting() const { return waiting_.has_value(); }

private:
    std::optional<KeyRelease> waiting_;
};

} // namespace molvane

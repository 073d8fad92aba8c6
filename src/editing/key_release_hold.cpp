#include "editing/key_release_hold.h"

#include <utility>

namespace molvane {

std::optional<KeyRelease> KeyReleaseHold::hold(const KeyRelease& release)
{
    std::optional<KeyRelease> earlier = take();
    waiting_ = release;
    return earlier;
}

bool KeyReleaseHold::pressRepeats(int key)
{
    if (!waiting_ || waiting_->key != key)
        return false;
    waiting_.reset();
    return true;
}

std::optional<KeyRelease> KeyReleaseHold::take()
{
    return std::exchange(waiting_, std::nullopt);
}

} // namespace molvane

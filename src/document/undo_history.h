#pragma once
// The undo history of the drawing: whole snapshots of the figure list, opaque bytes serialised by the
// caller, kept in a ring of the 21 newest states (see SnapshotRing).

#include "document/snapshot_ring.h"

#include <QByteArray>

namespace molvane {

class UndoHistory : public SnapshotRing<QByteArray> {
public:
    static constexpr int kSlots = 21;

    UndoHistory() : SnapshotRing(kSlots) {}
};

} // namespace molvane

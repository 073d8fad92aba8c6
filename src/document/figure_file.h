#pragma once
// The four containers of the figure encoding, as bytes:
// - figure file (.fga, a whole drawing) and partial figure file (.fgb, selected figures): format
//   number, total size, the region RW, RH, RL, RT, the background picture's size and bytes (a BMP
//   file), then the figure list;
// - undo snapshot: total size, then the figure list;
// - internal clipboard: total size, RW, RH, RL, RT, then the figure list.
// Decoding reports how far it got; the records before a bad one are kept. Limits: nothing is allocated
// for a size, length or count before it is checked against the declared total and the bytes present
// (a negative one fails); every record takes at least kSmallestFigureRecord bytes, so the work is
// linear in the input; pictures (the background and picture records) are BMP files with readBmp's
// limits, and the records of a figure file or the clipboard share one ReadBudget of picture pixels,
// points and text bytes (a record past it is a bad record). No recursion.

#include "document/figure.h"
#include "platform/image_codec_result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

namespace molvane {

inline constexpr std::int32_t kFigureFileFormat = 1;
inline constexpr int kFigureFileHeaderBytes = 28;
// The most that is read of a figure file: its pictures as 32-bit BMP files (200 MB), and room for
// figures.
inline constexpr qint64 kMaxFigureFileBytes = qint64(256) << 20;

// How many bytes of a figure file decoding can use, from its first bytes (head): the header and the
// figure count that follows it, beyond that no more than the total size the header declares, and at
// most kMaxFigureFileBytes. A file is read this far and no further.
qint64 figureFileBytesToRead(QByteArrayView head);

struct FigureRegion {
    std::int32_t width = 0;  // RW
    std::int32_t height = 0; // RH
    std::int32_t left = 0;   // RL
    std::int32_t top = 0;    // RT
    bool operator==(const FigureRegion&) const = default;
};

// The records are written with offset added to their positions; background may be null (no picture).
QByteArray encodeFigureFile(const FigureRegion& region, const QImage& background, const FigureList& figures,
                            QPoint offset);

struct DecodedFigureFile {
    std::int32_t format = 0;
    std::int32_t totalSize = 0;
    FigureRegion region;             // as stored (a zero RW or RH is the caller's to repair)
    std::int32_t backgroundBytes = 0; // B
    QImage background;               // null when B is 0
    FigureList figures;              // as stored, no offset applied
    int declaredCount = 0;
    bool headerOk = false;     // the 28-byte header was there
    bool backgroundOk = false; // B fits and its bytes hold a picture (or B is 0)
    bool recordsOk = false;    // every declared record was read
    bool ok() const { return headerOk && backgroundOk && recordsOk; }
};
DecodedFigureFile decodeFigureFile(QByteArrayView bytes);

QByteArray encodeUndoSnapshot(const FigureList& figures);
// The same into bytes, whose memory is used again when it is not shared.
void encodeUndoSnapshot(const FigureList& figures, QByteArray& bytes);
// The snapshot the history starts from: total size 0, count 0.
QByteArray emptyUndoSnapshot();
// Appends the records to out; false at the first bad record (the ones before it stay).
bool decodeUndoSnapshot(QByteArrayView bytes, FigureList& out);

// The figures are written relative to the region's top-left corner.
QByteArray encodeClipboard(const FigureRegion& region, const FigureList& figures);
struct DecodedClipboard {
    FigureRegion region;
    FigureList figures; // relative to the region
    bool ok = false;
};
DecodedClipboard decodeClipboard(QByteArrayView bytes);

} // namespace molvane

#pragma once
// The binary encoding of figures shared by figure files, partial figure files, undo snapshots and the
// internal clipboard: little-endian, a 194-byte fixed part per figure, texts as an int32 length and
// CP932 bytes, then the points (free curves, fills, free ranges) and the picture (a whole BMP file).
//
// Reading never trusts the input: every length or count is checked, before anything is allocated,
// against the container's declared total size (the limit, an absolute position in the data) and
// against the bytes really left. A negative length or count is a bad record.

#include "document/figure.h"
#include "platform/byte_stream.h"
#include "platform/image_codec_result.h"

namespace molvane {

inline constexpr int kSmallestFigureRecord = 202;

// Every point of ends, freeEnds, handle and extremes (and of points, except a fill's indices) is written
// with offset added; margins as they are.
void writeFigureRecord(ByteWriter& out, const TFigure& f, QPoint offset = {});
// Reads one record into f (selected and frameShown cleared). False on a bad record.
bool readFigureRecord(ByteReader& in, qsizetype limit, TFigure& f);

// int32 count, then the records in order.
void writeFigureList(ByteWriter& out, const FigureList& list, QPoint offset = {});

// What the records of one outside container (a figure file, the clipboard) may hold together; each
// record lowers it by what it holds, and a record past it is a bad record. Pictures: pixels, each
// picture at most kMaxPicturePixels in any case. Points and text bytes: many times any drawing made
// by hand, little enough that no file costs a gigabyte of memory.
inline constexpr qint64 kMaxReadPoints = 8'000'000;
inline constexpr qint64 kMaxReadTextBytes = qint64(16) << 20;
struct ReadBudget {
    qint64 picturePixels = kMaxPicturePixels;
    qint64 points = kMaxReadPoints;
    qint64 textBytes = kMaxReadTextBytes;
};

struct FigureListRead {
    bool ok = true;
    int declared = 0; // the count the block announced
};
// Appends each record read to out; stops at the first bad record (the ones before it stay). When a
// budget is given, the records read hold at most what it allows together (see ReadBudget), and it is
// lowered by what they hold.
FigureListRead readFigureList(ByteReader& in, qsizetype limit, FigureList& out, ReadBudget* budget = nullptr);

// The distinct characters of the figures' texts and font names that CP932 cannot hold (they are
// stored as "?").
QString unmappableFigureText(const FigureList& list);

} // namespace molvane

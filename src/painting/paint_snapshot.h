#pragma once
// One state of the picture editor as its undo ring keeps it: the canvas size and the strokes.
//
// The state's bytes (all integers 32-bit little-endian, signed): the total size (written last; 0 in
// the empty snapshot of a reset), the canvas width, the canvas height, the stroke count, then each
// stroke as a figure record with no offset, a picture stroke carrying its picture as a whole BMP.
//
// A snapshot holds those bytes in a compact form: the records with every picture left out, and beside
// them each picture as an implicitly shared image. Strokes whose picture did not change share it with the
// live stroke and with every other snapshot, so thirty snapshots of big pictures hold each one once.
// Comparing two snapshots gives what comparing their bytes would give; layoutBytes() gives the bytes.
//
// A snapshot also remembers the base picture (the opened file) that was current when it was taken. It
// is no part of the bytes; it lets undo after "clear all" bring the opened picture back with the strokes.

#include "document/figure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <vector>

namespace molvane {

// What the window shows when a snapshot cannot be read to its end.
inline constexpr char kInternalDataErrorMessage[] = "内部データエラー";

// A state brought back from a snapshot. When damaged, the strokes read before the damage are there and
// the window shows kInternalDataErrorMessage.
struct PaintState {
    QSize canvas;
    FigureList strokes;
    QImage basePicture;
    bool damaged = false;
};

class PaintSnapshot {
public:
    PaintSnapshot() = default;
    // The empty snapshot of a reset: size field 0, no strokes.
    static PaintSnapshot empty(QSize canvas, QImage basePicture = {});
    static PaintSnapshot of(QSize canvas, const FigureList& strokes, QImage basePicture = {});

    // The state's bytes, as described above.
    QByteArray layoutBytes() const;
    // Whether the two states' bytes are equal (the base picture is not compared).
    bool sameLayout(const PaintSnapshot& other) const;
    // Same bytes and the same base picture: taking it again would not be a new step.
    bool operator==(const PaintSnapshot& other) const;

    // The strokes as they were taken (selected cleared), their pictures shared with this snapshot.
    PaintState restore() const;

    QSize canvas() const { return canvas_; }
    const QImage& basePicture() const { return base_; }
    void setBasePicture(QImage picture) { base_ = std::move(picture); }

private:
    struct PictureRef {
        qsizetype lengthAt = 0; // where the record's picture length (0 here) sits in records_
        QImage image;           // null when the stroke has no picture
    };

    bool reset_ = true;
    QSize canvas_;
    qint32 count_ = 0;
    QByteArray records_; // the stroke records, each picture written as length 0
    std::vector<PictureRef> pictures_;
    QImage base_;
};

// Reads a state's bytes, never trusting a length: a text, point list or picture that would run past the
// recorded size (or past the bytes there) stops the reading and marks the state damaged.
PaintState readPaintSnapshot(QByteArrayView bytes);

} // namespace molvane

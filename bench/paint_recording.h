#pragma once
// The twin of the drawing bitmap rebuild: the same strokes, texts and fills drawn with bare QPainter
// calls and no figure logic. The drawing is rendered once through a paint engine of our own that
// records every path and text QPainter is asked to draw, with the pen, brush, composition mode, clip and
// font it was drawn with; playing the recording back issues only those calls (and a state setter only
// where the state changes). Fills are flood fills on the image between two painters, as in the rebuild.

#include "document/drawing.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRegion>
#include <vector>

namespace molvane::bench {

struct PaintOp {
    enum class Kind { Path, Text, Fill };
    Kind kind = Kind::Path;
    // Which of the painter's state the op changes (all of it after a fill's fresh painter).
    bool setPen = false, setBrush = false, setMode = false, setClip = false, setFont = false;
    QPen pen;
    QBrush brush;
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    bool clipped = false;
    QRegion clip;
    QFont font;
    QPainterPath path; // Path
    QPointF at;        // Text: the baseline start
    QString text;
    QPoint seed;       // Fill
    QRgb colour = 0;
};

struct PaintRecording {
    std::vector<PaintOp> ops;
    bool complete = true; // false when something was drawn that the recording cannot play back
};

// Records how rebuilding the drawing's bitmap paints its figures.
PaintRecording recordRebuild(const Drawing& drawing);

// White, then the recorded calls, on image (of the drawing's size times scale: every call scaled, each
// fill seeded in the middle of its pixel's block).
void playBack(const PaintRecording& recording, QImage& image, const QImage* under = nullptr, int scale = 1);

// The recorded paths and texts through a painter on any device; each fill as the path given for it, in
// the order of the fills.
void playBackVector(const PaintRecording& recording, QPainter& painter,
                    const std::vector<QPainterPath>& fills);

} // namespace molvane::bench

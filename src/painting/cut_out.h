#pragma once
// The import window's cut-out line and what it does to the picture being imported: 切り出し keeps what
// the line encloses (cropped to the line's box, the line's own stroke and the outside made pure white,
// which is transparent), 範囲消去 whites out the enclosed part, 線消去 only the line. Picture pixels.

#include <QImage>
#include <QPainterPath>
#include <QPolygon>
#include <QRect>

namespace molvane {

enum class CutShape { Rectangle, Ellipse, Free };

struct CutLine {
    CutShape shape = CutShape::Rectangle;
    QPolygon points; // rectangle and ellipse: the two opposite corners; free: the pointer's points
    QRect box;       // the box of the raw points

    bool exists() const { return !points.isEmpty(); }
    // The closed outline (rectangle, ellipse, or the polygon through the free points).
    QPainterPath outline() const;
    // The line as drawn on the picture: the outline, but the free line open (its closing segment left out).
    QPainterPath stroke() const;
};

// Every point and the box kept within 0 .. width and 0 .. height.
void clampCutLine(CutLine& line, QSize picture);

// The picture cropped to the outline's box, pure white outside the outline and under its stroke of the
// given width. Null when the box is empty.
QImage cutOut(const QImage& picture, const CutLine& line, int lineWidth);
// The enclosed part (and the stroke) painted pure white.
void eraseEnclosed(QImage& picture, const CutLine& line, int lineWidth);
// Only the line painted pure white.
void eraseLine(QImage& picture, const CutLine& line, int lineWidth);

} // namespace molvane

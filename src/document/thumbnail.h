#pragma once
// The small picture a file manager shows for a figure file: the inked part of the drawing (the
// bounding box of every pixel that is not pure white), made smaller to fit a square of the size asked
// for with its proportions kept (never made larger), and transparent where the drawing is white.

#include <QImage>
#include <QRect>

namespace molvane {

inline constexpr int kSmallestThumbnail = 1;
inline constexpr int kLargestThumbnail = 2048;

// The bounding box of the pixels of picture that are not pure white; empty when there are none.
QRect inkedArea(const QImage& picture);

// The thumbnail of a drawing's picture (Format_ARGB32_Premultiplied), at most size x size pixels.
// A picture with no ink gives the whole picture, made smaller, still transparent. size is held to
// kSmallestThumbnail..kLargestThumbnail.
QImage thumbnailOf(const QImage& picture, int size);

} // namespace molvane

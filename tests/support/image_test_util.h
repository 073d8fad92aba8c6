#pragma once
// Helpers for tests on rendered pictures. A failed comparison writes the actual and the expected
// picture into the test output folder, so the difference can be looked at.

#include "platform/tcolor.h"

#include <QImage>
#include <QRect>
#include <gtest/gtest.h>

namespace molvane::test {

// A white RGB32 canvas.
QImage whiteImage(int width, int height);
// Pixels of exactly this colour inside area (the whole image when area is null).
int countPixels(const QImage& image, TColor color, QRect area = QRect());
TColor pixelAt(const QImage& image, int x, int y);
// The largest difference of any channel of any pixel; INT_MAX when the sizes differ.
int maxChannelDifference(const QImage& a, const QImage& b);

::testing::AssertionResult imagesMatch(const QImage& actual, const QImage& expected, int tolerance,
                                       const QString& name);
// The pictures are the same size and differ in at most maxPixels pixels (by any amount): for pictures
// whose glyphs another font build may shape a pixel differently.
::testing::AssertionResult imagesMostlyMatch(const QImage& actual, const QImage& expected, int maxPixels,
                                             const QString& name);
// Writes image as <output folder>/<name>.png and returns the path.
QString saveForInspection(const QImage& image, const QString& name);

} // namespace molvane::test

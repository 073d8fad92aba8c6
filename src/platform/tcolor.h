#pragma once
// Colours as the drawing stores them: 0x00BBGGRR (red in the low byte), in memory and in files.
// The conversions to and from Qt's 0xAARRGGBB live here and nowhere else.

#include <QColor>
#include <QRgb>
#include <cstdint>

namespace molvane {

using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clSilver = 0xC0C0C0;
// One step off pure white: drawn under dashed strokes so their gaps are never transparent white.
inline constexpr TColor clUnderlayWhite = 0xFFFFFE;

constexpr TColor makeTColor(int r, int g, int b)
{
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr int redOf(TColor c) { return int(c & 0xFF); }
constexpr int greenOf(TColor c) { return int((c >> 8) & 0xFF); }
constexpr int blueOf(TColor c) { return int((c >> 16) & 0xFF); }

// Opaque Qt pixel value of a colour; the top byte of a TColor is ignored.
constexpr QRgb toQRgb(TColor c) { return 0xFF000000u | (TColor(redOf(c)) << 16) | (TColor(greenOf(c)) << 8) | TColor(blueOf(c)); }
// A Qt pixel value as a TColor; alpha is dropped.
constexpr TColor fromQRgb(QRgb p) { return makeTColor(int((p >> 16) & 0xFF), int((p >> 8) & 0xFF), int(p & 0xFF)); }

QColor toQColor(TColor c);
TColor fromQColor(const QColor& c);

} // namespace molvane

#include "editing/application_icon.h"

#include "document/figure_kind.h"
#include "document/figure_renderer.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace molvane {

namespace {

// Laid out on a 24-unit square, as the tool icons are.
constexpr double kGrid = 24.0;
constexpr double kSheetInset = 1.5;
constexpr double kSheetRadius = 3.0;
constexpr double kSheetBorder = 0.5;
constexpr QRgb kSheetBorderColour = 0xFF5A6E8Cu;
constexpr QPointF kRingCentre{12.0, 12.25};
constexpr double kRingRadius = 7.5;
constexpr double kBondWidth = 1.2;
// A double bond's inner line: how far towards the centre, and how much shorter at each end.
constexpr double kInnerLineScale = 0.76;
constexpr double kInnerLineTrim = 0.14;
// Drawn this many times larger than the largest icon asked for, then made smaller.
constexpr int kSupersampling = 4;

struct Line {
    QPointF from, to;
};

struct Bond {
    Line main;
    bool isDouble = false;
    Line inner; // a double bond's second line
};

QPointF vertex(int i)
{
    const double a = (-90.0 + 60.0 * i) * std::numbers::pi / 180.0;
    return kRingCentre + QPointF(kRingRadius * std::cos(a), kRingRadius * std::sin(a));
}

// Six bonds, every other one double, the second lines inside the ring.
std::vector<Bond> benzene()
{
    std::vector<Bond> bonds;
    for (int i = 0; i < 6; ++i) {
        Bond b{{vertex(i), vertex(i + 1)}, i % 2 == 0, {}};
        if (b.isDouble) {
            const QPointF a = kRingCentre + (b.main.from - kRingCentre) * kInnerLineScale;
            const QPointF c = kRingCentre + (b.main.to - kRingCentre) * kInnerLineScale;
            const QPointF trim = (c - a) * kInnerLineTrim;
            b.inner = {a + trim, c - trim};
        }
        bonds.push_back(b);
    }
    return bonds;
}

// The stored line width whose drawn pen (mappedPenWidth) is closest to pixels.
int lineWidthFor(int pixels)
{
    int best = 1;
    for (int w = 1; w <= 100; ++w)
        if (std::abs(mappedPenWidth(w) - pixels) < std::abs(mappedPenWidth(best) - pixels))
            best = w;
    return best;
}

QImage drawnAt(int size)
{
    const double unit = size / kGrid;
    auto at = [unit](QPointF p) {
        return QPoint(int(std::lround(p.x() * unit)), int(std::lround(p.y() * unit)));
    };

    // The sheet's paper with the ring on it, as the drawing bitmap would hold it.
    QImage paper(size, size, QImage::Format_RGB32);
    paper.fill(toQRgb(clWhite));
    {
        Canvas canvas(paper);
        const int width = lineWidthFor(int(std::lround(kBondWidth * unit)));
        for (const Bond& b : benzene()) {
            TFigure f;
            f.kind = b.isDouble ? fkDouble : fkSingle;
            f.lineWidth = width;
            f.ends[kMainStart] = at(b.main.from);
            f.ends[kMainEnd] = at(b.main.to);
            if (b.isDouble) {
                f.ends[kSecondStart] = at(b.inner.from);
                f.ends[kSecondEnd] = at(b.inner.to);
            }
            f.freeEnds = f.ends;
            renderFigure(f, {canvas});
        }
        canvas.flush();
    }

    // The sheet cut out of it with rounded corners, and its border.
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const double inset = kSheetInset * unit;
    const QRectF sheet(inset, inset, size - 2 * inset, size - 2 * inset);
    painter.setPen(QPen(QColor::fromRgba(kSheetBorderColour), kSheetBorder * unit));
    painter.setBrush(QBrush(paper));
    painter.drawRoundedRect(sheet, kSheetRadius * unit, kSheetRadius * unit);
    return icon;
}

QString number(double v)
{
    return QString::number(v, 'f', 2);
}

QString svgLine(const Line& l)
{
    return QStringLiteral("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"/>\n")
        .arg(number(l.from.x()), number(l.from.y()), number(l.to.x()), number(l.to.y()));
}

} // namespace

QImage applicationIcon(int size)
{
    if (size < 1)
        return {};
    return drawnAt(size * kSupersampling)
        .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QByteArray applicationIconSvg()
{
    const double inset = kSheetInset;
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                                 "viewBox=\"0 0 %1 %1\">\n")
                      .arg(number(kGrid));
    svg += QStringLiteral("  <rect x=\"%1\" y=\"%1\" width=\"%2\" height=\"%2\" rx=\"%3\" fill=\"#ffffff\" "
                          "stroke=\"%4\" stroke-width=\"%5\"/>\n")
               .arg(number(inset), number(kGrid - 2 * inset), number(kSheetRadius),
                    QColor::fromRgba(kSheetBorderColour).name(), number(kSheetBorder));
    svg += QStringLiteral(
               "  <g stroke=\"#000000\" stroke-width=\"%1\" stroke-linecap=\"round\" fill=\"none\">\n")
               .arg(number(kBondWidth));
    for (const Bond& b : benzene()) {
        svg += svgLine(b.main);
        if (b.isDouble)
            svg += svgLine(b.inner);
    }
    svg += QStringLiteral("  </g>\n</svg>\n");
    return svg.toUtf8();
}

} // namespace molvane

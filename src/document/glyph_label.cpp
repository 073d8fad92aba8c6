#include "document/glyph_label.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace molvane {

bool charactersStandAlone(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        if (c.unicode() < 0x80)
            return c.isPrint();
        if (c.isSurrogate() || c.isMark() || c.isNonCharacter() || !c.isPrint())
            return false;
        const QChar::Direction d = c.direction();
        return d != QChar::DirR && d != QChar::DirAL && d != QChar::DirRLE && d != QChar::DirRLO &&
               d != QChar::DirRLI;
    });
}

GlyphLabel::GlyphLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAutoFillBackground(true);
}

void GlyphLabel::changeEvent(QEvent* event)
{
    const QEvent::Type t = event->type();
    if (t == QEvent::FontChange || t == QEvent::StyleChange)
        glyphs_.clear();
    QLabel::changeEvent(event);
}

std::optional<bool> GlyphLabel::inkIsDarker() const
{
    const QColor ink = palette().color(foregroundRole());
    const QColor paper = palette().color(backgroundRole());
    if (ink.red() <= paper.red() && ink.green() <= paper.green() && ink.blue() <= paper.blue())
        return true;
    if (ink.red() >= paper.red() && ink.green() >= paper.green() && ink.blue() >= paper.blue())
        return false;
    return std::nullopt;
}

bool GlyphLabel::paintsByGlyphs() const
{
    return isEnabled() && !wordWrap() && layoutDirection() == Qt::LeftToRight && textFormat() == Qt::PlainText && indent() <= 0 &&
           margin() == 0 && frameWidth() == 0 && alignment() == (Qt::AlignLeft | Qt::AlignVCenter) &&
           charactersStandAlone(text());
}

GlyphLabel::Glyph& GlyphLabel::glyph(QChar c)
{
    auto found = glyphs_.find(c.unicode());
    if (found != glyphs_.end())
        return found->second;
    const QString one(c);
    QTextLayout layout(one, font());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    Glyph g;
    g.advance = line.horizontalAdvance(); // a space included
    g.ascent = line.ascent();
    g.descent = line.descent();
    // Antialiased edges and overhangs may reach a little past the ink box and the advance.
    const QRect ink = QFontMetrics(font()).boundingRect(one);
    g.left = std::min(0, ink.left()) - 2;
    g.width = std::max(qCeil(g.advance), ink.right() + 1) + 3 - g.left; // a quarter-pixel shift included
    g.baseline = qCeil(g.ascent) + 1;
    return glyphs_.emplace(c.unicode(), std::move(g)).first->second;
}

const QImage& GlyphLabel::image(Glyph& g, QChar c, int phase)
{
    QImage& image = g.images[std::size_t(phase)];
    if (!image.isNull())
        return image;
    const QString one(c);
    QTextLayout layout(one, font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    image = QImage(g.width, g.baseline + qCeil(g.descent) + 1, QImage::Format_RGB32);
    image.fill(palette().color(backgroundRole()));
    QPainter p(&image);
    p.setPen(palette().color(foregroundRole()));
    layout.draw(&p, QPointF(-g.left + qreal(phase) / kPhases, g.baseline - g.ascent));
    return image;
}

void GlyphLabel::paintEvent(QPaintEvent* event)
{
    const std::optional<bool> darker = inkIsDarker();
    if (!darker || !paintsByGlyphs()) {
        QLabel::paintEvent(event);
        return;
    }
    // The images hold the colours of the window's state (active or not) they were made in.
    const std::pair colours(palette().color(foregroundRole()).rgba(), palette().color(backgroundRole()).rgba());
    if (colours != colours_) {
        glyphs_.clear();
        colours_ = colours;
    }
    const QString shown = text();
    shownGlyphs_.clear();
    qreal ascent = 0, descent = 0;
    for (QChar c : shown) {
        shownGlyphs_.push_back(&glyph(c));
        ascent = std::max(ascent, shownGlyphs_.back()->ascent);
        descent = std::max(descent, shownGlyphs_.back()->descent);
    }
    // The line centred in the box, as a label centres it.
    const QRect box = contentsRect();
    const int baseline = qRound(box.top() + (box.height() - (ascent + descent)) / 2 + ascent);
    // Composed in a line image first: laying the images over each other is a tight loop of ours,
    // and the window gets one copy.
    if (line_.size() != box.size())
        line_ = QImage(box.size(), QImage::Format_RGB32);
    line_.fill(palette().color(backgroundRole()));
    qreal pen = 0;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        Glyph& g = *shownGlyphs_[std::size_t(i)];
        const qreal whole = std::floor(pen);
        const int phase = std::min(kPhases - 1, int((pen - whole + 1.0 / 64) * kPhases));
        const QPoint at(int(whole) + g.left, baseline - box.top() - g.baseline);
        if (at.x() >= line_.width())
            break;
        layOver(line_, image(g, shown[i], phase), at, *darker);
        pen += g.advance;
    }
    QPainter p(this);
    const QRect part = box & event->rect();
    p.drawImage(part.topLeft(), line_, part.translated(-box.topLeft()));
}

void layOver(QImage& line, const QImage& glyph, QPoint at, bool darken)
{
    const QRect area = QRect(at, glyph.size()) & line.rect();
    if (area.isEmpty())
        return;
    const int bytes = area.width() * 4;
    // Row addresses stepped by hand: asking the images for each row costs more than the row itself.
    const qsizetype lineStride = line.bytesPerLine(), glyphStride = glyph.bytesPerLine();
    uchar* const first = line.scanLine(area.top()) + area.left() * 4;
    const uchar* const from = glyph.constScanLine(area.top() - at.y()) + (area.left() - at.x()) * 4;
    for (int r = 0; r < area.height(); ++r) {
        uchar* d = first + r * lineStride;
        const uchar* s = from + r * glyphStride;
        if (darken)
            for (int i = 0; i < bytes; ++i)
                d[i] = std::min(d[i], s[i]);
        else
            for (int i = 0; i < bytes; ++i)
                d[i] = std::max(d[i], s[i]);
    }
}

} // namespace molvane

#include "document/glyph_label.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
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
        forgetGlyphs();
    QLabel::changeEvent(event);
}

void GlyphLabel::forgetGlyphs()
{
    glyphs_.clear();
    ascii_.fill(nullptr);
    pairs_.clear();
    lineValid_ = false;
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

namespace {

// Lays the layout's text out as one line, as a label does, and returns that line.
QTextLine oneLine(QTextLayout& layout)
{
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return line;
}

// The advance of a line of text as a label lays it out, spaces included.
qreal lineAdvance(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    return oneLine(layout).horizontalAdvance();
}

} // namespace

qreal GlyphLabel::advanceBefore(QChar c, QChar next)
{
    const quint32 key = (quint32(c.unicode()) << 16) | next.unicode();
    auto found = pairs_.find(key);
    if (found == pairs_.end()) {
        // Kerning moves the next character: what the pair takes less what the next one takes alone.
        const qreal advance = lineAdvance(QString(c) + next, font()) - glyph(next).advance;
        found = pairs_.emplace(key, advance).first;
    }
    return found->second;
}

GlyphLabel::Glyph& GlyphLabel::glyph(QChar c)
{
    if (c.unicode() < kAscii && ascii_[c.unicode()])
        return *ascii_[c.unicode()];
    auto found = glyphs_.find(c.unicode());
    return found != glyphs_.end() ? found->second : makeGlyph(c);
}

GlyphLabel::Glyph& GlyphLabel::makeGlyph(QChar c)
{
    const bool ascii = c.unicode() < kAscii;
    const QString one(c);
    QTextLayout layout(one, font());
    const QTextLine line = oneLine(layout);
    Glyph g;
    g.advance = line.horizontalAdvance(); // a space included
    g.ascent = line.ascent();
    g.descent = line.descent();
    // Antialiased edges and overhangs may reach a little past the ink box and the advance.
    const QRect ink = QFontMetrics(font()).boundingRect(one);
    g.left = std::min(0, ink.left()) - 2;
    g.width = std::max(qCeil(g.advance), ink.right() + 1) + 3 - g.left; // a quarter-pixel shift included
    g.baseline = qCeil(g.ascent) + 1;
    Glyph& made = glyphs_.emplace(c.unicode(), std::move(g)).first->second;
    if (ascii)
        ascii_[c.unicode()] = &made;
    return made;
}

const GlyphLabel::Glyph::Shape& GlyphLabel::shape(Glyph& g, QChar c, int phase)
{
    Glyph::Shape& shape = g.shapes[std::size_t(phase)];
    if (!shape.made)
        makeShape(g, c, phase);
    return shape;
}

void GlyphLabel::makeShape(Glyph& g, QChar c, int phase)
{
    Glyph::Shape& shape = g.shapes[std::size_t(phase)];
    const QString one(c);
    QTextLayout layout(one, font());
    oneLine(layout);
    QImage cell(g.width, g.baseline + qCeil(g.descent) + 1, QImage::Format_RGB32);
    const QRgb paper = palette().color(backgroundRole()).rgb();
    cell.fill(paper);
    {
        QPainter p(&cell);
        p.setPen(palette().color(foregroundRole()));
        layout.draw(&p, QPointF(-g.left + qreal(phase) / kPhases, g.baseline - g.ascent));
    }
    QRect ink;
    for (int y = 0; y < cell.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(cell.constScanLine(y));
        for (int x = 0; x < cell.width(); ++x)
            if ((row[x] & 0x00FFFFFF) != (paper & 0x00FFFFFF))
                ink |= QRect(x, y, 1, 1);
    }
    shape.ink = ink.isEmpty() ? QImage() : cell.copy(ink);
    shape.offset = ink.topLeft();
    shape.made = true;
}

int GlyphLabel::baselineFor(const QString& text, const QRect& box)
{
    qreal ascent = 0, descent = 0;
    for (QChar c : text) {
        const Glyph& g = glyph(c);
        ascent = std::max(ascent, g.ascent);
        descent = std::max(descent, g.descent);
    }
    // The line centred in the box, as a label centres it.
    return qRound(box.top() + (box.height() - (ascent + descent)) / 2 + ascent) - box.top();
}

void GlyphLabel::place(const QString& text, const QRect& box, Line& line)
{
    line.text = text;
    line.baseline = baselineFor(text, box);
    line.placements.clear();
    line.pens.clear();
    // The last line's placements still hold before its first difference from this text, and after its
    // last once the pen gets where it was.
    const bool reuse = lineValid_ && line.baseline == composed_.baseline;
    const QString& was = composed_.text;
    qsizetype from = 0, sameFrom = text.size();
    if (reuse) {
        const qsizetype limit = std::min({text.size(), was.size(), qsizetype(composed_.placements.size())});
        while (from < limit && text[from] == was[from])
            ++from;
        qsizetype tail = 0;
        while (tail < text.size() - from && tail < was.size() - from &&
               text[text.size() - 1 - tail] == was[was.size() - 1 - tail])
            ++tail;
        sameFrom = text.size() - tail;
        line.placements.assign(composed_.placements.begin(), composed_.placements.begin() + from);
        line.pens.assign(composed_.pens.begin(), composed_.pens.begin() + from);
    }
    const qsizetype shift = was.size() - text.size();
    qreal pen = from == 0 ? 0 : line.pens.back() + advanceBefore(text[from - 1], text[from]);
    for (qsizetype i = from; i < text.size(); ++i) {
        const qsizetype old = i + shift;
        if (reuse && i >= sameFrom && old < qsizetype(composed_.pens.size()) && composed_.pens[std::size_t(old)] == pen) {
            line.placements.insert(line.placements.end(), composed_.placements.begin() + old, composed_.placements.end());
            line.pens.insert(line.pens.end(), composed_.pens.begin() + old, composed_.pens.end());
            return;
        }
        Glyph& g = glyph(text[i]);
        // The font engine's quarter: the fraction and a 64th, floored; a pen a 64th short of a whole
        // pixel draws at that pixel.
        int whole = int(std::floor(pen));
        int phase = int((pen - whole + 1.0 / 64) * kPhases);
        if (phase >= kPhases) {
            ++whole;
            phase = 0;
        }
        const QPoint cell(whole + g.left, line.baseline - g.baseline);
        if (cell.x() >= box.width())
            break;
        const Glyph::Shape& s = shape(g, text[i], phase);
        line.placements.push_back({text[i], cell.x() + s.offset.x(), s.ink.width(), cell.y() + s.offset.y(), phase});
        line.pens.push_back(pen);
        pen += i + 1 < text.size() ? advanceBefore(text[i], text[i + 1]) : g.advance;
    }
}

void GlyphLabel::compose(Line& line, bool darker)
{
    const std::vector<Placement>& placed = line.placements;
    const std::vector<Placement>& was = composed_.placements;
    // The runs of columns to compose again: wherever a character was or is that differs between the
    // two lines, all of the line when it holds nothing usable.
    std::vector<std::pair<int, int>>& runs = runs_;
    runs.clear();
    if (!lineValid_) {
        runs.emplace_back(0, line_.width() - 1);
    } else {
        for (std::size_t i = 0; i < std::max(placed.size(), was.size()); ++i) {
            const bool had = i < was.size(), has = i < placed.size();
            if (had && has && was[i] == placed[i])
                continue;
            const Placement* both[] = {had ? &was[i] : nullptr, has ? &placed[i] : nullptr};
            for (const Placement* p : both)
                if (p && p->width > 0)
                    runs.emplace_back(p->x, p->x + p->width - 1);
        }
    }
    std::sort(runs.begin(), runs.end());
    const QRgb paper = palette().color(backgroundRole()).rgb();
    for (std::size_t r = 0; r < runs.size();) {
        int first = runs[r].first, last = runs[r].second;
        for (++r; r < runs.size() && runs[r].first <= last + 1; ++r)
            last = std::max(last, runs[r].second);
        first = std::max(first, 0);
        last = std::min(last, line_.width() - 1);
        if (first > last)
            continue;
        uchar* row = line_.bits();
        const qsizetype stride = line_.bytesPerLine();
        for (int y = 0, rows = line_.height(); y < rows; ++y, row += stride)
            std::fill(reinterpret_cast<QRgb*>(row) + first, reinterpret_cast<QRgb*>(row) + last + 1, paper);
        for (const Placement& at : placed)
            if (at.width > 0 && at.x <= last && at.x + at.width > first)
                layOver(line_, shape(glyph(at.c), at.c, at.phase).ink, QPoint(at.x, at.y), darker, first, last);
    }
    std::swap(composed_, line);
    lineValid_ = true;
}

void GlyphLabel::paintEvent(QPaintEvent* event)
{
    const std::optional<bool> darker = inkIsDarker();
    if (!darker || !paintsByGlyphs()) {
        QLabel::paintEvent(event);
        lineValid_ = false;
        return;
    }
    // The images hold the colours of the window's state (active or not) they were made in.
    const std::pair colours(palette().color(foregroundRole()).rgba(), palette().color(backgroundRole()).rgba());
    if (colours != colours_) {
        forgetGlyphs();
        colours_ = colours;
    }
    const QRect box = contentsRect();
    if (line_.size() != box.size()) {
        line_ = QImage(box.size(), QImage::Format_RGB32);
        lineValid_ = false;
    }
    // Composed in a line image first: laying the images over each other is a tight loop of ours,
    // and the window gets one copy.
    place(text(), box, placing_);
    compose(placing_, *darker);
    QPainter p(this);
    const QRect part = box & event->rect();
    p.drawImage(part.topLeft(), line_, part.translated(-box.topLeft()));
}

namespace {

typedef std::uint8_t Bytes16 __attribute__((vector_size(16)));
typedef std::uint8_t Bytes8 __attribute__((vector_size(8)));
typedef std::uint8_t Bytes4 __attribute__((vector_size(4)));

// Keeps the darker (or lighter) of each pair of bytes, a vector's worth at a time.
template <class Bytes, bool Darken> void layBytes(uchar* d, const uchar* s)
{
    Bytes a, b;
    std::memcpy(&a, d, sizeof(Bytes));
    std::memcpy(&b, s, sizeof(Bytes));
    const Bytes kept = Darken ? (a < b ? a : b) : (a > b ? a : b);
    std::memcpy(d, &kept, sizeof(Bytes));
}

// A row of whole pixels: sixteen bytes at a time, then eight, then four.
template <bool Darken> void layRow(uchar* d, const uchar* s, int bytes)
{
    int i = 0;
    for (; i + 16 <= bytes; i += 16)
        layBytes<Bytes16, Darken>(d + i, s + i);
    if (i + 8 <= bytes) {
        layBytes<Bytes8, Darken>(d + i, s + i);
        i += 8;
    }
    if (i + 4 <= bytes)
        layBytes<Bytes4, Darken>(d + i, s + i);
}

} // namespace

void layOver(QImage& line, const QImage& glyph, QPoint at, bool darken, int firstColumn, int lastColumn)
{
    const int left = std::max(firstColumn, 0), right = std::min(lastColumn, line.width() - 1);
    const QRect area = QRect(at, glyph.size()) & QRect(left, 0, right - left + 1, line.height());
    if (area.isEmpty())
        return;
    const int bytes = area.width() * 4;
    // Row addresses stepped by hand: asking the images for each row costs more than the row itself.
    const qsizetype lineStride = line.bytesPerLine(), glyphStride = glyph.bytesPerLine();
    uchar* const to = line.scanLine(area.top()) + area.left() * 4;
    const uchar* const from = glyph.constScanLine(area.top() - at.y()) + (area.left() - at.x()) * 4;
    for (int r = 0; r < area.height(); ++r) {
        if (darken)
            layRow<true>(to + r * lineStride, from + r * glyphStride, bytes);
        else
            layRow<false>(to + r * lineStride, from + r * glyphStride, bytes);
    }
}

} // namespace molvane

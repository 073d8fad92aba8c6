#pragma once
// A one-line label whose text changes all the time (the pointer position in the status bar): each
// character is rendered once into a small image, and a paint puts those images side by side instead
// of laying out and shaping the whole text again. The images hold the character drawn on the label's
// background exactly as a label draws it, and they are laid over each other keeping the darker (or
// the lighter) pixel, so a character reaching into its neighbour's place takes nothing away from it.
// The composed line is kept: a new text composes again only the columns where its characters differ
// from the last one's (a new position changes a few digits). Texts it cannot paint that way
// (surrogate pairs, combining marks, right-to-left, a disabled label, rich text, text and background
// colours that cross) are painted as any label's. The label fills its own background.

#include <QImage>
#include <QLabel>
#include <array>
#include <unordered_map>
#include <optional>
#include <utility>
#include <vector>

namespace molvane {

class GlyphLabel : public QLabel {
    Q_OBJECT
public:
    explicit GlyphLabel(QWidget* parent = nullptr);

    // How many characters are known so far (they are dropped when the font, style or colours change).
    int glyphsCached() const { return int(glyphs_.size()); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Characters are placed at quarters of a pixel, as the font engine places them.
    static constexpr int kPhases = 4;
    struct Glyph {
        qreal advance = 0; // as the shaper has it, fractions of a pixel included
        // Of the font that draws the character (a fallback font for many scripts): a line holding
        // it is as tall as its tallest font.
        qreal ascent = 0;
        qreal descent = 0;
        int left = 0;     // where the cells drawn in start, from the pen position
        int width = 0;    // of the cells
        int baseline = 0; // the baseline's row in the cells
        // The character drawn on the label's background in a cell, that many quarters of a pixel
        // right of the pen position, and cut down to its ink (the rest of the cell shows the
        // background, which laying over leaves as it is); made when first shown.
        struct Shape {
            QImage ink;    // null for a character without ink
            QPoint offset; // of the ink in the cell
            bool made = false;
        };
        std::array<Shape, kPhases> shapes;
    };
    static constexpr char16_t kAscii = 128;
    // Where a character's ink lies in the composed line: its left column, width and top row, and the
    // quarter-pixel phase of the shape used.
    struct Placement {
        QChar c;
        int x = 0;
        int width = 0;
        int y = 0;
        int phase = 0;
        bool operator==(const Placement&) const = default;
    };
    // A text placed on a line of the label's box: where each character's ink goes, and the pen
    // position each is drawn at.
    struct Line {
        QString text;
        int baseline = 0; // the row in the box
        std::vector<Placement> placements;
        std::vector<qreal> pens;
    };
    bool paintsByGlyphs() const;
    int baselineFor(const QString& text, const QRect& box);
    // Places text on a line of the box's size, taking from the line composed last what still holds.
    void place(const QString& text, const QRect& box, Line& line);
    // Brings line_ from the line composed last to this one, which it keeps (leaving the old one).
    void compose(Line& line, bool darker);
    // True for text darker than the background in every channel, false for lighter, none for any other
    // pair of colours.
    std::optional<bool> inkIsDarker() const;
    Glyph& glyph(QChar c);
    Glyph& makeGlyph(QChar c);
    // How far the pen goes from c to the next character, kerning between them included.
    qreal advanceBefore(QChar c, QChar next);
    // Drops the characters rendered and what was composed of them (another font, style or colours).
    void forgetGlyphs();
    const Glyph::Shape& shape(Glyph& g, QChar c, int phase);
    void makeShape(Glyph& g, QChar c, int phase);

    std::unordered_map<char16_t, Glyph> glyphs_; // the nodes stay put while more are added
    std::array<Glyph*, kAscii> ascii_{};         // those of glyphs_ of ASCII characters
    std::unordered_map<quint32, qreal> pairs_;    // advanceBefore of pairs met so far
    QImage line_;                      // the text composed before it is shown
    Line composed_;                    // what line_ holds (no placements: only the background, or nothing)
    Line placing_;                     // the text being shown (kept for its room)
    std::vector<std::pair<int, int>> runs_; // columns being composed again (kept for their room)
    bool lineValid_ = false;           // false when line_ must be composed whole
    std::pair<QRgb, QRgb> colours_{};           // text and background the images were made with
};

// Lays glyph over line at `at` (both Format_RGB32), keeping in each channel the darker value (or the
// lighter one), within the columns firstColumn..lastColumn of line (both included).
void layOver(QImage& line, const QImage& glyph, QPoint at, bool darken, int firstColumn, int lastColumn);

// Whether every character of text stands alone on the screen: no surrogate pairs, marks that combine
// with the character before, or characters of right-to-left scripts.
bool charactersStandAlone(const QString& text);

} // namespace molvane

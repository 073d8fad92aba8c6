#include "drawings.h"

#include "document/figure_commit.h"
#include "document/figure_creation.h"
#include "document/geometry.h"

#include <algorithm>
#include <array>
#include <random>
#include <vector>

namespace molvane::bench {

namespace {

// Uniform integers from the raw engine output, so the drawing is the same with any standard library.
class Dice {
public:
    explicit Dice(unsigned seed) : engine_(seed) {}
    int between(int lo, int hi) { return lo + int(engine_() % std::uint32_t(hi - lo + 1)); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <typename T, std::size_t N>
    const T& pick(const std::array<T, N>& items) { return items[std::size_t(between(0, int(N) - 1))]; }

private:
    std::mt19937 engine_;
};

const std::array<const char*, 14> kAsciiTexts{"C", "H", "O", "N", "CH3", "OH", "COOH", "NH2", "H2O", "Cl", "Br",
                                              "SO3H", "CH2", "C6H5"};
const std::array<const char*, 4> kJapaneseTexts{"ベンゼン", "酸", "エタノール", "触媒"};
const std::array<const char*, 2> kFontNames{"ＭＳ Ｐゴシック", "ＭＳ 明朝"};
const std::array<TColor, 6> kPenColours{clBlack, clBlack, clBlack, clRed, 0x800000, 0x008000};
const std::array<TColor, 5> kFillColours{clSilver, 0x00FFFF, 0xFFFF00, 0x80FF80, 0xFF8080};

// What kind of figure comes next; circles come with their fill.
enum class Slot { Bond, Text, CurveOrArrow, Wedge, Circle, Orbital, FreeCurve };

class Generator {
public:
    Generator(Drawing& drawing, const DrawingRecipe& recipe, unsigned seed)
        : drawing_(drawing), recipe_(recipe), dice_(seed)
    {
    }

    void run()
    {
        drawing_.figures.clear();
        drawing_.background = QImage();
        drawing_.setCanvasSize(recipe_.canvas);
        drawing_.rebuildBitmap();
        std::vector<Slot> order;
        order.insert(order.end(), std::size_t(recipe_.bonds), Slot::Bond);
        order.insert(order.end(), std::size_t(recipe_.texts), Slot::Text);
        order.insert(order.end(), std::size_t(recipe_.curvesAndArrows), Slot::CurveOrArrow);
        order.insert(order.end(), std::size_t(recipe_.wedges), Slot::Wedge);
        const int circles = recipe_.circlesAndOrbitals / 2;
        order.insert(order.end(), std::size_t(circles), Slot::Circle);
        order.insert(order.end(), std::size_t(recipe_.circlesAndOrbitals - circles), Slot::Orbital);
        order.insert(order.end(), std::size_t(recipe_.freeCurves), Slot::FreeCurve);
        for (std::size_t i = order.size(); i > 1; --i) // Fisher-Yates, with our own dice
            std::swap(order[i - 1], order[std::size_t(dice_.between(0, int(i) - 1))]);
        fillsLeft_ = recipe_.fills;
        for (Slot s : order)
            make(s);
        drawing_.resetHistoryToCurrent();
        drawing_.takeBaseline();
    }

private:
    QPoint somewhere(int margin)
    {
        const QSize c = recipe_.canvas;
        return {dice_.between(margin, c.width() - 1 - margin), dice_.between(margin, c.height() - 1 - margin)};
    }
    QPoint away(QPoint from, int minLength, int maxLength)
    {
        return from + polar(dice_.between(minLength, maxLength), dice_.between(0, 359));
    }
    int anyPenStyle() { return dice_.chance(85) ? 0 : dice_.between(1, 4); }
    int signedShape(int lo, int hi) { return dice_.between(lo, hi) * (dice_.chance(50) ? 1 : -1); }

    DrawingConditions conditions(int kind)
    {
        DrawingConditions c;
        c.kind = kind;
        c.penColor = dice_.pick(kPenColours);
        c.penStyle = anyPenStyle();
        c.width = dice_.between(0, 3);
        return c;
    }

    void make(Slot slot)
    {
        switch (slot) {
        case Slot::Bond: {
            const int kind = dice_.between(0, 9) < 5 ? fkSingle : (dice_.chance(60) ? fkDouble : fkTriple);
            DrawingConditions c = conditions(kind);
            c.shape = signedShape(3, 6);
            const QPoint a = somewhere(60);
            draw(c, a, away(a, 20, 80));
            break;
        }
        case Slot::Text: {
            DrawingConditions c = conditions(fkMoji);
            c.fontName = QString::fromUtf8(dice_.pick(kFontNames));
            c.text = QString::fromUtf8(dice_.chance(90) ? dice_.pick(kAsciiTexts) : dice_.pick(kJapaneseTexts));
            c.shape = dice_.between(9, 24) * (dice_.chance(10) ? -1 : 1);
            c.sizeStep = dice_.chance(80) ? 0 : dice_.between(1, 2);
            const QPoint at = somewhere(60);
            draw(c, at, at);
            break;
        }
        case Slot::CurveOrArrow: {
            DrawingConditions c = conditions(dice_.chance(50) ? fkCurve : fkArrow);
            c.shape = dice_.between(-50, 50);
            const QPoint a = somewhere(120);
            draw(c, a, away(a, 30, 150));
            break;
        }
        case Slot::Wedge: {
            DrawingConditions c = conditions(fkStereo);
            c.shape = signedShape(3, 8);
            const QPoint a = somewhere(60);
            draw(c, a, away(a, 20, 70));
            break;
        }
        case Slot::Circle: {
            DrawingConditions c = conditions(fkCircle);
            c.penStyle = 0; // a fill follows: the outline must hold it
            c.shape = dice_.between(3, 6);
            const QPoint a = somewhere(80);
            const QPoint b = dice_.chance(80) ? a : away(a, 10, 40);
            draw(c, a, b);
            if (fillsLeft_ > 0) {
                --fillsLeft_;
                DrawingConditions fill = conditions(fkNuri);
                fill.fillColor = dice_.pick(kFillColours);
                const QPoint centre = (a + b) / 2;
                draw(fill, centre, centre);
            }
            break;
        }
        case Slot::Orbital: {
            DrawingConditions c = conditions(fkPai);
            c.shape = dice_.between(2, 6);
            const QPoint a = somewhere(80);
            draw(c, a, away(a, 20, 50));
            break;
        }
        case Slot::FreeCurve: {
            DrawingConditions c = conditions(fkFree);
            c.width = dice_.between(0, 2);
            TDynamicPtArray points{somewhere(120)};
            while (int(points.size()) < kFreeCurvePoints)
                points.push_back(points.back() + QPoint(dice_.between(-4, 4), dice_.between(-4, 4)));
            draw(c, points.front(), points.back(), points);
            break;
        }
        }
    }

    // The mouse goes down at start and up at end (screen pixels at 100 %): the working figure, its live
    // drawing, finishing and the commit.
    void draw(const DrawingConditions& c, QPoint start, QPoint end, const TDynamicPtArray& dragged = {})
    {
        const TFigure working = createFigure(c, start, end);
        FinishInputs in;
        in.zoom = 100;
        in.mouseDown = start;
        in.mouseUp = end;
        in.draggedPoints = dragged;
        liveDrawing(working, in);
        commitFinishedFigure(drawing_.figures, drawing_.bitmap(), finishFigure(working, in), drawing_.lastRecorded,
                             drawing_.renderSettings());
    }

    // What the live drawing on the screen leaves for finishing: the bond lines it computed.
    void liveDrawing(const TFigure& working, FinishInputs& in)
    {
        if (working.kind != fkDouble && working.kind != fkTriple)
            return;
        QImage screen(1, 1, QImage::Format_RGB32);
        Canvas canvas(screen);
        const RenderRecord live = renderFigure(working, {canvas, true, 100, drawing_.renderSettings()});
        const BondLines lines = live.bondLines();
        in.secondStart = lines.secondStart;
        in.secondEnd = lines.secondEnd;
        in.thirdStart = lines.thirdStart;
        in.thirdEnd = lines.thirdEnd;
    }

    Drawing& drawing_;
    const DrawingRecipe& recipe_;
    Dice dice_;
    int fillsLeft_ = 0;
};

} // namespace

void generateDrawing(Drawing& drawing, const DrawingRecipe& recipe, unsigned seed)
{
    Generator(drawing, recipe, seed).run();
}

const Drawing& bigDrawing()
{
    static const Drawing drawing = [] {
        Drawing d;
        generateDrawing(d, kBigDrawing);
        return d;
    }();
    return drawing;
}

const Drawing& hugeDrawing()
{
    static const Drawing drawing = [] {
        Drawing d;
        generateDrawing(d, kHugeDrawing);
        return d;
    }();
    return drawing;
}

} // namespace molvane::bench

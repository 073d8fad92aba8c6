#include "editing/move_logic.h"

#include "document/drawing_bitmap.h"
#include "document/figure_renderer.h"
#include "platform/canvas.h"

#include <algorithm>
#include <utility>

namespace molvane {

namespace {

bool inList(const FigureList& list, int index)
{
    return index >= 0 && index < int(list.size());
}

bool surroundingsAllSelected(const FigureList& list, const TFigure& fill)
{
    return std::all_of(fill.points.begin(), fill.points.end(),
                       [&](QPoint p) { return !inList(list, p.x()) || list[std::size_t(p.x())].selected; });
}

// Where each selected figure's copy lands when the copies are appended to list; -1 for the others.
std::vector<int> copyIndices(const FigureList& list)
{
    std::vector<int> at(list.size(), -1);
    int next = int(list.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].selected)
            at[i] = next++;
    return at;
}

void renameSurroundings(TFigure& fill, const std::vector<int>& copyAt)
{
    TDynamicPtArray named;
    for (QPoint p : std::as_const(fill.points))
        if (p.x() >= 0 && p.x() < int(copyAt.size()) && copyAt[std::size_t(p.x())] >= 0)
            named.push_back({copyAt[std::size_t(p.x())], p.y()});
    fill.points = std::move(named);
}

std::vector<int> sortedValidIndices(const FigureList& list, std::vector<int> indices)
{
    std::erase_if(indices, [&](int i) { return !inList(list, i); });
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    return indices;
}

// The surroundings of a fill after the (sorted) removed figures are gone.
void renumberSurroundings(TFigure& fill, const std::vector<int>& removed)
{
    TDynamicPtArray kept;
    for (QPoint p : std::as_const(fill.points)) {
        const auto below = std::lower_bound(removed.begin(), removed.end(), p.x());
        if (below != removed.end() && *below == p.x())
            continue;
        kept.push_back({p.x() - int(below - removed.begin()), p.y()});
    }
    fill.points = std::move(kept);
}

// Renders list[from..] onto the canvas until a fill changes pixel (0, 0): whatever area a fill paints
// has one colour, so when it holds the corner the corner changes. Returns that fill's index, or the
// list size when none leaks.
std::size_t renderUntilLeak(QImage& scratch, const FigureList& list, std::size_t from,
                            const RenderSettings& settings)
{
    Canvas canvas(scratch);
    const RenderTarget target{canvas, false, 100, settings};
    const QPoint corner(0, 0);
    for (std::size_t i = from; i < list.size(); ++i) {
        const TColor was = canvas.pixel(corner);
        renderFigure(list[i], target);
        if (list[i].kind == fkNuri && canvas.pixel(corner) != was)
            return i;
    }
    return list.size();
}

// The figures before end, without the leaking ones.
FigureList keptBefore(const FigureList& list, std::size_t end, const std::vector<int>& leaking)
{
    FigureList kept;
    for (std::size_t i = 0; i < end; ++i)
        if (std::find(leaking.begin(), leaking.end(), int(i)) == leaking.end())
            kept.push_back(list[i]);
    return kept;
}

} // namespace

int captureFillsForMove(FigureList& list)
{
    if (std::none_of(list.begin(), list.end(), [](const TFigure& f) { return f.selected; }))
        return 0;
    // Decided before any mark changes, so a fill taken here never counts towards another.
    std::vector<std::size_t> taken;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const TFigure& f = list[i];
        if (f.kind == fkNuri && !f.selected && surroundingsAllSelected(list, f))
            taken.push_back(i);
    }
    for (std::size_t i : taken)
        list[i].selected = list[i].frameShown = true;
    return int(taken.size());
}

void moveSelected(FigureList& list, QPoint modelOffset)
{
    for (TFigure& f : list)
        if (f.selected)
            shiftFigure(f, modelOffset.x(), modelOffset.y());
}

FigureList duplicateSelected(const FigureList& list, QPoint modelOffset)
{
    const std::vector<int> copyAt = copyIndices(list);
    FigureList copies;
    for (const TFigure& f : list) {
        if (!f.selected)
            continue;
        TFigure copy = f;
        shiftFigure(copy, modelOffset.x(), modelOffset.y());
        copy.selected = copy.frameShown = false;
        if (copy.kind == fkNuri)
            renameSurroundings(copy, copyAt);
        copies.push_back(std::move(copy));
    }
    return copies;
}

std::vector<int> leakingFills(const FigureList& list, const QImage& bitmap, const QImage& background,
                              const RenderSettings& settings)
{
    std::vector<int> leaking;
    if (bitmap.isNull())
        return leaking;
    QImage scratch(bitmap.size(), QImage::Format_RGB32);
    rebuildDrawingBitmap(scratch, {}, background, settings);
    std::size_t next = 0;
    while (next < list.size()) {
        const std::size_t leak = renderUntilLeak(scratch, list, next, settings);
        if (leak == list.size())
            break;
        leaking.push_back(int(leak));
        // The leak has painted the canvas; leaks are rare, so the picture is simply made again.
        rebuildDrawingBitmap(scratch, keptBefore(list, leak, leaking), background, settings);
        next = leak + 1;
    }
    return leaking;
}

void removeFigures(FigureList& list, const std::vector<int>& indices)
{
    const std::vector<int> removed = sortedValidIndices(list, indices);
    if (removed.empty())
        return;
    for (auto it = removed.rbegin(); it != removed.rend(); ++it)
        list.erase(list.begin() + *it);
    for (TFigure& f : list)
        if (f.kind == fkNuri)
            renumberSurroundings(f, removed);
}

} // namespace molvane

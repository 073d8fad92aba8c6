#include "document/view_tiles.h"

#include "document/canvas_geometry.h"

#include <algorithm>
#include <cstring>

namespace molvane {

ViewTiles::ViewTiles(qsizetype budgetBytes) : budget_(std::max(budgetBytes, kTileBytes)) {}

ViewTiles::Key ViewTiles::keyOf(const QImage& bitmap, const ViewLook& look)
{
    Key k;
    k.bitmap = bitmap.cacheKey();
    k.bitmapSize = bitmap.size();
    const bool withSample = look.sample && !look.sample->isNull();
    k.sample = withSample ? look.sample->cacheKey() : 0;
    k.samplePlace = withSample ? look.samplePlace : QRect();
    k.zoom = look.zoom;
    k.grid = look.grid && look.gridSpacing > 0;
    k.gridColour = k.grid ? look.gridColour : 0;
    k.gridSpacing = k.grid ? look.gridSpacing : 0;
    return k;
}

void ViewTiles::show(const QImage& bitmap, const ViewLook& look)
{
    const Key key = keyOf(bitmap, look);
    if (!(key == key_)) {
        clear();
        const int width = std::clamp(zoomedSize(bitmap.size(), look.zoom).width(), 1, kTileWidth);
        if (width != tileWidth_)
            spare_.clear();
        tileWidth_ = width;
    }
    key_ = key;
    bitmap_ = &bitmap;
    look_ = look;
}

void ViewTiles::clear()
{
    for (auto& [id, t] : tiles_)
        spare_.push_back(std::move(t.image));
    tiles_.clear();
}

QImage ViewTiles::freshTileImage()
{
    if (!spare_.empty()) {
        QImage image = std::move(spare_.back());
        spare_.pop_back();
        return image;
    }
    // Keeping the tiles within the budget: the least recently used one gives its buffer.
    if (qsizetype(tiles_.size() + 1) * tileBytes() > budget_ && !tiles_.empty()) {
        auto oldest = std::min_element(tiles_.begin(), tiles_.end(),
                                       [](const auto& a, const auto& b) { return a.second.lastUse < b.second.lastUse; });
        QImage image = std::move(oldest->second.image);
        tiles_.erase(oldest);
        return image;
    }
    return QImage(tileWidth_, kTileHeight, QImage::Format_RGB32);
}

const QImage& ViewTiles::tile(int column, int row)
{
    const quint64 id = tileId(column, row);
    auto found = tiles_.find(id);
    if (found == tiles_.end()) {
        Tile t{freshTileImage(), 0};
        if (bitmap_)
            composeView(t.image, tileBounds(column, row), *bitmap_, look_);
        else
            t.image.fill(Qt::white);
        ++composed_;
        found = tiles_.emplace(id, std::move(t)).first;
    }
    found->second.lastUse = ++clock_;
    return found->second.image;
}

template <typename Use> void ViewTiles::forEachTile(const QRect& wanted, Use use)
{
    const QRect area = wanted & QRect(0, 0, 1 << 30, 1 << 30); // no tiles left of or above the view
    if (area.isEmpty())
        return;
    for (int row = area.top() / kTileHeight; row <= area.bottom() / kTileHeight; ++row)
        for (int column = area.left() / tileWidth_; column <= area.right() / tileWidth_; ++column) {
            const QRect bounds = tileBounds(column, row);
            const QRect part = bounds & area;
            use(tile(column, row), part, part.topLeft() - bounds.topLeft());
        }
}

void ViewTiles::draw(QPainter& p, const QRect& area)
{
    forEachTile(area, [&](const QImage& image, const QRect& part, QPoint inTile) {
        p.drawImage(part.topLeft(), image, QRect(inTile, part.size()));
    });
}

void ViewTiles::copyTo(QImage& out, const QRect& area, QPoint to)
{
    forEachTile(area, [&](const QImage& image, const QRect& part, QPoint inTile) {
        const QPoint at = to + part.topLeft() - area.topLeft();
        const std::size_t bytes = std::size_t(part.width()) * 4;
        for (int r = 0; r < part.height(); ++r)
            std::memcpy(out.scanLine(at.y() + r) + at.x() * 4, image.constScanLine(inTile.y() + r) + inTile.x() * 4, bytes);
    });
}

} // namespace molvane

#pragma once
// The composed view (see composeView) kept in tiles of view pixels, so a paint copies what is
// shown instead of stretching the bitmap and masking the grid in again. A tile is composed when it is
// first shown and kept up to a memory budget, the least recently used going first; a change of the
// bitmap's contents, the zoom, the grid or the sample drops them all.

#include "document/view_compose.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <unordered_map>
#include <vector>

namespace molvane {

class ViewTiles {
public:
    // Wide tiles: a shown row is a few long runs of memory. A view narrower than this has tiles as wide
    // as itself, so that its rows follow each other in memory as they do on the screen.
    static constexpr int kTileWidth = 2048;
    static constexpr int kTileHeight = 128;
    static constexpr qsizetype kTileBytes = qsizetype(kTileWidth) * kTileHeight * 4;
    static constexpr qsizetype kDefaultBudget = qsizetype(96) << 20; // bytes

    explicit ViewTiles(qsizetype budgetBytes = kDefaultBudget);

    // What the tiles show from now on. The bitmap (and the sample) must stay alive while the tiles
    // are used; their contents are recognised by their cache keys, which change with every write.
    void show(const QImage& bitmap, const ViewLook& look);
    void clear();

    // Draws the area (view pixels) with the painter at the same coordinates.
    void draw(QPainter& p, const QRect& area);
    // Copies the area into out at `at` (Format_RGB32, big enough).
    void copyTo(QImage& out, const QRect& area, QPoint at = QPoint(0, 0));

    int tilesKept() const { return int(tiles_.size()); }
    int tileWidth() const { return tileWidth_; }
    // How many tiles were composed so far (each miss composes one).
    int tilesComposed() const { return composed_; }

private:
    struct Key {
        qint64 bitmap = 0;
        QSize bitmapSize;
        qint64 sample = 0;
        QRect samplePlace;
        int zoom = 0;
        bool grid = false;
        TColor gridColour = 0;
        int gridSpacing = 0;
        bool operator==(const Key&) const = default;
    };
    struct Tile {
        QImage image;
        quint64 lastUse = 0;
    };

    static Key keyOf(const QImage& bitmap, const ViewLook& look);
    static quint64 tileId(int column, int row) { return (quint64(quint32(row)) << 32) | quint32(column); }
    qsizetype tileBytes() const { return qsizetype(tileWidth_) * kTileHeight * 4; }
    QRect tileBounds(int column, int row) const
    {
        return {column * tileWidth_, row * kTileHeight, tileWidth_, kTileHeight};
    }
    // The tiles under the area, each with the part of the area it holds.
    template <typename Use> void forEachTile(const QRect& area, Use use);
    const QImage& tile(int column, int row);
    QImage freshTileImage();

    qsizetype budget_;
    const QImage* bitmap_ = nullptr;
    ViewLook look_;
    Key key_;
    int tileWidth_ = kTileWidth;
    std::unordered_map<quint64, Tile> tiles_;
    std::vector<QImage> spare_; // buffers of dropped tiles, reused
    quint64 clock_ = 0;
    int composed_ = 0;
};

} // namespace molvane

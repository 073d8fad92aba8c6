#pragma once
// Reading and writing figure files for the document, with the messages the user sees.
// Modes: whole drawing (.fga), partial file (.fgb, figures waiting to be placed) and region only (the
// old-data conversion, which rewrites a file in place).

#include "document/drawing.h"
#include "platform/prompts.h"

#include <QString>
#include <optional>

namespace molvane {

enum class FigureFileMode { RegionOnly = 0, Whole = 1, Partial = 2 };

// The message shown when a file's region is unusable: "RW=%d, RH=%d, RL=%d, RT=%d".
QString regionMessage(const FigureRegion& region);

// The bytes of a figure file that decoding can use: the header first, then as far as
// figureFileBytesToRead() allows, so a file that goes on past its declared total (a sparse tail) costs
// nothing more. Only a regular file is read (see input_file.h); why is the reason it could not be.
bool readFigureFileBytes(const QString& path, QByteArray& bytes, QString& why);

// Reads path into the document. Every mode puts the records into the paste list first (a bad record
// stops the reading with "内部データエラー"; the records before it stay there) and takes the background
// picture. Whole: the figures join the drawing at (RL, RT) with their tip connections as stored, the
// canvas becomes (RL + RW) x (RT + RH), held to the canvas controls' ranges, and the paste list is
// emptied. Partial: the paste list stays and pasteImage shows it, RW and RH cut to the largest canvas.
// RegionOnly: the region is kept for the rewrite. A region that makes no usable canvas (RW or RH not
// positive, RL or RT negative, RL + RW or RT + RH beyond kMaxPictureDimension) is shown with
// regionMessage() and repaired: when RW or RH is out of range both take the default canvas size, then a
// corner out of range becomes 0. Every length and count in the file is checked against the bytes
// present before anything is allocated (see figure_stream.h).
bool readFigureFile(Drawing& drawing, const QString& path, FigureFileMode mode, Prompts& prompts);

// The picture of a partial file's figures shown while it is placed: white, the figures, and a red
// dotted frame from (1, 1) to (RW, RH).
QImage partialFileImage(const FigureList& figures, QSize size, const RenderSettings& settings);

// Writes figures to path (".fga" or ".fgb" appended when the name has no extension). Whole: the whole
// canvas with its background; Partial: region is the selected range in model pixels and the figures
// are stored relative to it; RegionOnly: the kept region at (0, 0) with the background as read.
// Returns the name written, or nothing when writing failed (the old file is then intact).
std::optional<QString> writeFigureFile(const Drawing& drawing, const QString& path, FigureFileMode mode,
                                       const FigureList& figures, FigureRegion region, Prompts& prompts);

} // namespace molvane

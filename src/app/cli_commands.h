#pragma once
// The commands that run without a window: export a figure file as a picture or as a figure file again,
// make its thumbnail, and dump one as JSON. They use the editor's own readers, renderer and writers; every
// message the editor would show in a box goes to `messages` instead. The result is the process exit code.

#include <QString>
#include <cstdio>

namespace molvane {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 2;

// scale > 1 (only for a .png output): each canvas pixel as scale x scale pixels.
int exportFigureFile(const QString& input, const QString& output, std::FILE* messages, int scale = 1);
// The thumbnail (document/thumbnail.h) of the figure file input (a partial one when it ends in .fgb,
// else a whole drawing), written to output as PNG whatever its extension. A file that cannot be read
// in full writes nothing.
int thumbnailFigureFile(const QString& input, const QString& output, int size, std::FILE* messages);
int dumpFigureFile(const QString& input, std::FILE* out, std::FILE* messages);

} // namespace molvane

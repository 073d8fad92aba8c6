#pragma once
// Rewrites figure files of the older version (".edb", ".edm" anywhere under the data folder) in place,
// so that their bonds carry the shape values the current version draws them with.

#include "document/drawing.h"
#include "platform/prompts.h"

#include <QStringList>

namespace molvane {

// Every file under folder (depth first, in name order, folders and files as they come) whose extension
// is one of the comma-separated extensions, compared without regard to case; an empty list takes all.
QStringList collectFiles(const QString& folder, const QString& extensions);

struct ConversionResult {
    int files = 0;       // files rewritten
    int bondsChanged = 0;
    bool failed = false; // a file could not be read (the ones before it stay converted)
};

// Asks first; then converts and reports "No Files", "Load Error" or "Finish %d".
ConversionResult convertOldData(Drawing& drawing, const QString& dataFolder, Prompts& prompts);

} // namespace molvane

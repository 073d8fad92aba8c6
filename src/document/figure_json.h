#pragma once
// A figure file as one JSON document, for reading files without the editor: the header and every
// record with the field names of TFigure, values exactly as stored (no offset applied), texts in UTF-8.

#include "document/figure_file.h"

#include <QByteArray>

namespace molvane {

QByteArray figureFileJson(const DecodedFigureFile& file);

} // namespace molvane

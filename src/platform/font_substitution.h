#pragma once
// Drawings name the fonts of the system they were made on ("ＭＳ Ｐゴシック", "ＭＳ 明朝", ...).
// At start those face names are mapped to the Japanese fonts installed here; the names stored in
// figures stay as they were, so files keep their meaning when they go back.

#include <QString>
#include <QStringList>

namespace molvane {

struct FontSubstitute {
    const char* faceName;  // the stored name (UTF-8)
    const char* family;    // the installed family used to draw it
};

// The table of face names and the families they are drawn with.
QList<FontSubstitute> windowsFontSubstitutes();
// Installs the table into Qt's font substitution (needs a QGuiApplication).
void installFontSubstitutions();

} // namespace molvane

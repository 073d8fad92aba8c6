#pragma once
// Qt's own dialogs (file, colour, font, input box) and the buttons Qt names itself speak the
// program's language: Japanese, from the translations the Qt packages install.

#include <QCoreApplication>

namespace molvane {

// Loads Qt's Japanese translations into app; false (and Qt stays in English) when they are not
// installed.
bool installQtTranslations(QCoreApplication& app);

} // namespace molvane

#pragma once
// The OK / ｷｬﾝｾﾙ row at the bottom of the program's dialogs.

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>

namespace molvane {

// Appends the row to layout: "OK" (objectName btOK) accepts the dialog, "ｷｬﾝｾﾙ" (btCancel) rejects it.
QDialogButtonBox* addOkCancelButtons(QDialog* dialog, QBoxLayout* layout);

// A bold heading of a group of controls ("【表示】"); text in UTF-8.
QLabel* sectionHeading(const char* text, QWidget* parent);

} // namespace molvane

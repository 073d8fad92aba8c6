#pragma once
// The OK / ｷｬﾝｾﾙ row at the bottom of the program's dialogs.

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>

namespace molvane {

// Appends the row to layout: "OK" (objectName btOK) accepts the dialog, "ｷｬﾝｾﾙ" (btCancel) rejects it.
QDialogButtonBox* addOkCancelButtons(QDialog* dialog, QBoxLayout* layout);

} // namespace molvane

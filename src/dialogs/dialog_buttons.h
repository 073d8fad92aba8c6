#pragma once
// The OK / ｷｬﾝｾﾙ row at the bottom of the program's dialogs.

#include <QBoxLayout>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace molvane {

struct OkCancelButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

// Appends the row to layout, at its right: "OK" (objectName btOK, the default button) accepts the
// dialog unless acceptsItself is false (its owner decides then), "ｷｬﾝｾﾙ" (btCancel) rejects it.
// Plain push buttons: a QDialogButtonBox would look up its standard buttons' icons, which costs
// the program's start more than all its other dialogs.
OkCancelButtons addOkCancelButtons(QDialog* dialog, QBoxLayout* layout, bool acceptsItself = true);

// Fixes the dialog's size to what its contents ask for, when it is first shown: measuring the texts
// (bold headings load a font of their own) is left until a user opens the dialog, not paid at start.
void fixSizeOnFirstShow(QDialog* dialog);

// A bold heading of a group of controls ("【表示】"); text in UTF-8.
QLabel* sectionHeading(const char* text, QWidget* parent);

} // namespace molvane

#pragma once
// The line width dialog (線の幅): the width of the import window's cut-out line, 1 .. 100 pixels.

#include "dialogs/up_down.h"

#include <QDialog>

namespace molvane {

class TFormSelectWidth : public QDialog {
    Q_OBJECT
public:
    explicit TFormSelectWidth(QWidget* parent = nullptr);

    // The caller sets the width before showing the dialog and reads it after OK.
    void setLineWidth(int width) { widthUpDown_->setValue(width); }
    int lineWidth() const { return widthUpDown_->value(); }

private:
    TUpDown* widthUpDown_;
};

} // namespace molvane

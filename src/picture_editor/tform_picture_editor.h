#pragma once
// The raster picture editor window (画像エディタ).

#include <QDialog>

namespace molvane {

class TFormPictureEditor : public QDialog {
    Q_OBJECT
public:
    explicit TFormPictureEditor(QWidget* parent = nullptr);
};

} // namespace molvane

#pragma once
// The picture editor's grid display dialog (罫線の表示).

#include <QDialog>

namespace molvane {

class TFormShowMasu : public QDialog {
    Q_OBJECT
public:
    explicit TFormShowMasu(QWidget* parent = nullptr);
};

} // namespace molvane

#pragma once
// The picture editor's grid-line dialog (罫線の表示): the spacing across and down, in canvas pixels
// (0 draws no lines that way), and the lines' colour with a sample line.

#include "platform/prompts.h"
#include "platform/tcolor.h"

#include <QDialog>

class QLabel;

namespace molvane {

class TUpDown;

class TFormShowMasu : public QDialog {
    Q_OBJECT
public:
    explicit TFormShowMasu(Prompts& prompts, QWidget* parent = nullptr);

    // The editor's grid before the dialog is shown.
    void load(int width, int height, TColor colour);
    int gridWidth() const;
    int gridHeight() const;
    TColor colour() const { return colour_; }
    // "線色": the colour dialog, then the sample line again.
    void sbLineColorClick();

private:
    void drawSample();

    Prompts& prompts_;
    TUpDown* widthUpDown_ = nullptr;  // UpDown1
    TUpDown* heightUpDown_ = nullptr; // UpDown2
    QLabel* sample_ = nullptr;        // imLineColor
    TColor colour_ = 0xC0C0C0;
};

} // namespace molvane

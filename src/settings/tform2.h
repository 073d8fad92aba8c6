#pragma once
// The drawing-style dialog (図形の線種変更): the line styles of figures drawn normally and after a
// right-click on their tool, the pen and fill colours, the font of characters, and a live sample of a
// small formula drawn by the figure renderer.

#include "platform/prompts.h"
#include "platform/tcolor.h"

#include <QComboBox>
#include <QDialog>
#include <QImage>

class QGridLayout;
class QLabel;

namespace molvane {

// A drop-down of font names whose opened list is wide enough for the longest name.
class FontNameComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    // The width the opened list takes: the widest name followed by a full-width space, plus 8.
    int popupWidth() const;

protected:
    void showPopup() override;
};

struct DrawingStyle {
    QString fontName = QStringLiteral("ＭＳ Ｐゴシック");
    int normalStyle = 0;    // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    int rightStyle = 1;     // for figures drawn after a right-click on their tool
    TColor penColor = clBlack;
    TColor auxColor = clSilver; // carried through unchanged; reset with the brush colour
    TColor brushColor = clSilver;
    bool operator==(const DrawingStyle&) const = default;
};

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(Prompts& prompts, QWidget* parent = nullptr);

    // Before showing: the values, the list selections, the swatches and the sample.
    void setStyle(const DrawingStyle& style);
    // What OK stored (the values as they were set, until an OK).
    const DrawingStyle& style() const { return stored_; }
    // The values as the dialog shows them now.
    const DrawingStyle& shown() const { return shown_; }
    const QImage& sample() const { return sample_; }

    void accept() override;

private:
    void buildStyleGroup(QGridLayout* grid);
    void buildColourGroup(QGridLayout* grid);
    void buildFontGroup(QGridLayout* grid);
    QWidget* iniButton(const char* name, void (TForm2::*reset)());
    void showValues();
    void drawSample();
    void paintSwatch(QLabel* swatch, TColor colour);
    void choosePenColour();
    void chooseBrushColour();
    bool askToReset();
    void resetNormalStyle() { shown_.normalStyle = 0; }
    void resetRightStyle() { shown_.rightStyle = 1; }
    void resetPenColour() { shown_.penColor = clBlack; }
    void resetBrushColour() { shown_.brushColor = shown_.auxColor = clSilver; }
    void resetFont() { shown_.fontName = QStringLiteral("ＭＳ Ｐゴシック"); }
    bool eventFilter(QObject* watched, QEvent* e) override;

    Prompts& prompts_;
    DrawingStyle shown_;
    DrawingStyle stored_;
    QImage sample_;
    FontNameComboBox* cobFontName = nullptr;
    QComboBox* cobPenClickStyle0 = nullptr;
    QComboBox* cobPenClickStyle1 = nullptr;
    QLabel* imPenColor = nullptr;
    QLabel* imBrushColor = nullptr;
    QLabel* imSample = nullptr;
};

// The 15 figures of the style sample (a ring with a fill, a bond, an arrow and "C2H5OH"), drawn with
// these values onto a 189 x 249 white picture.
QImage drawStyleSample(const DrawingStyle& style);

} // namespace molvane

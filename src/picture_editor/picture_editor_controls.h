#pragma once
// The picture editor's controls, made by its builder (the described names are their objectNames).

#include "dialogs/up_down.h"
#include "picture_editor/colour_cell.h"
#include "dialogs/paint_view.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>
#include <array>

namespace molvane {

inline constexpr int kPaletteCells = 19;
inline constexpr int kPenStyles = 3;

struct PictureEditorControls {
    // Tools: ペン, 線, 面 (with 四角 / 円), 塗り.
    QToolButton *sbPen = nullptr, *sbLine = nullptr, *sbCircle = nullptr, *sbFloodFill = nullptr;
    QRadioButton *rbRect = nullptr, *rbEllip = nullptr;
    TUpDown *udPen = nullptr, *udLine = nullptr;
    QLineEdit *edPen = nullptr, *edLine = nullptr;
    QLabel* pnLastReform = nullptr;
    QToolButton *sbUndo = nullptr, *sbRedo = nullptr, *sbClearAll = nullptr, *sbShowMasu = nullptr,
                *sbShowMihon = nullptr;
    QAction *mmUndo = nullptr, *mmRedo = nullptr;

    // Palette and pen styles.
    std::array<ColourCell*, kPaletteCells> cells{};
    std::array<ColourCell*, kPenStyles> penStyles{};
    QToolButton *sbPallet = nullptr, *sbSpoit = nullptr;
    QLabel *lbR = nullptr, *lbG = nullptr, *lbB = nullptr;

    // Zoom and canvas size.
    TUpDown* zoomUpDown = nullptr; // UpDown1
    QLineEdit* zoomEdit = nullptr; // Edit1
    QCheckBox* cbIncrement = nullptr;
    QPushButton* bt100 = nullptr;
    TUpDown *udWidth = nullptr, *udHeight = nullptr;
    QLineEdit *edWidth = nullptr, *edHeight = nullptr;

    // Range mode and the copied picture.
    QToolButton *sbRange = nullptr, *sbCopy = nullptr, *sbCut = nullptr, *sbDelete = nullptr,
                *sbTrimming = nullptr, *sbPasteShow = nullptr, *sbPasteByouga = nullptr, *sbGenten = nullptr,
                *sbMoji = nullptr;
    QRadioButton *rbRectRange = nullptr, *rbFreeRange = nullptr;
    QLabel *lbByouga = nullptr, *lbRange = nullptr;
    QToolButton* sbFaceSelect = nullptr; // 画像: the import window
    QToolButton *sbFaceShow = nullptr, *sbFaceByouga = nullptr; // the imported picture: 表示/隠す, 描画
    QRadioButton *rbBairituHendou = nullptr, *rbBairituKotei = nullptr; // 連動 / 独立 with the zoom
    QCheckBox* cbHalfTone = nullptr;
    QAction *mmRange = nullptr, *mmCopy = nullptr, *mmCut = nullptr, *mmDelete = nullptr,
            *mmSelectAll = nullptr;

    // The right-button menu (PopupMenu1), which 編集 shows as well, and its groups' items.
    QMenu *mmEdit = nullptr, *popupMenu = nullptr;
    QAction *pmMojiByouga = nullptr, *pmPaste2 = nullptr, *pmClose2 = nullptr, *pmByouga2 = nullptr,
            *pmPaste = nullptr, *pmClose = nullptr, *pmByouga = nullptr, *pmGenten = nullptr,
            *pmReform = nullptr, *pmRotate = nullptr, *pmReverse = nullptr;
    QAction *rangeSeparator = nullptr, *pasteSeparator = nullptr, *shownSeparator = nullptr;

    QCheckBox* cbChangeWhite = nullptr;
    QPushButton *btOK = nullptr, *btCancel = nullptr;
    QScrollArea* scrollBox = nullptr; // ScrollBox1
    PaintView* view = nullptr;        // Image1
    QStatusBar* status = nullptr;     // StatusBar1
};

} // namespace molvane

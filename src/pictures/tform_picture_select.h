#pragma once
// The picture import window (画像の取り込み): a picture file opened, viewed at any zoom and trimmed
// along a cut-out line (a rectangle, an ellipse or a free line) before it goes into the picture editor.
// Every trim can be undone; the adjustment dialog shifts its levels. Made once; its picture, history and
// settings last between showings.

#include "dialogs/file_dialogs.h"
#include "dialogs/paint_view.h"
#include "dialogs/up_down.h"
#include "document/snapshot_ring.h"
#include "painting/cut_out.h"
#include "platform/prompts.h"
#include "platform/tcolor.h"

#include <QDialog>
#include <QImage>

class QCheckBox;
class QMouseEvent;
class QVBoxLayout;
class QScrollArea;
class QStatusBar;
class QToolButton;
class QTimer;

namespace molvane {

class TFormPicEffect;
class TFormSelectWidth;

class TFormPictureSelect : public QDialog {
    Q_OBJECT
public:
    explicit TFormPictureSelect(Prompts& prompts, QWidget* parent = nullptr);

    void setDialogs(TFormSelectWidth* width, TFormPicEffect* effect);
    // The folder the open dialog starts in.
    void setPictureFolder(const QString& folder) { MyOpenPictureDialog.InitialDir = folder; }

    // What OK hands over: the trimmed picture, and whether it is taken at its shown size.
    const QImage& editPicture() const { return edit_; }
    bool shownSize() const;
    int zoom() const { return zoomUpDown_->value(); }
    const CutLine& cutLine() const { return line_; }
    // The last picture file opened.
    const QString& fileName() const { return fileName_; }
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }

    // The commands.
    void openClick();
    void revertClick();
    void sbSelectClick();  // 切り出し
    void eraseClick();     // 範囲消去
    void lineEraseClick(); // 線消去
    void undoClick();
    void redoClick();
    void effectClick();
    void sbBackColorClick();
    void sbSelectColorClick();
    void sbSelectWidthClick();
    void btOKClick();
    void setShape(CutShape shape);

    // The view's events (view pixels).
    void Image1MouseDown(QMouseEvent* e);
    void Image1MouseMove(QMouseEvent* e);
    void Image1MouseUp(QMouseEvent* e);
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    bool FormMouseWheel(QPoint pointer, int delta);

    // Picture pixels to view pixels (ceil above 100 %, nearest with ties to even below) and back
    // (truncated).
    int toView(int p) const;
    int toPicture(int v) const;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    // A recorded picture; every record is a step, even one that changed nothing.
    struct CutState {
        QImage picture;
        quint64 serial = 0;
        bool operator==(const CutState& other) const { return serial == other.serial; }
    };

    void build();
    QWidget* buildButtons();
    void buildMenus(QVBoxLayout* layout);
    void layOut();
    void applyZoom();
    void paintView(Canvas& canvas, const QRect& exposed);
    void paintLine(Canvas& canvas) const;
    void record();
    void resetHistory();
    void showState(const CutState* state);
    void updateButtons();
    void updateWidthGlyph();
    void autoScrollStep();
    QPoint pictureAt(QPoint view) const { return {toPicture(view.x()), toPicture(view.y())}; }

    Prompts& prompts_;
    TMyOpenPictureDialog MyOpenPictureDialog;
    TFormSelectWidth* widthDialog_ = nullptr;
    TFormPicEffect* effectDialog_ = nullptr;
    QImage source_, edit_;
    mutable QImage shown_; // edit_ with pure white transparent, for the view
    mutable qint64 shownKey_ = 0;
    QString fileName_;
    CutLine line_;
    bool dragging_ = false;
    QRect lastLineArea_;     // where the line being dragged was painted last (view pixels)
    QPoint pointer_{-1, -1}; // view pixels, for the dot that follows it
    TColor lineColour_ = 0x0000FF, backColour_ = 0x00FF00;
    int lineWidth_ = 1;
    SnapshotRing<CutState> history_{31};
    quint64 serial_ = 0;

    TUpDown* zoomUpDown_ = nullptr;
    QCheckBox *cbIncrement_ = nullptr, *shownSizeBox_ = nullptr, *cbChangeWhite_ = nullptr;
    QToolButton *sbSelect1_ = nullptr, *sbSelect2_ = nullptr, *sbSelect3_ = nullptr,
                *sbSelectWidth_ = nullptr, *sbUndo_ = nullptr, *sbRedo_ = nullptr;
    QScrollArea* scrollBox_ = nullptr;
    PaintView* view_ = nullptr;
    QStatusBar* status_ = nullptr;
    QTimer* autoScrollTimer_ = nullptr;
};

} // namespace molvane

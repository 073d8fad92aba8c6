// The picture import window: its controls and menus, opening a picture, the trims and their history,
// the line's colour and width, the background colour, the adjustment dialog and OK.

#include "pictures/tform_picture_select.h"

#include "dialogs/dialog_buttons.h"
#include "dialogs/named_controls.h"
#include "painting/enclosed_white.h"
#include "painting/paint_whites.h"
#include "pictures/picture_select_texts.h"
#include "pictures/tform_pic_effect.h"
#include "pictures/tform_select_width.h"
#include "platform/picture_file.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace molvane {

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

QToolButton* button(QWidget* parent, const char* name, const char* caption, const char* hint,
                    bool checkable = false)
{
    auto* b = namedToolButton(parent, name, caption, hint, checkable);
    b->setMinimumSize(0, 28);
    return b;
}

} // namespace

TFormPictureSelect::TFormPictureSelect(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts)
{
    setObjectName(QStringLiteral("FormPictureSelect"));
    setWindowTitle(u(select_texts::kCaption));
    resize(900, 640);
    MyOpenPictureDialog.Title = u(select_texts::kOpenTitle);
    MyOpenPictureDialog.Filter = u(kPictureFilter);
    MyOpenPictureDialog.FilterIndex = 3;
    MyOpenPictureDialog.DefaultExt = QStringLiteral("bmp");
    build();
    resetHistory();
    autoScrollTimer_ = new QTimer(this);
    autoScrollTimer_->setInterval(15);
    connect(autoScrollTimer_, &QTimer::timeout, this, [this] { autoScrollStep(); });
}

void TFormPictureSelect::setDialogs(TFormSelectWidth* width, TFormPicEffect* effect)
{
    widthDialog_ = width;
    effectDialog_ = effect;
}

bool TFormPictureSelect::shownSize() const
{
    return shownSizeBox_->isChecked();
}

void TFormPictureSelect::build()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenus(layout);
    layout->addWidget(buildButtons());
    scrollBox_ = named(new QScrollArea(this), "ScrollBox1", select_texts::kViewHint);
    scrollBox_->setBackgroundRole(QPalette::Dark);
    scrollBox_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scrollBox_->horizontalScrollBar()->setSingleStep(50);
    scrollBox_->verticalScrollBar()->setSingleStep(50);
    view_ = new PaintView;
    view_->setStatusTip(u(select_texts::kViewHint));
    view_->setPainter([this](Canvas& canvas, const QRect& exposed) { paintView(canvas, exposed); });
    view_->setFixedSize(0, 0);
    scrollBox_->setWidget(view_);
    layout->addWidget(scrollBox_, 1);
    status_ = named(new QStatusBar(this), "StatusBar1");
    status_->setSizeGripEnabled(false);
    layout->addWidget(status_);
    connect(view_, &PaintView::mousePressed, this, [this](QMouseEvent* e) { Image1MouseDown(e); });
    connect(view_, &PaintView::mouseMoved, this, [this](QMouseEvent* e) { Image1MouseMove(e); });
    connect(view_, &PaintView::mouseReleased, this, [this](QMouseEvent* e) { Image1MouseUp(e); });
    view_->installEventFilter(this);
    scrollBox_->viewport()->installEventFilter(this);
}

QWidget* TFormPictureSelect::buildButtons()
{
    auto* row = new QWidget(this);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(4, 2, 4, 2);
    h->addWidget(new QLabel(u("表示倍率"), row));
    auto* zoomEdit = named(new QLineEdit(row), "Edit1", select_texts::kZoomHint);
    zoomEdit->setReadOnly(true);
    zoomEdit->setFixedWidth(44);
    zoomEdit->setAlignment(Qt::AlignRight);
    zoomUpDown_ = named(new TUpDown(row), "UpDown1", select_texts::kZoomHint);
    zoomUpDown_->setRange(10, 800);
    zoomUpDown_->setIncrement(10);
    zoomUpDown_->associate(zoomEdit);
    zoomUpDown_->setValue(100);
    connect(zoomUpDown_, &TUpDown::valueChanged, this, [this] { applyZoom(); });
    cbIncrement_ = named(new QCheckBox(u("±10"), row), "cbIncrement", select_texts::kIncrementHint);
    cbIncrement_->setChecked(true);
    connect(cbIncrement_, &QCheckBox::toggled, this, [this](bool down) {
        cbIncrement_->setText(down ? QStringLiteral("±10") : QStringLiteral("±1"));
        zoomUpDown_->setIncrement(down ? 10 : 1);
    });
    auto* bt100 = named(new QPushButton(u("100％"), row), "bt100", select_texts::kZoom100Hint);
    connect(bt100, &QPushButton::clicked, this, [this] { zoomUpDown_->setValue(100); });
    for (QWidget* w : {static_cast<QWidget*>(zoomEdit), static_cast<QWidget*>(zoomUpDown_),
                       static_cast<QWidget*>(cbIncrement_), static_cast<QWidget*>(bt100)})
        h->addWidget(w);
    h->addSpacing(8);
    auto* back = button(row, "sbBackColor", "背景色", select_texts::kBackColorHint);
    auto* colour = button(row, "sbSelectColor", "切り出し線：色", select_texts::kSelectColorHint);
    sbSelectWidth_ = button(row, "sbSelectWidth", "幅", select_texts::kSelectWidthHint);
    sbSelectWidth_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(back, &QToolButton::clicked, this, [this] { sbBackColorClick(); });
    connect(colour, &QToolButton::clicked, this, [this] { sbSelectColorClick(); });
    connect(sbSelectWidth_, &QToolButton::clicked, this, [this] { sbSelectWidthClick(); });
    auto* shapes = new QButtonGroup(row);
    sbSelect1_ = button(row, "sbSelect1", "□", select_texts::kSelect1Hint, true);
    sbSelect2_ = button(row, "sbSelect2", "○", select_texts::kSelect2Hint, true);
    sbSelect3_ = button(row, "sbSelect3", "～", select_texts::kSelect3Hint, true);
    sbSelect1_->setChecked(true);
    const std::pair<QToolButton*, CutShape> shapeButtons[] = {
        {sbSelect1_, CutShape::Rectangle}, {sbSelect2_, CutShape::Ellipse}, {sbSelect3_, CutShape::Free}};
    for (auto [b, shape] : shapeButtons) {
        shapes->addButton(b);
        connect(b, &QToolButton::clicked, this, [this, shape = shape] { setShape(shape); });
    }
    auto* select = button(row, "sbSelect", " 切 り 出 し", select_texts::kSelectHint);
    connect(select, &QToolButton::clicked, this, [this] { sbSelectClick(); });
    sbUndo_ = button(row, "sbUndo", "元に戻す", select_texts::kUndoHint);
    sbRedo_ = button(row, "sbRedo", "先に戻す", select_texts::kRedoHint);
    connect(sbUndo_, &QToolButton::clicked, this, [this] { undoClick(); });
    connect(sbRedo_, &QToolButton::clicked, this, [this] { redoClick(); });
    for (QToolButton* b :
         {back, colour, sbSelectWidth_, sbSelect1_, sbSelect2_, sbSelect3_, select, sbUndo_, sbRedo_})
        h->addWidget(b);
    auto* checks = new QVBoxLayout;
    shownSizeBox_ = named(new QCheckBox(u(select_texts::kShownSizeCaption), row), "CheckBox1",
                          select_texts::kShownSizeHint);
    shownSizeBox_->setChecked(true);
    cbChangeWhite_ = named(new QCheckBox(u(select_texts::kChangeWhiteCaption), row), "cbChangeWhite",
                           select_texts::kChangeWhiteHint);
    cbChangeWhite_->setChecked(true);
    checks->addWidget(shownSizeBox_);
    checks->addWidget(cbChangeWhite_);
    h->addLayout(checks, 1);
    auto* ok = named(new QPushButton(u("OK"), row), "btOK");
    auto* cancel = named(new QPushButton(u("ｷｬﾝｾﾙ"), row), "btCancel");
    connect(ok, &QPushButton::clicked, this, [this] { btOKClick(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    h->addWidget(ok);
    h->addWidget(cancel);
    updateWidthGlyph();
    return row;
}

void TFormPictureSelect::buildMenus(QVBoxLayout* layout)
{
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    const auto item = [this](QMenu* menu, const char* caption, const char* keys, auto slot) {
        QAction* a = menu->addAction(u(caption));
        if (keys)
            a->setShortcut(QKeySequence(QString::fromLatin1(keys)));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* file = bar->addMenu(u("ファイル(&F)"));
    item(file, "開く(&O)", nullptr, [this] { openClick(); });
    item(file, "元画像に戻す(&R)", nullptr, [this] { revertClick(); });
    file->addSeparator();
    item(file, "終了 - [OK] (&X)", nullptr, [this] { btOKClick(); });
    item(file, "終了 - [ｷｬﾝｾﾙ] (&Q)", nullptr, [this] { reject(); });
    QMenu* edit = bar->addMenu(u("編集(&E)"));
    item(edit, "元に戻す(&U)", "Ctrl+Z", [this] { undoClick(); });
    item(edit, "先に戻す(&R)", "Shift+Ctrl+Z", [this] { redoClick(); });
    edit->addSeparator();
    item(edit, "切り出し(&K)", "Ctrl+K", [this] { sbSelectClick(); });
    item(edit, "範囲消去(&H)", "Ctrl+H", [this] { eraseClick(); });
    item(edit, "線消去(&L)", "Ctrl+L", [this] { lineEraseClick(); });
    edit->addSeparator();
    item(edit, "色・明るさ調整(&M)", nullptr, [this] { effectClick(); });
}

void TFormPictureSelect::openClick()
{
    if (!MyOpenPictureDialog.Execute(prompts_))
        return;
    const QString path = MyOpenPictureDialog.FileName;
    // The picture is read before anything changes: a file that cannot be read changes nothing.
    const DecodedImage loaded = loadPictureFile(path);
    if (!loaded.ok()) {
        prompts_.message(pictureLoadMessage(path, loaded.error), MessageType::Error, MessageButtons::Ok);
        return;
    }
    source_ = loaded.image;
    fileName_ = path;
    if (cbChangeWhite_->isChecked())
        convertEnclosedWhite(source_, findPaintWhites().opaque);
    edit_ = source_;
    const QString shown = QDir(QCoreApplication::applicationDirPath()).relativeFilePath(path);
    setWindowTitle(QFileInfo::exists(path) ? shown + QStringLiteral(" ～ ") + u(select_texts::kCaption)
                                           : u(select_texts::kCaption));
    line_ = {};
    layOut();
    resetHistory();
}

void TFormPictureSelect::revertClick()
{
    edit_ = source_;
    line_ = {};
    layOut();
    resetHistory();
}

void TFormPictureSelect::sbSelectClick()
{
    if (!line_.exists())
        return;
    clampCutLine(line_, edit_.size());
    const QImage cut = cutOut(edit_, line_, lineWidth_);
    if (cut.isNull())
        return;
    edit_ = cut;
    line_ = {};
    layOut();
    record();
}

void TFormPictureSelect::eraseClick()
{
    if (!line_.exists())
        return;
    clampCutLine(line_, edit_.size());
    eraseEnclosed(edit_, line_, lineWidth_);
    line_ = {};
    layOut();
    record();
}

void TFormPictureSelect::lineEraseClick()
{
    if (!line_.exists())
        return;
    eraseLine(edit_, line_, lineWidth_);
    line_ = {};
    layOut();
    record();
}

void TFormPictureSelect::resetHistory()
{
    history_.reset({edit_, ++serial_});
    updateButtons();
}

void TFormPictureSelect::record()
{
    history_.push({edit_, ++serial_});
    updateButtons();
}

void TFormPictureSelect::showState(const CutState* state)
{
    if (state) {
        edit_ = state->picture;
        line_ = {};
        layOut();
    }
    updateButtons();
}

void TFormPictureSelect::undoClick()
{
    showState(history_.undo());
}

void TFormPictureSelect::redoClick()
{
    showState(history_.redo());
}

void TFormPictureSelect::updateButtons()
{
    sbUndo_->setEnabled(history_.canUndo());
    sbRedo_->setEnabled(history_.canRedo());
}

void TFormPictureSelect::effectClick()
{
    if (!effectDialog_ || edit_.isNull())
        return;
    // The adjustment works on the picture directly and is no step of the history.
    effectDialog_->setPicture(&edit_, [this] { layOut(); });
    effectDialog_->exec();
}

void TFormPictureSelect::sbBackColorClick()
{
    if (const std::optional<TColor> chosen = prompts_.chooseColor(backColour_)) {
        backColour_ = *chosen;
        view_->update();
    }
}

void TFormPictureSelect::sbSelectColorClick()
{
    if (const std::optional<TColor> chosen = prompts_.chooseColor(lineColour_)) {
        lineColour_ = *chosen;
        view_->update();
    }
}

void TFormPictureSelect::sbSelectWidthClick()
{
    if (!widthDialog_)
        return;
    widthDialog_->setLineWidth(lineWidth_);
    if (widthDialog_->exec() != QDialog::Accepted)
        return;
    lineWidth_ = widthDialog_->lineWidth();
    updateWidthGlyph();
    view_->update();
}

void TFormPictureSelect::updateWidthGlyph()
{
    // A red bar as thick as the line, across a white glyph, centred from top to bottom.
    QImage glyph(24, 24, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    const int thick = std::min(lineWidth_, glyph.height());
    QPainter(&glyph).fillRect(QRect(1, (glyph.height() - thick) / 2, glyph.width() - 2, thick), Qt::red);
    sbSelectWidth_->setIcon(QIcon(QPixmap::fromImage(glyph)));
}

void TFormPictureSelect::setShape(CutShape shape)
{
    line_.shape = shape;
    (shape == CutShape::Rectangle ? sbSelect1_
     : shape == CutShape::Ellipse ? sbSelect2_
                                  : sbSelect3_)
        ->setChecked(true);
}

void TFormPictureSelect::btOKClick()
{
    if (edit_.width() == 0) {
        prompts_.beep(BeepKind::Information);
        prompts_.message(u(select_texts::kNoPicture), MessageType::Warning, MessageButtons::Ok);
        return;
    }
    if (line_.exists()) {
        prompts_.beep(BeepKind::Exclamation);
        if (prompts_.message(u(select_texts::kCutQuestion), MessageType::Confirmation,
                             MessageButtons::YesNo) == Answer::Yes)
            sbSelectClick();
    }
    accept();
}

} // namespace molvane

// Building the main window: the file row, the tool panel, the canvas and
// the status bar (the menus and the reform and character panels have their own files).

#include "document/main_window/main_window_builder.h"
#include "document/canvas_geometry.h"
#include "document/main_window/layout_metrics.h"
#include "document/main_window/main_window_texts.h"
#include "document/main_window/tform1.h"
#include "editing/tool_icons.h"

#include <QCursor>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace molvane {

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

struct ToolRow {
    int tag;
    const char* name;
    const char* caption; // shown instead of a drawn icon
};

constexpr ToolRow kFigureTools[] = {
    {fkMoji, "sbFuncMoji", "Ａ"},    {fkSingle, "sbFuncSingle", "－"}, {fkDouble, "sbFuncDouble", "＝"},
    {fkTriple, "sbFuncTriple", "≡"}, {fkStereo, "sbFuncStereo", ""},   {fkCurve, "sbFuncCurve", ""},
    {fkArrow, "sbFuncAllow", ""},    {fkFree, "sbFuncFree", ""},       {fkPai, "sbFuncPai", ""},
    {fkCircle, "sbFuncCircle", ""},  {fkNuri, "sbFuncNuri", ""},
};

QString toolHint(int tag)
{
    switch (tag) {
    case fkMoji: return u(texts::kMojiHint);
    case fkNuri: return u(texts::kNuriHint);
    case fkFree: return u(texts::kFreeHint);
    case fkArrow: return u(texts::kArrowHint);
    case fkCircle:
        return u(texts::kCircleHintHead) + u(texts::kBondHintTail).section(u(texts::kHintSeparator), 1);
    case fkSingle: return u("単結合") + u(texts::kBondHintTail);
    case fkDouble: return u("二重結合") + u(texts::kBondHintTail);
    case fkTriple: return u("三重結合") + u(texts::kBondHintTail);
    case fkStereo: return u("立体結合") + u(texts::kBondHintTail);
    case fkPai: return u("p 軌道") + u(texts::kBondHintTail);
    case fkCurve: return u("曲線") + u(texts::kBondHintTail);
    default: return {};
    }
}

} // namespace

MainWindowBuilder::MainWindowBuilder(TForm1& window) : w_(window), ui_(window.ui_) {}

void MainWindowBuilder::build()
{
    auto* central = new QWidget(&w_);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(2, 2, 2, 0);
    column->setSpacing(2);
    column->addWidget(buildFileRow());
    column->addWidget(buildOperationPanels());
    column->addWidget(buildCharacterArea());
    buildCanvas();
    column->addWidget(w_.scrollBox_, 1);
    w_.setCentralWidget(central);
    buildMenus();
    buildStatusBar();
}

QToolButton* MainWindowBuilder::toolButton(const QString& name, const QString& hint, const QImage& icon,
                                           const QString& text)
{
    auto* b = new QToolButton(&w_);
    b->setObjectName(name);
    b->setFixedSize(kToolButtonSize, kToolButtonSize);
    b->setAutoRaise(false);
    if (!text.isEmpty()) {
        b->setText(text);
        QFont f = b->font();
        f.setPixelSize(16);
        b->setFont(f);
    } else if (!icon.isNull()) {
        b->setIcon(QIcon(QPixmap::fromImage(icon)));
        b->setIconSize(icon.size());
    }
    setHint(b, hint);
    return b;
}

QWidget* MainWindowBuilder::buildFileRow()
{
    auto* row = new QWidget(&w_);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(kPanelLeft, 0, 0, 0);
    h->setSpacing(2);
    struct Button {
        const char* name;
        const char* caption;
        QString hint;
    };
    const Button buttons[] = {
        {"sbLoad", "部分図形\n開く", u("部分図形ファイルを開く")},
        {"sbSave", "部分図形\n保存", u("部分図形ファイルとして保存")},
        {"sbPicLoad", "部分画像\n開く", u(texts::kPicLoadHint)},
        {"sbPicSave", "部分画像\n保存", u(texts::kPicSaveHint)},
        {"sbPicLoadEx", "画像\nエディタ", u(texts::kPicLoadExHint)},
        {"sbShowMihon", "見本", u(texts::kShowMihonHint)},
        {"sbSetup", "環境\n設定", u(texts::kSetupHint)},
    };
    for (const Button& b : buttons) {
        auto* button = new QToolButton(row);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setText(u(b.caption));
        button->setFixedSize(58, 34);
        setHint(button, b.hint);
        h->addWidget(button);
        if (button->objectName() == QLatin1String("sbLoad"))
            QObject::connect(button, &QToolButton::clicked, &w_, [w = &w_] { w->sbLoadClick(); });
        else if (button->objectName() == QLatin1String("sbSave"))
            QObject::connect(button, &QToolButton::clicked, &w_, [w = &w_] { w->sbSaveClick(); });
        else if (button->objectName() == QLatin1String("sbPicLoadEx"))
            QObject::connect(button, &QToolButton::clicked, &w_,
                             [w = &w_] { w->pictures_.sbPicLoadExClick(); });
        else if (button->objectName() == QLatin1String("sbShowMihon")) {
            button->setCheckable(true);
            QObject::connect(button, &QToolButton::toggled, &w_,
                             [w = &w_](bool down) { w->pictures_.sbShowMihonClick(down); });
        } else if (button->objectName() == QLatin1String("sbPicLoad"))
            QObject::connect(button, &QToolButton::clicked, &w_,
                             [w = &w_] { w->pictures_.sbPicLoadClick(); });
        else if (button->objectName() == QLatin1String("sbPicSave"))
            QObject::connect(button, &QToolButton::clicked, &w_,
                             [w = &w_] { w->pictures_.sbPicSaveClick(); });
        else if (button->objectName() == QLatin1String("sbSetup"))
            QObject::connect(button, &QToolButton::clicked, &w_, [w = &w_] { w->sbSetupClick(); });
    }
    h->addSpacing(16);
    const auto numberBox = [&](const char* label, const char* editName, const char* upDownName, int lo,
                               int hi, int value, int step, TUpDown*& upDown, QLineEdit*& edit) {
        h->addWidget(rightAlignedCaption(label, row));
        edit = new QLineEdit(row);
        edit->setObjectName(QString::fromLatin1(editName));
        edit->setFixedWidth(44);
        edit->setAlignment(Qt::AlignRight);
        upDown = new TUpDown(row);
        upDown->setObjectName(QString::fromLatin1(upDownName));
        upDown->setRange(lo, hi);
        upDown->setIncrement(step);
        upDown->associate(edit);
        upDown->setValue(value);
        h->addWidget(edit);
        h->addWidget(upDown);
    };
    numberBox("表示倍率", "Edit2", "UpDown2", kMinZoom, kMaxZoom, kDefaultZoom, 5, ui_.zoomUpDown,
              ui_.zoomEdit);
    ui_.zoomEdit->setReadOnly(true);
    ui_.zoomUpDown->setStepRule(zoomAfterStep);
    QObject::connect(ui_.zoomUpDown, &TUpDown::clicked, &w_, [w = &w_](bool up) { w->UpDown2Click(up); });
    h->addWidget(rightAlignedCaption("%", row));
    h->addSpacing(12);
    numberBox("幅", "edWidth", "udWidth", 100, 2000, kDefaultCanvasWidth, 10, ui_.udWidth, ui_.edWidth);
    numberBox("高さ", "edHeight", "udHeight", 50, 1500, kDefaultCanvasHeight, 10, ui_.udHeight, ui_.edHeight);
    QObject::connect(ui_.udWidth, &TUpDown::clicked, &w_, [w = &w_](bool) { w->applyCanvasSize(); });
    QObject::connect(ui_.udHeight, &TUpDown::clicked, &w_, [w = &w_](bool) { w->applyCanvasSize(); });
    for (QLineEdit* e : {ui_.edWidth, ui_.edHeight}) {
        QObject::connect(e, &QLineEdit::textEdited, &w_, [w = &w_] {
            // A height still being typed (below 100) is not applied yet.
            bool ok = false;
            const int height = w->ui_.edHeight->text().toInt(&ok);
            if ((ok ? height : 100) <= 99)
                return;
            w->ui_.udWidth->takeTyped();
            w->ui_.udHeight->takeTyped();
            w->applyCanvasSizeIfChanged();
        });
        QObject::connect(e, &QLineEdit::editingFinished, &w_, [w = &w_, e] {
            (e == w->ui_.edWidth ? w->ui_.udWidth : w->ui_.udHeight)->settleTyped();
            w->applyCanvasSizeIfChanged();
        });
    }
    h->addStretch(1);
    return row;
}

QWidget* MainWindowBuilder::buildOperationPanels()
{
    ui_.pnOperation = new QWidget(&w_);
    ui_.pnOperation->setObjectName(QStringLiteral("pnOperation"));
    ui_.toolPanel = buildToolPanel();
    ui_.reformPanel = buildReformPanel();
    ui_.toolPanel->setParent(ui_.pnOperation);
    ui_.reformPanel->setParent(ui_.pnOperation);
    ui_.sbPosFunc = new QToolButton(ui_.pnOperation);
    ui_.sbPosFunc->setObjectName(QStringLiteral("sbPosFunc"));
    ui_.sbPosFunc->setProperty("tag", 1);
    ui_.sbPosFunc->setText(u("←"));
    ui_.sbPosFunc->setFixedSize(22, kToolButtonSize + 8);
    setHint(ui_.sbPosFunc, u(texts::kPosFuncHint));
    QObject::connect(ui_.sbPosFunc, &QToolButton::clicked, &w_, [w = &w_] { w->sbPosFuncClick(); });
    w_.layoutPanels();
    return ui_.pnOperation;
}

QWidget* MainWindowBuilder::buildToolPanel()
{
    auto* panel = new QGroupBox(&w_);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* h = new QHBoxLayout(panel);
    h->setContentsMargins(4, 4, 4, 4);
    h->setSpacing(1);
    ui_.toolGroup = new QButtonGroup(&w_);
    ui_.toolGroup->setExclusive(true);
    const auto add = [&](int tag, const QString& name, const QString& hint, const QString& text) {
        QToolButton* b = toolButton(name, hint, toolIcon(tag, 24), text);
        b->setCheckable(true);
        b->setProperty("tag", tag);
        ui_.toolGroup->addButton(b, tag);
        ui_.toolButtons[tag] = b;
        h->addWidget(b);
        QObject::connect(b, &QToolButton::clicked, &w_, [w = &w_, tag] { w->toolButtonClicked(tag); });
    };
    for (const ToolRow& t : kFigureTools)
        add(t.tag, QString::fromLatin1(t.name), toolHint(t.tag), u(t.caption));
    h->addSpacing(6);
    add(kIndividualTag, QStringLiteral("sbKobetu"),
        u(texts::kSelectIndividualHint) + u(texts::kContinueSelectHint), {});
    add(kRectRangeTag, QStringLiteral("sbBubun"), u(texts::kSelectRectHint) + u(texts::kContinueSelectHint),
        {});
    add(kFreeRangeTag, QStringLiteral("sbFreeBubun"),
        u(texts::kSelectFreeHint) + u(texts::kContinueSelectHint), {});
    // Both range buttons enter the range mode.
    ui_.toolButtons[kFreeRangeTag]->setProperty("tag", int(EditMode::RangeDrawing));
    h->addSpacing(6);
    for (const auto& [tag, name, hint] :
         {std::tuple{EditMode::Connect, "sbConnect", texts::kConnectHint},
          std::tuple{EditMode::Disconnect, "sbConnectCancel", texts::kConnectCancelHint}}) {
        QToolButton* b = toolButton(QString::fromLatin1(name), u(hint), toolIcon(int(tag), 24));
        QObject::connect(b, &QToolButton::clicked, &w_, [w = &w_, mode = tag] { w->enterPickMode(mode); });
        h->addWidget(b);
    }
    return panel;
}

void MainWindowBuilder::buildCanvas()
{
    w_.scrollBox_ = new QScrollArea(&w_);
    w_.scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
    w_.scrollBox_->setWidgetResizable(false);
    w_.scrollBox_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    w_.scrollBox_->setBackgroundRole(QPalette::Dark);
    w_.view_ = new CanvasView(w_.drawing_, w_.scrollBox_);
    w_.scrollBox_->setWidget(w_.view_);
    w_.scrollBox_->horizontalScrollBar()->setSingleStep(50);
    w_.scrollBox_->verticalScrollBar()->setSingleStep(50);
    setHint(w_.view_, u(texts::kCanvasHint));
    setHint(w_.scrollBox_, u(texts::kCanvasHint));
    QObject::connect(w_.view_, &CanvasView::mousePressed, &w_,
                     [w = &w_](QMouseEvent* e) { w->Image1MouseDown(e); });
    QObject::connect(w_.view_, &CanvasView::mouseMoved, &w_,
                     [w = &w_](QMouseEvent* e) { w->Image1MouseMove(e); });
    QObject::connect(w_.view_, &CanvasView::mouseReleased, &w_,
                     [w = &w_](QMouseEvent* e) { w->Image1MouseUp(e); });
    QObject::connect(w_.view_, &CanvasView::mouseLeft, &w_, [w = &w_] { w->view_->eraseMarks(); });
    w_.view_->setOverlayPainter(
        [w = &w_](Canvas& canvas, const QRect& exposed) { w->paintOverlays(canvas, exposed); },
        [w = &w_] { return w->overlayArea(); });
    w_.keys_.createTimers(&w_);
    w_.autoScroll_.createTimer(&w_);
}

void MainWindowBuilder::buildStatusBar()
{
    ui_.statusPanel1 = new QLabel(&w_);
    ui_.statusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    // A fixed size in both directions: the position it shows changes with every mouse move, and a
    // panel that could grow would lay the window out again each time.
    // Wide enough for four five-digit numbers and the longest tool name.
    const QFontMetrics metrics = ui_.statusPanel1->fontMetrics();
    const int widest = metrics.horizontalAdvance(u("X=-8888, Y=-8888, W=8888, H=8888, 選択モード（範囲）"));
    ui_.statusPanel1->setFixedSize(widest + metrics.averageCharWidth(), metrics.height());
    ui_.statusPanel2 = new QLabel(&w_);
    ui_.statusPanel2->setObjectName(QStringLiteral("StatusPanel2"));
    ui_.statusPanel2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    w_.statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    w_.statusBar()->setSizeGripEnabled(false);
    w_.statusBar()->addWidget(ui_.statusPanel1);
    w_.statusBar()->addWidget(ui_.statusPanel2, 1);
    // A click on either panel is a click on the bar (it flips the second panel's alignment).
    ui_.statusPanel1->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui_.statusPanel2->setAttribute(Qt::WA_TransparentForMouseEvents);
}

} // namespace molvane

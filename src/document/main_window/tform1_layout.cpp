// The controls of the main window and where they sit: the file row, the tool panel, the canvas and
// the status bar (the menus and the reform and character panels have their own files).

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

namespace molvane {

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

struct ToolRow {
    int tag;
    const char* name;
    const char* caption; // shown instead of a drawn icon
};

constexpr ToolRow kFigureTools[] = {
    {fkMoji, "sbFuncMoji", "Ａ"},   {fkSingle, "sbFuncSingle", "－"}, {fkDouble, "sbFuncDouble", "＝"},
    {fkTriple, "sbFuncTriple", "≡"}, {fkStereo, "sbFuncStereo", ""},  {fkCurve, "sbFuncCurve", ""},
    {fkArrow, "sbFuncAllow", ""},    {fkFree, "sbFuncFree", ""},      {fkPai, "sbFuncPai", ""},
    {fkCircle, "sbFuncCircle", ""},  {fkNuri, "sbFuncNuri", ""},
};

QString toolHint(int tag)
{
    switch (tag) {
    case fkMoji: return u(texts::kMojiHint);
    case fkNuri: return u(texts::kNuriHint);
    case fkFree: return u(texts::kFreeHint);
    case fkArrow: return u(texts::kArrowHint);
    case fkCircle: return u(texts::kCircleHintHead) + u(texts::kBondHintTail).section(u(texts::kHintSeparator), 1);
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

void TForm1::setHint(QWidget* w, const QString& hint)
{
    w->setToolTip(hint);
    w->setStatusTip(hint);
}

QToolButton* TForm1::toolButton(const QString& name, const QString& hint, const QImage& icon, const QString& text)
{
    auto* b = new QToolButton(this);
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

QWidget* TForm1::buildFileRow()
{
    auto* row = new QWidget(this);
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
            connect(button, &QToolButton::clicked, this, [this] { sbLoadClick(); });
        else if (button->objectName() == QLatin1String("sbSave"))
            connect(button, &QToolButton::clicked, this, [this] { sbSaveClick(); });
        else if (button->objectName() == QLatin1String("sbSetup"))
            connect(button, &QToolButton::clicked, this, [this] { sbSetupClick(); });
        else
            button->setEnabled(false); // these commands come with their windows
    }
    h->addSpacing(16);
    const auto numberBox = [&](const char* label, const char* editName, const char* upDownName, int lo, int hi,
                               int value, int step, TUpDown*& upDown, QLineEdit*& edit) {
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
    numberBox("表示倍率", "Edit2", "UpDown2", kMinZoom, kMaxZoom, kDefaultZoom, 5, ui_.zoomUpDown, ui_.zoomEdit);
    ui_.zoomEdit->setReadOnly(true);
    ui_.zoomUpDown->setStepRule(zoomAfterStep);
    connect(ui_.zoomUpDown, &TUpDown::clicked, this, [this](bool up) { UpDown2Click(up); });
    h->addWidget(rightAlignedCaption("%", row));
    h->addSpacing(12);
    numberBox("幅", "edWidth", "udWidth", 100, 2000, kDefaultCanvasWidth, 10, ui_.udWidth, ui_.edWidth);
    numberBox("高さ", "edHeight", "udHeight", 50, 1500, kDefaultCanvasHeight, 10, ui_.udHeight, ui_.edHeight);
    connect(ui_.udWidth, &TUpDown::clicked, this, [this](bool) { applyCanvasSize(); });
    connect(ui_.udHeight, &TUpDown::clicked, this, [this](bool) { applyCanvasSize(); });
    for (QLineEdit* e : {ui_.edWidth, ui_.edHeight}) {
        connect(e, &QLineEdit::textEdited, this, [this] {
            // A height still being typed (below 100) is not applied yet.
            bool ok = false;
            const int height = ui_.edHeight->text().toInt(&ok);
            if ((ok ? height : 100) <= 99)
                return;
            ui_.udWidth->takeTyped();
            ui_.udHeight->takeTyped();
            applyCanvasSizeIfChanged();
        });
        connect(e, &QLineEdit::editingFinished, this, [this, e] {
            (e == ui_.edWidth ? ui_.udWidth : ui_.udHeight)->settleTyped();
            applyCanvasSizeIfChanged();
        });
    }
    h->addStretch(1);
    return row;
}

QWidget* TForm1::buildOperationPanels()
{
    ui_.pnOperation = new QWidget(this);
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
    connect(ui_.sbPosFunc, &QToolButton::clicked, this, [this] { sbPosFuncClick(); });
    layoutPanels();
    return ui_.pnOperation;
}

void TForm1::layoutPanels()
{
    const bool toolsFirst = ui_.sbPosFunc->property("tag").toInt() == 1;
    QWidget* first = toolsFirst ? ui_.toolPanel : ui_.reformPanel;
    QWidget* second = toolsFirst ? ui_.reformPanel : ui_.toolPanel;
    const int height = std::max(ui_.toolPanel->sizeHint().height(), ui_.reformPanel->sizeHint().height());
    first->setGeometry(kPanelLeft, 0, first->sizeHint().width(), height);
    second->setGeometry(first->geometry().right() + 2, 0, second->sizeHint().width(), height);
    ui_.sbPosFunc->move(second->geometry().right() + 6, (height - ui_.sbPosFunc->height()) / 2);
    ui_.sbPosFunc->setText(toolsFirst ? u("←") : u("→"));
    ui_.pnOperation->setFixedHeight(height);
}

QWidget* TForm1::buildToolPanel()
{
    auto* panel = new QGroupBox(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* h = new QHBoxLayout(panel);
    h->setContentsMargins(4, 4, 4, 4);
    h->setSpacing(1);
    ui_.toolGroup = new QButtonGroup(this);
    ui_.toolGroup->setExclusive(true);
    const auto add = [&](int tag, const QString& name, const QString& hint, const QString& text) {
        QToolButton* b = toolButton(name, hint, toolIcon(tag, 24), text);
        b->setCheckable(true);
        b->setProperty("tag", tag);
        ui_.toolGroup->addButton(b, tag);
        ui_.toolButtons[tag] = b;
        h->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, tag] { toolButtonClicked(tag); });
    };
    for (const ToolRow& t : kFigureTools)
        add(t.tag, QString::fromLatin1(t.name), toolHint(t.tag), u(t.caption));
    h->addSpacing(6);
    add(kIndividualTag, QStringLiteral("sbKobetu"), u(texts::kSelectIndividualHint) + u(texts::kContinueSelectHint), {});
    add(kRectRangeTag, QStringLiteral("sbBubun"), u(texts::kSelectRectHint) + u(texts::kContinueSelectHint), {});
    add(kFreeRangeTag, QStringLiteral("sbFreeBubun"), u(texts::kSelectFreeHint) + u(texts::kContinueSelectHint), {});
    // Both range buttons enter the range mode.
    ui_.toolButtons[kFreeRangeTag]->setProperty("tag", int(EditMode::RangeDrawing));
    h->addSpacing(6);
    for (const auto& [tag, name, hint] :
         {std::tuple{EditMode::Connect, "sbConnect", texts::kConnectHint},
          std::tuple{EditMode::Disconnect, "sbConnectCancel", texts::kConnectCancelHint}}) {
        QToolButton* b = toolButton(QString::fromLatin1(name), u(hint), toolIcon(int(tag), 24));
        connect(b, &QToolButton::clicked, this, [this, mode = tag] { enterPickMode(mode); });
        h->addWidget(b);
    }
    return panel;
}

void TForm1::buildCanvas()
{
    scrollBox_ = new QScrollArea(this);
    scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox_->setWidgetResizable(false);
    scrollBox_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scrollBox_->setBackgroundRole(QPalette::Dark);
    view_ = new CanvasView(drawing_, scrollBox_);
    scrollBox_->setWidget(view_);
    scrollBox_->horizontalScrollBar()->setSingleStep(50);
    scrollBox_->verticalScrollBar()->setSingleStep(50);
    setHint(view_, u(texts::kCanvasHint));
    setHint(scrollBox_, u(texts::kCanvasHint));
    connect(view_, &CanvasView::mousePressed, this, [this](QMouseEvent* e) { Image1MouseDown(e); });
    connect(view_, &CanvasView::mouseMoved, this, [this](QMouseEvent* e) { Image1MouseMove(e); });
    connect(view_, &CanvasView::mouseReleased, this, [this](QMouseEvent* e) { Image1MouseUp(e); });
    connect(view_, &CanvasView::mouseLeft, this, [this] { view_->eraseMarks(); });
    view_->setOverlayPainter([this](Canvas& canvas, const QRect& exposed) { paintOverlays(canvas, exposed); },
                              [this] { return overlayArea(); });
    keys_.createTimers(this);
    autoScrollTimer_ = new QTimer(this);
    autoScrollTimer_->setInterval(15);
    connect(autoScrollTimer_, &QTimer::timeout, this,
            [this] { autoScrollStep(scrollBox_->viewport()->mapFromGlobal(QCursor::pos())); });
}

void TForm1::buildStatusBar()
{
    ui_.statusPanel1 = new QLabel(this);
    ui_.statusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    // A fixed size in both directions: the position it shows changes with every mouse move, and a
    // panel that could grow would lay the window out again each time.
    // Wide enough for four five-digit numbers and the longest tool name.
    const QFontMetrics metrics = ui_.statusPanel1->fontMetrics();
    const int widest = metrics.horizontalAdvance(u("X=-8888, Y=-8888, W=8888, H=8888, 選択モード（範囲）"));
    ui_.statusPanel1->setFixedSize(widest + metrics.averageCharWidth(), metrics.height());
    ui_.statusPanel2 = new QLabel(this);
    ui_.statusPanel2->setObjectName(QStringLiteral("StatusPanel2"));
    ui_.statusPanel2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(ui_.statusPanel1);
    statusBar()->addWidget(ui_.statusPanel2, 1);
    // A click on either panel is a click on the bar (it flips the second panel's alignment).
    ui_.statusPanel1->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui_.statusPanel2->setAttribute(Qt::WA_TransparentForMouseEvents);
}

} // namespace molvane

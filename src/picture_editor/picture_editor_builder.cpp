#include "picture_editor/picture_editor_builder.h"

#include "dialogs/named_controls.h"
#include "picture_editor/picture_editor_popup.h"
#include "picture_editor/picture_editor_texts.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

namespace molvane {

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

QToolButton* toolButton(QWidget* parent, const char* name, const char* caption, const char* hint,
                        bool checkable)
{
    return namedToolButton(parent, name, caption, hint, checkable);
}

// A number box with its up-down at its right.
TUpDown* numberBox(QHBoxLayout* row, QWidget* parent, const char* editName, const char* upDownName, int lo,
                   int hi, int value, int step, const char* editHint, const char* upDownHint,
                   QLineEdit*& edit)
{
    edit = named(new QLineEdit(parent), editName, editHint);
    edit->setFixedWidth(44);
    edit->setAlignment(Qt::AlignRight);
    auto* upDown = named(new TUpDown(parent), upDownName, upDownHint);
    upDown->setRange(lo, hi);
    upDown->setIncrement(step);
    upDown->associate(edit);
    upDown->setValue(value);
    row->addWidget(edit);
    row->addWidget(upDown);
    return upDown;
}

// Two crop marks around a dashed frame: what trimming keeps.
QIcon trimmingGlyph()
{
    QPixmap glyph(22, 22);
    glyph.fill(Qt::transparent);
    QPainter p(&glyph);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(5, 1, 5, 17);
    p.drawLine(5, 17, 21, 17);
    p.drawLine(1, 5, 17, 5);
    p.drawLine(17, 5, 17, 21);
    p.setPen(QPen(Qt::red, 1, Qt::DotLine));
    p.drawRect(7, 7, 8, 8);
    return QIcon(glyph);
}

QPixmap penStylePicture(Qt::PenStyle style)
{
    QPixmap picture(40, 12);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setPen(QPen(Qt::black, 2, style));
    p.drawLine(2, 6, 37, 6);
    return picture;
}

void buildMenus(QDialog& window, QVBoxLayout* layout, PictureEditorControls& c)
{
    auto* bar = new QMenuBar(&window);
    layout->setMenuBar(bar);
    QMenu* file = bar->addMenu(u("ファイル(&F)"));
    const auto item = [&](QMenu* menu, const char* name, const char* caption, const char* keys = nullptr) {
        QAction* a = menu->addAction(u(caption));
        a->setObjectName(QString::fromLatin1(name));
        if (keys)
            a->setShortcut(QKeySequence(QString::fromLatin1(keys)));
        return a;
    };
    for (auto [name, caption] :
         {std::pair{"mmFileNew", "新規作成(&N)"}, std::pair{"mmPicOpen", "開く(&O)"},
          std::pair{"mmPicSave", "上書き保存(&S)"}, std::pair{"mmPicSaveAs", "名前を付けて保存(&A)"}})
        item(file, name, caption);
    file->addSeparator();
    item(file, "mmExit1", "終了 - [OK] (&X)");
    QObject::connect(item(file, "mmExit2", "終了 - [ｷｬﾝｾﾙ] (&Q)"), &QAction::triggered, &window,
                     &QDialog::reject);
    // 編集 shows the right-button menu's items (see picture_editor_popup.h).
    c.mmEdit = bar->addMenu(u("編集(&E)"));
    c.mmEdit->setObjectName(QStringLiteral("mmEdit"));
}

QWidget* buildToolRow(QDialog& window, PictureEditorControls& c)
{
    auto* row = new QWidget(&window);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(4, 2, 4, 2);
    auto* group = new QButtonGroup(row);
    c.sbPen = toolButton(row, "sbPen", "ペン", paint_texts::kPenHint, true);
    c.sbLine = toolButton(row, "sbLine", "線", paint_texts::kLineHint, true);
    c.sbCircle = toolButton(row, "sbCircle", "面", paint_texts::kCircleHint, true);
    c.sbFloodFill = toolButton(row, "sbFloodFill", "塗り", paint_texts::kFloodFillHint, true);
    c.rbRect = named(new QRadioButton(u("四角"), row), "rbRect", paint_texts::kRectHint);
    c.rbEllip = named(new QRadioButton(u("円"), row), "rbEllip", paint_texts::kEllipHint);
    c.rbRect->setChecked(true);
    for (QToolButton* b : {c.sbPen, c.sbLine, c.sbCircle})
        group->addButton(b), h->addWidget(b);
    auto* shapes = new QVBoxLayout;
    shapes->addWidget(c.rbRect);
    shapes->addWidget(c.rbEllip);
    h->addLayout(shapes);
    group->addButton(c.sbFloodFill);
    h->addWidget(c.sbFloodFill);
    c.sbPen->setChecked(true);
    h->addSpacing(12);
    h->addWidget(new QLabel(u("線幅"), row));
    c.udPen = numberBox(h, row, "edPen", "udPen", 1, 50, 1, 1, nullptr, paint_texts::kPenWidthHint, c.edPen);
    h->addWidget(new QLabel(u("曲率"), row));
    c.udLine =
        numberBox(h, row, "edLine", "udLine", -50, 50, 0, 1, nullptr, paint_texts::kCurvatureHint, c.edLine);
    c.pnLastReform = named(new QLabel(u("変形"), row), "pnLastReform", paint_texts::kLastReformHint);
    c.pnLastReform->setFixedSize(44, 28);
    c.pnLastReform->setAlignment(Qt::AlignCenter);
    c.pnLastReform->setFrameStyle(QFrame::Panel | QFrame::Raised);
    c.pnLastReform->setAutoFillBackground(true);
    h->addWidget(c.pnLastReform);
    h->addSpacing(12);
    c.sbUndo = toolButton(row, "sbUndo", "元に戻す", paint_texts::kUndoHint, false);
    c.sbRedo = toolButton(row, "sbRedo", "先に戻す", paint_texts::kRedoHint, false);
    c.sbClearAll = toolButton(row, "sbClearAll", "全消去", paint_texts::kClearAllHint, false);
    c.sbShowMasu = toolButton(row, "sbShowMasu", "罫線", paint_texts::kShowMasuHint, true);
    c.sbShowMihon = toolButton(row, "sbShowMihon", "見本", paint_texts::kShowMihonHint, true);
    for (QToolButton* b : {c.sbUndo, c.sbRedo, c.sbClearAll, c.sbShowMasu, c.sbShowMihon})
        h->addWidget(b);
    h->addStretch();
    return row;
}

// 範囲 with its two shapes, the range commands, the copied picture's commands and the mode labels.
void buildRangePanel(QWidget* row, QHBoxLayout* h, PictureEditorControls& c)
{
    c.sbRange = toolButton(row, "sbRange", "範囲", paint_texts::kRangeHint, true);
    if (auto* group = c.sbPen->group())
        group->addButton(c.sbRange);
    c.rbRectRange = named(new QRadioButton(u("四角"), row), "rbRectRange", paint_texts::kRectRangeHint);
    c.rbFreeRange = named(new QRadioButton(u("自由"), row), "rbFreeRange", paint_texts::kFreeRangeHint);
    c.rbRectRange->setChecked(true);
    auto* shapes = new QVBoxLayout;
    shapes->addWidget(c.rbRectRange);
    shapes->addWidget(c.rbFreeRange);
    h->addWidget(c.sbRange);
    h->addLayout(shapes);
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    c.sbCopy = toolButton(row, "sbCopy", "ｺﾋﾟｰ", paint_texts::kCopyHint, false);
    c.sbCut = toolButton(row, "sbCut", "切取", paint_texts::kCutHint, false);
    c.sbDelete = toolButton(row, "sbDelete", "消去", paint_texts::kDeleteHint, false);
    c.sbTrimming = toolButton(row, "sbTrimming", "", paint_texts::kTrimmingHint, false);
    c.sbTrimming->setIcon(trimmingGlyph());
    c.sbPasteShow = toolButton(row, "sbPasteShow", "表示", paint_texts::kPasteShowHint, true);
    c.sbPasteByouga = toolButton(row, "sbPasteByouga", "描画", paint_texts::kPasteByougaHint, false);
    c.sbGenten = toolButton(row, "sbGenten", "原点移動", paint_texts::kGentenHint, false);
    c.sbMoji = toolButton(row, "sbMoji", "文字", paint_texts::kMojiHint, false);
    c.sbFaceSelect = toolButton(row, "sbFaceSelect", "画像", paint_texts::kFaceSelectHint, false);
    c.sbFaceShow = toolButton(row, "sbFaceShow", "表示", paint_texts::kFaceShowHint, false);
    c.sbFaceByouga = toolButton(row, "sbFaceByouga", "描画", paint_texts::kFaceByougaHint, false);
    // Two rows: the range's commands and 画像 with the imported picture's; the copied picture's and 文字.
    QToolButton* const order[] = {c.sbCopy,        c.sbCut,      c.sbDelete,     c.sbTrimming,
                                  c.sbFaceSelect,  c.sbFaceShow, c.sbFaceByouga, c.sbPasteShow,
                                  c.sbPasteByouga, c.sbGenten,   c.sbMoji};
    for (int i = 0; i < 11; ++i)
        grid->addWidget(order[i], i < 7 ? 0 : 1, i < 7 ? i : i - 7);
    h->addLayout(grid);
    auto* coupling = new QVBoxLayout;
    c.rbBairituHendou = named(new QRadioButton(u("連動"), row), "rbBairituHendou", paint_texts::kHendouHint);
    c.rbBairituKotei = named(new QRadioButton(u("独立"), row), "rbBairituKotei", paint_texts::kKoteiHint);
    c.rbBairituHendou->setChecked(true);
    coupling->addWidget(c.rbBairituHendou);
    coupling->addWidget(c.rbBairituKotei);
    h->addLayout(coupling);
    auto* labels = new QVBoxLayout;
    c.lbByouga = named(new QLabel(u(paint_texts::kByougaModeLabel), row), "lbByouga");
    c.lbRange = named(new QLabel(u(paint_texts::kRangeModeLabel), row), "lbRange");
    for (QLabel* l : {c.lbByouga, c.lbRange}) {
        l->setAutoFillBackground(true);
        l->setMargin(2);
        labels->addWidget(l);
    }
    c.cbHalfTone = named(new QCheckBox(u("ハーフトーン描画"), row), "cbHalfTone", paint_texts::kHalfToneHint);
    labels->addWidget(c.cbHalfTone);
    h->addLayout(labels);
}

QWidget* buildPaletteRow(QDialog& window, PictureEditorControls& c)
{
    auto* row = new QWidget(&window);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(4, 2, 4, 2);
    auto* pallet = named(new QWidget(row), "pnPallet", paint_texts::kPalletHint);
    auto* pv = new QVBoxLayout(pallet);
    pv->setSpacing(1);
    pv->setContentsMargins(0, 0, 0, 0);
    auto* topRow = new QHBoxLayout;
    topRow->setSpacing(1);
    auto* grid = new QGridLayout;
    grid->setSpacing(1);
    pv->addLayout(topRow);
    pv->addLayout(grid);
    for (int i = 0; i < kPaletteCells; ++i) {
        const bool top = i < 4;
        auto* cell = new ColourCell(i, top ? QSize(28, 20) : QSize(22, 20), pallet);
        cell->setObjectName(QStringLiteral("pnC%1").arg(i, 2, 10, QLatin1Char('0')));
        cell->setStatusTip(u(paint_texts::kPalletHint));
        c.cells[std::size_t(i)] = cell;
        if (top)
            topRow->addWidget(cell);
        else
            grid->addWidget(cell, (i - 4) / 5, (i - 4) % 5);
    }
    c.cells[2]->setText(u("ｽﾎﾟ"));
    c.cells[3]->setText(u("消"));
    h->addWidget(pallet);
    c.sbPallet = toolButton(row, "sbPallet", "色変更", paint_texts::kPalletChangeHint, false);
    c.sbSpoit = toolButton(row, "sbSpoit", "ｽﾎﾟｲﾄ", paint_texts::kSpoitHint, true);
    h->addWidget(c.sbPallet);
    h->addWidget(c.sbSpoit);
    auto* rgb = new QVBoxLayout;
    c.lbR = named(new QLabel(u("R=255"), row), "lbR");
    c.lbG = named(new QLabel(u("G=255"), row), "lbG");
    c.lbB = named(new QLabel(u("B=255"), row), "lbB");
    for (QLabel* l : {c.lbR, c.lbG, c.lbB})
        rgb->addWidget(l);
    h->addLayout(rgb);
    auto* styles = named(new QWidget(row), "pnPenStyle", paint_texts::kPenStyleHint);
    auto* sv = new QVBoxLayout(styles);
    sv->setSpacing(1);
    sv->setContentsMargins(0, 0, 0, 0);
    const Qt::PenStyle penStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};
    for (int i = 0; i < kPenStyles; ++i) {
        auto* cell = new ColourCell(i, QSize(48, 18), styles);
        cell->setObjectName(QStringLiteral("pnP%1").arg(i));
        cell->setStatusTip(u(paint_texts::kPenStyleHint));
        cell->setPixmap(penStylePicture(penStyles[i]));
        cell->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        c.penStyles[std::size_t(i)] = cell;
        sv->addWidget(cell);
    }
    h->addWidget(styles);
    h->addSpacing(12);
    buildRangePanel(row, h, c);
    h->addStretch();
    return row;
}

QWidget* buildSizeRow(QDialog& window, PictureEditorControls& c)
{
    auto* row = new QWidget(&window);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(4, 2, 4, 2);
    h->addWidget(new QLabel(u("表示倍率"), row));
    c.zoomUpDown = numberBox(h, row, "Edit1", "UpDown1", 10, 800, 100, 10, paint_texts::kZoomHint,
                             paint_texts::kZoomHint, c.zoomEdit);
    c.zoomEdit->setReadOnly(true);
    h->addWidget(new QLabel(u("％"), row));
    c.cbIncrement = named(new QCheckBox(u("±10"), row), "cbIncrement", paint_texts::kIncrementHint);
    c.cbIncrement->setChecked(true);
    c.bt100 = named(new QPushButton(u("100％"), row), "bt100", paint_texts::kZoom100Hint);
    h->addWidget(c.cbIncrement);
    h->addWidget(c.bt100);
    h->addSpacing(12);
    h->addWidget(new QLabel(u("幅"), row));
    c.udWidth = numberBox(h, row, "edWidth", "udWidth", 10, 2000, 600, 10, paint_texts::kWidthEditHint,
                          paint_texts::kWidthUpDownHint, c.edWidth);
    h->addWidget(new QLabel(u("高さ"), row));
    c.udHeight = numberBox(h, row, "edHeight", "udHeight", 10, 1500, 400, 10, paint_texts::kHeightEditHint,
                           paint_texts::kHeightUpDownHint, c.edHeight);
    h->addSpacing(12);
    c.cbChangeWhite = named(new QCheckBox(u(paint_texts::kChangeWhiteCaption), row), "cbChangeWhite",
                            paint_texts::kChangeWhiteHint);
    c.cbChangeWhite->setChecked(true);
    h->addWidget(c.cbChangeWhite, 1);
    c.btOK = named(new QPushButton(u("OK"), row), "btOK", paint_texts::kOkHint);
    c.btCancel = named(new QPushButton(u("ｷｬﾝｾﾙ"), row), "btCancel");
    QObject::connect(c.btCancel, &QPushButton::clicked, &window, &QDialog::reject);
    h->addWidget(c.btOK);
    h->addWidget(c.btCancel);
    return row;
}

} // namespace

PictureEditorControls buildPictureEditor(QDialog& window)
{
    PictureEditorControls c;
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildMenus(window, layout, c);
    buildPopupMenu(window, c);
    layout->addWidget(buildToolRow(window, c));
    layout->addWidget(buildPaletteRow(window, c));
    layout->addWidget(buildSizeRow(window, c));
    auto* image = named(new QWidget(&window), "pnImage");
    auto* iv = new QVBoxLayout(image);
    iv->setContentsMargins(0, 0, 0, 0);
    c.scrollBox = named(new QScrollArea(image), "ScrollBox1", paint_texts::kImageHint);
    c.scrollBox->setBackgroundRole(QPalette::Dark);
    c.view = new PaintView;
    c.view->setToolTip(u(paint_texts::kImageHint));
    c.view->setStatusTip(u(paint_texts::kImageHint));
    c.scrollBox->setWidget(c.view);
    c.scrollBox->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c.scrollBox->horizontalScrollBar()->setSingleStep(50);
    c.scrollBox->verticalScrollBar()->setSingleStep(50);
    iv->addWidget(c.scrollBox);
    layout->addWidget(image, 1);
    c.status = named(new QStatusBar(&window), "StatusBar1");
    c.status->setSizeGripEnabled(false);
    layout->addWidget(c.status);
    return c;
}

} // namespace molvane

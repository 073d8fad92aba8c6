#include "settings/tform2.h"

#include "dialogs/dialog_buttons.h"
#include "document/figure_renderer.h"
#include "editing/tool_icons.h"
#include "platform/font_substitution.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace molvane {

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

constexpr QSize kSampleSize(189, 249);
constexpr QSize kSwatchSize(56, 24);
const char* const kStyleItems[] = {"0: 実線", "1: 破線", "2: 点線", "3: 一点鎖線", "4: 二点鎖線"};
constexpr const char* kIniHint = "初期値に戻す … 設定値を初期値に戻します。";
constexpr const char* kIniQuestion = "現在の設定値を初期設定に戻します。いいですか。";

void setHint(QWidget* w, const char* hint)
{
    w->setToolTip(u(hint));
    w->setStatusTip(u(hint));
}

// The fonts a drawing can name: the installed families and the face names drawn through substitutes.
QStringList fontNames()
{
    QStringList names = QFontDatabase::families();
    for (const FontSubstitute& s : windowsFontSubstitutes())
        names.append(u(s.faceName));
    names.removeDuplicates();
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return a.localeAwareCompare(b) < 0; });
    return names;
}

// "※" with small pictures of the tools concerned and the rest of the note.
QWidget* toolNote(std::initializer_list<int> tools, const char* tail, QWidget* parent)
{
    auto* note = new QWidget(parent);
    auto* row = new QHBoxLayout(note);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(new QLabel(u("※"), note));
    for (int tool : tools) {
        auto* icon = new QLabel(note);
        icon->setPixmap(QPixmap::fromImage(toolIcon(tool, 16)));
        row->addWidget(icon);
    }
    row->addWidget(new QLabel(u(tail), note));
    row->addStretch();
    return note;
}

TFigure sampleFigure(const DrawingStyle& s, int kind, QPoint a, QPoint b)
{
    TFigure f;
    f.kind = kind;
    f.cursorPrecision = 4;
    f.penColor = s.penColor;
    f.auxColor = 0;
    f.fillColor = s.brushColor;
    f.penStyle = s.normalStyle;
    f.lineWidth = 3;
    for (EndIndex start : {kSecondStart, kThirdStart})
        f.ends[start] = QPoint(18, 96);
    for (EndIndex end : {kSecondEnd, kThirdEnd})
        f.ends[end] = QPoint(78, 24);
    f.ends[kMainStart] = a;
    f.ends[kMainEnd] = b;
    f.fontName = s.fontName;
    return f;
}

TFigure sampleCharacter(const DrawingStyle& s, const char* text, QPoint at, int sizeStep)
{
    TFigure f = sampleFigure(s, fkMoji, at, at);
    f.lineWidth = 0;
    f.shape = 36;
    f.sizeStep = sizeStep;
    f.text = u(text);
    return f;
}

} // namespace

QImage drawStyleSample(const DrawingStyle& s)
{
    struct Line {
        int kind;
        QPoint a, b, secondA, secondB;
    };
    const Line lines[] = {
        {fkSingle, {18, 96}, {78, 24}, {}, {}},        {fkSingle, {132, 24}, {96, 42}, {}, {}},
        {fkDouble, {96, 42}, {96, 84}, {106, 42}, {106, 84}}, {fkSingle, {96, 84}, {132, 102}, {}, {}},
        {fkDouble, {132, 102}, {168, 84}, {127, 92}, {163, 74}}, {fkSingle, {168, 42}, {168, 84}, {}, {}},
        {fkDouble, {168, 42}, {132, 24}, {163, 52}, {127, 34}},
    };
    FigureList figures;
    for (const Line& l : lines) {
        TFigure f = sampleFigure(s, l.kind, l.a, l.b);
        if (l.kind == fkDouble) {
            f.ends[kSecondStart] = l.secondA;
            f.ends[kSecondEnd] = l.secondB;
        }
        figures.push_back(f);
    }
    figures.push_back(sampleFigure(s, fkNuri, {132, 72}, {132, 72}));
    TFigure arrow = sampleFigure(s, fkArrow, {24, 152}, {162, 152});
    arrow.shape = 6;
    figures.push_back(arrow);
    figures.push_back(sampleCharacter(s, "C", {30, 208}, 0));
    figures.push_back(sampleCharacter(s, "2", {54, 220}, 1));
    figures.push_back(sampleCharacter(s, "H", {78, 208}, 0));
    figures.push_back(sampleCharacter(s, "5", {102, 220}, 1));
    figures.push_back(sampleCharacter(s, "O", {126, 208}, 0));
    figures.push_back(sampleCharacter(s, "H", {156, 208}, 0));

    QImage sample(kSampleSize, QImage::Format_RGB32);
    sample.fill(Qt::white);
    Canvas canvas(sample);
    for (TFigure& f : figures) {
        f.freeEnds = f.ends;
        renderFigure(f, {canvas, false, 100});
    }
    return sample;
}

int FontNameComboBox::popupWidth() const
{
    const QFontMetrics metrics(window()->font());
    int width = 0;
    for (int i = 0; i < count(); ++i) {
        const int w = metrics.horizontalAdvance(itemText(i) + u("　"));
        if (w > width)
            width = w + 8;
    }
    return width;
}

void FontNameComboBox::showPopup()
{
    view()->setMinimumWidth(popupWidth());
    QComboBox::showPopup();
}

TForm2::TForm2(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(u("図形の線種変更"));
    auto* columns = new QHBoxLayout;
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(4);
    buildStyleGroup(grid);
    buildColourGroup(grid);
    buildFontGroup(grid);
    auto* samplePanel = new QFrame(this);
    samplePanel->setFrameShape(QFrame::StyledPanel);
    samplePanel->setAutoFillBackground(true);
    QPalette white = samplePanel->palette();
    white.setColor(QPalette::Window, Qt::white);
    samplePanel->setPalette(white);
    imSample = new QLabel(samplePanel);
    imSample->setObjectName(QStringLiteral("imSample"));
    imSample->setFixedSize(kSampleSize);
    setHint(imSample, "描画見本 … 現在選択されている設定の見本です。");
    auto* sampleBox = new QVBoxLayout(samplePanel);
    sampleBox->setContentsMargins(6, 6, 6, 6);
    sampleBox->addWidget(imSample);
    samplePanel->setFixedSize(kSampleSize + QSize(12, 12));
    columns->addLayout(grid);
    columns->addSpacing(12);
    columns->addWidget(samplePanel, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    addOkCancelButtons(this, layout);
    fixSizeOnFirstShow(this);
    showValues();
}

void TForm2::buildStyleGroup(QGridLayout* grid)
{
    auto* title = new QHBoxLayout;
    title->addWidget(sectionHeading("【線の種類】", this));
    title->addWidget(toolNote({fkMoji, fkNuri}, "では無効", this));
    grid->addLayout(title, 0, 0, 1, 3);
    const auto styleList = [this](const char* name, const char* hint, int initial) {
        auto* list = new QComboBox(this);
        list->setObjectName(QString::fromLatin1(name));
        for (const char* item : kStyleItems)
            list->addItem(u(item));
        list->setCurrentIndex(initial);
        setHint(list, hint);
        return list;
    };
    cobPenClickStyle0 = styleList("cobPenClickStyle0", "線種 … 図形を描画するときや選択した図形の，線の種類を選択します。", 0);
    cobPenClickStyle1 = styleList("cobPenClickStyle1",
                                  "右ｸﾘｯｸ線種 … 図形ボタンを右クリックで選択して描画するときの，線の種類を選択します。", 1);
    grid->addWidget(new QLabel(u("線種"), this), 1, 0);
    grid->addWidget(cobPenClickStyle0, 1, 1);
    grid->addWidget(iniButton("btInitStyle0", &TForm2::resetNormalStyle), 1, 2);
    grid->addWidget(new QLabel(u("右ｸﾘｯｸ線種"), this), 2, 0);
    grid->addWidget(cobPenClickStyle1, 2, 1);
    grid->addWidget(iniButton("btInitStyle1", &TForm2::resetRightStyle), 2, 2);
    connect(cobPenClickStyle0, &QComboBox::activated, this, [this](int i) {
        shown_.normalStyle = i;
        drawSample();
    });
    connect(cobPenClickStyle1, &QComboBox::activated, this, [this](int i) {
        shown_.rightStyle = i;
        drawSample();
    });
}

void TForm2::buildColourGroup(QGridLayout* grid)
{
    grid->addWidget(sectionHeading("【色】", this), 3, 0, 1, 3);
    const auto colourRow = [&](int row, const char* label, const char* swatchName, const char* buttonName,
                               const char* swatchHint, const char* buttonHint, const char* iniName,
                               void (TForm2::*reset)(), void (TForm2::*choose)()) {
        auto* swatch = new QLabel(this);
        swatch->setObjectName(QString::fromLatin1(swatchName));
        swatch->setFixedSize(kSwatchSize);
        setHint(swatch, swatchHint);
        swatch->installEventFilter(this);
        auto* button = new QPushButton(u("..."), this);
        button->setObjectName(QString::fromLatin1(buttonName));
        button->setFixedWidth(32);
        setHint(button, buttonHint);
        connect(button, &QPushButton::clicked, this, choose);
        auto* cell = new QHBoxLayout;
        cell->addWidget(swatch);
        cell->addWidget(button);
        cell->addStretch();
        grid->addWidget(new QLabel(u(label), this), row, 0);
        grid->addLayout(cell, row, 1);
        grid->addWidget(iniButton(iniName, reset), row, 2);
        return swatch;
    };
    imPenColor = colourRow(4, "線や文字", "imPenColor", "bbPenColor", "線や文字色 … 現在選択されている線や文字の色の見本です。",
                           "線や文字色 … 図形を描画するときや選択した図形の，線や文字の色を選択します。", "btInitColor0",
                           &TForm2::resetPenColour, &TForm2::choosePenColour);
    imBrushColor = colourRow(5, "塗りつぶし", "imBrushColor", "bbBrushColor", "塗りつぶし色 … 現在選択されている塗りつぶしの色の見本です。",
                             "塗りつぶし色 … 図形を描画するときや選択した図形の，塗りつぶしの色を選択します。",
                             "btInitColor1", &TForm2::resetBrushColour, &TForm2::chooseBrushColour);
}

void TForm2::buildFontGroup(QGridLayout* grid)
{
    auto* title = new QHBoxLayout;
    title->addWidget(sectionHeading("【文字フォント名】", this));
    title->addWidget(toolNote({fkMoji}, "でのみ有効", this));
    grid->addLayout(title, 6, 0, 1, 3);
    cobFontName = new FontNameComboBox(this);
    cobFontName->setObjectName(QStringLiteral("cobFontName"));
    cobFontName->addItems(fontNames());
    cobFontName->setMaxVisibleItems(16);
    cobFontName->setMinimumWidth(180);
    setHint(cobFontName, "文字フォント … 図形を描画するときや選択した図形の，文字・短文のフォント名を選択します。");
    grid->addWidget(cobFontName, 7, 0, 1, 2);
    grid->addWidget(iniButton("btInitFont", &TForm2::resetFont), 7, 2);
    grid->setRowStretch(8, 1);
    connect(cobFontName, &QComboBox::activated, this, [this](int i) {
        shown_.fontName = cobFontName->itemText(i);
        drawSample();
    });
}

QWidget* TForm2::iniButton(const char* name, void (TForm2::*reset)())
{
    auto* b = new QPushButton(QStringLiteral("ini"), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setFixedWidth(36);
    setHint(b, kIniHint);
    connect(b, &QPushButton::clicked, this, [this, reset] {
        if (!askToReset())
            return;
        (this->*reset)();
        showValues();
    });
    return b;
}

bool TForm2::askToReset()
{
    prompts_.beep(BeepKind::Information);
    return prompts_.message(u(kIniQuestion), MessageType::Information, MessageButtons::YesCancel) == Answer::Yes;
}

void TForm2::setStyle(const DrawingStyle& style)
{
    shown_ = stored_ = style;
    showValues();
}

void TForm2::showValues()
{
    cobPenClickStyle0->setCurrentIndex(std::clamp(shown_.normalStyle, 0, 4));
    cobPenClickStyle1->setCurrentIndex(std::clamp(shown_.rightStyle, 0, 4));
    // A font that is not installed selects nothing.
    cobFontName->setCurrentIndex(cobFontName->findText(shown_.fontName));
    paintSwatch(imPenColor, shown_.penColor);
    paintSwatch(imBrushColor, shown_.brushColor);
    drawSample();
}

void TForm2::paintSwatch(QLabel* swatch, TColor colour)
{
    QImage image(kSwatchSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(QRect(QPoint(7, 4), QPoint(48, 20)), toQColor(colour));
    p.end();
    swatch->setPixmap(QPixmap::fromImage(image));
}

void TForm2::drawSample()
{
    sample_ = drawStyleSample(shown_);
    imSample->setPixmap(QPixmap::fromImage(sample_));
}

void TForm2::choosePenColour()
{
    if (const std::optional<TColor> c = prompts_.chooseColor(shown_.penColor)) {
        shown_.penColor = *c;
        paintSwatch(imPenColor, *c);
        drawSample();
    }
}

void TForm2::chooseBrushColour()
{
    if (const std::optional<TColor> c = prompts_.chooseColor(shown_.brushColor)) {
        shown_.brushColor = *c;
        paintSwatch(imBrushColor, *c);
        drawSample();
    }
}

bool TForm2::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonRelease) {
        if (watched == imPenColor)
            choosePenColour();
        else if (watched == imBrushColor)
            chooseBrushColour();
    }
    return QDialog::eventFilter(watched, e);
}

void TForm2::accept()
{
    stored_ = shown_;
    stored_.normalStyle = cobPenClickStyle0->currentIndex();
    stored_.rightStyle = cobPenClickStyle1->currentIndex();
    if (cobFontName->currentIndex() >= 0)
        stored_.fontName = cobFontName->currentText();
    QDialog::accept();
}

} // namespace molvane

// The reform panel (width, shape, size, precision, style) and the character buttons with the short text.

#include "document/main_window/layout_metrics.h"
#include "document/main_window/main_window_texts.h"
#include "document/main_window/tform1.h"
#include "editing/character_buttons.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

namespace molvane {

namespace {

constexpr int kCharButtonWidth = 26;
constexpr int kCharButtonHeight = 22;
constexpr int kCharButtonsPerRow = 26; // A-Z, a-z, then the digits and signs

QString u(const char* text) { return QString::fromUtf8(text); }

// The built-in contents of the character buttons: A-Z, a-z, 1-9 and 0, then signs.
QStringList builtInCharacters()
{
    QStringList all;
    for (char c = 'A'; c <= 'Z'; ++c)
        all.append(QString(QChar(c)));
    for (char c = 'a'; c <= 'z'; ++c)
        all.append(QString(QChar(c)));
    for (const char* s : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "+", "-", "*", "/", "(", ")", "[", "]", "δ", "Δ"})
        all.append(u(s));
    return all;
}

} // namespace

QWidget* TForm1::buildReformPanel()
{
    auto* panel = new QGroupBox(this);
    panel->setObjectName(QStringLiteral("Panel2"));
    auto* h = new QHBoxLayout(panel);
    h->setContentsMargins(4, 4, 4, 4);
    h->setSpacing(2);
    const auto numberBox = [&](const char* label, const char* editName, const char* upDownName, const QString& hint,
                               TUpDown*& upDown, QLineEdit*& edit) {
        h->addWidget(rightAlignedCaption(label, panel));
        edit = new QLineEdit(panel);
        edit->setObjectName(QString::fromLatin1(editName));
        edit->setReadOnly(true); // changed only through the up-down
        edit->setFixedWidth(34);
        edit->setAlignment(Qt::AlignRight);
        upDown = new TUpDown(panel);
        upDown->setObjectName(QString::fromLatin1(upDownName));
        upDown->associate(edit);
        setHint(edit, hint);
        setHint(upDown, hint);
        h->addWidget(edit);
        h->addWidget(upDown);
    };
    numberBox("線幅", "Edit4", "UpDown4", u(texts::kWidthHint), widthUpDown_, widthEdit_);
    widthUpDown_->setRange(0, 50);
    numberBox("形状", "Edit3", "UpDown3", u(texts::kShapeHint), shapeUpDown_, shapeEdit_);
    shapeUpDown_->setRange(-50, 50);
    // A change made while drawing is the current tool's own from then on; it also reforms.
    connect(widthUpDown_, &TUpDown::clicked, this, [this](bool) {
        storeToolValue();
        applyReform(ReformControl::Width);
    });
    connect(shapeUpDown_, &TUpDown::clicked, this, [this](bool) {
        storeToolValue();
        applyReform(ReformControl::Shape);
    });
    sbPlusMinus = new QToolButton(panel);
    sbPlusMinus->setObjectName(QStringLiteral("sbPlusMinus"));
    sbPlusMinus->setText(u("±"));
    sbPlusMinus->setFixedSize(22, 22);
    setHint(sbPlusMinus, u(texts::kPlusMinusHint));
    connect(sbPlusMinus, &QToolButton::clicked, this, [this] {
        shapeUpDown_->setValue(-shapeUpDown_->value());
        storeToolValue();
        applyReform(ReformControl::Shape);
    });
    h->addWidget(sbPlusMinus);
    h->addSpacing(4);

    auto* sizeBox = new QGroupBox(u("サイズ"), panel);
    sizeBox->setObjectName(QStringLiteral("rgSize"));
    setHint(sizeBox, u(texts::kSizeHint));
    auto* sizeRow = new QHBoxLayout(sizeBox);
    sizeRow->setContentsMargins(4, 0, 4, 0);
    rgSize = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(i == 0 ? u("0") : QString::number(-i), sizeBox);
        r->setObjectName(QStringLiteral("rgSize%1").arg(i));
        setHint(r, u(texts::kSizeHint));
        rgSize->addButton(r, i);
        sizeRow->addWidget(r);
    }
    rgSize->button(0)->setChecked(true);
    // The size reforms only what is selected; otherwise it waits for the next text or picture.
    connect(rgSize, &QButtonGroup::idClicked, this, [this](int) {
        if (actsOnSelection(mode_))
            applyReform(ReformControl::Size);
    });
    h->addWidget(sizeBox);
    h->addSpacing(4);

    numberBox("精度", "Edit1", "UpDown1", u(texts::kPrecisionHint), precisionUpDown_, precisionEdit_);
    precisionUpDown_->setRange(1, 8);
    precisionUpDown_->setValue(3);
    connect(precisionUpDown_, &TUpDown::clicked, this, [this](bool) { applyReform(ReformControl::Precision); });

    sbSettei = new QToolButton(panel);
    sbSettei->setObjectName(QStringLiteral("sbSettei"));
    sbSettei->setText(u("線種"));
    sbSettei->setFixedHeight(kToolButtonSize);
    setHint(sbSettei, u(texts::kSetteiHint));
    connect(sbSettei, &QToolButton::clicked, this, [this] { sbSetteiClick(); });
    h->addWidget(sbSettei);

    pnLastReform = new QLabel(u(texts::kLastReformCaption), panel);
    pnLastReform->setObjectName(QStringLiteral("pnLastReform"));
    pnLastReform->setAlignment(Qt::AlignCenter);
    pnLastReform->setFrameShape(QFrame::Panel);
    pnLastReform->setFrameShadow(QFrame::Raised);
    pnLastReform->setAutoFillBackground(true);
    pnLastReform->setFixedSize(44, kToolButtonSize);
    setHint(pnLastReform, u(texts::kLastReformHint));
    h->addWidget(pnLastReform);
    return panel;
}

QWidget* TForm1::buildCharacterArea()
{
    auto* area = new QWidget(this);
    auto* h = new QHBoxLayout(area);
    h->setContentsMargins(kPanelLeft, 0, 0, 0);
    h->setSpacing(6);
    auto* grid = new QGridLayout;
    grid->setSpacing(0);
    const QStringList contents = builtInCharacters();
    for (int i = 0; i < kCharacterButtons; ++i) {
        auto* b = new QToolButton(area);
        b->setObjectName(QStringLiteral("sbChar%1").arg(i + 1));
        b->setText(contents[i]);
        b->setCheckable(true);
        b->setProperty("tag", 1);
        b->setFixedSize(kCharButtonWidth, kCharButtonHeight);
        setHint(b, characterButtonHintPrefix() + contents[i]);
        grid->addWidget(b, i / kCharButtonsPerRow, i % kCharButtonsPerRow);
        charButtons_.push_back(b);
        connect(b, &QToolButton::clicked, this, [this, i] { charButtonClick(i); });
    }
    charButtons_[2]->setChecked(true); // "C"
    h->addLayout(grid);

    auto* strColumn = new QVBoxLayout;
    strColumn->setSpacing(2);
    sbStr = new QToolButton(area);
    sbStr->setObjectName(QStringLiteral("sbStr"));
    sbStr->setText(u(texts::kStrCaption));
    sbStr->setCheckable(true);
    sbStr->setProperty("tag", 2);
    sbStr->setFixedSize(44, kCharButtonHeight);
    setHint(sbStr, u(texts::kStrHint));
    connect(sbStr, &QToolButton::clicked, this, [this] { sbStrClick(); });
    auto* editStr = new QToolButton(area);
    editStr->setObjectName(QStringLiteral("sbEditStr"));
    editStr->setText(u(texts::kEditStrCaption));
    editStr->setFixedSize(44, kCharButtonHeight);
    setHint(editStr, u(texts::kEditStrHint));
    connect(editStr, &QToolButton::clicked, this, [this] { sbEditStrClick(); });
    strColumn->addWidget(sbStr);
    strColumn->addWidget(editStr);
    strColumn->addStretch(1);
    h->addLayout(strColumn);

    edStr = new QPlainTextEdit(area);
    edStr->setObjectName(QStringLiteral("edStr"));
    edStr->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edStr->setFixedSize(220, 3 * kCharButtonHeight);
    setHint(edStr, u(texts::kStrMemoHintPrefix));
    connect(edStr, &QPlainTextEdit::textChanged, this,
            [this] { setHint(edStr, u(texts::kStrMemoHintPrefix) + edStr->toPlainText()); });
    h->addWidget(edStr);
    h->addStretch(1);
    return area;
}

} // namespace molvane

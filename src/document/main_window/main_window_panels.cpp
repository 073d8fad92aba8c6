// The reform panel (width, shape, size, precision, style) and the character buttons with the short text.

#include "document/main_window/layout_metrics.h"
#include "document/main_window/main_window_builder.h"
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

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

// The built-in contents of the character buttons: A-Z, a-z, 1-9 and 0, then signs.
QStringList builtInCharacters()
{
    QStringList all;
    for (char c = 'A'; c <= 'Z'; ++c)
        all.append(QString(QChar(c)));
    for (char c = 'a'; c <= 'z'; ++c)
        all.append(QString(QChar(c)));
    for (const char* s :
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "+", "-", "*", "/", "(", ")", "[", "]", "δ", "Δ"})
        all.append(u(s));
    return all;
}

} // namespace

QWidget* MainWindowBuilder::buildReformPanel()
{
    auto* panel = new QGroupBox(&w_);
    panel->setObjectName(QStringLiteral("Panel2"));
    auto* h = new QHBoxLayout(panel);
    h->setContentsMargins(4, 4, 4, 4);
    h->setSpacing(2);
    const auto numberBox = [&](const char* label, const char* editName, const char* upDownName,
                               const QString& hint, TUpDown*& upDown, QLineEdit*& edit) {
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
    numberBox("線幅", "Edit4", "UpDown4", u(texts::kWidthHint), ui_.widthUpDown, ui_.widthEdit);
    ui_.widthUpDown->setRange(0, 50);
    numberBox("形状", "Edit3", "UpDown3", u(texts::kShapeHint), ui_.shapeUpDown, ui_.shapeEdit);
    ui_.shapeUpDown->setRange(-50, 50);
    // A change made while drawing is the current tool's own from then on; it also reforms.
    QObject::connect(ui_.widthUpDown, &TUpDown::clicked, &w_, [w = &w_](bool) {
        w->storeToolValue();
        w->applyReform(ReformControl::Width);
    });
    QObject::connect(ui_.shapeUpDown, &TUpDown::clicked, &w_, [w = &w_](bool) {
        w->storeToolValue();
        w->applyReform(ReformControl::Shape);
    });
    ui_.sbPlusMinus = new QToolButton(panel);
    ui_.sbPlusMinus->setObjectName(QStringLiteral("sbPlusMinus"));
    ui_.sbPlusMinus->setText(u("±"));
    ui_.sbPlusMinus->setFixedSize(22, 22);
    setHint(ui_.sbPlusMinus, u(texts::kPlusMinusHint));
    QObject::connect(ui_.sbPlusMinus, &QToolButton::clicked, &w_, [w = &w_] {
        w->ui_.shapeUpDown->setValue(-w->ui_.shapeUpDown->value());
        w->storeToolValue();
        w->applyReform(ReformControl::Shape);
    });
    h->addWidget(ui_.sbPlusMinus);
    h->addSpacing(4);

    auto* sizeBox = new QGroupBox(u("サイズ"), panel);
    sizeBox->setObjectName(QStringLiteral("rgSize"));
    setHint(sizeBox, u(texts::kSizeHint));
    auto* sizeRow = new QHBoxLayout(sizeBox);
    sizeRow->setContentsMargins(4, 0, 4, 0);
    ui_.rgSize = new QButtonGroup(&w_);
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(i == 0 ? u("0") : QString::number(-i), sizeBox);
        r->setObjectName(QStringLiteral("rgSize%1").arg(i));
        setHint(r, u(texts::kSizeHint));
        ui_.rgSize->addButton(r, i);
        sizeRow->addWidget(r);
    }
    ui_.rgSize->button(0)->setChecked(true);
    // The size reforms only what is selected; otherwise it waits for the next text or picture.
    QObject::connect(ui_.rgSize, &QButtonGroup::idClicked, &w_, [w = &w_](int) {
        if (actsOnSelection(w->mode_))
            w->applyReform(ReformControl::Size);
    });
    h->addWidget(sizeBox);
    h->addSpacing(4);

    numberBox("精度", "Edit1", "UpDown1", u(texts::kPrecisionHint), ui_.precisionUpDown, ui_.precisionEdit);
    ui_.precisionUpDown->setRange(1, 8);
    ui_.precisionUpDown->setValue(3);
    QObject::connect(ui_.precisionUpDown, &TUpDown::clicked, &w_,
                     [w = &w_](bool) { w->applyReform(ReformControl::Precision); });

    ui_.sbSettei = new QToolButton(panel);
    ui_.sbSettei->setObjectName(QStringLiteral("sbSettei"));
    ui_.sbSettei->setText(u("線種"));
    ui_.sbSettei->setFixedHeight(kToolButtonSize);
    setHint(ui_.sbSettei, u(texts::kSetteiHint));
    QObject::connect(ui_.sbSettei, &QToolButton::clicked, &w_, [w = &w_] { w->sbSetteiClick(); });
    h->addWidget(ui_.sbSettei);

    ui_.pnLastReform = new QLabel(u(texts::kLastReformCaption), panel);
    ui_.pnLastReform->setObjectName(QStringLiteral("pnLastReform"));
    ui_.pnLastReform->setAlignment(Qt::AlignCenter);
    ui_.pnLastReform->setFrameShape(QFrame::Panel);
    ui_.pnLastReform->setFrameShadow(QFrame::Raised);
    ui_.pnLastReform->setAutoFillBackground(true);
    ui_.pnLastReform->setFixedSize(44, kToolButtonSize);
    setHint(ui_.pnLastReform, u(texts::kLastReformHint));
    h->addWidget(ui_.pnLastReform);
    return panel;
}

QWidget* MainWindowBuilder::buildCharacterArea()
{
    auto* area = new QWidget(&w_);
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
        ui_.charButtons.push_back(b);
        QObject::connect(b, &QToolButton::clicked, &w_, [w = &w_, i] { w->text_.charButtonClick(i); });
    }
    ui_.charButtons[2]->setChecked(true); // "C"
    h->addLayout(grid);

    auto* strColumn = new QVBoxLayout;
    strColumn->setSpacing(2);
    ui_.sbStr = new QToolButton(area);
    ui_.sbStr->setObjectName(QStringLiteral("sbStr"));
    ui_.sbStr->setText(u(texts::kStrCaption));
    ui_.sbStr->setCheckable(true);
    ui_.sbStr->setProperty("tag", 2);
    ui_.sbStr->setFixedSize(44, kCharButtonHeight);
    setHint(ui_.sbStr, u(texts::kStrHint));
    QObject::connect(ui_.sbStr, &QToolButton::clicked, &w_, [w = &w_] { w->text_.sbStrClick(); });
    auto* editStr = new QToolButton(area);
    editStr->setObjectName(QStringLiteral("sbEditStr"));
    editStr->setText(u(texts::kEditStrCaption));
    editStr->setFixedSize(44, kCharButtonHeight);
    setHint(editStr, u(texts::kEditStrHint));
    QObject::connect(editStr, &QToolButton::clicked, &w_, [w = &w_] { w->text_.sbEditStrClick(); });
    strColumn->addWidget(ui_.sbStr);
    strColumn->addWidget(editStr);
    strColumn->addStretch(1);
    h->addLayout(strColumn);

    ui_.edStr = new QPlainTextEdit(area);
    ui_.edStr->setObjectName(QStringLiteral("edStr"));
    ui_.edStr->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ui_.edStr->setFixedSize(220, 3 * kCharButtonHeight);
    setHint(ui_.edStr, u(texts::kStrMemoHintPrefix));
    QObject::connect(ui_.edStr, &QPlainTextEdit::textChanged, &w_, [w = &w_] {
        setHint(w->ui_.edStr, u(texts::kStrMemoHintPrefix) + w->ui_.edStr->toPlainText());
    });
    h->addWidget(ui_.edStr);
    h->addStretch(1);
    return area;
}

} // namespace molvane

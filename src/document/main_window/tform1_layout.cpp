// The controls of the main window and where they sit.

#include "document/canvas_geometry.h"
#include "document/main_window/main_window_texts.h"
#include "dialogs/help.h"
#include "document/main_window/tform1.h"
#include "editing/character_buttons.h"
#include "editing/tool_icons.h"
#include "platform/app_info.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <string_view>

namespace molvane {

namespace {

constexpr int kToolButtonSize = 30;
constexpr int kCharButtonWidth = 26;
constexpr int kCharButtonHeight = 22;
constexpr int kCharButtonsPerRow = 26; // A-Z, a-z, then the digits and signs
constexpr int kPanelLeft = 7;

QString u(const char* text) { return QString::fromUtf8(text); }

QString withoutAccelerator(QString caption) { return caption.remove(QRegularExpression(QStringLiteral("\\(&.\\)"))); }

QLabel* caption(const char* text, QWidget* parent)
{
    auto* label = new QLabel(u(text), parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

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

QAction* TForm1::menuAction(QMenu* menu, const QString& name, const char* captionText, const QString& hint,
                            const QKeySequence& shortcut)
{
    QAction* a = menu->addAction(u(captionText));
    a->setObjectName(name);
    a->setShortcut(shortcut);
    a->setStatusTip(hint);
    a->setToolTip(hint);
    return a;
}

void TForm1::buildMenus()
{
    QMenu* file = menuBar()->addMenu(u(texts::kMenuFile));
    file->setToolTipsVisible(true);
    // A menu item's hint is its caption (without the accelerator) and its description.
    const auto hinted = [](const char* c, const char* h) { return withoutAccelerator(u(c)) + u(h); };
    QAction* fileNew = menuAction(file, "mmFileNew", texts::kFileNew, hinted(texts::kFileNew, texts::kFileNewHint), QKeySequence("Ctrl+N"));
    QAction* fileOpen = menuAction(file, "mmFileOpen", texts::kFileOpen, hinted(texts::kFileOpen, texts::kFileOpenHint), QKeySequence("Ctrl+O"));
    file->addSeparator();
    QAction* fileSave = menuAction(file, "mmFileSave", texts::kFileSave, hinted(texts::kFileSave, texts::kFileSaveHint), QKeySequence("Ctrl+S"));
    QAction* fileSaveAs = menuAction(file, "mmFileSaveAs", texts::kFileSaveAs, hinted(texts::kFileSaveAs, texts::kFileSaveAsHint));
    file->addSeparator();
    QAction* picOpen = menuAction(file, "mmPicOpen", texts::kPicOpen, hinted(texts::kPicOpen, texts::kPicOpenHint), QKeySequence("Ctrl+P"));
    QAction* picSave = menuAction(file, "mmPicSaveAs", texts::kPicSaveAs, hinted(texts::kPicSaveAs, texts::kPicSaveAsHint), QKeySequence("Ctrl+G"));
    file->addSeparator();
    QAction* init = menuAction(file, "mmInitParam", texts::kInitParam, u(texts::kInitParam) + u(texts::kInitParamHint), QKeySequence("Ctrl+W"));
    connect(init, &QAction::triggered, this, [this] { mmInitParamClick(); });
    QAction* change = menuAction(file, "mmChangeData", texts::kChangeData, {});
    change->setVisible(false); // a maintenance command, reached by its shortcut-less name only
    connect(change, &QAction::triggered, this, [this] { mmChangeDataClick(); });
    connect(fileNew, &QAction::triggered, this, [this] { mmFileNewClick(); });
    connect(fileOpen, &QAction::triggered, this, [this] { mmFileOpenClick(); });
    connect(fileSave, &QAction::triggered, this, [this] { mmFileSaveClick(); });
    connect(fileSaveAs, &QAction::triggered, this, [this] { mmFileSaveAsClick(); });
    file->addSeparator();
    const QString exitHint = hinted(texts::kExit, texts::kHintSeparator) + u(kApplicationName) + u(texts::kExitHintEnd);
    QAction* exit = menuAction(file, "mmExit1", texts::kExit, exitHint);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    // The picture commands arrive with picture export and loading.
    for (QAction* later : {picOpen, picSave})
        later->setEnabled(false);

    buildPopupMenu();
    editMenu_ = menuBar()->addMenu(u(texts::kMenuEdit));
    editMenu_->setObjectName(QStringLiteral("mmEdit"));
    editMenu_->setToolTipsVisible(true);
    connect(editMenu_, &QMenu::aboutToShow, this, [this] { popupStates(); });
    editMenu_->addActions(popupMenu_->actions());

    QAction* help = menuBar()->addAction(u(texts::kMenuHelp));
    help->setObjectName(QStringLiteral("mmHelp"));
    connect(help, &QAction::triggered, this, [this] {
        const QString folder = QCoreApplication::applicationDirPath();
        switch (openHelp(folder)) {
        case HelpOpening::Opened: break;
        case HelpOpening::Missing:
            prompts_.message(u(texts::kHelpMissing), MessageType::Information, MessageButtons::Ok);
            break;
        case HelpOpening::NoViewer:
            prompts_.message(u(texts::kHelpNoViewer).arg(QDir::toNativeSeparators(helpTarget(folder))),
                             MessageType::Information, MessageButtons::Ok);
            break;
        }
    });
}

void TForm1::buildPopupMenu()
{
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    popupMenu_->setToolTipsVisible(true);
    connect(popupMenu_, &QMenu::aboutToShow, this, [this] {
        popupStates();
        popupCommandRan_ = false;
    });
    // Qt keeps the click that closes a popup to itself, so that click never reaches the canvas. Once
    // the menu has closed without a command, the next press on the canvas is the user's own.
    connect(popupMenu_, &QMenu::triggered, this, [this] { popupCommandRan_ = true; });
    connect(popupMenu_, &QMenu::aboutToHide, this, [this] {
        // triggered comes after aboutToHide, in the same event.
        QTimer::singleShot(0, this, [this] {
            if (!popupCommandRan_)
                popupJustShown_ = false;
        });
    });
    popupUndo_ = menuAction(popupMenu_, "pmUndo", texts::kUndo, u(texts::kUndo), QKeySequence("Ctrl+Z"));
    popupRedo_ = menuAction(popupMenu_, "pmRedo", texts::kRedo, u(texts::kRedo), QKeySequence("Shift+Ctrl+Z"));
    connect(popupUndo_, &QAction::triggered, this, [this] { undoClick(); });
    connect(popupRedo_, &QAction::triggered, this, [this] { redoClick(); });
    popupMenu_->addSeparator();
    struct Item {
        const char* name;
        const char* caption;
        const char* hint;
        const char* shortcut;
    };
    const Item later[] = {
        {"pmKobetu", texts::kSelectIndividual, texts::kSelectIndividualHint, "Ctrl+A"},
        {"SelectAll1", texts::kSelectAll, texts::kSelectAllHint, "Shift+Ctrl+A"},
        {"pmHaniRect", texts::kSelectRect, texts::kSelectRectHint, "Ctrl+D"},
        {"pmHaniFree", texts::kSelectFree, texts::kSelectFreeHint, "Shift+Ctrl+D"},
        {nullptr, nullptr, nullptr, nullptr},
        {"Cut1", texts::kCut, texts::kCut, "Ctrl+X"},
        {"Copy1", texts::kCopy, texts::kCopy, "Ctrl+C"},
        {"Paste1", texts::kPaste, texts::kPaste, "Ctrl+V"},
        {"Delete1", texts::kDelete, texts::kDelete, "Del"},
        {nullptr, nullptr, nullptr, nullptr},
        {"Cut1AsPic", texts::kCutPicture, texts::kCutPicture, "Shift+Ctrl+X"},
        {"Copy1AsPic", texts::kCopyPicture, texts::kCopyPicture, "Shift+Ctrl+C"},
        {"Paste1AsPic", texts::kPastePicture, texts::kPastePicture, "Shift+Ctrl+V"},
        {nullptr, nullptr, nullptr, nullptr},
        {"ConnectMain", texts::kConnect, texts::kConnectHint, ""},
        {"ConnectCancel", texts::kConnectCancel, texts::kConnectCancelHint, ""},
        {"Information1", texts::kFigureInfo, texts::kFigureInfoHint, "Ctrl+Q"},
    };
    for (const Item& item : later) {
        if (!item.name) {
            popupMenu_->addSeparator();
            continue;
        }
        // These commands come with the selection, clipboard and tip tools.
        menuAction(popupMenu_, item.name, item.caption, u(item.hint), QKeySequence(u(item.shortcut)))->setEnabled(false);
    }
    const std::pair<const char*, void (TForm1::*)()> selectionCommands[] = {
        {"Cut1", &TForm1::Cut1Click},
        {"Copy1", &TForm1::Copy1Click},
        {"Paste1", &TForm1::Paste1Click},
        {"Delete1", &TForm1::Delete1Click},
        {"ConnectMain", &TForm1::connectClick},
        {"ConnectCancel", &TForm1::connectCancelClick},
        {"Information1", &TForm1::informationClick},
        {"pmKobetu", &TForm1::pmKobetuClick},
        {"SelectAll1", &TForm1::SelectAll1Click},
        {"pmHaniRect", &TForm1::pmHaniRectClick},
        {"pmHaniFree", &TForm1::pmHaniFreeClick},
    };
    for (const auto& [name, command] : selectionCommands) {
        QAction* a = popupMenu_->findChild<QAction*>(QString::fromLatin1(name));
        const std::string_view n(name);
        a->setCheckable(n == "pmKobetu" || n == "pmHaniRect" || n == "pmHaniFree");
        connect(a, &QAction::triggered, this, [this, a, command = command] {
            // A shortcut of a disabled item does nothing: the states are those of the menu now.
            popupStates();
            if (a->isEnabled())
                (this->*command)();
        });
    }
    for (QAction* a : popupMenu_->actions())
        a->setShortcutVisibleInContextMenu(true);
    addActions(popupMenu_->actions()); // the shortcuts work while the menu is closed
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
        h->addWidget(caption(label, row));
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
    numberBox("表示倍率", "Edit2", "UpDown2", kMinZoom, kMaxZoom, kDefaultZoom, 5, zoomUpDown_, zoomEdit_);
    zoomEdit_->setReadOnly(true);
    zoomUpDown_->setStepRule(zoomAfterStep);
    connect(zoomUpDown_, &TUpDown::clicked, this, [this](bool up) { UpDown2Click(up); });
    h->addWidget(caption("%", row));
    h->addSpacing(12);
    numberBox("幅", "edWidth", "udWidth", 100, 2000, kDefaultCanvasWidth, 10, udWidth, edWidth);
    numberBox("高さ", "edHeight", "udHeight", 50, 1500, kDefaultCanvasHeight, 10, udHeight, edHeight);
    connect(udWidth, &TUpDown::clicked, this, [this](bool) { applyCanvasSize(); });
    connect(udHeight, &TUpDown::clicked, this, [this](bool) { applyCanvasSize(); });
    for (QLineEdit* e : {edWidth, edHeight}) {
        connect(e, &QLineEdit::textEdited, this, [this] {
            // A height still being typed (below 100) is not applied yet.
            bool ok = false;
            const int height = edHeight->text().toInt(&ok);
            if ((ok ? height : 100) <= 99)
                return;
            udWidth->takeTyped();
            udHeight->takeTyped();
            applyCanvasSizeIfChanged();
        });
        connect(e, &QLineEdit::editingFinished, this, [this, e] {
            (e == edWidth ? udWidth : udHeight)->settleTyped();
            applyCanvasSizeIfChanged();
        });
    }
    h->addStretch(1);
    return row;
}

QWidget* TForm1::buildOperationPanels()
{
    pnOperation = new QWidget(this);
    pnOperation->setObjectName(QStringLiteral("pnOperation"));
    toolPanel_ = buildToolPanel();
    reformPanel_ = buildReformPanel();
    toolPanel_->setParent(pnOperation);
    reformPanel_->setParent(pnOperation);
    sbPosFunc = new QToolButton(pnOperation);
    sbPosFunc->setObjectName(QStringLiteral("sbPosFunc"));
    sbPosFunc->setProperty("tag", 1);
    sbPosFunc->setText(u("←"));
    sbPosFunc->setFixedSize(22, kToolButtonSize + 8);
    setHint(sbPosFunc, u(texts::kPosFuncHint));
    connect(sbPosFunc, &QToolButton::clicked, this, [this] { sbPosFuncClick(); });
    layoutPanels();
    return pnOperation;
}

void TForm1::layoutPanels()
{
    const bool toolsFirst = sbPosFunc->property("tag").toInt() == 1;
    QWidget* first = toolsFirst ? toolPanel_ : reformPanel_;
    QWidget* second = toolsFirst ? reformPanel_ : toolPanel_;
    const int height = std::max(toolPanel_->sizeHint().height(), reformPanel_->sizeHint().height());
    first->setGeometry(kPanelLeft, 0, first->sizeHint().width(), height);
    second->setGeometry(first->geometry().right() + 2, 0, second->sizeHint().width(), height);
    sbPosFunc->move(second->geometry().right() + 6, (height - sbPosFunc->height()) / 2);
    sbPosFunc->setText(toolsFirst ? u("←") : u("→"));
    pnOperation->setFixedHeight(height);
}

QWidget* TForm1::buildToolPanel()
{
    auto* panel = new QGroupBox(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* h = new QHBoxLayout(panel);
    h->setContentsMargins(4, 4, 4, 4);
    h->setSpacing(1);
    toolGroup_ = new QButtonGroup(this);
    toolGroup_->setExclusive(true);
    const auto add = [&](int tag, const QString& name, const QString& hint, const QString& text) {
        QToolButton* b = toolButton(name, hint, toolIcon(tag, 24), text);
        b->setCheckable(true);
        b->setProperty("tag", tag);
        toolGroup_->addButton(b, tag);
        toolButtons_[tag] = b;
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
    toolButtons_[kFreeRangeTag]->setProperty("tag", int(EditMode::RangeDrawing));
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

QWidget* TForm1::buildReformPanel()
{
    auto* panel = new QGroupBox(this);
    panel->setObjectName(QStringLiteral("Panel2"));
    auto* h = new QHBoxLayout(panel);
    h->setContentsMargins(4, 4, 4, 4);
    h->setSpacing(2);
    const auto numberBox = [&](const char* label, const char* editName, const char* upDownName, const QString& hint,
                               TUpDown*& upDown, QLineEdit*& edit) {
        h->addWidget(caption(label, panel));
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
    tmKeyMove = new QTimer(this);
    tmKeyMove->setObjectName(QStringLiteral("tmKeyMove"));
    tmKeyMove->setInterval(100);
    connect(tmKeyMove, &QTimer::timeout, this, [this] { tmKeyMoveTimer(); });
    keyReleaseWait_ = new QTimer(this);
    keyReleaseWait_->setSingleShot(true);
    keyReleaseWait_->setInterval(kKeyReleaseWaitMs);
    connect(keyReleaseWait_, &QTimer::timeout, this, [this] { releaseHeldKey(); });
    // The auto-scroll runs while the pointer is dragging, as often as the event loop is idle.
    autoScrollTimer_ = new QTimer(this);
    autoScrollTimer_->setInterval(15);
    connect(autoScrollTimer_, &QTimer::timeout, this,
            [this] { autoScrollStep(scrollBox_->viewport()->mapFromGlobal(QCursor::pos())); });
}

void TForm1::buildStatusBar()
{
    statusPanel1_ = new QLabel(this);
    statusPanel1_->setObjectName(QStringLiteral("StatusPanel1"));
    // A fixed size in both directions: the position it shows changes with every mouse move, and a
    // panel that could grow would lay the window out again each time.
    // Wide enough for four five-digit numbers and the longest tool name.
    const QFontMetrics metrics = statusPanel1_->fontMetrics();
    const int widest = metrics.horizontalAdvance(u("X=-8888, Y=-8888, W=8888, H=8888, 選択モード（範囲）"));
    statusPanel1_->setFixedSize(widest + metrics.averageCharWidth(), metrics.height());
    statusPanel2_ = new QLabel(this);
    statusPanel2_->setObjectName(QStringLiteral("StatusPanel2"));
    statusPanel2_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(statusPanel1_);
    statusBar()->addWidget(statusPanel2_, 1);
    // A click on either panel is a click on the bar (it flips the second panel's alignment).
    statusPanel1_->setAttribute(Qt::WA_TransparentForMouseEvents);
    statusPanel2_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

} // namespace molvane

#include "settings/tform3.h"

#include "dialogs/dialog_buttons.h"
#include "dialogs/up_down.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <initializer_list>
#include <utility>

namespace molvane {

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

// The texts of the dialog, kept whole so each can be found as the user sees it.
// clang-format off
namespace texts {
constexpr const char* kCaption = "環境設定";
constexpr const char* kDisplayHeading = "【表示】";
constexpr const char* kPictureHeading = "【部分画像の自動保存】";
constexpr const char* kMasuLabel = "罫線";
constexpr const char* kCursorLabel = "カーソル";
constexpr const char* kSmallMoveLabel = "微動操作";
constexpr const char* kAutoScrollLabel = "自動スクロール速度";
constexpr const char* kRatioLabel = "「文字・画像サイズ」の縮小率：";
constexpr const char* kMojiBtnLabel = "文字ボタンの色";
constexpr const char* kColorLabel = "色";
constexpr const char* kHabaLabel = "幅";
constexpr const char* kTextRowLabel = "文字：";
constexpr const char* kPictureRowLabel = "画像：";
constexpr const char* kSizeMinus1 = "-1";
constexpr const char* kSizeMinus2 = "-2";
constexpr const char* kPicFormatLabel = "→ 保存形式";
constexpr const char* kBrowseCaption = "...";

constexpr const char* kShowMasu = "表示する";
constexpr const char* kShowSeidoCursor = "精度マークを表示する";
constexpr const char* kShowCrossCursor = "十字線を表示する";
constexpr const char* kCross1 = "常時";
constexpr const char* kCross2 = "選択モード中（四角）";
constexpr const char* kSmallMove1 = "１ドット";
constexpr const char* kSmallMove2 = "カーソル精度に合わせる";
constexpr const char* kMojiBtnColor = "内容が変更されたときは色を変える";
constexpr const char* kSaveWithPic = "図形を選択して保存するとき，自動で画像としても保存する";
constexpr const char* kPicBmp = "bmp";
constexpr const char* kPicJpg = "jpg";
constexpr const char* kSaveFolder = "部分画像の保存フォルダを変更する";
constexpr const char* kInit = "初期化";

constexpr const char* kShowMasuHint = "罫線表示 … キャンバスに罫線を表示します。";
constexpr const char* kMasuSwatchHint = "罫線表示 … 現在選択されている罫線の色の見本です。";
constexpr const char* kMasuColorHint = "罫線の色 … 罫線の色を選択します。";
constexpr const char* kMasuHabaHint = "罫線の幅 … 罫線の縦横の幅を指定します。";
constexpr const char* kShowSeidoCursorHint =
    "精度マーク表示 … マウスカーソルの先端に，精度マーク（カーソル精度に合わせて移動するマーク）を表示します。";
constexpr const char* kShowCrossCursorHint = "十字線を表示 … マウスカーソルの先端を通る十字の縦横線を表示します。";
constexpr const char* kCross1Hint = "常時 … つねに十字線を表示します。";
constexpr const char* kCross2Hint = "選択モード（四角） … 選択モード（四角）のときだけ，十字線を表示します。";
constexpr const char* kSmallMove1Hint =
    "微動操作 … １ドット単位で行います。 ※微動操作とは，描画や図形移動のとき，マウスカーソルを，ドラッグではなくキーボードの矢印キーで動かすことです。";
constexpr const char* kSmallMove2Hint =
    "微動操作 … カーソル精度と同じ移動量で行います。 ※微動操作とは，描画や図形移動のとき，マウスカーソルを，ドラッグではなくキーボードの矢印キーで動かすことです。";
constexpr const char* kAutoScrollHint =
    "自動スクロール速度 … マウスドラッグ中，マウスカーソルがキャンバスの端に来たときに自動スクロールする速度を指定します。";
constexpr const char* kRecoveryLabel = "復元用の保存間隔（秒）";
constexpr const char* kRecoveryHint =
    "復元用の保存間隔 … 図形を変更したとき，異常終了に備えて復元用の控えを保存する間隔（秒）を指定します。0 のときは保存しません。";
constexpr const char* kSizeM1Hint = "文字の\"-1\"サイズ … 文字の\"-1\"サイズの縮小率を指定します。";
constexpr const char* kSizeM2Hint = "文字の\"-2\"サイズ … 文字の\"-2\"サイズの縮小率を指定します。";
constexpr const char* kSizeP1Hint = "画像の\"-1\"サイズ … 画像の\"-1\"サイズの縮小率を指定します。";
constexpr const char* kSizeP2Hint = "画像の\"-2\"サイズ … 画像の\"-2\"サイズの縮小率を指定します。";
constexpr const char* kMojiBtnColorHint =
    "文字ボタンの色 … 文字ボタンに登録されている内容が変更されたときは，ボタンの文字色を赤色にします。";
constexpr const char* kSaveWithPicHint = "部分画像の自動保存 … 図形を選択して保存するときに，同時に画像として自動保存します。";
constexpr const char* kPicBmpHint = "bmp … 部分画像を自動保存するとき，bmp形式 で保存します。";
constexpr const char* kPicJpgHint = "jpg … 部分画像を自動保存するとき，jpg形式 で保存します。";
constexpr const char* kSaveFolderHint = "部分画像の自動保存 … 部分画像を自動保存するフォルダを変更します。";
constexpr const char* kSaveFolderEditHint =
    "部分画像の自動保存 … 部分画像を自動保存するときのフォルダです。空白時は標準のフォルダになります。";
constexpr const char* kSaveFolderButtonHint = "部分画像の自動保存 … 部分画像を自動保存するフォルダを選択します。";
constexpr const char* kInitHint = "初期化 … すべての設定値を初期設定に戻します。";

constexpr const char* kInitQuestion = "設定値を初期設定に戻します。いいですか。";
constexpr const char* kBrowseTitle = "部分画像の保存フォルダを選択して下さい。";
constexpr const char* kNotANumber = "'%1' は有効な浮動小数点数ではありません。";
} // namespace texts
// clang-format on

// The values "初期化" puts into the controls.
namespace initial {
constexpr TColor kMasuColor = 0xC0C0C0;
constexpr int kAutoScrollSpeed = 5;
constexpr int kRecoveryInterval = 60;
constexpr int kMasuHaba = 24;
constexpr const char* kSizeM1 = "0.6";
constexpr const char* kSizeM2 = "0.36";
constexpr const char* kSizeP1 = "0.75";
constexpr const char* kSizeP2 = "0.5";
} // namespace initial

constexpr int kMasuHabaMin = 0;
constexpr int kMasuHabaMax = 100;
constexpr int kAutoScrollMin = 1;
constexpr int kAutoScrollMax = 20;
constexpr int kRatioDigits = 4;

constexpr QSize kSwatchSize(56, 24);
constexpr QPoint kSwatchLineFrom(6, 12);
constexpr QPoint kSwatchLineTo(48, 12);
constexpr int kSwatchLineWidth = 2;
constexpr int kNumberEditWidth = 40;
constexpr int kRatioEditWidth = 56;
constexpr int kFolderEditWidth = 320;
constexpr int kBrowseButtonWidth = 32;
constexpr int kIndent = 20;

void setHint(QWidget* w, const char* hint)
{
    w->setToolTip(u(hint));
    w->setStatusTip(u(hint));
}

template <class W> W* named(W* w, const char* name, const char* hint = nullptr)
{
    w->setObjectName(QString::fromLatin1(name));
    if (hint)
        setHint(w, hint);
    return w;
}

QHBoxLayout* row()
{
    auto* h = new QHBoxLayout;
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(6);
    return h;
}

// The up-down's value follows what was typed into its edit box: a number is taken (kept within the
// range), anything else leaves the last value.
void takeTypedValue(TUpDown* upDown)
{
    bool ok = false;
    const int typed = upDown->associate()->text().trimmed().toInt(&ok);
    upDown->setValue(ok ? typed : upDown->value());
}

bool isExistingFolder(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

QString ratioText(double ratio)
{
    return QLocale::c().toString(ratio, 'g', kRatioDigits);
}

std::optional<double> ratioFromText(const QString& text)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(text.trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

TForm3::TForm3(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(u(texts::kCaption));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    layout->addWidget(buildDisplayGroup());
    layout->addWidget(buildPictureGroup());
    layout->addSpacing(4);

    auto* bottom = row();
    btInit = named(new QPushButton(u(texts::kInit), this), "btInit", texts::kInitHint);
    btInit->setAutoDefault(false);
    connect(btInit, &QPushButton::clicked, this, &TForm3::btInitClick);
    bottom->addWidget(btInit);
    bottom->addStretch(1);
    layout->addLayout(bottom);
    addOkCancelButtons(this, bottom);

    cbSaveWithPicClick();
    cbShowCrossCursorClick();
    paintSwatch();
    fixSizeOnFirstShow(this);
}

QWidget* TForm3::buildDisplayGroup()
{
    auto* group = new QWidget(this);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    grid->setColumnMinimumWidth(0, kIndent);
    grid->addWidget(sectionHeading(texts::kDisplayHeading, group), 0, 0, 1, 3);
    int line = 1;
    const auto label = [&](const char* text) { grid->addWidget(new QLabel(u(text), group), line, 1); };

    // 罫線: shown or not, colour, spacing.
    label(texts::kMasuLabel);
    auto* masu = row();
    cbShowMasu = named(new QCheckBox(u(texts::kShowMasu), group), "cbShowMasu", texts::kShowMasuHint);
    masu->addWidget(cbShowMasu);
    masu->addSpacing(12);
    masu->addWidget(new QLabel(u(texts::kColorLabel), group));
    imMasuColor = named(new QLabel(group), "imMasuColor", texts::kMasuSwatchHint);
    imMasuColor->setFrameShape(QFrame::Box);
    imMasuColor->setLineWidth(1);
    imMasuColor->setFixedSize(kSwatchSize + QSize(2, 2));
    imMasuColor->setAlignment(Qt::AlignCenter);
    masu->addWidget(imMasuColor);
    bbMasuColor =
        named(new QPushButton(u(texts::kBrowseCaption), group), "bbMasuColor", texts::kMasuColorHint);
    bbMasuColor->setFixedWidth(kBrowseButtonWidth);
    bbMasuColor->setAutoDefault(false);
    connect(bbMasuColor, &QPushButton::clicked, this, &TForm3::bbMasuColorClick);
    masu->addWidget(bbMasuColor);
    masu->addSpacing(12);
    masu->addWidget(new QLabel(u(texts::kHabaLabel), group));
    edMasuHaba = named(new QLineEdit(group), "edMasuHaba", texts::kMasuHabaHint);
    edMasuHaba->setFixedWidth(kNumberEditWidth);
    edMasuHaba->setAlignment(Qt::AlignRight);
    udMasuHaba = named(new TUpDown(group), "udMasuHaba", texts::kMasuHabaHint);
    udMasuHaba->setRange(kMasuHabaMin, kMasuHabaMax);
    udMasuHaba->associate(edMasuHaba);
    udMasuHaba->setValue(initial::kMasuHaba);
    masu->addWidget(edMasuHaba);
    masu->addWidget(udMasuHaba);
    masu->addStretch(1);
    grid->addLayout(masu, line++, 2);

    // カーソル: the precision mark, the cross-hair and when it shows.
    label(texts::kCursorLabel);
    cbShowSeidoCursor = named(new QCheckBox(u(texts::kShowSeidoCursor), group), "cbShowSeidoCursor",
                              texts::kShowSeidoCursorHint);
    grid->addWidget(cbShowSeidoCursor, line++, 2);
    auto* cross = row();
    cbShowCrossCursor = named(new QCheckBox(u(texts::kShowCrossCursor), group), "cbShowCrossCursor",
                              texts::kShowCrossCursorHint);
    connect(cbShowCrossCursor, &QCheckBox::toggled, this, &TForm3::cbShowCrossCursorClick);
    cross->addWidget(cbShowCrossCursor);
    pnCross = named(new QWidget(group), "pnCross");
    auto* crossChoice = row();
    crossChoice->setContentsMargins(0, 0, 0, 0);
    pnCross->setLayout(crossChoice);
    rbCross1 = named(new QRadioButton(u(texts::kCross1), pnCross), "rbCross1", texts::kCross1Hint);
    rbCross2 = named(new QRadioButton(u(texts::kCross2), pnCross), "rbCross2", texts::kCross2Hint);
    rbCross2->setChecked(true);
    crossChoice->addWidget(rbCross1);
    crossChoice->addSpacing(6);
    crossChoice->addWidget(rbCross2);
    // Hiding the choice must not move the rest of the dialog.
    QSizePolicy keep = pnCross->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    pnCross->setSizePolicy(keep);
    cross->addWidget(pnCross);
    cross->addStretch(1);
    grid->addLayout(cross, line++, 2);

    // 微動操作
    label(texts::kSmallMoveLabel);
    auto* smallMove = row();
    rbSmallMove1 =
        named(new QRadioButton(u(texts::kSmallMove1), group), "rbSmallMove1", texts::kSmallMove1Hint);
    rbSmallMove2 =
        named(new QRadioButton(u(texts::kSmallMove2), group), "rbSmallMove2", texts::kSmallMove2Hint);
    auto* smallMoveGroup = new QButtonGroup(this);
    smallMoveGroup->addButton(rbSmallMove1);
    smallMoveGroup->addButton(rbSmallMove2);
    rbSmallMove1->setChecked(true);
    smallMove->addWidget(rbSmallMove1);
    smallMove->addSpacing(12);
    smallMove->addWidget(rbSmallMove2);
    smallMove->addStretch(1);
    grid->addLayout(smallMove, line++, 2);

    // 自動スクロール速度
    label(texts::kAutoScrollLabel);
    auto* scroll = row();
    edAutoScroll = named(new QLineEdit(group), "edAutoScroll", texts::kAutoScrollHint);
    edAutoScroll->setFixedWidth(kNumberEditWidth);
    edAutoScroll->setAlignment(Qt::AlignRight);
    udAutoScroll = named(new TUpDown(group), "udAutoScroll", texts::kAutoScrollHint);
    udAutoScroll->setRange(kAutoScrollMin, kAutoScrollMax);
    udAutoScroll->associate(edAutoScroll);
    udAutoScroll->setValue(initial::kAutoScrollSpeed);
    scroll->addWidget(edAutoScroll);
    scroll->addWidget(udAutoScroll);
    scroll->addStretch(1);
    grid->addLayout(scroll, line++, 2);

    // 復元用の保存間隔
    label(texts::kRecoveryLabel);
    auto* recovery = row();
    edRecovery = named(new QLineEdit(group), "edRecovery", texts::kRecoveryHint);
    edRecovery->setFixedWidth(kNumberEditWidth);
    edRecovery->setAlignment(Qt::AlignRight);
    udRecovery = named(new TUpDown(group), "udRecovery", texts::kRecoveryHint);
    udRecovery->setRange(0, kMaxRecoveryInterval);
    udRecovery->setIncrement(10);
    udRecovery->associate(edRecovery);
    udRecovery->setValue(initial::kRecoveryInterval);
    recovery->addWidget(edRecovery);
    recovery->addWidget(udRecovery);
    recovery->addStretch(1);
    grid->addLayout(recovery, line++, 2);
    for (TUpDown* upDown : {udMasuHaba, udAutoScroll, udRecovery})
        connect(upDown->associate(), &QLineEdit::editingFinished, this, [upDown] { takeTypedValue(upDown); });

    // The reduction ratios: a row for text and one for pictures, a column for "-1" and one for "-2".
    grid->addWidget(new QLabel(u(texts::kRatioLabel), group), line++, 1, 1, 2);
    auto* ratios = new QGridLayout;
    ratios->setContentsMargins(0, 0, 0, 0);
    ratios->setHorizontalSpacing(8);
    ratios->setVerticalSpacing(4);
    ratios->setColumnMinimumWidth(0, kIndent);
    ratios->addWidget(new QLabel(u(texts::kSizeMinus1), group), 0, 2, Qt::AlignHCenter);
    ratios->addWidget(new QLabel(u(texts::kSizeMinus2), group), 0, 3, Qt::AlignHCenter);
    const auto ratioEdit = [&](const char* name, const char* hint) {
        auto* e = named(new QLineEdit(group), name, hint);
        e->setFixedWidth(kRatioEditWidth);
        e->setAlignment(Qt::AlignRight);
        return e;
    };
    edSizeM1 = ratioEdit("edSizeM1", texts::kSizeM1Hint);
    edSizeM2 = ratioEdit("edSizeM2", texts::kSizeM2Hint);
    edSizeP1 = ratioEdit("edSizeP1", texts::kSizeP1Hint);
    edSizeP2 = ratioEdit("edSizeP2", texts::kSizeP2Hint);
    ratios->addWidget(new QLabel(u(texts::kTextRowLabel), group), 1, 1);
    ratios->addWidget(edSizeM1, 1, 2);
    ratios->addWidget(edSizeM2, 1, 3);
    ratios->addWidget(new QLabel(u(texts::kPictureRowLabel), group), 2, 1);
    ratios->addWidget(edSizeP1, 2, 2);
    ratios->addWidget(edSizeP2, 2, 3);
    ratios->setColumnStretch(4, 1);
    grid->addLayout(ratios, line++, 1, 1, 2);

    // 文字ボタンの色
    label(texts::kMojiBtnLabel);
    cbMojiBtnColor =
        named(new QCheckBox(u(texts::kMojiBtnColor), group), "cbMojiBtnColor", texts::kMojiBtnColorHint);
    grid->addWidget(cbMojiBtnColor, line++, 2);
    grid->setColumnStretch(2, 1);
    return group;
}

QWidget* TForm3::buildPictureGroup()
{
    auto* group = new QWidget(this);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    grid->setColumnMinimumWidth(0, kIndent);
    grid->setColumnMinimumWidth(1, kIndent);
    grid->addWidget(sectionHeading(texts::kPictureHeading, group), 0, 0, 1, 3);

    cbSaveWithPic =
        named(new QCheckBox(u(texts::kSaveWithPic), group), "cbSaveWithPic", texts::kSaveWithPicHint);
    connect(cbSaveWithPic, &QCheckBox::toggled, this, &TForm3::cbSaveWithPicClick);
    grid->addWidget(cbSaveWithPic, 1, 1, 1, 2);
    auto* format = row();
    lbPicFormat = named(new QLabel(u(texts::kPicFormatLabel), group), "lbPicFormat");
    rbPicBmp = named(new QRadioButton(u(texts::kPicBmp), group), "rbPicBmp", texts::kPicBmpHint);
    rbPicJpg = named(new QRadioButton(u(texts::kPicJpg), group), "rbPicJpg", texts::kPicJpgHint);
    auto* formatGroup = new QButtonGroup(this);
    formatGroup->addButton(rbPicBmp);
    formatGroup->addButton(rbPicJpg);
    rbPicBmp->setChecked(true);
    format->addWidget(lbPicFormat);
    format->addSpacing(6);
    format->addWidget(rbPicBmp);
    format->addSpacing(12);
    format->addWidget(rbPicJpg);
    format->addStretch(1);
    grid->addLayout(format, 2, 2);

    cbSaveFolder = named(new QCheckBox(u(texts::kSaveFolder), group), "cbSaveFolder", texts::kSaveFolderHint);
    grid->addWidget(cbSaveFolder, 3, 1, 1, 2);
    auto* folder = row();
    folder->setSpacing(4);
    edSaveFolder = named(new QLineEdit(group), "edSaveFolder", texts::kSaveFolderEditHint);
    edSaveFolder->setMinimumWidth(kFolderEditWidth);
    bbSaveFolder =
        named(new QPushButton(u(texts::kBrowseCaption), group), "bbSaveFolder", texts::kSaveFolderButtonHint);
    bbSaveFolder->setFixedWidth(kBrowseButtonWidth);
    bbSaveFolder->setAutoDefault(false);
    connect(bbSaveFolder, &QPushButton::clicked, this, &TForm3::bbSaveFolderClick);
    folder->addWidget(edSaveFolder, 1);
    folder->addWidget(bbSaveFolder);
    grid->addLayout(folder, 4, 2);
    grid->setColumnStretch(2, 1);
    return group;
}

void TForm3::showSettings(const EnvironmentSettings& s)
{
    masuColor_ = s.masuColor;
    cbShowMasu->setChecked(s.showMasu);
    cbShowSeidoCursor->setChecked(s.showSeidoCursor);
    cbMojiBtnColor->setChecked(s.mojiBtnColor);
    cbSaveWithPic->setChecked(s.saveWithPic);
    cbSaveFolder->setChecked(s.useSaveFolder);
    cbShowCrossCursor->setChecked(s.crossCursorMode > 0);
    // Mode 0 leaves the choice as it was, for the next time the cross-hair is switched on.
    if (s.crossCursorMode == 1)
        rbCross1->setChecked(true);
    else if (s.crossCursorMode == 2)
        rbCross2->setChecked(true);
    (s.picBmp ? rbPicBmp : rbPicJpg)->setChecked(true);
    (s.smallMoveOneDot ? rbSmallMove1 : rbSmallMove2)->setChecked(true);
    edSaveFolder->setText(s.saveFolder);
    udAutoScroll->setValue(s.autoScrollSpeed);
    udRecovery->setValue(s.recoveryInterval);
    udMasuHaba->setValue(s.masuHaba);
    edSizeM1->setText(ratioText(s.sizeM1));
    edSizeM2->setText(ratioText(s.sizeM2));
    edSizeP1->setText(ratioText(s.sizeP1));
    edSizeP2->setText(ratioText(s.sizeP2));
    cbShowCrossCursorClick();
    cbSaveWithPicClick();
    showColor(masuColor_);
}

bool TForm3::applyTo(EnvironmentSettings& s, QString& partPicFolder, const QString& standardFolder)
{
    s.masuColor = masuColor_;
    s.showMasu = cbShowMasu->isChecked();
    s.showSeidoCursor = cbShowSeidoCursor->isChecked();
    if (!cbShowCrossCursor->isChecked())
        s.crossCursorMode = 0;
    else if (rbCross1->isChecked())
        s.crossCursorMode = 1;
    else if (rbCross2->isChecked())
        s.crossCursorMode = 2;
    s.saveWithPic = cbSaveWithPic->isChecked();
    s.picBmp = rbPicBmp->isChecked();
    s.useSaveFolder = cbSaveFolder->isChecked();
    // The standard folder typed out is the same as no folder at all.
    s.saveFolder = edSaveFolder->text();
    if (s.saveFolder.compare(standardFolder, Qt::CaseInsensitive) == 0)
        s.saveFolder.clear();
    // A folder that does not exist is kept in the settings, but pictures go on to the folder used so far.
    if (s.useSaveFolder && isExistingFolder(s.saveFolder))
        partPicFolder = s.saveFolder;
    takeTypedValue(udAutoScroll);
    takeTypedValue(udMasuHaba);
    takeTypedValue(udRecovery);
    s.autoScrollSpeed = udAutoScroll->value();
    s.recoveryInterval = udRecovery->value();
    s.masuHaba = udMasuHaba->value();
    s.smallMoveOneDot = rbSmallMove1->isChecked();
    for (auto [edit, ratio] : {std::pair{edSizeM1, &s.sizeM1}, std::pair{edSizeM2, &s.sizeM2},
                               std::pair{edSizeP1, &s.sizeP1}, std::pair{edSizeP2, &s.sizeP2}}) {
        const std::optional<double> value = ratioFromText(edit->text());
        if (!value) {
            prompts_.message(u(texts::kNotANumber).arg(edit->text()), MessageType::Error, MessageButtons::Ok);
            return false;
        }
        *ratio = *value;
    }
    s.mojiBtnColor = cbMojiBtnColor->isChecked();
    return true;
}

void TForm3::accept()
{
    masuColor_ = colorDialogColor_;
    QDialog::accept();
}

void TForm3::showEvent(QShowEvent* e)
{
    // Every opening starts the colour dialog and the swatch from the grid colour copy.
    showColor(masuColor_);
    QDialog::showEvent(e);
}

void TForm3::bbMasuColorClick()
{
    if (const std::optional<TColor> chosen = prompts_.chooseColor(colorDialogColor_)) {
        colorDialogColor_ = *chosen;
        paintSwatch();
    }
}

void TForm3::bbSaveFolderClick()
{
    const QString typed = edSaveFolder->text();
    const QString start = isExistingFolder(typed) ? typed : partPicFolder_;
    if (const std::optional<QString> chosen = prompts_.browseFolder(u(texts::kBrowseTitle), start))
        edSaveFolder->setText(*chosen);
}

void TForm3::btInitClick()
{
    prompts_.beep(BeepKind::Information);
    if (prompts_.message(u(texts::kInitQuestion), MessageType::Information, MessageButtons::YesCancel) !=
        Answer::Yes)
        return;
    cbSaveWithPic->setChecked(true);
    cbShowMasu->setChecked(true);
    masuColor_ = initial::kMasuColor;
    rbPicBmp->setChecked(true);
    cbShowSeidoCursor->setChecked(true);
    cbSaveFolder->setChecked(false);
    edSaveFolder->clear();
    udAutoScroll->setValue(initial::kAutoScrollSpeed);
    udRecovery->setValue(initial::kRecoveryInterval);
    udMasuHaba->setValue(initial::kMasuHaba);
    rbSmallMove1->setChecked(true);
    edSizeM1->setText(u(initial::kSizeM1));
    edSizeM2->setText(u(initial::kSizeM2));
    edSizeP1->setText(u(initial::kSizeP1));
    edSizeP2->setText(u(initial::kSizeP2));
    cbMojiBtnColor->setChecked(true);
    cbShowCrossCursor->setChecked(true);
    rbCross2->setChecked(true);
    cbShowCrossCursorClick();
    cbSaveWithPicClick();
    showColor(masuColor_);
}

void TForm3::cbSaveWithPicClick()
{
    const bool on = cbSaveWithPic->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{rbPicBmp, rbPicJpg, lbPicFormat})
        w->setEnabled(on);
}

void TForm3::cbShowCrossCursorClick()
{
    pnCross->setVisible(cbShowCrossCursor->isChecked());
}

void TForm3::showColor(TColor color)
{
    colorDialogColor_ = color;
    paintSwatch();
}

void TForm3::paintSwatch()
{
    QImage image(kSwatchSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(QPen(toQColor(colorDialogColor_), kSwatchLineWidth, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(kSwatchLineFrom, kSwatchLineTo);
    p.end();
    swatch_ = image;
    imMasuColor->setPixmap(QPixmap::fromImage(swatch_));
}

} // namespace molvane

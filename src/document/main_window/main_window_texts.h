#pragma once
// Every text of the main window that the user reads: menu captions and hints, tool hints, the canvas
// hints, the questions. Kept in one place so that the window code stays about behaviour.

namespace molvane::texts {

inline constexpr const char* kHintSeparator = " … ";

// File menu: caption, hint text after the caption.
inline constexpr const char* kMenuFile = "ファイル(&F)";
inline constexpr const char* kMenuEdit = "編集(&E)";
inline constexpr const char* kMenuHelp = "ヘルプ(&H)";
inline constexpr const char* kHelpMissing = "ヘルプファイルが見つかりません。";
inline constexpr const char* kHelpNoViewer = "ヘルプファイル %1 を表示するプログラムが見つかりません。";

inline constexpr const char* kFileNew = "新規作成(&N)";
inline constexpr const char* kFileNewHint = " … 起動直後の最初の状態から始めます。";
inline constexpr const char* kFileOpen = "開く(&O)";
inline constexpr const char* kFileOpenHint =
    " … 図形ファイルを開きます。 ※「図形ファイル」とは，キャンバス上のすべての図形をまとめて保存したファイルです。";
inline constexpr const char* kFileSave = "上書き保存(&S)";
inline constexpr const char* kFileSaveHint =
    " … 図形ファイルを上書き保存します。 ※「図形ファイル」とは，キャンバス上のすべての図形をまとめて保存したファイルです。";
inline constexpr const char* kFileSaveAs = "名前を付けて保存(&A)";
inline constexpr const char* kFileSaveAsHint =
    " … 図形ファイルに名前を付けて保存します。 ※「図形ファイル」とは，キャンバス上のすべての図形をまとめて保存したファイルです。";
inline constexpr const char* kPicOpen = "画像を開く(&P)";
inline constexpr const char* kPicOpenHint =
    " … 画像ファイルを開きます。 ※「画像ファイル」とは，キャンバス全体を１つの画像として保存したファイルです。";
inline constexpr const char* kPicSaveAs = "画像として保存(&G)";
inline constexpr const char* kPicSaveHighRes = "高解像度画像として保存…";
inline constexpr const char* kPicSaveHighResHint =
    " … キャンバス全体（範囲を選択しているときはその範囲）を，2倍・4倍・8倍の大きさの PNG "
    "画像として保存します。 印刷や文書に貼るときに使います。";
inline constexpr const char* kPicSaveVector = "ベクター形式で保存…";
inline constexpr const char* kPicSaveVectorHint =
    " … キャンバス全体（範囲を選択しているときはその範囲）を，SVG または PDF "
    "のベクター画像として保存します。 "
    "拡大しても線や文字がなめらかなまま，文書や発表資料に使えます。";
inline constexpr const char* kScalePrompt = "倍率（2，4，8）";
inline constexpr const char* kScaleWrong = "倍率は 2，4，8 のどれかを入力して下さい。";
inline constexpr const char* kScaledTooLarge = "画像が大きすぎるため，この倍率では保存できません。";
inline constexpr const char* kScaledTakesLong = "この倍率では描画に長い時間がかかります。保存しますか。";
inline constexpr const char* kVectorTakesLong = "ベクター形式では描画に長い時間がかかります。保存しますか。";
inline constexpr const char* kPicSaveAsHint =
    " … 画像ファイルとして，名前を付けて保存します。 ※「画像ファイル」とは，キャンバス全体を１つの画像として保存したファイルです。";
inline constexpr const char* kInitParam = "描画条件を初期化";
inline constexpr const char* kInitParamHint =
    " … 図形の変形，カーソル精度，表示倍率，罫線表示を初期化します。いろいろ変えすぎて，わけがわからなくなったときなどに使って下さい。";
inline constexpr const char* kChangeData = "データ変換";
inline constexpr const char* kExit = "終了(&X)";
inline constexpr const char* kExitHintEnd = "を終了します。";

inline constexpr const char* kInitParamQuestion =
    "描画条件を初期化します。いいですか。\r\n\r\n※初期化される内容\r\n図形の変形，カーソル精度，表示倍率，罫線表示";
inline constexpr const char* kAskSaveModified = "図形ファイルが変更されています。保存しますか。";

// Popup menu (and the edit menu built from it): caption, shortcut.
inline constexpr const char* kUndo = "元に戻す";
inline constexpr const char* kRedo = "先に戻す";
inline constexpr const char* kSelectIndividual = "選択モード - 個別";
inline constexpr const char* kSelectAll = "すべて選択";
inline constexpr const char* kSelectRect = "選択モード - 四角";
inline constexpr const char* kSelectFree = "選択モード - 自由";
inline constexpr const char* kCut = "切り取り";
inline constexpr const char* kCopy = "コピー";
inline constexpr const char* kPaste = "貼り付け";
inline constexpr const char* kDelete = "削除";
inline constexpr const char* kCutPicture = "画像として切り取り";
inline constexpr const char* kCopyPicture = "画像としてコピー";
inline constexpr const char* kPastePicture = "画像の貼り付け";
inline constexpr const char* kCutPictureHint =
    "画像として切り取り … 選択モードで選択した範囲を，画像に変換してコピーして削除します。";
inline constexpr const char* kCopyPictureHint =
    "画像としてコピー … 選択モードで選択した範囲を，画像に変換してコピーします。";
inline constexpr const char* kPastePictureHint =
    "画像の貼り付け … 画像がコピーされているときに，その画像を貼り付けます。";
inline constexpr const char* kConnect = "先端密着";
inline constexpr const char* kConnectCancel = "密着解除";
inline constexpr const char* kFigureInfo = "図形情報";
inline constexpr const char* kConnectHint =
    "先端密着 … 単・二重・三重結合について，選択した先端を，近くの図形に密着します。近くに図形がないときは何もしません。";
inline constexpr const char* kConnectCancelHint = "密着解除 … 選択した先端の密着を解除します。";
inline constexpr const char* kFigureInfoHint = "図形情報 … 選択した図形の詳細を表示します。";

inline constexpr const char* kSelectIndividualHint =
    "選択モード - 個別 … すべての図形の選択枠を表示します。選択枠をｸﾘｯｸして赤色にする/しないで，選択/選択解除を切り替えます。";
inline constexpr const char* kSelectRectHint =
    "選択モード - 四角範囲 … ﾏｳｽﾄﾞﾗｯｸﾞで囲まれた図形を，選択された状態で選択枠表示します。範囲の中に図形全体（文字，画像では中心）が入っている図形の選択枠が表示されます。";
inline constexpr const char* kSelectFreeHint =
    "選択モード - 自由範囲 … ﾏｳｽﾄﾞﾗｯｸﾞで囲まれた図形を，選択された状態で選択枠表示します。範囲の中に図形全体（文字，画像では中心）が入っている図形の選択枠が表示されます。";
inline constexpr const char* kSelectAllHint =
    "選択モード - すべて選択 … すべての図形の選択枠を，選択された状態で選択枠表示します。選択枠をｸﾘｯｸして赤色にしないことで，選択解除することもできます。";
inline constexpr const char* kContinueSelectHint = "ﾎﾞﾀﾝを右ｸﾘｯｸしたときは，何かﾎﾞﾀﾝをｸﾘｯｸするまで，選択モードを継続します。";

// Tool buttons.
inline constexpr const char* kBondHintTail =
    " … キャンバス上でﾏｳｽﾎﾞﾀﾝを押すと起点が決まるので，そのままﾎﾞﾀﾝを離さずﾄﾞﾗｯｸﾞして終点を決めて下さい。描画直後は変形できます。ﾎﾞﾀﾝを右ｸﾘｯｸしたときは，右ｸﾘｯｸ線種になります。";
inline constexpr const char* kMojiHint =
    "文字・短文 … 押されている文字ﾎﾞﾀﾝ（または短文枠）の内容を描画します。キャンバス上でﾏｳｽﾎﾞﾀﾝを押すと文字が表示されるので，そのままﾎﾞﾀﾝを離さずﾄﾞﾗｯｸﾞして位置を決めて下さい。描画直後は変形できます。";
inline constexpr const char* kNuriHint = "塗りつぶし … キャンバス上のｸﾘｯｸした位置から境界線までを塗りつぶします。";
inline constexpr const char* kFreeHint =
    "自由曲線 … キャンバス上でﾏｳｽをﾄﾞﾗｯｸﾞして下さい。描画直後は変形できます。ﾎﾞﾀﾝを右ｸﾘｯｸしたときは，右ｸﾘｯｸ線種になります。";
inline constexpr const char* kCircleHintHead = "円（点）・長円 … 形状変形=0,1のときは点になります。";
inline constexpr const char* kArrowHint =
    "曲矢印 … 形状変形=0のときは直矢印になります。キャンバス上でﾏｳｽﾎﾞﾀﾝを押すと尾点が決まるので，そのままﾎﾞﾀﾝを離さずﾄﾞﾗｯｸﾞして頭点を決めて下さい。描画直後は変形できます。ﾎﾞﾀﾝを右ｸﾘｯｸしたときは，右ｸﾘｯｸ線種になります。";

// Character buttons and the short text.
inline constexpr const char* kStrCaption = "短文";
inline constexpr const char* kStrHint =
    "短文ﾎﾞﾀﾝ … 短文を描画したいときは，このﾎﾞﾀﾝを押された状態にします。描画するときは，文字・短文ﾎﾞﾀﾝを選択して行います。";
inline constexpr const char* kStrMemoHintPrefix = "短文枠 … 描画したい短文を指定します。複数行入力できます。【現在の内容】 ";
inline constexpr const char* kEditStrCaption = "編集";
inline constexpr const char* kEditStrHint =
    "短文枠編集ﾎﾞﾀﾝ … 短文枠の内容を，フォームを使って編集できます。 ※短文枠でも編集できますが，1行しか表示されません。";

// Reform controls.
inline constexpr const char* kPrecisionHint =
    "カーソル精度 … カーソルが移動するときの最小幅を指定します。罫線のマス目を何分割するかで指定します。";
inline constexpr const char* kSetteiHint =
    "図形の線種変更 … 図形の線種・色・文字フォントを変更します。 ※最後に描画した図形を変形するかしないかを，［描画直後変形］のｸﾘｯｸで切り替えられます。";
inline constexpr const char* kWidthHint =
    "図形の線幅変形 … 図形の線幅（太さ）を変更します。 ※最後に描画した図形を変形するかしないかを，［描画直後変形］のｸﾘｯｸで切り替えられます。";
inline constexpr const char* kShapeHint =
    "図形の形状変形 … 図形の形や大きさを変更します。 ※最後に描画した図形を変形するかしないかを，［描画直後変形］のｸﾘｯｸで切り替えられます。";
inline constexpr const char* kPlusMinusHint =
    "形状変形の符号切り替え … ［形状変形］の値の正負を逆にします。 ※最後に描画した図形を変形するかしないかを，［描画直後変形］のｸﾘｯｸで切り替えられます。";
inline constexpr const char* kSizeHint =
    "文字・画像サイズ … 文字や画像の大きさを変更します。その他の図形では無効です。図形を描画する前や，図形を選択した後に有効になります。";
inline constexpr const char* kPosFuncHint = "操作パネルの位置替え … 左右２つの操作パネルの位置を入れかえます。";
inline constexpr const char* kLastReformHint =
    "描画直後変形 … ここが緑色のときは，最後に描画した図形を変形できます。赤色のときはできません。ここをｸﾘｯｸして緑/赤を切り替えることができます。";
inline constexpr const char* kLastReformCaption = "変形";
inline constexpr const char* kSetupHint =
    "環境設定 … 表示や図形保存について，動作の設定をします。 ※Molvane終了時に自動保存され，次回起動時に再現されます。";

// Picture and partial-file buttons.
inline constexpr const char* kPicLoadHint =
    "部分画像ファイルを開く … 部分画像ファイルを読み込みます。 ※表示直後は位置が未確定です。ﾄﾞﾗｯｸﾞして位置を決めて，ﾎﾞﾀﾝを放すと位置が確定します。";
inline constexpr const char* kPicLoadExHint =
    "画像エディタの画像を開く … 画像エディタで編集した画像を，図形として読み込みます。 ※表示直後は位置が未確定です。ﾄﾞﾗｯｸﾞして位置を決めて，ﾎﾞﾀﾝを放すと位置が確定します。";
inline constexpr const char* kShowMihonHint =
    "見本 … 見本画像（なぞりながら描画するための半透明の画像）を表示/非表示します。 ※表示直後は位置が未確定です。ﾄﾞﾗｯｸﾞして位置を決めて，ﾎﾞﾀﾝを放すと位置が確定します。";
inline constexpr const char* kPicSaveHint = "部分画像ファイルとして保存 … 選択モード（四角・自由範囲）で選択した範囲を，画像として保存します。";

// Canvas hints.
inline constexpr const char* kSelectingHint =
    "【選択モード中】●図形の選択や解除は，図形の選択枠をｸﾘｯｸして，赤色にする/しないで行います。●移動はﾏｳｽﾄﾞﾗｯｸﾞで行います。（+<Ctrl>ｷｰで複製）●選択した図形は，変形ﾎﾞﾀﾝや右ｸﾘｯｸﾒﾆｭｰが使えます。";
inline constexpr const char* kCanvasHint =
    "●図形ﾎﾞﾀﾝで描画する図形を決めます。●選択モードで図形を選択する（選択枠を赤色にする）と，右ｸﾘｯｸﾒﾆｭｰ・変形・移動（ﾏｳｽﾄﾞﾗｯｸﾞ）などの操作ができます。●右ｸﾘｯｸでｷｬﾝｾﾙできます。";

} // namespace molvane::texts

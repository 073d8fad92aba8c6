#pragma once
// The picture editor's own texts: captions, hints and messages, exactly as the user sees them.

namespace molvane::paint_texts {

inline constexpr const char* kCaption = "画像エディタ";
inline constexpr const char* kImageHint =
    "キャンバス … "
    "ここに図形を描画します。マウスのドラッグ中は，<Shift>同時押しで水平・垂直固定，<矢印ｷｰ>"
    "で微移動できます。"
    "　※表示倍率=100でないときは，描画中の画像と，キャンバスに実際に描き込まれる画像が異なります。";
inline constexpr const char* kZoomHint =
    "表示倍率 … キャンバスを拡大・縮小して表示します。キャンバス自体のサイズが変わるわけではありません。";
inline constexpr const char* kIncrementHint = "倍率増分 … 倍率の変化を 1 または 10 ずつにします。";
inline constexpr const char* kZoom100Hint = "100％ … 表示倍率を100％にします。 "
                                            "※画像取り込みのとき，表示倍率を100％にして描画すると，描画した画"
                                            "像が取り込んだ画像とまったく同じになります。";
inline constexpr const char* kClearAllHint = "全消去 … 編集中の画像をすべて消去します。";
inline constexpr const char* kWidthUpDownHint =
    "キャンバスの横幅 … キャンバスの横の長さを指定します。数値を直接入力することもできます。";
inline constexpr const char* kHeightUpDownHint =
    "キャンバスの縦幅 … キャンバスの縦の長さを指定します。数値を直接入力することもできます。";
inline constexpr const char* kWidthEditHint =
    "キャンバスの横幅 … キャンバスの横の長さを入力します。右の増減ボタンで指定することもできます。";
inline constexpr const char* kHeightEditHint =
    "キャンバスの縦幅 … キャンバスの縦の長さを入力します。右の増減ボタンで指定することもできます。";

inline constexpr const char* kPalletHint =
    "パレット … 描画するときの色を選択します。描画したい色をクリックして下さい。 "
    "※最上段は左から，黒色，白色（不透明），スポイトで取り込んだ色，消しゴム，です。";
inline constexpr const char* kSpoitHint =
    "スポイト … "
    "クリックした場所の色をパレットに取り込みます。　※取り込んだ色は，パレット最上段「ｽﾎﾟ」に反映されます。";
inline constexpr const char* kPalletChangeHint =
    "パレット色の変更 … 現在選択しているパレットの色を変更します。";
inline constexpr const char* kPenStyleHint = "線種 … 描画するときの線の種類を選択します。";

inline constexpr const char* kPenHint =
    "ペン … フリーハンドで線を描画します。 "
    "※最後に描画した図形を変形するかしないかを，［変形］のクリックで切り替えられます。";
inline constexpr const char* kCircleHint =
    "面 … 四角やだ円を描画します。<Shift>同時押しで正方形や円になります。 "
    "※最後に描画した図形を変形するかしないかを，［変形］のクリックで切り替えられます。";
inline constexpr const char* kRectHint =
    "四角 … ［面］実行時に，四角を描画します。<Shift>同時押しで正方形になります。";
inline constexpr const char* kEllipHint =
    "だ円 … ［面］実行時に，だ円を描画します。<Shift>同時押しで円になります。";
inline constexpr const char* kLineHint =
    "線 … 直線や曲線を描画します。［曲率］=0のとき直線になります。<Shift>同時押しで水平や垂直になります。 "
    "※最後に描画した図形を変形するかしないかを，［変形］のクリックで切り替えられます。";
inline constexpr const char* kFloodFillHint =
    "塗り … クリックした位置から境界線までをパレットで選択している色で塗りつぶします。";
inline constexpr const char* kPenWidthHint =
    "変形（線幅） … ［ペン］・［線］・［面］での線の太さを指定します。 "
    "※最後に描画した図形を変形するかしないかを，［変形］のクリックで切り替えられます。";
inline constexpr const char* kCurvatureHint =
    "変形（曲率） … ［線］での曲がり具合を指定します。0のときは直線になります。 "
    "※最後に描画した図形を変形するかしないかを，［変形］のクリックで切り替えられます。";
inline constexpr const char* kLastReformHint =
    "変形 … "
    "ここが緑色のときは，最後に描画した図形を変形（線幅，曲率）できます。赤色のときはできません。ここをクリッ"
    "クして緑/赤を切り替えることもできます。";

inline constexpr const char* kOkHint = "画像確定 … "
                                       "範囲を選択しているときはその範囲が，範囲を選択していないときはキャン"
                                       "バス全体が［OK］確定画像になります。";
inline constexpr const char* kUndoHint =
    "元に戻す … 最後に実行した操作を取り消します。　【ｷｰﾎﾞｰﾄﾞ】<Ctrl>+<Z>";
inline constexpr const char* kRedoHint =
    "先に戻す … ［元に戻す］を取り消します。　【ｷｰﾎﾞｰﾄﾞ】<Shift>+<Ctrl>+<Z>";
inline constexpr const char* kShowMihonHint =
    "見本 … 見本画像（なぞりながら描画するための薄い下絵）を表示/非表示します。 "
    "※表示するときは，現れた画像をドラッグして位置を決めて下さい。ボタンを放すと表示位置が確定します。";
inline constexpr const char* kChangeWhiteCaption =
    "［ファイルを開く］，［画像取り込み］のとき，画像内側の透明白色を不透明白色にする";
inline constexpr const char* kChangeWhiteHint =
    "［ファイルを開く］，［画像取り込み］で，画像内側の透明白色を不透明白色にする … "
    "画像を読み込むとき，画像の内側にある透明白色（完全白色）を不透明白色（完全白色に近い白色）にします。";
inline constexpr const char* kShowMasuHint = "罫線 … 罫線を表示/非表示します。";

inline constexpr const char* kClearAllQuestion = "すべて消去します。いいですか。";
inline constexpr const char* kSaveChangesQuestion = "ファイルが変更されています。保存しますか。";
inline constexpr const char* kOverwriteQuestion = "上書き保存します。いいですか。";
inline constexpr const char* kOpenTitle = "開く";
inline constexpr const char* kSaveAsTitle = "名前を付けて保存";
inline constexpr const char* kSampleOpenTitle = "見本画像を開く";
inline constexpr const char* kCaptionFileSeparator = " ～ ";
inline constexpr const char* kRangeHint =
    "範囲 … "
    "範囲選択モードにします。範囲選択中は，ドラッグで移動，ボタンや右クリックメニューで切り取り，コピー，"
    "消去などを行うことができます。 ※範囲を選択したまま［OK］すると，その範囲が［OK］確定画像になります。";
inline constexpr const char* kRectRangeHint =
    "四角 … 四角形の範囲を選択します。範囲を決めるときは，マウスをドラッグして下さい。選択した範囲は，"
    "そのままドラッグして移動することもできます。";
inline constexpr const char* kFreeRangeHint =
    "自由 … 自由な形の範囲を選択します。範囲を決めるときは，マウスをドラッグして下さい。選択した範囲は，"
    "そのままドラッグして移動することもできます。";
inline constexpr const char* kCopyHint = "コピー … 選択した範囲をコピーします。";
inline constexpr const char* kCutHint = "切り取り … 選択した範囲をコピーして，その部分を消去します。";
inline constexpr const char* kDeleteHint = "消去 … 選択した範囲を消去します。";
inline constexpr const char* kPasteShowHint =
    "表示/非表示 … コピーまたは切り取りした画像をキャンバスに表示/非表示します。 "
    "表示した画像は，ドラッグで移動，右クリックメニューで描画，伸縮，回転，反転ができます。";
inline constexpr const char* kPasteByougaHint =
    "描画 … 表示した画像をキャンバスに描画します。【選択範囲モードの流れ】（［範囲］で選択した範囲をコピー） "
    "→ "
    "［表示］ → 枠をドラッグして移動 → ［描画］ → ［隠す］";
inline constexpr const char* kPasteImageHint =
    "コピー画像 … "
    "マウスドラッグまたは矢印キーで移動，右クリックメニューで描画，伸縮，回転，反転などができます。";
inline constexpr const char* kGentenHint =
    "原点移動 … 範囲選択のコピー・切り取りや画像取り込みで表示されている画像を，左上の隅に移動します。";
inline constexpr const char* kTrimmingHint =
    "トリミング … 選択した範囲をトリミングします。　【ｷｰﾎﾞｰﾄﾞ】<Ctrl>+<T>";
inline constexpr const char* kMojiHint =
    "文字 … 文字を描画するための文字入力フォームを表示します。文字入力フォームを［OK］した後は，"
    "範囲選択モードのボタンで操作して下さい。";
inline constexpr const char* kHalfToneHint =
    "ハーフトーン描画 … 画像取り込みや範囲選択モードで［描画］するとき，ハーフトーンで描画します。 "
    "※画像を拡大縮小したとき，ギザギザが少しなめらかに見えます。";
inline constexpr const char* kFaceSelectHint = "画像 … 画像を取り込みます。";
inline constexpr const char* kFaceShowHint =
    "表示/非表示 … 取り込んだ画像をキャンバスに表示/非表示します。 "
    "表示した画像は，ドラッグで移動，右クリックメニューで描画，伸縮，回転，反転ができます。";
inline constexpr const char* kHendouHint =
    "連動 … 表示倍率を変えると，取り込んだ画像の大きさも，表示倍率に連動して変わります。";
inline constexpr const char* kKoteiHint =
    "独立 … "
    "表示倍率を変えても，取り込んだ画像の大きさは，表示倍率とは無関係に，同じ大きさのまま変わりません。";
inline constexpr const char* kFaceByougaHint = "描画 … 取り込んだ画像をキャンバスに描画します。";
inline constexpr const char* kNotDrawnQuestion =
    "新しく取り込んだ画像が，一度も描画されていません。いいですか。";
inline constexpr const char* kByougaModeLabel = "■描画モード";
inline constexpr const char* kRangeModeLabel = "■範囲選択モード";
inline constexpr const char* kRangeModeItem = "範囲選択モード(&Q)";
inline constexpr const char* kDrawModeItem = "描画モード(&Q)";
inline constexpr const char* kNoCopiedPicture = "コピーされた画像がありません。";
inline constexpr const char* kClosePasteFrame = "貼付枠を閉じて下さい。";
inline constexpr const char* kHidePictureFirst = "［表示］している画像を隠してから実行して下さい。";
inline constexpr const char* kMihonImageHint =
    "見本画像 … 画像枠をドラッグして，表示する位置を決めて下さい。";
inline constexpr const char* kTopRowFixed = "パレット最上段にある色の変更はできません。";

} // namespace molvane::paint_texts

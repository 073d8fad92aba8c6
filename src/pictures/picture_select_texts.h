#pragma once
// The texts of the picture import window (画像の取り込み).

namespace molvane::select_texts {

inline constexpr const char* kCaption = "画像の取り込み";
inline constexpr const char* kViewHint =
    "基本操作 … 【1】画像ファイルを開く。 【2】マウスをドラッグして，画像中の取り込む部分を線（切り出し線）"
    "で囲む。 【3】［切り出し］ボタンをクリック。 【4】［OK］ボタンで，切り出した画像を取り込む。";
inline constexpr const char* kZoomHint =
    "表示倍率 … 画像を拡大・縮小して表示します。画像そのものの大きさが変わるわけではありません。";
inline constexpr const char* kIncrementHint = "倍率増分 … 倍率の変化を 1 または 10 ずつにできます。";
inline constexpr const char* kZoom100Hint =
    "100％ … 表示倍率を100％にします。 ※画像取り込みのとき，このフォームを表示倍率100％で終了-［OK］して，"
    "本体の表示倍率も100％で描画すると，描画した画像が取り込んだ画像とまったく同じになります。";
inline constexpr const char* kBackColorHint = "背景の色 … 画像の透明になる部分の色を指定します。";
inline constexpr const char* kSelectColorHint =
    "切り出し線の色 … 画像を切り出す枠の線の色を指定します。 "
    "※背景の色との重なりで，必ずしも指定した色になるとは限りません。";
inline constexpr const char* kSelectWidthHint = "切り出し線の太さ … 画像を切り出す枠の線の太さを指定します。";
inline constexpr const char* kSelect1Hint =
    "切り出しの形（四角） … 画像を切り出す枠の形を四角にします。<Shift>同時押しで正方形になります。";
inline constexpr const char* kSelect2Hint =
    "切り出しの形（だ円） … 画像を切り出す枠の形をだ円にします。<Shift>同時押しで円になります。";
inline constexpr const char* kSelect3Hint = "切り出しの形（自由） … 画像を切り出す枠の形を手書きにします。";
inline constexpr const char* kSelectHint =
    "切り出し … 現在の画像から，切り出し線で囲んだ部分だけを残して，他の部分は消去します。";
inline constexpr const char* kUndoHint = "元に戻す … 最後の操作を取り消して，操作前の編集画像に戻します。";
inline constexpr const char* kRedoHint = "先に戻す … ［元に戻す］を取り消します。";
inline constexpr const char* kShownSizeCaption = "取り込み結果を，表示されている大きさと同じにする";
inline constexpr const char* kShownSizeHint =
    "取り込む画像の大きさが，表示されている通りの大きさになります。"
    "（チェック枠を選択していないときは，表示倍率100％の大きさになります。）";
inline constexpr const char* kChangeWhiteCaption =
    "［ファイルを開く］とき，画像内側の透明白色を不透明白色にする";
inline constexpr const char* kChangeWhiteHint = "画像ファイルを開くとき，画像の内側にある透明白色（完全白色）"
                                                "を不透明白色（完全白色に近い白色）にします。";
inline constexpr const char* kOpenTitle = "画像を開く";
inline constexpr const char* kNoPicture = "画像が選択されていません。";
inline constexpr const char* kCutQuestion = "選択範囲を切り出しますか。";

} // namespace molvane::select_texts

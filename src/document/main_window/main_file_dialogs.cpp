#include "document/main_window/main_file_dialogs.h"

namespace molvane {

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

void setUpOne(TFileDialogComponent& d, const char* title, const QString& folder, const char* filter, int index,
           const char* ext)
{
    d.Title = u(title);
    d.InitialDir = folder;
    d.Filter = u(filter);
    d.FilterIndex = index;
    d.DefaultExt = QString::fromLatin1(ext);
}

} // namespace

void MainFileDialogs::setUp(const DataFolders& folders, const QString& partPictures)
{
    setUpOne(MyOpenDialog1, "部分図形ファイルを開く", folders.partFigures, kPartialFigureFilter, 1, "fgb");
    setUpOne(MySaveDialog1, "部分図形ファイルとして保存", folders.partFigures, kPartialFigureFilter, 1, "fgb");
    setUpOne(MyOpenDialog2, "図形ファイルを開く", folders.figures, kFigureFilter, 1, "fga");
    setUpOne(MySaveDialog2, "名前を付けて保存", folders.figures, kFigureFilter, 1, "fga");
    setUpOne(MyOpenPictureDialog1, "部分画像ファイルを開く", partPictures, kPictureFilter, 3, "bmp");
    setUpOne(MySavePictureDialog1, "部分画像ファイルとして保存", partPictures, kPictureFilter, 3, "bmp");
    setUpOne(MyOpenPictureDialog2, "画像ファイルを開く", folders.pictures, kPictureFilter, 3, "bmp");
    setUpOne(MySavePictureDialog2, "画像ファイルとして名前を付けて保存", folders.pictures, kPictureFilter, 3, "bmp");
    setUpOne(MyOpenPictureDialog3, "見本画像として開く", partPictures, kPictureFilter, 3, "bmp");
    setUpOne(MySavePngDialog, "高解像度画像として保存", folders.pictures, "PNG 画像 (*.png)|*.png", 1, "png");
    // The extension follows the chosen type, so none is added before the type is known.
    setUpOne(MySaveVectorDialog, "ベクター形式で保存", folders.pictures,
             "SVG 画像 (*.svg)|*.svg|PDF 文書 (*.pdf)|*.pdf", 1, "");
}

} // namespace molvane

#pragma once
// Pictures of the drawing: the whole canvas or the selected range saved as a picture file (and beside
// every partial figure file when the settings ask for it), copied or cut to the system clipboard as a
// bitmap, and a bitmap from the clipboard placed as a picture figure. It keeps the picture paths the
// save dialogs start from and the picture that waits to be placed.

#include "document/picture_export.h"
#include "document/vector_export.h"

#include <QDialog>
#include <QImage>
#include <QString>

namespace molvane {

class TForm1;
class TFormPictureEditor;
class TMyOpenPictureDialog;
class TMySavePictureDialog;
class TFileDialogComponent;

class PictureCommands {
public:
    explicit PictureCommands(TForm1& window) : w_(window) {}

    // "画像として保存(&G)": the whole canvas.
    void mmPicSaveAsClick();
    // "高解像度画像として保存…": the whole canvas or the selected range at 2, 4 or 8 times, as PNG.
    void mmPicSaveHighResClick();
    // "ベクター形式で保存…": the whole canvas or the selected range's bounds, as SVG or PDF.
    void mmPicSaveVectorClick();
    // "部分画像保存": the selected range (rectangle or lasso).
    void sbPicSaveClick();
    // After a partial figure file was written: the same range as a picture of the same name in the
    // partial-picture folder, when the settings ask for it.
    void savePictureBeside(const QString& partialFigureFile);

    // "部分画像開く": a partial picture file waits in the paste frame to be placed as a picture figure.
    void sbPicLoadClick();
    // "画像を開く(&P)": a new drawing with the picture as its background.
    void mmPicOpenClick();
    // A picture read from path waits in the paste frame; its path is remembered for the partial-picture
    // dialogs.
    void showLoadedPicture(const QImage& picture, const QString& path);

    // "見本" pressed down: a sample picture to open and place under the drawing; let up: it goes.
    void sbShowMihonClick(bool down);
    // The sample was let go here (model pixels); it shows while 見本 is down.
    void samplePlaced(const QRect& place);
    // The sample was dropped before it was placed.
    void sampleDropped();
    bool sampleWaiting() const { return sampleWaiting_; }

    void Copy1AsPicClick();
    void Cut1AsPicClick();
    void Paste1AsPicClick();
    // "画像エディタ": the picture editor, shown modally; on OK its picture waits in the paste frame to be
    // placed as a picture figure named by the editor's file. The status panels are cleared afterwards.
    void sbPicLoadExClick();
    void setPictureEditor(TFormPictureEditor* editor) { pictureEditor_ = editor; }
    TFormPictureEditor* pictureEditor() const { return pictureEditor_; }
    // The canvas menu's cut and copy as a picture, enabled as they can act now.
    void popupStates();
    // Paste as a picture, enabled when the system clipboard holds a picture. Asking the clipboard the
    // first time opens the program's connection to it, a round trip to the display server, so the
    // start leaves it until the window is on the screen (followClipboard); the menus ask again as
    // they open.
    void pasteState();
    void followClipboard();

    // The picture the next placed picture figure receives, and its name (the figure's text).
    const QImage& pendingPicture() const { return pendingPicture_; }
    QString pictureFileName() const { return pictureFileName_; }
    void setPending(const QImage& picture, const QString& name);

private:
    // The open dialog, starting from the remembered path, and the picture read from the chosen file;
    // the path is remembered. Null: cancelled, or the file could not be read (the user was told).
    QImage openPicture(TMyOpenPictureDialog& dialog, QString& remembered);
    // The save dialog, starting from the remembered path; the chosen path is remembered. False: cancelled.
    bool choosePath(TFileDialogComponent& dialog, QString& remembered);
    // The selected range as the export takes it; the whole canvas when no range exists.
    ExportSource selectedSource() const;
    // The drawing as a vector picture of the source: a range's bounds, or the whole canvas.
    VectorDrawing vectorOf(const ExportSource& source) const;
    // Renders and writes; says what went wrong.
    bool writePicture(const ExportSource& source, const QString& path);
    // The selection ends and the figure tool comes back.
    void endSelection();
    bool copyToClipboard();
    // The pending picture waits in the paste frame, centred in sight.
    void showPictureFrame();

    TForm1& w_;
    QString lastPicturePath_;        // whole-canvas pictures
    QString lastPartialPicturePath_; // partial pictures
    QString lastHighResPath_;        // pictures at a higher resolution
    QString lastVectorPath_;         // SVG and PDF pictures
    QString lastSamplePath_;
    QImage sample_; // the washed-out sample, until it is placed
    bool sampleWaiting_ = false;
    QImage pendingPicture_;
    QString pictureFileName_;
    TFormPictureEditor* pictureEditor_ = nullptr;
};

} // namespace molvane

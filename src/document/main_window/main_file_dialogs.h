#pragma once
// The main window's nine file dialogs: figure files, partial figure files, pictures, partial pictures
// and the tracing sample, each with its title, folder, filter, filter index and default extension.

#include "dialogs/file_dialogs.h"
#include "platform/data_folder.h"

namespace molvane {

struct MainFileDialogs {
    TMyOpenDialog MyOpenDialog1, MyOpenDialog2;
    TMySaveDialog MySaveDialog1, MySaveDialog2;
    TMyOpenPictureDialog MyOpenPictureDialog1, MyOpenPictureDialog2, MyOpenPictureDialog3;
    TMySavePictureDialog MySavePictureDialog1, MySavePictureDialog2;
    TMySaveDialog MySavePngDialog; // a picture at a higher resolution
    TMySaveDialog MySaveVectorDialog; // SVG or PDF, by the chosen type

    // partPictures: the partial-picture folder the settings file remembers.
    void setUp(const DataFolders& folders, const QString& partPictures);
};

} // namespace molvane

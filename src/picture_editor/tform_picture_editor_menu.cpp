// The picture editor's right-button menu and its 編集 menu: which items show and act as the range and
// the shown pictures allow, and the flag that keeps the click closing the menu from painting.

#include "picture_editor/tform_picture_editor.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace molvane {

void TFormPictureEditor::connectMenu()
{
    PictureEditorControls& c = controls_;
    connect(c.pmMojiByouga, &QAction::triggered, this, [this] { sbMojiClick(); });
    connect(c.pmPaste, &QAction::triggered, this, [this] { sbPasteShowClick(); });
    connect(c.pmClose, &QAction::triggered, this, [this] { hideCopiedPicture(); });
    connect(c.pmByouga, &QAction::triggered, this, [this] { sbPasteByougaClick(); });
    connect(c.pmGenten, &QAction::triggered, this, [this] { sbGentenClick(); });
    connect(c.pmReform, &QAction::triggered, this, [this] { setTransform(Transform::Reform); });
    connect(c.pmRotate, &QAction::triggered, this, [this] { setTransform(Transform::Rotate); });
    connect(c.pmReverse, &QAction::triggered, this, [this] { setTransform(Transform::Reverse); });
    connect(c.pmPaste2, &QAction::triggered, this, [this] { sbFaceShowClick(); });
    connect(c.pmClose2, &QAction::triggered, this, [this] { sbFaceShowClick(); });
    connect(c.pmByouga2, &QAction::triggered, this, [this] { sbFaceByougaClick(); });
    connect(c.popupMenu, &QMenu::aboutToShow, this, [this] {
        popupStates();
        menuJustShown_ = true;
    });
    // 編集 is the right-button menu again, its items as they are now.
    connect(c.mmEdit, &QMenu::aboutToShow, this, [this] {
        popupStates();
        for (QAction* a : controls_.mmEdit->actions())
            controls_.mmEdit->removeAction(a);
        controls_.mmEdit->addActions(controls_.popupMenu->actions());
    });
}

void TFormPictureEditor::popupStates()
{
    PictureEditorControls& c = controls_;
    const bool ranged = range().exists();
    for (QAction* a : {c.rangeSeparator, c.mmCut, c.mmCopy, c.mmDelete})
        a->setVisible(ranged);
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    const bool bitmap = clip && clip->hasImage();
    c.pmClose->setVisible(bitmap && paste_.visible);
    c.pmPaste->setVisible(!c.pmClose->isVisible());
    c.pmPaste->setEnabled(bitmap && !paste_.visible);
    c.pmByouga->setEnabled(paste_.visible);
    c.pasteSeparator->setVisible(c.pmClose->isVisible() || c.pmPaste->isEnabled() || c.pmByouga->isEnabled());
    const bool imported = !face_.picture.isNull();
    c.pmClose2->setVisible(imported && face_.visible);
    c.pmPaste2->setVisible(!c.pmClose2->isVisible());
    c.pmPaste2->setEnabled(imported && !face_.visible);
    c.pmByouga2->setEnabled(face_.visible);
    for (QAction* a : {c.shownSeparator, c.pmGenten, c.pmReform, c.pmRotate, c.pmReverse})
        a->setVisible(paste_.visible || face_.visible);
}

void TFormPictureEditor::showPopup(QPoint global)
{
    controls_.popupMenu->popup(global);
}

} // namespace molvane

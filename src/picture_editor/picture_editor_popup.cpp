#include "picture_editor/picture_editor_popup.h"

#include "picture_editor/picture_editor_texts.h"

namespace molvane {

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

void buildPopupMenu(QDialog& window, PictureEditorControls& c)
{
    auto* menu = new QMenu(&window);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    c.popupMenu = menu;
    // An item whose key works as a shortcut, or one whose key the window reads (shown after a tab).
    const auto item = [&](const char* name, const char* caption, const char* keys = nullptr,
                          bool shortcut = false) {
        auto* a = new QAction(&window);
        a->setObjectName(QString::fromLatin1(name));
        QString text = u(caption);
        if (keys && shortcut)
            a->setShortcut(QKeySequence(QString::fromLatin1(keys)));
        else if (keys)
            text += QLatin1Char('\t') + QString::fromLatin1(keys);
        a->setText(text);
        menu->addAction(a);
        return a;
    };
    c.mmRange = item("mmRange", paint_texts::kRangeModeItem, "Ctrl+Q", true);
    c.mmUndo = item("mmUndo", "元に戻す(&U)", "Ctrl+Z", true);
    c.mmRedo = item("mmRedo", "先に戻す(&R)", "Shift+Ctrl+Z", true);
    c.mmSelectAll = item("mmSelectAll", "すべて選択");
    menu->addSeparator();
    c.pmMojiByouga = item("pmMojiByouga", "文字(&M)", "Ctrl+M");
    menu->addSeparator();
    c.pmPaste2 = item("pmPaste2", "画像取り込み［表示］", "Shift+Ctrl+V");
    c.pmClose2 = item("pmClose2", "画像取り込み［隠す］", "Shift+Ctrl+F");
    c.pmByouga2 = item("pmByouga2", "画像取り込み［描画］", "Shift+Ctrl+V");
    c.rangeSeparator = menu->addSeparator();
    c.mmCut = item("mmCut", "切り取り(&X)", "Ctrl+X");
    c.mmCopy = item("mmCopy", "コピー(&C)", "Ctrl+C");
    c.mmDelete = item("mmDelete", "消去(&D)", "Del");
    c.pasteSeparator = menu->addSeparator();
    c.pmPaste = item("pmPaste", "範囲選択［表示］(&V)", "Ctrl+V");
    c.pmClose = item("pmClose", "範囲選択［隠す］(&F)", "Ctrl+F");
    c.pmByouga = item("pmByouga", "範囲選択［描画］(&V)", "Ctrl+V");
    c.shownSeparator = menu->addSeparator();
    c.pmGenten = item("pmGenten", "原点移動", "Ctrl+W");
    c.pmReform = item("pmReform", "伸縮(&A)", "Ctrl+A");
    c.pmRotate = item("pmRotate", "回転(&S)", "Ctrl+S");
    c.pmReverse = item("pmReverse", "反転(&D)", "Ctrl+D");
    c.mmEdit->addActions(menu->actions());
}

} // namespace molvane

#pragma once
// The main window: the drawing canvas with its tools, reform controls, character buttons, menus and
// status bar. It owns the document (Drawing) and shows it through the canvas view; every question it
// asks goes through the prompts it was given.

#include "document/drawing.h"
#include "document/edit_mode.h"
#include "document/figure_creation.h"
#include "document/figure_file.h"
#include "document/main_window/auto_scroll.h"
#include "document/main_window/canvas_keys.h"
#include "document/main_window/canvas_tool_host.h"
#include "document/main_window/canvas_view.h"
#include "document/main_window/clipboard_commands.h"
#include "document/main_window/drawing_style_state.h"
#include "document/main_window/file_commands.h"
#include "document/main_window/file_drop.h"
#include "document/main_window/main_file_dialogs.h"
#include "document/main_window/main_window_controls.h"
#include "document/main_window/picture_commands.h"
#include "document/main_window/recovery_backup.h"
#include "document/main_window/text_buttons.h"
#include "document/tool_settings.h"
#include "platform/data_folder.h"
#include "platform/prompts.h"

#include <QMainWindow>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <vector>

namespace molvane {

inline constexpr int kCharacterButtons = 72;

// The operation-panel control whose change reforms figures.
enum class ReformControl { Width, Shape, Size, Style, Precision };

class TForm1 : public QMainWindow {
    Q_OBJECT
    friend class AutoScroll;
    friend class CanvasKeys;
    friend class CanvasToolHost;
    friend class ClipboardCommands;
    friend class FileCommands;
    friend class MainWindowBuilder;
    friend class PictureCommands;
    friend class RecoveryBackup;
    friend class TextButtons;

public:
    TForm1(Prompts& prompts, const DataFolders& folders, QWidget* parent = nullptr);
    ~TForm1() override;

    Drawing& drawing() { return drawing_; }
    const DataFolders& folders() const { return folders_; }
    EditMode editMode() const { return mode_; }
    EditMode returnMode() const { return returnMode_; }
    int zoom() const { return view_->zoom(); }
    int precision() const { return ui_.precisionUpDown->value(); }
    const ToolSettingsTable& toolSettings() const { return toolSettings_; }
    int currentLineStyle() const { return style_.currentLineStyle; }
    const CanvasFont& canvasFont() const { return style_.font; }
    CanvasView* canvasView() const { return view_; }
    QScrollArea* scrollBox() const { return scrollBox_; }

    // The snapping of a pointer position (screen pixels) to the cursor precision.
    QPoint snap(QPoint screen) const;
    double snapStepNow() const;

    // "描画条件を初期化"; ask is false during creation, before the window is shown.
    void resetDrawingConditions(bool ask);
    // Zoom from the up-down (its value is already set); keeps the middle of the view in place.
    void UpDown2Click(bool up);
    // The canvas size from udWidth / udHeight, keeping the scroll positions.
    void applyCanvasSize();
    void applyCanvasSizeIfChanged();
    // Loads the tool's settings into the reform controls and the canvas pen and brush.
    void selectToolSettings(EditMode mode);
    // The drawing-style dialog that "線種" opens.
    void setStyleDialog(class TForm2* dialog) { styleDialog_ = dialog; }
    // The environment dialog that "環境設定" opens.
    void setEnvironmentDialog(class TForm3* dialog) { environmentDialog_ = dialog; }
    // "環境設定": the dialog, then its settings applied at once.
    void sbSetupClick();
    // "線種": the drawing-style dialog, then its style for new figures or the selected ones.
    void sbSetteiClick();
    bool isDragging() const { return tools_.gestureActive(); }
    TextButtons& textButtons() { return text_; }
    bool popupJustShown() const { return popupJustShown_; }
    QMenu* popupMenu() const { return ui_.popupMenu; }
    void setCaptionFor(const QString& fileName);
    void updateStatusPosition(QPoint screen);

    // File commands (file_commands.cpp).
    void mmFileNewClick() { files_.mmFileNewClick(); }
    void mmFileOpenClick() { files_.mmFileOpenClick(); }
    void mmFileSaveClick() { files_.mmFileSaveClick(); }
    bool mmFileSaveAsClick() { return files_.mmFileSaveAsClick(); }
    void sbLoadClick() { files_.sbLoadClick(); }
    void sbSaveClick() { files_.sbSaveClick(); }
    void mmChangeDataClick() { files_.mmChangeDataClick(); }
    void openStartupFile(const QString& argument) { files_.openStartupFile(argument); }
    FileCommands& files() { return files_; }
    PictureCommands& pictures() { return pictures_; }
    RecoveryBackup& recovery() { return recovery_; }

    // Selecting (tform1_selection.cpp).
    QRect selRange() const { return tools_.selection().range(); }
    bool freeRange() const { return tools_.selection().freeRange(); }
    int selectedCount() const;
    void pmKobetuClick();
    void pmHaniRectClick();
    void pmHaniFreeClick();
    void SelectAll1Click();
    // Reforms the selected figures, or the last one while "変形" is green, by the control's value.
    void applyReform(ReformControl control);
    // Pushes the one undo state of the reforms made since the last operation.
    void settleReform(bool clearMarks);
    // Ends the selection: clears the marks; unless the selection mode is kept, returns to the last tool.
    void resetSelection();

    // "先端密着", "密着解除" and "図形情報": the next press picks tips or frames.
    void enterPickMode(EditMode mode);
    void connectClick() { enterPickMode(EditMode::Connect); }
    void connectCancelClick() { enterPickMode(EditMode::Disconnect); }
    void informationClick() { enterPickMode(EditMode::Information); }

    // The figure clipboard and the paste frame (clipboard_commands.cpp).
    void Copy1Click() { clipboard_.Copy1Click(); }
    void Cut1Click() { clipboard_.Cut1Click(); }
    void Paste1Click() { clipboard_.Paste1Click(); }
    void Delete1Click() { clipboard_.Delete1Click(); }
    const ClipboardCommands& clipboard() const { return clipboard_; }
    bool pasteFrameShown() const { return tools_.pasteShown(); }
    QRect pasteFrameRect() const { return pasteFrameShown() ? tools_.paste()->frameRect() : QRect(); }

    // The keys reach the window before the focused control; each returns whether it used the key.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat = false)
    {
        return keys_.keyDown(key, modifiers, autoRepeat);
    }
    bool FormKeyUp(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat = false)
    {
        return keys_.keyUp(key, modifiers, autoRepeat);
    }
    // A key event as the window system delivers it: a release waits a moment, so that a press of the
    // same key right behind it makes the pair an auto-repeat, whatever Qt's flag says.
    bool deliverKey(QKeyEvent* e) { return keys_.deliver(e); }
    void releaseHeldKey() { keys_.releaseHeld(); }
    // One tick of the key-move timer (it runs every 100 ms while keys move the selection).
    void tmKeyMoveTimer() { keys_.tick(); }
    bool keyMoveRunning() const { return keys_.moving(); }
    // One pass of the auto-scroll while dragging; pointer in the scroll box's viewport coordinates.
    bool autoScrollStep(QPoint pointer) { return autoScroll_.step(pointer); }
    // The wheel over the view at pointer (viewport coordinates); false when it is not over the view.
    bool FormMouseWheel(QPoint pointer, int delta);
    const FigureList& moveList() const { return tools_.selection().moveList(); }
    // How many figures the picture that follows the pointer while moving shows.
    int dragImageCount() const { return tools_.selection().dragImageCount(); }

    MainFileDialogs fileDialogs;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // Files dropped from a file manager (file_drop.h).
    void dragEnterEvent(QDragEnterEvent* e) override { fileDrop_.dragEnter(e); }
    void dropEvent(QDropEvent* e) override { fileDrop_.drop(e); }
    bool keyForThisWindow(QObject* watched) const;

private:
    // Places the tool and reform panels in the order sbPosFunc chose.
    void layoutPanels();

    // Canvas (tform1_canvas.cpp).
    CursorMarkStyle markStyleFor(EditMode mode) const;
    void setZoomValue(int zoom);

    // Drawing on the canvas (tform1_drawing.cpp).
    void Image1MouseDown(QMouseEvent* e);
    void Image1MouseMove(QMouseEvent* e);
    void Image1MouseUp(QMouseEvent* e);
    void canvasRightPress(QPoint at);
    void paintOverlays(Canvas& canvas, const QRect& exposed);
    // Where paintOverlays may paint now.
    QRegion overlayArea() const;
    bool selectionOverlaysShown() const;
    void setCanvasHint(const char* hint);

    // Selecting (tform1_selection.cpp).
    void pressSelectionButton(int button);
    void loadFigureValues(const TFigure& f);
    void paintSelection(Canvas& canvas, const QRect& exposed);
    void selectionPopupStates();
    void updateCanvasHintForTool();

    // Tip connection and figure information (tform1_tips.cpp).
    void endPickMode();

    // What the controls say a new figure looks like, and a tool's name as its button's hint gives it.
    DrawingConditions conditions() const;
    QString toolNameOf(EditMode mode) const;

    // Reforming (tform1_reform.cpp).
    std::vector<int> reformTargets();

    // Tool buttons (tform1_tools.cpp).
    bool toolButtonMouse(QToolButton* button, QMouseEvent* e);
    void storeToolValue();

    // Conditions and tools (tform1_conditions.cpp).
    void toolButtonClicked(int tag);
    void setLastReformPanel(bool exists, bool armed);
    void sbPosFuncClick();
    void mmInitParamClick();
    void popupStates();
    void undoClick();
    void redoClick();

    Prompts& prompts_;
    DataFolders folders_;
    Drawing drawing_;
    ToolSettingsTable toolSettings_;
    DrawingStyleState style_;
    EditMode mode_ = EditMode::Single;
    EditMode returnMode_ = EditMode::Single; // the figure tool a selection or placing returns to
    int previousZoom_ = 100;
    bool lastFigureExists_ = false;
    bool lastReformArmed_ = false;
    TextButtons text_{*this};
    FileCommands files_{*this};
    FileDrop fileDrop_{files_, prompts_};
    PictureCommands pictures_{*this};
    RecoveryBackup recovery_{*this};
    AutoScroll autoScroll_{*this};
    ClipboardCommands clipboard_{*this};
    int continueSelect_ = 0;
    bool popupJustShown_ = false;
    CanvasToolHost tools_{*this};
    CanvasKeys keys_{*this};
    bool popupCommandRan_ = false; // a command of the popup menu ran since it opened
    QAbstractButton* lastToolButton_ = nullptr;
    class TForm2* styleDialog_ = nullptr;
    class TForm3* environmentDialog_ = nullptr;

    // The view and the controls around it (the described names are their objectNames).
    QScrollArea* scrollBox_ = nullptr; // ScrollBox1
    CanvasView* view_ = nullptr;       // Image1
    MainWindowControls ui_;
};

} // namespace molvane

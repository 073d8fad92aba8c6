#pragma once
// The environment settings dialog (環境設定): grid display, colour and spacing, the cursor marks, the
// arrow-key micro-move step, the auto-scroll speed, the "-1"/"-2" reduction ratios, the colouring of
// changed character buttons and the automatic saving of partial pictures. The dialog holds its own
// copy of the grid colour while it is open; every other value lives in its control until OK applies
// it to the settings.

#include "document/environment_settings.h"
#include "platform/prompts.h"
#include "platform/tcolor.h"

#include <QDialog>
#include <QImage>
#include <QString>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace molvane {

class TUpDown;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(Prompts& prompts, QWidget* parent = nullptr);

    // Before showing (the caller sets the caption): copies the grid colour and sets every control.
    void showSettings(const EnvironmentSettings& s);
    // After OK: the controls into s. standardFolder is the standard partial-picture folder;
    // partPicFolder becomes the user's folder when one is in use and exists. Returns false when a
    // ratio text was not a number: the error has been shown, the values before that ratio are applied
    // and the ones after it are not.
    bool applyTo(EnvironmentSettings& s, QString& partPicFolder, const QString& standardFolder);

    // The folder the folder button starts from when the edit box names no existing folder.
    void setPartPicFolder(const QString& folder) { partPicFolder_ = folder; }
    // The grid colour copy and the colour the colour dialog currently holds.
    TColor masuColor() const { return masuColor_; }
    TColor colorDialogColor() const { return colorDialogColor_; }
    // The swatch as painted last.
    const QImage& swatch() const { return swatch_; }

    // OK keeps the colour dialog's colour as the grid colour copy.
    void accept() override;

protected:
    void showEvent(QShowEvent* e) override;

private slots:
    void bbMasuColorClick();
    void bbSaveFolderClick();
    void btInitClick();
    void cbSaveWithPicClick();
    void cbShowCrossCursorClick();

private:
    QWidget* buildDisplayGroup();
    QWidget* buildPictureGroup();
    void showColor(TColor color);
    void paintSwatch();

    Prompts& prompts_;
    TColor masuColor_ = clSilver;
    TColor colorDialogColor_ = clSilver;
    QString partPicFolder_;
    QImage swatch_;

    QCheckBox* cbShowMasu = nullptr;
    QLabel* imMasuColor = nullptr;
    QPushButton* bbMasuColor = nullptr;
    QLineEdit* edMasuHaba = nullptr;
    TUpDown* udMasuHaba = nullptr;
    QCheckBox* cbShowSeidoCursor = nullptr;
    QCheckBox* cbShowCrossCursor = nullptr;
    QWidget* pnCross = nullptr;
    QRadioButton* rbCross1 = nullptr;
    QRadioButton* rbCross2 = nullptr;
    QRadioButton* rbSmallMove1 = nullptr;
    QRadioButton* rbSmallMove2 = nullptr;
    QLineEdit* edAutoScroll = nullptr;
    TUpDown* udAutoScroll = nullptr;
    QLineEdit* edRecovery = nullptr;
    TUpDown* udRecovery = nullptr;
    QLineEdit* edSizeM1 = nullptr;
    QLineEdit* edSizeM2 = nullptr;
    QLineEdit* edSizeP1 = nullptr;
    QLineEdit* edSizeP2 = nullptr;
    QCheckBox* cbMojiBtnColor = nullptr;
    QCheckBox* cbSaveWithPic = nullptr;
    QLabel* lbPicFormat = nullptr;
    QRadioButton* rbPicBmp = nullptr;
    QRadioButton* rbPicJpg = nullptr;
    QCheckBox* cbSaveFolder = nullptr;
    QLineEdit* edSaveFolder = nullptr;
    QPushButton* bbSaveFolder = nullptr;
    QPushButton* btInit = nullptr;
};

// A reduction ratio as the dialog shows it: general format, 4 significant digits ("0.6", "0.36").
QString ratioText(double ratio);
// A ratio text read back as a decimal number with the point as separator; nullopt when it is not one.
std::optional<double> ratioFromText(const QString& text);

} // namespace molvane

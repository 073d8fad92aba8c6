#include "settings/settings_file.h"

#include <algorithm>

#include "editing/character_buttons.h"
#include "platform/cp932.h"
#include "platform/ini_file.h"

#include <QFileInfo>
#include <QLocale>
#include <algorithm>

#include <cmath>
#include <optional>

namespace molvane {

using namespace Qt::StringLiterals;

namespace {

const QString kButtonSection = u"文字ボタン"_s;
const QString kDisplaySection = u"表示"_s;
const QString kPicSaveSection = u"図形保存"_s;

const QString kMojiBtnColor = u"文字ボタン色有効"_s;
const QString kShowMasu = u"罫線表示"_s;
const QString kMasuColor = u"罫線色"_s;
const QString kShowSeidoCursor = u"精度カーソル表示"_s;
const QString kCrossCursorMode = u"十字カーソル表示"_s;
const QString kSmallMoveOneDot = u"微動操作"_s;
const QString kAutoScrollSpeed = u"自動スクロール"_s;
const QString kRecoveryInterval = u"復元用保存間隔"_s;
const QString kSizeM1 = u"縮小率文字１"_s;
const QString kSizeM2 = u"縮小率文字２"_s;
const QString kSizeP1 = u"縮小率画像１"_s;
const QString kSizeP2 = u"縮小率画像２"_s;
const QString kSaveWithPic = u"同時保存有効"_s;
const QString kPicBmp = u"保存形式"_s;
const QString kUseSaveFolder = u"保存フォルダ有効"_s;
const QString kSaveFolder = u"保存フォルダ"_s;

// The profile service hands out at most this many bytes of a value.
constexpr int kMaxValueBytes = 2047;

QString buttonKey(int index)
{
    return u"ボタン"_s + QString::number(index);
}

bool isHexDigits(QStringView text)
{
    for (QChar c : text)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
            return false;
    return true;
}

std::optional<int> parseInteger(const QString& text)
{
    bool ok = false;
    if (text.size() > 2 && (text.startsWith(u"0x") || text.startsWith(u"0X"))) {
        const QStringView digits = QStringView(text).sliced(2);
        // Qt's own parser would also take a sign or a second "0x" here.
        const qulonglong value = isHexDigits(digits) ? digits.toULongLong(&ok, 16) : 0;
        if (!ok || value > 0xFFFFFFFFull)
            return std::nullopt;
        return int(quint32(value)); // eight hex digits are a colour such as 0xFFFFFFFF = -1
    }
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<double> parseReal(const QString& text, const QLocale& locale)
{
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// "." always works, so a file written under one locale reads under any other; the locale's own
// decimal point is for a file edited by hand.
std::optional<double> parseReal(const QString& text)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    if (const std::optional<double> value = parseReal(text, c))
        return value;
    QLocale local;
    local.setNumberOptions(QLocale::RejectGroupSeparator);
    return parseReal(text, local);
}

// One key of the file with the parsing rules every key shares.
class SettingsReader {
public:
    explicit SettingsReader(const IniFile& ini) : ini_(ini) {}

    QString string(const QString& section, const QString& key, const QString& defaultValue) const
    {
        if (!ini_.hasKey(section, key))
            return defaultValue;
        const QString value = ini_.value(section, key);
        if (toCp932(value).size() <= kMaxValueBytes)
            return value;
        return fromCp932(cp932Prefix(value, kMaxValueBytes));
    }

    int integer(const QString& section, const QString& key, int defaultValue) const
    {
        return parseInteger(string(section, key, {})).value_or(defaultValue);
    }

    bool boolean(const QString& section, const QString& key, bool defaultValue) const
    {
        return integer(section, key, defaultValue ? 1 : 0) != 0;
    }

    double real(const QString& section, const QString& key, double defaultValue) const
    {
        return parseReal(string(section, key, {})).value_or(defaultValue);
    }

private:
    const IniFile& ini_;
};

void fillButtonHints(QStringList& hints)
{
    while (hints.size() < kCharacterButtonCount)
        hints.append(characterButtonHint(builtInCharacter(int(hints.size()) + 1)));
}

// An empty value keeps the button's content, so a file can name only the buttons it changes.
void readButtons(const SettingsReader& in, QStringList& hints)
{
    fillButtonHints(hints);
    for (int n = 0; n < kCharacterButtonCount; ++n) {
        const QString content = trimBlanks(in.string(kButtonSection, buttonKey(n), {}));
        if (!content.isEmpty())
            hints[n] = characterButtonHint(content);
    }
}

void readDisplay(const SettingsReader& in, EnvironmentSettings& env)
{
    env.showMasu = in.boolean(kDisplaySection, kShowMasu, true);
    env.masuColor = TColor(in.integer(kDisplaySection, kMasuColor, int(clSilver)));
    env.showSeidoCursor = in.boolean(kDisplaySection, kShowSeidoCursor, true);
    env.crossCursorMode = in.integer(kDisplaySection, kCrossCursorMode, 2);
    env.smallMoveOneDot = in.boolean(kDisplaySection, kSmallMoveOneDot, true);
    env.autoScrollSpeed = in.integer(kDisplaySection, kAutoScrollSpeed, 5);
    env.recoveryInterval =
        std::clamp(in.integer(kDisplaySection, kRecoveryInterval, 60), 0, kMaxRecoveryInterval);
    env.sizeM1 = in.real(kDisplaySection, kSizeM1, 0.6);
    env.sizeM2 = in.real(kDisplaySection, kSizeM2, 0.36);
    env.sizeP1 = in.real(kDisplaySection, kSizeP1, 0.75);
    env.sizeP2 = in.real(kDisplaySection, kSizeP2, 0.5);
}

// A file written before picture saving existed has no such section; those users get pictures saved
// (as bmp) from then on, unlike a first start.
void readPicSaving(const SettingsReader& in, EnvironmentSettings& env)
{
    env.saveWithPic = in.boolean(kPicSaveSection, kSaveWithPic, true);
    env.picBmp = in.boolean(kPicSaveSection, kPicBmp, true);
    env.useSaveFolder = in.boolean(kPicSaveSection, kUseSaveFolder, false);
    env.saveFolder = in.string(kPicSaveSection, kSaveFolder, {});
}

// A chosen folder that has gone is remembered, but pictures go to the standard folder meanwhile.
QString partPicFolderFor(const EnvironmentSettings& env, const QString& standardPartPicFolder)
{
    if (env.useSaveFolder && !env.saveFolder.isEmpty() && QFileInfo(env.saveFolder).isDir())
        return env.saveFolder;
    return standardPartPicFolder;
}

QString booleanText(bool on)
{
    return on ? u"1"_s : u"0"_s;
}

QString realText(double value)
{
    return QString::number(value, 'g', 15);
}

void writeButtons(IniFile& ini, const QStringList& hints)
{
    for (int n = 0; n < kCharacterButtonCount; ++n)
        ini.setValue(kButtonSection, buttonKey(n), contentFromHint(hints.value(n)));
}

void writeDisplay(IniFile& ini, const EnvironmentSettings& env)
{
    ini.setValue(kDisplaySection, kShowMasu, booleanText(env.showMasu));
    // Signed, as the reader takes it: a colour above 0x7FFFFFFF still reads back the same.
    ini.setValue(kDisplaySection, kMasuColor, QString::number(qint32(env.masuColor)));
    ini.setValue(kDisplaySection, kShowSeidoCursor, booleanText(env.showSeidoCursor));
    ini.setValue(kDisplaySection, kCrossCursorMode, QString::number(env.crossCursorMode));
    ini.setValue(kDisplaySection, kAutoScrollSpeed, QString::number(env.autoScrollSpeed));
    ini.setValue(kDisplaySection, kRecoveryInterval, QString::number(env.recoveryInterval));
    ini.setValue(kDisplaySection, kSmallMoveOneDot, booleanText(env.smallMoveOneDot));
    ini.setValue(kDisplaySection, kSizeM1, realText(env.sizeM1));
    ini.setValue(kDisplaySection, kSizeM2, realText(env.sizeM2));
    ini.setValue(kDisplaySection, kSizeP1, realText(env.sizeP1));
    ini.setValue(kDisplaySection, kSizeP2, realText(env.sizeP2));
    ini.setValue(kDisplaySection, kMojiBtnColor, booleanText(env.mojiBtnColor));
}

void writePicSaving(IniFile& ini, const EnvironmentSettings& env)
{
    ini.setValue(kPicSaveSection, kSaveWithPic, booleanText(env.saveWithPic));
    ini.setValue(kPicSaveSection, kPicBmp, booleanText(env.picBmp));
    ini.setValue(kPicSaveSection, kUseSaveFolder, booleanText(env.useSaveFolder));
    ini.setValue(kPicSaveSection, kSaveFolder, env.saveFolder);
}

void keepAside(const QString& iniPath)
{
    const QString aside = iniPath + u".bak"_s;
    QFile::remove(aside);
    QFile::rename(iniPath, aside);
}

} // namespace

SettingsData startupSettings(const QString& standardPartPicFolder)
{
    SettingsData data;
    fillButtonHints(data.buttonHints);
    data.partPicFolder = standardPartPicFolder;
    return data;
}

bool loadSettings(const QString& iniPath, SettingsData& data, const QString& standardPartPicFolder)
{
    if (!QFileInfo(iniPath).isFile())
        return false;
    bool readable = false;
    const IniFile ini = IniFile::load(iniPath, &readable);
    if (!readable) {
        // Too large or unreadable: the start-up values apply, and the file is kept aside so that a
        // fresh one can be written at exit without losing it.
        keepAside(iniPath);
        return false;
    }
    const SettingsReader in(ini);
    data.env.mojiBtnColor = in.boolean(kDisplaySection, kMojiBtnColor, true);
    readButtons(in, data.buttonHints);
    readDisplay(in, data.env);
    readPicSaving(in, data.env);
    data.partPicFolder = partPicFolderFor(data.env, standardPartPicFolder);
    return true;
}

bool saveSettings(const QString& iniPath, const SettingsData& data, QString* failedPath)
{
    bool loaded = false;
    IniFile ini = IniFile::load(iniPath, &loaded);
    // Writing over a file that could not be read would lose every line this program does not know.
    bool saved = loaded || !QFileInfo::exists(iniPath);
    if (saved) {
        writeButtons(ini, data.buttonHints);
        writeDisplay(ini, data.env);
        writePicSaving(ini, data.env);
        saved = ini.save(iniPath);
    }
    if (!saved && failedPath)
        *failedPath = iniPath;
    return saved;
}

} // namespace molvane

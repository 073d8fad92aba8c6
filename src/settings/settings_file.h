#pragma once
// The settings file: the environment settings and the contents of the 72 character buttons in one
// ini file ("文字ボタン", "表示" and "図形保存" sections). Reading never reports anything: a missing
// or unreadable file keeps the start-up values and a missing or unreadable key takes its default. Writing
// replaces each key in place and keeps every other line of the file.

#include "document/environment_settings.h"

#include <QString>
#include <QStringList>

namespace molvane {

struct SettingsData {
    EnvironmentSettings env;
    QStringList buttonHints; // the hints of the 72 character buttons, prefix + content
    QString partPicFolder;   // where partial pictures go: saveFolder when in use and present
};

// The values before any file is read: the default environment, the built-in button contents and
// the standard folder for partial pictures.
SettingsData startupSettings(const QString& standardPartPicFolder);

// Reads iniPath into data. Returns false, leaving data untouched, when the file does not exist or
// cannot be read (too large, no access); such a file is renamed to iniPath + ".bak", so that the
// save at exit writes a fresh file beside it.
bool loadSettings(const QString& iniPath, SettingsData& data, const QString& standardPartPicFolder);

// Writes every key, creating the file when missing. The whole file is written at once, so a failure
// writes nothing and leaves the old file intact; it returns false with failedPath (when given) set
// to the file that could not be written.
bool saveSettings(const QString& iniPath, const SettingsData& data, QString* failedPath = nullptr);

} // namespace molvane

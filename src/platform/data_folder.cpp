#include "platform/data_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace molvane {

namespace {

QString xdgDataHome()
{
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

bool isWritableFolder(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

} // namespace

bool isInstalledProgram(const QString& programFolder)
{
    return !programFolder.isEmpty() &&
           QFileInfo(QDir(programFolder).filePath(QString::fromUtf8(kInstalledFilesFolder))).isDir();
}

QString locateDataFolder(const QString& programFolder)
{
    return locateDataFolder(programFolder, isWritableFolder);
}

QString locateDataFolder(const QString& programFolder, const std::function<bool(const QString&)>& isWritable)
{
    const QString overridden = qEnvironmentVariable(kDataFolderVariable);
    if (!overridden.isEmpty())
        return QDir::cleanPath(QDir(overridden).absolutePath());
    const QString beside = QDir(programFolder).filePath(QStringLiteral("Molvane"));
    if (!isInstalledProgram(programFolder) &&
        (QFileInfo::exists(beside) ? isWritable(beside) : isWritable(programFolder)))
        return QDir::cleanPath(beside);
    return QDir::cleanPath(xdgDataHome() + QStringLiteral("/Molvane"));
}

DataFolders dataFoldersIn(const QString& root)
{
    const QDir dir(root);
    return {root,
            dir.filePath(QStringLiteral("設定ファイル.ini")),
            dir.filePath(QStringLiteral("図形ファイル")),
            dir.filePath(QStringLiteral("部分図形ファイル")),
            dir.filePath(QStringLiteral("画像ファイル")),
            dir.filePath(QStringLiteral("部分画像ファイル"))};
}

bool createDataFolders(const DataFolders& folders)
{
    bool ok = true;
    for (const QString& path : {folders.root, folders.figures, folders.partFigures, folders.pictures,
                                folders.partPictures})
        ok = QDir().mkpath(path) && ok;
    return ok;
}

} // namespace molvane

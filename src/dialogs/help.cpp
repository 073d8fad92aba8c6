#include "dialogs/help.h"

#include "platform/data_folder.h"

#include <QDir>
#include <QFileInfo>

namespace molvane {

namespace {

// The file at relativePath in folder, when it is a file (a folder of that name does not count).
QString existingFile(const QDir& folder, const QString& relativePath)
{
    const QFileInfo info(QDir::cleanPath(folder.absoluteFilePath(relativePath)));
    return info.isFile() ? info.absoluteFilePath() : QString();
}

} // namespace

QString helpTarget(const QString& programFolder)
{
    if (programFolder.isEmpty())
        return {}; // not the current folder: the help belongs to the program
    const QDir folder(programFolder);
    const QString installed = QString::fromUtf8(kInstalledFilesFolder) + QLatin1Char('/');
    for (const QString& candidate : {QString::fromUtf8(kHelpFileName), QString::fromUtf8(kHtmlHelpIndex),
                                     installed + QString::fromUtf8(kHtmlHelpIndex)}) {
        const QString path = existingFile(folder, candidate);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

HelpOpening openHelp(const QString& programFolder, const std::function<bool(const QUrl&)>& opener)
{
    const QString target = helpTarget(programFolder);
    if (target.isEmpty())
        return HelpOpening::Missing;
    return opener && opener(QUrl::fromLocalFile(target)) ? HelpOpening::Opened : HelpOpening::NoViewer;
}

} // namespace molvane

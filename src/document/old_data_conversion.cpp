#include "document/old_data_conversion.h"

#include "document/figure_file_io.h"

#include <QDir>
#include <QFileInfo>

namespace molvane {

namespace {

void collectInto(const QString& folder, const QStringList& extensions, QStringList& out)
{
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                   QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink()) {
            collectInto(entry.filePath(), extensions, out);
            continue;
        }
        const QString suffix = entry.suffix();
        const bool wanted = extensions.isEmpty() || std::any_of(extensions.begin(), extensions.end(), [&](const QString& e) {
                                return suffix.compare(e, Qt::CaseInsensitive) == 0;
                            });
        if (wanted)
            out.append(entry.filePath());
    }
}

// The shape each bond kind of the current version is drawn with.
bool convertBond(TFigure& f)
{
    switch (f.kind) {
    case fkSingle: f.shape = 0; return true;
    case fkDouble: f.shape = 11; return true;
    case fkTriple: f.shape = 7; return true;
    default: return false;
    }
}

void inform(Prompts& prompts, const QString& text)
{
    prompts.beep(BeepKind::Information);
    prompts.message(text, MessageType::Information, MessageButtons::Ok);
}

} // namespace

QStringList collectFiles(const QString& folder, const QString& extensions)
{
    QStringList wanted;
    for (const QString& e : extensions.split(QLatin1Char(','), Qt::SkipEmptyParts))
        wanted.append(e.trimmed());
    QStringList out;
    collectInto(folder, wanted, out);
    return out;
}

ConversionResult convertOldData(Drawing& drawing, const QString& dataFolder, Prompts& prompts)
{
    ConversionResult result;
    prompts.beep(BeepKind::Warning);
    if (prompts.message(QStringLiteral("旧バージョンのデータを変換します。いいですか。"), MessageType::Confirmation,
                        MessageButtons::YesCancel) != Answer::Yes)
        return result;
    const QStringList files = collectFiles(dataFolder, QStringLiteral("edb,edm"));
    if (files.isEmpty()) {
        inform(prompts, QStringLiteral("No Files"));
        return result;
    }
    // The files pass through the paste list and the background; the drawing's own background stays.
    const QImage ownBackground = drawing.background;
    for (const QString& path : files) {
        drawing.pasteList.clear();
        drawing.background = QImage();
        if (!readFigureFile(drawing, path, FigureFileMode::RegionOnly, prompts)) {
            inform(prompts, QStringLiteral("Load Error"));
            result.failed = true;
            break;
        }
        for (TFigure& f : drawing.pasteList)
            result.bondsChanged += convertBond(f) ? 1 : 0;
        if (!writeFigureFile(drawing, path, FigureFileMode::RegionOnly, drawing.pasteList, {}, prompts)) {
            result.failed = true;
            break;
        }
        ++result.files;
    }
    drawing.pasteList.clear();
    drawing.background = ownBackground;
    if (!result.failed)
        inform(prompts, QStringLiteral("Finish %1").arg(result.bondsChanged));
    return result;
}

} // namespace molvane

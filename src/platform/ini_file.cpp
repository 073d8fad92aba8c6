#include "platform/ini_file.h"

#include "platform/atomic_file.h"
#include "platform/cp932.h"

#include <QByteArray>
#include <QFileInfo>
#include <QStringDecoder>

#include <optional>

namespace molvane {

namespace {

// The Windows service folds only ASCII letters; QString's case folding would also equate full-width
// letters and others, which would make two different keys one.
bool equalsIgnoringAsciiCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= u'A' && x <= u'Z')
            x += u'a' - u'A';
        if (y >= u'A' && y <= u'Z')
            y += u'a' - u'A';
        if (x != y)
            return false;
    }
    return true;
}

// The helpers below look at a line through views: locating a key reads every line of the file, and
// copying the pieces of each line it looks at would cost an allocation per line and lookup.

// The name of a "[section]" line, or nothing for any other line.
std::optional<QStringView> sectionName(QStringView line)
{
    const QStringView trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

bool isComment(QStringView line)
{
    return line.trimmed().startsWith(u';');
}

// The key of a "key=value" line (callers know the line is inside a section), or nothing.
std::optional<QStringView> keyName(QStringView line)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0 || isComment(line))
        return std::nullopt;
    return line.left(eq).trimmed();
}

QString valueOf(QStringView line)
{
    return line.mid(line.indexOf(u'=') + 1).trimmed().toString();
}

bool isBlank(QStringView line)
{
    return line.trimmed().isEmpty();
}

// A line break inside a name or value would split its line in two on the next reading, the tail
// becoming a line of its own (possibly a section header); a blank keeps the entry one line.
QString singleLine(const QString& text)
{
    QString out = text;
    out.replace(u'\r', u' ');
    out.replace(u'\n', u' ');
    return out;
}

// Valid UTF-8 (the BOM already removed) as text; nothing when the bytes are not UTF-8.
std::optional<QString> decodeUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString decodeSettingsBytes(QByteArrayView bytes)
{
    static constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");
    if (bytes.startsWith(kUtf8Bom))
        bytes = bytes.sliced(kUtf8Bom.size());
    if (std::optional<QString> text = decodeUtf8(bytes))
        return *text;
    return fromCp932(bytes);
}

} // namespace

IniFile IniFile::fromText(const QString& text)
{
    IniFile file;
    qsizetype begin = 0;
    while (begin < text.size()) {
        qsizetype end = begin;
        while (end < text.size() && text.at(end) != u'\r' && text.at(end) != u'\n')
            ++end;
        file.lines_.append(text.mid(begin, end - begin));
        if (end + 1 < text.size() && text.at(end) == u'\r' && text.at(end + 1) == u'\n')
            ++end;
        begin = end + 1;
    }
    return file;
}

IniFile IniFile::load(const QString& path, bool* ok)
{
    QByteArray bytes;
    const bool readFine = readWholeFile(path, bytes, nullptr, kMaxIniFileBytes);
    if (ok)
        *ok = readFine;
    return readFine ? fromText(decodeSettingsBytes(bytes)) : IniFile();
}

IniFile::Location IniFile::locate(const QString& section, const QString& key) const
{
    const QString wantedSection = singleLine(section).trimmed();
    const QString wantedKey = singleLine(key).trimmed();
    Location where;
    for (int i = 0; i < lines_.size(); ++i) {
        const QString& line = lines_.at(i);
        if (const std::optional<QStringView> name = sectionName(line)) {
            // Only the first section of a name counts; new keys go there too, so reads and writes agree.
            if (where.sectionLine >= 0)
                break;
            if (equalsIgnoringAsciiCase(*name, wantedSection)) {
                where.sectionLine = i;
                where.sectionEnd = i + 1;
            }
            continue;
        }
        if (where.sectionLine < 0)
            continue;
        if (!isBlank(line))
            where.sectionEnd = i + 1;
        if (where.keyLine < 0) {
            const std::optional<QStringView> name = keyName(line);
            if (name && equalsIgnoringAsciiCase(*name, wantedKey))
                where.keyLine = i;
        }
    }
    return where;
}

bool IniFile::hasSection(const QString& section) const
{
    return locate(section, {}).sectionLine >= 0;
}

bool IniFile::hasKey(const QString& section, const QString& key) const
{
    return locate(section, key).keyLine >= 0;
}

QString IniFile::value(const QString& section, const QString& key, const QString& defaultValue) const
{
    const Location where = locate(section, key);
    return where.keyLine >= 0 ? valueOf(lines_.at(where.keyLine)) : defaultValue;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    const Location where = locate(section, key);
    const QString cleanValue = singleLine(value);
    if (where.keyLine >= 0) {
        // The existing spelling stays, so a file edited by hand keeps its look.
        const QString spelling = keyName(lines_.at(where.keyLine))->toString();
        lines_[where.keyLine] = spelling + u'=' + cleanValue;
        return;
    }
    const QString entry = singleLine(key).trimmed() + u'=' + cleanValue;
    if (where.sectionLine >= 0) {
        lines_.insert(where.sectionEnd, entry);
        return;
    }
    if (!lines_.isEmpty() && !isBlank(lines_.constLast()))
        lines_.append(QString());
    lines_.append(u'[' + singleLine(section).trimmed() + u']');
    lines_.append(entry);
}

QString IniFile::toText() const
{
    QString text;
    for (const QString& line : lines_) {
        text += line;
        text += u"\r\n";
    }
    return text;
}

QByteArray IniFile::toBytes() const
{
    const QString text = toText();
    if (unmappableInCp932(text).isEmpty())
        return toCp932(text);
    // CP932 would turn what it cannot hold into "?": UTF-8 with a byte-order mark keeps every character.
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool IniFile::save(const QString& path, QString* error) const
{
    QString why;
    if (writeFileAtomically(path, toBytes(), &why))
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, why);
    return false;
}

QString readProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& defaultValue)
{
    return IniFile::load(path).value(section, key, defaultValue);
}

bool writeProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value)
{
    bool loaded = false;
    IniFile file = IniFile::load(path, &loaded);
    // A file that exists but cannot be read must not be replaced by one holding only this key.
    if (!loaded && QFileInfo::exists(path))
        return false;
    file.setValue(section, key, value);
    return file.save(path);
}

} // namespace molvane

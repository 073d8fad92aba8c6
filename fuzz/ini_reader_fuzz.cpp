// Parses arbitrary bytes as a settings file, the way a settings file is read (UTF-8 when valid, else
// CP932), then reads and writes keys. Besides memory errors it traps on broken invariants: the text
// form parses back to itself, ends with a line break, and a value written reads back.
#include "fuzz_check.h"
#include "platform/cp932.h"
#include "platform/ini_file.h"

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <cstddef>
#include <cstdint>

namespace {

QString decode(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? molvane::fromCp932(bytes) : text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using molvane::IniFile;
    IniFile ini = IniFile::fromText(decode(QByteArrayView(data, qsizetype(size))));
    const QString text = ini.toText();
    check(IniFile::fromText(text).toText() == text);
    check(text.isEmpty() || text.endsWith(u"\r\n"));

    const QString display = QStringLiteral("表示");
    const QString gridColor = QStringLiteral("罫線色");
    (void)ini.hasSection(display);
    (void)ini.value(display, gridColor, QStringLiteral("12632256"));
    (void)ini.value(QStringLiteral("Files"), QStringLiteral("Last"));

    ini.setValue(display, gridColor, QStringLiteral("255"));
    ini.setValue(QStringLiteral("files"), QStringLiteral("LAST"), QStringLiteral("a=b.fig"));
    check(ini.value(display, gridColor) == QStringLiteral("255"));
    check(ini.value(QStringLiteral("Files"), QStringLiteral("last")) == QStringLiteral("a=b.fig"));

    // A text with characters CP932 lacks is written as UTF-8 with a byte-order mark, and loses nothing;
    // otherwise the two lines written here are CP932 through and through.
    // Read back as the settings file is: one mark taken off, a second one (a text that began with
    // U+FEFF) kept as a character.
    const QByteArray bytes = ini.toBytes();
    QStringDecoder keepMark(QStringConverter::Utf8,
                            QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        check(QString(keepMark(bytes.mid(3))) == ini.toText());
    else
        check(bytes.contains("\x8C\x72\x90\xFC\x90\x46=255\r\n") && bytes.contains("=a=b.fig\r\n"));
    return 0;
}

#pragma once
// Settings text in the Windows profile-string format: "[section]" lines and "key=value" lines.
// Sections and keys match without regard to ASCII case, as the Windows service does. Writing a key
// replaces its line in place (or adds it at the end of its section, or adds the section at the end
// of the file); every other line, comments and blank lines included, is kept as it was.
// Files are read as UTF-8 (with or without BOM) when they are valid UTF-8, otherwise as CP932; they
// are written as CP932 with CR LF line ends, atomically (temporary file, then rename), unless some
// character does not fit CP932: then the whole file is written as UTF-8 with a byte-order mark.
// Limits: a file larger than kMaxIniFileBytes reads as unreadable (and is then never written over);
// parsing is one pass over the text, without recursion.

#include <QString>
#include <QStringList>

namespace molvane {

inline constexpr qint64 kMaxIniFileBytes = qint64(16) << 20;

class IniFile {
public:
    IniFile() = default;

    // Parses text already decoded.
    static IniFile fromText(const QString& text);
    // Reads a file; a missing or unreadable file gives an empty document and ok = false.
    static IniFile load(const QString& path, bool* ok = nullptr);

    bool hasSection(const QString& section) const;
    bool hasKey(const QString& section, const QString& key) const;
    // The value after the first "=", with blanks at both ends removed; defaultValue when missing.
    QString value(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    void setValue(const QString& section, const QString& key, const QString& value);

    QString toText() const;            // lines joined with CR LF
    QByteArray toBytes() const;        // toText() in CP932, or in UTF-8 with a BOM when CP932 falls short
    // Writes the document to path atomically; on failure the old file is intact and error says why.
    bool save(const QString& path, QString* error = nullptr) const;

private:
    struct Location {
        int sectionLine = -1; // index of the "[section]" line, -1 when absent
        int keyLine = -1;     // index of the key's line, -1 when absent
        int sectionEnd = -1;  // index after the last non-blank line of the section
    };
    Location locate(const QString& section, const QString& key) const;

    QStringList lines_;
};

// One-key operations with the semantics of the Windows profile-string service: each write reads the
// file, replaces the key and writes the file back (creating it when missing).
QString readProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& defaultValue);
bool writeProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value);

} // namespace molvane

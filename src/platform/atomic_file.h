#pragma once
// Writing a whole file safely: the bytes go to a temporary file in the same folder, which is renamed
// over the target only when complete. A failure at any step (no folder, a folder in the target's
// place, a short write, a failed rename) removes the temporary file and leaves the previous file as it
// was, byte for byte. atomic_file_testing.h lets tests make a write fail half-way.

#include <QByteArray>
#include <QString>

namespace molvane {

// On failure returns false and, when error is given, the system's reason.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Reads a whole file; at most maxBytes (a file larger than that fails rather than being cut).
bool readWholeFile(const QString& path, QByteArray& out, QString* error = nullptr,
                   qint64 maxBytes = qint64(1) << 31);

} // namespace molvane

#pragma once
// Writing a whole file safely: the bytes go to a new temporary file in the same folder, are synced to
// the disk, and the temporary file is renamed over the target only when every byte is known to be
// there (a full disk may show at the write, the sync or the close). A failure at any step (no folder,
// a folder or another file that is not a regular one in the target's place, a file that may not be
// written, a short write, a failed sync, close or rename) removes the temporary file and leaves the
// previous file as it was, byte for byte. A link as the target is followed, and the file it names is
// replaced. atomic_file_testing.h lets tests make a write fail half-way.

#include <QByteArray>
#include <QString>

namespace molvane {

// On failure returns false and, when error is given, the system's reason.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Reads a whole regular file (see input_file.h); at most maxBytes (a file larger than that fails
// rather than being cut).
bool readWholeFile(const QString& path, QByteArray& out, QString* error = nullptr,
                   qint64 maxBytes = qint64(1) << 31);

} // namespace molvane

#pragma once
// Conversion between Unicode text and code page 932 (Shift-JIS as Windows uses it), the encoding of
// every text in figure files and of the settings file. Characters CP932 cannot hold become "?" when
// encoding; unmappableInCp932() tells which ones before anything is written, so the user can be told.
// Decoding never fails: a byte sequence that is not CP932 becomes U+FFFD and decoding goes on.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace molvane {

QByteArray toCp932(const QString& text);
QString fromCp932(QByteArrayView bytes);

// The distinct characters of text that CP932 cannot hold, in order of first appearance.
QString unmappableInCp932(const QString& text);

// The first maxBytes bytes of text's CP932 form, never splitting a double-byte character: a lead
// byte that would be cut off is left out (a button caption takes two bytes: one full-width
// character or two half-width ones).
QByteArray cp932Prefix(const QString& text, int maxBytes);

} // namespace molvane

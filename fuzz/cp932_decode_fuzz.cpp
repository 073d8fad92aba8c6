// Decodes arbitrary bytes as CP932 and encodes the result again. Besides memory errors it traps on
// broken invariants: decoding yields at most one UTF-16 unit per byte, the re-encoded text reads back
// as the decoded text (with the replacement character written as "?"), and a prefix is a cut of the
// full encoding that stays within its limit.
#include "fuzz_check.h"
#include "platform/cp932.h"

#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const QString text = molvane::fromCp932(bytes);
    check(text.size() <= bytes.size());

    const QByteArray encoded = molvane::toCp932(text);
    QString readable = text;
    readable.replace(QChar(0xFFFD), u'?');
    check(molvane::fromCp932(encoded) == readable);

    const QString unmappable = molvane::unmappableInCp932(text);
    check(unmappable.isEmpty() || unmappable == QString(QChar(0xFFFD)));

    const int limit = size > 0 ? data[0] : 0;
    const QByteArray prefix = molvane::cp932Prefix(text, limit);
    check(prefix.size() <= limit && encoded.startsWith(prefix));
    return 0;
}

#include "platform/cp932.h"

#include <QSet>
#include <QtGlobal>

#include <cerrno>
#include <iconv.h>

namespace molvane {

namespace {

// glibc's CP932 table agrees with Windows for every double-byte code: the Windows forms of the characters
// JIS maps differently (U+FF5E at 81 60, U+FF0D at 81 7C, U+2225 at 81 61, U+FFE0..FFE2 at 81 91, 81 92,
// 81 CA), NEC row 13, the IBM extensions and the user-defined area, and it encodes characters with
// several codes the way Windows does (NEC row 13 before the IBM rows, IBM rows FA..FC before the NEC
// copies in ED..EE). When encoding it also takes the JIS forms of those characters (U+301C, U+2212,
// U+2016, U+00A2, U+00A3, U+00AC, U+2014) and U+00A5, U+203E, which is what text typed on other
// systems holds; they are kept rather than lost as "?". Unlike Windows it reads the single bytes 80, A0
// and FD..FF as errors, which suits us: they are not text. The one fix needed: glibc swallows the
// Unicode tag characters without output, and an empty result here counts as "no CP932 form".
constexpr const char* kCp932 = "CP932";
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr const char* kUtf32 = "UTF-32LE";
constexpr const char* kUtf16 = "UTF-16LE";
#else
constexpr const char* kUtf32 = "UTF-32BE";
constexpr const char* kUtf16 = "UTF-16BE";
#endif

constexpr char kSubstitute = '?';
constexpr char16_t kReplacement = 0xFFFD;

class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from))
    {
        if (!isOpen())
            qWarning("iconv cannot convert from %s to %s; the text is treated as ASCII only", from, to);
    }
    ~Iconv()
    {
        if (isOpen())
            iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    bool isOpen() const { return cd_ != iconv_t(-1); }
    // Same contract as iconv(3).
    size_t convert(char** in, size_t* inLeft, char** out, size_t* outLeft) const
    {
        return iconv(cd_, in, inLeft, out, outLeft);
    }

private:
    iconv_t cd_;
};

// Opening a descriptor costs far more than converting a caption, and a descriptor must not be shared
// between threads, so each thread keeps its own pair; they are closed when the thread ends. CP932 has no
// shift state, so nothing carries over from one use to the next.
const Iconv& cp932Encoder()
{
    thread_local const Iconv encoder(kCp932, kUtf32);
    return encoder;
}

const Iconv& cp932Decoder()
{
    thread_local const Iconv decoder(kUtf16, kCp932);
    return decoder;
}

// One character of a QString: a code point and where its UTF-16 units are. A lone surrogate is a
// character of its own, which CP932 cannot hold.
struct CodePoint {
    char32_t value;
    qsizetype begin;
    qsizetype length;
};

template <typename Visit>
void forEachCodePoint(const QString& text, Visit visit)
{
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            visit(CodePoint{QChar::surrogateToUcs4(c, text.at(i + 1)), i, 2});
            i += 2;
        } else {
            visit(CodePoint{c.unicode(), i, 1});
            i += 1;
        }
    }
}

// The CP932 bytes of one character, 1 or 2 of them; 0 when CP932 has no form for it.
int encodeCodePoint(const Iconv& encoder, char32_t cp, char (&out)[4])
{
    if (cp < 0x80) { // identical in CP932, and most settings text is ASCII
        out[0] = char(cp);
        return 1;
    }
    if (!encoder.isOpen() || QChar::isSurrogate(cp))
        return 0;
    char* in = reinterpret_cast<char*>(&cp);
    size_t inLeft = sizeof cp;
    char* o = out;
    size_t outLeft = sizeof out;
    // EILSEQ is the normal "not in CP932" answer; nothing is half-converted for a single character.
    if (encoder.convert(&in, &inLeft, &o, &outLeft) == size_t(-1) || inLeft != 0)
        return 0;
    return int(o - out);
}

// Appends the character's CP932 bytes to out; false (nothing appended) when it has no CP932 form.
bool appendCp932(char32_t cp, QByteArray& out)
{
    char bytes[4];
    const int n = encodeCodePoint(cp932Encoder(), cp, bytes);
    out.append(bytes, n);
    return n > 0;
}

// Decodes what it can of bytes into out from *pos on, stopping at the end or at the first sequence
// iconv rejects, which is left at *pos.
void decodeRun(const Iconv& decoder, QByteArrayView bytes, qsizetype* pos, QString& out)
{
    char* in = const_cast<char*>(bytes.data() + *pos); // iconv's signature; it does not write input
    size_t inLeft = size_t(bytes.size() - *pos);
    for (;;) {
        // One UTF-16 unit per input byte is always enough for CP932; E2BIG is handled all the same.
        const qsizetype start = out.size();
        const size_t room = qMax<size_t>(inLeft, 16) * sizeof(char16_t);
        out.resize(start + qsizetype(room / sizeof(char16_t)));
        char* o = reinterpret_cast<char*>(out.data() + start);
        size_t outLeft = room;
        const size_t result = decoder.convert(&in, &inLeft, &o, &outLeft);
        const int error = errno;
        out.resize(start + qsizetype((room - outLeft) / sizeof(char16_t)));
        if (result != size_t(-1) || error != E2BIG)
            break;
    }
    *pos = bytes.size() - qsizetype(inLeft);
}

// Without iconv only ASCII and half-width katakana, which need no table, can be decoded.
QString decodeWithoutIconv(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            out.append(QChar(b));
        else if (b >= 0xA1 && b <= 0xDF)
            out.append(QChar(char16_t(0xFF61 + (b - 0xA1))));
        else
            out.append(QChar(kReplacement));
    }
    return out;
}

} // namespace

QByteArray toCp932(const QString& text)
{
    QByteArray out;
    out.reserve(text.size() * 2);
    forEachCodePoint(text, [&](const CodePoint& c) {
        if (!appendCp932(c.value, out))
            out.append(kSubstitute);
    });
    return out;
}

QString fromCp932(QByteArrayView bytes)
{
    const Iconv& decoder = cp932Decoder();
    if (!decoder.isOpen())
        return decodeWithoutIconv(bytes);
    QString out;
    out.reserve(bytes.size());
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        decodeRun(decoder, bytes, &pos, out);
        if (pos < bytes.size()) {
            // iconv stopped on an invalid or truncated sequence; only its first byte is given up, so
            // a valid character right after a broken lead byte is still read.
            out.append(QChar(kReplacement));
            ++pos;
        }
    }
    return out;
}

QString unmappableInCp932(const QString& text)
{
    QString found;
    QSet<char32_t> seen;
    QByteArray scratch;
    forEachCodePoint(text, [&](const CodePoint& c) {
        scratch.clear();
        if (appendCp932(c.value, scratch) || seen.contains(c.value))
            return;
        seen.insert(c.value);
        found.append(QStringView(text).mid(c.begin, c.length));
    });
    return found;
}

QByteArray cp932Prefix(const QString& text, int maxBytes)
{
    // Encoding character by character is what tells where characters end: a cut position in the finished
    // bytes cannot show whether the byte before it is a lead byte or the second half of a character.
    QByteArray out;
    QByteArray character;
    bool full = false;
    forEachCodePoint(text, [&](const CodePoint& c) {
        if (full)
            return;
        character.clear();
        if (!appendCp932(c.value, character))
            character.append(kSubstitute);
        if (out.size() + character.size() > maxBytes)
            full = true;
        else
            out.append(character);
    });
    return out;
}

} // namespace molvane

#include "document/figure_stream.h"

#include "document/point_blocks.h"

#include "platform/bmp_codec.h"
#include "platform/cp932.h"
#include "platform/lasting_texts.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <cstring>
#include <span>
#include <unordered_map>
#include <vector>

namespace molvane {

namespace {

constexpr int kPointBytes = 8;

bool hasPoints(const TFigure& f) { return f.kind == fkFree || f.kind == fkNuri || f.freeForm; }

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// At least the bytes a record takes, its picture left out: a UTF-16 unit takes at most two CP932 bytes.
qsizetype recordBytesWithoutPicture(const TFigure& f)
{
    qsizetype n = kSmallestFigureRecord + 2 * (f.fontName.size() + f.text.size());
    if (hasPoints(f))
        n += 4 + qsizetype(f.points.size()) * kPointBytes;
    if (f.kind == fkPicture)
        n += 4;
    return n;
}

using Cursor = RecordCursor;

// The end of a byte array being written, which grows only when a record asks for more room than is
// left: its capacity first, then twice what is used.
class Output {
public:
    explicit Output(QByteArray& bytes) : bytes_(bytes), used_(bytes.size()) {}
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
    // Cuts the array to what was written and gives back the room left over (in place).
    ~Output()
    {
        bytes_.resize(used_);
    }

    // Where the next n bytes go.
    char* room(qsizetype n)
    {
        if (bytes_.size() - used_ < n)
            bytes_.resize(std::max({used_ + n, bytes_.capacity(), 2 * used_}));
        return bytes_.data() + used_;
    }
    void wrote(const char* end) { used_ = end - bytes_.constData(); }

private:
    QByteArray& bytes_;
    qsizetype used_;
};

// Writes records. Texts that are not plain ASCII go through the CP932 encoder once per distinct text
// (a drawing repeats its font names and labels).
class RecordWriter {
public:
    // Writes the record at p (with room for it) and returns its end. bmp: the picture figure's
    // picture as a BMP file (null for no picture).
    char* write(char* p, const TFigure& f, QPoint offset, const QByteArray& bmp)
    {
        Cursor w{writeFixedPart(p, f, offset)};
        if (f.fontName.isEmpty() && f.text.isEmpty()) { // most records: two zero lengths
            std::memset(w.p, 0, 8);
            w.p += 8;
        } else {
            w.p = writeText(w.p, f.fontName);
            w.p = writeText(w.p, f.text);
        }
        if (hasPoints(f)) {
            // A fill's points are figure indices, not positions.
            const QPoint shift = f.kind == fkNuri ? QPoint() : offset;
            w.putInt(std::int32_t(f.points.size()));
            w.p = writePoints(w.p, f.points.data(), f.points.size(), shift);
        }
        if (f.kind == fkPicture) {
            w.putInt(std::int32_t(bmp.size()));
            w.putBytes(bmp);
        }
        return w.p;
    }

private:
    char* writeText(char* p, const QString& text)
    {
        Cursor w{p};
        // CP932 holds ASCII as it is: the characters are narrowed while they are checked, and a text
        // that is not all ASCII is written again, encoded (its record has room for two bytes a unit).
        const qsizetype n = text.size();
        const char16_t* units = reinterpret_cast<const char16_t*>(text.constData());
        char* narrow = p + 4;
        char16_t seen = 0;
        for (qsizetype i = 0; i < n; ++i) {
            seen |= units[i];
            narrow[i] = char(units[i]);
        }
        if (seen < 0x80) {
            w.putInt(std::int32_t(n));
            return narrow + n;
        }
        const QByteArray& bytes = cp932Of(text);
        w.putInt(std::int32_t(bytes.size()));
        w.putBytes(bytes);
        return w.p;
    }

    // A drawing uses a few font names and labels over and over: the last few texts encoded are compared
    // first, character by character, before the texts are hashed.
    const QByteArray& cp932Of(const QString& text)
    {
        const auto size = std::size_t(text.size());
        for (const Recent& r : recent_) {
            if (r.bytes != nullptr && std::size_t(r.text.size()) == size &&
                std::memcmp(r.text.data(), text.constData(), size * sizeof(QChar)) == 0)
                return *r.bytes;
        }
        auto known = encoded_.find(text);
        if (known == encoded_.end())
            known = encoded_.emplace(text, toCp932(text)).first;
        recent_[next_++ % recent_.size()] = {known->first, &known->second};
        return known->second;
    }

    struct Recent {
        QStringView text;
        const QByteArray* bytes = nullptr;
    };
    std::unordered_map<QString, QByteArray> encoded_; // nodes stay put: recent_ points into them
    std::array<Recent, 4> recent_{};
    std::size_t next_ = 0;
};

// What a record usually takes at most: drawings with many free curves make the buffer grow once more.
constexpr qsizetype kTypicalRecordBytes = kSmallestFigureRecord * 3 / 2;

// Asks for the memory of the figures ahead while the current one is written: the figure kAhead places
// on, and the texts and points of the one half as far (separate blocks, found through that figure,
// asked for two figures before).
constexpr std::size_t kAhead = 4;
void prefetchAhead(std::span<const TFigure> figures, std::size_t i)
{
    if (i + kAhead < figures.size()) {
        const char* ahead = reinterpret_cast<const char*>(&figures[i + kAhead]);
        for (std::size_t line = 0; line < sizeof(TFigure); line += 64)
            __builtin_prefetch(ahead + line);
    }
    if (i + kAhead / 2 < figures.size()) {
        const TFigure& next = figures[i + kAhead / 2];
        __builtin_prefetch(next.fontName.constData());
        __builtin_prefetch(next.text.constData());
        __builtin_prefetch(next.points.data());
    }
}

// Appends the records of figures, prefixed by their count when counted, to bytes, in one pass over
// the figures.
void appendRecords(QByteArray& bytes, std::span<const TFigure> figures, QPoint offset, bool counted)
{
    bytes.reserve(bytes.size() + 4 + qsizetype(figures.size()) * kTypicalRecordBytes);
    Output out(bytes);
    if (counted) {
        Cursor w{out.room(4)};
        w.putInt(std::int32_t(figures.size()));
        out.wrote(w.p);
    }
    RecordWriter writer;
    const QByteArray noPicture;
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const TFigure& f = figures[i];
        prefetchAhead(figures, i);
        if (f.kind == fkPicture) {
            const QByteArray bmp = f.picture.isNull() ? QByteArray() : writeBmp(f.picture.image());
            out.wrote(writer.write(out.room(recordBytesWithoutPicture(f) + bmp.size()), f, offset, bmp));
        } else {
            out.wrote(writer.write(out.room(recordBytesWithoutPicture(f)), f, offset, noPicture));
        }
    }
}

// Little-endian fields read from a view with bounds checks. The limit is an absolute position: base is
// the absolute position of the view's first byte.
class FieldReader {
public:
    FieldReader(QByteArrayView bytes, qsizetype base, qsizetype limit)
        : p_(reinterpret_cast<const unsigned char*>(bytes.data())), size_(bytes.size()),
          lengthsEnd_(std::min<qsizetype>(limit - base, bytes.size()))
    {
    }

    qsizetype consumed() const { return pos_; }
    bool has(qsizetype n) const { return n <= size_ - pos_; }
    // A declared length of n bytes must fit before the limit and in what is really there.
    bool fits(std::int64_t n) const { return n >= 0 && n <= lengthsEnd_ - pos_; }
    // How many bytes declared lengths may still take.
    qsizetype room() const { return lengthsEnd_ - pos_; }

    // Unchecked reads: the caller has made sure with has() or fits().
    const unsigned char* here() const { return p_ + pos_; }
    void skip(qsizetype n) { pos_ += n; }
    std::uint32_t get32()
    {
        const unsigned char* p = p_ + pos_;
        pos_ += 4;
        return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
               (std::uint32_t(p[3]) << 24);
    }
    std::int32_t getInt() { return std::int32_t(get32()); }
    QByteArrayView getBytes(qsizetype n)
    {
        const QByteArrayView v(p_ + pos_, n);
        pos_ += n;
        return v;
    }

    bool readInt(std::int32_t& v)
    {
        if (!has(4))
            return false;
        v = getInt();
        return true;
    }

    // Two lengths of zero in a row (a record without font name and text), taken at once when they are
    // there: what reading the two lengths and fitting them would take.
    bool skipTwoZeros()
    {
        if (!has(8) || 8 > lengthsEnd_ - pos_)
            return false;
        std::uint64_t both;
        std::memcpy(&both, p_ + pos_, sizeof both);
        if (both != 0)
            return false;
        pos_ += 8;
        return true;
    }

private:
    const unsigned char* p_;
    qsizetype size_;
    qsizetype pos_ = 0;
    qsizetype lengthsEnd_; // where declared lengths must end: the limit, or the end of the view if sooner
};

// Reads records from the rest of a ByteReader, which is moved past what was read when done. Texts go
// through the decoder once per distinct byte sequence: the texts read share their storage, which for
// short texts is the program's store of lasting texts, so that copying them costs no atomic count.
class RecordReader {
public:
    // picturePixelsLeft, when given, is what the pictures read may still hold together; each takes its
    // share from it.
    RecordReader(ByteReader& in, qsizetype limit, qint64* picturePixelsLeft = nullptr)
        : in_(in), r_(rest(in), in.position(), limit), picturePixelsLeft_(picturePixelsLeft)
    {
    }
    ~RecordReader() { in_.skip(r_.consumed()); }
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    // Reads count records onto the end of out; false at the first that is not whole and sound, which is
    // not added.
    bool readOnto(FigureList& out, int count)
    {
        // The common records are read through a copy of the field reader: a local the stores into the
        // figures cannot reach, so that its position stays in a register.
        FieldReader r = r_;
        for (int i = 0; i < count; ++i) {
            if (!r.has(kFigureFixedBytes)) {
                r_ = r;
                return false;
            }
            // Made and filled in one place, so the fields the fixed part sets are written once.
            TFigure& f = out.emplace_back(TFigure::FromFixedPart{}, r.here());
            r.skip(kFigureFixedBytes);
            // Most records end there, with no texts, points or picture.
            if (!hasPoints(f) && f.kind != fkPicture && r.skipTwoZeros())
                continue;
            r_ = r;
            if (!readRest(f)) {
                out.pop_back();
                return false;
            }
            r = r_;
        }
        r_ = r;
        return true;
    }

private:
    Q_NEVER_INLINE bool readRest(TFigure& f)
    {
        if (!readText(f.fontName) || !readText(f.text))
            return false;
        if (hasPoints(f) && !readPoints(f))
            return false;
        if (f.kind == fkPicture && !readPicture(f))
            return false;
        return true;
    }

    static QByteArrayView rest(const ByteReader& in)
    {
        QByteArrayView v;
        in.peekView(in.remaining(), v);
        return v;
    }

    bool readText(QString& text)
    {
        std::int32_t n;
        if (!r_.readInt(n) || !r_.fits(n))
            return false;
        if (n == 0)
            return true;
        text = QString(decoded(r_.getBytes(n))); // copying is inline, assigning a copy is not
        return true;
    }

    const QString& decoded(QByteArrayView bytes)
    {
        // A drawing repeats a few font names and texts: a byte sequence seen lately is found again in a
        // small table, picked by a cheap hash of its bytes, before the hash table is asked.
        Recent& recent = recent_[recentSlot(bytes)];
        if (sameBytes(recent.bytes, bytes))
            return recent.text;
        // The keys view the input, which outlives the reader.
        const QByteArray key = QByteArray::fromRawData(bytes.data(), bytes.size());
        auto known = decoded_.constFind(key);
        if (known == decoded_.cend()) { // CP932 holds ASCII as it is
            const QString text = isAscii(bytes) ? QString::fromLatin1(bytes) : fromCp932(bytes);
            known = decoded_.insert(key, lastingText(text));
        }
        recent = {bytes, *known};
        return recent.text;
    }

    // A slot of recent_ for the bytes (never empty), from their length and a few of them: the first and
    // last four as two loads where there are that many, else the first, middle and last byte. One
    // multiply, where a hash over every byte would be a chain of them.
    std::size_t recentSlot(QByteArrayView bytes) const
    {
        const char* const b = bytes.data();
        const auto* p = reinterpret_cast<const unsigned char*>(b);
        const auto n = std::size_t(bytes.size());
        std::uint64_t v;
        if (n >= 4) {
            v = (std::uint64_t(wordAt<std::uint32_t>(b)) << 32) | wordAt<std::uint32_t>(b + n - 4);
        } else {
            v = (std::uint64_t(p[0]) << 16) | (std::uint64_t(p[n / 2]) << 8) | p[n - 1];
        }
        v = (v ^ n) * 0x9E3779B97F4A7C15ull;
        return std::size_t(v >> (64 - kSlotBits)); // the top bits
    }

    // Texts are a few bytes long: compared in place, without a call, eight bytes at a time (the last
    // eight overlapping the ones before), four, or one by one when shorter.
    static bool sameBytes(QByteArrayView a, QByteArrayView b)
    {
        const qsizetype n = a.size();
        if (n != b.size())
            return false;
        const char* p = a.data();
        const char* q = b.data();
        if (n >= 8) {
            for (qsizetype i = 0; i + 8 < n; i += 8)
                if (wordAt<std::uint64_t>(p + i) != wordAt<std::uint64_t>(q + i))
                    return false;
            return wordAt<std::uint64_t>(p + n - 8) == wordAt<std::uint64_t>(q + n - 8);
        }
        if (n >= 4)
            return wordAt<std::uint32_t>(p) == wordAt<std::uint32_t>(q) &&
                   wordAt<std::uint32_t>(p + n - 4) == wordAt<std::uint32_t>(q + n - 4);
        for (qsizetype i = 0; i < n; ++i)
            if (p[i] != q[i])
                return false;
        return true;
    }
    // The bytes at p as one machine word, wherever they lie.
    template <class Word> static Word wordAt(const char* p)
    {
        Word w;
        std::memcpy(&w, p, sizeof w);
        return w;
    }

    bool readPoints(TFigure& f)
    {
        std::int32_t m;
        if (!r_.readInt(m) || !r_.fits(std::int64_t(m) * kPointBytes))
            return false;
        f.points = points_.take(r_.here(), std::size_t(m), std::size_t(r_.room() / kPointBytes));
        r_.skip(std::int64_t(m) * kPointBytes);
        return true;
    }

    bool readPicture(TFigure& f)
    {
        std::int32_t k;
        if (!r_.readInt(k) || !r_.fits(k))
            return false;
        if (k == 0)
            return true;
        DecodedImage picture =
            readBmp(r_.getBytes(k), picturePixelsLeft_ ? *picturePixelsLeft_ : kMaxPicturePixels);
        if (!picture.ok())
            return false;
        if (picturePixelsLeft_)
            *picturePixelsLeft_ -= qint64(picture.image.width()) * picture.image.height();
        f.picture = std::move(picture.image);
        return true;
    }

    ByteReader& in_;
    FieldReader r_;
    qint64* picturePixelsLeft_;
    PointBlocks points_;
    // A slot holds the text of the bytes it last saw; it is empty until then, and the texts looked up
    // are never empty.
    struct Recent {
        QByteArrayView bytes;
        QString text;
    };
    QHash<QByteArray, QString> decoded_;
    static constexpr int kSlotBits = 6;
    std::array<Recent, std::size_t(1) << kSlotBits> recent_{};
};

} // namespace

void writeFigureRecord(ByteWriter& out, const TFigure& f, QPoint offset)
{
    QByteArray bytes;
    appendRecords(bytes, {&f, 1}, offset, false);
    out.writeBytes(bytes);
}

bool readFigureRecord(ByteReader& in, qsizetype limit, TFigure& f)
{
    FigureList one;
    if (!RecordReader(in, limit).readOnto(one, 1))
        return false;
    f = std::move(one.front());
    return true;
}

void writeFigureList(ByteWriter& out, const FigureList& list, QPoint offset)
{
    QByteArray bytes;
    appendFigureList(bytes, list, offset);
    out.writeBytes(bytes);
}

void appendFigureList(QByteArray& bytes, const FigureList& list, QPoint offset)
{
    appendRecords(bytes, list, offset, true);
}

FigureListRead readFigureList(ByteReader& in, qsizetype limit, FigureList& out, qint64* picturePixelsLeft)
{
    FigureListRead result;
    std::int32_t count;
    if (!in.readInt32(count) || count < 0) {
        result.ok = false;
        return result;
    }
    result.declared = count;
    // Room only for the records that could really be there; a damaged count still gives the records
    // before the first bad one.
    const std::int64_t possible = std::max<std::int64_t>(0, std::min<std::int64_t>(limit - in.position(), in.remaining())) /
                                  kSmallestFigureRecord;
    out.reserve(out.size() + std::size_t(std::min<std::int64_t>(count, possible)));
    // Read in place: a figure is large, and moving it would cost as much as reading it.
    result.ok = RecordReader(in, limit, picturePixelsLeft).readOnto(out, count);
    return result;
}

QString unmappableFigureText(const FigureList& list)
{
    QString all;
    for (const TFigure& f : list)
        all += f.fontName + f.text;
    return unmappableInCp932(all);
}

} // namespace molvane

#include "document/figure_stream.h"

#include "platform/bmp_codec.h"
#include "platform/cp932.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <span>
#include <unordered_map>
#include <vector>

namespace molvane {

namespace {

constexpr int kFixedPartBytes = 194; // the scalar fields, the points and the margins
constexpr int kPointBytes = 8;

// A record holds the ends line by line: each start followed by its end.
constexpr std::array<int, 6> kRecordOrder{kMainStart, kMainEnd, kSecondStart, kSecondEnd, kThirdStart, kThirdEnd};

bool hasPoints(const TFigure& f) { return f.kind == fkFree || f.kind == fkNuri || f.freeForm; }

void storePoint(FieldStore& out, QPoint p, QPoint offset)
{
    const QPoint q = wrappingSum(p, offset);
    out.putInt32(q.x());
    out.putInt32(q.y());
}

bool isAscii(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

// Writes records, each sized first and then stored in one piece. CP932 holds ASCII as it is; other
// texts go through the encoder once per distinct text (a drawing repeats its font names and labels).
class RecordWriter {
public:
    // Sizes and stores each record in turn: one pass over the figures.
    void write(ByteWriter& out, std::span<const TFigure> figures, QPoint offset)
    {
        for (const TFigure& f : figures) {
            FieldStore store{out.extend(sizeOf(f))};
            this->store(store, f, offset);
        }
    }

private:
    // How a text is stored: ASCII as it is (encoded null), anything else in CP932.
    struct TextBytes {
        const QByteArray* encoded = nullptr;
        qsizetype size = 0;
    };

    // The bytes of the record; finds how its texts are stored and encodes its picture, for store().
    qsizetype sizeOf(const TFigure& f)
    {
        font_ = textBytes(f.fontName, lastFont_);
        text_ = textBytes(f.text, lastText_);
        qsizetype size = kFixedPartBytes + 4 + font_.size + 4 + text_.size;
        if (hasPoints(f))
            size += 4 + qsizetype(f.points.size()) * kPointBytes;
        if (f.kind == fkPicture) {
            picture_ = f.picture.isNull() ? QByteArray() : writeBmp(f.picture.image());
            size += 4 + picture_.size();
        }
        return size;
    }

    // Stores the record sized last.
    void store(FieldStore& out, const TFigure& f, QPoint offset)
    {
        storeFixedPart(out, f, offset);
        storeText(out, f.fontName, font_);
        storeText(out, f.text, text_);
        if (hasPoints(f)) {
            // A fill's points are figure indices, not positions.
            const QPoint shift = f.kind == fkNuri ? QPoint() : offset;
            out.putInt32(std::int32_t(f.points.size()));
            for (QPoint p : f.points)
                storePoint(out, p, shift);
        }
        if (f.kind == fkPicture) {
            out.putInt32(std::int32_t(picture_.size()));
            out.putBytes(picture_);
        }
    }

    // The last text other than ASCII a field held, and how it was stored.
    struct LastText {
        QString text; // kept, so that no other text takes its place in memory
        TextBytes bytes;
    };

    // Figures repeat their font names and labels, mostly sharing one copy of the characters: a text
    // equal to the field's last one (known without reading it when it lies where that one does) is
    // stored as that was, and each distinct one is encoded once.
    TextBytes textBytes(const QString& text, LastText& last)
    {
        if (text.isEmpty())
            return {};
        if (text.size() == last.text.size() &&
            (text.constData() == last.text.constData() || text == last.text))
            return last.bytes;
        if (isAscii(text))
            return {nullptr, text.size()};
        auto known = encoded_.find(text);
        if (known == encoded_.end())
            known = encoded_.emplace(text, toCp932(text)).first;
        last = {text, {&known->second, known->second.size()}};
        return last.bytes;
    }

    static void storeText(FieldStore& out, const QString& text, const TextBytes& bytes)
    {
        out.putInt32(std::int32_t(bytes.size));
        if (bytes.encoded) {
            out.putBytes(*bytes.encoded);
            return;
        }
        for (QChar c : text)
            out.put8(std::uint8_t(c.unicode()));
    }

    static void storeFixedPart(FieldStore& out, const TFigure& f, QPoint offset)
    {
        out.putInt32(f.kind);
        out.putInt32(f.cursorPrecision);
        out.put8(f.freeForm ? 1 : 0);
        out.put8(f.fineMoved ? 1 : 0);
        out.put32(f.penColor);
        out.put32(f.auxColor);
        out.put32(f.fillColor);
        for (std::int32_t v : {f.penStyle, f.lineWidth, f.shape, f.sizeStep, f.reserved})
            out.putInt32(v);
        for (int i : kRecordOrder)
            storePoint(out, f.ends[std::size_t(i)], offset);
        for (int i : kRecordOrder)
            storePoint(out, f.freeEnds[std::size_t(i)], offset);
        storePoint(out, f.handle, offset);
        for (QPoint p : f.extremes)
            storePoint(out, p, offset);
        for (std::int32_t v : {f.margins.left, f.margins.top, f.margins.right, f.margins.bottom})
            out.putInt32(v);
    }

    struct TextHash {
        std::size_t operator()(const QString& text) const { return qHash(text); }
    };
    // Node-based: the encodings stay where they are while others are added.
    std::unordered_map<QString, QByteArray, TextHash> encoded_;
    LastText lastFont_, lastText_;
    TextBytes font_, text_; // of the record sized last
    QByteArray picture_;
};

// Reads records. A declared length must end before the container's limit (an absolute position) and
// within the bytes really there, or the record is bad; each distinct text is decoded once.
class RecordReader {
public:
    RecordReader(ByteReader& in, qsizetype limit, ReadBudget* budget)
        : in_(in), limit_(limit), budget_(budget)
    {
    }

    bool read(TFigure& f)
    {
        if (in_.remaining() < kFixedPartBytes)
            return false;
        readFixedPart(f);
        if (!readText(f.fontName) || !readText(f.text))
            return false;
        if (hasPoints(f) && !readPoints(f))
            return false;
        return f.kind != fkPicture || readPicture(f);
    }

private:
    // The whole fixed part is there: none of these reads can fail.
    void readFixedPart(TFigure& f)
    {
        std::uint8_t freeForm = 0, fineMoved = 0;
        in_.readInt32(f.kind);
        in_.readInt32(f.cursorPrecision);
        in_.readUInt8(freeForm);
        in_.readUInt8(fineMoved);
        f.freeForm = freeForm != 0;
        f.fineMoved = fineMoved != 0;
        in_.readUInt32(f.penColor);
        in_.readUInt32(f.auxColor);
        in_.readUInt32(f.fillColor);
        for (std::int32_t* v : {&f.penStyle, &f.lineWidth, &f.shape, &f.sizeStep, &f.reserved})
            in_.readInt32(*v);
        for (int i : kRecordOrder)
            f.ends[std::size_t(i)] = point();
        for (int i : kRecordOrder)
            f.freeEnds[std::size_t(i)] = point();
        f.handle = point();
        for (QPoint& p : f.extremes)
            p = point();
        for (std::int32_t* v : {&f.margins.left, &f.margins.top, &f.margins.right, &f.margins.bottom})
            in_.readInt32(*v);
    }

    QPoint point()
    {
        std::int32_t x = 0, y = 0;
        in_.readInt32(x);
        in_.readInt32(y);
        return {x, y};
    }

    bool fits(qint64 n) const
    {
        return n >= 0 && n <= std::min<qint64>(limit_ - in_.position(), in_.remaining());
    }

    // An int32 length n, then n bytes.
    bool readLength(std::int32_t& n, qint64 unitBytes)
    {
        return in_.readInt32(n) && fits(qint64(n) * unitBytes);
    }

    bool readText(QString& text)
    {
        std::int32_t n;
        QByteArrayView bytes;
        if (!readLength(n, 1) || !in_.peekView(n, bytes) ||
            !spend(budget_ ? &budget_->textBytes : nullptr, n))
            return false;
        in_.skip(n);
        if (n == 0)
            return true;
        const QByteArray key = bytes.toByteArray();
        auto known = decoded_.constFind(key);
        if (known == decoded_.cend())
            known = decoded_.insert(key, fromCp932(bytes));
        text = *known;
        return true;
    }

    bool readPoints(TFigure& f)
    {
        std::int32_t m;
        if (!readLength(m, kPointBytes) || !spend(budget_ ? &budget_->points : nullptr, m))
            return false;
        f.points.resize(m);
        for (QPoint& p : f.points)
            p = point();
        return true;
    }

    bool readPicture(TFigure& f)
    {
        std::int32_t k;
        QByteArrayView bytes;
        if (!readLength(k, 1) || !in_.peekView(k, bytes))
            return false;
        in_.skip(k);
        if (k == 0)
            return true;
        DecodedImage picture = readBmp(bytes, budget_ ? budget_->picturePixels : kMaxPicturePixels);
        if (!picture.ok())
            return false;
        if (budget_)
            budget_->picturePixels -= qint64(picture.image.width()) * picture.image.height();
        f.picture = std::move(picture.image);
        return true;
    }

    // Takes n from what is left, when there is a budget and it holds n.
    static bool spend(qint64* left, qint64 n)
    {
        if (!left)
            return true;
        if (n > *left)
            return false;
        *left -= n;
        return true;
    }

    ByteReader& in_;
    qsizetype limit_;
    ReadBudget* budget_;
    QHash<QByteArray, QString> decoded_;
};

} // namespace

void writeFigureRecord(ByteWriter& out, const TFigure& f, QPoint offset)
{
    RecordWriter().write(out, {&f, 1}, offset);
}

bool readFigureRecord(ByteReader& in, qsizetype limit, TFigure& f)
{
    TFigure read;
    if (!RecordReader(in, limit, nullptr).read(read))
        return false;
    f = std::move(read);
    return true;
}

void writeFigureList(ByteWriter& out, const FigureList& list, QPoint offset)
{
    out.writeInt32(std::int32_t(list.size()));
    RecordWriter().write(out, list, offset);
}

FigureListRead readFigureList(ByteReader& in, qsizetype limit, FigureList& out, ReadBudget* budget)
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
    const qint64 room = std::max<qint64>(0, std::min<qint64>(limit - in.position(), in.remaining()));
    out.reserve(out.size() + std::size_t(std::min<qint64>(count, room / kSmallestFigureRecord)));
    RecordReader reader(in, limit, budget);
    for (std::int32_t i = 0; i < count; ++i) {
        TFigure f;
        if (!reader.read(f)) {
            result.ok = false;
            break;
        }
        out.push_back(std::move(f));
    }
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

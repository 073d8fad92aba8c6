#include "document/figure_json.h"

namespace molvane {

namespace {

// A small writer that keeps the keys in the order they are written (the order of the record).
class JsonWriter {
public:
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    void key(const char* name)
    {
        separate();
        string(QString::fromLatin1(name));
        out_ += ": ";
        afterKey_ = true;
    }
    void value(std::int64_t v)
    {
        separate();
        out_ += QByteArray::number(v);
    }
    void value(bool v)
    {
        separate();
        out_ += v ? "true" : "false";
    }
    void null()
    {
        separate();
        out_ += "null";
    }
    void value(const QString& s)
    {
        separate();
        string(s);
    }
    void point(QPoint p)
    {
        beginArray();
        value(std::int64_t(p.x()));
        value(std::int64_t(p.y()));
        endArray();
    }
    QByteArray take() { return out_ + '\n'; }

private:
    void open(char c)
    {
        separate();
        out_ += c;
        first_ = true;
    }
    void close(char c)
    {
        out_ += c;
        first_ = false;
    }
    void separate()
    {
        if (afterKey_) {
            afterKey_ = false;
            return;
        }
        if (!first_ && !out_.isEmpty())
            out_ += ", ";
        first_ = false;
    }
    void string(const QString& s)
    {
        out_ += '"';
        for (const char c : s.toUtf8()) {
            switch (c) {
            case '"': out_ += "\\\""; break;
            case '\\': out_ += "\\\\"; break;
            case '\n': out_ += "\\n"; break;
            case '\r': out_ += "\\r"; break;
            case '\t': out_ += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20)
                    out_ += QByteArray("\\u00") + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
                else
                    out_ += c;
            }
        }
        out_ += '"';
    }

    QByteArray out_;
    bool first_ = true;
    bool afterKey_ = false;
};

template <typename Points>
void points(JsonWriter& w, const char* name, const Points& list)
{
    w.key(name);
    w.beginArray();
    for (QPoint p : list)
        w.point(p);
    w.endArray();
}

void figure(JsonWriter& w, const TFigure& f)
{
    w.beginObject();
    const std::pair<const char*, std::int64_t> numbers[] = {
        {"kind", f.kind}, {"cursorPrecision", f.cursorPrecision}};
    for (auto [name, v] : numbers) {
        w.key(name);
        w.value(v);
    }
    w.key("freeForm");
    w.value(f.freeForm);
    w.key("fineMoved");
    w.value(f.fineMoved);
    const std::pair<const char*, std::int64_t> rest[] = {
        {"penColor", f.penColor}, {"auxColor", f.auxColor}, {"fillColor", f.fillColor},
        {"penStyle", f.penStyle}, {"lineWidth", f.lineWidth}, {"shape", f.shape},
        {"sizeStep", f.sizeStep}, {"reserved", f.reserved}};
    for (auto [name, v] : rest) {
        w.key(name);
        w.value(v);
    }
    points(w, "ends", f.ends);
    points(w, "freeEnds", f.freeEnds);
    w.key("handle");
    w.point(f.handle);
    points(w, "extremes", f.extremes);
    w.key("margins");
    w.beginArray();
    for (std::int32_t m : {f.margins.left, f.margins.top, f.margins.right, f.margins.bottom})
        w.value(std::int64_t(m));
    w.endArray();
    w.key("fontName");
    w.value(f.fontName);
    w.key("text");
    w.value(f.text);
    points(w, "points", f.points);
    w.key("picture");
    if (f.picture.isNull()) {
        w.null();
    } else {
        w.beginObject();
        w.key("width");
        w.value(std::int64_t(f.picture.size().width()));
        w.key("height");
        w.value(std::int64_t(f.picture.size().height()));
        w.endObject();
    }
    w.endObject();
}

} // namespace

QByteArray figureFileJson(const DecodedFigureFile& file)
{
    JsonWriter w;
    w.beginObject();
    const std::pair<const char*, std::int64_t> header[] = {
        {"format", file.format}, {"totalSize", file.totalSize}, {"RW", file.region.width},
        {"RH", file.region.height}, {"RL", file.region.left}, {"RT", file.region.top}};
    for (auto [name, v] : header) {
        w.key(name);
        w.value(v);
    }
    w.key("background");
    if (file.backgroundBytes == 0) {
        w.null();
    } else {
        w.beginObject();
        w.key("bytes");
        w.value(std::int64_t(file.backgroundBytes));
        w.key("width");
        w.value(std::int64_t(file.background.width()));
        w.key("height");
        w.value(std::int64_t(file.background.height()));
        w.endObject();
    }
    w.key("figures");
    w.beginArray();
    for (const TFigure& f : file.figures)
        figure(w, f);
    w.endArray();
    w.endObject();
    return w.take();
}

} // namespace molvane

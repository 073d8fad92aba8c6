// A 2000 x 1500 picture coming into the picture editor: white paper with coloured shapes, some of them
// rings around white holes.
// - opening its JPEG (decoding, the enclosed-white conversion, the picture made the editor's base
//   picture at its size), against libjpeg decoding the same bytes alone plus one QImage::fill of the
//   picture enlarged by the conversion's margins;
// - the enclosed-white conversion alone, against the textbook scanline fill of the same enlarged
//   picture from its corner.
// Both sides of each pair start from a fresh copy of the picture, so the copy weighs on both.

#include "flood_fill_textbook.h"
#include "painting/enclosed_white.h"
#include "painting/paint_picture.h"
#include "platform/jpeg_codec.h"

#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first
#include <jpeglib.h>

namespace molvane::bench {

namespace {

constexpr QSize kPicture(2000, 1500);
constexpr int kMargin = 10;

const QImage& paperPicture()
{
    static const QImage picture = [] {
        QImage image(kPicture, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        for (int i = 0; i < 40; ++i) {
            const QRect box(60 + (i % 8) * 240, 60 + (i / 8) * 280, 180, 200);
            if (i % 2 == 0) {
                p.setPen(QPen(QColor::fromHsv(i * 9, 200, 120), 8)); // a ring around a white hole
                p.setBrush(Qt::NoBrush);
            } else {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor::fromHsv(i * 9, 160, 200));
            }
            p.drawEllipse(box);
        }
        return image;
    }();
    return picture;
}

const QByteArray& paperJpeg()
{
    static const QByteArray bytes = writeJpeg(paperPicture(), 90).bytes;
    return bytes;
}

void openJpeg(benchmark::State& state)
{
    const TColor opaque = PaintPicture().whites().opaque;
    PaintPicture picture;
    for (auto _ : state) {
        DecodedImage decoded = readJpeg(paperJpeg());
        convertEnclosedWhite(decoded.image, opaque);
        picture.restore(decoded.image.size(), decoded.image, {});
        benchmark::DoNotOptimize(picture.working().constBits());
    }
}

void libjpegDecodeAndFill(benchmark::State& state)
{
    const QByteArray& bytes = paperJpeg();
    for (auto _ : state) {
        jpeg_decompress_struct info;
        jpeg_error_mgr errors;
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_RGB;
        jpeg_start_decompress(&info);
        QImage rgb(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = rgb.scanLine(int(info.output_scanline));
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        QImage enlarged(rgb.width() + 2 * kMargin, rgb.height() + 2 * kMargin, QImage::Format_RGB32);
        enlarged.fill(qRgb(255, 254, 255));
        benchmark::DoNotOptimize(enlarged.constBits());
    }
}

void enclosedWhite(benchmark::State& state)
{
    const TColor opaque = PaintPicture().whites().opaque;
    for (auto _ : state) {
        QImage picture = paperPicture().copy();
        convertEnclosedWhite(picture, opaque);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void textbookFillOfTheEnlargedPicture(benchmark::State& state)
{
    QImage enlarged(kPicture + QSize(2 * kMargin, 2 * kMargin), QImage::Format_RGB32);
    enlarged.fill(Qt::white);
    QPainter(&enlarged).drawImage(kMargin, kMargin, paperPicture());
    for (auto _ : state) {
        QImage image = enlarged.copy();
        textbookFill(image, QPoint(0, 0), qRgb(255, 254, 255));
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

BENCHMARK(openJpeg)->Name("picture_open/2000x1500")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(libjpegDecodeAndFill)
    ->Name("picture_open/2000x1500/libjpeg_and_fill")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(enclosedWhite)->Name("enclosed_white/2000x1500")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(textbookFillOfTheEnlargedPicture)
    ->Name("enclosed_white/2000x1500/textbook_scanline")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace molvane::bench

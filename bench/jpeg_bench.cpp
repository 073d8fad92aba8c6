// Writing the big drawing's bitmap (1500 x 1000) as a quality-100 JPEG, against libjpeg alone
// compressing the same rows into memory.

#include "drawings.h"
#include "platform/jpeg_codec.h"

#include <benchmark/benchmark.h>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first
#include <cstdlib>
#include <jpeglib.h>

namespace molvane::bench {

namespace {

void writeJpegBig(benchmark::State& state)
{
    const QImage& bitmap = bigDrawing().bitmap();
    for (auto _ : state) {
        const EncodedJpeg jpeg = writeJpeg(bitmap, 100);
        if (!jpeg.ok()) {
            state.SkipWithError("the bitmap does not encode");
            break;
        }
        benchmark::DoNotOptimize(jpeg.bytes.constData());
    }
}

// The same settings as the writer: baseline JFIF, YCbCr with 2x2 chroma, quality 100.
void libjpegAlone(benchmark::State& state)
{
    const QImage rgb = bigDrawing().bitmap().convertToFormat(QImage::Format_RGB888);
    for (auto _ : state) {
        jpeg_compress_struct info;
        jpeg_error_mgr errors;
        info.err = jpeg_std_error(&errors);
        jpeg_create_compress(&info);
        unsigned char* out = nullptr;
        unsigned long size = 0;
        jpeg_mem_dest(&info, &out, &size);
        info.image_width = JDIMENSION(rgb.width());
        info.image_height = JDIMENSION(rgb.height());
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, 100, TRUE);
        jpeg_start_compress(&info, TRUE);
        while (info.next_scanline < info.image_height) {
            JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
            jpeg_write_scanlines(&info, &row, 1);
        }
        jpeg_finish_compress(&info);
        jpeg_destroy_compress(&info);
        benchmark::DoNotOptimize(out);
        std::free(out);
    }
}

} // namespace

BENCHMARK(writeJpegBig)->Name("jpeg/1500x1000/q100")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(libjpegAlone)->Name("jpeg/1500x1000/q100/libjpeg")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace molvane::bench

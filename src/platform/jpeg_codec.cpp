#include "platform/jpeg_codec.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first
#include <cstdlib>

#include <jerror.h>
#include <jpeglib.h>

namespace molvane {

namespace {

// libjpeg only hands its callbacks the jpeg_error_mgr pointer, so that must be the first member
// for the callbacks to find the jump buffer next to it.
struct ErrorBridge {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    auto* bridge = reinterpret_cast<ErrorBridge*>(info->err);
    (*info->err->format_message)(info, bridge->message);
    std::longjmp(bridge->jump, 1);
}

// Level -1 is a warning about corrupt data. Running out of data (at the end of the buffer, or at a
// marker reached before the picture is complete) is what we refuse: libjpeg would carry on and pad the
// rest of the picture with grey.
void emitMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return;
    if (info->err->msg_code == JWRN_JPEG_EOF || info->err->msg_code == JWRN_HIT_MARKER)
        jumpBack(info);
    ++info->err->num_warnings;
}

void outputNothing(j_common_ptr) {}

// Each scan of a progressive file walks every block of the picture again, even when it holds no data;
// a small file repeating its scans thousands of times would keep the decoder busy for minutes. Real
// files have a dozen scans or so.
constexpr int kMaxScans = 500;

void limitScans(j_common_ptr info)
{
    if (!info->is_decompressor ||
        reinterpret_cast<j_decompress_ptr>(info)->input_scan_number <= kMaxScans)
        return;
    auto* bridge = reinterpret_cast<ErrorBridge*>(info->err);
    std::snprintf(bridge->message, sizeof bridge->message, "more than %d scans", kMaxScans);
    std::longjmp(bridge->jump, 1);
}

void installBridge(ErrorBridge& bridge)
{
    jpeg_std_error(&bridge.manager);
    bridge.manager.error_exit = jumpBack;
    bridge.manager.emit_message = emitMessage;
    bridge.manager.output_message = outputNothing;
    bridge.message[0] = '\0';
}

QString libjpegError(const ErrorBridge& bridge)
{
    return QStringLiteral("JPEG: ") + QString::fromLocal8Bit(bridge.message);
}

// Everything that changes after setjmp lives here, outside the frame that calls setjmp, so its
// value is still defined after a longjmp back.
struct DecodeJob {
    QByteArrayView file;
    jpeg_decompress_struct info{}; // zeroed: jpeg_destroy is safe even if creation failed
    ErrorBridge bridge;
    jpeg_progress_mgr progress{};
    QImage image;
    QString refusal; // our own reason, when libjpeg itself had no complaint
};

// Even a picture of one flat colour costs a few bits per 8 x 8 block; one byte of data per this many
// declared pixels is far below what any real file needs, and keeps a tiny hostile file from making us
// allocate the picture it merely claims to be.
constexpr qint64 kMaxPixelsPerByte = 1024;
constexpr qint64 kPixelsAlwaysAllowed = qint64(1) << 20;
// libjpeg's own working memory (coefficient buffers of progressive files).
constexpr long kLibjpegMemoryLimit = 1L << 29;

QString checkDecodable(const jpeg_decompress_struct& info, qsizetype fileSize)
{
    if (const QString tooLarge = pictureSizeError(info.image_width, info.image_height); !tooLarge.isEmpty())
        return QStringLiteral("JPEG: ") + tooLarge;
    const qint64 pixels = qint64(info.image_width) * qint64(info.image_height);
    if (pixels > std::max(kPixelsAlwaysAllowed, qint64(fileSize) * kMaxPixelsPerByte))
        return QStringLiteral("JPEG: %1 x %2 pixels cannot be in %3 bytes of data")
            .arg(info.image_width)
            .arg(info.image_height)
            .arg(fileSize);
    switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_YCbCr:
    case JCS_RGB: return {};
    case JCS_CMYK:
    case JCS_YCCK: return QStringLiteral("JPEG: CMYK and YCCK pictures are not supported");
    default: return QStringLiteral("JPEG: unsupported colour space %1").arg(int(info.jpeg_color_space));
    }
}

// libjpeg-turbo writes the rows of a Format_RGB32 image directly: its bytes in memory, with the alpha
// byte 0xFF that the format needs.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kRgb32Space = JCS_EXT_BGRA;
#else
constexpr J_COLOR_SPACE kRgb32Space = JCS_EXT_ARGB;
#endif

bool decode(DecodeJob& job)
{
    jpeg_decompress_struct& info = job.info;
    if (setjmp(job.bridge.jump))
        return false;
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = kLibjpegMemoryLimit;
    job.progress.progress_monitor = limitScans;
    info.progress = &job.progress;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(job.file.data()),
                 static_cast<unsigned long>(job.file.size()));
    jpeg_read_header(&info, TRUE);
    // Before jpeg_start_decompress, which allocates for the declared size.
    job.refusal = checkDecodable(info, job.file.size());
    if (!job.refusal.isEmpty())
        return false;
    info.out_color_space = kRgb32Space;
    jpeg_start_decompress(&info);
    if (info.output_components != 4) {
        job.refusal = QStringLiteral("JPEG: unexpected %1 output components").arg(info.output_components);
        return false;
    }
    const int width = int(info.output_width);
    job.image = QImage(width, int(info.output_height), QImage::Format_RGB32);
    if (job.image.isNull()) {
        job.refusal = QStringLiteral("JPEG: out of memory for the image");
        return false;
    }
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        JSAMPROW row = job.image.scanLine(y);
        if (jpeg_read_scanlines(&info, &row, 1) != 1) {
            job.refusal = QStringLiteral("JPEG: decoder stopped at row %1").arg(y);
            return false;
        }
    }
    jpeg_finish_decompress(&info);
    return true;
}

struct EncodeJob {
    QImage rows; // rows libjpeg reads as they are: Format_RGB32 as JCS_EXT_BGRX, or Format_RGB888 as JCS_RGB
    J_COLOR_SPACE rowSpace = JCS_RGB;
    int quality = 100;
    jpeg_compress_struct info{};
    ErrorBridge bridge;
    unsigned char* buffer = nullptr; // ours
    unsigned long capacity = 0;
    unsigned char* out = nullptr; // where libjpeg left the file
    unsigned long outSize = 0;
};

// The largest a 2x2-subsampled JPEG of this size can get (the bound libjpeg-turbo's own tjBufSize
// uses). Starting with a buffer this big keeps jpeg_mem_dest from ever replacing it
// with one of its own, which it would not give back if an error ended the compression.
unsigned long worstCaseSize(int width, int height)
{
    const auto padded = [](int n) { return (static_cast<unsigned long>(n) + 15) / 16 * 16; };
    return padded(width) * padded(height) * 3 + 2048;
}

bool encode(EncodeJob& job)
{
    jpeg_compress_struct& info = job.info;
    if (setjmp(job.bridge.jump))
        return false;
    jpeg_create_compress(&info);
    job.out = job.buffer;
    job.outSize = job.capacity;
    jpeg_mem_dest(&info, &job.out, &job.outSize);
    info.image_width = JDIMENSION(job.rows.width());
    info.image_height = JDIMENSION(job.rows.height());
    info.input_components = job.rowSpace == JCS_RGB ? 3 : 4;
    info.in_color_space = job.rowSpace;
    jpeg_set_defaults(&info); // YCbCr with 2x2 chroma, Huffman, sequential (never progressive)
    jpeg_set_quality(&info, job.quality, TRUE); // baseline quantization tables
    info.dct_method = JDCT_ISLOW;               // the slow, exact integer DCT, whatever the build's default
    info.write_JFIF_header = TRUE;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg never writes through its input rows; the cast only satisfies its C signature.
        JSAMPROW row = const_cast<JSAMPROW>(job.rows.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

DecodedImage readJpeg(QByteArrayView file)
{
    DecodeJob job;
    job.file = file;
    installBridge(job.bridge);
    job.info.err = &job.bridge.manager;
    const bool ok = decode(job);
    jpeg_destroy_decompress(&job.info);
    if (ok)
        return {std::move(job.image), {}};
    return DecodedImage::failure(job.refusal.isEmpty() ? libjpegError(job.bridge) : job.refusal);
}

EncodedJpeg writeJpeg(const QImage& image, int quality)
{
    if (image.isNull())
        return {{}, QStringLiteral("JPEG: cannot encode an empty image")};
    if (image.width() > JPEG_MAX_DIMENSION || image.height() > JPEG_MAX_DIMENSION)
        return {{},
                QStringLiteral("JPEG: %1 x %2 pixels is larger than the format allows")
                    .arg(image.width())
                    .arg(image.height())};
    EncodeJob job;
    // libjpeg-turbo reads 32-bit rows itself with the same colour conversion as 24-bit RGB rows (the
    // files are the same byte for byte), so the drawing bitmap is not copied first.
    if (image.format() == QImage::Format_RGB32 && Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        job.rows = image;
        job.rowSpace = JCS_EXT_BGRX;
    } else {
        job.rows = image.convertToFormat(QImage::Format_RGB888);
    }
    job.quality = std::clamp(quality, 1, 100);
    job.capacity = worstCaseSize(image.width(), image.height());
    job.buffer = static_cast<unsigned char*>(std::malloc(job.capacity));
    if (job.rows.isNull() || !job.buffer) {
        std::free(job.buffer);
        return {{}, QStringLiteral("JPEG: out of memory for encoding")};
    }
    installBridge(job.bridge);
    job.info.err = &job.bridge.manager;
    const bool ok = encode(job);
    jpeg_destroy_compress(&job.info);

    EncodedJpeg result;
    if (ok)
        result.bytes = QByteArray(reinterpret_cast<const char*>(job.out), qsizetype(job.outSize));
    else
        result.error = libjpegError(job.bridge);
    // After a successful run job.out may be a larger buffer libjpeg allocated when ours filled up.
    if (ok && job.out != job.buffer)
        std::free(job.out);
    std::free(job.buffer);
    return result;
}

} // namespace molvane

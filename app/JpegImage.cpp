#include "app/JpegImage.h"

#include <QFile>

#include <csetjmp>
#include <cstddef>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>
// After jpeglib.h, which it relies on.
#include <jerror.h>

namespace {

// Larger pictures are refused rather than allocated: the program ships two small ones.
constexpr JDIMENSION kMaxSide = 8192;

// libjpeg reports fatal errors through error_exit, which must not return: it jumps back to the
// decoding step that armed `jump`. Warnings (a truncated file, corrupt data that libjpeg papered
// over) are only counted in num_warnings, which the caller checks.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void ErrorExit(j_common_ptr cinfo)
{
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    std::longjmp(manager->jump, 1);
}

void OutputMessage(j_common_ptr) {}

// A memory source; at the end of the data it supplies a fake end-of-image marker and counts a
// warning, as libjpeg's own sources do for a truncated file.
const JOCTET kFakeEoi[2] = {0xFF, JPEG_EOI};

void InitSource(j_decompress_ptr) {}

boolean FillInputBuffer(j_decompress_ptr cinfo)
{
    WARNMS(cinfo, JWRN_JPEG_EOF);
    cinfo->src->next_input_byte = kFakeEoi;
    cinfo->src->bytes_in_buffer = sizeof kFakeEoi;
    return TRUE;
}

void SkipInputData(j_decompress_ptr cinfo, long count)
{
    if (count <= 0)
        return;
    jpeg_source_mgr* src = cinfo->src;
    while (count > static_cast<long>(src->bytes_in_buffer)) {
        count -= static_cast<long>(src->bytes_in_buffer);
        FillInputBuffer(cinfo);
    }
    src->next_input_byte += count;
    src->bytes_in_buffer -= static_cast<std::size_t>(count);
}

void TermSource(j_decompress_ptr) {}

// The two steps that call into libjpeg live in functions whose locals have no destructors, so a
// longjmp out of libjpeg skips nothing that needs cleaning up.
bool ReadHeader(jpeg_decompress_struct* cinfo, ErrorManager* err)
{
    if (setjmp(err->jump))
        return false;
    jpeg_read_header(cinfo, TRUE);
    if (cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK)
        return false;
    cinfo->out_color_space = cinfo->num_components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_calc_output_dimensions(cinfo);
    return true;
}

bool ReadPixels(jpeg_decompress_struct* cinfo, ErrorManager* err, uchar* bits, qsizetype bytesPerLine)
{
    if (setjmp(err->jump))
        return false;
    jpeg_start_decompress(cinfo);
    while (cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW row = bits + static_cast<qsizetype>(cinfo->output_scanline) * bytesPerLine;
        jpeg_read_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_decompress(cinfo);
    return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data)
{
    if (data.isEmpty())
        return {};

    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = ErrorExit;
    err.pub.output_message = OutputMessage;
    jpeg_create_decompress(&cinfo);

    jpeg_source_mgr source{};
    source.init_source = InitSource;
    source.fill_input_buffer = FillInputBuffer;
    source.skip_input_data = SkipInputData;
    source.resync_to_restart = jpeg_resync_to_restart;
    source.term_source = TermSource;
    source.next_input_byte = reinterpret_cast<const JOCTET*>(data.constData());
    source.bytes_in_buffer = static_cast<std::size_t>(data.size());
    cinfo.src = &source;

    QImage image;
    bool ok = ReadHeader(&cinfo, &err) && err.pub.num_warnings == 0;
    ok = ok && cinfo.output_width > 0 && cinfo.output_height > 0 && cinfo.output_width <= kMaxSide &&
         cinfo.output_height <= kMaxSide &&
         (cinfo.output_components == 1 || cinfo.output_components == 3);
    if (ok) {
        const QImage::Format format = cinfo.output_components == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB888;
        image = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), format);
        ok = !image.isNull() && ReadPixels(&cinfo, &err, image.bits(), image.bytesPerLine()) &&
             err.pub.num_warnings == 0;
    }
    jpeg_destroy_decompress(&cinfo);
    if (!ok)
        return {};
    return image;
}

QImage LoadJpegFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return DecodeJpeg(file.readAll());
}

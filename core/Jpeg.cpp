#include "Jpeg.h"

#include "Errors.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

extern "C" void onJpegError(j_common_ptr cinfo)
{
    auto *mgr = reinterpret_cast<ErrorManager *>(cinfo->err);
    std::longjmp(mgr->jump, 1);
}

// Warnings (a truncated scan, say) leave the picture partly grey; they are not failures.
extern "C" void onJpegMessage(j_common_ptr, int) {}

// Everything that must survive a longjmp lives outside the frame that calls setjmp.
struct Decode {
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    QImage image;
};

// Returns 0 on success, else the decoder's msg_code. No C++ object with a
// destructor is created between setjmp and the libjpeg calls.
int run(Decode &d, const unsigned char *data, std::size_t size)
{
    d.cinfo.err = jpeg_std_error(&d.err.pub);
    d.err.pub.error_exit = onJpegError;
    d.err.pub.emit_message = onJpegMessage;
    if (setjmp(d.err.jump)) {
        int code = d.err.pub.msg_code;
        jpeg_destroy_decompress(&d.cinfo);
        return code == 0 ? -1 : code;
    }
    jpeg_create_decompress(&d.cinfo);
    jpeg_mem_src(&d.cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&d.cinfo, TRUE);
    d.cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d.cinfo);
    const int width = static_cast<int>(d.cinfo.output_width);
    const int height = static_cast<int>(d.cinfo.output_height);
    // QImage allocation cannot throw here: it reports failure as a null image.
    d.image = QImage(width, height, QImage::Format_RGB888);
    if (d.image.isNull()) {
        d.err.pub.msg_code = JERR_OUT_OF_MEMORY;
        onJpegError(reinterpret_cast<j_common_ptr>(&d.cinfo));
    }
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        JSAMPROW row = d.image.scanLine(static_cast<int>(d.cinfo.output_scanline));
        jpeg_read_scanlines(&d.cinfo, &row, 1);
    }
    jpeg_finish_decompress(&d.cinfo);
    jpeg_destroy_decompress(&d.cinfo);
    return 0;
}

} // namespace

QImage decodeJpeg(const unsigned char *data, std::size_t size)
{
    // libjpeg treats an empty source as a premature end; say so the same way.
    if (data == nullptr || size == 0)
        throw JpegError(JERR_INPUT_EMPTY);
    Decode d;
    const int code = run(d, data, size);
    if (code != 0)
        throw JpegError(code);
    return d.image;
}

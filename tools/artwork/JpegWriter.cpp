#include "Artwork.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char text[JMSG_LENGTH_MAX];
};

extern "C" void onError(j_common_ptr cinfo)
{
    auto *mgr = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, mgr->text);
    std::longjmp(mgr->jump, 1);
}

struct Encode {
    jpeg_compress_struct cinfo{};
    ErrorManager err{};
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
};

// Sequential (baseline) Huffman coding, full-resolution chroma so the yellow
// lettering keeps clean edges. Returns false with err.text set on failure.
bool encode(Encode &e, const QImage &rgb, int quality)
{
    e.cinfo.err = jpeg_std_error(&e.err.pub);
    e.err.pub.error_exit = onError;
    if (setjmp(e.err.jump)) {
        jpeg_destroy_compress(&e.cinfo);
        return false;
    }
    jpeg_create_compress(&e.cinfo);
    jpeg_mem_dest(&e.cinfo, &e.buffer, &e.size);
    e.cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    e.cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    e.cinfo.input_components = 3;
    e.cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&e.cinfo);
    jpeg_set_quality(&e.cinfo, quality, TRUE);
    for (int c = 0; c < e.cinfo.num_components; ++c) {
        e.cinfo.comp_info[c].h_samp_factor = 1;
        e.cinfo.comp_info[c].v_samp_factor = 1;
    }
    e.cinfo.optimize_coding = FALSE;
    jpeg_start_compress(&e.cinfo, TRUE);
    while (e.cinfo.next_scanline < e.cinfo.image_height) {
        auto *row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(e.cinfo.next_scanline)));
        jpeg_write_scanlines(&e.cinfo, &row, 1);
    }
    jpeg_finish_compress(&e.cinfo);
    jpeg_destroy_compress(&e.cinfo);
    return true;
}

} // namespace

bool Art::writeJpeg(const QImage &image, const QString &path, int quality, QString *error)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    Encode e;
    const bool ok = encode(e, rgb, quality);
    std::vector<char> bytes;
    if (e.buffer) {
        bytes.assign(e.buffer, e.buffer + e.size);
        std::free(e.buffer);
    }
    if (!ok) {
        *error = QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(e.err.text));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

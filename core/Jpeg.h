// Baseline JPEG decoding through libjpeg. Failures throw JpegError with the decoder's msg_code.
#pragma once

#include <QImage>
#include <cstddef>

QImage decodeJpeg(const unsigned char *data, std::size_t size);

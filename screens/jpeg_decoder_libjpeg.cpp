#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE declared first

#include <jpeglib.h>

#include "screens/jpeg_decoder.h"

namespace screens {

namespace {

// Pixels are written in the layout the screen's pixmaps use, so none needs converting.
#if defined(JCS_EXTENSIONS) && Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kPixelLayout = JCS_EXT_BGRX;
constexpr int kBytesPerPixel = 4;
constexpr QImage::Format kImageFormat = QImage::Format_RGB32;
#else
constexpr J_COLOR_SPACE kPixelLayout = JCS_RGB;
constexpr int kBytesPerPixel = 3;
constexpr QImage::Format kImageFormat = QImage::Format_RGB888;
#endif

// libjpeg reports a fault by calling error_exit, which must not return. It jumps back to
// decodeJpeg, whose frames hold nothing that needs destroying.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf recover;
};

[[noreturn]] void jumpBack(j_common_ptr decoder) {
    std::longjmp(reinterpret_cast<ErrorManager*>(decoder->err)->recover, 1);
}

void ignoreMessage(j_common_ptr) {}

// Reads the scanlines straight into the image's rows. False if libjpeg gave up.
bool readInto(jpeg_decompress_struct& decoder, QByteArrayView data, QImage& image,
              ErrorManager& errors) {
    if (setjmp(errors.recover)) return false;
    jpeg_create_decompress(&decoder);
    jpeg_mem_src(&decoder, reinterpret_cast<const unsigned char*>(data.data()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&decoder, TRUE);
    decoder.out_color_space = kPixelLayout;
    jpeg_start_decompress(&decoder);
    if (decoder.output_components != kBytesPerPixel) return false;
    image = QImage(static_cast<int>(decoder.output_width), static_cast<int>(decoder.output_height),
                   kImageFormat);
    if (image.isNull()) return false;
    while (decoder.output_scanline < decoder.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(decoder.output_scanline));
        jpeg_read_scanlines(&decoder, &row, 1);
    }
    jpeg_finish_decompress(&decoder);
    // A damaged file only draws a warning, and grey where its data ends.
    return errors.base.num_warnings == 0;
}

}  // namespace

QImage decodeJpeg(QByteArrayView data) {
    jpeg_decompress_struct decoder{};
    ErrorManager errors{};
    decoder.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpBack;
    errors.base.output_message = ignoreMessage;
    QImage image;
    if (data.isEmpty() || !readInto(decoder, data, image, errors)) image = QImage();
    jpeg_destroy_decompress(&decoder);
    return image;
}

}  // namespace screens

// The independent JPEG reader of the image tests: libjpeg's decompressor on
// a file's bytes.
#pragma once

#include <csetjmp>
#include <cstring>
#include <string>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace sitmera::test {

struct JpegChybaTest {
    jpeg_error_mgr pub;
    std::jmp_buf skok;
};

inline void JpegKonecTest(j_common_ptr c) { std::longjmp(reinterpret_cast<JpegChybaTest*>(c->err)->skok, 1); }

// Decodes a JPEG in memory into RGB rows (w x h pixels, slozek components);
// false when libjpeg fails. C-like for longjmp.
inline bool DekodujJpeg(const std::string& data, int& w, int& h, int& slozek, std::vector<unsigned char>& rgb)
{
    static jpeg_decompress_struct cinfo;
    static JpegChybaTest chyba;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&chyba.pub);
    chyba.pub.error_exit = JpegKonecTest;
    if (setjmp(chyba.skok)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.data()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    w = static_cast<int>(cinfo.output_width);
    h = static_cast<int>(cinfo.output_height);
    slozek = cinfo.output_components;
    rgb.resize(static_cast<std::size_t>(w) * h * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW r = &rgb[static_cast<std::size_t>(cinfo.output_scanline) * w * 3];
        jpeg_read_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace sitmera::test

#include "drawing/Obrazky.h"

#include <QImage>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

#include <png.h>

extern "C" {
#include <jpeglib.h>
}

#include "numerics/ZapisSouboru.h"
#include "numerics/Zaklad.h"

namespace sitmera {

namespace {

// The picture as 24-bit RGB rows; throws for an empty picture.
QImage ObrazRGB(const QImage& obraz)
{
    if (obraz.isNull() || obraz.width() <= 0 || obraz.height() <= 0)
        throw ChybaSouboru("Cannot save an empty picture");
    QImage rgb = obraz.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) throw ChybaSouboru("Cannot convert the picture");
    return rgb;
}

// Appends bytes; false when memory runs out. Called from the encoders'
// C callbacks, which must not let an exception pass.
bool PridejBajty(std::string* cil, const void* bajty, std::size_t n) noexcept
{
    try {
        cil->append(static_cast<const char*>(bajty), n);
        return true;
    } catch (...) {
        return false;
    }
}

// ---------------------------------------------------------------- PNG
// libpng reports errors by longjmp to the setjmp of KodujPngC. The functions
// below are kept C-like: no object with a destructor lives in a frame that a
// longjmp leaves.

struct PngCil {
    std::string* data;
    char zprava[256];
};

void PngZapis(png_structp png, png_bytep bajty, png_size_t n)
{
    auto* cil = static_cast<PngCil*>(png_get_io_ptr(png));
    if (!PridejBajty(cil->data, bajty, n)) png_error(png, "out of memory");
}

void PngFlush(png_structp) {}

void PngChyba(png_structp png, png_const_charp zprava)
{
    auto* cil = static_cast<PngCil*>(png_get_error_ptr(png));
    if (cil != nullptr) std::snprintf(cil->zprava, sizeof cil->zprava, "%s", zprava);
    png_longjmp(png, 1);
}

void PngVarovani(png_structp, png_const_charp) {}

// 1 when the picture was encoded into cil->data, 0 on an error.
int KodujPngC(PngCil* cil, const unsigned char* bity, int w, int h, std::ptrdiff_t radek)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, cil, PngChyba, PngVarovani);
    if (png == nullptr) return 0;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return 0;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return 0;
    }
    png_set_write_fn(png, cil, PngZapis, PngFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    // 96 dpi, as the drawing's fonts are laid out.
    png_set_pHYs(png, info, 3780, 3780, PNG_RESOLUTION_METER);
    png_write_info(png, info);
    for (int y = 0; y < h; ++y) png_write_row(png, bity + y * radek);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return 1;
}

// ---------------------------------------------------------------- JPEG
// libjpeg reports errors through error_exit, which longjmps to the setjmp of
// KodujJpegC; the same C-like rule holds.

struct JpegChyba {
    jpeg_error_mgr pub;
    std::jmp_buf skok;
    char zprava[JMSG_LENGTH_MAX];
};

struct JpegCil {
    jpeg_destination_mgr pub;
    std::string* data;
    JOCTET buf[16384];
};

struct JpegKontext {
    JpegChyba chyba;
    JpegCil cil;
    jpeg_compress_struct cinfo;
};

void JpegErrorExit(j_common_ptr c)
{
    auto* chyba = reinterpret_cast<JpegChyba*>(c->err);
    (*c->err->format_message)(c, chyba->zprava);
    std::longjmp(chyba->skok, 1);
}

void JpegZprava(j_common_ptr) {}

void JpegInit(j_compress_ptr c)
{
    auto* cil = reinterpret_cast<JpegCil*>(c->dest);
    cil->pub.next_output_byte = cil->buf;
    cil->pub.free_in_buffer = sizeof cil->buf;
}

boolean JpegPlny(j_compress_ptr c)
{
    auto* cil = reinterpret_cast<JpegCil*>(c->dest);
    if (!PridejBajty(cil->data, cil->buf, sizeof cil->buf)) (*c->err->error_exit)(reinterpret_cast<j_common_ptr>(c));
    cil->pub.next_output_byte = cil->buf;
    cil->pub.free_in_buffer = sizeof cil->buf;
    return TRUE;
}

void JpegKonec(j_compress_ptr c)
{
    auto* cil = reinterpret_cast<JpegCil*>(c->dest);
    const std::size_t n = sizeof cil->buf - cil->pub.free_in_buffer;
    if (!PridejBajty(cil->data, cil->buf, n)) (*c->err->error_exit)(reinterpret_cast<j_common_ptr>(c));
}

int KodujJpegC(JpegKontext* k, const unsigned char* bity, int w, int h, std::ptrdiff_t radek,
               int kvalita)
{
    k->cinfo.err = jpeg_std_error(&k->chyba.pub);
    k->chyba.pub.error_exit = JpegErrorExit;
    k->chyba.pub.output_message = JpegZprava;
    if (setjmp(k->chyba.skok)) {
        jpeg_destroy_compress(&k->cinfo);
        return 0;
    }
    jpeg_create_compress(&k->cinfo);
    k->cil.pub.init_destination = JpegInit;
    k->cil.pub.empty_output_buffer = JpegPlny;
    k->cil.pub.term_destination = JpegKonec;
    k->cinfo.dest = &k->cil.pub;
    k->cinfo.image_width = static_cast<JDIMENSION>(w);
    k->cinfo.image_height = static_cast<JDIMENSION>(h);
    k->cinfo.input_components = 3;
    k->cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&k->cinfo);
    jpeg_set_quality(&k->cinfo, kvalita, TRUE);
    k->cinfo.density_unit = 1;  // 96 dpi
    k->cinfo.X_density = 96;
    k->cinfo.Y_density = 96;
    jpeg_start_compress(&k->cinfo, TRUE);
    while (k->cinfo.next_scanline < k->cinfo.image_height) {
        JSAMPROW r = const_cast<JSAMPROW>(bity + static_cast<std::ptrdiff_t>(k->cinfo.next_scanline) * radek);
        jpeg_write_scanlines(&k->cinfo, &r, 1);
    }
    jpeg_finish_compress(&k->cinfo);
    jpeg_destroy_compress(&k->cinfo);
    return 1;
}

void ZapisLE(std::string& s, std::uint32_t v, int bajtu)
{
    for (int i = 0; i < bajtu; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

std::string KodujPNG(const QImage& obraz)
{
    const QImage rgb = ObrazRGB(obraz);
    std::string data;
    auto cil = std::make_unique<PngCil>();
    cil->data = &data;
    cil->zprava[0] = '\0';
    if (!KodujPngC(cil.get(), rgb.constBits(), rgb.width(), rgb.height(), rgb.bytesPerLine()))
        throw ChybaSouboru(std::string("Cannot encode the PNG picture: ") + cil->zprava);
    return data;
}

std::string KodujJPEG(const QImage& obraz, int kvalita)
{
    const QImage rgb = ObrazRGB(obraz);
    if (kvalita < 0) kvalita = 0;
    if (kvalita > 100) kvalita = 100;
    std::string data;
    auto k = std::make_unique<JpegKontext>();
    std::memset(static_cast<void*>(k.get()), 0, sizeof(JpegKontext));
    k->cil.data = &data;
    if (!KodujJpegC(k.get(), rgb.constBits(), rgb.width(), rgb.height(), rgb.bytesPerLine(), kvalita))
        throw ChybaSouboru(std::string("Cannot encode the JPEG picture: ") + k->chyba.zprava);
    return data;
}

std::string KodujBMP(const QImage& obraz)
{
    const QImage rgb = ObrazRGB(obraz);
    const std::uint64_t w = static_cast<std::uint64_t>(rgb.width());
    const std::uint64_t h = static_cast<std::uint64_t>(rgb.height());
    const std::uint64_t radek = (w * 3 + 3) / 4 * 4;
    const std::uint64_t velikostDat = radek * h;
    const std::uint64_t velikost = 54 + velikostDat;
    if (velikost > 0xFFFFFFFFull) throw ChybaSouboru("The picture is too large for a BMP file");

    std::string s;
    s.reserve(static_cast<std::size_t>(velikost));
    // BITMAPFILEHEADER
    s += "BM";
    ZapisLE(s, static_cast<std::uint32_t>(velikost), 4);
    ZapisLE(s, 0, 4);   // reserved
    ZapisLE(s, 54, 4);  // offset of the pixels
    // BITMAPINFOHEADER
    ZapisLE(s, 40, 4);
    ZapisLE(s, static_cast<std::uint32_t>(w), 4);
    ZapisLE(s, static_cast<std::uint32_t>(h), 4);  // positive: bottom-up rows
    ZapisLE(s, 1, 2);                               // planes
    ZapisLE(s, 24, 2);                              // bits per pixel
    ZapisLE(s, 0, 4);                               // BI_RGB
    ZapisLE(s, static_cast<std::uint32_t>(velikostDat), 4);
    ZapisLE(s, 3780, 4);  // 96 dpi
    ZapisLE(s, 3780, 4);
    ZapisLE(s, 0, 4);  // colours used
    ZapisLE(s, 0, 4);  // important colours
    const std::size_t vypln = static_cast<std::size_t>(radek - w * 3);
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const unsigned char* r = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            s += static_cast<char>(r[3 * x + 2]);
            s += static_cast<char>(r[3 * x + 1]);
            s += static_cast<char>(r[3 * x]);
        }
        s.append(vypln, '\0');
    }
    return s;
}

void UlozPNG(const QImage& obraz, const std::string& cesta)
{
    ZapisSouborAtomicky(cesta, KodujPNG(obraz));
}

void UlozJPEG(const QImage& obraz, const std::string& cesta, int kvalita)
{
    ZapisSouborAtomicky(cesta, KodujJPEG(obraz, kvalita));
}

void UlozBMP(const QImage& obraz, const std::string& cesta)
{
    ZapisSouborAtomicky(cesta, KodujBMP(obraz));
}

void UlozObrazek(const QImage& obraz, const std::string& cesta, std::uint8_t typGrafika)
{
    switch (typGrafika) {
    case 0:
        UlozPNG(obraz, cesta);
        break;
    case 1:
        UlozBMP(obraz, cesta);
        break;
    case 2:
        UlozJPEG(obraz, cesta);
        break;
    default:
        throw ChybaArgumentu("Unknown picture kind");
    }
}

}  // namespace sitmera

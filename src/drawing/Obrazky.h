// Image files of a drawing: PNG (libpng, deflate), JPEG (libjpeg-turbo) and
// 24-bit BMP (written here). Both graph windows save their bitmap with these.
//
// The picture is taken as 24-bit RGB whatever the QImage's format (alpha is
// dropped). Each file is made in memory first and then written in one go
// (numerics/ZapisSouboru.h, ZapisSouborAtomicky), so a failed save leaves an
// existing file as it was. Every failure (an empty picture, an encoder error
// reported through libpng's or libjpeg's error handler, a folder that does
// not exist, a full disk, a device) throws ChybaSouboru; no failure is ever
// reported as success.
#pragma once

#include <cstdint>
#include <string>

class QImage;

namespace sitmera {

// JPEG quality of the saved drawings (0..100).
inline constexpr int kKvalitaJPEG = 90;

// The file's bytes.
std::string KodujPNG(const QImage& obraz);
std::string KodujJPEG(const QImage& obraz, int kvalita = kKvalitaJPEG);
// BMP: BITMAPFILEHEADER + BITMAPINFOHEADER (40 bytes), 24 bits per pixel,
// no compression, rows bottom-up in B, G, R order padded to 4 bytes,
// 96 dpi.
std::string KodujBMP(const QImage& obraz);

// Saves the picture to the path.
void UlozPNG(const QImage& obraz, const std::string& cesta);
void UlozJPEG(const QImage& obraz, const std::string& cesta, int kvalita = kKvalitaJPEG);
void UlozBMP(const QImage& obraz, const std::string& cesta);

// By the picture kind of the save dialog: 0 PNG, 1 BMP, 2 JPEG. Any other
// kind throws ChybaArgumentu (a DXF is no picture of the bitmap).
void UlozObrazek(const QImage& obraz, const std::string& cesta, std::uint8_t typGrafika);

}  // namespace sitmera

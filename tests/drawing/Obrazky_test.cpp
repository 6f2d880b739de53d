// Image files of a drawing, read back by independent readers: libpng's
// simplified reader for PNG, libjpeg's decompressor for JPEG, and the BMP
// header and rows parsed by hand.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <png.h>

#include "drawing/Container.h"
#include "drawing/CteniJpeg.h"
#include "drawing/KresbaTest.h"
#include "drawing/Obrazky.h"
#include "numerics/SouboryTestu.h"
#include "numerics/Zaklad.h"

namespace sitmera {
namespace {

std::string Precti(const std::string& cesta)
{
    std::ifstream f(cesta, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::uint32_t LE(const std::string& s, std::size_t i, int n)
{
    std::uint32_t v = 0;
    for (int k = n - 1; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(s[i + k]);
    return v;
}

class ObrazkyTest : public ::testing::Test {
protected:
    std::string slozka;
    QImage obraz;

    void SetUp() override
    {
        char sablona[] = "/tmp/sitmera_obrazky_XXXXXX";
        ASSERT_NE(mkdtemp(sablona), nullptr);
        slozka = sablona;
        // A real drawing: a small network with lines, ellipses, text.
        obraz = QImage(203, 117, QImage::Format_RGB888);  // odd width: padded BMP rows
        TgrafikaData d(3, 2);
        d.body[0] = {"1", 0, 0, 0, 0, 0, true};
        d.body[1] = {"2", 100, 10, 0.002, 0.001, 0.5, false};
        d.body[2] = {"3", 60, 80, 0.0015, 0.0012, 2.0, false};
        d.mereni[0] = {0, 1, 2, 2, 2, 0, 1, 0, true};
        d.mereni[1] = {1, 2, 1, 1, 1, 0, 0, 0, true};
        TContainer k;
        k.ConnectBitmap(&obraz);
        k.ConnectData(d);
        k.CalcDefView();
        k.PaintSettings.Escale = 5000;
        k.PaintAll();
        // A few pixels that tell the channels apart.
        obraz.setPixel(0, 0, qRgb(255, 0, 0));
        obraz.setPixel(1, 0, qRgb(0, 255, 0));
        obraz.setPixel(2, 0, qRgb(0, 0, 255));
        obraz.setPixel(202, 116, qRgb(12, 34, 56));
    }
    void TearDown() override { std::filesystem::remove_all(slozka); }
};

TEST_F(ObrazkyTest, PngReadBackThroughLibpngEqualsTheBitmap)
{
    const std::string cesta = slozka + "/kresba.png";
    UlozPNG(obraz, cesta);
    const std::string data = Precti(cesta);
    ASSERT_GT(data.size(), 8u);

    png_image img;
    std::memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_memory(&img, data.data(), data.size())) << img.message;
    img.format = PNG_FORMAT_RGB;
    ASSERT_EQ(img.width, 203u);
    ASSERT_EQ(img.height, 117u);
    std::vector<unsigned char> pixely(PNG_IMAGE_SIZE(img));
    ASSERT_TRUE(png_image_finish_read(&img, nullptr, pixely.data(), 0, nullptr)) << img.message;
    int rozdilu = 0;
    for (int y = 0; y < 117; ++y)
        for (int x = 0; x < 203; ++x) {
            const QRgb c = obraz.pixel(x, y);
            const unsigned char* p = &pixely[(static_cast<std::size_t>(y) * 203 + x) * 3];
            if (p[0] != qRed(c) || p[1] != qGreen(c) || p[2] != qBlue(c)) ++rozdilu;
        }
    EXPECT_EQ(rozdilu, 0);
}

TEST_F(ObrazkyTest, BmpHeaderSays24BitsRightSizeBottomUpRows)
{
    const std::string cesta = slozka + "/kresba.bmp";
    UlozBMP(obraz, cesta);
    const std::string s = Precti(cesta);
    const std::size_t radek = (203 * 3 + 3) / 4 * 4;  // 612 bytes
    ASSERT_EQ(s.size(), 54 + radek * 117);
    EXPECT_EQ(s.substr(0, 2), "BM");
    EXPECT_EQ(LE(s, 2, 4), s.size());
    EXPECT_EQ(LE(s, 10, 4), 54u);
    EXPECT_EQ(LE(s, 14, 4), 40u);
    EXPECT_EQ(static_cast<std::int32_t>(LE(s, 18, 4)), 203);
    EXPECT_EQ(static_cast<std::int32_t>(LE(s, 22, 4)), 117);  // positive: bottom-up
    EXPECT_EQ(LE(s, 26, 2), 1u);
    EXPECT_EQ(LE(s, 28, 2), 24u);
    EXPECT_EQ(LE(s, 30, 4), 0u);  // no compression
    EXPECT_EQ(LE(s, 34, 4), radek * 117);
    // Every pixel as B, G, R, the bottom row stored first; row padding zero.
    int rozdilu = 0;
    for (int y = 0; y < 117; ++y) {
        const std::size_t zacatek = 54 + radek * static_cast<std::size_t>(116 - y);
        for (int x = 0; x < 203; ++x) {
            const QRgb c = obraz.pixel(x, y);
            const auto* p = reinterpret_cast<const unsigned char*>(&s[zacatek + 3 * x]);
            if (p[0] != qBlue(c) || p[1] != qGreen(c) || p[2] != qRed(c)) ++rozdilu;
        }
        EXPECT_EQ(s[zacatek + 609], '\0');
        EXPECT_EQ(s[zacatek + 611], '\0');
    }
    EXPECT_EQ(rozdilu, 0);
}

TEST_F(ObrazkyTest, JpegDecodesAtTheRightSize)
{
    const std::string cesta = slozka + "/kresba.jpg";
    UlozJPEG(obraz, cesta);
    int w = 0, h = 0, slozek = 0;
    std::vector<unsigned char> rgb;
    ASSERT_TRUE(test::DekodujJpeg(Precti(cesta), w, h, slozek, rgb));
    EXPECT_EQ(w, 203);
    EXPECT_EQ(h, 117);
    EXPECT_EQ(slozek, 3);
    // Lossy, but the black background stays dark far from any line.
    double soucet = 0;
    for (unsigned char c : rgb) soucet += c;
    double original = 0;
    for (int y = 0; y < 117; ++y)
        for (int x = 0; x < 203; ++x) {
            const QRgb c = obraz.pixel(x, y);
            original += qRed(c) + qGreen(c) + qBlue(c);
        }
    EXPECT_NEAR(soucet / rgb.size(), original / rgb.size(), 3.0);
}

TEST_F(ObrazkyTest, SaveByPictureKind)
{
    UlozObrazek(obraz, slozka + "/a.png", 0);
    UlozObrazek(obraz, slozka + "/a.bmp", 1);
    UlozObrazek(obraz, slozka + "/a.jpg", 2);
    EXPECT_EQ(Precti(slozka + "/a.png").substr(1, 3), "PNG");
    EXPECT_EQ(Precti(slozka + "/a.bmp").substr(0, 2), "BM");
    EXPECT_EQ(Precti(slozka + "/a.jpg").substr(0, 3), "\xFF\xD8\xFF");
    EXPECT_THROW(UlozObrazek(obraz, slozka + "/a.dxf", 3), ChybaArgumentu);
}

// A device (refused: no file of the program), a full disk, a folder that
// does not exist and a folder in place of the file fail, and leave nothing.
TEST_F(ObrazkyTest, WritingToADeviceAFullDiskOrAMissingFolderFailsCleanly)
{
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_THROW(UlozPNG(obraz, "/dev/full"), ChybaSouboru);
        EXPECT_THROW(UlozBMP(obraz, "/dev/full"), ChybaSouboru);
        EXPECT_THROW(UlozJPEG(obraz, "/dev/full"), ChybaSouboru);
    }
    const std::string plny = slozka + "/plny";
    EXPECT_TRUE(test::ZapisNaPlnyDiskSelze([&] { UlozPNG(obraz, plny + ".png"); }));
    EXPECT_TRUE(test::ZapisNaPlnyDiskSelze([&] { UlozBMP(obraz, plny + ".bmp"); }));
    EXPECT_TRUE(test::ZapisNaPlnyDiskSelze([&] { UlozJPEG(obraz, plny + ".jpg"); }));
    const std::string chybi = slozka + "/neni/kresba";
    EXPECT_THROW(UlozPNG(obraz, chybi + ".png"), ChybaSouboru);
    EXPECT_THROW(UlozBMP(obraz, chybi + ".bmp"), ChybaSouboru);
    EXPECT_THROW(UlozJPEG(obraz, chybi + ".jpg"), ChybaSouboru);
    EXPECT_FALSE(std::filesystem::exists(slozka + "/neni"));
    // A folder in place of the file.
    EXPECT_THROW(UlozPNG(obraz, slozka), ChybaSouboru);
    EXPECT_TRUE(std::filesystem::is_empty(slozka));
}

TEST_F(ObrazkyTest, EmptyPictureIsNoSuccessAndLeavesTheOldFile)
{
    EXPECT_THROW(KodujPNG(QImage()), ChybaSouboru);
    EXPECT_THROW(KodujJPEG(QImage()), ChybaSouboru);
    EXPECT_THROW(KodujBMP(QImage()), ChybaSouboru);
    const std::string cesta = slozka + "/stary.png";
    {
        std::ofstream f(cesta, std::ios::binary);
        f << "old";
    }
    EXPECT_THROW(UlozPNG(QImage(), cesta), ChybaSouboru);
    EXPECT_EQ(Precti(cesta), "old");
}

TEST(Obrazky, AnyPixelFormatIsSavedAsRgb)
{
    QImage argb(4, 2, QImage::Format_ARGB32);
    argb.fill(qRgba(10, 20, 30, 255));
    argb.setPixel(3, 1, qRgba(200, 100, 50, 255));
    const std::string bmp = KodujBMP(argb);
    ASSERT_EQ(bmp.size(), 54u + 2 * 12);
    EXPECT_EQ(static_cast<unsigned char>(bmp[54 + 9]), 50);  // bottom row, pixel 3: B
    EXPECT_EQ(static_cast<unsigned char>(bmp[54 + 11]), 200);
    EXPECT_EQ(static_cast<unsigned char>(bmp[54 + 12]), 30);  // top row, pixel 0
}

}  // namespace
}  // namespace sitmera

// Shared set-up of the pixel tests of the drawings: the offscreen Qt
// application, a 600 x 400 bitmap, its pixels and ink counts.
#pragma once

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

#include "drawing/Platno.h"

// Fontconfig keeps a cache it never frees; the leak checker of sanitizer
// builds is told so (each test program includes this header from one file).
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace sitmera::test {

class QtProstredi : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qGuiApp != nullptr) return;
        if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char nazev[] = "drawing_test";
        static char* argv[] = {nazev, nullptr};
        new QGuiApplication(argc, argv);  // lives for the whole test program
    }
};
inline const auto* const qtProstredi = ::testing::AddGlobalTestEnvironment(new QtProstredi);

constexpr TColor Cerna = 0x000000;
constexpr TColor Bila = 0xFFFFFF;

// One expected pixel of the bitmap.
struct OcekavanyPixel {
    int x, y;
    TColor barva;
};

// Base of the pixel fixtures: the 600 x 400 bitmap drawn on.
class KresbaTest : public ::testing::Test {
protected:
    QImage obraz{600, 400, QImage::Format_RGB888};

    TColor Pixel(int x, int y) const { return BarvaZRgb(obraz.pixel(x, y)); }
    // Pixels of the colour in [x0, x1) x [y0, y1), the whole bitmap by default.
    int PocetBarvy(TColor barva, int x0 = 0, int y0 = 0, int x1 = 600, int y1 = 400) const
    {
        int n = 0;
        for (int y = std::max(y0, 0); y < std::min(y1, obraz.height()); ++y)
            for (int x = std::max(x0, 0); x < std::min(x1, obraz.width()); ++x)
                if (Pixel(x, y) == barva) ++n;
        return n;
    }
    void OcekavejPixely(std::initializer_list<OcekavanyPixel> pixely) const
    {
        for (const OcekavanyPixel& p : pixely)
            EXPECT_EQ(Pixel(p.x, p.y), p.barva) << "pixel (" << p.x << ", " << p.y << ")";
    }
};

}  // namespace sitmera::test

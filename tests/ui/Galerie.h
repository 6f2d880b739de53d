// The gallery: each window test saves a PNG of its windows in both languages
// to <build folder>/galerie/, so that a person can look at them.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <string>

namespace sitmera::test {

// Saves the shown window as <build folder>/galerie/<jmeno>.png and checks
// that the picture holds more than a blank window (some dark text pixels).
// Returns the file written (empty when saving failed).
inline std::string UlozDoGalerie(QWidget& okno, const std::string& jmeno)
{
    const std::string cil = std::string(SITMERA_BUILD_DIR) + "/galerie";
    QDir().mkpath(QString::fromStdString(cil));
    const QImage obraz = okno.grab().toImage();
    const std::string soubor = cil + "/" + jmeno + ".png";
    if (!obraz.save(QString::fromStdString(soubor), "PNG")) {
        ADD_FAILURE() << "cannot save " << soubor;
        return {};
    }
    int tmave = 0;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x) tmave += obraz.pixelColor(x, y).lightness() < 100;
    EXPECT_GT(tmave, 50) << jmeno << ": no text drawn";
    return soubor;
}

}  // namespace sitmera::test

// Shared fixture of the displacement window tests: a comparison of the real
// epoch files of tests/data/posuny (seven pairs, "7" fixed in epoch 1, "8" in
// epoch 2, "F1" in both; with the identity key 9 moved 10 mm in X, 10 0.5 mm
// in X and -8 mm in Y, 11 3.2 mm in Z, 7 1.8 mm in X, 8 1 mm in Y, A1
// 0.3 / -0.2 / 0.1 mm). Hand-computed figures: unit deviations 1 a priori in
// both epochs, 1.5 and 0.8 a posteriori, every coordinate's cofactor
// deviation 1 mm (no correlations), 14 redundant measurements, risk 0.05.
// Standard deviations of every component and length: a priori 1.41 mm for
// a pair free in both epochs, 1 mm for one free in one epoch; a posteriori
// 1.70 mm (both), 1.50 mm (8, epoch 1 only), 0.80 mm (7, epoch 2 only).
// Limits: a priori 2.77 / 1.96 mm, a posteriori 3.65 / 3.22 / 1.72 mm. So 9
// and 10 are significant in both tests, 11 (Z, spatial) a priori only, 7 (X,
// horizontal, spatial) a posteriori only; A1, 8 and F1 in neither.
#pragma once

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <memory>
#include <string>
#include <vector>

#include "program/Globalni.h"
#include "ui/ProgramTest.h"
#include "ui/displacements/PosunyMainOkno.h"
#include "ui/layer/Bunky.h"
#include "ui/layer/Mrizka.h"

namespace sitmera::test {

inline const std::string kDataPosuny = std::string(SITMERA_TEST_DATA) + "/posuny/";

inline Tnastaveni& N() { return *sitmera::nastaveni; }
inline Tjazyk& J() { return *sitmera::jazyk; }
inline TmodelPosuny& M() { return *sitmera::modelPosuny; }

inline std::string Text(const QLabel* l) { return NaUtf8(l->text()); }

// Numbers of a grid's rows (empty rows at the end dropped).
inline std::vector<std::string> CislaMrizky(const Mrizka* g)
{
    std::vector<std::string> v;
    for (int r = 0; r < g->RowCount(); ++r) v.push_back(g->Cell(0, r));
    while (!v.empty() && v.back().empty()) v.pop_back();
    return v;
}

inline std::vector<std::string> RadekMrizky(const Mrizka* g, int r)
{
    std::vector<std::string> v;
    for (int c = 0; c < g->ColCount(); ++c) v.push_back(g->Cell(c, r));
    return v;
}

inline int RadekBoduMrizky(const Mrizka* g, const std::string& cislo)
{
    for (int r = 0; r < g->RowCount(); ++r)
        if (g->Cell(0, r) == cislo) return r;
    return -1;
}

// A left click on a row (with modifiers), delivered as Qt delivers it.
inline void KlikMrizky(Mrizka* g, int radek, Qt::KeyboardModifiers mod = Qt::NoModifier)
{
    const QPoint p(150, radek * g->DefaultRowHeight() + 9);
    const QPoint gl = g->viewport()->mapToGlobal(p);
    QMouseEvent stisk(QEvent::MouseButtonPress, p, gl, Qt::LeftButton, Qt::LeftButton, mod);
    QApplication::sendEvent(g->viewport(), &stisk);
    QMouseEvent pust(QEvent::MouseButtonRelease, p, gl, Qt::LeftButton, Qt::NoButton, mod);
    QApplication::sendEvent(g->viewport(), &pust);
}

inline std::vector<int> Vybrane(const TboolVector& vyber)
{
    std::vector<int> v;
    for (std::size_t i = 0; i < vyber.size(); ++i)
        if (vyber[i]) v.push_back(static_cast<int>(i));
    return v;
}

// A pixel of a cell as the grid paints it (130 x 18 pixels).
inline QColor PixelMrizky(Mrizka* g, int sloupec, int radek, QPoint bod)
{
    QImage obraz(130, 18, QImage::Format_RGB32);
    obraz.fill(Qt::magenta);
    QPainter p(&obraz);
    Platno c(p);
    g->KresliBunku(c, sloupec, radek, QRect(0, 0, 130, 18));
    p.end();
    return obraz.pixelColor(bod);
}

// The grid colours the displacement cells use, and the points where a cell
// shows its F mark and its two bars.
inline const QColor kZelena(0x59, 0xBE, 0x4D), kCervena(0xEE, 0x5C, 0x5C), kOranzova(0xFF, 0xA5, 0x00),
    kModra(0x48, 0x8F, 0xED), kBila(255, 255, 255);
inline const QPoint kBodF(3, 8), kPruh1(2, 8), kPruh2(6, 8);

class PosunyOknoTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        DalsiOknaPosuny() = TdalsiOknaPosuny();
        NactiEtapy(kDataPosuny + "etapa1.epc", kDataPosuny + "etapa2.epc");
        ASSERT_TRUE(Porovnej());
        okno68 = std::make_unique<TForm68>();
    }

    void TearDown() override
    {
        okno68.reset();
        DalsiOknaPosuny() = TdalsiOknaPosuny();
        ProgramTest::TearDown();
    }

    // The window shown (not modal).
    void Otevri()
    {
        okno68->show();
        g = okno68->StringGrid3;
    }

    // The window shown modally, as the compare command shows it, while
    // `prace` runs (windows opened from it have it as their opener).
    void VOknePosunu(const std::function<void()>& prace)
    {
        Obsluz("Form68", [this, prace](Formular&) {
            g = okno68->StringGrid3;
            prace();
        });
        ZobrazModalne(*okno68);
    }

    std::vector<std::string> Cisla() const { return CislaMrizky(g); }
    std::vector<std::string> Radek(int r) const { return RadekMrizky(g, r); }
    int RadekBodu(const std::string& cislo) const { return RadekBoduMrizky(g, cislo); }
    void Klik(int radek, Qt::KeyboardModifiers mod = Qt::NoModifier) { KlikMrizky(g, radek, mod); }
    std::vector<int> Vybrane() const { return test::Vybrane(okno68->vyber); }
    QColor Pixel(int sloupec, int radek, QPoint bod) { return PixelMrizky(g, sloupec, radek, bod); }

    std::unique_ptr<TForm68> okno68;
    Mrizka* g = nullptr;
};

}  // namespace sitmera::test

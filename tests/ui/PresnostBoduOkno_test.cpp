// The standard-deviation and error-ellipsoid windows over the epochs of
// tests/data/hlavni and over the displacements of their comparison.
//
// Both epochs hold the determined points 101 and 102 with the cofactor
// blocks diag(4, 1, 9)e-6 m^2 and [[2.5, 1.5, 0], [1.5, 2.5, 0], [0, 0, 9]]e-6
// m^2 and the unit deviations 1 (a priori) and 1.2 (a posteriori), so by
// hand: 101 has the deviations 2, 1, 3 mm, 102 1.58, 1.58, 3 mm; the
// ellipsoid of 101 has the semi-axes 3 mm (vertical), 2 mm (along X) and
// 1 mm (along Y), that of 102 3 mm (vertical), 2 mm (bearing 50 gon) and
// 1 mm (bearing 150 gon).
#include <QImage>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <set>

#include "numerics/TextPole.h"
#include "ui/ElipsoidyChybOkno.h"
#include "ui/Galerie.h"
#include "ui/PriblizneSouradniceOkno.h"
#include "ui/ProgramTest.h"
#include "ui/layer/Bunky.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"

namespace sitmera {
namespace {

using test::StiskniKlavesu;
using test::UlozDoGalerie;

class PresnostBoduTest : public test::ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        NactiEtapy();
        etapaAktualni = &modelPorovnani->etapa1;
    }

    // Opens a window as the epoch window's command does (mode byte, caption);
    // prace runs while it is shown.
    template <class Tokno>
    void Zobraz(Tokno& f, const std::function<void()>& prace)
    {
        Obsluz(NaUtf8(f.objectName()), [&](Formular&) { prace(); });
        ZobrazModalne(f);
    }

    static std::array<std::string, 4> Radek(const OknoPresnostiBodu& f, int r)
    {
        return {f.StringGrid1->Cell(0, r), f.StringGrid1->Cell(1, r), f.StringGrid1->Cell(2, r),
                f.StringGrid1->Cell(3, r)};
    }

    // Dark pixels inside a cell as the window paints it (its edges left out).
    static int TmaveBody(Mrizka* m, int sloupec, int radek, QColor* barva = nullptr)
    {
        QImage obraz(m->ColWidth(sloupec), 18, QImage::Format_RGB32);
        obraz.fill(Qt::white);
        {
            QPainter p(&obraz);
            Platno c(p);
            c.pismo = m->font();
            m->KresliBunku(c, sloupec, radek, obraz.rect());
        }
        int tmave = 0;
        for (int y = 3; y < obraz.height() - 4; ++y)
            for (int x = 1; x < obraz.width() - 3; ++x) {
                const QColor b = obraz.pixelColor(x, y);
                tmave += b.lightness() < 100;
                if (barva != nullptr && b == *barva) *barva = QColor();
            }
        return tmave;
    }

    static void Cesky()
    {
        sitmera::nastaveni->typJazyk = 0;
        sitmera::jazyk->Default(*sitmera::nastaveni);
    }
};

TEST_F(PresnostBoduTest, DeviationsAreTheCofactorDeviationsTimesTheUnitDeviationInTheChosenUnit)
{
    const struct {
        std::uint8_t rezim, jednotka, poradi;
        std::array<std::string, 4> r101, r102;
    } tabulka[] = {
        {2, 0, 0, {"101", "2.00", "1.00", "3.00"}, {"102", "1.58", "1.58", "3.00"}},
        {3, 0, 0, {"101", "2.40", "1.20", "3.60"}, {"102", "1.90", "1.90", "3.60"}},
        // Points of 1/864 ft: 0.0024 m = 6.803, 0.0012 m = 3.402, 0.0036 m =
        // 10.205 points; the plane columns in the order Y, X.
        {3, 1, 1, {"101", "3.40", "6.80", "10.20"}, {"102", "5.38", "5.38", "10.20"}},
    };
    for (const auto& t : tabulka) {
        sitmera::nastaveni->okno.souradnice = t.rezim;
        sitmera::nastaveni->jednotky.souradnice = t.jednotka;
        sitmera::nastaveni->NastavPoradiXY(t.poradi);
        Form10().setWindowTitle(QStringLiteral("deviations"));
        Zobraz(Form10(), [&] {
            EXPECT_EQ(Radek(Form10(), 0), t.r101) << int(t.rezim);
            EXPECT_EQ(Radek(Form10(), 1), t.r102) << int(t.rezim);
            EXPECT_EQ(Radek(Form10(), 2), (std::array<std::string, 4>{}));  // no fixed point
            EXPECT_EQ(NaUtf8(Form10().Label_vyber->text()), " 2");
            EXPECT_EQ(NaUtf8(Form10().windowTitle()), "deviations");
            EXPECT_FALSE(Form10().HledatChybu1->isVisible());
        });
    }
    // Closing empties the shared display list; the caller's processing label
    // ends hidden.
    EXPECT_EQ(souradniceOkno->bod.size(), 0u);
    EXPECT_TRUE(okno->Label_zpracovani->isHidden());
}

TEST_F(PresnostBoduTest, EllipsoidsShowThreeRowsAPointWithTheNumberOnce)
{
    sitmera::nastaveni->okno.elipsoidChyb = 2;
    Zobraz(Form24(), [&] {
        TForm24& f = Form24();
        EXPECT_EQ(NaUtf8(f.Label_vyber->text()), " 2");
        std::set<std::string> osy101, osy102;
        for (int r = 0; r < 3; ++r) {
            osy101.insert(f.StringGrid1->Cell(1, r));
            osy102.insert(f.StringGrid1->Cell(1, 3 + r));
            EXPECT_EQ(f.StringGrid1->Cell(0, r), "101");
            EXPECT_EQ(f.StringGrid1->Cell(0, 3 + r), "102");
        }
        EXPECT_EQ(osy101, (std::set<std::string>{"3.60", "2.40", "1.20"}));
        EXPECT_EQ(osy102, osy101);
        for (int r = 3; r < 6; ++r) {
            // The vertical axis has the zenith angle 0 (or 200 gon); the 2.4 mm axis of
            // 102 the bearing 50 gon (or its opposite).
            if (f.StringGrid1->Cell(1, r) == "3.60") {
                EXPECT_TRUE(f.StringGrid1->Cell(3, r) == "0.00000" || f.StringGrid1->Cell(3, r) == "200.00000")
                    << f.StringGrid1->Cell(3, r);
            }
            if (f.StringGrid1->Cell(1, r) == "2.40") {
                EXPECT_TRUE(f.StringGrid1->Cell(2, r) == "50.00000" || f.StringGrid1->Cell(2, r) == "250.00000")
                    << f.StringGrid1->Cell(2, r);
            }
        }
        // The number shows in the first row of a point only.
        EXPECT_GT(TmaveBody(f.StringGrid1, 0, 3), 10);
        EXPECT_EQ(TmaveBody(f.StringGrid1, 0, 4), 0);
        EXPECT_EQ(TmaveBody(f.StringGrid1, 0, 5), 0);
        EXPECT_EQ(f.minimumHeight(), 227);
        EXPECT_EQ(f.minimumWidth(), f.maximumWidth());
    });
}

TEST_F(PresnostBoduTest, DisplacementEllipsoidsMarkPointsFixedInOneEpoch)
{
    ASSERT_TRUE(Porovnej());
    // The first point not fixed in both epochs made fixed in the first one
    // only (the record as the comparison leaves it for such a point).
    auto& zaznamy = modelPosuny->posuny.zaznam;
    const auto volny =
        std::find_if(zaznamy.begin(), zaznamy.end(), [](const Tposun& p) { return !(p.JeFix1 && p.JeFix2); });
    ASSERT_NE(volny, zaznamy.end());
    volny->JeFix1 = true;
    volny->JeFix2 = false;
    const Telipsoid& e = volny->elipsoidAposter;
    sitmera::nastaveni->okno.elipsoidChyb = 6;
    Zobraz(Form24(), [&] {
        TForm24& f = Form24();
        EXPECT_EQ(NaUtf8(f.Label_vyber->text()), " " + std::to_string(modelPosuny->pocetNefix));
        EXPECT_EQ(f.StringGrid1->Cell(0, 0), volny->cislo);
        EXPECT_EQ(f.StringGrid1->Cell(1, 0), CisloNaTextPresnost(2, 1000 * e.a_delka));
        EXPECT_EQ(f.StringGrid1->Cell(1, 2), CisloNaTextPresnost(2, 1000 * e.c_delka));
        QColor zelena = barvyTabulky[0];
        TmaveBody(f.StringGrid1, 0, 0, &zelena);
        EXPECT_FALSE(zelena.isValid()) << "no green F";
        QColor zelenaDale = barvyTabulky[0];
        TmaveBody(f.StringGrid1, 0, 3, &zelenaDale);
        EXPECT_TRUE(zelenaDale.isValid()) << "F on a free point";
    });
}

TEST_F(PresnostBoduTest, SelectAllCopiesTheFilledRowsAsTabSeparatedLines)
{
    sitmera::nastaveni->okno.souradnice = 2;
    Zobraz(Form10(), [&] {
        TForm10& f = Form10();
        EXPECT_FALSE(PolozkaPovolena(f.Kopirovat1));  // nothing selected
        f.Kopirovat1Click();
        EXPECT_EQ(TextSchranky(), "");
        StiskniKlavesu(f.StringGrid1, Qt::Key_A, Qt::ControlModifier);
        ASSERT_TRUE(VyvolejPolozku(f.Kopirovat1));
        EXPECT_EQ(TextSchranky(), "101\t2.00\t1.00\t3.00\r\n102\t1.58\t1.58\t3.00\r\n");
        StiskniKlavesu(f.StringGrid1, Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
    });
    sitmera::nastaveni->okno.elipsoidChyb = 1;
    Zobraz(Form24(), [&] {
        StiskniKlavesu(Form24().StringGrid1, Qt::Key_A, Qt::ControlModifier);
        ASSERT_TRUE(VyvolejPolozku(Form24().Kopirovat1));
        // a priori: the semi-axes 2, 1 and 3 mm of both points, along the
        // hand-computed directions (an axis may point either way).
        EXPECT_EQ(TextSchranky(),
                  "101\t2.00\t200.00000\t100.00000\r\n"
                  "101\t1.00\t300.00000\t100.00000\r\n"
                  "101\t3.00\t200.00000\t200.00000\r\n"
                  "102\t2.00\t250.00000\t100.00000\r\n"
                  "102\t1.00\t350.00000\t100.00000\r\n"
                  "102\t3.00\t200.00000\t200.00000\r\n");
    });
}

TEST_F(PresnostBoduTest, Gallery)
{
    sitmera::nastaveni->okno.souradnice = 3;
    sitmera::nastaveni->okno.elipsoidChyb = 2;
    for (const bool cesky : {false, true}) {
        if (cesky) Cesky();
        const std::string jazyk = cesky ? "_cs" : "_en";
        Form10().setWindowTitle(NaQString(sitmera::jazyk->nadpis.smerOdchylkyAposteriorVyrSour));
        Zobraz(Form10(), [&] { UlozDoGalerie(Form10(), "Form10" + jazyk); });
        Form24().setWindowTitle(NaQString(sitmera::jazyk->nadpis.elipsoidAposteriorVyrSour));
        Zobraz(Form24(), [&] { UlozDoGalerie(Form24(), "Form24" + jazyk); });
    }
}

}  // namespace
}  // namespace sitmera

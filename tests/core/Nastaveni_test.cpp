#include "core/Nastaveni.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace sitmera {
namespace {

// One default: the field, read and written as a number, and its value.
struct Vychozi {
    const char* pole;
    std::function<long double(const Tnastaveni&)> cti;
    std::function<void(Tnastaveni&, long double)> zapis;
    long double hodnota;
};

#define POLE(f, v)                                                                          \
    Vychozi                                                                                 \
    {                                                                                       \
        #f, [](const Tnastaveni& n) { return static_cast<long double>(n.f); },              \
            [](Tnastaveni& n, long double x) { n.f = static_cast<std::remove_reference_t<decltype(n.f)>>(x); }, v    \
    }

// Every default the program starts with, record by record.
std::vector<Vychozi> TabulkaVychozich()
{
    return {
        // Units: gon, metres, geodetic system, XY.
        POLE(jednotky.uhel, 1), POLE(jednotky.delka, 0), POLE(jednotky.souradnice, 0),
        POLE(jednotky.posun, 0), POLE(jednotky.souradnicovySystem, 1),
        POLE(jednotky.poradiSouradnice, 0), POLE(poradiXY[0], 1), POLE(poradiXY[1], 2),
        // Decimals, value / deviation.
        POLE(presnost.uhel.hodnota, 5), POLE(presnost.uhel.odchylka, 3),
        POLE(presnost.delka.hodnota, 4), POLE(presnost.delka.odchylka, 2),
        POLE(presnost.souradnice.hodnota, 4), POLE(presnost.souradnice.odchylka, 2),
        POLE(presnost.posun.hodnota, 2), POLE(presnost.posun.odchylka, 2),
        POLE(presnost.meritko, 8),
        // Dialog filters.
        POLE(souborVstup.typSouradnice, 0), POLE(souborVstup.typProjekt, 0),
        POLE(souborVstup.typProtokol, 0), POLE(souborVstup.typGrafika, 0),
        POLE(souborVystup.typSouradnice, 0), POLE(souborVystup.typProjekt, 0),
        POLE(souborVystup.typProtokol, 0), POLE(souborVystup.typGrafika, 0),
        // English.
        POLE(typJazyk, 1),
        // Comparison.
        POLE(porovnani.riziko, 0.05L), POLE(porovnani.apriorni, 1), POLE(porovnani.aposteriorni, 1),
        // Network drawing.
        POLE(grafika.barvaFixBod, 11), POLE(grafika.barvaVyrBod, 10), POLE(grafika.barvaMereni, 8),
        POLE(grafika.barvaElipsa, 14), POLE(grafika.barvaPozadi, 0), POLE(grafika.kreslitBod, 1),
        POLE(grafika.kreslitMereniLinie, 1), POLE(grafika.kreslitMereniPopis, 0),
        POLE(grafika.kreslitElipsa, 1), POLE(grafika.kreslitOsa, 1),
        POLE(grafika.kreslitMeritko, 1), POLE(grafika.tloustkaBod, 0),
        POLE(grafika.tloustkaMereni, 0), POLE(grafika.tloustkaElipsa, 0),
        POLE(grafika.tloustkaOsa, 0), POLE(grafika.tloustkaMeritko, 0),
        POLE(grafika.textFont, -1), POLE(grafika.textVelikost, 6), POLE(grafika.textRez, 0),
        POLE(grafika.krizek, 4), POLE(grafika.krouzek, 3), POLE(grafika.zvetseniElipsa, 7),
        POLE(grafika.presnost, 1),
        // Displacement drawing.
        POLE(grafikaPosun.barvaBod, 10), POLE(grafikaPosun.barvaElipsa, 14),
        POLE(grafikaPosun.barvaPosunHzHodnota, 10), POLE(grafikaPosun.barvaPosunHzHodnotaVyznamna, 9),
        POLE(grafikaPosun.barvaPosunHzMezOdchylka, 8), POLE(grafikaPosun.barvaPosunZHodnota, 10),
        POLE(grafikaPosun.barvaPosunZHodnotaVyznamna, 5),
        POLE(grafikaPosun.barvaPosunZMezOdchylka, 8), POLE(grafikaPosun.barvaPozadi, 0),
        POLE(grafikaPosun.kreslitBod, 1), POLE(grafikaPosun.kreslitElipsa, 1),
        POLE(grafikaPosun.kreslitPosunHzHodnota, 1), POLE(grafikaPosun.kreslitPosunHzMezOdchylka, 0),
        POLE(grafikaPosun.kreslitPosunZHodnota, 0), POLE(grafikaPosun.kreslitPosunZMezOdchylka, 0),
        POLE(grafikaPosun.kreslitOsa, 1), POLE(grafikaPosun.kreslitMeritko, 1),
        POLE(grafikaPosun.tloustkaBod, 0), POLE(grafikaPosun.tloustkaElipsa, 0),
        POLE(grafikaPosun.tloustkaPosunHzHodnota, 0), POLE(grafikaPosun.tloustkaPosunHzMezOdchylka, 0),
        POLE(grafikaPosun.tloustkaPosunZHodnota, 0), POLE(grafikaPosun.tloustkaPosunZMezOdchylka, 0),
        POLE(grafikaPosun.tloustkaOsa, 0), POLE(grafikaPosun.tloustkaMeritko, 0),
        POLE(grafikaPosun.textFont, -1), POLE(grafikaPosun.textVelikost, 6),
        POLE(grafikaPosun.textRez, 0), POLE(grafikaPosun.velikostBod, 4),
        POLE(grafikaPosun.velikostPosunHzHodnota, 10), POLE(grafikaPosun.velikostPosunHzMezOdchylka, 4),
        POLE(grafikaPosun.velikostPosunZHodnota, 3), POLE(grafikaPosun.velikostPosunZMezOdchylka, 4),
        POLE(grafikaPosun.zvetseni, 7), POLE(grafikaPosun.presnost, 1),
        POLE(grafikaPosun.typHzPosunu, 2),
        // Report of the input epoch.
        POLE(protokol.etapaVstupInfo, 1), POLE(protokol.etapaVstupSour, 1),
        POLE(protokol.etapaVstupSourPresnost, 2), POLE(protokol.etapaVstupElips, 0),
        POLE(protokol.etapaVstupElipsPresnost, 1),
        // Report of the transformed epoch.
        POLE(protokol.etapaTransKlic, 1), POLE(protokol.etapaTransInfo, 1),
        POLE(protokol.etapaTransSour, 1), POLE(protokol.etapaTransSourPresnost, 2),
        POLE(protokol.etapaTransElips, 0), POLE(protokol.etapaTransElipsPresnost, 1),
        // Displacement report.
        POLE(protokol.posunInfo, 1), POLE(protokol.posunKlic, 1), POLE(protokol.posunBodyIdent, 0),
        POLE(protokol.posunBodyIdentPresnost, 2), POLE(protokol.posunValuePresnost, 2),
        POLE(protokol.posunValueVse, 1), POLE(protokol.posunValueOrthogonal, 0),
        POLE(protokol.posunValueSemipolar, 0), POLE(protokol.posunValuePolar, 0),
        POLE(protokol.posunElips, 0), POLE(protokol.posunElipsPresnost, 1),
        POLE(protokol.posunHodnoceniPresnost, 1), POLE(protokol.posunHodnoceniX, 0),
        POLE(protokol.posunHodnoceniY, 0), POLE(protokol.posunHodnoceniZ, 0),
        POLE(protokol.posunHodnoceniDelkaH, 1), POLE(protokol.posunHodnoceniDelkaS, 1),
    };
}

// The fields Default must leave alone, with a value to plant in them.
std::vector<Vychozi> TabulkaNedotcenych()
{
    return {
        POLE(okno.souradnice, 3),        POLE(okno.elipsoidChyb, 6),   POLE(okno.souradniceVstup, 2),
        POLE(okno.kovariancniMatice, 1), POLE(okno.bodyVstup, 3),      POLE(okno.grafika, 7),
        POLE(okno.doplnek, 9),           POLE(okno.protokol, 4),       POLE(okno.atributyVyberu, 2),
        POLE(okno.etapa, 2),             POLE(okno.etapaDruh, 2),      POLE(okno.posunyZkracene, 13),
        POLE(okno.posunyPlne, 2),        POLE(schranka.souradnice_existuje, 1),
        POLE(pocetVlaknaVse, 4),         POLE(souborVstup.typEtapa, 1), POLE(souborVystup.typEtapa, 1),
    };
}

#undef POLE

TEST(Nastaveni, DefaultOverwritesEveryFieldWithItsDefault)
{
    Tnastaveni n;
    n.Default();
    // Move every field off its default, then reset.
    for (const auto& radek : TabulkaVychozich()) {
        const bool jePravda = radek.hodnota == 0 || radek.hodnota == 1;
        radek.zapis(n, jePravda ? 1 - radek.hodnota : radek.hodnota + 1);
        ASSERT_NE(radek.cti(n), radek.hodnota) << radek.pole;
    }
    n.Default();
    for (const auto& radek : TabulkaVychozich()) EXPECT_EQ(radek.cti(n), radek.hodnota) << radek.pole;
    EXPECT_TRUE(n.JeProtokolEtapaVstup() && n.JeProtokolEtapaTrans() && n.JeProtokolPosun());
}

TEST(Nastaveni, DefaultLeavesModeBytesBufferAndEpochFiltersAlone)
{
    Tnastaveni n;
    for (const auto& radek : TabulkaNedotcenych()) radek.zapis(n, radek.hodnota);
    n.Default();
    for (const auto& radek : TabulkaNedotcenych()) EXPECT_EQ(radek.cti(n), radek.hodnota) << radek.pole;
}

TEST(Nastaveni, RiskLevelIsThe80BitValueNearestToFivePercent)
{
    Tnastaveni n;
    n.Default();
    EXPECT_EQ(n.porovnani.riziko, 0.05L);
    // Not a double widened to 80 bits.
    EXPECT_NE(n.porovnani.riziko, static_cast<long double>(0.05));
}

TEST(Nastaveni, NastavPoradiXY)
{
    Tnastaveni n;
    n.NastavPoradiXY(1);
    EXPECT_EQ(n.jednotky.poradiSouradnice, 1);
    EXPECT_EQ(n.poradiXY, (TindexVector{2, 1}));
    n.NastavPoradiXY(0);
    EXPECT_EQ(n.jednotky.poradiSouradnice, 0);
    EXPECT_EQ(n.poradiXY, (TindexVector{1, 2}));
    // An unknown order is stored but leaves the index pair as it was.
    n.NastavPoradiXY(1);
    n.NastavPoradiXY(255);
    EXPECT_EQ(n.jednotky.poradiSouradnice, 255);
    EXPECT_EQ(n.poradiXY, (TindexVector{2, 1}));
}

struct Prepinac {
    const char* nazev;
    bool TprotokolNastaveni::*pole;
    int skupina;  // 0 input epoch, 1 transformed epoch, 2 displacements
};

TEST(Nastaveni, EachReportSwitchTurnsOnItsOwnGroupOnly)
{
    using P = TprotokolNastaveni;
    const Prepinac prepinace[] = {
        {"etapaVstupInfo", &P::etapaVstupInfo, 0},
        {"etapaVstupSour", &P::etapaVstupSour, 0},
        {"etapaVstupElips", &P::etapaVstupElips, 0},
        {"etapaTransKlic", &P::etapaTransKlic, 1},
        {"etapaTransInfo", &P::etapaTransInfo, 1},
        {"etapaTransSour", &P::etapaTransSour, 1},
        {"etapaTransElips", &P::etapaTransElips, 1},
        {"posunInfo", &P::posunInfo, 2},
        {"posunKlic", &P::posunKlic, 2},
        {"posunBodyIdent", &P::posunBodyIdent, 2},
        {"posunValueVse", &P::posunValueVse, 2},
        {"posunValueOrthogonal", &P::posunValueOrthogonal, 2},
        {"posunValueSemipolar", &P::posunValueSemipolar, 2},
        {"posunValuePolar", &P::posunValuePolar, 2},
        {"posunElips", &P::posunElips, 2},
        {"posunHodnoceniX", &P::posunHodnoceniX, 2},
        {"posunHodnoceniY", &P::posunHodnoceniY, 2},
        {"posunHodnoceniZ", &P::posunHodnoceniZ, 2},
        {"posunHodnoceniDelkaH", &P::posunHodnoceniDelkaH, 2},
        {"posunHodnoceniDelkaS", &P::posunHodnoceniDelkaS, 2},
    };
    for (const auto& p : prepinace) {
        Tnastaveni n;
        n.protokol.*p.pole = true;
        EXPECT_EQ(n.JeProtokolEtapaVstup(), p.skupina == 0) << p.nazev;
        EXPECT_EQ(n.JeProtokolEtapaTrans(), p.skupina == 1) << p.nazev;
        EXPECT_EQ(n.JeProtokolPosun(), p.skupina == 2) << p.nazev;
    }
}

TEST(Nastaveni, AccuracyChoiceBytesDoNotCountAsSwitches)
{
    Tnastaveni n;
    auto& p = n.protokol;
    p.etapaVstupSourPresnost = 3;
    p.etapaVstupElipsPresnost = 2;
    p.etapaTransSourPresnost = 3;
    p.etapaTransElipsPresnost = 2;
    p.posunBodyIdentPresnost = 3;
    p.posunValuePresnost = 3;
    p.posunElipsPresnost = 1;
    p.posunHodnoceniPresnost = 2;
    EXPECT_FALSE(n.JeProtokolEtapaVstup() || n.JeProtokolEtapaTrans() || n.JeProtokolPosun());
}

}  // namespace
}  // namespace sitmera

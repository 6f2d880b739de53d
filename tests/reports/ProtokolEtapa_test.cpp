// The epoch report: input (A) and transformed (B) epochs, every coordinate
// and ellipsoid accuracy code, the key section of every key kind, reuse of a
// built report and failure. Expected texts are golden files derived by hand
// from the report layout (tests/data/reports), compared line by line.
//
// The fixture epoch (metres, standard deviations for unit variance; unit
// deviations 2 a priori, 0.5 a posteriori):
//   1    1000       2000      300      sig 2 / 3 / 4 mm
//   12   1234.5678  -50.5     0.25     sig 1.2 / 2.2 / 3.2 mm
//   105  900.1      2100.02   310.003  fixed (deviations and ellipsoid -1)
// Ellipsoid semi-axes (length m, bearing and zenith as fractions of pi):
//   1:  0.003 0.25 0.5 | 0.002 0.75 0.5 | 0.001 0 0
//   12: 0.0015 0.5 0.5 | 0.001 1 0.5    | 0.0005 0 0
#include "reports/ZlateSoubory.h"
#include "reports/ProtokolEtapa.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "analysis/Etapa.h"
#include "analysis/EtapaTransformacniKlic.h"
#include "core/Jazyk.h"
#include "core/Nastaveni.h"
#include "numerics/Jednotky.h"
#include "numerics/TextSoubor.h"
#include "points/Souradnice.h"
#include "reports/Protokol.h"

using namespace sitmera;
using sitmera::test::StejneRadky;
using sitmera::test::Zlaty;

namespace {

Tbod Bod(const char* cislo, Extended x, Extended y, Extended z)
{
    Tbod b;
    BodDefault(b);
    b.cislo = cislo;
    b.X = x;
    b.Y = y;
    b.Z = z;
    b.JePlny = true;
    b.JeAktiv = true;
    return b;
}

Tbod UrcovanyBod(const char* cislo, Extended x, Extended y, Extended z, Extended sx, Extended sy,
                 Extended sz, const Telipsoid& e)
{
    Tbod b = Bod(cislo, x, y, z);
    b.sig_X = sx;
    b.sig_Y = sy;
    b.sig_Z = sz;
    b.elipsoid = e;
    return b;
}

Telipsoid Elipsoid(Extended a, Extended as, Extended az, Extended b, Extended bs, Extended bz, Extended c,
                   Extended cs, Extended cz)
{
    return {a, as * Pi, az * Pi, b, bs * Pi, bz * Pi, c, cs * Pi, cz * Pi};
}

void NaplnEtapu(Tetapa& e, const char* soubor)
{
    e.souradnice.Clear();
    e.souradnice.PridejBod(UrcovanyBod("1", 1000, 2000, 300, 0.002L, 0.003L, 0.004L,
                                       Elipsoid(0.003L, 0.25L, 0.5L, 0.002L, 0.75L, 0.5L, 0.001L, 0, 0)));
    e.souradnice.PridejBod(UrcovanyBod("12", 1234.5678L, -50.5L, 0.25L, 0.0012L, 0.0022L, 0.0032L,
                                       Elipsoid(0.0015L, 0.5L, 0.5L, 0.001L, 1, 0.5L, 0.0005L, 0, 0)));
    Tbod fix = Bod("105", 900.1L, 2100.02L, 310.003L);
    fix.JeFixni = true;
    e.souradnice.PridejBod(fix);
    e.odchylkaJednotkovaAprior = 2;
    e.odchylkaJednotkovaAposterior = 0.5L;
    e.pocetBoduFixnich = 1;
    e.pocetBoduUrcovanych = 2;
    e.pocetPosunu = 3;
    e.pocetMereni = 44;
    e.pocetSmer = 12;
    e.pocetZenit = 12;
    e.pocetDelka = 10;
    e.pocetDoplnekDelka = 1;
    e.pocetDoplnekSmernik = 2;
    e.pocetDoplnekPrevyseni = 3;
    e.pocetDoplnekProvazeni = 4;
    e.pocetNadbytecnych = 29;
    e.jePripojen = true;
    e.soubor.jmeno = soubor;
}

// Every epoch switch off.
void VypniEtapy(TprotokolNastaveni& p)
{
    p.etapaVstupInfo = p.etapaVstupSour = p.etapaVstupElips = false;
    p.etapaTransKlic = p.etapaTransInfo = p.etapaTransSour = p.etapaTransElips = false;
}

class ProtokolEtapyTest : public ::testing::Test {
protected:
    Tetapa etapa;
    Tnastaveni nastaveni;
    Tjazyk jazyk;
    TtransformacniKlicEtapa klic;

    void SetUp() override
    {
        NastavHodinyProtokolu([] { return TdatumCas{2024, 3, 5, 14, 7, 9}; });
        NaplnEtapu(etapa, "sit1.epc");
        nastaveni.Default();
        jazyk.Default(nastaveni);
        // Station and target from the epoch's own list: points 1 and 12.
        klic.typ = 1;
        klic.typBod = {0, 0, 0};
        klic.poradiBod = {{0, -1, -1}, {1, -1, -1}, {-1, -1, -1}};
        klic.translace = {{-1000}, {-2000}, {-300}};
        klic.uhelStoceni = {0, 0, 0.25L * Pi};
        klic.souradniceBod = &etapa.souradnice;
        klic.souradniceCil1 = &etapa.souradnice;
        klic.souradniceCil2 = &etapa.souradnice;
    }
    void TearDown() override { NastavHodinyProtokolu(nullptr); }

    void Jazyk(std::uint8_t typ)
    {
        nastaveni.typJazyk = typ;
        jazyk.Default(nastaveni);
    }
    TStringList Radky() const { return RadkyProtokolu(etapa.protokol.text); }
};

}  // namespace

TEST_F(ProtokolEtapyTest, InputEpochWithDefaultSwitchesEnglishAndCzech)
{
    ASSERT_TRUE(ProtokolEtapy(etapa, 1, 1, nastaveni, jazyk, klic));
    EXPECT_TRUE(etapa.protokol.jePlny);
    EXPECT_TRUE(StejneRadky(Radky(), Zlaty("etapa_A1_en.txt")));

    Jazyk(0);
    etapa.protokol.Clear();
    ASSERT_TRUE(ProtokolEtapy(etapa, 1, 1, nastaveni, jazyk, klic));
    EXPECT_TRUE(StejneRadky(Radky(), Zlaty("etapa_A1_cs.txt")));
}

TEST_F(ProtokolEtapyTest, EveryCoordinateCodeAndEllipsoidCode)
{
    // (coordinate choice, ellipsoid code): codes 1, 4, 6 of the coordinate
    // table (5 is in the default report) and ellipsoid codes 1, 3, 2.
    const struct {
        int sour;
        int elips;
    } pripady[] = {{0, 1}, {1, 3}, {3, 2}};
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.sour);
        nastaveni.protokol.etapaVstupInfo = false;
        nastaveni.protokol.etapaVstupSour = true;
        nastaveni.protokol.etapaVstupSourPresnost = static_cast<std::uint8_t>(p.sour);
        nastaveni.protokol.etapaVstupElips = true;
        nastaveni.protokol.etapaVstupElipsPresnost = static_cast<std::uint8_t>(p.elips - 1);
        etapa.protokol.Clear();
        ASSERT_TRUE(ProtokolEtapy(etapa, 1, 1, nastaveni, jazyk, klic));
        EXPECT_TRUE(StejneRadky(Radky(), Zlaty("etapa_A1_sour" + std::to_string(p.sour) + "_elips" +
                                               std::to_string(p.elips) + ".txt")));
    }
}

TEST_F(ProtokolEtapyTest, YxAxisOrderFeetAndDegrees)
{
    nastaveni.jednotky.uhel = 2;
    nastaveni.jednotky.souradnice = 1;
    nastaveni.NastavPoradiXY(1);
    jazyk.Default(nastaveni);
    nastaveni.protokol.etapaVstupInfo = false;
    nastaveni.protokol.etapaVstupSourPresnost = 3;
    nastaveni.protokol.etapaVstupElips = true;
    nastaveni.protokol.etapaVstupElipsPresnost = 2;
    ASSERT_TRUE(ProtokolEtapy(etapa, 1, 1, nastaveni, jazyk, klic));
    EXPECT_TRUE(StejneRadky(Radky(), Zlaty("etapa_A1_yx_stopy.txt")));
}

TEST_F(ProtokolEtapyTest, TransformedEpochWithKeyOfStationAndTarget)
{
    NaplnEtapu(etapa, "sit2.epc");
    nastaveni.protokol.etapaTransSourPresnost = 1;
    nastaveni.protokol.etapaTransElips = true;
    nastaveni.protokol.etapaTransElipsPresnost = 1;
    for (std::uint8_t j : {std::uint8_t{1}, std::uint8_t{0}}) {
        Jazyk(j);
        etapa.protokol.Clear();
        ASSERT_TRUE(ProtokolEtapy(etapa, 2, 2, nastaveni, jazyk, klic));
        EXPECT_TRUE(StejneRadky(Radky(), Zlaty(j == 1 ? "etapa_B2_en.txt" : "etapa_B2_cs.txt")));
    }
}

TEST_F(ProtokolEtapyTest, SectionCodesCarryTheEpochLabel)
{
    nastaveni.protokol.etapaVstupSour = false;
    ASSERT_TRUE(ProtokolEtapy(etapa, 2, 1, nastaveni, jazyk, klic));
    const TStringList r = Radky();
    EXPECT_NE(std::find(r.begin(), r.end(), "A2-01 Information about network adjustment"), r.end());

    etapa.protokol.Clear();
    VypniEtapy(nastaveni.protokol);
    nastaveni.protokol.etapaTransKlic = true;
    ASSERT_TRUE(ProtokolEtapy(etapa, 1, 2, nastaveni, jazyk, klic));
    const TStringList k = Radky();
    EXPECT_NE(std::find(k.begin(), k.end(), "B1-01 Transformation key"), k.end());
    EXPECT_NE(std::find(k.begin(), k.end(), "Protocol B1 - 1. Transformed epoch [sit1.epc]"), k.end());
}

TEST_F(ProtokolEtapyTest, AllSwitchesOffGivesTheTitleBlockOnlyAndAnotherKindNothing)
{
    // Another kind writes nothing but counts as built.
    EXPECT_TRUE(ProtokolEtapy(etapa, 1, 3, nastaveni, jazyk, klic));
    EXPECT_TRUE(etapa.protokol.jePlny);
    EXPECT_TRUE(etapa.protokol.text.empty());
    VypniEtapy(nastaveni.protokol);
    for (const int druh : {1, 2}) {
        etapa.protokol.Clear();
        ASSERT_TRUE(ProtokolEtapy(etapa, 1, druh, nastaveni, jazyk, klic));
        EXPECT_TRUE(StejneRadky(Radky(), Zlaty("titul_en.txt")));
    }
}

TEST_F(ProtokolEtapyTest, EpochWithoutFilledPointsHasHeadingButNoPointSections)
{
    etapa.souradnice.Clear();
    nastaveni.protokol.etapaVstupInfo = false;
    nastaveni.protokol.etapaVstupElips = true;
    ASSERT_TRUE(ProtokolEtapy(etapa, 1, 1, nastaveni, jazyk, klic));
    // Title block (3) and heading (5 items: two empty, line, rule, created).
    EXPECT_EQ(etapa.protokol.text.size(), 8u);
    EXPECT_EQ(etapa.protokol.text.back(), "Created: 05/03/2024 14:07:09");
}

TEST_F(ProtokolEtapyTest, SecondCallWithoutClearingKeepsTheTextEvenAfterSettingsChange)
{
    ASSERT_TRUE(ProtokolEtapy(etapa, 1, 1, nastaveni, jazyk, klic));
    const TStringList prvni = etapa.protokol.text;
    nastaveni.protokol.etapaVstupInfo = false;
    nastaveni.protokol.etapaVstupSourPresnost = 0;
    nastaveni.protokol.etapaVstupElips = true;
    nastaveni.protokol.etapaVstupElipsPresnost = 0;
    nastaveni.jednotky.souradnice = 1;
    Jazyk(0);
    EXPECT_TRUE(ProtokolEtapy(etapa, 1, 1, nastaveni, jazyk, klic));
    EXPECT_EQ(etapa.protokol.text, prvni);

    // Cleared, it follows the new settings.
    nastaveni.jednotky.souradnice = 0;
    Jazyk(1);
    etapa.protokol.Clear();
    ASSERT_TRUE(ProtokolEtapy(etapa, 1, 1, nastaveni, jazyk, klic));
    EXPECT_TRUE(StejneRadky(Radky(), Zlaty("etapa_A1_sour0_elips1.txt")));
}

TEST_F(ProtokolEtapyTest, ReportThatFailsPartWayLeavesAnEmptyBufferAndFalse)
{
    // A key of station and target without its target point.
    klic.poradiBod[1][0] = -1;
    EXPECT_FALSE(ProtokolEtapy(etapa, 1, 2, nastaveni, jazyk, klic));
    EXPECT_FALSE(etapa.protokol.jePlny);
    EXPECT_TRUE(etapa.protokol.text.empty());

    // The next report starts afresh even when a failed one left lines behind.
    etapa.protokol.text = {"stale line"};
    klic.poradiBod[1][0] = 1;
    ASSERT_TRUE(ProtokolEtapy(etapa, 1, 2, nastaveni, jazyk, klic));
    EXPECT_EQ(etapa.protokol.text.front(), "Sitmera Analyser 1.1.2 (20/06/2015)");

    // A key point index outside its list, and a list that is not bound.
    etapa.protokol.Clear();
    klic.poradiBod[0][0] = 7;
    EXPECT_FALSE(ProtokolEtapy(etapa, 1, 2, nastaveni, jazyk, klic));
    EXPECT_TRUE(etapa.protokol.text.empty());
    klic.poradiBod[0][0] = 0;
    klic.souradniceCil1 = nullptr;
    EXPECT_FALSE(ProtokolEtapy(etapa, 1, 2, nastaveni, jazyk, klic));
    EXPECT_TRUE(etapa.protokol.text.empty());
}

TEST_F(ProtokolEtapyTest, FixedPointEllipsoidShowsDashNotTheNotSetValue)
{
    // A fixed point holds -1 ("not set") as its semi-axes; scaled by the unit
    // deviations that would print as -2000.00 : -500.00 millimetres.
    nastaveni.protokol.etapaVstupInfo = false;
    nastaveni.protokol.etapaVstupSour = false;
    nastaveni.protokol.etapaVstupElips = true;
    nastaveni.protokol.etapaVstupElipsPresnost = 2;
    ASSERT_TRUE(ProtokolEtapy(etapa, 1, 1, nastaveni, jazyk, klic));
    const TStringList r = Radky();
    const auto bod = std::find(r.begin(), r.end(), "[3] 105");
    ASSERT_NE(bod, r.end());
    ASSERT_EQ(r.end() - bod, 5);
    for (auto it = bod + 2; it != r.end(); ++it) {
        EXPECT_EQ(std::count(it->begin(), it->end(), '-'), 3) << *it;
        EXPECT_EQ(it->find_first_not_of(" -"), std::string::npos) << *it;
    }
}

// ---------------------------------------------------------------- key rows of every kind

class SekceKliceTest : public ::testing::Test {
protected:
    Tnastaveni nastaveni;
    Tjazyk jazyk;
    Tetapa etapa1;
    Tsouradnice body2, uzivatelske;
    TtransformacniKlicEtapa klic;

    void SetUp() override
    {
        nastaveni.Default();
        jazyk.Default(nastaveni);
        NaplnEtapu(etapa1, "sit1.epc");
        body2.PridejBod(Bod("12", 1234.5673L, -50.4998L, 0.2469L));
        body2.PridejBod(Bod("1", 1000.003L, 1999.996L, 300.0012L));
        uzivatelske.PridejBod(Bod("U5", 950.5L, 1999.25L, 305.125L));
        klic.souradniceBod = &etapa1.souradnice;
        klic.souradniceCil1 = &body2;
        klic.souradniceCil2 = &uzivatelske;
    }

    TStringList Sekce()
    {
        TprotokolAnalyser p;
        SekceKlice(p, klic, jazyk, "K", nastaveni);
        return RadkyProtokolu(p.text);
    }
};

TEST_F(SekceKliceTest, KindZeroPrintsTheMethodOnlyAndAnUnknownKindAnEmptyMethod)
{
    // (Kind 1, station and target, is in the transformed epoch's report.)
    for (const int typ : {0, 9}) {
        klic.typ = typ;
        EXPECT_TRUE(StejneRadky(Sekce(), Zlaty("klic_" + std::to_string(typ) + ".txt")));
    }
}

TEST_F(SekceKliceTest, KindThreePrintsParametersWithoutPoints)
{
    klic.typ = 3;
    klic.translace = {{100}, {-200.125L}, {3.5L}};
    klic.uhelStoceni = {0, 0, 1.75L * Pi};
    EXPECT_TRUE(StejneRadky(Sekce(), Zlaty("klic_3.txt")));
}

TEST_F(SekceKliceTest, KindTwoPrintsPointsOfThreeListsEachFromItsOwnList)
{
    // Station from epoch 1, first target from epoch 2, second target from the
    // user points; each at index 0 of its list, so that a number read from
    // the station's list would show "1" for all three.
    klic.typ = 2;
    klic.typBod = {0, 1, 2};
    klic.poradiBod = {{0, -1, -1}, {-1, 0, -1}, {-1, -1, 0}};
    klic.translace = {{12.5L}, {-0.25L}, {0}};
    klic.uhelStoceni = {0.1L * Pi, 1.5L * Pi, 0.005L * Pi};
    EXPECT_TRUE(StejneRadky(Sekce(), Zlaty("klic_2.txt")));
}

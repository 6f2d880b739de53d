// The displacement report: the default switches, each switch toggled alone,
// the accuracy choices, significance marks, records fixed in both epochs,
// the YX axis order, feet, Czech texts, reuse and failure.
//
// Expected texts are golden files derived by hand from the report layout,
// one file per variant (tests/data/reports/posuny_*.txt) holding the title
// block and each section under a line "@@@@ <name>": C01, C02, C03_<choice>,
// C04_<code> .. C07_<code>, C08_<code>, C09_<code> .. C13_<code>. A whole
// report is the title block followed by the sections switched on.
//
// Fixture displacements (metres; bearing and zenith as fractions of pi):
//   1    X 3.0 Y -4.0 Z 1.2 H 5.0 S 5.1 mm, 1.5, 0.45; significant in X, Y,
//        H, S both a priori and a posteriori
//   12   X -0.5 Y 0.2 Z -3.1 H 0.54 S 3.15 mm, 0.5, 0.95; Z and S a priori
//   105  fixed in both epochs; X, Z, H, S flagged by both tests
//   A7   fixed in epoch 1; all five a priori; no a-posteriori deviations (-1)
#include "reports/ZlateSoubory.h"
#include "reports/ProtokolPosuny.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "analysis/Etapa.h"
#include "analysis/EtapaTransformacniKlic.h"
#include "analysis/ModelPorovnani.h"
#include "analysis/ModelPosuny.h"
#include "analysis/Posuny.h"
#include "core/Jazyk.h"
#include "core/Nastaveni.h"
#include "numerics/Jednotky.h"
#include "numerics/TextSoubor.h"
#include "points/Souradnice.h"
#include "reports/Protokol.h"
#include "reports/ProtokolEtapa.h"

using namespace sitmera;
using sitmera::test::StejneRadky;
using sitmera::test::Zlaty;

namespace {

using Sekce = std::map<std::string, TStringList>;
using P = TprotokolNastaveni;

// The sections of a golden file of one variant.
Sekce NactiSekce(const std::string& jmeno)
{
    const TStringList radky = NactiTextovySoubor(std::string(SITMERA_TEST_DATA) + "/reports/" + jmeno);
    Sekce s;
    TStringList* aktualni = nullptr;
    for (const std::string& r : radky) {
        if (r.rfind("@@@@ ", 0) == 0) aktualni = &s[r.substr(5)];
        else if (aktualni != nullptr) aktualni->push_back(r);
    }
    return s;
}

TStringList Spoj(const Sekce& s, const std::vector<std::string>& nazvy)
{
    TStringList r;
    for (const std::string& n : nazvy) {
        const auto it = s.find(n);
        EXPECT_NE(it, s.end()) << "no section " << n << " in the golden file";
        if (it != s.end()) r.insert(r.end(), it->second.begin(), it->second.end());
    }
    return r;
}

// The English title block followed by sections of another variant's file.
TStringList STitulem(const std::string& jmeno, const std::vector<std::string>& nazvy)
{
    TStringList r = Spoj(NactiSekce("posuny_en.txt"), {"titul"});
    const TStringList zbytek = Spoj(NactiSekce(jmeno), nazvy);
    r.insert(r.end(), zbytek.begin(), zbytek.end());
    return r;
}

TposunHodnota Hodnota(Extended x, Extended y, Extended z, Extended h, Extended s, Extended smernik = 0,
                      Extended zenit = 0)
{
    return {x, y, z, h, s, smernik, zenit};
}

TposunHodnota Vse(Extended v) { return {v, v, v, v, v, v, v}; }

TposunProkazani Prokazani(bool x, bool y, bool z, bool h, bool s) { return {x, y, z, h, s}; }

Telipsoid Elipsoid(Extended a, Extended as, Extended az, Extended b, Extended bs, Extended bz, Extended c,
                   Extended cs, Extended cz)
{
    return {a, as * Pi, az * Pi, b, bs * Pi, bz * Pi, c, cs * Pi, cz * Pi};
}

Tbod Bod(const char* cislo, Extended x, Extended y, Extended z, Extended sx, Extended sy, Extended sz,
         bool fix)
{
    Tbod b;
    BodDefault(b);
    b.cislo = cislo;
    b.X = x;
    b.Y = y;
    b.Z = z;
    if (!fix) {
        b.sig_X = sx;
        b.sig_Y = sy;
        b.sig_Z = sz;
    }
    b.JeFixni = fix;
    b.JePlny = true;
    b.JeAktiv = true;
    return b;
}

Tposuny PosunyFixture()
{
    Tposuny p;
    Tposun r1;
    ClearPosun(r1);
    r1.JePlny = true;
    r1.cislo = "1";
    r1.hodnota = Hodnota(0.0030L, -0.0040L, 0.0012L, 0.0050L, 0.0051L, 1.5L * Pi, 0.45L * Pi);
    r1.odchylkaAprior = Hodnota(0.0010L, 0.0011L, 0.0015L, 0.0012L, 0.0013L);
    r1.odchylkaAposter = Hodnota(0.0008L, 0.0009L, 0.0014L, 0.0010L, 0.0011L);
    r1.odchylkaMezAprior = Hodnota(0.00196L, 0.00216L, 0.00294L, 0.00235L, 0.00255L);
    r1.odchylkaMezAposter = Hodnota(0.0020L, 0.0023L, 0.0036L, 0.0026L, 0.0028L);
    r1.prokazaniAprior = Prokazani(true, true, false, true, true);
    r1.prokazaniAposter = Prokazani(true, true, false, true, true);
    r1.elipsoidAprior = Elipsoid(0.0016L, 0.25L, 0.5L, 0.0011L, 0.75L, 0.5L, 0.0009L, 0, 0);
    r1.elipsoidAposter = Elipsoid(0.0014L, 0.25L, 0.5L, 0.0010L, 0.75L, 0.5L, 0.0008L, 0, 0);
    p.PridejPosun(r1);

    Tposun r2;
    ClearPosun(r2);
    r2.JePlny = true;
    r2.cislo = "12";
    r2.hodnota = Hodnota(-0.0005L, 0.0002L, -0.0031L, 0.00054L, 0.00315L, 0.5L * Pi, 0.95L * Pi);
    r2.odchylkaAprior = Hodnota(0.0010L, 0.0010L, 0.0012L, 0.0010L, 0.0012L);
    r2.odchylkaAposter = Hodnota(0.0015L, 0.0015L, 0.0018L, 0.0015L, 0.0018L);
    r2.odchylkaMezAprior = Hodnota(0.00196L, 0.00196L, 0.00235L, 0.00196L, 0.00235L);
    r2.odchylkaMezAposter = Hodnota(0.0035L, 0.0035L, 0.0042L, 0.0035L, 0.0042L);
    r2.prokazaniAprior = Prokazani(false, false, true, false, true);
    r2.prokazaniAposter = Prokazani(false, false, false, false, false);
    r2.elipsoidAprior = Elipsoid(0.0013L, 1, 0.5L, 0.0010L, 0.5L, 0.5L, 0.0007L, 0, 0);
    r2.elipsoidAposter = Elipsoid(0.0020L, 1, 0.5L, 0.0015L, 0.5L, 0.5L, 0.0012L, 0, 0);
    p.PridejPosun(r2);

    Tposun r3;
    ClearPosun(r3);
    r3.JePlny = true;
    r3.cislo = "105";
    r3.JeFix1 = true;
    r3.JeFix2 = true;
    r3.hodnota = Hodnota(0.0001L, 0, -0.0002L, 0.0001L, 0.00022L, 0, 0.7L * Pi);
    r3.odchylkaAprior = Vse(0);
    r3.odchylkaAposter = Vse(0);
    r3.odchylkaMezAprior = Vse(0);
    r3.odchylkaMezAposter = Vse(0);
    r3.prokazaniAprior = Prokazani(true, false, true, true, true);
    r3.prokazaniAposter = Prokazani(true, false, true, true, true);
    p.PridejPosun(r3);

    Tposun r4;
    ClearPosun(r4);
    r4.JePlny = true;
    r4.cislo = "A7";
    r4.JeFix1 = true;
    r4.hodnota = Hodnota(0.0100L, 0.0200L, -0.0150L, 0.02236L, 0.02693L, 0.3L * Pi, 0.6L * Pi);
    r4.odchylkaAprior = Hodnota(0.0020L, 0.0021L, 0.0030L, 0.0022L, 0.0025L);
    r4.odchylkaAposter = Vse(-1);
    r4.odchylkaMezAprior = Hodnota(0.00392L, 0.00412L, 0.00588L, 0.00431L, 0.00490L);
    r4.odchylkaMezAposter = Vse(0);
    r4.prokazaniAprior = Prokazani(true, true, true, true, true);
    r4.prokazaniAposter = Prokazani(false, false, false, false, false);
    r4.elipsoidAprior = Elipsoid(0.0031L, 0.1L, 0.5L, 0.0021L, 0.6L, 0.5L, 0.0019L, 0, 1);
    ElipsoidDefault(r4.elipsoidAposter);
    p.PridejPosun(r4);
    return p;
}

class ProtokolPosunuTest : public ::testing::Test {
protected:
    TmodelPosuny model;
    TmodelPorovnani porovnani;
    Tsouradnice bodyKlice;
    TtransformacniKlicEtapa klic;
    Tnastaveni nastaveni;
    Tjazyk jazyk;

    void SetUp() override
    {
        NastavHodinyProtokolu([] { return TdatumCas{2024, 3, 5, 14, 7, 9}; });
        nastaveni.Default();
        jazyk.Default(nastaveni);

        model.posuny = PosunyFixture();
        model.pocet = 4;
        model.pocetNefix = 3;
        model.pocetProkazanychAprior = Hodnota(3, 2, 3, 3, 4);
        model.pocetProkazanychAposter = Hodnota(2, 1, 1, 2, 2);
        model.minPosun = Hodnota(-0.0005L, -0.0040L, -0.0150L, 0.0001L, 0.00022L);
        model.maxPosun = Hodnota(0.0100L, 0.0200L, 0.0012L, 0.02236L, 0.02693L);
        model.porovnaniAprior = true;
        model.porovnaniAposter = true;
        model.jePlny = true;
        model.body1.PridejBod(Bod("1", 1000, 2000, 300, 0.002L, 0.003L, 0.004L, false));
        model.body1.PridejBod(Bod("12", 1234.5678L, -50.5L, 0.25L, 0.0012L, 0.0022L, 0.0032L, false));
        model.body1.PridejBod(Bod("105", 900.1L, 2100.02L, 310.003L, 0, 0, 0, true));
        model.body1.PridejBod(Bod("A7", 500, 600, 70, 0, 0, 0, true));
        model.body2.PridejBod(Bod("1", 1000.003L, 1999.996L, 300.0012L, 0.0025L, 0.0035L, 0.0045L, false));
        model.body2.PridejBod(Bod("12", 1234.5673L, -50.4998L, 0.2469L, 0.0013L, 0.0023L, 0.0033L, false));
        model.body2.PridejBod(Bod("105", 900.1001L, 2100.02L, 310.0028L, 0, 0, 0, true));
        model.body2.PridejBod(Bod("A7", 500.01L, 600.02L, 69.985L, 0.004L, 0.005L, 0.006L, false));

        porovnani.etapa1.odchylkaJednotkovaAprior = 2;
        porovnani.etapa1.odchylkaJednotkovaAposterior = 0.5L;
        porovnani.etapa2.odchylkaJednotkovaAprior = 1;
        porovnani.etapa2.odchylkaJednotkovaAposterior = 1.2L;

        bodyKlice.Kopiruj(model.body1);
        klic.typ = 1;
        klic.typBod = {0, 0, 0};
        klic.poradiBod = {{0, -1, -1}, {1, -1, -1}, {-1, -1, -1}};
        klic.translace = {{-1000}, {-2000}, {-300}};
        klic.uhelStoceni = {0, 0, 0.25L * Pi};
        klic.souradniceBod = &bodyKlice;
        klic.souradniceCil1 = &bodyKlice;
        klic.souradniceCil2 = &bodyKlice;
    }
    void TearDown() override { NastavHodinyProtokolu(nullptr); }

    // Every section switch off but `zapnout`.
    void JenSekce(std::initializer_list<bool TprotokolNastaveni::*> zapnout)
    {
        TprotokolNastaveni& p = nastaveni.protokol;
        p.posunInfo = p.posunKlic = p.posunBodyIdent = p.posunValueVse = p.posunValueOrthogonal = false;
        p.posunValueSemipolar = p.posunValuePolar = p.posunElips = false;
        p.posunHodnoceniX = p.posunHodnoceniY = p.posunHodnoceniZ = false;
        p.posunHodnoceniDelkaH = p.posunHodnoceniDelkaS = false;
        for (bool TprotokolNastaveni::*z : zapnout) p.*z = true;
    }

    TStringList Postav()
    {
        model.protokol.Clear();
        EXPECT_TRUE(ProtokolPosunu(model, porovnani, klic, nastaveni, jazyk));
        EXPECT_TRUE(model.protokol.jePlny);
        return RadkyProtokolu(model.protokol.text);
    }
};

// Sections of the default switches: key, information, all values a
// posteriori, horizontal and spatial evaluation a posteriori.
const std::vector<std::string> kVychozi{"titul", "C01", "C02", "C04_3", "C12_2", "C13_2"};

}  // namespace

TEST_F(ProtokolPosunuTest, DefaultSwitchesEnglishAndCzech)
{
    // A record not in use after the four (the grids pad the list so) adds
    // no row to any table.
    model.posuny.zaznam.emplace_back();
    ASSERT_FALSE(model.posuny.zaznam.back().JePlny);
    EXPECT_TRUE(StejneRadky(Postav(), Spoj(NactiSekce("posuny_en.txt"), kVychozi)));
    nastaveni.typJazyk = 0;
    jazyk.Default(nastaveni);
    EXPECT_TRUE(StejneRadky(Postav(), Spoj(NactiSekce("posuny_cs.txt"), kVychozi)));

    // Czech semipolar names, a priori ellipsoids and identical points.
    JenSekce({&P::posunBodyIdent, &P::posunValueSemipolar, &P::posunElips});
    nastaveni.protokol.posunBodyIdentPresnost = 3;
    nastaveni.protokol.posunElipsPresnost = 0;
    EXPECT_TRUE(StejneRadky(Postav(), Spoj(NactiSekce("posuny_cs.txt"), {"titul", "C03_3", "C06_3", "C08_1"})));
}

TEST_F(ProtokolPosunuTest, EachSectionSwitchToggledAlone)
{
    const Sekce s = NactiSekce("posuny_en.txt");
    struct Prepinac {
        bool TprotokolNastaveni::*pole;
        std::string sekce;  // the section it adds or removes
    };
    const Prepinac prepinace[] = {
        {&P::posunKlic, "C01"},
        {&P::posunInfo, "C02"},
        {&P::posunBodyIdent, "C03_2"},
        {&P::posunValueVse, "C04_3"},
        {&P::posunValueOrthogonal, "C05_3"},
        {&P::posunValueSemipolar, "C06_3"},
        {&P::posunValuePolar, "C07_3"},
        {&P::posunElips, "C08_2"},
        {&P::posunHodnoceniX, "C09_2"},
        {&P::posunHodnoceniY, "C10_2"},
        {&P::posunHodnoceniZ, "C11_2"},
        {&P::posunHodnoceniDelkaH, "C12_2"},
        {&P::posunHodnoceniDelkaS, "C13_2"},
    };
    for (const Prepinac& p : prepinace) {
        SCOPED_TRACE(p.sekce);
        nastaveni.Default();
        bool& prepinac = nastaveni.protokol.*(p.pole);
        prepinac = !prepinac;
        // Sections switched on, in code order (the names sort in that order).
        std::vector<std::string> nazvy;
        for (const std::string& n : kVychozi)
            if (n != p.sekce) nazvy.push_back(n);
        if (prepinac) nazvy.push_back(p.sekce);
        std::sort(nazvy.begin() + 1, nazvy.end());
        EXPECT_TRUE(StejneRadky(Postav(), Spoj(s, nazvy)));
    }
}

TEST_F(ProtokolPosunuTest, AccuracyChoicesOfEverySectionKind)
{
    const Sekce s = NactiSekce("posuny_en.txt");
    JenSekce({&P::posunBodyIdent, &P::posunValueVse, &P::posunValueOrthogonal, &P::posunValueSemipolar,
              &P::posunValuePolar, &P::posunHodnoceniX});
    for (int volba = 0; volba < 4; ++volba) {
        SCOPED_TRACE(volba);
        nastaveni.protokol.posunBodyIdentPresnost = static_cast<std::uint8_t>(volba);
        nastaveni.protokol.posunValuePresnost = static_cast<std::uint8_t>(volba);
        nastaveni.protokol.posunHodnoceniPresnost = static_cast<std::uint8_t>(std::min(volba, 2));
        nastaveni.protokol.posunElips = volba < 2;
        nastaveni.protokol.posunElipsPresnost = static_cast<std::uint8_t>(volba);
        const std::string v = std::to_string(volba);
        const std::string k = std::to_string(volba + 1);
        std::vector<std::string> nazvy{"titul", "C03_" + v, "C04_" + k, "C05_" + k, "C06_" + k, "C07_" + k};
        if (volba < 2) nazvy.push_back("C08_" + k);
        nazvy.push_back("C09_" + std::to_string(std::min(volba, 2) + 1));
        EXPECT_TRUE(StejneRadky(Postav(), Spoj(s, nazvy)));
    }
}

TEST_F(ProtokolPosunuTest, YxAxisOrder)
{
    nastaveni.NastavPoradiXY(1);
    jazyk.Default(nastaveni);
    JenSekce({&P::posunInfo, &P::posunBodyIdent, &P::posunValueVse, &P::posunValueOrthogonal});
    nastaveni.protokol.posunBodyIdentPresnost = 3;
    nastaveni.protokol.posunValuePresnost = 3;
    EXPECT_TRUE(StejneRadky(Postav(), STitulem("posuny_yx.txt", {"C02", "C03_3", "C04_4", "C05_4"})));
}

TEST_F(ProtokolPosunuTest, FeetAndPoints)
{
    nastaveni.jednotky.souradnice = 1;
    nastaveni.jednotky.posun = 1;
    jazyk.Default(nastaveni);
    JenSekce({&P::posunKlic, &P::posunInfo, &P::posunBodyIdent, &P::posunValueVse, &P::posunElips,
              &P::posunHodnoceniDelkaH});
    nastaveni.protokol.posunBodyIdentPresnost = 3;
    nastaveni.protokol.posunValuePresnost = 3;
    nastaveni.protokol.posunElipsPresnost = 1;
    nastaveni.protokol.posunHodnoceniPresnost = 2;
    EXPECT_TRUE(StejneRadky(Postav(),
                            STitulem("posuny_stopy.txt", {"C01", "C02", "C03_3", "C04_4", "C08_2", "C12_3"})));
}

TEST_F(ProtokolPosunuTest, WithoutTestsNoMarksNoMarkLinesAndSmallRiskLevel)
{
    // Neither test set: no "# - " / "& - " lines and no empty item before the
    // data caption; counts "-"; a risk of 0.0001 prints as 0.0001.
    nastaveni.porovnani.apriorni = false;
    nastaveni.porovnani.aposteriorni = false;
    nastaveni.porovnani.riziko = 0.0001L;
    model.porovnaniAprior = false;
    model.porovnaniAposter = false;
    for (Tposun& p : model.posuny.zaznam) {
        NulujProkazani(p.prokazaniAprior);
        NulujProkazani(p.prokazaniAposter);
    }
    JenSekce({&P::posunInfo, &P::posunValueVse, &P::posunHodnoceniX});
    nastaveni.protokol.posunValuePresnost = 0;
    nastaveni.protokol.posunHodnoceniPresnost = 0;
    EXPECT_TRUE(StejneRadky(Postav(), STitulem("posuny_bez_testu.txt", {"C02", "C04_1", "C09_1"})));
}

TEST_F(ProtokolPosunuTest, RiskLevelIsNotCutToThreeDecimals)
{
    // The level is written with 13 decimals and stripped of trailing zeros;
    // with 3 decimals a risk of 0.0001 would print as an empty text.
    const struct {
        Extended riziko;
        const char* text;
    } pripady[] = {{0.05L, "0.05"}, {0.1L, "0.1"}, {0.0025L, "0.0025"}, {0.0001L, "0.0001"}, {0.01L, "0.01"},
                   {1e-17L, "1E-17"}};
    for (const auto& p : pripady) {
        nastaveni.porovnani.riziko = p.riziko;
        const TtextPole t = TabulkaInfoPosunu(model, nastaveni, jazyk);
        EXPECT_EQ(t[1][1], p.text);
    }
}

TEST_F(ProtokolPosunuTest, CountsOfTheTestThatDidNotRunAreDashes)
{
    model.porovnaniAposter = false;
    TtextPole t = TabulkaInfoPosunu(model, nastaveni, jazyk);
    EXPECT_EQ(t[2][1], "3 / -");  // X
    EXPECT_EQ(t[6][1], "4 / -");  // spatial length
    model.porovnaniAprior = false;
    model.porovnaniAposter = true;
    t = TabulkaInfoPosunu(model, nastaveni, jazyk);
    EXPECT_EQ(t[2][1], "- / 2");
    EXPECT_EQ(t[6][1], "- / 2");
}

TEST_F(ProtokolPosunuTest, AllSwitchesOffGivesTheTitleBlockOnly)
{
    JenSekce({});
    const TStringList r = Postav();
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0], "Sitmera Analyser 1.1.2 (20/06/2015)");
}

TEST_F(ProtokolPosunuTest, SecondCallWithoutClearingKeepsTheTextEvenAfterSettingsChange)
{
    const TStringList prvni = Postav();
    nastaveni.protokol.posunInfo = false;
    nastaveni.protokol.posunValuePresnost = 0;
    nastaveni.typJazyk = 0;
    jazyk.Default(nastaveni);
    EXPECT_TRUE(ProtokolPosunu(model, porovnani, klic, nastaveni, jazyk));
    EXPECT_EQ(RadkyProtokolu(model.protokol.text), prvni);

    // Cleared, it follows the new settings.
    nastaveni.typJazyk = 1;
    jazyk.Default(nastaveni);
    EXPECT_TRUE(StejneRadky(Postav(), Spoj(NactiSekce("posuny_en.txt"), {"titul", "C01", "C04_1", "C12_2", "C13_2"})));
}

TEST_F(ProtokolPosunuTest, ReportThatFailsPartWayLeavesAnEmptyBufferAndFalse)
{
    klic.poradiBod[1][0] = 9;  // a target outside its list
    model.protokol.text = {"stale line"};
    EXPECT_FALSE(ProtokolPosunu(model, porovnani, klic, nastaveni, jazyk));
    EXPECT_FALSE(model.protokol.jePlny);
    EXPECT_TRUE(model.protokol.text.empty());

    // Without the key section the same model reports fine.
    nastaveni.protokol.posunKlic = false;
    EXPECT_TRUE(ProtokolPosunu(model, porovnani, klic, nastaveni, jazyk));
    EXPECT_EQ(model.protokol.text.front(), "Sitmera Analyser 1.1.2 (20/06/2015)");
}

TEST_F(ProtokolPosunuTest, ModelWithoutDisplacementsGetsEmptyTables)
{
    model.posuny.Clear();
    model.body1.Clear();
    model.body2.Clear();
    model.pocet = 0;
    model.pocetNefix = 0;
    nastaveni.protokol.posunBodyIdent = true;
    nastaveni.protokol.posunElips = true;
    const TStringList r = Postav();
    // Every value and evaluation table ends with its header rule; the
    // ellipsoid table with its header.
    EXPECT_EQ(std::count(r.begin(), r.end(), "A  B  C[m]  D[m]  E[m]  F[mm]  G[mm]  H[mm]"), 1);
    EXPECT_EQ(r.back(), "-------------------------");
    EXPECT_NE(std::find(r.begin(), r.end(), "A[mm]  B[gon]  C[gon]"), r.end());
}

// ---------------------------------------------------------------- the whole road

TEST(ProtokolyCelehoPostupu, TwoEpochsFromTheSameFileCompareToZeroDisplacements)
{
    // Both epochs read from one file (points 101, 102 determined, 50 fixed;
    // unit deviations 1 a priori, 1.2 a posteriori; cofactor diagonals of
    // 101: 4e-6, 1e-6, 9e-6 m^2), identity key, comparison.
    NastavHodinyProtokolu([] { return TdatumCas{2024, 3, 5, 14, 7, 9}; });
    Tnastaveni nastaveni;
    nastaveni.Default();
    Tjazyk jazyk;
    jazyk.Default(nastaveni);
    const std::string soubor = std::string(SITMERA_TEST_DATA) + "/epochs/sit3.epc";
    TmodelPorovnani model, modelT;
    ASSERT_TRUE(NacistEtapu(soubor, model.etapa1));
    ASSERT_TRUE(NacistEtapu(soubor, model.etapa2));
    model.VyhledaniIdentickychBodu(nastaveni);
    TtransformacniKlicEtapa klic;
    ClearKlic(klic);
    PriraditSouradniceKlice(klic, model.etapa1.souradnice, model.etapa2.souradnice, model.etapa1.souradnice);
    ASSERT_TRUE(VypocetKlice(klic));
    bool t1 = false, t2 = false;
    ASSERT_TRUE(modelT.Transfromuj(model, klic, true, t1));
    ASSERT_TRUE(modelT.Transfromuj(model, klic, false, t2));
    TmodelPosuny posuny;
    ASSERT_TRUE(posuny.NacistBody(modelT));
    ASSERT_TRUE(posuny.NacistNastaveni(modelT, nastaveni));
    ASSERT_TRUE(posuny.Porovnani(modelT));

    // Input epoch: deviations of 101 for unit variance 2, 1, 3 mm times 1.2.
    ASSERT_TRUE(ProtokolEtapy(model.etapa1, 1, 1, nastaveni, jazyk, klic));
    const TStringList e = RadkyProtokolu(model.etapa1.protokol.text);
    EXPECT_NE(std::find(e.begin(), e.end(), "1  101  1000.1235  2000.5000  300.2500   2.40   1.20   3.60"), e.end());
    EXPECT_NE(std::find(e.begin(), e.end(), "3   50   900.0000  1900.0000  299.0000      -      -      -"), e.end());

    // Displacements, a priori: sd of X of 101 = sqrt(4e-6 + 4e-6) m = 2.83 mm,
    // Y sqrt(2e-6) = 1.41 mm, Z sqrt(18e-6) = 4.24 mm; zero lengths carry no
    // deviation; the pair fixed in both epochs shows "-". Pairs in number order.
    nastaveni.protokol.posunValuePresnost = 1;
    ASSERT_TRUE(ProtokolPosunu(posuny, model, klic, nastaveni, jazyk));
    const TStringList r = RadkyProtokolu(posuny.protokol.text);
    const char* radky[] = {
        "1   50   0.00   0.00   0.00   0.00   0.00      -      -      -      -      -",
        "2  101   0.00   0.00   0.00   0.00   0.00   2.83   1.41   4.24   0.00   0.00",
    };
    for (const char* radek : radky) EXPECT_NE(std::find(r.begin(), r.end(), radek), r.end()) << radek;
    EXPECT_NE(std::find(r.begin(), r.end(), "Method:  1. No transformation"), r.end());
    EXPECT_EQ(r.end(), std::find_if(r.begin(), r.end(), [](const std::string& l) {
                  return l.find("# 0.00") != std::string::npos || l.find("& 0.00") != std::string::npos;
              }));
    NastavHodinyProtokolu(nullptr);
}

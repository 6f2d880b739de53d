// Comparison model: identical points of two epochs read from epoch text,
// the active flags handed back from the main window, and the transformation
// of one epoch by a key computed from the epochs' own points.
#include "analysis/ModelPorovnani.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <type_traits>
#include <vector>

#include "core/Nastaveni.h"
#include "numerics/Jednotky.h"
#include "numerics/Matrix2.h"
#include "numerics/TextPole.h"

namespace sitmera {
namespace {

static_assert(!std::is_copy_constructible_v<TmodelPorovnani>,
              "the key refers into a model's epochs: a model is never copied");
static_assert(!std::is_move_constructible_v<TmodelPorovnani>);

struct BodEtapy {
    std::string cislo;
    Extended X = 0, Y = 0, Z = 0;
    bool aktiv = true;
    // diagonal of the point's cofactor block (determined points only)
    Extended cxx = 1e-6L, cyy = 1e-6L, czz = 1e-6L;
};

// Epoch text (sections 1 to 4) of an unadjusted epoch without measurements:
// determined points (in number order) with diagonal cofactor blocks, then the
// fixed points.
TStringList TextEtapy(const std::vector<BodEtapy>& urcovane, const std::vector<BodEtapy>& fixni)
{
    const int u = static_cast<int>(urcovane.size());
    const int f = static_cast<int>(fixni.size());
    TStringList t = {"<1>"};
    // 7 kinds of measurements, measurements, points, determined, fixed,
    // further unknowns, unknowns, redundancy, conditions (3u: redundancy 0)
    for (int n : {0, 0, 0, 0, 0, 0, 0, 0, u + f, u, f, 0, 3 * u, 0, 3 * u})
        t.push_back(std::to_string(n));
    t.insert(t.end(), {"1", "0", "</1>", "<2>"});
    auto radek = [](const BodEtapy& b, bool fix) {
        return b.cislo + "\t" + CisloNaText(b.X) + "\t" + CisloNaText(b.Y) + "\t" +
               CisloNaText(b.Z) + "\t" + (fix ? "-1" : "0") + "\t" + (b.aktiv ? "-1" : "0");
    };
    for (const BodEtapy& b : urcovane) t.push_back(radek(b, false));
    for (const BodEtapy& b : fixni) t.push_back(radek(b, true));
    t.insert(t.end(), {"</2>", "<3>"});
    // lower triangle column by column, ten values a line
    std::vector<std::string> hodnoty;
    for (int j = 0; j < 3 * u; ++j)
        for (int i = j; i < 3 * u; ++i) {
            const BodEtapy& b = urcovane[j / 3];
            const Extended d = j % 3 == 0 ? b.cxx : j % 3 == 1 ? b.cyy : b.czz;
            hodnoty.push_back(CisloNaText(i == j ? d : 0));
        }
    for (std::size_t k = 0; k < hodnoty.size(); k += 10) {
        std::string r;
        for (std::size_t m = k; m < k + 10 && m < hodnoty.size(); ++m)
            r += (m > k ? " " : "") + hodnoty[m];
        t.push_back(r);
    }
    t.insert(t.end(), {"</3>", "<4>", "</4>"});
    return t;
}

void Nacti(Tetapa& etapa, const std::vector<BodEtapy>& urcovane,
           const std::vector<BodEtapy>& fixni = {})
{
    TStringList t = TextEtapy(urcovane, fixni);
    ASSERT_TRUE(NacistEtapuZeSeznamu(t, etapa, 1));
    ASSERT_TRUE(etapa.jePripojen);
}

std::vector<BodEtapy> Body(std::initializer_list<const char*> cisla)
{
    std::vector<BodEtapy> v;
    Extended x = 1000;
    for (const char* c : cisla) {
        v.push_back({c, x, 2000 + x / 10, 300});
        x += 10;
    }
    return v;
}

std::vector<std::string> Cisla(const Tsouradnice& s)
{
    std::vector<std::string> v;
    for (const Tbod& b : s.bod) v.push_back(b.cislo);
    return v;
}

// Every pair points back to its own records: same number at poradi - 1 of
// its epoch, running number in soubor.
void OcekavejPlatnePary(const TmodelPorovnani& m)
{
    ASSERT_EQ(m.identickeBodyEtapa1.bod.size(), m.identickeBodyEtapa2.bod.size());
    ASSERT_EQ(static_cast<int>(m.identickeBodyEtapa1.bod.size()), m.pocetBoduIdentickych);
    EXPECT_EQ(m.existujiIdenticke, m.pocetBoduIdentickych > 0);
    for (int k = 0; k < m.pocetBoduIdentickych; ++k) {
        const Tbod& b1 = m.identickeBodyEtapa1.bod[k];
        const Tbod& b2 = m.identickeBodyEtapa2.bod[k];
        EXPECT_EQ(b1.cislo, b2.cislo);
        EXPECT_EQ(b1.soubor, k + 1);
        EXPECT_EQ(b2.soubor, k + 1);
        ASSERT_GE(b1.poradi, 1);
        ASSERT_GE(b2.poradi, 1);
        ASSERT_LE(b1.poradi, static_cast<int>(m.etapa1.souradnice.bod.size()));
        ASSERT_LE(b2.poradi, static_cast<int>(m.etapa2.souradnice.bod.size()));
        EXPECT_EQ(m.etapa1.souradnice.bod[b1.poradi - 1].cislo, b1.cislo);
        EXPECT_EQ(m.etapa2.souradnice.bod[b2.poradi - 1].cislo, b2.cislo);
    }
}

// ---------------------------------------------------------------- identical points

TEST(IdentickeBody, CommonNumbersPairInNumberOrder)
{
    TmodelPorovnani m;
    Tnastaveni n;
    Nacti(m.etapa1, Body({"1", "2", "3"}));
    Nacti(m.etapa2, Body({"2", "3", "4"}));
    m.VyhledaniIdentickychBodu(n);
    EXPECT_EQ(m.pocetBoduIdentickych, 2);
    EXPECT_TRUE(m.existujiIdenticke);
    EXPECT_EQ(Cisla(m.identickeBodyEtapa1), std::vector<std::string>({"2", "3"}));
    EXPECT_EQ(m.identickeBodyEtapa1.bod[0].poradi, 2);
    EXPECT_EQ(m.identickeBodyEtapa2.bod[0].poradi, 1);
    // a full copy of the epoch's record otherwise
    EXPECT_EQ(m.identickeBodyEtapa1.bod[1].X, m.etapa1.souradnice.bod[2].X);
    EXPECT_EQ(m.identickeBodyEtapa2.bod[1].elipsa.a_delka,
              m.etapa2.souradnice.bod[1].elipsa.a_delka);
    OcekavejPlatnePary(m);
}

TEST(IdentickeBody, ShorterNumbersComeFirstInTheScan)
{
    // "9" < "10" in point-number order but not in plain text order: the
    // scan must not lose 10 behind 9.
    TmodelPorovnani m;
    Tnastaveni n;
    Nacti(m.etapa1, Body({"9", "10"}));
    Nacti(m.etapa2, Body({"10"}));
    m.VyhledaniIdentickychBodu(n);
    EXPECT_EQ(m.pocetBoduIdentickych, 1);
    EXPECT_EQ(Cisla(m.identickeBodyEtapa1), std::vector<std::string>({"10"}));
    EXPECT_EQ(Cisla(m.identickeBodyEtapa2), std::vector<std::string>({"10"}));
    OcekavejPlatnePary(m);

    Nacti(m.etapa1, Body({"9", "11", "A1", "100"}));
    Nacti(m.etapa2, Body({"8", "9", "10", "11", "A1", "100", "1000"}));
    m.VyhledaniIdentickychBodu(n);
    EXPECT_EQ(Cisla(m.identickeBodyEtapa2), std::vector<std::string>({"9", "11", "A1", "100"}));
    OcekavejPlatnePary(m);
}

TEST(IdentickeBody, DeterminedAndFixedPointsAreMergedBeforeTheScan)
{
    // Each epoch lists its determined points, then its fixed points; a
    // number may be determined in one epoch and fixed in the other.
    TmodelPorovnani m;
    Tnastaveni n;
    Nacti(m.etapa1, Body({"2", "10", "A1"}), Body({"1", "100"}));
    Nacti(m.etapa2, Body({"1", "B", "10"}), Body({"2", "A1", "100"}));
    m.VyhledaniIdentickychBodu(n);
    EXPECT_EQ(Cisla(m.identickeBodyEtapa1),
              std::vector<std::string>({"1", "2", "10", "A1", "100"}));
    // poradi: positions in each epoch's own list (determined first)
    std::vector<int> p1, p2;
    for (int k = 0; k < m.pocetBoduIdentickych; ++k) {
        p1.push_back(m.identickeBodyEtapa1.bod[k].poradi);
        p2.push_back(m.identickeBodyEtapa2.bod[k].poradi);
    }
    EXPECT_EQ(p1, std::vector<int>({4, 1, 2, 3, 5}));
    EXPECT_EQ(p2, std::vector<int>({1, 4, 3, 5, 6}));
    EXPECT_TRUE(m.identickeBodyEtapa2.bod[0].JeFixni == false);
    EXPECT_TRUE(m.identickeBodyEtapa1.bod[0].JeFixni);
    OcekavejPlatnePary(m);
}

TEST(IdentickeBody, PairIsActiveOnlyWhenActiveInBothEpochs)
{
    TmodelPorovnani m;
    Tnastaveni n;
    auto e1 = Body({"1", "2", "3"});
    auto e2 = Body({"1", "2", "3"});
    e1[0].aktiv = true;
    e2[0].aktiv = false;
    e1[1].aktiv = false;
    e2[1].aktiv = true;
    Nacti(m.etapa1, e1);
    Nacti(m.etapa2, e2);
    m.VyhledaniIdentickychBodu(n);
    ASSERT_EQ(m.pocetBoduIdentickych, 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(m.identickeBodyEtapa1.bod[k].JeAktiv, k == 2) << k;
        EXPECT_EQ(m.identickeBodyEtapa2.bod[k].JeAktiv, k == 2) << k;
    }
    // the epochs keep their own flags
    EXPECT_TRUE(m.etapa1.souradnice.bod[0].JeAktiv);
    EXPECT_FALSE(m.etapa2.souradnice.bod[0].JeAktiv);
    EXPECT_TRUE(m.etapa2.souradnice.bod[1].JeAktiv);
}

TEST(IdentickeBody, OneEpochAloneGivesNoPairs)
{
    TmodelPorovnani m;
    Tnastaveni n;
    Nacti(m.etapa1, Body({"1", "2"}));
    Nacti(m.etapa2, Body({"1", "2"}));
    m.VyhledaniIdentickychBodu(n);
    ASSERT_EQ(m.pocetBoduIdentickych, 2);
    m.etapa2.Clear();  // detached
    m.VyhledaniIdentickychBodu(n);
    EXPECT_EQ(m.pocetBoduIdentickych, 0);
    EXPECT_FALSE(m.existujiIdenticke);
    EXPECT_TRUE(m.identickeBodyEtapa1.bod.empty());
    EXPECT_TRUE(m.identickeBodyEtapa2.bod.empty());
}

TEST(IdentickeBody, NoCommonNumbers)
{
    TmodelPorovnani m;
    Tnastaveni n;
    Nacti(m.etapa1, Body({"1", "2"}));
    Nacti(m.etapa2, Body({"3", "10"}));
    m.VyhledaniIdentickychBodu(n);
    EXPECT_EQ(m.pocetBoduIdentickych, 0);
    EXPECT_FALSE(m.existujiIdenticke);
}

// ---------------------------------------------------------------- state

TEST(ModelStav, NewModelAndClear)
{
    TmodelPorovnani m;
    EXPECT_EQ(m.pocetBoduIdentickych, 0);
    EXPECT_FALSE(m.existujiIdenticke);
    EXPECT_FALSE(m.etapa1.jePripojen);
    EXPECT_TRUE(m.soubor.jmeno.empty());

    Tnastaveni n;
    Nacti(m.etapa1, Body({"1", "2"}));
    Nacti(m.etapa2, Body({"1", "2"}));
    m.VyhledaniIdentickychBodu(n);
    m.InfoSoubor("/data/most/most 2024.pea");
    m.Clear();
    EXPECT_EQ(m.pocetBoduIdentickych, -1);
    EXPECT_FALSE(m.existujiIdenticke);
    EXPECT_TRUE(m.identickeBodyEtapa1.bod.empty());
    EXPECT_TRUE(m.identickeBodyEtapa2.bod.empty());
    EXPECT_FALSE(m.etapa1.jePripojen);
    EXPECT_FALSE(m.etapa2.jePripojen);
    EXPECT_EQ(m.etapa1.pocetBodu, -1);
    EXPECT_TRUE(m.soubor.jmeno.empty());
    EXPECT_TRUE(m.soubor.cesta.empty());
    EXPECT_FALSE(m.soubor.nacteni);
}

TEST(ModelStav, InfoSouborSplitsTheProjectPath)
{
    TmodelPorovnani m;
    m.soubor.hlaseni = 7;
    m.InfoSoubor("/data/most/most 2024.pea");
    EXPECT_EQ(m.soubor.jmeno, "most 2024.pea");
    EXPECT_EQ(m.soubor.cesta, "/data/most/");
    EXPECT_EQ(m.soubor.pripona, ".pea");
    EXPECT_TRUE(m.soubor.nacteni);
    EXPECT_EQ(m.soubor.hlaseni, 7);
}

TEST(ModelStav, ClearProtokolEmptiesBothReports)
{
    TmodelPorovnani m;
    m.etapa1.protokol.text = {"a"};
    m.etapa1.protokol.jePlny = true;
    m.etapa2.protokol.text = {"b"};
    m.etapa2.protokol.jePlny = true;
    m.ClearProtokol();
    EXPECT_TRUE(m.etapa1.protokol.text.empty());
    EXPECT_FALSE(m.etapa1.protokol.jePlny);
    EXPECT_TRUE(m.etapa2.protokol.text.empty());
    EXPECT_FALSE(m.etapa2.protokol.jePlny);
}

// ---------------------------------------------------------------- active flags

TEST(PredatAktivitu, FlagOfTheEpochOneRowGoesToThePairEverywhere)
{
    TmodelPorovnani m;
    Tnastaveni n;
    Nacti(m.etapa1, Body({"5", "7"}), Body({"1"}));
    Nacti(m.etapa2, Body({"1", "5", "7"}));
    m.VyhledaniIdentickychBodu(n);
    ASSERT_EQ(m.pocetBoduIdentickych, 3);  // 1, 5, 7

    // the main window's list: pairs interleaved
    Tsouradnice hlavni;
    for (int k = 0; k < 3; ++k) {
        hlavni.PridejBod(m.identickeBodyEtapa1.bod[k]);
        hlavni.PridejBod(m.identickeBodyEtapa2.bod[k]);
    }
    hlavni.bod[0].JeAktiv = false;  // pair "1"
    hlavni.bod[1].JeAktiv = true;   // the epoch-2 row does not count
    hlavni.bod[4].JeAktiv = false;  // pair "7"
    hlavni.bod[5].JeAktiv = true;
    m.PredatJeAktiv(hlavni);

    EXPECT_FALSE(m.identickeBodyEtapa1.bod[0].JeAktiv);
    EXPECT_FALSE(m.identickeBodyEtapa2.bod[0].JeAktiv);
    EXPECT_TRUE(m.identickeBodyEtapa1.bod[1].JeAktiv);
    EXPECT_FALSE(m.identickeBodyEtapa2.bod[2].JeAktiv);
    // epoch 1: 5, 7 determined, 1 fixed; epoch 2: 1, 5, 7
    EXPECT_FALSE(m.etapa1.souradnice.bod[2].JeAktiv);  // 1
    EXPECT_TRUE(m.etapa1.souradnice.bod[0].JeAktiv);   // 5
    EXPECT_FALSE(m.etapa1.souradnice.bod[1].JeAktiv);  // 7
    EXPECT_FALSE(m.etapa2.souradnice.bod[0].JeAktiv);  // 1
    EXPECT_TRUE(m.etapa2.souradnice.bod[1].JeAktiv);   // 5
    EXPECT_FALSE(m.etapa2.souradnice.bod[2].JeAktiv);  // 7
}

TEST(PredatAktivitu, ShortListOrClearedModelChangesNothingFurther)
{
    TmodelPorovnani m;
    Tnastaveni n;
    Nacti(m.etapa1, Body({"1", "2"}));
    Nacti(m.etapa2, Body({"1", "2"}));
    m.VyhledaniIdentickychBodu(n);
    Tsouradnice kratky;
    Tbod b = m.identickeBodyEtapa1.bod[0];
    b.JeAktiv = false;
    kratky.PridejBod(b);  // only the epoch-1 row of pair 0
    m.PredatJeAktiv(kratky);
    EXPECT_FALSE(m.identickeBodyEtapa1.bod[0].JeAktiv);
    EXPECT_TRUE(m.identickeBodyEtapa1.bod[1].JeAktiv);

    m.Clear();
    m.PredatJeAktiv(kratky);  // no pairs: nothing to do
    EXPECT_TRUE(m.etapa1.souradnice.bod.empty());
}

// ---------------------------------------------------------------- transformation

// The loaded model of the worked key: epoch 2 holds S (100, 200, 50),
// T1 (100, 210, 50), T2 (90, 200, 50); the key of kind 2 on them has
// R rows (0, 1, 0), (-1, 0, 0), (0, 0, 1) and t = (-200, 100, -50).
struct ModelSKlicem {
    TmodelPorovnani vstup;
    TmodelPorovnani vystup;
    Tsouradnice uzivatelske;
    TtransformacniKlicEtapa klic;
    Tnastaveni n;

    ModelSKlicem()
    {
        std::vector<BodEtapy> e1 = {
            {"1", 100, 200, 50}, {"2", 100.1L, 210, 50}, {"3", 90, 200, 50}};
        std::vector<BodEtapy> e2 = {{"1", 100, 200, 50, true, 1, 4, 9},
                                    {"2", 100, 210, 50},
                                    {"3", 90, 200, 50},
                                    {"4", 123.456789L, 234.5L, 51}};
        Nacti(vstup.etapa1, e1);
        Nacti(vstup.etapa2, e2);
        vstup.VyhledaniIdentickychBodu(n);
        klic.typ = 2;
        klic.typBod = {1, 1, 1};
        klic.poradiBod = {{-1, 0, -1}, {-1, 1, -1}, {-1, 2, -1}};
        PriraditSouradniceKlice(klic, vstup.etapa1.souradnice, vstup.etapa2.souradnice,
                                uzivatelske);
        EXPECT_TRUE(VypocetKlice(klic));
    }
};

TEST(Transformace, SecondEpochTurnsItsCovarianceAndEllipsesAndLeavesTheFirst)
{
    ModelSKlicem s;
    const Tbod pred = s.vstup.etapa2.souradnice.bod[0];
    EXPECT_NEAR(static_cast<double>(pred.elipsa.a_smernik), static_cast<double>(Pi / 2), 1e-15);
    EXPECT_NEAR(static_cast<double>(pred.elipsa.a_delka), 2, 1e-15);

    // the model's epoch 1 already transformed with the identity
    TtransformacniKlicEtapa identita;
    bool typ1 = false;
    ASSERT_TRUE(s.vystup.Transfromuj(s.vstup, identita, true, typ1));
    EXPECT_TRUE(typ1);
    const Tsouradnice prvniPred = s.vystup.etapa1.souradnice;
    const Tmatrix prvniKovPred = s.vystup.etapa1.maticeKovariancni;
    const Tsouradnice identicke1Pred = s.vystup.identickeBodyEtapa1;
    s.vystup.etapa1.protokol.text = {"report of epoch 1"};
    s.vystup.etapa1.protokol.jePlny = true;

    bool typ2 = false;
    s.vystup.etapa2.protokol.jePlny = true;
    ASSERT_TRUE(s.vystup.Transfromuj(s.vstup, s.klic, false, typ2));
    EXPECT_TRUE(typ2);

    // epoch 1 untouched
    EXPECT_EQ(Cisla(s.vystup.etapa1.souradnice), Cisla(prvniPred));
    for (std::size_t i = 0; i < prvniPred.bod.size(); ++i) {
        EXPECT_EQ(s.vystup.etapa1.souradnice.bod[i].X, prvniPred.bod[i].X);
        EXPECT_EQ(s.vystup.etapa1.souradnice.bod[i].Y, prvniPred.bod[i].Y);
    }
    EXPECT_EQ(s.vystup.etapa1.maticeKovariancni, prvniKovPred);
    EXPECT_EQ(s.vystup.identickeBodyEtapa1.bod.size(), identicke1Pred.bod.size());
    EXPECT_EQ(s.vystup.identickeBodyEtapa1.bod[1].X, identicke1Pred.bod[1].X);
    EXPECT_TRUE(s.vystup.etapa1.protokol.jePlny);

    // epoch 2: p' = R p + t; S -> origin, T1 -> (10, 0, 0), T2 -> (0, 10, 0)
    const Tetapa& e2 = s.vystup.etapa2;
    ASSERT_TRUE(e2.jePripojen);
    EXPECT_FALSE(e2.protokol.jePlny);
    auto poloha = [](const Tbod& b, Extended x, Extended y, Extended z) {
        EXPECT_NEAR(static_cast<double>(b.X), static_cast<double>(x), 1e-9) << b.cislo;
        EXPECT_NEAR(static_cast<double>(b.Y), static_cast<double>(y), 1e-9) << b.cislo;
        EXPECT_NEAR(static_cast<double>(b.Z), static_cast<double>(z), 1e-9) << b.cislo;
    };
    poloha(e2.souradnice.bod[0], 0, 0, 0);
    poloha(e2.souradnice.bod[1], 10, 0, 0);
    poloha(e2.souradnice.bod[2], 0, 10, 0);
    // point 4: (234.5 - 200, -(123.456789) + 100, 1) = (34.5, -23.456789, 1)
    poloha(e2.souradnice.bod[3], 34.5L, -23.456789L, 1);

    // cofactor block diag(1, 4, 9) -> diag(4, 1, 9); the major axis turns
    // from the Y axis (bearing pi/2) onto the X axis (bearing 0)
    const Tmatrix& K = e2.maticeKovariancni;
    EXPECT_NEAR(static_cast<double>(K[0][0]), 4, 1e-15);
    EXPECT_NEAR(static_cast<double>(K[1][1]), 1, 1e-15);
    EXPECT_NEAR(static_cast<double>(K[2][2]), 9, 1e-15);
    EXPECT_NEAR(static_cast<double>(K[1][0]), 0, 1e-15);
    EXPECT_NEAR(static_cast<double>(K[2][0]), 0, 1e-15);
    EXPECT_NEAR(static_cast<double>(K[2][1]), 0, 1e-15);
    const Telipsa& el = e2.souradnice.bod[0].elipsa;
    EXPECT_NEAR(static_cast<double>(el.a_delka), 2, 1e-12);
    EXPECT_NEAR(static_cast<double>(el.b_delka), 1, 1e-12);
    EXPECT_NEAR(static_cast<double>(el.a_smernik), 0, 1e-12);
    EXPECT_NEAR(static_cast<double>(e2.souradnice.bod[0].sig_X), 2, 1e-12);
    EXPECT_NEAR(static_cast<double>(e2.souradnice.bod[0].sig_Y), 1, 1e-12);

    // its identical list follows, rounded to micrometres; pairs kept
    ASSERT_EQ(s.vystup.pocetBoduIdentickych, 3);
    EXPECT_TRUE(s.vystup.existujiIdenticke);
    const Tsouradnice& i2 = s.vystup.identickeBodyEtapa2;
    ASSERT_EQ(i2.bod.size(), 3u);
    poloha(i2.bod[1], 10, 0, 0);
    for (const Tbod& b : i2.bod) {
        EXPECT_EQ(b.X, std::nearbyint(b.X * 1000000) / 1000000) << b.cislo;
        EXPECT_EQ(b.Y, std::nearbyint(b.Y * 1000000) / 1000000) << b.cislo;
    }
    EXPECT_EQ(i2.bod[2].poradi, 3);
    EXPECT_EQ(i2.bod[2].soubor, 3);

    // the loaded model is left as it was
    EXPECT_EQ(s.vstup.etapa2.souradnice.bod[0].X, 100);
    EXPECT_EQ(s.vstup.identickeBodyEtapa2.bod[1].Y, 210);
}

TEST(Transformace, RepeatedTransformationStartsFromTheLoadedEpoch)
{
    ModelSKlicem s;
    bool typ = false;
    ASSERT_TRUE(s.vystup.Transfromuj(s.vstup, s.klic, false, typ));
    const Extended x = s.vystup.etapa2.souradnice.bod[3].X;
    ASSERT_TRUE(s.vystup.Transfromuj(s.vstup, s.klic, false, typ));
    EXPECT_EQ(s.vystup.etapa2.souradnice.bod[3].X, x);
    EXPECT_EQ(s.vystup.etapa2.souradnice.bod.size(), 4u);
}

TEST(Transformace, KeyNotFilledFailsCleanly)
{
    ModelSKlicem s;
    bool typ = true;
    ASSERT_TRUE(s.vystup.Transfromuj(s.vstup, s.klic, true, typ));

    // the key loses its station (the epoch was detached, say)
    NulujPoradiBod(s.klic, 1);
    EXPECT_FALSE(VypocetKlice(s.klic));
    typ = true;
    s.vystup.Transfromuj(s.vstup, TtransformacniKlicEtapa(), false, typ);  // epoch 2 present
    ASSERT_TRUE(s.vystup.etapa2.jePripojen);
    EXPECT_FALSE(s.vystup.Transfromuj(s.vstup, s.klic, false, typ));
    EXPECT_FALSE(typ);
    EXPECT_FALSE(s.vystup.etapa2.jePripojen);
    EXPECT_TRUE(s.vystup.etapa2.souradnice.bod.empty());
    EXPECT_TRUE(s.vystup.identickeBodyEtapa2.bod.empty());
    EXPECT_EQ(s.vystup.pocetBoduIdentickych, 0);
    EXPECT_FALSE(s.vystup.existujiIdenticke);
    // the other epoch stays
    EXPECT_TRUE(s.vystup.etapa1.jePripojen);
    EXPECT_EQ(s.vystup.identickeBodyEtapa1.bod.size(), 3u);
}

TEST(Transformace, SourceEpochNotAttachedFails)
{
    ModelSKlicem s;
    s.vstup.etapa1.Clear();
    bool typ = true;
    EXPECT_FALSE(s.vystup.Transfromuj(s.vstup, TtransformacniKlicEtapa(), true, typ));
    EXPECT_FALSE(typ);
    EXPECT_FALSE(s.vystup.etapa1.jePripojen);
    EXPECT_EQ(s.vystup.pocetBoduIdentickych, 0);
}

TEST(Transformace, FailedTransformationEmptiesTheEpoch)
{
    ModelSKlicem s;
    TtransformacniKlicEtapa zly;
    zly.rotace = {{1, 0}, {0, 1}};  // no 3 x 3 rotation
    bool typ = true;
    EXPECT_FALSE(s.vystup.Transfromuj(s.vstup, zly, true, typ));
    EXPECT_FALSE(typ);
    EXPECT_FALSE(s.vystup.etapa1.jePripojen);
    EXPECT_TRUE(s.vystup.identickeBodyEtapa1.bod.empty());
    EXPECT_EQ(s.vystup.pocetBoduIdentickych, 0);
    EXPECT_TRUE(s.vstup.etapa1.jePripojen);  // the source is untouched
}

TEST(Transformace, IdentityKeepsCoordinatesAndCovariance)
{
    ModelSKlicem s;
    bool typ = false;
    ASSERT_TRUE(s.vystup.Transfromuj(s.vstup, TtransformacniKlicEtapa(), false, typ));
    const Tetapa& a = s.vstup.etapa2;
    const Tetapa& b = s.vystup.etapa2;
    ASSERT_EQ(a.souradnice.bod.size(), b.souradnice.bod.size());
    for (std::size_t i = 0; i < a.souradnice.bod.size(); ++i) {
        EXPECT_EQ(a.souradnice.bod[i].X, b.souradnice.bod[i].X);
        EXPECT_EQ(a.souradnice.bod[i].Y, b.souradnice.bod[i].Y);
        EXPECT_EQ(a.souradnice.bod[i].Z, b.souradnice.bod[i].Z);
    }
    EXPECT_EQ(a.maticeKovariancni, b.maticeKovariancni);
    EXPECT_EQ(a.pocetBoduUrcovanych, b.pocetBoduUrcovanych);
}

// ---------------------------------------------------------------- key on live lists

TEST(KlicNaModelu, KeyFollowsTheEpochListsThroughClearAndNewReads)
{
    ModelSKlicem s;
    const Tsouradnice* seznam2 = &s.vstup.etapa2.souradnice;
    ASSERT_EQ(s.klic.souradniceBod, seznam2);

    s.vstup.Clear();  // a failed project read, say
    EXPECT_EQ(&s.vstup.etapa2.souradnice, seznam2);
    EXPECT_FALSE(VypocetKlice(s.klic));  // the lists are empty now

    // a new epoch 2 read into the model: the key sees it without re-binding
    Nacti(s.vstup.etapa2, {{"1", 0, 0, 0}, {"2", 0, 10, 0}, {"3", -10, 0, 0}});
    ASSERT_TRUE(VypocetKlice(s.klic));
    EXPECT_NEAR(static_cast<double>(s.klic.rotace[0][1]), 1, 1e-18);
    EXPECT_NEAR(static_cast<double>(s.klic.rotace[1][0]), -1, 1e-18);

    // a transformation copies into the transformed model's own epochs and
    // never re-points a key bound to the loaded model
    bool typ = false;
    ASSERT_TRUE(s.vystup.Transfromuj(s.vstup, s.klic, false, typ));
    EXPECT_EQ(s.klic.souradniceBod, seznam2);
    EXPECT_EQ(s.vstup.etapa2.souradnice.bod[1].Y, 10);
}

}  // namespace
}  // namespace sitmera

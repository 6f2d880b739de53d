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

using Cisla = std::vector<std::string>;

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

std::vector<BodEtapy> Body(const Cisla& cisla)
{
    std::vector<BodEtapy> v;
    Extended x = 1000;
    for (const std::string& c : cisla) {
        v.push_back({c, x, 2000 + x / 10, 300});
        x += 10;
    }
    return v;
}

Cisla CislaBodu(const Tsouradnice& s)
{
    Cisla v;
    for (const Tbod& b : s.bod) v.push_back(b.cislo);
    return v;
}

// Every pair points back to its own records: a copy of the record at
// poradi - 1 of its epoch, running number in soubor.
void OcekavejPlatnePary(const TmodelPorovnani& m)
{
    ASSERT_EQ(m.identickeBodyEtapa1.bod.size(), m.identickeBodyEtapa2.bod.size());
    ASSERT_EQ(static_cast<int>(m.identickeBodyEtapa1.bod.size()), m.pocetBoduIdentickych);
    EXPECT_EQ(m.existujiIdenticke, m.pocetBoduIdentickych > 0);
    for (int k = 0; k < m.pocetBoduIdentickych; ++k) {
        const Tbod& b1 = m.identickeBodyEtapa1.bod[k];
        const Tbod& b2 = m.identickeBodyEtapa2.bod[k];
        EXPECT_EQ(b1.cislo, b2.cislo);
        EXPECT_TRUE(b1.soubor == k + 1 && b2.soubor == k + 1);
        const int n1 = static_cast<int>(m.etapa1.souradnice.bod.size());
        const int n2 = static_cast<int>(m.etapa2.souradnice.bod.size());
        ASSERT_TRUE(b1.poradi >= 1 && b1.poradi <= n1 && b2.poradi >= 1 && b2.poradi <= n2);
        const Tbod& z1 = m.etapa1.souradnice.bod[b1.poradi - 1];
        const Tbod& z2 = m.etapa2.souradnice.bod[b2.poradi - 1];
        EXPECT_TRUE(z1.cislo == b1.cislo && z1.X == b1.X && z1.JeFixni == b1.JeFixni);
        EXPECT_TRUE(z2.cislo == b2.cislo && z2.Y == b2.Y && z2.elipsa.a_delka == b2.elipsa.a_delka);
    }
}

// ---------------------------------------------------------------- identical points

TEST(IdentickeBody, CommonNumbersPairInPointNumberOrder)
{
    // "9" < "10" in point-number order but not in plain text order: the scan
    // must not lose 10 behind 9.
    const struct {
        Cisla e1, e2, pary;
    } pripady[] = {
        {{"1", "2", "3"}, {"2", "3", "4"}, {"2", "3"}},
        {{"9", "10"}, {"10"}, {"10"}},
        {{"9", "11", "A1", "100"},
         {"8", "9", "10", "11", "A1", "100", "1000"},
         {"9", "11", "A1", "100"}},
        {{"1", "2"}, {"3", "10"}, {}},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.e2.size());
        TmodelPorovnani m;
        Nacti(m.etapa1, Body(p.e1));
        Nacti(m.etapa2, Body(p.e2));
        m.VyhledaniIdentickychBodu(Tnastaveni());
        EXPECT_EQ(CislaBodu(m.identickeBodyEtapa1), p.pary);
        EXPECT_EQ(CislaBodu(m.identickeBodyEtapa2), p.pary);
        OcekavejPlatnePary(m);
    }
}

TEST(IdentickeBody, DeterminedAndFixedPointsAreMergedBeforeTheScan)
{
    // Each epoch lists its determined points, then its fixed points; a
    // number may be determined in one epoch and fixed in the other.
    TmodelPorovnani m;
    Nacti(m.etapa1, Body({"2", "10", "A1"}), Body({"1", "100"}));
    Nacti(m.etapa2, Body({"1", "B", "10"}), Body({"2", "A1", "100"}));
    m.VyhledaniIdentickychBodu(Tnastaveni());
    EXPECT_EQ(CislaBodu(m.identickeBodyEtapa1), Cisla({"1", "2", "10", "A1", "100"}));
    // poradi: positions in each epoch's own list (determined first)
    std::vector<int> p1, p2;
    for (int k = 0; k < m.pocetBoduIdentickych; ++k) {
        p1.push_back(m.identickeBodyEtapa1.bod[k].poradi);
        p2.push_back(m.identickeBodyEtapa2.bod[k].poradi);
    }
    EXPECT_EQ(p1, std::vector<int>({4, 1, 2, 3, 5}));
    EXPECT_EQ(p2, std::vector<int>({1, 4, 3, 5, 6}));
    EXPECT_TRUE(m.identickeBodyEtapa1.bod[0].JeFixni && !m.identickeBodyEtapa2.bod[0].JeFixni);
    OcekavejPlatnePary(m);
}

TEST(IdentickeBody, PairIsActiveOnlyWhenActiveInBothEpochs_OneEpochAloneGivesNoPairs)
{
    TmodelPorovnani m;
    auto e1 = Body({"1", "2", "3"});
    auto e2 = Body({"1", "2", "3"});
    e2[0].aktiv = false;
    e1[1].aktiv = false;
    Nacti(m.etapa1, e1);
    Nacti(m.etapa2, e2);
    m.VyhledaniIdentickychBodu(Tnastaveni());
    ASSERT_EQ(m.pocetBoduIdentickych, 3);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(m.identickeBodyEtapa1.bod[k].JeAktiv, k == 2) << k;
        EXPECT_EQ(m.identickeBodyEtapa2.bod[k].JeAktiv, k == 2) << k;
    }
    // the epochs keep their own flags
    EXPECT_TRUE(m.etapa1.souradnice.bod[0].JeAktiv);
    EXPECT_FALSE(m.etapa2.souradnice.bod[0].JeAktiv);
    EXPECT_TRUE(m.etapa2.souradnice.bod[1].JeAktiv);

    m.etapa2.Clear();  // detached
    m.VyhledaniIdentickychBodu(Tnastaveni());
    EXPECT_EQ(m.pocetBoduIdentickych, 0);
    EXPECT_FALSE(m.existujiIdenticke);
    EXPECT_TRUE(m.identickeBodyEtapa1.bod.empty() && m.identickeBodyEtapa2.bod.empty());
}

// ---------------------------------------------------------------- state

TEST(ModelStav, InfoSouborClearAndClearProtokol)
{
    TmodelPorovnani m;
    EXPECT_EQ(m.pocetBoduIdentickych, 0);
    EXPECT_FALSE(m.existujiIdenticke || m.etapa1.jePripojen);
    Nacti(m.etapa1, Body({"1", "2"}));
    Nacti(m.etapa2, Body({"1", "2"}));
    m.VyhledaniIdentickychBodu(Tnastaveni());
    m.soubor.hlaseni = 7;
    m.InfoSoubor("/data/most/most 2024.pea");
    EXPECT_EQ(m.soubor.jmeno, "most 2024.pea");
    EXPECT_EQ(m.soubor.cesta, "/data/most/");
    EXPECT_EQ(m.soubor.pripona, ".pea");
    EXPECT_TRUE(m.soubor.nacteni);
    EXPECT_EQ(m.soubor.hlaseni, 7);

    m.etapa1.protokol.text = {"a"};
    m.etapa2.protokol.jePlny = true;
    m.ClearProtokol();
    EXPECT_TRUE(m.etapa1.protokol.text.empty());
    EXPECT_FALSE(m.etapa2.protokol.jePlny);

    m.Clear();
    EXPECT_EQ(m.pocetBoduIdentickych, -1);
    EXPECT_FALSE(m.existujiIdenticke || m.etapa1.jePripojen || m.etapa2.jePripojen);
    EXPECT_TRUE(m.identickeBodyEtapa1.bod.empty() && m.identickeBodyEtapa2.bod.empty());
    EXPECT_EQ(m.etapa1.pocetBodu, -1);
    EXPECT_TRUE(m.soubor.jmeno.empty() && m.soubor.cesta.empty());
    EXPECT_FALSE(m.soubor.nacteni);
}

// ---------------------------------------------------------------- active flags

TEST(PredatAktivitu, FlagOfTheEpochOneRowGoesToThePairEverywhere)
{
    TmodelPorovnani m;
    Nacti(m.etapa1, Body({"5", "7"}), Body({"1"}));
    Nacti(m.etapa2, Body({"1", "5", "7"}));
    m.VyhledaniIdentickychBodu(Tnastaveni());
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
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(m.identickeBodyEtapa1.bod[k].JeAktiv, k == 1) << k;
        EXPECT_EQ(m.identickeBodyEtapa2.bod[k].JeAktiv, k == 1) << k;
    }
    // epoch 1: 5, 7 determined, 1 fixed; epoch 2: 1, 5, 7
    const bool e1[] = {true, false, false}, e2[] = {false, true, false};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m.etapa1.souradnice.bod[i].JeAktiv, e1[i]) << i;
        EXPECT_EQ(m.etapa2.souradnice.bod[i].JeAktiv, e2[i]) << i;
    }

    // A short list: only the rows it holds count.
    Tsouradnice kratky;
    kratky.PridejBod(hlavni.bod[0]);
    kratky.bod[0].JeAktiv = true;
    m.PredatJeAktiv(kratky);
    EXPECT_TRUE(m.identickeBodyEtapa1.bod[0].JeAktiv);
    EXPECT_FALSE(m.identickeBodyEtapa1.bod[2].JeAktiv);
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

    ModelSKlicem()
    {
        Nacti(vstup.etapa1, {{"1", 100, 200, 50}, {"2", 100.1L, 210, 50}, {"3", 90, 200, 50}});
        Nacti(vstup.etapa2, {{"1", 100, 200, 50, true, 1, 4, 9},
                             {"2", 100, 210, 50},
                             {"3", 90, 200, 50},
                             {"4", 123.456789L, 234.5L, 51}});
        vstup.VyhledaniIdentickychBodu(Tnastaveni());
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

    // the model's epoch 1 transformed with the identity: a plain copy
    bool typ1 = false, typ2 = false;
    ASSERT_TRUE(s.vystup.Transfromuj(s.vstup, TtransformacniKlicEtapa(), true, typ1));
    EXPECT_TRUE(typ1);
    s.vystup.etapa1.protokol.jePlny = true;
    s.vystup.etapa2.protokol.jePlny = true;
    ASSERT_TRUE(s.vystup.Transfromuj(s.vstup, s.klic, false, typ2));
    EXPECT_TRUE(typ2);

    // epoch 1 untouched by the second call and equal to its source
    const Tetapa& a = s.vstup.etapa1;
    const Tetapa& b = s.vystup.etapa1;
    ASSERT_EQ(CislaBodu(b.souradnice), CislaBodu(a.souradnice));
    for (std::size_t i = 0; i < a.souradnice.bod.size(); ++i) {
        EXPECT_EQ(a.souradnice.bod[i].X, b.souradnice.bod[i].X);
        EXPECT_EQ(a.souradnice.bod[i].Y, b.souradnice.bod[i].Y);
        EXPECT_EQ(a.souradnice.bod[i].Z, b.souradnice.bod[i].Z);
    }
    EXPECT_EQ(b.maticeKovariancni, a.maticeKovariancni);
    EXPECT_EQ(s.vystup.identickeBodyEtapa1.bod.size(), 3u);
    EXPECT_EQ(s.vystup.identickeBodyEtapa1.bod[1].X, s.vstup.identickeBodyEtapa1.bod[1].X);
    EXPECT_TRUE(b.protokol.jePlny);

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
    const Extended blok[3][3] = {{4, 0, 0}, {0, 1, 0}, {0, 0, 9}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j) EXPECT_NEAR(static_cast<double>(K[i][j]), blok[i][j], 1e-15);
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
    EXPECT_TRUE(i2.bod[2].poradi == 3 && i2.bod[2].soubor == 3);
    // with the deviations and the ellipse of the transformed epoch, in the
    // frame of its coordinates (the loaded point has sig_X 1, sig_Y 2)
    EXPECT_NEAR(static_cast<double>(i2.bod[0].sig_X), 2, 1e-12);
    EXPECT_NEAR(static_cast<double>(i2.bod[0].sig_Y), 1, 1e-12);
    EXPECT_NEAR(static_cast<double>(i2.bod[0].elipsa.a_smernik), 0, 1e-12);
    EXPECT_EQ(i2.bod[0].elipsoid.a_delka, e2.souradnice.bod[0].elipsoid.a_delka);

    // the loaded model is left as it was, and a repeated transformation
    // starts from it again
    EXPECT_EQ(s.vstup.etapa2.souradnice.bod[0].X, 100);
    EXPECT_EQ(s.vstup.identickeBodyEtapa2.bod[1].Y, 210);
    const Extended x = e2.souradnice.bod[3].X;
    ASSERT_TRUE(s.vystup.Transfromuj(s.vstup, s.klic, false, typ2));
    EXPECT_EQ(e2.souradnice.bod[3].X, x);
    EXPECT_EQ(e2.souradnice.bod.size(), 4u);
}

// An oblique key: the transformed coordinates of the epoch and of its
// identical list lie on the micrometre grid, rounded after the
// transformation (the list equal to the epoch's records, both within half a
// micrometre of R p + t worked out here).
TEST(Transformace, CoordinatesAreRoundedToMicrometresAfterTheTransformation)
{
    ModelSKlicem s;
    TtransformacniKlicEtapa klic;
    klic.jePlny = true;
    RotationMatrix3(klic.rotace, 0.3L, -0.2L, 1.1L);
    klic.translace = {{0.1234567L}, {-7.654321L}, {0.0000003L}};
    bool typ = false;
    ASSERT_TRUE(s.vystup.Transfromuj(s.vstup, klic, false, typ));
    const Tsouradnice& i2 = s.vystup.identickeBodyEtapa2;
    ASSERT_EQ(i2.bod.size(), 3u);
    for (const Tbod& b : i2.bod) {
        const Tbod& z = s.vstup.etapa2.souradnice.bod[static_cast<std::size_t>(b.poradi - 1)];
        const Tbod& t = s.vystup.etapa2.souradnice.bod[static_cast<std::size_t>(b.poradi - 1)];
        const Extended p[3] = {z.X, z.Y, z.Z};
        const Extended v[3] = {b.X, b.Y, b.Z};
        const Extended w[3] = {t.X, t.Y, t.Z};
        for (int r = 0; r < 3; ++r) {
            const Extended presne = klic.rotace[r][0] * p[0] + klic.rotace[r][1] * p[1] + klic.rotace[r][2] * p[2] +
                                    klic.translace[r][0];
            EXPECT_LE(std::fabs(v[r] - presne), 5.0000001e-7L) << b.cislo << " " << r;
            EXPECT_EQ(v[r], std::nearbyint(v[r] * 1000000) / 1000000) << b.cislo << " " << r;
            EXPECT_EQ(v[r], w[r]) << b.cislo << " " << r;
        }
        // Its deviations, ellipse and ellipsoid are the transformed epoch's too.
        EXPECT_TRUE(b.sig_X == t.sig_X && b.sig_Y == t.sig_Y && b.sig_Z == t.sig_Z) << b.cislo;
        EXPECT_TRUE(b.elipsa.a_smernik == t.elipsa.a_smernik && b.elipsoid.a_zenit == t.elipsoid.a_zenit) << b.cislo;
    }
    // Point 1 has the cofactors 1, 4, 9 on its diagonal: sZ^2 = sum R[2][j]^2 d[j].
    const Extended d[3] = {1, 4, 9};
    Extended sZ2 = 0;
    for (int j = 0; j < 3; ++j) sZ2 += klic.rotace[2][j] * klic.rotace[2][j] * d[j];
    EXPECT_NEAR(static_cast<double>(i2.bod[0].sig_Z), std::sqrt(static_cast<double>(sZ2)), 1e-12);
}

TEST(Transformace, EveryFailureEmptiesOnlyTheTargetEpoch)
{
    // 0: the key lost its station (the epoch was detached, say) and is not
    // filled; 1: the source epoch is not attached; 2: no 3 x 3 rotation.
    for (int pripad = 0; pripad < 3; ++pripad) {
        SCOPED_TRACE(pripad);
        ModelSKlicem s;
        bool typ = false;
        ASSERT_TRUE(s.vystup.Transfromuj(s.vstup, s.klic, false, typ));
        ASSERT_TRUE(s.vystup.Transfromuj(s.vstup, TtransformacniKlicEtapa(), true, typ));
        TtransformacniKlicEtapa klic = s.klic;
        const bool prvni = pripad > 0;  // the epoch transformed
        if (pripad == 0) {
            NulujPoradiBod(klic, 1);
            EXPECT_FALSE(VypocetKlice(klic));
        }
        if (pripad == 1) {
            s.vstup.etapa1.Clear();
            ClearKlic(klic);
        }
        if (pripad == 2) klic.rotace = {{1, 0}, {0, 1}};
        typ = true;
        EXPECT_FALSE(s.vystup.Transfromuj(s.vstup, klic, prvni, typ));
        EXPECT_FALSE(typ);
        const Tetapa& cil = prvni ? s.vystup.etapa1 : s.vystup.etapa2;
        const Tetapa& jina = prvni ? s.vystup.etapa2 : s.vystup.etapa1;
        const Tsouradnice& identickeCil =
            prvni ? s.vystup.identickeBodyEtapa1 : s.vystup.identickeBodyEtapa2;
        const Tsouradnice& identickeJine =
            prvni ? s.vystup.identickeBodyEtapa2 : s.vystup.identickeBodyEtapa1;
        EXPECT_FALSE(cil.jePripojen);
        EXPECT_TRUE(cil.souradnice.bod.empty());
        EXPECT_TRUE(identickeCil.bod.empty());
        EXPECT_EQ(s.vystup.pocetBoduIdentickych, 0);
        EXPECT_FALSE(s.vystup.existujiIdenticke);
        // the other epoch stays, and so does the source
        EXPECT_TRUE(jina.jePripojen);
        EXPECT_EQ(identickeJine.bod.size(), 3u);
        EXPECT_EQ((prvni ? s.vstup.etapa1 : s.vstup.etapa2).jePripojen, pripad != 1);
    }
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

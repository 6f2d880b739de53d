// Displacement records and the displacement list: accessors and codes, the
// reset record, projections, list operations, extremes, sorting and the
// ellipsoid tables.
#include "analysis/Posuny.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "numerics/TextPole.h"

namespace sitmera {
namespace {

using Cisla = std::vector<std::string>;

// A filled record with the given number and values (metres, radians).
Tposun Posun(const std::string& cislo, Extended x, Extended y, Extended z)
{
    Tposun p;
    p.JePlny = true;
    p.cislo = cislo;
    p.hodnota.X = x;
    p.hodnota.Y = y;
    p.hodnota.Z = z;
    p.hodnota.delkaH = std::sqrt(x * x + y * y);
    p.hodnota.delkaS = std::sqrt(x * x + y * y + z * z);
    p.hodnota.smernik = std::atan2(y, x);
    p.hodnota.zenit = std::atan2(p.hodnota.delkaH, z);
    return p;
}

Tposun Fixni(const std::string& cislo, bool fix1, bool fix2)
{
    Tposun p = Posun(cislo, 0.001L, 0.002L, 0.003L);
    p.JeFix1 = fix1;
    p.JeFix2 = fix2;
    return p;
}

// An ellipsoid whose nine fields are zaklad + 1 .. zaklad + 9 in the order
// a, b, c axis, each length, bearing, zenith angle.
Telipsoid Elipsoid(Extended zaklad)
{
    return {zaklad + 1, zaklad + 2, zaklad + 3, zaklad + 4, zaklad + 5,
            zaklad + 6, zaklad + 7, zaklad + 8, zaklad + 9};
}

Cisla CislaSeznamu(const Tposuny& posuny)
{
    Cisla c;
    for (const auto& p : posuny.zaznam) c.push_back(p.cislo);
    return c;
}

// ---------------------------------------------------------------- record routines

TEST(TposunHodnota, ComponentsAndFlagsByIndexAndOutside)
{
    TposunHodnota h;
    for (int i = -1; i < 8; ++i) NastavHodnotuVeliciny(h, i, 10 + i);  // -1 and 7 do nothing
    const Extended poradi[7] = {h.X, h.Y, h.Z, h.delkaH, h.delkaS, h.smernik, h.zenit};
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(poradi[i] == 10 + i && HodnotaVeliciny(h, i) == 10 + i) << i;
    EXPECT_TRUE(HodnotaVeliciny(h, -1) == 0 && HodnotaVeliciny(h, 7) == 0);
    NeurcitPosunHodnota(h);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(HodnotaVeliciny(h, i), -1);
    NulujPosunHodnota(h);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(HodnotaVeliciny(h, i), 0);

    // Flags 0..4 (X, Y, Z, delkaH, delkaS); flag i counted i + 1 times.
    for (int i = 0; i < 5; ++i) {
        TposunProkazani q;
        EXPECT_FALSE(ExistujeProkazani(q, true));
        NastavProkazaniVeliciny(q, i, true);
        for (int k = -1; k < 7; ++k) EXPECT_EQ(ProkazaniVeliciny(q, k), k == i);
        EXPECT_TRUE(ExistujeProkazani(q, true) && ExistujeProkazani(q, false));
        for (int n = 0; n <= i; ++n) PricistProkazane(h, q);
    }
    for (int k = 0; k < 7; ++k) EXPECT_EQ(HodnotaVeliciny(h, k), k < 5 ? k + 1 : 0) << k;
    TposunProkazani p;
    NastavProkazaniVeliciny(p, 5, true);
    NastavProkazaniVeliciny(p, -1, true);
    EXPECT_FALSE(ExistujeProkazani(p, true));
    for (int i = 0; i < 5; ++i) NastavProkazaniVeliciny(p, i, true);
    EXPECT_TRUE(p.X && p.Y && p.Z && p.delkaH && p.delkaS);
    EXPECT_FALSE(ExistujeProkazani(p, false));
    NulujProkazani(p);
    EXPECT_FALSE(ExistujeProkazani(p, true));
}

TEST(Tposun, FixationCodes)
{
    struct {
        bool f1, f2;
        int kod;
        bool obe, zadna;
    } const tabulka[] = {
        {false, false, 0, false, true},
        {true, false, 1, false, false},
        {false, true, 2, false, false},
        {true, true, 3, true, false},
    };
    for (const auto& r : tabulka) {
        const Tposun p = Fixni("1", r.f1, r.f2);
        EXPECT_EQ(KodFix(p), r.kod);
        EXPECT_EQ(JeFixObe(p), r.obe);
        EXPECT_EQ(JeNefixObe(p), r.zadna);
    }
}

TEST(Tposun, SignificanceCodesAndMarks)
{
    // quantity 0 none, 1 a priori, 2 a posteriori, 3 both, 4 both
    Tposun p = Posun("7", 1, 2, 3);
    p.prokazaniAprior.Y = true;
    p.prokazaniAposter.Z = true;
    p.prokazaniAprior.delkaH = p.prokazaniAposter.delkaH = true;
    p.prokazaniAprior.delkaS = p.prokazaniAposter.delkaS = true;
    const int kody[] = {0, 1, 2, 3, 3};
    const char* znacky[] = {"", "# ", "& ", "#& ", "#& "};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(KodProkazani(p, i), kody[i]) << i;
        std::string text = "stale text";
        ZnackaProkazani(p, i, text);
        EXPECT_EQ(text, znacky[i]) << i;
        EXPECT_EQ(ZnackaProkazani(p, i), znacky[i]) << i;
    }
    // bearing, zenith angle and other indexes carry no code and no mark
    for (int i : {5, 6, -1, 7}) {
        EXPECT_EQ(KodProkazani(p, i), 0) << i;
        std::string text = "x";
        ZnackaProkazani(p, i, text);
        EXPECT_EQ(text, "") << i;
    }
}

TEST(Tposun, EllipseFlagsAndLimitsByPrecision)
{
    Tposun p;
    p.elipsaAprior = {1, 2, 3};
    p.elipsaAposter = {4, 5, 6};
    p.prokazaniAposter.Y = true;
    p.odchylkaMezAprior.Z = 7;
    p.odchylkaMezAposter.Z = 8;
    Telipsa e;
    TposunProkazani pr;
    TposunHodnota h;
    // 0 a priori, 1 a posteriori; another kind (2) leaves the a-priori choice
    for (int typ : {1, 0, 2}) {
        ElipsaPosunu(p, typ, e);
        ProkazaniPosunu(p, typ, pr);
        OdchylkaMezPosunu(p, typ, h);
        EXPECT_TRUE(e.a_delka == (typ == 1 ? 4 : 1) && e.a_smernik == (typ == 1 ? 6 : 3)) << typ;
        EXPECT_EQ(pr.Y, typ == 1) << typ;
        EXPECT_EQ(h.Z, typ == 1 ? 8 : 7) << typ;
    }
}

TEST(Tposun, JePosunOznacenAsCriteriaInForce)
{
    Tposun kriteria;
    // flags that are not criteria do not count
    kriteria.JeFix2 = kriteria.JeNulovyH = kriteria.JeNulovyS = true;
    kriteria.hodnota.X = 5;
    kriteria.kvantilS.X = 3;
    EXPECT_FALSE(JePosunOznacen(kriteria));
    // -2 number, -1 fixation, 0..4 value k, 5..9 significance k - 5
    for (int k = -2; k < 10; ++k) {
        Tposun c = kriteria;
        if (k == -2) c.JePlny = true;
        if (k == -1) c.JeFix1 = true;
        NastavProkazaniVeliciny(c.prokazaniAprior, k, true);
        NastavProkazaniVeliciny(c.prokazaniAposter, k - 5, true);
        EXPECT_TRUE(JePosunOznacen(c)) << k;
    }
}

TEST(ClearPosun, ResetsEverythingButTheCovariances)
{
    Tposun p = Posun("12", 1, 2, 3);
    p.poradi = 9;
    p.odchylkaAprior.X = p.odchylkaAposter.Y = p.kvantilS.Z = 4;
    p.odchylkaMezAprior.delkaH = p.odchylkaMezAposter.delkaS = 5;
    p.elipsoidAprior = p.elipsoidAposter = Elipsoid(1);
    p.elipsaAprior = p.elipsaAposter = {1, 2, 3};
    p.prokazaniAprior.X = p.prokazaniAposter.delkaS = true;
    p.JeNulovyH = p.JeNulovyS = p.JeFix1 = p.JeFix2 = true;
    p.kovMatAprior = {{1}, {2, 3}, {4, 5, 6}};
    p.kovMatAposter = {{7}, {8, 9}, {10, 11, 12}};
    const Tposun pred = p;

    ClearPosun(p);
    EXPECT_EQ(p.poradi, 0);
    EXPECT_EQ(p.cislo, "");
    for (const TposunHodnota* h : {&p.hodnota, &p.odchylkaAprior, &p.odchylkaAposter, &p.kvantilS,
                                   &p.odchylkaMezAprior, &p.odchylkaMezAposter})
        for (int i = 0; i < 7; ++i) EXPECT_EQ(HodnotaVeliciny(*h, i), -1) << i;
    for (const Telipsoid* e : {&p.elipsoidAprior, &p.elipsoidAposter}) {
        EXPECT_TRUE(e->a_delka == -1 && e->b_delka == -1 && e->c_delka == -1);
        EXPECT_TRUE(e->a_smernik == 0 && e->b_zenit == 0 && e->c_smernik == 0);
    }
    for (const Telipsa* e : {&p.elipsaAprior, &p.elipsaAposter})
        EXPECT_TRUE(e->a_delka == -1 && e->b_delka == -1 && e->a_smernik == 0);
    EXPECT_FALSE(p.JePlny || p.JeNulovyH || p.JeNulovyS || p.JeFix1 || p.JeFix2);
    EXPECT_FALSE(JePosunOznacen(p));  // no flag of either test either
    EXPECT_EQ(p.kovMatAprior, pred.kovMatAprior);
    EXPECT_EQ(p.kovMatAposter, pred.kovMatAposter);
}

TEST(Tposun, ProjectionsIntoAPointAndIntoAList)
{
    Tposun p = Posun("A5", 0.003L, 0.004L, -0.012L);
    p.JeFix2 = true;
    const TposunHodnota& h = p.hodnota;
    Tbod bod;
    bod.sig_X = bod.sig_Y = bod.sig_Z = -1;  // leftovers of an earlier use
    bod.poradi = 17;
    bod.JeAktiv = true;
    bod.elipsa.a_delka = 3;
    PosunNaBodOrtogonal(p, bod);
    EXPECT_TRUE(bod.JePlny);
    EXPECT_EQ(bod.cislo, "A5");
    EXPECT_EQ(bod.soubor, 2);
    EXPECT_TRUE(bod.X == h.X && bod.Y == h.Y && bod.Z == h.Z);
    // the rest of the point is zeroed
    EXPECT_EQ(bod.poradi, 0);
    EXPECT_TRUE(bod.sig_X == 0 && bod.sig_Z == 0 && bod.elipsa.a_delka == 0);
    EXPECT_FALSE(bod.JeAktiv);
    Tposun prazdny;
    ClearPosun(prazdny);
    PosunNaBodOrtogonal(prazdny, bod);
    EXPECT_FALSE(bod.JePlny);
    EXPECT_EQ(bod.cislo, "");
    EXPECT_EQ(bod.soubor, 0);

    // The lists: point i the projection of record i, cut to the list.
    Tposuny l;
    l.PridejPosun(p);
    l.PridejPrazdnyPosun();
    Tsouradnice s;
    l.UlozOrtogonal(s, 10);
    ASSERT_EQ(s.bod.size(), 2u);
    EXPECT_TRUE(s.bod[0].X == h.X && s.bod[0].Z == h.Z && s.bod[0].soubor == 2);
    EXPECT_FALSE(s.bod[1].JePlny);
    l.UlozPolar(s, 2);
    EXPECT_TRUE(s.bod[0].X == h.delkaS && s.bod[0].Y == h.smernik && s.bod[0].Z == h.zenit);
    EXPECT_EQ(s.bod[0].soubor, 2);
    l.UlozSemipolar(s, 1);
    ASSERT_EQ(s.bod.size(), 1u);
    EXPECT_TRUE(s.bod[0].X == h.smernik && s.bod[0].Y == h.delkaH && s.bod[0].Z == h.Z);
    l.UlozOrtogonal(s, 0);
    EXPECT_TRUE(s.bod.empty());
}

// ---------------------------------------------------------------- the list

TEST(Tposuny, CreateVelikostClearAndKopiruj)
{
    Tposuny l(3);
    l.zaznam[1] = Posun("2", 1, 1, 1);
    l.zaznam[1].kovMatAprior = {{1}, {0, 1}, {0, 0, 1}};
    l.Velikost(4);
    ASSERT_EQ(CislaSeznamu(l), Cisla({"", "2", "", ""}));
    // zero-filled, not reset to -1
    EXPECT_FALSE(l.zaznam[3].JePlny);
    EXPECT_TRUE(l.zaznam[3].hodnota.X == 0 && l.zaznam[2].elipsoidAprior.a_delka == 0);
    l.Velikost(2);
    l.stoceniOs = 1.5L;
    Tposuny b;
    b.PridejPosun(Posun("9", 0, 0, 0));
    b.Kopiruj(l);
    l.Kopiruj(l);  // onto itself keeps everything
    l.zaznam[1].kovMatAprior[0][0] = 7;  // b is an independent copy
    EXPECT_EQ(CislaSeznamu(b), Cisla({"", "2"}));
    EXPECT_EQ(b.stoceniOs, 1.5L);
    EXPECT_EQ(b.zaznam[1].kovMatAprior, Tmatrix({{1}, {0, 1}, {0, 0, 1}}));
    EXPECT_EQ(CislaSeznamu(l), Cisla({"", "2"}));
    l.Velikost(-1);
    EXPECT_TRUE(l.zaznam.empty());
    b.Clear();
    EXPECT_TRUE(b.zaznam.empty());
    EXPECT_EQ(b.stoceniOs, 0);
}

TEST(Tposuny, KopirujNefixniSkipsPointsFixedInBothEpochs)
{
    Tposuny a;
    const bool fix[6][2] = {{0, 0}, {1, 1}, {1, 0}, {0, 1}, {1, 1}, {0, 0}};
    for (int i = 0; i < 6; ++i) a.PridejPosun(Fixni(std::to_string(i + 1), fix[i][0], fix[i][1]));
    a.stoceniOs = 0.5L;

    Tposuny b;
    b.PridejPosun(Posun("old", 0, 0, 0));
    b.KopirujNefixni(a, 6, 4);
    EXPECT_EQ(CislaSeznamu(b), Cisla({"1", "3", "4", "6"}));
    EXPECT_EQ(b.stoceniOs, 0.5L);
    // only the first pocet records take part; slots left over stay zero-filled
    b.KopirujNefixni(a, 3, 3);
    EXPECT_EQ(CislaSeznamu(b), Cisla({"1", "3", ""}));
    EXPECT_FALSE(b.zaznam[2].JePlny);
    // counts that do not fit the list neither read nor write past it
    b.KopirujNefixni(a, 100, 2);
    EXPECT_EQ(CislaSeznamu(b), Cisla({"1", "3"}));
    b.KopirujNefixni(a, -1, 0);
    EXPECT_TRUE(b.zaznam.empty());
    // from itself
    a.KopirujNefixni(a, 6, 4);
    EXPECT_EQ(CislaSeznamu(a), Cisla({"1", "3", "4", "6"}));
}

TEST(Tposuny, PridejPosunOfItsOwnRecordAndPridejPrazdnyPosun)
{
    Tposuny l;
    l.PridejPosun(Posun("1", 1, 2, 3));
    // appending a record of the list itself, also when the array grows
    for (int i = 0; i < 20; ++i) l.PridejPosun(l.zaznam[0]);
    ASSERT_EQ(l.zaznam.size(), 21u);
    for (const auto& p : l.zaznam) EXPECT_TRUE(p.cislo == "1" && p.hodnota.Z == 3);
    l.PridejPrazdnyPosun();
    const Tposun& prazdny = l.zaznam.back();
    EXPECT_FALSE(prazdny.JePlny);
    EXPECT_EQ(prazdny.hodnota.X, -1);
    EXPECT_EQ(prazdny.elipsaAprior.a_delka, -1);
    EXPECT_EQ(l.PocetPlnych(), 21);
}

TEST(Tposuny, CountsAndEmptyRecordsAtTheEnd)
{
    Tposuny l;
    EXPECT_EQ(l.PocetPlnych() + l.PocetFix(), 0);
    EXPECT_FALSE(l.ExistujePlnyBod());
    EXPECT_FALSE(l.SmazPrazdneZaznamyNaKonci());
    l.PridejPrazdnyPosun();
    EXPECT_FALSE(l.ExistujePlnyBod());
    l.PridejPosun(Fixni("1", true, true));
    l.PridejPosun(Fixni("2", true, false));
    l.PridejPosun(Fixni("3", false, true));
    l.PridejPosun(Fixni("4", true, true));
    l.PridejPrazdnyPosun();
    l.PridejPrazdnyPosun();
    EXPECT_TRUE(l.ExistujePlnyBod());
    EXPECT_EQ(l.PocetPlnych(), 4);
    EXPECT_EQ(l.PocetFix(), 2);
    // only the empty records after the last filled one go
    EXPECT_TRUE(l.SmazPrazdneZaznamyNaKonci());
    EXPECT_EQ(CislaSeznamu(l), Cisla({"", "1", "2", "3", "4"}));
    EXPECT_FALSE(l.SmazPrazdneZaznamyNaKonci());
    Tposuny n(3);  // zero-filled records are empty too
    EXPECT_TRUE(n.SmazPrazdneZaznamyNaKonci());
    EXPECT_TRUE(n.zaznam.empty());
}

TEST(Tposuny, MarginalniPosunKeepsTheFirstOfEqualExtremes)
{
    Tposuny l;
    l.PridejPosun(Posun("1", 0.001L, -0.004L, 0.002L));
    Tposun fix = Posun("2", 0.009L, 0.003L, -0.007L);
    fix.JeFix1 = fix.JeFix2 = true;
    l.PridejPosun(fix);
    l.PridejPosun(Posun("3", -0.002L, 0.001L, 0.0L));
    for (int k = 0; k < 7; ++k) {
        Extended mx = HodnotaVeliciny(l.zaznam[0].hodnota, k), mn = mx;
        for (const auto& p : l.zaznam) {
            mx = std::max(mx, HodnotaVeliciny(p.hodnota, k));
            mn = std::min(mn, HodnotaVeliciny(p.hodnota, k));
        }
        EXPECT_EQ(l.MarginalniPosun(k, true), mx) << k;
        EXPECT_EQ(l.MarginalniPosun(k, false), mn) << k;
    }
    EXPECT_EQ(l.MarginalniPosun(0, true), 0.009L);  // from the fixed point
    // exact comparison: a value larger by one unit in the last place wins
    l.zaznam[2].hodnota.X = std::nextafter(0.009L, 1.0L);
    EXPECT_EQ(l.MarginalniPosun(0, true), l.zaznam[2].hodnota.X);
    // an index outside 0..6, an empty list
    EXPECT_EQ(l.MarginalniPosun(7, true), 0);
    EXPECT_EQ(l.MarginalniPosun(-1, false), 0);
    EXPECT_EQ(Tposuny().MarginalniPosun(0, true), -1);

    // -0 and +0 compare equal, so the sign shows which one was kept
    for (Extended prvni : {-0.0L, 0.0L}) {
        Tposuny z;
        for (Extended v : {prvni, -prvni}) z.PridejPosun(Posun("1", v, 0, 0));
        EXPECT_EQ(std::signbit(z.MarginalniPosun(0, true)), std::signbit(prvni));
        EXPECT_EQ(std::signbit(z.MarginalniPosun(0, false)), std::signbit(prvni));
    }
}

// ---------------------------------------------------------------- sorting

// A list with many ties: values and numbers drawn from small sets, the
// original position kept in poradi.
Tposuny SeznamSeShodami(unsigned seed, int n)
{
    std::mt19937 gen(seed);
    const Extended hodnoty[] = {-0.002L, 0.0L, 0.001L, 0.0015L, 0.003L};
    const char* cisla[] = {"9", "10", "A1", "100", "2", "B", "10"};
    std::uniform_int_distribution<int> h(0, 4), c(0, 6);
    Tposuny l;
    for (int i = 0; i < n; ++i) {
        Tposun p;
        p.JePlny = true;
        p.poradi = i;
        p.cislo = cisla[c(gen)];
        for (int k = 0; k < 7; ++k) NastavHodnotuVeliciny(p.hodnota, k, hodnoty[h(gen)]);
        l.PridejPosun(p);
    }
    return l;
}

TEST(TposunySort, EveryCodeIsAStableAscendingSort)
{
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        for (int velicina = -1; velicina <= 6; ++velicina) {
            Tposuny l = SeznamSeShodami(seed, 60);
            // independent reference: the standard stable sort by the same key
            // (the distinct values are far apart, so no tolerance is involved)
            std::vector<Tposun> ocekavano = l.zaznam;
            std::stable_sort(ocekavano.begin(), ocekavano.end(),
                             [velicina](const Tposun& a, const Tposun& b) {
                                 if (velicina == -1) return TextMensi(a.cislo, b.cislo);
                                 return HodnotaVeliciny(a.hodnota, velicina) <
                                        HodnotaVeliciny(b.hodnota, velicina);
                             });
            l.Sort(velicina);
            ASSERT_EQ(l.zaznam.size(), ocekavano.size());
            for (std::size_t i = 0; i < ocekavano.size(); ++i)
                ASSERT_EQ(l.zaznam[i].poradi, ocekavano[i].poradi)
                    << "code " << velicina << " seed " << seed << " row " << i;
        }
    }
}

TEST(TposunySort, PointNumbersByLengthFirst)
{
    Tposuny l;
    for (const char* c : {"100", "A1", "10", "9", "B", "10", "99"}) l.PridejPosun(Posun(c, 0, 0, 0));
    for (std::size_t i = 0; i < l.zaznam.size(); ++i) l.zaznam[i].poradi = static_cast<int>(i);
    l.Sort(kSeraditDleCisla);
    EXPECT_EQ(CislaSeznamu(l), Cisla({"9", "B", "10", "10", "99", "A1", "100"}));
    // the two "10" keep their order
    EXPECT_EQ(l.zaznam[2].poradi, 2);
    EXPECT_EQ(l.zaznam[3].poradi, 5);
}

TEST(TposunySort, ValuesEqualWithinTheToleranceAreNotExchanged)
{
    // The same length computed two ways may differ in its last bits; such
    // values count as equal and keep their order.
    Tposuny l;
    const Extended d = 0.005L;
    for (Extended v : {std::nextafter(d, 1.0L), d, std::nextafter(d, 0.0L)}) {
        Tposun p = Posun(std::to_string(l.zaznam.size()), 0, 0, 0);
        p.hodnota.delkaH = v;
        l.PridejPosun(p);
    }
    l.Sort(3);
    EXPECT_EQ(CislaSeznamu(l), Cisla({"0", "1", "2"}));
    // Only neighbours are compared: 1.6e-16, 0.8e-16, 0 are each equal to
    // the next within 1e-16, so no pass exchanges anything, although the
    // ends differ.
    Tposuny m;
    for (Extended v : {1.6e-16L, 0.8e-16L, 0.0L}) m.PridejPosun(Posun("1", v, 0, 0));
    m.Sort(0);
    EXPECT_EQ(m.zaznam[0].hodnota.X, 1.6e-16L);
    EXPECT_EQ(m.zaznam[2].hodnota.X, 0.0L);
}

TEST(TposunySort, UnknownCodeShortListsAndRecordsMoveWhole)
{
    Tposuny l = SeznamSeShodami(7, 10);
    const Cisla pred = CislaSeznamu(l);
    l.Sort(7);
    l.Sort(-2);
    EXPECT_EQ(CislaSeznamu(l), pred);

    // a record moves with all its fields
    Tposuny m;
    Tposun a = Posun("a", 0.003L, 0, 0);
    a.kovMatAprior = {{9}, {0, 9}, {0, 0, 9}};
    a.prokazaniAposter.X = true;
    a.elipsoidAprior = Elipsoid(10);
    m.PridejPosun(a);
    m.PridejPosun(Posun("b", 0.001L, 0, 0));
    m.stoceniOs = 0.25L;
    m.Sort(0);
    EXPECT_EQ(CislaSeznamu(m), Cisla({"b", "a"}));
    EXPECT_EQ(m.zaznam[1].kovMatAprior, a.kovMatAprior);
    EXPECT_TRUE(m.zaznam[1].prokazaniAposter.X);
    EXPECT_EQ(m.zaznam[1].elipsoidAprior.c_zenit, a.elipsoidAprior.c_zenit);
    EXPECT_EQ(m.stoceniOs, 0.25L);
}

// ---------------------------------------------------------------- ellipsoid tables

// Records 1 free, 2 fixed in both, 3 fixed in epoch 1, 4 free; a-priori
// ellipsoids based on 10, 20, 30, 40, a-posteriori ones on 100 .. 400.
Tposuny SeznamElipsoidu()
{
    Tposuny l;
    const bool fix[4][2] = {{false, false}, {true, true}, {true, false}, {false, false}};
    for (int i = 0; i < 4; ++i) {
        Tposun p = Fixni(std::to_string(i + 1), fix[i][0], fix[i][1]);
        p.elipsoidAprior = Elipsoid(10 * (i + 1));
        p.elipsoidAposter = Elipsoid(100 * (i + 1));
        l.PridejPosun(p);
    }
    return l;
}

TEST(UlozElipsoidyDoSouradnice, ThreePointsOrOnePointPerFreeRecord)
{
    const Tposuny l = SeznamElipsoidu();
    Tsouradnice s;
    s.PridejBod(Tbod{});
    l.UlozElipsoidyDoSouradnice(s, 1, 4, 3);
    ASSERT_EQ(s.bod.size(), 9u);
    const int soubor[] = {0, 0, 0, 1, 0, 0, 0, 0, 0};  // KodFix on the first of three
    const int zaklad[] = {10, 30, 40};                   // the chosen records' ellipsoids
    for (int i = 0; i < 9; ++i) {
        const Tbod& b = s.bod[i];
        EXPECT_TRUE(b.JePlny) << i;
        EXPECT_EQ(b.poradi, i / 3 + 1) << i;
        EXPECT_EQ(b.cislo, std::to_string(zaklad[i / 3] / 10)) << i;
        EXPECT_EQ(b.soubor, soubor[i]) << i;
        // axis i % 3: length, bearing, zenith angle
        const Extended z = zaklad[i / 3] + 3 * (i % 3);
        EXPECT_TRUE(b.X == z + 1 && b.Y == z + 2 && b.Z == z + 3) << i;
    }
    l.UlozElipsoidyDoSouradnice(s, 2, 4, 3);
    EXPECT_EQ(s.bod[0].X, 101);
    EXPECT_EQ(s.bod[8].Y, 400 + 8);

    // counts that do not fit: the slots left over stay empty, nothing is
    // written past the table, negative counts give an empty table
    l.UlozElipsoidyDoSouradnice(s, 1, 2, 3);
    ASSERT_EQ(s.bod.size(), 9u);
    EXPECT_TRUE(s.bod[2].JePlny);
    EXPECT_FALSE(s.bod[3].JePlny || s.bod[8].JePlny);
    l.UlozElipsoidyDoSouradnice(s, 1, 4, 1);
    ASSERT_EQ(s.bod.size(), 3u);
    EXPECT_EQ(s.bod[2].cislo, "1");
    l.UlozElipsoidyDoSouradnice(s, 1, 40, 3);
    EXPECT_EQ(s.bod[8].cislo, "4");
    l.UlozElipsoidyDoSouradnice(s, 1, -1, -1);
    EXPECT_TRUE(s.bod.empty());
    // another kind: the axes are written as not set
    l.UlozElipsoidyDoSouradnice(s, 0, 4, 3);
    ASSERT_EQ(s.bod.size(), 9u);
    EXPECT_TRUE(s.bod[0].X == -1 && s.bod[0].Y == 0);
    EXPECT_EQ(s.bod[4].cislo, "3");

    // The report's list: one point per free record.
    l.UlozElipsoidyDoSouradnice2(s, 2, 4, 3);
    ASSERT_EQ(s.bod.size(), 3u);
    for (int j = 0; j < 3; ++j) {
        const Tbod& b = s.bod[j];
        EXPECT_TRUE(b.JePlny);
        EXPECT_EQ(b.poradi, j + 1);
        EXPECT_EQ(b.cislo, std::to_string(zaklad[j] / 10));
        EXPECT_EQ(b.elipsoid.a_delka, 10 * zaklad[j] + 1);
        EXPECT_EQ(b.elipsoid.c_zenit, 10 * zaklad[j] + 9);
        EXPECT_EQ(b.X, 0);
    }
    l.UlozElipsoidyDoSouradnice2(s, 1, 4, 3);
    EXPECT_EQ(s.bod[1].elipsoid.b_smernik, 30 + 5);
    l.UlozElipsoidyDoSouradnice2(s, 1, 1, 3);
    ASSERT_EQ(s.bod.size(), 3u);
    EXPECT_TRUE(s.bod[0].JePlny);
    EXPECT_FALSE(s.bod[1].JePlny);
}

TEST(Tposuny, UlozJakoSouradniceInMillimetres)
{
    Tposuny l;
    l.PridejPosun(Posun("P1", 0.003L, -0.004L, 0.012L));
    l.PridejPrazdnyPosun();
    Tsouradnice s;
    s.Velikost(3);
    l.UlozJakoSouradnice(s);
    ASSERT_EQ(s.bod.size(), 2u);
    const Tbod& b = s.bod[0];
    EXPECT_TRUE(b.JePlny);
    EXPECT_EQ(b.cislo, "P1");
    EXPECT_NEAR(static_cast<double>(b.X), 3, 1e-12);
    EXPECT_NEAR(static_cast<double>(b.Y), -4, 1e-12);
    EXPECT_NEAR(static_cast<double>(b.Z), 12, 1e-12);
    EXPECT_NEAR(static_cast<double>(b.sig_X), 5, 1e-12);   // horizontal 3-4-5
    EXPECT_NEAR(static_cast<double>(b.sig_Y), 13, 1e-12);  // spatial 5-12-13
    EXPECT_EQ(b.sig_Z, 0);
    EXPECT_FALSE(s.bod[1].JePlny);
}

}  // namespace
}  // namespace sitmera

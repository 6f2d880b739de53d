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

Telipsoid Elipsoid(Extended zaklad)
{
    Telipsoid e;
    e.a_delka = zaklad + 1;
    e.a_smernik = zaklad + 2;
    e.a_zenit = zaklad + 3;
    e.b_delka = zaklad + 4;
    e.b_smernik = zaklad + 5;
    e.b_zenit = zaklad + 6;
    e.c_delka = zaklad + 7;
    e.c_smernik = zaklad + 8;
    e.c_zenit = zaklad + 9;
    return e;
}

std::vector<std::string> Cisla(const Tposuny& posuny)
{
    std::vector<std::string> c;
    for (const auto& p : posuny.zaznam) c.push_back(p.cislo);
    return c;
}

// ---------------------------------------------------------------- record routines

TEST(TposunHodnota, ComponentsByIndexAndOutside)
{
    TposunHodnota h;
    for (int i = 0; i < 7; ++i) NastavHodnotuVeliciny(h, i, 10 + i);
    EXPECT_EQ(h.X, 10);
    EXPECT_EQ(h.Y, 11);
    EXPECT_EQ(h.Z, 12);
    EXPECT_EQ(h.delkaH, 13);
    EXPECT_EQ(h.delkaS, 14);
    EXPECT_EQ(h.smernik, 15);
    EXPECT_EQ(h.zenit, 16);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(HodnotaVeliciny(h, i), 10 + i) << i;
    for (int i : {-1, 7, 100}) {
        EXPECT_EQ(HodnotaVeliciny(h, i), 0) << i;
        TposunHodnota kopie = h;
        NastavHodnotuVeliciny(kopie, i, 99);
        for (int k = 0; k < 7; ++k) EXPECT_EQ(HodnotaVeliciny(kopie, k), 10 + k);
    }
    NeurcitPosunHodnota(h);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(HodnotaVeliciny(h, i), -1);
    NulujPosunHodnota(h);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(HodnotaVeliciny(h, i), 0);
}

TEST(TposunProkazani, FlagsByIndexAndOutside)
{
    TposunProkazani p;
    EXPECT_FALSE(ExistujeProkazani(p, true));
    EXPECT_TRUE(ExistujeProkazani(p, false));
    for (int i = 0; i < 5; ++i) {
        TposunProkazani q;
        NastavProkazaniVeliciny(q, i, true);
        for (int k = 0; k < 5; ++k) EXPECT_EQ(ProkazaniVeliciny(q, k), k == i);
        EXPECT_TRUE(ExistujeProkazani(q, true));
        EXPECT_TRUE(ExistujeProkazani(q, false));
    }
    NastavProkazaniVeliciny(p, 5, true);
    NastavProkazaniVeliciny(p, -1, true);
    EXPECT_FALSE(ExistujeProkazani(p, true));
    for (int i = 0; i < 5; ++i) NastavProkazaniVeliciny(p, i, true);
    EXPECT_TRUE(p.X && p.Y && p.Z && p.delkaH && p.delkaS);
    EXPECT_FALSE(ExistujeProkazani(p, false));
    EXPECT_FALSE(ProkazaniVeliciny(p, 5));
    EXPECT_FALSE(ProkazaniVeliciny(p, 6));
    EXPECT_FALSE(ProkazaniVeliciny(p, -1));
    NulujProkazani(p);
    EXPECT_FALSE(ExistujeProkazani(p, true));
}

TEST(TposunProkazani, PricistProkazaneCountsEachFlag)
{
    TposunHodnota pocet;  // counters start at 0
    TposunProkazani a, b;
    a.X = a.delkaS = true;
    b.X = b.Z = b.delkaH = true;
    PricistProkazane(pocet, a);
    PricistProkazane(pocet, b);
    PricistProkazane(pocet, TposunProkazani{});
    EXPECT_EQ(pocet.X, 2);
    EXPECT_EQ(pocet.Y, 0);
    EXPECT_EQ(pocet.Z, 1);
    EXPECT_EQ(pocet.delkaH, 1);
    EXPECT_EQ(pocet.delkaS, 1);
    EXPECT_EQ(pocet.smernik, 0);
    EXPECT_EQ(pocet.zenit, 0);
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
    p.prokazaniAprior.X = true;
    p.prokazaniAposter.Y = true;
    p.odchylkaMezAprior.Z = 7;
    p.odchylkaMezAposter.Z = 8;

    Telipsa e{-5, -5, -5};
    ElipsaPosunu(p, 0, e);
    EXPECT_EQ(e.a_delka, 1);
    EXPECT_EQ(e.b_delka, 2);
    EXPECT_EQ(e.a_smernik, 3);
    ElipsaPosunu(p, 1, e);
    EXPECT_EQ(e.a_delka, 4);
    EXPECT_EQ(e.a_smernik, 6);
    for (int typ : {2, -1}) {
        Telipsa f{-5, -6, -7};
        ElipsaPosunu(p, typ, f);
        EXPECT_EQ(f.a_delka, -5);
        EXPECT_EQ(f.b_delka, -6);
        EXPECT_EQ(f.a_smernik, -7);
    }

    TposunProkazani pr;
    ProkazaniPosunu(p, 0, pr);
    EXPECT_TRUE(pr.X);
    EXPECT_FALSE(pr.Y);
    ProkazaniPosunu(p, 1, pr);
    EXPECT_FALSE(pr.X);
    EXPECT_TRUE(pr.Y);
    TposunProkazani jine;
    jine.delkaS = true;
    ProkazaniPosunu(p, 2, jine);
    EXPECT_TRUE(jine.delkaS);
    EXPECT_FALSE(jine.X || jine.Y);

    TposunHodnota h;
    OdchylkaMezPosunu(p, 0, h);
    EXPECT_EQ(h.Z, 7);
    OdchylkaMezPosunu(p, 1, h);
    EXPECT_EQ(h.Z, 8);
    h.X = 42;
    OdchylkaMezPosunu(p, 3, h);
    EXPECT_EQ(h.X, 42);
    EXPECT_EQ(h.Z, 8);
}

TEST(Tposun, JePosunOznacenAsCriteriaInForce)
{
    Tposun kriteria;
    EXPECT_FALSE(JePosunOznacen(kriteria));
    // flags that are not criteria do not count
    kriteria.JeFix2 = kriteria.JeNulovyH = kriteria.JeNulovyS = true;
    kriteria.hodnota.X = 5;
    kriteria.kvantilS.X = 3;
    EXPECT_FALSE(JePosunOznacen(kriteria));

    Tposun a;
    a.JePlny = true;  // number criterion
    EXPECT_TRUE(JePosunOznacen(a));
    Tposun b;
    b.JeFix1 = true;  // fixation criterion
    EXPECT_TRUE(JePosunOznacen(b));
    for (int k = 0; k < 5; ++k) {
        Tposun c;
        NastavProkazaniVeliciny(c.prokazaniAprior, k, true);  // value criterion k
        EXPECT_TRUE(JePosunOznacen(c)) << k;
        Tposun d;
        NastavProkazaniVeliciny(d.prokazaniAposter, k, true);  // significance criterion k
        EXPECT_TRUE(JePosunOznacen(d)) << k;
    }
}

TEST(Tposun, CriteriaCodesSurviveACopy)
{
    // The find / select windows keep operator codes and wanted codes in the
    // value fields and copy the record to and from the working criteria.
    Tposun kriteria;
    ClearPosun(kriteria);
    kriteria.JePlny = true;
    kriteria.cislo = "1";
    kriteria.kvantilS.X = 1;  // number: contains
    kriteria.JeFix1 = true;
    kriteria.odchylkaAprior.X = 2;  // KodFix 1 + 1
    kriteria.prokazaniAprior.Z = true;
    kriteria.hodnota.Z = 5;
    NastavHodnotuVeliciny(kriteria.kvantilS, 2 + 1, 1);  // Z: ">"
    kriteria.prokazaniAposter.delkaH = true;
    NastavHodnotuVeliciny(kriteria.odchylkaAprior, 3 + 1, 4);  // both tests + 1

    Tposun pracovni = kriteria;
    EXPECT_EQ(ZaokrouhliNaCele(pracovni.kvantilS.X), 1);
    EXPECT_EQ(ZaokrouhliNaCele(pracovni.odchylkaAprior.X) - 1, 1);
    EXPECT_EQ(ZaokrouhliNaCele(HodnotaVeliciny(pracovni.kvantilS, 3)), 1);
    EXPECT_EQ(ZaokrouhliNaCele(HodnotaVeliciny(pracovni.odchylkaAprior, 4)) - 1, 3);
    EXPECT_TRUE(JePosunOznacen(pracovni));
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
    const Tmatrix kovAprior = p.kovMatAprior, kovAposter = p.kovMatAposter;

    ClearPosun(p);
    EXPECT_EQ(p.poradi, 0);
    EXPECT_EQ(p.cislo, "");
    for (const TposunHodnota* h : {&p.hodnota, &p.odchylkaAprior, &p.odchylkaAposter, &p.kvantilS,
                                   &p.odchylkaMezAprior, &p.odchylkaMezAposter})
        for (int i = 0; i < 7; ++i) EXPECT_EQ(HodnotaVeliciny(*h, i), -1) << i;
    for (const Telipsoid* e : {&p.elipsoidAprior, &p.elipsoidAposter}) {
        EXPECT_EQ(e->a_delka, -1);
        EXPECT_EQ(e->b_delka, -1);
        EXPECT_EQ(e->c_delka, -1);
        EXPECT_EQ(e->a_smernik, 0);
        EXPECT_EQ(e->b_zenit, 0);
        EXPECT_EQ(e->c_smernik, 0);
    }
    for (const Telipsa* e : {&p.elipsaAprior, &p.elipsaAposter}) {
        EXPECT_EQ(e->a_delka, -1);
        EXPECT_EQ(e->b_delka, -1);
        EXPECT_EQ(e->a_smernik, 0);
    }
    EXPECT_FALSE(ExistujeProkazani(p.prokazaniAprior, true));
    EXPECT_FALSE(ExistujeProkazani(p.prokazaniAposter, true));
    EXPECT_FALSE(p.JePlny || p.JeNulovyH || p.JeNulovyS || p.JeFix1 || p.JeFix2);
    EXPECT_FALSE(JePosunOznacen(p));
    EXPECT_EQ(p.kovMatAprior, kovAprior);
    EXPECT_EQ(p.kovMatAposter, kovAposter);
}

TEST(Tposun, ProjectionsIntoAPoint)
{
    Tposun p = Posun("A5", 0.003L, 0.004L, -0.012L);
    p.JeFix2 = true;
    // hand values: delkaH 0.005, delkaS 0.013, bearing atan2(4, 3)
    EXPECT_NEAR(static_cast<double>(p.hodnota.delkaH), 0.005, 1e-15);
    EXPECT_NEAR(static_cast<double>(p.hodnota.delkaS), 0.013, 1e-15);

    Tbod bod;
    bod.sig_X = bod.sig_Y = bod.sig_Z = -1;  // leftovers of an earlier use
    bod.poradi = 17;
    bod.JeAktiv = true;
    bod.elipsa.a_delka = 3;

    PosunNaBodOrtogonal(p, bod);
    EXPECT_TRUE(bod.JePlny);
    EXPECT_EQ(bod.cislo, "A5");
    EXPECT_EQ(bod.soubor, 2);
    EXPECT_EQ(bod.X, p.hodnota.X);
    EXPECT_EQ(bod.Y, p.hodnota.Y);
    EXPECT_EQ(bod.Z, p.hodnota.Z);
    // the rest of the point is zeroed
    EXPECT_EQ(bod.poradi, 0);
    EXPECT_EQ(bod.sig_X, 0);
    EXPECT_EQ(bod.sig_Z, 0);
    EXPECT_FALSE(bod.JeAktiv);
    EXPECT_EQ(bod.elipsa.a_delka, 0);

    PosunNaBodPolar(p, bod);
    EXPECT_EQ(bod.X, p.hodnota.delkaS);
    EXPECT_EQ(bod.Y, p.hodnota.smernik);
    EXPECT_EQ(bod.Z, p.hodnota.zenit);
    EXPECT_EQ(bod.soubor, 2);

    PosunNaBodSemipolar(p, bod);
    EXPECT_EQ(bod.X, p.hodnota.smernik);
    EXPECT_EQ(bod.Y, p.hodnota.delkaH);
    EXPECT_EQ(bod.Z, p.hodnota.Z);

    Tposun prazdny;
    ClearPosun(prazdny);
    PosunNaBodOrtogonal(prazdny, bod);
    EXPECT_FALSE(bod.JePlny);
    EXPECT_EQ(bod.cislo, "");
    EXPECT_EQ(bod.soubor, 0);
}

// ---------------------------------------------------------------- the list

TEST(Tposuny, CreateAndVelikostGiveZeroFilledRecords)
{
    Tposuny l(3);
    ASSERT_EQ(l.zaznam.size(), 3u);
    EXPECT_EQ(l.stoceniOs, 0);
    for (const auto& p : l.zaznam) {
        EXPECT_FALSE(p.JePlny);
        EXPECT_EQ(p.cislo, "");
        EXPECT_EQ(p.hodnota.X, 0);  // zero-filled, not reset to -1
        EXPECT_EQ(p.odchylkaAprior.delkaS, 0);
        EXPECT_EQ(p.elipsoidAprior.a_delka, 0);
        EXPECT_TRUE(p.kovMatAprior.empty());
    }
    l.zaznam[1] = Posun("2", 1, 1, 1);
    l.Velikost(5);
    ASSERT_EQ(l.zaznam.size(), 5u);
    EXPECT_EQ(l.zaznam[1].cislo, "2");
    EXPECT_FALSE(l.zaznam[4].JePlny);
    EXPECT_EQ(l.zaznam[4].hodnota.Z, 0);
    l.Velikost(2);
    ASSERT_EQ(l.zaznam.size(), 2u);
    EXPECT_EQ(l.zaznam[1].cislo, "2");
    l.Velikost(-1);
    EXPECT_TRUE(l.zaznam.empty());
    EXPECT_TRUE(Tposuny(0).zaznam.empty());
    EXPECT_TRUE(Tposuny(-4).zaznam.empty());
}

TEST(Tposuny, ClearAndKopiruj)
{
    Tposuny a;
    a.PridejPosun(Posun("1", 1, 2, 3));
    a.PridejPosun(Posun("2", 4, 5, 6));
    a.zaznam[0].kovMatAprior = {{1}, {0, 1}, {0, 0, 1}};
    a.stoceniOs = 1.5L;

    Tposuny b;
    b.PridejPosun(Posun("9", 0, 0, 0));
    b.Kopiruj(a);
    EXPECT_EQ(Cisla(b), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(b.stoceniOs, 1.5L);
    EXPECT_EQ(b.zaznam[0].kovMatAprior, a.zaznam[0].kovMatAprior);
    // independent copy
    b.zaznam[0].cislo = "x";
    b.zaznam[0].kovMatAprior[0][0] = 7;
    EXPECT_EQ(a.zaznam[0].cislo, "1");
    EXPECT_EQ(a.zaznam[0].kovMatAprior[0][0], 1);
    // copy onto itself keeps everything
    a.Kopiruj(a);
    EXPECT_EQ(Cisla(a), (std::vector<std::string>{"1", "2"}));

    a.Clear();
    EXPECT_TRUE(a.zaznam.empty());
    EXPECT_EQ(a.stoceniOs, 0);
}

TEST(Tposuny, KopirujNefixniSkipsPointsFixedInBothEpochs)
{
    Tposuny a;
    a.PridejPosun(Fixni("1", false, false));
    a.PridejPosun(Fixni("2", true, true));
    a.PridejPosun(Fixni("3", true, false));
    a.PridejPosun(Fixni("4", false, true));
    a.PridejPosun(Fixni("5", true, true));
    a.PridejPosun(Fixni("6", false, false));
    a.stoceniOs = 0.5L;

    Tposuny b;
    b.PridejPosun(Posun("old", 0, 0, 0));
    b.KopirujNefixni(a, 6, 4);
    EXPECT_EQ(Cisla(b), (std::vector<std::string>{"1", "3", "4", "6"}));
    EXPECT_EQ(b.stoceniOs, 0.5L);

    // only the first pocet records take part; slots left over stay zero-filled
    b.KopirujNefixni(a, 3, 3);
    ASSERT_EQ(b.zaznam.size(), 3u);
    EXPECT_EQ(b.zaznam[0].cislo, "1");
    EXPECT_EQ(b.zaznam[1].cislo, "3");
    EXPECT_FALSE(b.zaznam[2].JePlny);

    // counts that do not fit the list neither read nor write past it
    b.KopirujNefixni(a, 100, 2);
    EXPECT_EQ(Cisla(b), (std::vector<std::string>{"1", "3"}));
    b.KopirujNefixni(a, -1, 0);
    EXPECT_TRUE(b.zaznam.empty());

    // from itself
    a.KopirujNefixni(a, 6, 4);
    EXPECT_EQ(Cisla(a), (std::vector<std::string>{"1", "3", "4", "6"}));
}

TEST(Tposuny, PridejPosunAndPridejPrazdnyPosun)
{
    Tposuny l;
    l.PridejPosun(Posun("1", 1, 2, 3));
    // appending a record of the list itself, also when the array grows
    for (int i = 0; i < 20; ++i) l.PridejPosun(l.zaznam[0]);
    ASSERT_EQ(l.zaznam.size(), 21u);
    for (const auto& p : l.zaznam) {
        EXPECT_EQ(p.cislo, "1");
        EXPECT_EQ(p.hodnota.Z, 3);
    }
    l.PridejPrazdnyPosun();
    const Tposun& prazdny = l.zaznam.back();
    EXPECT_FALSE(prazdny.JePlny);
    EXPECT_EQ(prazdny.hodnota.X, -1);
    EXPECT_EQ(prazdny.odchylkaMezAposter.delkaS, -1);
    EXPECT_EQ(prazdny.elipsaAprior.a_delka, -1);
    EXPECT_EQ(l.PocetPlnych(), 21);
}

TEST(Tposuny, CountsOfFilledAndFixedRecords)
{
    Tposuny l;
    EXPECT_EQ(l.PocetPlnych(), 0);
    EXPECT_EQ(l.PocetFix(), 0);
    EXPECT_FALSE(l.ExistujePlnyBod());
    l.PridejPrazdnyPosun();
    EXPECT_FALSE(l.ExistujePlnyBod());
    l.PridejPosun(Fixni("1", true, true));
    l.PridejPosun(Fixni("2", true, false));
    l.PridejPosun(Fixni("3", false, true));
    l.PridejPosun(Fixni("4", true, true));
    l.PridejPrazdnyPosun();
    EXPECT_TRUE(l.ExistujePlnyBod());
    EXPECT_EQ(l.PocetPlnych(), 4);
    EXPECT_EQ(l.PocetFix(), 2);
}

TEST(Tposuny, SmazPrazdneZaznamyNaKonci)
{
    Tposuny l;
    EXPECT_FALSE(l.SmazPrazdneZaznamyNaKonci());

    l.PridejPosun(Posun("1", 1, 1, 1));
    l.PridejPrazdnyPosun();
    l.PridejPrazdnyPosun();
    EXPECT_TRUE(l.SmazPrazdneZaznamyNaKonci());
    EXPECT_EQ(Cisla(l), (std::vector<std::string>{"1"}));
    EXPECT_FALSE(l.SmazPrazdneZaznamyNaKonci());

    Tposuny m;
    m.PridejPrazdnyPosun();
    m.PridejPosun(Posun("2", 1, 1, 1));
    EXPECT_FALSE(m.SmazPrazdneZaznamyNaKonci());
    EXPECT_EQ(m.zaznam.size(), 2u);

    Tposuny n(3);  // zero-filled records are empty too
    EXPECT_TRUE(n.SmazPrazdneZaznamyNaKonci());
    EXPECT_TRUE(n.zaznam.empty());
}

TEST(Tposuny, MarginalniPosunKeepsTheFirstOfEqualExtremes)
{
    Tposuny l;
    for (Extended d : {2.0L, 5.0L, 5.0L}) {
        Tposun p = Posun("1", 0, 0, 0);
        p.hodnota.delkaH = d;
        l.PridejPosun(p);
    }
    EXPECT_EQ(l.MarginalniPosun(3, true), 5);
    EXPECT_EQ(l.MarginalniPosun(3, false), 2);

    // -0 and +0 compare equal, so the sign shows which one was kept
    Tposuny z;
    for (Extended v : {-0.0L, 0.0L, -0.0L}) z.PridejPosun(Posun("1", v, 0, 0));
    EXPECT_TRUE(std::signbit(z.MarginalniPosun(0, true)));
    EXPECT_TRUE(std::signbit(z.MarginalniPosun(0, false)));
    Tposuny w;
    for (Extended v : {0.0L, -0.0L}) w.PridejPosun(Posun("1", v, 0, 0));
    EXPECT_FALSE(std::signbit(w.MarginalniPosun(0, true)));
    EXPECT_FALSE(std::signbit(w.MarginalniPosun(0, false)));
}

TEST(Tposuny, MarginalniPosunOverEveryComponentIncludingFixedPoints)
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
    EXPECT_EQ(l.MarginalniPosun(0, true), 0.009L);   // from the fixed point
    EXPECT_EQ(l.MarginalniPosun(2, false), -0.007L);
    // exact comparison: a value larger by one unit in the last place wins
    l.zaznam[2].hodnota.X = std::nextafter(0.009L, 1.0L);
    EXPECT_EQ(l.MarginalniPosun(0, true), l.zaznam[2].hodnota.X);
    // a single record, an index outside 0..6, an empty list
    Tposuny jeden;
    jeden.PridejPosun(Posun("1", 0.5L, 0, 0));
    EXPECT_EQ(jeden.MarginalniPosun(0, false), 0.5L);
    EXPECT_EQ(l.MarginalniPosun(7, true), 0);
    EXPECT_EQ(l.MarginalniPosun(-1, false), 0);
    EXPECT_EQ(Tposuny().MarginalniPosun(0, true), -1);
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
    EXPECT_EQ(Cisla(l), (std::vector<std::string>{"9", "B", "10", "10", "99", "A1", "100"}));
    // the two "10" keep their order
    EXPECT_EQ(l.zaznam[2].poradi, 2);
    EXPECT_EQ(l.zaznam[3].poradi, 5);
}

TEST(TposunySort, EqualHorizontalLengthsKeepTheirOrder)
{
    Tposuny l;
    // lengths 5, 2, 5, 1, 2 mm
    const Extended d[] = {0.005L, 0.002L, 0.005L, 0.001L, 0.002L};
    for (int i = 0; i < 5; ++i) {
        Tposun p = Posun(std::to_string(i), 0, 0, 0);
        p.hodnota.delkaH = d[i];
        l.PridejPosun(p);
    }
    l.Sort(3);
    EXPECT_EQ(Cisla(l), (std::vector<std::string>{"3", "1", "4", "0", "2"}));
}

TEST(TposunySort, LengthsEqualToTheLastBitsKeepTheirOrder)
{
    // The same length computed two ways may differ in its last bits; such
    // values count as equal and are not exchanged.
    Tposuny l;
    const Extended d = 0.005L;
    for (Extended v : {std::nextafter(d, 1.0L), d, std::nextafter(d, 0.0L)}) {
        Tposun p = Posun("1", 0, 0, 0);
        p.hodnota.delkaH = v;
        l.PridejPosun(p);
    }
    for (std::size_t i = 0; i < 3; ++i) l.zaznam[i].poradi = static_cast<int>(i);
    l.Sort(3);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(l.zaznam[i].poradi, static_cast<int>(i));
}

TEST(TposunySort, OnlyNeighboursAreExchanged)
{
    // 1.6e-16, 0.8e-16, 0: each neighbour pair is equal within the tolerance of
    // 1e-16, so no pass exchanges anything, although the ends differ.
    Tposuny l;
    for (Extended v : {1.6e-16L, 0.8e-16L, 0.0L}) l.PridejPosun(Posun("1", v, 0, 0));
    l.Sort(0);
    EXPECT_EQ(l.zaznam[0].hodnota.X, 1.6e-16L);
    EXPECT_EQ(l.zaznam[1].hodnota.X, 0.8e-16L);
    EXPECT_EQ(l.zaznam[2].hodnota.X, 0.0L);
}

TEST(TposunySort, UnknownCodeShortListsAndRecordsMoveWhole)
{
    Tposuny l = SeznamSeShodami(7, 10);
    const std::vector<std::string> pred = Cisla(l);
    l.Sort(7);
    EXPECT_EQ(Cisla(l), pred);
    l.Sort(-2);
    EXPECT_EQ(Cisla(l), pred);

    Tposuny jeden;
    jeden.PridejPosun(Posun("5", 1, 2, 3));
    jeden.Sort(0);
    EXPECT_EQ(jeden.zaznam.size(), 1u);
    Tposuny prazdny;
    prazdny.Sort(-1);
    EXPECT_TRUE(prazdny.zaznam.empty());

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
    EXPECT_EQ(Cisla(m), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(m.zaznam[1].kovMatAprior, a.kovMatAprior);
    EXPECT_TRUE(m.zaznam[1].prokazaniAposter.X);
    EXPECT_EQ(m.zaznam[1].elipsoidAprior.c_zenit, a.elipsoidAprior.c_zenit);
    EXPECT_EQ(m.stoceniOs, 0.25L);
}

TEST(TposunySort, ReverseOrderOfDistinctValues)
{
    Tposuny l;
    for (int i = 50; i > 0; --i) l.PridejPosun(Posun(std::to_string(i), 0, 0, i * 0.001L));
    l.Sort(2);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(l.zaznam[i].cislo, std::to_string(i + 1));
    l.Sort(kSeraditDleCisla);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(l.zaznam[i].cislo, std::to_string(i + 1));
}

// ---------------------------------------------------------------- ellipsoid tables

Tposuny SeznamElipsoidu()
{
    Tposuny l;
    const bool fix[4][2] = {{false, false}, {true, true}, {true, false}, {false, false}};
    const char* cisla[] = {"1", "2", "3", "4"};
    for (int i = 0; i < 4; ++i) {
        Tposun p = Fixni(cisla[i], fix[i][0], fix[i][1]);
        p.elipsoidAprior = Elipsoid(10 * (i + 1));
        p.elipsoidAposter = Elipsoid(100 * (i + 1));
        l.PridejPosun(p);
    }
    return l;
}

TEST(UlozElipsoidyDoSouradnice, ThreePointsPerFreeRecord)
{
    const Tposuny l = SeznamElipsoidu();
    Tsouradnice s;
    s.PridejBod(Tbod{});
    l.UlozElipsoidyDoSouradnice(s, 1, 4, 3);
    ASSERT_EQ(s.bod.size(), 9u);
    const int poradi[] = {1, 1, 1, 2, 2, 2, 3, 3, 3};
    const char* cisla[] = {"1", "1", "1", "3", "3", "3", "4", "4", "4"};
    const int soubor[] = {0, 0, 0, 1, 0, 0, 0, 0, 0};  // KodFix on the first of three
    const int zaklad[] = {10, 30, 40};                   // the chosen records' ellipsoids
    for (int i = 0; i < 9; ++i) {
        const Tbod& b = s.bod[i];
        EXPECT_TRUE(b.JePlny) << i;
        EXPECT_EQ(b.poradi, poradi[i]) << i;
        EXPECT_EQ(b.cislo, cisla[i]) << i;
        EXPECT_EQ(b.soubor, soubor[i]) << i;
        // axis i % 3: length, bearing, zenith angle
        const Extended z = zaklad[i / 3] + 3 * (i % 3);
        EXPECT_EQ(b.X, z + 1) << i;
        EXPECT_EQ(b.Y, z + 2) << i;
        EXPECT_EQ(b.Z, z + 3) << i;
    }

    l.UlozElipsoidyDoSouradnice(s, 2, 4, 3);
    ASSERT_EQ(s.bod.size(), 9u);
    EXPECT_EQ(s.bod[0].X, 101);
    EXPECT_EQ(s.bod[5].Z, 300 + 9);
    EXPECT_EQ(s.bod[8].Y, 400 + 8);
}

TEST(UlozElipsoidyDoSouradnice, CountsThatDoNotFitTheList)
{
    const Tposuny l = SeznamElipsoidu();
    Tsouradnice s;
    // only the first two records: one free one, the slots left over stay empty
    l.UlozElipsoidyDoSouradnice(s, 1, 2, 3);
    ASSERT_EQ(s.bod.size(), 9u);
    EXPECT_TRUE(s.bod[2].JePlny);
    EXPECT_FALSE(s.bod[3].JePlny);
    EXPECT_FALSE(s.bod[8].JePlny);
    // more free records than asked for: nothing is written past the table
    l.UlozElipsoidyDoSouradnice(s, 1, 4, 1);
    ASSERT_EQ(s.bod.size(), 3u);
    EXPECT_EQ(s.bod[2].cislo, "1");
    // pocet beyond the list, negative counts
    l.UlozElipsoidyDoSouradnice(s, 1, 40, 3);
    ASSERT_EQ(s.bod.size(), 9u);
    EXPECT_EQ(s.bod[8].cislo, "4");
    l.UlozElipsoidyDoSouradnice(s, 1, -1, -1);
    EXPECT_TRUE(s.bod.empty());
    // another kind: the axes are written as not set
    l.UlozElipsoidyDoSouradnice(s, 0, 4, 3);
    ASSERT_EQ(s.bod.size(), 9u);
    EXPECT_EQ(s.bod[0].X, -1);
    EXPECT_EQ(s.bod[0].Y, 0);
    EXPECT_EQ(s.bod[4].cislo, "3");
}

TEST(UlozElipsoidyDoSouradnice2, OnePointPerFreeRecord)
{
    const Tposuny l = SeznamElipsoidu();
    Tsouradnice s;
    l.UlozElipsoidyDoSouradnice2(s, 2, 4, 3);
    ASSERT_EQ(s.bod.size(), 3u);
    const char* cisla[] = {"1", "3", "4"};
    const int zaklad[] = {100, 300, 400};
    for (int j = 0; j < 3; ++j) {
        const Tbod& b = s.bod[j];
        EXPECT_TRUE(b.JePlny);
        EXPECT_EQ(b.poradi, j + 1);
        EXPECT_EQ(b.cislo, cisla[j]);
        EXPECT_EQ(b.elipsoid.a_delka, zaklad[j] + 1);
        EXPECT_EQ(b.elipsoid.c_zenit, zaklad[j] + 9);
        EXPECT_EQ(b.X, 0);
    }
    l.UlozElipsoidyDoSouradnice2(s, 1, 4, 3);
    EXPECT_EQ(s.bod[1].elipsoid.b_smernik, 30 + 5);
    l.UlozElipsoidyDoSouradnice2(s, 1, 4, 1);
    ASSERT_EQ(s.bod.size(), 1u);
    l.UlozElipsoidyDoSouradnice2(s, 1, 1, 3);
    ASSERT_EQ(s.bod.size(), 3u);
    EXPECT_TRUE(s.bod[0].JePlny);
    EXPECT_FALSE(s.bod[1].JePlny);
}

// ---------------------------------------------------------------- projections of the list

TEST(Tposuny, ProjectionListsOfTheFirstRecords)
{
    Tposuny l;
    l.PridejPosun(Posun("1", 0.003L, 0.004L, 0.012L));
    l.PridejPosun(Fixni("2", true, false));
    l.PridejPrazdnyPosun();

    Tsouradnice s;
    l.UlozOrtogonal(s, 3);
    ASSERT_EQ(s.bod.size(), 3u);
    EXPECT_EQ(s.bod[0].X, 0.003L);
    EXPECT_EQ(s.bod[0].Z, 0.012L);
    EXPECT_EQ(s.bod[1].soubor, 1);
    EXPECT_FALSE(s.bod[2].JePlny);

    l.UlozPolar(s, 2);
    ASSERT_EQ(s.bod.size(), 2u);
    EXPECT_EQ(s.bod[0].X, l.zaznam[0].hodnota.delkaS);
    EXPECT_EQ(s.bod[0].Y, l.zaznam[0].hodnota.smernik);
    EXPECT_EQ(s.bod[0].Z, l.zaznam[0].hodnota.zenit);

    l.UlozSemipolar(s, 1);
    ASSERT_EQ(s.bod.size(), 1u);
    EXPECT_EQ(s.bod[0].X, l.zaznam[0].hodnota.smernik);
    EXPECT_EQ(s.bod[0].Y, l.zaznam[0].hodnota.delkaH);
    EXPECT_EQ(s.bod[0].Z, 0.012L);

    l.UlozOrtogonal(s, 10);  // cut to the list
    EXPECT_EQ(s.bod.size(), 3u);
    l.UlozOrtogonal(s, 0);
    EXPECT_TRUE(s.bod.empty());
}

TEST(Tposuny, UlozJakoSouradniceInMillimetres)
{
    Tposuny l;
    l.PridejPosun(Posun("P1", 0.003L, -0.004L, 0.012L));
    l.PridejPrazdnyPosun();
    Tsouradnice s;
    s.PridejBod(Tbod{});
    s.PridejBod(Tbod{});
    s.PridejBod(Tbod{});
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

// Tests of the point record and the point list.
#include "points/Souradnice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "numerics/TextPole.h"

namespace sitmera {
namespace {

using Cisla_t = std::vector<std::string>;

Tbod Plny(const std::string& cislo, Extended x = 0, Extended y = 0, Extended z = 0)
{
    Tbod b;
    BodDefault(b);
    b.cislo = cislo;
    b.X = x;
    b.Y = y;
    b.Z = z;
    b.JePlny = true;
    return b;
}

Tsouradnice Seznam(const Cisla_t& cisla)
{
    Tsouradnice s;
    for (const std::string& c : cisla) s.PridejBod(Plny(c));
    return s;
}

Cisla_t Cisla(const Tsouradnice& s)
{
    Cisla_t c;
    for (const Tbod& b : s.bod) c.push_back(b.cislo);
    return c;
}

// ---------------------------------------------------------------- records

TEST(BodZaznam, BodDefaultMarksValuesNotSetAndKeepsCheckFlags)
{
    Tbod b = Plny("7", 1, 2, 3);
    b.soubor = 4;
    b.poradi = 5;
    b.JeFixni = b.JeAktiv = true;
    b.sig_X = 0.1L;
    b.elipsoid.a_smernik = 2;
    b.elipsa.a_smernik = 1;
    b.kontrola[3] = true;
    BodDefault(b);
    EXPECT_EQ(b.cislo, "");
    for (Extended v : {b.X, b.Y, b.Z, b.elipsoid.a_smernik, b.elipsoid.a_zenit, b.elipsoid.b_smernik,
                       b.elipsoid.b_zenit, b.elipsoid.c_smernik, b.elipsoid.c_zenit, b.elipsa.a_smernik})
        EXPECT_EQ(v, 0);
    for (Extended v : {b.sig_X, b.sig_Y, b.sig_Z, b.zkresleni, b.elipsoid.a_delka, b.elipsoid.b_delka,
                       b.elipsoid.c_delka, b.elipsa.a_delka, b.elipsa.b_delka})
        EXPECT_EQ(v, -1);
    EXPECT_FALSE(b.soubor || b.poradi || b.JePlny || b.JeFixni || b.JeAktiv);
    EXPECT_TRUE(b.kontrola[3]);  // the check flags survive the reset
    // BodMaChybu sees every one of the four flags.
    EXPECT_FALSE(BodMaChybu(Tbod{}));
    for (int i = 0; i < 4; ++i) {
        Tbod c{};
        c.kontrola[static_cast<std::size_t>(i)] = true;
        EXPECT_TRUE(BodMaChybu(c)) << i;
    }
}

// Order 1 gives Y first, an unknown order 0; BodZamenXY swaps coordinates
// and deviations.
TEST(BodZaznam, AxisOrderAndZamenXY)
{
    Tbod b = Plny("1", 10, 20, 30);
    b.sig_X = 1;
    b.sig_Y = 2;
    b.sig_Z = 3;
    EXPECT_EQ((std::vector<Extended>{BodPrvniSouradnice(b, 0), BodDruhaSouradnice(b, 0), BodPrvniSouradnice(b, 1),
                                     BodDruhaSouradnice(b, 1), BodPrvniSouradnice(b, 2), BodDruhaSouradnice(b, -1)}),
              (std::vector<Extended>{10, 20, 20, 10, 0, 0}));
    EXPECT_EQ((std::vector<Extended>{BodPrvniOdchylka(b, 0), BodDruhaOdchylka(b, 0), BodPrvniOdchylka(b, 1),
                                     BodDruhaOdchylka(b, 1), BodPrvniOdchylka(b, -1), BodDruhaOdchylka(b, 2)}),
              (std::vector<Extended>{1, 2, 2, 1, 0, 0}));
    BodZamenXY(b);
    EXPECT_EQ((std::vector<Extended>{b.X, b.Y, b.Z, b.sig_X, b.sig_Y, b.sig_Z}),
              (std::vector<Extended>{20, 10, 30, 2, 1, 3}));
}

// Only X, Y, Z are rounded, exact halves to even; rounding again changes
// nothing. n / 1e6 with n an exact integer is the 80-bit value nearest to the
// decimal number, the same as the literal.
TEST(BodZaokrouhlit, HandRoundedValues)
{
    struct Radek {
        int rad;
        Extended vstup, vystup;
    } const tabulka[] = {
        {0, 2.5L, 2}, {0, 3.5L, 4}, {0, -2.5L, -2}, {0, -3.5L, -4}, {0, 2.4999L, 2},
        {1, 25, 20},  {1, 35, 40},  {2, 149, 100},  {2, 151, 200},  {-1, 0.25L, 0.2L},
        {-1, 0.75L, 0.8L}, {-2, 0.125L, 0.12L}, {-6, 0, 0}, {-6, 1.23456789L, 1.234568L},
        {-6, -1.23456749L, -1.234567L}, {-6, 654321.0000005001L, 654321.000001L},
    };
    for (const Radek& r : tabulka) {
        Tbod b = Plny("1", r.vstup, r.vstup, r.vstup);
        b.sig_X = b.zkresleni = r.vstup;
        for (int k = 0; k < 2; ++k) {
            BodZaokrouhlit(b, r.rad);
            EXPECT_EQ((std::vector<Extended>{b.X, b.Y, b.Z}), std::vector<Extended>(3, r.vystup))
                << r.rad << " " << static_cast<double>(r.vstup);
            EXPECT_EQ(b.sig_X, r.vstup);
            EXPECT_EQ(b.zkresleni, r.vstup);
        }
    }
}

TEST(BodZaokrouhlit, LargeCoordinatesStayWithinHalfAMicrometre)
{
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> d(-1e7, 1e7);
    for (int i = 0; i < 2000; ++i) {
        const Extended x = static_cast<Extended>(d(gen)) + static_cast<Extended>(d(gen)) * 1e-9L;
        Tbod b = Plny("1", x);
        BodZaokrouhlit(b, -6);
        EXPECT_LE(std::fabs(b.X - x), 0.5e-6L * (1 + 1e-9L));
        // The result is a whole number of micrometres.
        const Extended n = b.X * 1e6L;
        EXPECT_NEAR(static_cast<double>(n - std::round(n)), 0.0, 1e-5);
    }
}

TEST(BodZaznam, ShodnaPolohaNeedsTwoFilledRecords)
{
    Tbod a = Plny("1", 1, 2, 3);
    Tbod b = Plny("2", 1, 2, 3);
    EXPECT_TRUE(ShodnaPolohaXYZ(a, b));
    EXPECT_TRUE(ShodnaPolohaXY(a, b));
    b.Z = 3.0000000001L;
    EXPECT_FALSE(ShodnaPolohaXYZ(a, b));
    EXPECT_TRUE(ShodnaPolohaXY(a, b));
    b.Y = 2.0000000001L;
    EXPECT_FALSE(ShodnaPolohaXY(a, b));
    b = a;
    b.JePlny = false;
    EXPECT_FALSE(ShodnaPolohaXYZ(a, b));
    EXPECT_FALSE(ShodnaPolohaXY(b, a));
}

// ---------------------------------------------------------------- size and copies

TEST(SeznamBodu, SizeAndAppending)
{
    Tsouradnice s(3);
    s.bod[0] = Plny("1", 1, 2, 3);
    s.Velikost(5);
    ASSERT_EQ(s.bod.size(), 5u);
    EXPECT_EQ(s.bod[0].cislo, "1");
    // A record added by growing has deviations 0, not -1.
    EXPECT_EQ(s.bod[4].sig_X, 0);
    EXPECT_EQ(s.bod[4].elipsoid.a_delka, 0);
    EXPECT_FALSE(s.bod[4].JePlny);
    s.Velikost(1);
    EXPECT_EQ(Cisla(s), Cisla_t{"1"});
    s.Velikost(-2);
    EXPECT_TRUE(s.bod.empty());

    Tsouradnice a = Seznam({"1"});
    a.PridejPrazdnyBod();
    EXPECT_EQ(a.bod[1].sig_X, -1);  // an appended empty record is BodDefault
    a.PridejBody2(Seznam({"2"}));
    a.PridejBody2(a);  // appending a list to itself doubles it
    EXPECT_EQ(Cisla(a), (Cisla_t{"1", "", "2", "1", "", "2"}));
}

// ---------------------------------------------------------------- reading lines

TEST(PridejBody, ReadsNumberAndCoordinates)
{
    Tsouradnice s = Seznam({"a"});
    s.PridejPrazdnyBod();
    s.PridejBody({"12 1,5 2.5 3", "  A7\t-100.25 \t 0   1e-3  "}, 4);
    ASSERT_EQ(s.bod.size(), 4u);
    const Tbod& p = s.bod[2];
    EXPECT_EQ(p.cislo, "12");
    EXPECT_EQ((std::vector<Extended>{p.X, p.Y, p.Z}), (std::vector<Extended>{1.5L, 2.5L, 3}));
    EXPECT_EQ(p.soubor, 4);
    EXPECT_EQ(p.poradi, 3);  // its index + 1
    EXPECT_TRUE(p.JePlny && !p.JeFixni && !p.JeAktiv);
    EXPECT_EQ(p.sig_X, -1);
    EXPECT_EQ(p.elipsa.a_delka, -1);
    const Tbod& q = s.bod[3];
    EXPECT_EQ(q.cislo, "A7");
    EXPECT_EQ((std::vector<Extended>{q.X, q.Y, q.Z}), (std::vector<Extended>{-100.25L, 0, TextNaCislo("1e-3")}));
    EXPECT_EQ(q.poradi, 4);
}

TEST(PridejBody, BadValueStopsAndKeepsThePointsBeforeIt)
{
    // The list grows by the line count first; the faulty line and the lines
    // after it leave unfilled records.
    Tsouradnice s = Seznam({"a"});
    EXPECT_THROW(s.PridejBody({"1 1 2 3", "2 1 x 3", "3 1 2 3"}, 1), ChybaPrevodu);
    ASSERT_EQ(s.bod.size(), 4u);
    EXPECT_EQ((std::vector<bool>{s.bod[1].JePlny, s.bod[2].JePlny, s.bod[3].JePlny}),
              (std::vector<bool>{true, false, false}));
    EXPECT_EQ(s.bod[1].cislo, "1");
    EXPECT_EQ(s.bod[3].cislo, "");
    EXPECT_EQ(s.PocetPlnychBodu(), 2);
    // A value out of the accepted magnitude stops with the silent abort.
    EXPECT_THROW(s.PridejBody({"4 1 2 3", "5 1e13 2 3"}, 1), TichePreruseni);
    ASSERT_EQ(s.bod.size(), 6u);
    EXPECT_TRUE(s.bod[4].JePlny && !s.bod[5].JePlny);
}

TEST(PridejBody, FixAndScaleVariants)
{
    Tsouradnice s;
    s.PridejBodyFix({"1 1 2 3 -1", "2 1 2 3 0", "3 1 2 3 1", "4 1 2 3 True"}, 2);
    ASSERT_EQ(s.bod.size(), 4u);
    EXPECT_EQ((std::vector<bool>{s.bod[0].JeFixni, s.bod[1].JeFixni, s.bod[2].JeFixni, s.bod[3].JeFixni}),
              (std::vector<bool>{true, false, true, true}));
    EXPECT_EQ(s.bod[3].soubor, 2);
    EXPECT_THROW(s.PridejBodyFix({"5 1 2 3 ano"}, 2), ChybaPrevodu);
    EXPECT_EQ(s.PocetPlnychBodu(), 4);

    Tsouradnice t;
    t.PridejBodyFixVse({"1 1 2 3", "2 4 5 6"}, 3, true);
    t.PridejBodyFixVse({"3 1 2 3"}, 3, false);
    EXPECT_TRUE(t.bod[0].JeFixni && t.bod[1].JeFixni && !t.bod[2].JeFixni);
    EXPECT_EQ(t.bod[1].Z, 6);

    // Scale lines hold only the number and the distortion.
    Tsouradnice m;
    m.PridejBodyMeritko({"P1 0.9996", "P2 1,0004"}, 5, true);
    ASSERT_EQ(m.bod.size(), 2u);
    EXPECT_EQ(m.bod[0].cislo, "P1");
    EXPECT_EQ(m.bod[0].zkresleni, TextNaCislo("0.9996"));
    EXPECT_EQ(m.bod[1].zkresleni, TextNaCislo("1.0004"));
    EXPECT_EQ(m.bod[0].X, 0);
    EXPECT_EQ(m.bod[0].sig_X, -1);
    EXPECT_TRUE(m.bod[0].JeFixni && m.bod[0].JePlny);
    EXPECT_EQ(m.bod[1].poradi, 2);
}

// ---------------------------------------------------------------- writing lines

Tsouradnice SeznamKZapisu()
{
    Tsouradnice s;
    Tbod a = Plny("1", 1.23456789L, -2.5L, 100);
    a.JeFixni = true;
    a.zkresleni = 0.9996L;
    Tbod b = Plny("A2", 1000000.0000004L, 0, 0.1L);
    b.JeAktiv = true;
    b.zkresleni = 1;
    s.PridejBod(a);
    s.PridejPrazdnyBod();
    s.PridejBod(b);
    return s;
}

TEST(UlozDoStringList, WritesFilledPointsWithTabs)
{
    const Tsouradnice s = SeznamKZapisu();
    TStringList r{"old line"};
    s.UlozDoStringList(r, -6, true);
    EXPECT_EQ(r, (TStringList{"1\t1.234568\t-2.5\t100", "A2\t1000000\t0\t0.1"}));
    s.UlozDoStringList(r, -6, false);
    EXPECT_EQ(r, (TStringList{"1\t1.23456789\t-2.5\t100", "A2\t1000000.0000004\t0\t0.1"}));
}

TEST(UlozDoStringList, FixVariantsAppendFlags)
{
    const Tsouradnice s = SeznamKZapisu();
    TStringList r{"head"};
    s.UlozDoStringListFix(r, -6, true);
    EXPECT_EQ(r, (TStringList{"head", "1\t1.234568\t-2.5\t100\t-1", "A2\t1000000\t0\t0.1\t0"}));
    r.clear();
    s.UlozDoStringListFixAktiv(r, -6, true);
    s.UlozDoStringListFixAktiv(r, -6, true);
    EXPECT_EQ(r, (TStringList{"1\t1.234568\t-2.5\t100\t-1\t0", "A2\t1000000\t0\t0.1\t0\t-1",
                              "1\t1.234568\t-2.5\t100\t-1\t0", "A2\t1000000\t0\t0.1\t0\t-1"}));
    r = {"head"};
    s.UlozDoStringListMeritko(r);
    EXPECT_EQ(r, (TStringList{"head", "1\t0.9996", "A2\t1"}));
}

TEST(UlozDoStringList, FixLinesReadBackToTheSamePoints)
{
    std::mt19937_64 gen(3);
    std::uniform_real_distribution<double> d(-5e5, 5e5);
    Tsouradnice s;
    for (int i = 0; i < 200; ++i) {
        Tbod b = Plny(std::to_string(i * 7), d(gen), d(gen), d(gen) / 1000);
        b.JeFixni = (i % 3) == 0;
        s.PridejBod(b);
    }
    s.ZaokrouhlitSouradnice(-6);
    TStringList r;
    s.UlozDoStringListFix(r, -6, true);
    Tsouradnice t;
    t.PridejBodyFix(r, 9);
    ASSERT_EQ(t.bod.size(), s.bod.size());
    for (std::size_t i = 0; i < s.bod.size(); ++i) {
        EXPECT_EQ(t.bod[i].cislo, s.bod[i].cislo);
        EXPECT_EQ(t.bod[i].X, s.bod[i].X) << i;
        EXPECT_EQ(t.bod[i].Y, s.bod[i].Y) << i;
        EXPECT_EQ(t.bod[i].Z, s.bod[i].Z) << i;
        EXPECT_EQ(t.bod[i].JeFixni, s.bod[i].JeFixni);
    }
}

// ---------------------------------------------------------------- sorting

// The reference order: std::stable_sort by the field each code names.
bool ReferencniMensi(const Tbod& a, const Tbod& b, int kod)
{
    if (kod == 1) return TextMensi(a.cislo, b.cislo);
    if (kod == 13) return a.soubor < b.soubor;
    if (kod == 14) return a.poradi < b.poradi;
    // The real field each remaining sort code reads.
    auto pole = [kod](const Tbod& t) {
        const Extended* p[20] = {nullptr, nullptr, &t.X, &t.Y, &t.Z, &t.sig_X, &t.sig_Y, &t.sig_Z,
                                 &t.elipsoid.a_delka, &t.elipsoid.a_smernik, &t.elipsoid.a_zenit,
                                 &t.elipsoid.b_delka, &t.elipsoid.b_smernik, nullptr, nullptr,
                                 &t.elipsoid.b_zenit, &t.elipsoid.c_delka, &t.elipsoid.c_smernik,
                                 &t.elipsoid.c_zenit, &t.zkresleni};
        return *p[kod];
    };
    return pole(a) < pole(b);
}

// Records with few distinct values in every field, so that ties are many;
// each field drawn independently, so a code reading the wrong field shows.
Tsouradnice NahodnySeznam(std::mt19937_64& gen, int n)
{
    std::uniform_int_distribution<int> male(0, 4);
    const char* cisla[] = {"9", "10", "A", "A1", "100", "B", "1", "2"};
    Tsouradnice s;
    for (int i = 0; i < n; ++i) {
        Tbod b{};
        b.JePlny = (i % 5) != 0;  // empty records take part
        b.cislo = cisla[male(gen) + 3 * (i % 2)];
        b.soubor = male(gen) * 5 - 7;
        b.poradi = male(gen) - 2;
        Extended* pole[] = {&b.X, &b.Y, &b.Z, &b.sig_X, &b.sig_Y, &b.sig_Z, &b.zkresleni,
                            &b.elipsoid.a_delka, &b.elipsoid.a_smernik, &b.elipsoid.a_zenit,
                            &b.elipsoid.b_delka, &b.elipsoid.b_smernik, &b.elipsoid.b_zenit,
                            &b.elipsoid.c_delka, &b.elipsoid.c_smernik, &b.elipsoid.c_zenit};
        for (Extended* p : pole) *p = (male(gen) - 2) * 0.5L;
        b.elipsa.a_delka = i;  // identity of the record
        s.PridejBod(b);
    }
    return s;
}

TEST(Razeni, EveryCodeMatchesTheStableReferenceOrder)
{
    std::mt19937_64 gen(11);
    for (int kod = 1; kod <= 19; ++kod) {
        for (int n : {2, 3, 17, 60}) {
            Tsouradnice s = NahodnySeznam(gen, n);
            std::vector<Tbod> ocekavane = s.bod;
            std::stable_sort(ocekavane.begin(), ocekavane.end(),
                             [kod](const Tbod& a, const Tbod& b) { return ReferencniMensi(a, b, kod); });
            s.Sort(kod);
            ASSERT_EQ(s.bod.size(), ocekavane.size());
            for (std::size_t i = 0; i < ocekavane.size(); ++i)
                ASSERT_EQ(s.bod[i].elipsa.a_delka, ocekavane[i].elipsa.a_delka)
                    << "code " << kod << " n " << n << " at " << i;
        }
    }
}

TEST(Razeni, HandSortedLists)
{
    // Point numbers: shorter first.
    Tsouradnice s = Seznam({"10", "A", "9", "A1", "100", "B", "09"});
    s.Sort(1);
    EXPECT_EQ(Cisla(s), (Cisla_t{"9", "A", "B", "09", "10", "A1", "100"}));

    // Equal keys keep their order, also when sorted again.
    Tsouradnice t;
    const Extended x[] = {2, 1, 2, 1, 0, 2};
    for (int i = 0; i < 6; ++i) t.PridejBod(Plny("p" + std::to_string(i), x[i]));
    for (int k = 0; k < 2; ++k) {
        t.Sort(2);
        EXPECT_EQ(Cisla(t), (Cisla_t{"p4", "p1", "p3", "p0", "p2", "p5"}));
    }

    // Not a number does not break the sort.
    Tsouradnice n;
    const Extended xn[] = {3, NAN, 1, 2, NAN, 0};
    for (int i = 0; i < 6; ++i) n.PridejBod(Plny(std::to_string(i), xn[i]));
    n.Sort(2);
    EXPECT_EQ(Cisla(n), (Cisla_t{"5", "2", "3", "0", "1", "4"}));

    // Unknown codes and lists of fewer than two records change nothing.
    for (int kod : {0, 20, -1, 1000}) {
        n.Sort(kod);
        EXPECT_EQ(Cisla(n), (Cisla_t{"5", "2", "3", "0", "1", "4"})) << kod;
    }
    Tsouradnice jeden = Seznam({"5"}), prazdny;
    jeden.Sort(1);
    prazdny.Sort(1);
    EXPECT_EQ(Cisla(jeden), Cisla_t{"5"});
    EXPECT_TRUE(prazdny.bod.empty());

    // Max sorts and returns the last record; a BodDefault record for no records.
    Tsouradnice m = Seznam({"a", "b", "c"});
    m.bod[0].X = 5;
    m.bod[1].X = 7;
    m.bod[2].X = 6;
    EXPECT_EQ(m.Max(2).cislo, "b");
    EXPECT_EQ(Cisla(m), (Cisla_t{"a", "c", "b"}));
    EXPECT_FALSE(prazdny.Max(2).JePlny);
    EXPECT_EQ(prazdny.Max(2).sig_X, -1);
}

// ---------------------------------------------------------------- transformation

TEST(Transformuj, RotatesAndTranslatesFilledPointsMalformedMatricesChangeNothing)
{
    Tsouradnice s;
    s.PridejBod(Plny("1", 1, 2, 3));
    Tbod prazdny{};
    prazdny.X = 1;
    s.PridejBod(prazdny);
    const Tmatrix I = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    EXPECT_THROW(s.Transformuj(Tmatrix{}, I), ChybaArgumentu);
    EXPECT_THROW(s.Transformuj(Tmatrix{{1}, {2}}, I), ChybaArgumentu);
    EXPECT_THROW(s.Transformuj(Tmatrix{{1}, {2}, {3}}, Tmatrix{{1, 0}, {0, 1}}), ChybaArgumentu);
    EXPECT_THROW(s.Transformuj(Tmatrix{{1}, {2}, {3}}, Tmatrix{}), ChybaArgumentu);
    EXPECT_EQ((std::vector<Extended>{s.bod[0].X, s.bod[0].Y, s.bod[0].Z}), (std::vector<Extended>{1, 2, 3}));

    // Frame rotation about Z by 90 degrees: (x, y, z) -> (y, -x, z).
    s.Transformuj(Tmatrix{{10}, {20}, {30}}, Tmatrix{{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}});
    EXPECT_EQ((std::vector<Extended>{s.bod[0].X, s.bod[0].Y, s.bod[0].Z}), (std::vector<Extended>{12, 19, 33}));
    EXPECT_EQ(s.bod[1].X, 1);  // empty records are left alone
}

// ---------------------------------------------------------------- empty records

TEST(PrazdneZaznamy, VyprazdniZaznamDlePoradi)
{
    Tsouradnice s;
    s.PridejBod(Plny("1", 1, 2, 3));
    s.PridejBod(Plny("2"));
    s.VyprazdniZaznamDlePoradi(0);
    EXPECT_FALSE(s.bod[0].JePlny);
    EXPECT_EQ(s.bod[0].cislo, "");
    EXPECT_EQ(s.bod[0].sig_X, -1);
    EXPECT_EQ(s.bod.size(), 2u);
    EXPECT_THROW(s.VyprazdniZaznamDlePoradi(2), TichePreruseni);
    EXPECT_THROW(s.VyprazdniZaznamDlePoradi(-1), TichePreruseni);
    Tsouradnice prazdny;
    EXPECT_THROW(prazdny.VyprazdniZaznamDlePoradi(0), TichePreruseni);
}

TEST(PrazdneZaznamy, SmazPrazdneZaznamyAllOrAtTheEnd)
{
    Tsouradnice s;
    s.PridejPrazdnyBod();
    s.PridejBod(Plny("1"));
    s.PridejPrazdnyBod();
    s.PridejBod(Plny("2"));
    s.PridejPrazdnyBod();
    s.PridejPrazdnyBod();
    Tsouradnice t = s;
    t.SmazPrazdneZaznamy();
    EXPECT_EQ(Cisla(t), (Cisla_t{"1", "2"}));
    EXPECT_TRUE(s.SmazPrazdneZaznamyNaKonci());
    EXPECT_EQ(Cisla(s), (Cisla_t{"", "1", "", "2"}));
    EXPECT_FALSE(s.SmazPrazdneZaznamyNaKonci());
    EXPECT_EQ(s.bod.size(), 4u);

    Tsouradnice jenPrazdne(3);
    EXPECT_TRUE(jenPrazdne.SmazPrazdneZaznamyNaKonci());
    EXPECT_TRUE(jenPrazdne.bod.empty());
    EXPECT_FALSE(jenPrazdne.SmazPrazdneZaznamyNaKonci());
}

// SeraditPoradi numbers the filled points only; ZrusFixaci and
// ZaokrouhlitSouradnice touch every record.
TEST(PrazdneZaznamy, WholeListOperations)
{
    Tsouradnice s;
    Tbod a = Plny("a", 0.1234564L, 0.1234566L, 2);
    a.JeFixni = true;
    a.poradi = 7;
    Tbod prazdny{};
    prazdny.poradi = 42;
    prazdny.JeFixni = true;
    prazdny.X = 0.0000016L;
    s.PridejBod(a);
    s.PridejBod(prazdny);
    s.PridejBod(Plny("b"));
    s.SeraditPoradi();
    EXPECT_EQ((std::vector<int>{s.bod[0].poradi, s.bod[1].poradi, s.bod[2].poradi}), (std::vector<int>{1, 42, 2}));
    s.ZrusFixaci();
    EXPECT_FALSE(s.bod[0].JeFixni || s.bod[1].JeFixni);
    s.ZaokrouhlitSouradnice(-6);
    EXPECT_EQ(s.bod[0].X, 0.123456L);
    EXPECT_EQ(s.bod[0].Y, 0.123457L);
    EXPECT_EQ(s.bod[1].X, 0.000002L);
}

// ---------------------------------------------------------------- lookups

TEST(Hledani, ExactNumbersFirstFilledPoint)
{
    Tsouradnice s;
    s.PridejBod(Plny("1", 1));
    s.PridejPrazdnyBod();
    s.PridejBod(Plny("01", 2));
    s.PridejBod(Plny("A", 3));
    s.PridejBod(Plny("1", 4));  // repeated number

    EXPECT_EQ(s.BodSCislem("1").X, 1);
    EXPECT_EQ(s.BodSCislem("01").X, 2);
    EXPECT_EQ(s.BodSCislem("a").JePlny, false);
    const Tbod nic = s.BodSCislem("1 ");
    EXPECT_FALSE(nic.JePlny);
    EXPECT_EQ(nic.sig_X, -1);
    EXPECT_EQ(nic.cislo, "");
    // An empty record is no point, even though its number is empty.
    EXPECT_FALSE(s.ExitujeBod(""));
    EXPECT_TRUE(s.ExitujeBod("A"));
    EXPECT_FALSE(s.ExitujeBod("B"));

    struct Radek {
        const char* cislo;
        bool nalezen;
        int poradi;
    } const jednotlive[] = {{"A", true, 3}, {"1", true, 0}, {"B", false, -1}, {"", false, -1}};
    for (const Radek& r : jednotlive) {
        int i = 99;
        EXPECT_EQ(s.PoradiBodu(r.cislo, i), r.nalezen) << r.cislo;
        EXPECT_EQ(i, r.poradi) << r.cislo;
    }

    struct Dvojice {
        const char *c1, *c2;
        bool obe;
        int a, b;
    } const dvojice[] = {{"A", "1", true, 3, 0}, {"01", "X", false, 2, -1}, {"X", "Y", false, -1, -1},
                         {"1", "1", true, 0, 0}};
    for (const Dvojice& r : dvojice) {
        int a = 99, b = 99;
        EXPECT_EQ(s.PoradiDvojiceBodu(r.c1, r.c2, a, b), r.obe) << r.c1 << r.c2;
        EXPECT_EQ(a, r.a) << r.c1 << r.c2;
        EXPECT_EQ(b, r.b) << r.c1 << r.c2;
    }
    int a = 99, b = 99;
    EXPECT_FALSE(Tsouradnice().PoradiDvojiceBodu("1", "2", a, b));
    EXPECT_EQ(a, -1);
    EXPECT_EQ(b, -1);
}

TEST(UsporadaneHledani, ResultsAndCursor)
{
    const Tsouradnice s = Seznam({"1", "2", "5", "9", "10", "A1", "100"});
    const int konec = 6;
    struct Radek {
        const char* cislo;
        int pocatek;
        int vysledek;
        int novyPocatek;
    } const tabulka[] = {
        {"5", 0, 2, 2},     {"3", 0, 3, 2},      {"1000", 0, 1, 7}, {"9", 0, 2, 3},
        {"10", 0, 2, 4},    {"A1", 0, 2, 5},     {"99", 0, 3, 5},   {"0", 0, 3, 0},
        {"5", 3, 3, 3},     {"100", 6, 2, 6},    {"B", 4, 3, 4},
        // "9" comes before "10" in the list's order; a plain text comparison
        // would call "9" greater than "10" and miss it here.
        {"9", 4, 3, 4},
    };
    for (const Radek& r : tabulka) {
        int p = r.pocatek;
        EXPECT_EQ(s.PoradiBoduSCislem(r.cislo, p, konec), r.vysledek) << r.cislo;
        EXPECT_EQ(p, r.novyPocatek) << r.cislo;
    }
    // An empty range gives 1 and cursor 0.
    int p = 0;
    EXPECT_EQ(Tsouradnice().PoradiBoduSCislem("1", p, -1), 1);
    EXPECT_EQ(p, 0);
    p = 1;
    EXPECT_EQ(Seznam({"1"}).PoradiBoduSCislem("1", p, 0), 1);
    EXPECT_EQ(p, 0);
}

// ---------------------------------------------------------------- counting

TEST(Pocty, CountsByFlags)
{
    // Filled: fixed and active, active, neither; an empty record carrying
    // stale flags; an empty record.
    Tsouradnice s = Seznam({"1", "2", "3", ""});
    s.bod[0].JeFixni = s.bod[0].JeAktiv = s.bod[1].JeAktiv = true;
    s.bod[3] = Tbod{};
    s.bod[3].JeFixni = s.bod[3].JeAktiv = true;
    s.PridejPrazdnyBod();
    // The "without" counts include empty records.
    EXPECT_EQ((std::vector<int>{s.PocetPlnychBodu(), s.PocetFixnichBodu(), s.PocetAktivBodu(),
                                s.PocetNefixnichBodu(), s.PocetNeaktivBodu()}),
              (std::vector<int>{3, 1, 2, 3, 2}));
    EXPECT_TRUE(s.ExistujePlnyBod() && s.ExistujeAktivBod());

    Tsouradnice jenPrazdne;
    jenPrazdne.PridejBod(s.bod[3]);
    EXPECT_FALSE(jenPrazdne.ExistujePlnyBod() || jenPrazdne.ExistujeAktivBod());
    EXPECT_EQ(jenPrazdne.PocetAktivBodu(), 0);
    EXPECT_EQ(jenPrazdne.PocetNeaktivBodu(), 0);
    EXPECT_EQ(Tsouradnice().PocetPlnychBodu(), 0);
    EXPECT_EQ(Tsouradnice().PocetNefixnichBodu(), 0);
}

// ---------------------------------------------------------------- display copies

TEST(ZobrazeniOdchylek, KopirujVyrovnaneScalesDeviationsOfTheDeterminedPoints)
{
    Tsouradnice epocha;
    for (int i = 0; i < 3; ++i) {
        Tbod b = Plny(std::to_string(i), i, i, i);
        b.sig_X = 0.001L * (i + 1);
        b.sig_Y = 0.002L;
        if (i < 2) b.sig_Z = 0.003L;  // point 2: sig_Z and c_delka not set (-1)
        b.elipsoid.a_delka = 0.004L;
        b.elipsoid.a_smernik = 1.5L;
        b.elipsoid.b_delka = 0.002L;
        if (i < 2) b.elipsoid.c_delka = 0.001L;
        b.elipsa.a_delka = 0.5L;
        epocha.PridejBod(b);
    }
    Tsouradnice okno = Seznam({"stale"});
    okno.KopirujVyrovnaneProZobrazeni(epocha, 2.5L, 2);
    ASSERT_EQ(okno.bod.size(), 2u);
    const Tbod& b = okno.bod[1];
    EXPECT_EQ(b.cislo, "1");
    EXPECT_EQ(b.X, 1);
    EXPECT_EQ((std::vector<Extended>{b.sig_X, b.sig_Y, b.sig_Z, b.elipsoid.a_delka, b.elipsoid.b_delka,
                                     b.elipsoid.c_delka}),
              (std::vector<Extended>{0.002L * 2.5L, 0.002L * 2.5L, 0.003L * 2.5L, 0.004L * 2.5L,
                                     0.002L * 2.5L, 0.001L * 2.5L}));
    EXPECT_EQ(b.elipsoid.a_smernik, 1.5L);  // angles unchanged
    EXPECT_EQ(b.elipsa.a_delka, 0.5L);      // ellipse not scaled
    EXPECT_EQ(epocha.bod[1].sig_X, 0.002L);  // the source is untouched

    okno.KopirujVyrovnaneProZobrazeni(epocha, 1.7L, 10);  // count cut to the list
    ASSERT_EQ(okno.bod.size(), 3u);
    EXPECT_EQ(okno.bod[2].sig_X, epocha.bod[2].sig_X * 1.7L);
    EXPECT_EQ(okno.bod[2].sig_Z, -1);  // values not set stay not set
    EXPECT_EQ(okno.bod[2].elipsoid.c_delka, -1);
    okno.KopirujVyrovnaneProZobrazeni(epocha, 1, 0);
    EXPECT_TRUE(okno.bod.empty());
}

TEST(ZobrazeniOdchylek, ElipsoidRowsThreePerPoint)
{
    Tsouradnice vstup;
    for (int k = 0; k < 2; ++k) {
        Tbod b = Plny("P" + std::to_string(k), 100, 200, 300);
        b.poradi = 17;
        b.soubor = 3;
        b.elipsoid = {0.004L + k, 0.1L, 1.1L, 0.003L + k, 0.2L, 1.2L, 0.002L + k, 0.3L, 1.3L};
        vstup.PridejBod(b);
    }
    Tbod nenastaveny = Plny("N");  // BodDefault: lengths not set
    vstup.PridejBod(nenastaveny);
    vstup.PridejBod(Plny("not shown"));
    Tsouradnice okno;
    okno.UlozeniElipsoiduDoSouradnice(vstup, 2, 3);
    ASSERT_EQ(okno.bod.size(), 9u);
    const Extended delky[3] = {0.004L, 0.003L, 0.002L}, smerniky[3] = {0.1L, 0.2L, 0.3L},
                   zenity[3] = {1.1L, 1.2L, 1.3L};
    for (int k = 0; k < 2; ++k) {
        for (int j = 0; j < 3; ++j) {
            const Tbod& r = okno.bod[static_cast<std::size_t>(3 * k + j)];
            EXPECT_EQ(r.cislo, "P" + std::to_string(k));
            EXPECT_EQ(r.poradi, 3 * k);
            EXPECT_EQ(r.soubor, 3);
            EXPECT_TRUE(r.JePlny);
            EXPECT_EQ(r.X, (delky[j] + k) * 2) << k << j;
            EXPECT_EQ(r.Y, smerniky[j]) << k << j;
            EXPECT_EQ(r.Z, zenity[j]) << k << j;
        }
    }
    EXPECT_EQ(okno.bod[6].X, -1);
    EXPECT_EQ(okno.bod[8].X, -1);
    okno.UlozeniElipsoiduDoSouradnice(vstup, 2, 9);
    EXPECT_EQ(okno.bod.size(), 12u);
}

TEST(ZobrazeniOdchylek, PrirustkyAreAdjustedMinusApproximate)
{
    Tsouradnice vyr, pribl;
    vyr.PridejBod(Plny("1", 10.5L, 20.25L, 5));
    vyr.PridejBod(Plny("2", 1, 2, 3));
    vyr.PridejBod(Plny("3", 7, 7, 7));
    pribl.PridejBod(Plny("1", 10, 20, 5.5L));
    pribl.PridejBod(Plny("2", 1, 2, 3));
    Tsouradnice d;
    d.Prirustky(vyr, pribl, 2);
    ASSERT_EQ(d.bod.size(), 2u);
    EXPECT_EQ(d.bod[0].cislo, "1");
    EXPECT_EQ((std::vector<Extended>{d.bod[0].X, d.bod[0].Y, d.bod[0].Z, d.bod[1].X}),
              (std::vector<Extended>{0.5L, 0.25L, -0.5L, 0}));
    d.Prirustky(vyr, pribl, 3);  // cut to the shorter list
    EXPECT_EQ(d.bod.size(), 2u);
}

// ---------------------------------------------------------------- moving and inserting

TEST(Presun, PosunZaznam)
{
    Tsouradnice s = Seznam({"a", "b", "c"});
    s.PridejPrazdnyBod();
    // Steps on the same list, one after the other.
    struct Krok {
        int i;
        bool nahoru;
        int noveI;
        Cisla_t seznam;
    } const kroky[] = {
        {1, true, 0, {"b", "a", "c", ""}},
        {0, true, 0, {"b", "a", "c", ""}},   // up on record 0: nothing
        {0, false, 1, {"a", "b", "c", ""}},
        {2, false, 2, {"a", "b", "c", ""}},  // towards an empty record: nothing
        {3, false, 3, {"a", "b", "c", ""}},  // down on the last record: nothing
        {3, true, 2, {"a", "b", "", "c"}},   // the empty record moves up past a filled one
        {3, true, 3, {"a", "b", "", "c"}},   // towards an empty record: nothing
        {7, true, 7, {"a", "b", "", "c"}},   // outside the list: nothing
        {-1, false, -1, {"a", "b", "", "c"}},
    };
    for (const Krok& k : kroky) {
        int i = k.i;
        s.PosunZaznam(i, k.nahoru);
        EXPECT_EQ(i, k.noveI) << k.i << " " << k.nahoru;
        EXPECT_EQ(Cisla(s), k.seznam) << k.i << " " << k.nahoru;
    }
    Tsouradnice jeden = Seznam({"x"});
    int i = 0;
    jeden.PosunZaznam(i, false);
    EXPECT_EQ(i, 0);
}

TEST(Presun, VlozitBodNaPoradi)
{
    Tsouradnice s = Seznam({"a", "b"});
    s.VlozitBodNaPoradi(Plny("x"), 0);
    EXPECT_EQ(Cisla(s), (Cisla_t{"x", "a", "b"}));
    s.VlozitBodNaPoradi(Plny("y"), 2);
    EXPECT_EQ(Cisla(s), (Cisla_t{"x", "a", "y", "b"}));
    s.VlozitBodNaPoradi(s.bod[3], 0);  // a record of the list itself
    EXPECT_EQ(Cisla(s), (Cisla_t{"b", "x", "a", "y", "b"}));
    EXPECT_THROW(s.VlozitBodNaPoradi(Plny("z"), 5), TichePreruseni);
    EXPECT_THROW(s.VlozitBodNaPoradi(Plny("z"), -1), TichePreruseni);
    EXPECT_EQ(s.bod.size(), 5u);
    Tsouradnice prazdny;
    EXPECT_THROW(prazdny.VlozitBodNaPoradi(Plny("z"), 0), TichePreruseni);
    EXPECT_TRUE(prazdny.bod.empty());
}

}  // namespace
}  // namespace sitmera

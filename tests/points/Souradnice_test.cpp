// Tests of the point record and the point list.
#include "points/Souradnice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "numerics/TextPole.h"

namespace sitmera {
namespace {

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

std::vector<std::string> Cisla(const Tsouradnice& s)
{
    std::vector<std::string> c;
    for (const Tbod& b : s.bod) c.push_back(b.cislo);
    return c;
}

// ---------------------------------------------------------------- records

TEST(BodZaznam, ZeroInitialisedRecordIsAllZero)
{
    const Tbod b{};
    EXPECT_EQ(b.soubor, 0);
    EXPECT_EQ(b.poradi, 0);
    EXPECT_TRUE(b.cislo.empty());
    for (Extended v : {b.X, b.Y, b.Z, b.sig_X, b.sig_Y, b.sig_Z, b.zkresleni, b.elipsoid.a_delka,
                       b.elipsoid.c_zenit, b.elipsa.a_delka, b.elipsa.b_delka, b.elipsa.a_smernik})
        EXPECT_EQ(v, 0);
    EXPECT_FALSE(b.JePlny || b.JeFixni || b.JeAktiv || BodMaChybu(b));
}

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
    EXPECT_EQ(b.soubor, 0);
    EXPECT_EQ(b.poradi, 0);
    EXPECT_EQ(b.cislo, "");
    EXPECT_EQ(b.X, 0);
    EXPECT_EQ(b.Y, 0);
    EXPECT_EQ(b.Z, 0);
    for (Extended v : {b.sig_X, b.sig_Y, b.sig_Z, b.zkresleni, b.elipsoid.a_delka, b.elipsoid.b_delka,
                       b.elipsoid.c_delka, b.elipsa.a_delka, b.elipsa.b_delka})
        EXPECT_EQ(v, -1);
    for (Extended v : {b.elipsoid.a_smernik, b.elipsoid.a_zenit, b.elipsoid.b_smernik,
                       b.elipsoid.b_zenit, b.elipsoid.c_smernik, b.elipsoid.c_zenit, b.elipsa.a_smernik})
        EXPECT_EQ(v, 0);
    EXPECT_FALSE(b.JePlny || b.JeFixni || b.JeAktiv);
    // The check flags survive the reset.
    EXPECT_TRUE(b.kontrola[3]);
    EXPECT_TRUE(BodMaChybu(b));
    b.kontrola[3] = false;
    EXPECT_FALSE(BodMaChybu(b));
}

TEST(BodZaznam, BodMaChybuSeesEveryCheckFlag)
{
    for (int i = 0; i < 4; ++i) {
        Tbod b{};
        b.kontrola[static_cast<std::size_t>(i)] = true;
        EXPECT_TRUE(BodMaChybu(b)) << i;
    }
}

TEST(BodZaznam, ZamenXYSwapsCoordinatesAndDeviations)
{
    Tbod b = Plny("1", 1, 2, 3);
    b.sig_X = 0.1L;
    b.sig_Y = 0.2L;
    b.sig_Z = 0.3L;
    BodZamenXY(b);
    EXPECT_EQ(b.X, 2);
    EXPECT_EQ(b.Y, 1);
    EXPECT_EQ(b.Z, 3);
    EXPECT_EQ(b.sig_X, 0.2L);
    EXPECT_EQ(b.sig_Y, 0.1L);
    EXPECT_EQ(b.sig_Z, 0.3L);
}

TEST(BodZaznam, AxisOrderPicksCoordinates)
{
    Tbod b = Plny("1", 10, 20, 30);
    b.sig_X = 1;
    b.sig_Y = 2;
    struct Radek {
        int poradi;
        Extended prvni, druha, prvniOdch, druhaOdch;
    } const tabulka[] = {{0, 10, 20, 1, 2}, {1, 20, 10, 2, 1}, {2, 0, 0, 0, 0}, {-1, 0, 0, 0, 0}};
    for (const Radek& r : tabulka) {
        EXPECT_EQ(BodPrvniSouradnice(b, r.poradi), r.prvni) << r.poradi;
        EXPECT_EQ(BodDruhaSouradnice(b, r.poradi), r.druha) << r.poradi;
        EXPECT_EQ(BodPrvniOdchylka(b, r.poradi), r.prvniOdch) << r.poradi;
        EXPECT_EQ(BodDruhaOdchylka(b, r.poradi), r.druhaOdch) << r.poradi;
    }
}

TEST(BodZaznam, ZaokrouhlitRoundsOnlyCoordinates)
{
    Tbod b = Plny("1", 1.23456789L, -1.23456749L, 654321.0000005001L);
    b.sig_X = 0.123456789L;
    b.zkresleni = 1.000000123456L;
    BodZaokrouhlit(b, -6);
    // n / 1e6 with n an exact integer is the 80-bit value nearest to the
    // decimal number, the same as the literal.
    EXPECT_EQ(b.X, 1.234568L);
    EXPECT_EQ(b.Y, -1.234567L);
    EXPECT_EQ(b.Z, 654321.000001L);
    EXPECT_EQ(b.sig_X, 0.123456789L);
    EXPECT_EQ(b.zkresleni, 1.000000123456L);
    // Rounding again changes nothing.
    const Tbod kopie = b;
    BodZaokrouhlit(b, -6);
    EXPECT_EQ(b.X, kopie.X);
    EXPECT_EQ(b.Y, kopie.Y);
    EXPECT_EQ(b.Z, kopie.Z);
}

TEST(BodZaokrouhlit, ExactHalvesGoToEven)
{
    struct Radek {
        int rad;
        Extended vstup, vystup;
    } const tabulka[] = {
        {0, 2.5L, 2}, {0, 3.5L, 4}, {0, -2.5L, -2}, {0, -3.5L, -4}, {0, 2.4999L, 2},
        {1, 25, 20},  {1, 35, 40},  {2, 149, 100},  {2, 151, 200},  {-1, 0.25L, 0.2L},
        {-1, 0.75L, 0.8L}, {-2, 0.125L, 0.12L}, {-6, 0, 0},
    };
    for (const Radek& r : tabulka) {
        Tbod b = Plny("1", r.vstup, r.vstup, r.vstup);
        BodZaokrouhlit(b, r.rad);
        EXPECT_EQ(b.X, r.vystup) << r.rad << " " << static_cast<double>(r.vstup);
        EXPECT_EQ(b.Z, r.vystup);
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

TEST(SeznamBodu, CreateAndVelikostGiveZeroedRecords)
{
    Tsouradnice s(3);
    ASSERT_EQ(s.bod.size(), 3u);
    s.bod[0] = Plny("1", 1, 2, 3);
    s.Velikost(5);
    ASSERT_EQ(s.bod.size(), 5u);
    EXPECT_EQ(s.bod[0].cislo, "1");
    // A record added by growing has deviations 0, not -1.
    EXPECT_EQ(s.bod[4].sig_X, 0);
    EXPECT_EQ(s.bod[4].elipsoid.a_delka, 0);
    EXPECT_FALSE(s.bod[4].JePlny);
    s.Velikost(1);
    ASSERT_EQ(s.bod.size(), 1u);
    EXPECT_EQ(s.bod[0].cislo, "1");
    s.Velikost(-2);
    EXPECT_TRUE(s.bod.empty());
    s.Velikost(2);
    s.Clear();
    EXPECT_TRUE(s.bod.empty());
}

TEST(SeznamBodu, KopirujIsDeep)
{
    Tsouradnice a;
    a.PridejBod(Plny("1", 1, 2, 3));
    Tsouradnice b;
    b.PridejBod(Plny("x"));
    b.PridejBod(Plny("y"));
    b.Kopiruj(a);
    ASSERT_EQ(b.bod.size(), 1u);
    b.bod[0].cislo = "changed";
    b.bod[0].X = 9;
    EXPECT_EQ(a.bod[0].cislo, "1");
    EXPECT_EQ(a.bod[0].X, 1);
    a.Kopiruj(a);
    EXPECT_EQ(a.bod.size(), 1u);
}

TEST(SeznamBodu, AppendingRecords)
{
    Tsouradnice s;
    s.PridejBod(Plny("1"));
    s.PridejPrazdnyBod();
    ASSERT_EQ(s.bod.size(), 2u);
    EXPECT_FALSE(s.bod[1].JePlny);
    EXPECT_EQ(s.bod[1].sig_X, -1);
    Tsouradnice t;
    t.PridejBod(Plny("2"));
    s.PridejBody2(t);
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"1", "", "2"}));
    s.PridejBody2(s);  // appending a list to itself doubles it
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"1", "", "2", "1", "", "2"}));
}

// ---------------------------------------------------------------- reading lines

TEST(PridejBody, ReadsNumberAndCoordinates)
{
    Tsouradnice s;
    s.PridejBod(Plny("a"));
    s.PridejPrazdnyBod();
    s.PridejBody({"12 1,5 2.5 3", "  A7\t-100.25 \t 0   1e-3  "}, 4);
    ASSERT_EQ(s.bod.size(), 4u);
    const Tbod& p = s.bod[2];
    EXPECT_EQ(p.cislo, "12");
    EXPECT_EQ(p.X, 1.5L);
    EXPECT_EQ(p.Y, 2.5L);
    EXPECT_EQ(p.Z, 3);
    EXPECT_EQ(p.soubor, 4);
    EXPECT_EQ(p.poradi, 3);  // its index + 1
    EXPECT_TRUE(p.JePlny);
    EXPECT_FALSE(p.JeFixni);
    EXPECT_FALSE(p.JeAktiv);
    EXPECT_EQ(p.sig_X, -1);
    EXPECT_EQ(p.elipsa.a_delka, -1);
    const Tbod& q = s.bod[3];
    EXPECT_EQ(q.cislo, "A7");
    EXPECT_EQ(q.X, -100.25L);
    EXPECT_EQ(q.Y, 0);
    EXPECT_EQ(q.Z, TextNaCislo("1e-3"));
    EXPECT_EQ(q.poradi, 4);
}

TEST(PridejBody, BadValueStopsAndKeepsThePointsBeforeIt)
{
    Tsouradnice s;
    s.PridejBod(Plny("a"));
    EXPECT_THROW(s.PridejBody({"1 1 2 3", "2 1 x 3", "3 1 2 3"}, 1), ChybaPrevodu);
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"a", "1"}));
    EXPECT_TRUE(s.bod[1].JePlny);
    // A value out of the accepted magnitude stops with the silent abort.
    EXPECT_THROW(s.PridejBody({"4 1 2 3", "5 1e13 2 3"}, 1), TichePreruseni);
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"a", "1", "4"}));
    // A line too short fails as well, nothing of it is appended.
    EXPECT_THROW(s.PridejBody({"6 1 2"}, 1), ChybaPrevodu);
    EXPECT_EQ(s.bod.size(), 3u);
}

TEST(PridejBody, FixVariants)
{
    Tsouradnice s;
    s.PridejBodyFix({"1 1 2 3 -1", "2 1 2 3 0", "3 1 2 3 1", "4 1 2 3 True"}, 2);
    ASSERT_EQ(s.bod.size(), 4u);
    EXPECT_TRUE(s.bod[0].JeFixni);
    EXPECT_FALSE(s.bod[1].JeFixni);
    EXPECT_TRUE(s.bod[2].JeFixni);
    EXPECT_TRUE(s.bod[3].JeFixni);
    EXPECT_EQ(s.bod[3].soubor, 2);
    EXPECT_THROW(s.PridejBodyFix({"5 1 2 3 ano"}, 2), ChybaPrevodu);
    EXPECT_EQ(s.bod.size(), 4u);

    Tsouradnice t;
    t.PridejBodyFixVse({"1 1 2 3", "2 4 5 6"}, 3, true);
    ASSERT_EQ(t.bod.size(), 2u);
    EXPECT_TRUE(t.bod[0].JeFixni && t.bod[1].JeFixni);
    EXPECT_EQ(t.bod[1].Z, 6);
    t.PridejBodyFixVse({"3 1 2 3"}, 3, false);
    EXPECT_FALSE(t.bod[2].JeFixni);
}

TEST(PridejBody, MeritkoReadsOnlyNumberAndDistortion)
{
    Tsouradnice s;
    s.PridejBodyMeritko({"P1 0.9996", "P2 1,0004"}, 5, true);
    ASSERT_EQ(s.bod.size(), 2u);
    EXPECT_EQ(s.bod[0].cislo, "P1");
    EXPECT_EQ(s.bod[0].zkresleni, TextNaCislo("0.9996"));
    EXPECT_EQ(s.bod[1].zkresleni, TextNaCislo("1.0004"));
    EXPECT_EQ(s.bod[0].X, 0);
    EXPECT_EQ(s.bod[0].sig_X, -1);
    EXPECT_TRUE(s.bod[0].JeFixni && s.bod[0].JePlny);
    EXPECT_EQ(s.bod[1].poradi, 2);
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

// The order the lists have always been sorted in: count - 1 passes over
// the whole array, exchanging neighbours when the later one is strictly
// smaller. Written independently of Tsouradnice::Sort as the reference.
template <class Mensi>
void BublinoveRazeni(std::vector<Tbod>& v, Mensi mensi)
{
    if (v.size() < 2) return;
    for (std::size_t pruchod = 0; pruchod + 1 < v.size(); ++pruchod)
        for (std::size_t j = 1; j < v.size(); ++j)
            if (mensi(v[j], v[j - 1])) std::swap(v[j], v[j - 1]);
}

// The real field a sort code reads (from the table of sort codes).
Extended& PoleKodu(Tbod& b, int kod)
{
    switch (kod) {
    case 2: return b.X;
    case 3: return b.Y;
    case 4: return b.Z;
    case 5: return b.sig_X;
    case 6: return b.sig_Y;
    case 7: return b.sig_Z;
    case 8: return b.elipsoid.a_delka;
    case 9: return b.elipsoid.a_smernik;
    case 10: return b.elipsoid.a_zenit;
    case 11: return b.elipsoid.b_delka;
    case 12: return b.elipsoid.b_smernik;
    case 15: return b.elipsoid.b_zenit;
    case 16: return b.elipsoid.c_delka;
    case 17: return b.elipsoid.c_smernik;
    case 18: return b.elipsoid.c_zenit;
    case 19: return b.zkresleni;
    }
    ADD_FAILURE() << "no real key " << kod;
    return b.elipsa.b_delka;
}

Extended KlicReal(const Tbod& b, int kod) { return PoleKodu(const_cast<Tbod&>(b), kod); }

bool ReferencniMensi(const Tbod& a, const Tbod& b, int kod)
{
    if (kod == 1) return TextMensi(a.cislo, b.cislo);
    if (kod == 13) return a.soubor < b.soubor;
    if (kod == 14) return a.poradi < b.poradi;
    return KlicReal(a, kod) < KlicReal(b, kod);
}

// Records with few distinct values in every field, so that ties are many;
// poradi doubles as an identity (its own sort has unique keys only when the
// values are drawn without repetition, handled separately).
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
            BublinoveRazeni(ocekavane, [kod](const Tbod& a, const Tbod& b) { return ReferencniMensi(a, b, kod); });
            s.Sort(kod);
            ASSERT_EQ(s.bod.size(), ocekavane.size());
            for (std::size_t i = 0; i < ocekavane.size(); ++i)
                ASSERT_EQ(s.bod[i].elipsa.a_delka, ocekavane[i].elipsa.a_delka)
                    << "code " << kod << " n " << n << " at " << i;
        }
    }
}

TEST(Razeni, EachCodeSortsItsOwnField)
{
    // Every field ascending with the list order except the one of the code,
    // which runs the other way: only that code reverses the list.
    const int realneKody[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, 16, 17, 18, 19};
    for (int kod : realneKody) {
        Tsouradnice s;
        for (int i = 0; i < 4; ++i) {
            Tbod b{};
            b.cislo = std::to_string(i);
            b.soubor = i;
            b.poradi = i;
            for (int jiny : realneKody) PoleKodu(b, jiny) = i;
            PoleKodu(b, kod) = 10 - i;
            s.PridejBod(b);
        }
        s.Sort(kod);
        EXPECT_EQ(Cisla(s), (std::vector<std::string>{"3", "2", "1", "0"})) << kod;
        for (int jiny : realneKody) {
            if (jiny == kod) continue;
            Tsouradnice t = s;
            t.Sort(jiny);  // every other code restores the list order
            EXPECT_EQ(Cisla(t), (std::vector<std::string>{"0", "1", "2", "3"})) << kod << " " << jiny;
        }
    }
}

TEST(Razeni, PointNumbersShorterFirst)
{
    Tsouradnice s;
    for (const char* c : {"10", "A", "9", "A1", "100", "B", "09"}) s.PridejBod(Plny(c));
    s.Sort(1);
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"9", "A", "B", "09", "10", "A1", "100"}));
}

TEST(Razeni, IntegerCodesCompareAsNumbers)
{
    Tsouradnice s;
    for (int v : {10, 9, -3, 100}) {
        Tbod b = Plny(std::to_string(v));
        b.soubor = v;
        b.poradi = -v;
        s.PridejBod(b);
    }
    s.Sort(13);
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"-3", "9", "10", "100"}));
    s.Sort(14);
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"100", "10", "9", "-3"}));
}

TEST(Razeni, EqualKeysKeepTheirOrder)
{
    Tsouradnice s;
    const Extended x[] = {2, 1, 2, 1, 0, 2};
    for (int i = 0; i < 6; ++i) s.PridejBod(Plny("p" + std::to_string(i), x[i]));
    s.Sort(2);
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"p4", "p1", "p3", "p0", "p2", "p5"}));
    // Sorting an already sorted list again changes nothing.
    s.Sort(2);
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"p4", "p1", "p3", "p0", "p2", "p5"}));
}

TEST(Razeni, UnknownCodesAndShortListsChangeNothing)
{
    Tsouradnice s;
    s.PridejBod(Plny("2", 2));
    s.PridejBod(Plny("1", 1));
    for (int kod : {0, 20, -1, 1000}) {
        s.Sort(kod);
        EXPECT_EQ(Cisla(s), (std::vector<std::string>{"2", "1"})) << kod;
    }
    Tsouradnice jeden;
    jeden.PridejBod(Plny("5"));
    jeden.Sort(1);
    EXPECT_EQ(jeden.bod.size(), 1u);
    Tsouradnice prazdny;
    prazdny.Sort(1);
    EXPECT_TRUE(prazdny.bod.empty());
}

TEST(Razeni, NotANumberDoesNotBreakTheSort)
{
    Tsouradnice s;
    const Extended x[] = {3, NAN, 1, 2, NAN, 0};
    for (int i = 0; i < 6; ++i) s.PridejBod(Plny(std::to_string(i), x[i]));
    s.Sort(2);
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"5", "2", "3", "0", "1", "4"}));
}

TEST(Razeni, MaxSortsAndReturnsTheLast)
{
    Tsouradnice s;
    s.PridejBod(Plny("a", 5));
    s.PridejBod(Plny("b", 7));
    s.PridejBod(Plny("c", 6));
    const Tbod m = s.Max(2);
    EXPECT_EQ(m.cislo, "b");
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"a", "c", "b"}));
    Tsouradnice prazdny;
    const Tbod n = prazdny.Max(2);
    EXPECT_FALSE(n.JePlny);
    EXPECT_EQ(n.sig_X, -1);
}

// ---------------------------------------------------------------- transformation

TEST(Transformuj, RotatesAndTranslatesFilledPoints)
{
    Tsouradnice s;
    s.PridejBod(Plny("1", 1, 2, 3));
    Tbod prazdny{};
    prazdny.X = 1;
    s.PridejBod(prazdny);
    // Frame rotation about Z by 90 degrees: (x, y, z) -> (y, -x, z).
    const Tmatrix R = {{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}};
    const Tmatrix t = {{10}, {20}, {30}};
    s.Transformuj(t, R);
    EXPECT_EQ(s.bod[0].X, 12);
    EXPECT_EQ(s.bod[0].Y, 19);
    EXPECT_EQ(s.bod[0].Z, 33);
    EXPECT_EQ(s.bod[1].X, 1);  // empty records are left alone
}

TEST(Transformuj, MalformedMatricesChangeNothing)
{
    Tsouradnice s;
    s.PridejBod(Plny("1", 1, 2, 3));
    const Tmatrix I = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    EXPECT_THROW(s.Transformuj(Tmatrix{}, I), ChybaArgumentu);
    EXPECT_THROW(s.Transformuj(Tmatrix{{1}, {2}}, I), ChybaArgumentu);
    EXPECT_THROW(s.Transformuj(Tmatrix{{1}, {2}, {3}}, Tmatrix{{1, 0}, {0, 1}}), ChybaArgumentu);
    EXPECT_THROW(s.Transformuj(Tmatrix{{1}, {2}, {3}}, Tmatrix{}), ChybaArgumentu);
    EXPECT_EQ(s.bod[0].X, 1);
    EXPECT_EQ(s.bod[0].Y, 2);
    EXPECT_EQ(s.bod[0].Z, 3);
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

TEST(PrazdneZaznamy, SmazPrazdneZaznamyKeepsOrder)
{
    Tsouradnice s;
    s.PridejPrazdnyBod();
    s.PridejBod(Plny("1"));
    s.PridejPrazdnyBod();
    s.PridejBod(Plny("2"));
    s.PridejPrazdnyBod();
    s.SmazPrazdneZaznamy();
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"1", "2"}));
}

TEST(PrazdneZaznamy, SmazPrazdneZaznamyNaKonci)
{
    Tsouradnice s;
    s.PridejPrazdnyBod();
    s.PridejBod(Plny("1"));
    s.PridejPrazdnyBod();
    s.PridejPrazdnyBod();
    EXPECT_TRUE(s.SmazPrazdneZaznamyNaKonci());
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"", "1"}));
    EXPECT_FALSE(s.SmazPrazdneZaznamyNaKonci());
    EXPECT_EQ(s.bod.size(), 2u);

    Tsouradnice jenPrazdne(3);
    EXPECT_TRUE(jenPrazdne.SmazPrazdneZaznamyNaKonci());
    EXPECT_TRUE(jenPrazdne.bod.empty());
    EXPECT_FALSE(jenPrazdne.SmazPrazdneZaznamyNaKonci());
}

TEST(PrazdneZaznamy, SeraditPoradiNumbersFilledPointsOnly)
{
    Tsouradnice s;
    s.PridejBod(Plny("a"));
    Tbod prazdny{};
    prazdny.poradi = 42;
    s.PridejBod(prazdny);
    s.PridejBod(Plny("b"));
    s.bod[0].poradi = 7;
    s.SeraditPoradi();
    EXPECT_EQ(s.bod[0].poradi, 1);
    EXPECT_EQ(s.bod[1].poradi, 42);
    EXPECT_EQ(s.bod[2].poradi, 2);
}

// ---------------------------------------------------------------- lookups

Tsouradnice SeznamKHledani()
{
    Tsouradnice s;
    s.PridejBod(Plny("1", 1));
    s.PridejPrazdnyBod();
    s.PridejBod(Plny("01", 2));
    s.PridejBod(Plny("A", 3));
    s.PridejBod(Plny("1", 4));  // repeated number
    return s;
}

TEST(Hledani, BodSCislemIsExactAndFirst)
{
    const Tsouradnice s = SeznamKHledani();
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
}

TEST(Hledani, PoradiBodu)
{
    const Tsouradnice s = SeznamKHledani();
    int i = 99;
    EXPECT_TRUE(s.PoradiBodu("A", i));
    EXPECT_EQ(i, 3);
    EXPECT_TRUE(s.PoradiBodu("1", i));
    EXPECT_EQ(i, 0);
    EXPECT_FALSE(s.PoradiBodu("B", i));
    EXPECT_EQ(i, -1);
    EXPECT_FALSE(s.PoradiBodu("", i));
    EXPECT_EQ(i, -1);
}

TEST(Hledani, PoradiDvojiceBodu)
{
    const Tsouradnice s = SeznamKHledani();
    int a = 99, b = 99;
    EXPECT_TRUE(s.PoradiDvojiceBodu("A", "1", a, b));
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 0);
    EXPECT_FALSE(s.PoradiDvojiceBodu("01", "X", a, b));
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, -1);
    EXPECT_FALSE(s.PoradiDvojiceBodu("X", "Y", a, b));
    EXPECT_EQ(a, -1);
    EXPECT_EQ(b, -1);
    EXPECT_TRUE(s.PoradiDvojiceBodu("1", "1", a, b));
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
    Tsouradnice prazdny;
    EXPECT_FALSE(prazdny.PoradiDvojiceBodu("1", "2", a, b));
    EXPECT_EQ(a, -1);
    EXPECT_EQ(b, -1);
}

TEST(UsporadaneHledani, ResultsAndCursor)
{
    Tsouradnice s;
    for (const char* c : {"1", "2", "5", "9", "10", "A1", "100"}) s.PridejBod(Plny(c));
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
    };
    for (const Radek& r : tabulka) {
        int p = r.pocatek;
        EXPECT_EQ(s.PoradiBoduSCislem(r.cislo, p, konec), r.vysledek) << r.cislo;
        EXPECT_EQ(p, r.novyPocatek) << r.cislo;
    }
    // "9" comes before "10" in the list's order; a plain text comparison
    // would call "9" greater than "10" and miss it here.
    int p = 4;
    EXPECT_EQ(s.PoradiBoduSCislem("9", p, konec), 3);
    EXPECT_EQ(p, 4);
}

TEST(UsporadaneHledani, EmptyRangeGivesOneAndZero)
{
    Tsouradnice s;
    int p = 0;
    EXPECT_EQ(s.PoradiBoduSCislem("1", p, -1), 1);
    EXPECT_EQ(p, 0);
    s.PridejBod(Plny("1"));
    p = 1;
    EXPECT_EQ(s.PoradiBoduSCislem("1", p, 0), 1);
    EXPECT_EQ(p, 0);
}

TEST(UsporadaneHledani, MergesTwoOrderedListsLikeTheIdenticalPointSearch)
{
    // Epoch 1 and epoch 2 in point-number order; the scan advances one cursor
    // through the second list.
    const std::vector<std::string> prvni = {"2", "7", "9", "10", "11", "A5", "105"};
    const std::vector<std::string> druha = {"1", "2", "9", "11", "12", "A5", "100", "105"};
    Tsouradnice t2;
    for (const std::string& c : druha) t2.PridejBod(Plny(c));
    std::vector<std::string> pary;
    int j = 0;
    const int konec = static_cast<int>(druha.size()) - 1;
    for (const std::string& c : prvni) {
        const int r = t2.PoradiBoduSCislem(c, j, konec);
        if (r == 1) break;
        if (r == 2) {
            pary.push_back(t2.bod[static_cast<std::size_t>(j)].cislo);
            ++j;
        }
    }
    EXPECT_EQ(pary, (std::vector<std::string>{"2", "9", "11", "A5", "105"}));
}

// ---------------------------------------------------------------- counting

TEST(Pocty, CountsByFlags)
{
    Tsouradnice s;
    Tbod a = Plny("1");
    a.JeFixni = true;
    a.JeAktiv = true;
    Tbod b = Plny("2");
    b.JeAktiv = true;
    Tbod c = Plny("3");
    Tbod prazdnyFix{};
    prazdnyFix.JeFixni = true;  // an empty record carrying a stale flag
    prazdnyFix.JeAktiv = true;
    s.PridejBod(a);
    s.PridejBod(b);
    s.PridejBod(c);
    s.PridejBod(prazdnyFix);
    s.PridejPrazdnyBod();
    EXPECT_EQ(s.PocetPlnychBodu(), 3);
    EXPECT_EQ(s.PocetFixnichBodu(), 1);
    EXPECT_EQ(s.PocetAktivBodu(), 2);
    // The "without" counts include empty records.
    EXPECT_EQ(s.PocetNefixnichBodu(), 3);
    EXPECT_EQ(s.PocetNeaktivBodu(), 2);
    EXPECT_TRUE(s.ExistujePlnyBod());
    EXPECT_TRUE(s.ExistujeAktivBod());

    Tsouradnice jenPrazdne;
    jenPrazdne.PridejBod(prazdnyFix);
    EXPECT_FALSE(jenPrazdne.ExistujePlnyBod());
    EXPECT_FALSE(jenPrazdne.ExistujeAktivBod());
    EXPECT_EQ(jenPrazdne.PocetAktivBodu(), 0);
    EXPECT_EQ(jenPrazdne.PocetNeaktivBodu(), 0);
    Tsouradnice prazdny;
    EXPECT_EQ(prazdny.PocetPlnychBodu(), 0);
    EXPECT_EQ(prazdny.PocetNefixnichBodu(), 0);
}

// ---------------------------------------------------------------- display copies

TEST(ZobrazeniOdchylek, KopirujVyrovnaneScalesDeviationsOfTheDeterminedPoints)
{
    Tsouradnice epocha;
    for (int i = 0; i < 3; ++i) {
        Tbod b = Plny(std::to_string(i), i, i, i);
        b.sig_X = 0.001L * (i + 1);
        b.sig_Y = 0.002L;
        b.sig_Z = 0.003L;
        b.elipsoid.a_delka = 0.004L;
        b.elipsoid.a_smernik = 1.5L;
        b.elipsoid.b_delka = 0.002L;
        b.elipsoid.c_delka = 0.001L;
        b.elipsa.a_delka = 0.5L;
        epocha.PridejBod(b);
    }
    Tsouradnice okno;
    okno.PridejBod(Plny("stale"));
    okno.KopirujVyrovnaneProZobrazeni(epocha, 2.5L, 2);
    ASSERT_EQ(okno.bod.size(), 2u);
    EXPECT_EQ(okno.bod[1].cislo, "1");
    EXPECT_EQ(okno.bod[1].sig_X, 0.002L * 2.5L);
    EXPECT_EQ(okno.bod[1].sig_Y, 0.002L * 2.5L);
    EXPECT_EQ(okno.bod[1].sig_Z, 0.003L * 2.5L);
    EXPECT_EQ(okno.bod[1].elipsoid.a_delka, 0.004L * 2.5L);
    EXPECT_EQ(okno.bod[1].elipsoid.b_delka, 0.002L * 2.5L);
    EXPECT_EQ(okno.bod[1].elipsoid.c_delka, 0.001L * 2.5L);
    EXPECT_EQ(okno.bod[1].elipsoid.a_smernik, 1.5L);  // angles unchanged
    EXPECT_EQ(okno.bod[1].elipsa.a_delka, 0.5L);      // ellipse not scaled
    EXPECT_EQ(okno.bod[1].X, 1);
    EXPECT_EQ(epocha.bod[1].sig_X, 0.002L);  // the source is untouched

    okno.KopirujVyrovnaneProZobrazeni(epocha, 1, 10);  // count cut to the list
    EXPECT_EQ(okno.bod.size(), 3u);
    okno.KopirujVyrovnaneProZobrazeni(epocha, 1, 0);
    EXPECT_TRUE(okno.bod.empty());
}

TEST(ZobrazeniOdchylek, DeviationNotSetStaysNotSetWhenScaled)
{
    Tsouradnice epocha;
    Tbod b = Plny("1");  // BodDefault: deviations and ellipsoid not set (-1)
    b.sig_X = 0.01L;
    epocha.PridejBod(b);
    Tsouradnice okno;
    okno.KopirujVyrovnaneProZobrazeni(epocha, 1.7L, 1);
    EXPECT_EQ(okno.bod[0].sig_X, 0.01L * 1.7L);
    EXPECT_EQ(okno.bod[0].sig_Y, -1);
    EXPECT_EQ(okno.bod[0].sig_Z, -1);
    EXPECT_EQ(okno.bod[0].elipsoid.a_delka, -1);
    EXPECT_EQ(okno.bod[0].elipsoid.c_delka, -1);
    okno.UlozeniElipsoiduDoSouradnice(epocha, 1.7L, 1);
    EXPECT_EQ(okno.bod[0].X, -1);
    EXPECT_EQ(okno.bod[2].X, -1);
}

TEST(ZobrazeniOdchylek, ElipsoidRowsThreePerPoint)
{
    Tsouradnice vstup;
    for (int k = 0; k < 2; ++k) {
        Tbod b = Plny("P" + std::to_string(k), 100, 200, 300);
        b.poradi = 17;
        b.soubor = 3;
        Telipsoid& e = b.elipsoid;
        e.a_delka = 0.004L + k;
        e.a_smernik = 0.1L;
        e.a_zenit = 1.1L;
        e.b_delka = 0.003L + k;
        e.b_smernik = 0.2L;
        e.b_zenit = 1.2L;
        e.c_delka = 0.002L + k;
        e.c_smernik = 0.3L;
        e.c_zenit = 1.3L;
        vstup.PridejBod(b);
    }
    vstup.PridejBod(Plny("not shown"));
    Tsouradnice okno;
    okno.UlozeniElipsoiduDoSouradnice(vstup, 2, 2);
    ASSERT_EQ(okno.bod.size(), 6u);
    for (int k = 0; k < 2; ++k) {
        const Tbod* r = &okno.bod[3 * static_cast<std::size_t>(k)];
        for (int j = 0; j < 3; ++j) {
            EXPECT_EQ(r[j].cislo, "P" + std::to_string(k));
            EXPECT_EQ(r[j].poradi, 3 * k);
            EXPECT_EQ(r[j].soubor, 3);
            EXPECT_TRUE(r[j].JePlny);
        }
        EXPECT_EQ(r[0].X, (0.004L + k) * 2);
        EXPECT_EQ(r[0].Y, 0.1L);
        EXPECT_EQ(r[0].Z, 1.1L);
        EXPECT_EQ(r[1].X, (0.003L + k) * 2);
        EXPECT_EQ(r[1].Y, 0.2L);
        EXPECT_EQ(r[1].Z, 1.2L);
        EXPECT_EQ(r[2].X, (0.002L + k) * 2);
        EXPECT_EQ(r[2].Y, 0.3L);
        EXPECT_EQ(r[2].Z, 1.3L);
    }
    okno.UlozeniElipsoiduDoSouradnice(vstup, 2, 9);
    EXPECT_EQ(okno.bod.size(), 9u);
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
    EXPECT_EQ(d.bod[0].X, 0.5L);
    EXPECT_EQ(d.bod[0].Y, 0.25L);
    EXPECT_EQ(d.bod[0].Z, -0.5L);
    EXPECT_EQ(d.bod[1].X, 0);
    d.Prirustky(vyr, pribl, 3);  // cut to the shorter list
    EXPECT_EQ(d.bod.size(), 2u);
}

// ---------------------------------------------------------------- moving and inserting

TEST(Presun, PosunZaznam)
{
    Tsouradnice s;
    for (const char* c : {"a", "b", "c"}) s.PridejBod(Plny(c));
    s.PridejPrazdnyBod();
    int i = 1;
    s.PosunZaznam(i, true);
    EXPECT_EQ(i, 0);
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"b", "a", "c", ""}));
    s.PosunZaznam(i, true);  // up on record 0: nothing
    EXPECT_EQ(i, 0);
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"b", "a", "c", ""}));
    s.PosunZaznam(i, false);
    EXPECT_EQ(i, 1);
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"a", "b", "c", ""}));
    i = 2;
    s.PosunZaznam(i, false);  // towards an empty record: nothing
    EXPECT_EQ(i, 2);
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"a", "b", "c", ""}));
    i = 3;
    s.PosunZaznam(i, false);  // down on the last record: nothing
    EXPECT_EQ(i, 3);
    s.PosunZaznam(i, true);  // the empty record moves up past a filled one
    EXPECT_EQ(i, 2);
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"a", "b", "", "c"}));
    i = 3;
    s.PosunZaznam(i, true);  // towards an empty record: nothing
    EXPECT_EQ(i, 3);
    i = 7;
    s.PosunZaznam(i, true);  // outside the list: nothing
    EXPECT_EQ(i, 7);
    i = -1;
    s.PosunZaznam(i, false);
    EXPECT_EQ(i, -1);
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"a", "b", "", "c"}));

    Tsouradnice jeden;
    jeden.PridejBod(Plny("x"));
    i = 0;
    jeden.PosunZaznam(i, false);
    EXPECT_EQ(i, 0);
}

TEST(Presun, VlozitBodNaPoradi)
{
    Tsouradnice s;
    for (const char* c : {"a", "b"}) s.PridejBod(Plny(c));
    s.VlozitBodNaPoradi(Plny("x"), 0);
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"x", "a", "b"}));
    s.VlozitBodNaPoradi(Plny("y"), 2);
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"x", "a", "y", "b"}));
    s.VlozitBodNaPoradi(s.bod[3], 0);  // a record of the list itself
    EXPECT_EQ(Cisla(s), (std::vector<std::string>{"b", "x", "a", "y", "b"}));
    EXPECT_THROW(s.VlozitBodNaPoradi(Plny("z"), 5), TichePreruseni);
    EXPECT_THROW(s.VlozitBodNaPoradi(Plny("z"), -1), TichePreruseni);
    EXPECT_EQ(s.bod.size(), 5u);
    Tsouradnice prazdny;
    EXPECT_THROW(prazdny.VlozitBodNaPoradi(Plny("z"), 0), TichePreruseni);
    EXPECT_TRUE(prazdny.bod.empty());
}

TEST(Upravy, ZrusFixaciAndZaokrouhlitSouradniceTouchEveryRecord)
{
    Tsouradnice s;
    Tbod a = Plny("1", 0.1234564L, 0.1234566L, 2);
    a.JeFixni = true;
    Tbod b{};
    b.JeFixni = true;
    b.X = 0.0000016L;
    s.PridejBod(a);
    s.PridejBod(b);
    s.ZrusFixaci();
    EXPECT_FALSE(s.bod[0].JeFixni || s.bod[1].JeFixni);
    s.ZaokrouhlitSouradnice(-6);
    EXPECT_EQ(s.bod[0].X, 0.123456L);
    EXPECT_EQ(s.bod[0].Y, 0.123457L);
    EXPECT_EQ(s.bod[1].X, 0.000002L);
}

}  // namespace
}  // namespace sitmera

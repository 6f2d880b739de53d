// Tests of the point geometry: distances, bearings, zenith angles, angles,
// the three-point frame and the merge of ordered ranges.
#include "points/Geometrie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "numerics/Jednotky.h"
#include "numerics/TextPole.h"

namespace sitmera {
namespace {

const Extended pi = 3.14159265358979323846264338327950288L;

// |a - b| <= tol, computed in 80-bit (a double comparison would round both
// sides first).
#define EXPECT_LD_NEAR(a, b, tol)                                                                 \
    EXPECT_LE(std::fabs(static_cast<Extended>(a) - static_cast<Extended>(b)), static_cast<Extended>(tol)) \
        << #a " = " << static_cast<double>(a) << ", " #b " = " << static_cast<double>(b)

Tbod B(Extended x, Extended y, Extended z = 0, const std::string& cislo = "")
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

// Distance of two angles on the circle (radians, 0 .. pi).
Extended RozdilNaKruhu(Extended a, Extended b)
{
    Extended d = std::fmod(std::fabs(a - b), 2 * pi);
    return std::min(d, 2 * pi - d);
}

// ---------------------------------------------------------------- lengths

TEST(Delky, HandComputedCases)
{
    EXPECT_EQ(DelkaVodorovna(B(0, 0, 7), B(3, 4, -2)), 5);  // 3-4-5, heights ignored
    EXPECT_EQ(DelkaVodorovna(B(1, 1), B(1, 1)), 0);
    EXPECT_EQ(DelkaZeSouradnic(1, 1, 4, 5), 5);
    EXPECT_EQ(DelkaZeSouradnic(-2, 3, -2, 3), 0);
    EXPECT_EQ(DelkaSikma(B(1, 2, 3), B(2, 4, 5)), 3);  // (1, 2, 2)
    EXPECT_EQ(DelkaSikma(B(0, 0, 0), B(0, 0, -6)), 6);
    EXPECT_EQ(DelkaSikma(B(5, 5, 5), B(5, 5, 5)), 0);
    // Large survey coordinates: the difference is taken first.
    EXPECT_LD_NEAR(DelkaVodorovna(B(-745123.456L, -1043210.987L),
                                                   B(-745120.456L, -1043206.987L)), 5.0, 1e-9);
}

// ---------------------------------------------------------------- bearings

TEST(Smerniky, QuadrantsRunFromXTowardsY)
{
    struct Radek {
        Extended dx, dy, smernik;
    } const tabulka[] = {
        {1, 0, 0},          {1, 1, pi / 4},      {0, 1, pi / 2},      {-1, 1, 3 * pi / 4},
        {-1, 0, pi},        {-1, -1, 5 * pi / 4}, {0, -1, 3 * pi / 2}, {1, -1, 7 * pi / 4},
        {0, 0, 0},          {3, 4, std::atan2(4.0L, 3.0L)},
    };
    for (const Radek& r : tabulka) {
        const Tbod A = B(100, 200, 5);
        const Tbod C = B(100 + r.dx, 200 + r.dy, -5);
        EXPECT_LD_NEAR(SmernikBodu(A, C), r.smernik, 1e-18)
            << r.dx << " " << r.dy;
        EXPECT_EQ(SmernikBodu(A, C), SmernikZeSouradnic(A.X, A.Y, C.X, C.Y));
    }
}

TEST(Smerniky, RandomBearingsPointAlongTheLine)
{
    std::mt19937_64 gen(5);
    std::uniform_real_distribution<double> d(-1000, 1000);
    for (int i = 0; i < 5000; ++i) {
        const Tbod A = B(d(gen), d(gen));
        const Tbod C = B(d(gen), d(gen));
        const Extended s = SmernikBodu(A, C);
        ASSERT_GE(s, 0);
        ASSERT_LT(s, 2 * pi);
        const Extended delka = DelkaVodorovna(A, C);
        // X north = cos, Y east = sin.
        EXPECT_LD_NEAR(delka * std::cos(s), C.X - A.X, 1e-12);
        EXPECT_LD_NEAR(delka * std::sin(s), C.Y - A.Y, 1e-12);
        // The reverse bearing differs by pi.
        EXPECT_LD_NEAR(RozdilNaKruhu(SmernikBodu(C, A), s), pi, 1e-15);
    }
}

// ---------------------------------------------------------------- zenith angles

TEST(Zenit, HandComputedCases)
{
    struct Radek {
        Extended dx, dy, dz, zenit;
    } const tabulka[] = {
        {0, 0, 1, 0},          {1, 0, 0, pi / 2},     {0, 0, -1, pi},       {0, 0, 0, 0},
        {1, 0, 1, pi / 4},     {0, 1, -1, 3 * pi / 4}, {0, -2, 0, pi / 2},  {3, 4, 0, pi / 2},
        {0, 0, 1e-9L, 0},      {0, 0, -250, pi},
    };
    for (const Radek& r : tabulka) {
        const Tbod A = B(10, 20, 30);
        const Tbod C = B(10 + r.dx, 20 + r.dy, 30 + r.dz);
        EXPECT_LD_NEAR(ZenitBodu(A, C), r.zenit, 1e-18)
            << r.dx << " " << r.dy << " " << r.dz;
    }
}

TEST(Zenit, NearVerticalLine)
{
    // A line leaning by 1 cm over 100 m: zenith 1e-4 rad (atan2 of the
    // horizontal length over dZ as the truth).
    const Tbod A = B(0, 0, 0);
    const Extended z = ZenitBodu(A, B(0.01L, 0, 100));
    EXPECT_LD_NEAR(z / std::atan2(0.01L, 100.0L), 1, 1e-10);
    const Extended d = pi - ZenitBodu(A, B(0, 0.01L, -100));
    EXPECT_LD_NEAR(d / std::atan2(0.01L, 100.0L), 1, 1e-10);
}

TEST(Zenit, RandomAgreesWithTheAngleFromTheHorizontalLength)
{
    std::mt19937_64 gen(9);
    std::uniform_real_distribution<double> d(-500, 500);
    for (int i = 0; i < 5000; ++i) {
        const Tbod A = B(d(gen), d(gen), d(gen));
        const Tbod C = B(d(gen), d(gen), d(gen));
        // Independent form: zenith = atan2(horizontal length, dZ).
        const Extended ocekavany = std::atan2(DelkaVodorovna(A, C), C.Z - A.Z);
        const Extended z = ZenitBodu(A, C);
        EXPECT_LD_NEAR(z, ocekavany, 1e-15);
        EXPECT_GE(z, 0);
        EXPECT_LE(z, pi);
    }
}

// ---------------------------------------------------------------- angles at a station

TEST(UhelVodorovny, HandComputedCasesAndFailures)
{
    const Tbod S = B(0, 0, 0);
    Extended u = -7;
    EXPECT_TRUE(UhelVodorovny(u, S, B(1, 0), B(0, 1)));
    EXPECT_LD_NEAR(u, pi / 2, 1e-18);
    EXPECT_TRUE(UhelVodorovny(u, S, B(0, 1), B(1, 0)));
    EXPECT_LD_NEAR(u, 3 * pi / 2, 1e-18);
    EXPECT_TRUE(UhelVodorovny(u, S, B(1, 1, 5), B(1, 1, -3)));  // same bearing
    EXPECT_EQ(u, 0);
    EXPECT_TRUE(UhelVodorovny(u, B(10, 10), B(11, 10), B(9, 10)));
    EXPECT_LD_NEAR(u, pi, 1e-18);

    u = 5;
    EXPECT_FALSE(UhelVodorovny(u, S, S, B(0, 1)));  // L = S
    EXPECT_EQ(u, 0);
    u = 5;
    EXPECT_FALSE(UhelVodorovny(u, S, B(1, 0), B(0, 0, 10)));  // P straight above S
    EXPECT_EQ(u, 0);
    u = 5;
    EXPECT_FALSE(UhelVodorovny(u, S, B(NAN, 0), B(0, 1)));
    EXPECT_EQ(u, 0);
}

TEST(UhelVodorovny, IsTheDifferenceOfBearings)
{
    std::mt19937_64 gen(13);
    std::uniform_real_distribution<double> d(-100, 100);
    for (int i = 0; i < 2000; ++i) {
        const Tbod S = B(d(gen), d(gen), d(gen));
        const Tbod L = B(d(gen), d(gen), d(gen));
        const Tbod P = B(d(gen), d(gen), d(gen));
        Extended u;
        ASSERT_TRUE(UhelVodorovny(u, S, L, P));
        EXPECT_GE(u, 0);
        EXPECT_LT(u, 2 * pi);
        // Turning the bearing to L by u gives the bearing to P.
        EXPECT_LD_NEAR(RozdilNaKruhu(SmernikBodu(S, L) + u, SmernikBodu(S, P)), 0.0, 1e-15);
    }
}

TEST(UhelProstorovy, ZenithToRightMinusZenithToLeft)
{
    const Tbod S = B(0, 0, 0);
    Extended u = 9;
    EXPECT_TRUE(UhelProstorovy(u, S, B(1, 0, 0), B(0, 0, 1)));
    EXPECT_LD_NEAR(u, -pi / 2, 1e-18);
    EXPECT_TRUE(UhelProstorovy(u, S, B(0, 0, 1), B(1, 0, 0)));
    EXPECT_LD_NEAR(u, pi / 2, 1e-18);
    EXPECT_TRUE(UhelProstorovy(u, S, B(0, 0, 1), B(0, 0, -1)));  // up to down, not normalised
    EXPECT_LD_NEAR(u, pi, 1e-18);
    EXPECT_TRUE(UhelProstorovy(u, B(5, 5, 5), B(6, 5, 6), B(5, 4, 4)));
    EXPECT_LD_NEAR(u, 3 * pi / 4 - pi / 4, 1e-18);

    u = 9;
    EXPECT_FALSE(UhelProstorovy(u, S, B(1, 0, 0), S));
    EXPECT_EQ(u, 0);
    u = 9;
    EXPECT_FALSE(UhelProstorovy(u, S, S, B(1, 0, 0)));
    EXPECT_EQ(u, 0);
}

// ---------------------------------------------------------------- three-point frame

TEST(MistniSoustava, HandComputedFrame)
{
    Tbod P0 = B(0, 0, 0, "0");
    Tbod P1 = B(2, 0, 0, "1");
    Tbod P2 = B(0, 0, 3, "2");
    Tmatrix R;
    Extended u = -1;
    ASSERT_TRUE(MistniSoustavaTriBodu(u, P0, P1, P2, R));
    EXPECT_LD_NEAR(u, pi / 2, 1e-18);
    EXPECT_EQ(P0.X, 0);
    EXPECT_EQ(P0.Y, 0);
    EXPECT_EQ(P0.Z, 0);
    EXPECT_LD_NEAR(P1.X, 2, 1e-18);
    EXPECT_LD_NEAR(P1.Y, 0, 1e-18);
    EXPECT_LD_NEAR(P1.Z, 0, 1e-18);
    EXPECT_LD_NEAR(P2.X, 0, 1e-18);
    EXPECT_LD_NEAR(P2.Y, 3, 1e-18);
    EXPECT_LD_NEAR(P2.Z, 0, 1e-18);
    EXPECT_EQ(P2.cislo, "2");  // only the coordinates are rewritten
    // The frame turned by pi/2 about the first axis: (x, y, z) -> (x, z, -y).
    const Extended ocekavana[3][3] = {{1, 0, 0}, {0, 0, 1}, {0, -1, 0}};
    ASSERT_EQ(R.size(), 3u);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_LD_NEAR(R[i][j], ocekavana[i][j], 1e-18) << i << j;
}

TEST(MistniSoustava, SideOfTheAngleFollowsTheSecondAxis)
{
    struct Radek {
        Extended x, y, z, uhel;
    } const tabulka[] = {
        {0, 1, 0, pi / 2},      {0, -1, 0, 3 * pi / 2}, {0, 0, 1, pi / 2},  {0, 0, -1, 3 * pi / 2},
        {1, 1, 0, pi / 4},      {-1, 0, 1, 3 * pi / 4}, {5, 0, 0, 0},       {-3, 0, 0, pi},
    };
    for (const Radek& r : tabulka) {
        Tbod P0 = B(10, 20, 30);
        Tbod P1 = B(12, 20, 30);  // first axis along +X
        Tbod P2 = B(10 + r.x, 20 + r.y, 30 + r.z);
        Tmatrix R;
        Extended u;
        ASSERT_TRUE(MistniSoustavaTriBodu(u, P0, P1, P2, R));
        EXPECT_LD_NEAR(RozdilNaKruhu(u, r.uhel), 0.0, 1e-18) << r.x << r.y << r.z;
        Extended v;
        ASSERT_TRUE(UhelNatoceniTriBodu(v, B(10, 20, 30), B(12, 20, 30), B(10 + r.x, 20 + r.y, 30 + r.z)));
        EXPECT_EQ(u, v);
    }
}

TEST(MistniSoustava, RandomFramesAreRigidAndPlanar)
{
    std::mt19937_64 gen(21);
    std::uniform_real_distribution<double> d(-100, 100);
    for (int i = 0; i < 3000; ++i) {
        const Tbod A0 = B(d(gen), d(gen), d(gen));
        const Tbod A1 = B(d(gen), d(gen), d(gen));
        const Tbod A2 = B(d(gen), d(gen), d(gen));
        Tbod P0 = A0, P1 = A1, P2 = A2;
        Tmatrix R;
        Extended u;
        ASSERT_TRUE(MistniSoustavaTriBodu(u, P0, P1, P2, R));
        ASSERT_EQ(R.size(), 3u);

        // R is a proper rotation: R R^T = I, det R = +1.
        for (int a = 0; a < 3; ++a)
            for (int b = 0; b < 3; ++b) {
                Extended s = 0;
                for (int k = 0; k < 3; ++k) s += R[a][k] * R[b][k];
                EXPECT_LD_NEAR(s, a == b ? 1.0 : 0.0, 1e-17);
            }
        const Extended det = R[0][0] * (R[1][1] * R[2][2] - R[1][2] * R[2][1]) -
                             R[0][1] * (R[1][0] * R[2][2] - R[1][2] * R[2][0]) +
                             R[0][2] * (R[1][0] * R[2][1] - R[1][1] * R[2][0]);
        EXPECT_LD_NEAR(det, 1.0, 1e-17);

        // The rewritten points are R (P - P0) of the given ones.
        const Tbod* puvodni[2] = {&A1, &A2};
        const Tbod* nove[2] = {&P1, &P2};
        for (int k = 0; k < 2; ++k) {
            const Extended v[3] = {puvodni[k]->X - A0.X, puvodni[k]->Y - A0.Y, puvodni[k]->Z - A0.Z};
            const Extended n[3] = {nove[k]->X, nove[k]->Y, nove[k]->Z};
            for (int a = 0; a < 3; ++a) {
                const Extended s = R[a][0] * v[0] + R[a][1] * v[1] + R[a][2] * v[2];
                EXPECT_LD_NEAR(s, n[a], 1e-13);
            }
        }
        EXPECT_EQ(P0.X, 0);
        EXPECT_EQ(P0.Y, 0);
        EXPECT_EQ(P0.Z, 0);
        EXPECT_LD_NEAR(P1.X, DelkaSikma(A0, A1), 1e-13);
        EXPECT_LD_NEAR(P1.Y, 0, 1e-13);
        EXPECT_LD_NEAR(P1.Z, 0, 1e-13);
        EXPECT_LD_NEAR(P2.Z, 0, 1e-13);

        // The angle: unsigned, it is the angle between the two sight lines;
        // it lies below pi exactly when P2 lands on the positive second axis.
        const Extended a[3] = {A1.X - A0.X, A1.Y - A0.Y, A1.Z - A0.Z};
        const Extended b[3] = {A2.X - A0.X, A2.Y - A0.Y, A2.Z - A0.Z};
        const Extended c[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
        const Extended theta = std::atan2(std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]),
                                          a[0] * b[0] + a[1] * b[1] + a[2] * b[2]);
        EXPECT_GE(u, 0);
        EXPECT_LT(u, 2 * pi);
        EXPECT_LD_NEAR(std::min(u, 2 * pi - u), theta, 1e-15);
        EXPECT_EQ(u < pi, P2.Y > 0);

        Extended v;
        ASSERT_TRUE(UhelNatoceniTriBodu(v, A0, A1, A2));
        EXPECT_EQ(u, v);
    }
}

TEST(MistniSoustava, CollinearPointsGiveZeroOrPi)
{
    struct Radek {
        Extended t, uhel;
    } const tabulka[] = {{2.5L, 0}, {-1.5L, pi}, {0.25L, 0}};
    for (const Radek& r : tabulka) {
        const Tbod A0 = B(1, 2, 3);
        const Tbod A1 = B(3, 5, 7);  // direction (2, 3, 4)
        const Tbod A2 = B(1 + 2 * r.t, 2 + 3 * r.t, 3 + 4 * r.t);
        Tbod P0 = A0, P1 = A1, P2 = A2;
        Tmatrix R;
        Extended u;
        ASSERT_TRUE(MistniSoustavaTriBodu(u, P0, P1, P2, R));
        EXPECT_LD_NEAR(RozdilNaKruhu(u, r.uhel), 0.0, 1e-15) << static_cast<double>(r.t);
        EXPECT_LD_NEAR(std::sin(u), 0.0, 1e-15);
    }
}

TEST(MistniSoustava, CoincidentPointsFailAndLeaveEverythingUnchanged)
{
    const Tbod A0 = B(1, 2, 3, "a");
    const Tbod A1 = B(4, 5, 6, "b");
    const Tmatrix puvodniR = {{7}};
    struct Pripad {
        Tbod p0, p1, p2;
    } const pripady[] = {{A0, A0, A1}, {A0, A1, A0}, {A0, A0, A0}};
    for (const Pripad& c : pripady) {
        Tbod P0 = c.p0, P1 = c.p1, P2 = c.p2;
        Tmatrix R = puvodniR;
        Extended u = 3;
        EXPECT_FALSE(MistniSoustavaTriBodu(u, P0, P1, P2, R));
        EXPECT_EQ(u, 0);
        EXPECT_EQ(R, puvodniR);
        EXPECT_EQ(P0.X, c.p0.X);
        EXPECT_EQ(P1.Y, c.p1.Y);
        EXPECT_EQ(P2.Z, c.p2.Z);
        u = 3;
        EXPECT_FALSE(UhelNatoceniTriBodu(u, c.p0, c.p1, c.p2));
        EXPECT_EQ(u, 0);
    }
}

TEST(MistniSoustava, NonFiniteCoordinatesFailWithoutThrowing)
{
    const Extended zle[] = {NAN, INFINITY, -INFINITY};
    for (Extended z : zle) {
        Tbod P0 = B(0, 0, 0), P1 = B(z, 0, 0), P2 = B(0, 1, 0);
        Tmatrix R;
        Extended u = 3;
        EXPECT_FALSE(MistniSoustavaTriBodu(u, P0, P1, P2, R));
        EXPECT_EQ(u, 0);
        EXPECT_TRUE(R.empty());
        EXPECT_EQ(P2.Y, 1);
        u = 3;
        EXPECT_FALSE(UhelNatoceniTriBodu(u, B(0, 0, 0), B(1, 0, 0), B(0, z, 1)));
        EXPECT_EQ(u, 0);
        EXPECT_EQ(ZenitBodu(B(0, 0, 0), B(0, 0, NAN)), 0);
    }
}

// ---------------------------------------------------------------- merge of ordered ranges

Tsouradnice Seznam(std::initializer_list<const char*> cisla)
{
    Tsouradnice s;
    int i = 0;
    for (const char* c : cisla) s.PridejBod(B(i++, 0, 0, c));
    return s;
}

std::vector<std::string> Cisla(const Tsouradnice& s)
{
    std::vector<std::string> c;
    for (const Tbod& b : s.bod) c.push_back(b.cislo);
    return c;
}

TEST(PreradBody, MergesTwoRanges)
{
    const Tsouradnice z = Seznam({"1", "5", "10", "2", "3", "100"});
    Tsouradnice c;
    PreradBodyDleRozsahu(z, c, 3, 3);
    EXPECT_EQ(Cisla(c), (std::vector<std::string>{"1", "2", "3", "5", "10", "100"}));
    // Records travel whole.
    EXPECT_EQ(c.bod[1].X, 3);
    EXPECT_EQ(c.bod[5].X, 5);
}

TEST(PreradBody, EmptyRangeCopiesTheWholeList)
{
    const Tsouradnice z = Seznam({"7", "1", "5"});
    Tsouradnice c = Seznam({"x"});
    PreradBodyDleRozsahu(z, c, 3, 0);
    EXPECT_EQ(Cisla(c), (std::vector<std::string>{"7", "1", "5"}));
    PreradBodyDleRozsahu(z, c, 0, 2);
    EXPECT_EQ(Cisla(c), (std::vector<std::string>{"7", "1", "5"}));
    PreradBodyDleRozsahu(z, c, -1, 5);
    EXPECT_EQ(Cisla(c), (std::vector<std::string>{"7", "1", "5"}));
}

TEST(PreradBody, TiesTakeTheFirstRangeAndTheRestIsDropped)
{
    const Tsouradnice z = Seznam({"2", "9", "A", "2", "9", "10", "zz"});
    Tsouradnice c;
    PreradBodyDleRozsahu(z, c, 3, 3);
    EXPECT_EQ(Cisla(c), (std::vector<std::string>{"2", "2", "9", "9", "A", "10"}));
    EXPECT_EQ(c.bod[0].X, 0);  // the first range's "2"
    EXPECT_EQ(c.bod[1].X, 3);
    EXPECT_EQ(c.bod[2].X, 1);
    EXPECT_EQ(c.bod[3].X, 4);
}

TEST(PreradBody, SourceMayBeTheTarget)
{
    Tsouradnice z = Seznam({"3", "4", "1", "2", "5"});
    PreradBodyDleRozsahu(z, z, 2, 2);
    EXPECT_EQ(Cisla(z), (std::vector<std::string>{"1", "2", "3", "4"}));
}

TEST(PreradBody, RangesPastTheListAreRefused)
{
    const Tsouradnice z = Seznam({"1", "2", "3"});
    Tsouradnice c = Seznam({"x"});
    EXPECT_THROW(PreradBodyDleRozsahu(z, c, 2, 2), ChybaArgumentu);
    EXPECT_EQ(Cisla(c), (std::vector<std::string>{"x"}));
}

TEST(PreradBody, RandomRangesMatchAStableSort)
{
    std::mt19937_64 gen(17);
    std::uniform_int_distribution<int> n(1, 30), znak(0, 11);
    const char abeceda[] = "0123456789AB";
    for (int pokus = 0; pokus < 300; ++pokus) {
        const int p1 = n(gen), p2 = n(gen), navic = n(gen) % 3;
        std::vector<Tbod> a, b;
        auto nahodne = [&](std::vector<Tbod>& v, int pocet) {
            for (int i = 0; i < pocet; ++i) {
                std::string c(static_cast<std::size_t>(1 + znak(gen) % 3), '0');
                for (char& ch : c) ch = abeceda[znak(gen)];
                v.push_back(B(0, 0, 0, c));
            }
            std::stable_sort(v.begin(), v.end(), [](const Tbod& x, const Tbod& y) { return TextMensi(x.cislo, y.cislo); });
        };
        nahodne(a, p1);
        nahodne(b, p2);
        Tsouradnice z;
        for (Tbod& t : a) z.PridejBod(t);
        for (Tbod& t : b) z.PridejBod(t);
        for (int i = 0; i < navic; ++i) z.PridejBod(B(0, 0, 0, "!"));
        for (std::size_t i = 0; i < z.bod.size(); ++i) z.bod[i].X = static_cast<Extended>(i);

        std::vector<Tbod> ocekavane(z.bod.begin(), z.bod.begin() + p1 + p2);
        std::stable_sort(ocekavane.begin(), ocekavane.end(),
                         [](const Tbod& x, const Tbod& y) { return TextMensi(x.cislo, y.cislo); });
        Tsouradnice c;
        PreradBodyDleRozsahu(z, c, p1, p2);
        ASSERT_EQ(c.bod.size(), ocekavane.size());
        for (std::size_t i = 0; i < ocekavane.size(); ++i) ASSERT_EQ(c.bod[i].X, ocekavane[i].X) << pokus << " " << i;
    }
}

}  // namespace
}  // namespace sitmera

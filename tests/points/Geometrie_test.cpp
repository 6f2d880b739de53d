// Tests of the point geometry: distances, bearings, zenith angles, angles,
// the three-point frame and the merge of ordered ranges.
#include "points/Geometrie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

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

void OcekavejXYZ(const Tbod& b, Extended x, Extended y, Extended z, Extended tol)
{
    EXPECT_LD_NEAR(b.X, x, tol);
    EXPECT_LD_NEAR(b.Y, y, tol);
    EXPECT_LD_NEAR(b.Z, z, tol);
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

// ---------------------------------------------------------------- zenith angles

TEST(Zenit, HandComputedCases)
{
    struct Radek {
        Extended dx, dy, dz, zenit;
    } const tabulka[] = {
        {0, 0, 1, 0},          {1, 0, 0, pi / 2},     {0, 0, -1, pi},       {0, 0, 0, 0},
        {1, 0, 1, pi / 4},     {0, 1, -1, 3 * pi / 4}, {0, -2, 0, pi / 2},  {3, 4, 0, pi / 2},
        {0, 0, 1e-9L, 0},      {0, 0, -250, pi},      {0, 0, NAN, 0},
        {3, 4, 12, std::atan2(5.0L, 12.0L)},  // horizontal 5, height 12
    };
    for (const Radek& r : tabulka) {
        const Tbod A = B(10, 20, 30);
        const Tbod C = B(10 + r.dx, 20 + r.dy, 30 + r.dz);
        EXPECT_LD_NEAR(ZenitBodu(A, C), r.zenit, 1e-18)
            << r.dx << " " << r.dy << " " << r.dz;
    }
    // A line leaning by 1 cm over 100 m: zenith 1e-4 rad to 1e-10 relative
    // (atan2 of the horizontal length over dZ as the truth).
    EXPECT_LD_NEAR(ZenitBodu(B(0, 0, 0), B(0.01L, 0, 100)) / std::atan2(0.01L, 100.0L), 1, 1e-10);
    EXPECT_LD_NEAR((pi - ZenitBodu(B(0, 0, 0), B(0, 0.01L, -100))) / std::atan2(0.01L, 100.0L), 1, 1e-10);
}

// ---------------------------------------------------------------- angles at a station

// Horizontal angle (bearing to P minus bearing to L, in [0, 2 pi)) and
// zenith-angle difference (zenith to P minus zenith to L, not normalised);
// false with angle 0 when a target lies on the station (its vertical).
TEST(UhlyNaStanovisku, HandComputedCasesAndFailures)
{
    using Funkce = bool (*)(Extended&, const Tbod&, const Tbod&, const Tbod&);
    const Funkce V = UhelVodorovny, P = UhelProstorovy;
    const Tbod S = B(0, 0, 0);
    struct Radek {
        Funkce f;
        Tbod s, l, p;
        bool ok;
        Extended uhel, tol;
    } const tabulka[] = {
        {V, S, B(1, 0), B(0, 1), true, pi / 2, 1e-18},
        {V, S, B(0, 1), B(1, 0), true, 3 * pi / 2, 1e-18},
        {V, S, B(1, 1, 5), B(1, 1, -3), true, 0, 0},  // same bearing
        {V, B(10, 10), B(11, 10), B(9, 10), true, pi, 1e-18},
        {V, S, S, B(0, 1), false, 0, 0},                 // L = S
        {V, S, B(1, 0), B(0, 0, 10), false, 0, 0},       // P straight above S
        {V, S, B(NAN, 0), B(0, 1), false, 0, 0},
        {P, S, B(1, 0, 0), B(0, 0, 1), true, -pi / 2, 1e-18},
        {P, S, B(0, 0, 1), B(1, 0, 0), true, pi / 2, 1e-18},
        {P, S, B(0, 0, 1), B(0, 0, -1), true, pi, 1e-18},  // up to down, not normalised
        {P, B(5, 5, 5), B(6, 5, 6), B(5, 4, 4), true, 3 * pi / 4 - pi / 4, 1e-18},
        {P, S, B(1, 0, 0), S, false, 0, 0},
        {P, S, S, B(1, 0, 0), false, 0, 0},
    };
    for (const Radek& r : tabulka) {
        Extended u = 5;
        EXPECT_EQ(r.f(u, r.s, r.l, r.p), r.ok) << (r.f == V) << " " << static_cast<double>(r.uhel);
        EXPECT_LD_NEAR(u, r.uhel, r.tol);
    }
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
    OcekavejXYZ(P0, 0, 0, 0, 0);
    OcekavejXYZ(P1, 2, 0, 0, 1e-18);
    OcekavejXYZ(P2, 0, 3, 0, 1e-18);
    EXPECT_EQ(P2.cislo, "2");  // only the coordinates are rewritten
    // The frame turned by pi/2 about the first axis: (x, y, z) -> (x, z, -y).
    const Extended ocekavana[3][3] = {{1, 0, 0}, {0, 0, 1}, {0, -1, 0}};
    ASSERT_EQ(R.size(), 3u);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_LD_NEAR(R[i][j], ocekavana[i][j], 1e-18) << i << j;
}

// The side of the angle follows the second axis; collinear points give 0 or pi.
TEST(MistniSoustava, HandComputedAngles)
{
    const Tbod O = B(10, 20, 30), X = B(12, 20, 30);  // first axis along +X
    const Tbod C0 = B(1, 2, 3), C1 = B(3, 5, 7);      // first axis along (2, 3, 4)
    auto naPrimce = [&](Extended t) { return B(1 + 2 * t, 2 + 3 * t, 3 + 4 * t); };
    struct Radek {
        Tbod p0, p1, p2;
        Extended uhel, tol;
    } const tabulka[] = {
        {O, X, B(10, 21, 30), pi / 2, 1e-18},       {O, X, B(10, 19, 30), 3 * pi / 2, 1e-18},
        {O, X, B(10, 20, 31), pi / 2, 1e-18},       {O, X, B(10, 20, 29), 3 * pi / 2, 1e-18},
        {O, X, B(11, 21, 30), pi / 4, 1e-18},       {O, X, B(9, 20, 31), 3 * pi / 4, 1e-18},
        {O, X, B(15, 20, 30), 0, 1e-18},            {O, X, B(7, 20, 30), pi, 1e-18},
        {C0, C1, naPrimce(2.5L), 0, 1e-15},         {C0, C1, naPrimce(-1.5L), pi, 1e-15},
        {C0, C1, naPrimce(0.25L), 0, 1e-15},
    };
    for (const Radek& r : tabulka) {
        Tbod P0 = r.p0, P1 = r.p1, P2 = r.p2;
        Tmatrix R;
        Extended u, v;
        ASSERT_TRUE(MistniSoustavaTriBodu(u, P0, P1, P2, R));
        EXPECT_LD_NEAR(RozdilNaKruhu(u, r.uhel), 0.0, r.tol) << r.p2.X << " " << r.p2.Y << " " << r.p2.Z;
        ASSERT_TRUE(UhelNatoceniTriBodu(v, r.p0, r.p1, r.p2));
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
        OcekavejXYZ(P0, 0, 0, 0, 0);
        OcekavejXYZ(P1, DelkaSikma(A0, A1), 0, 0, 1e-13);
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

// Coincident points and non-finite coordinates: false, angle 0, no throw,
// points and matrix unchanged.
TEST(MistniSoustava, CoincidentOrNonFinitePointsFailAndLeaveEverythingUnchanged)
{
    const Tbod A0 = B(1, 2, 3, "a"), A1 = B(4, 5, 6, "b");
    std::vector<std::array<Tbod, 3>> pripady = {{A0, A0, A1}, {A0, A1, A0}, {A0, A0, A0}};
    for (Extended z : {Extended(NAN), Extended(INFINITY), -Extended(INFINITY)}) {
        pripady.push_back({B(0, 0, 0), B(z, 0, 0), B(0, 1, 0)});
        pripady.push_back({B(0, 0, 0), B(1, 0, 0), B(0, z, 1)});
    }
    auto stejne = [](Extended a, Extended b) { return a == b || (std::isnan(a) && std::isnan(b)); };
    const Tmatrix puvodniR = {{7}};
    for (const auto& c : pripady) {
        Tbod P[3] = {c[0], c[1], c[2]};
        Tmatrix R = puvodniR;
        Extended u = 3;
        EXPECT_FALSE(MistniSoustavaTriBodu(u, P[0], P[1], P[2], R));
        EXPECT_EQ(u, 0);
        EXPECT_EQ(R, puvodniR);
        for (int k = 0; k < 3; ++k)
            EXPECT_TRUE(stejne(P[k].X, c[k].X) && stejne(P[k].Y, c[k].Y) && stejne(P[k].Z, c[k].Z)) << k;
        u = 3;
        EXPECT_FALSE(UhelNatoceniTriBodu(u, c[0], c[1], c[2]));
        EXPECT_EQ(u, 0);
    }
}

// ---------------------------------------------------------------- merge of ordered ranges

// A list with these numbers; X holds each record's index, as its identity.
Tsouradnice Seznam(const std::vector<std::string>& cisla)
{
    Tsouradnice s;
    int i = 0;
    for (const std::string& c : cisla) s.PridejBod(B(i++, 0, 0, c));
    return s;
}

std::vector<int> Indexy(const Tsouradnice& s)
{
    std::vector<int> v;
    for (const Tbod& b : s.bod) v.push_back(static_cast<int>(b.X));
    return v;
}

TEST(PreradBody, HandMergedRanges)
{
    struct Radek {
        std::vector<std::string> cisla;
        int p1, p2;
        bool doSebe;  // the source is the target
        std::vector<int> ocekavane;
    } const tabulka[] = {
        {{"1", "5", "10", "2", "3", "100"}, 3, 3, false, {0, 3, 4, 1, 2, 5}},
        // ties take the first range; records past the ranges are dropped
        {{"2", "9", "A", "2", "9", "10", "zz"}, 3, 3, false, {0, 3, 1, 4, 2, 5}},
        {{"3", "4", "1", "2", "5"}, 2, 2, true, {2, 3, 0, 1}},
        // an empty range copies the whole list
        {{"7", "1", "5"}, 3, 0, false, {0, 1, 2}},
        {{"7", "1", "5"}, 0, 2, false, {0, 1, 2}},
        {{"7", "1", "5"}, -1, 5, false, {0, 1, 2}},
    };
    for (const Radek& r : tabulka) {
        Tsouradnice z = Seznam(r.cisla);
        Tsouradnice c = Seznam({"x"});
        PreradBodyDleRozsahu(z, r.doSebe ? z : c, r.p1, r.p2);
        EXPECT_EQ(Indexy(r.doSebe ? z : c), r.ocekavane) << r.cisla[0] << " " << r.p1 << " " << r.p2;
    }
}

TEST(PreradBody, RangesPastTheListAreRefused)
{
    const Tsouradnice z = Seznam({"1", "2", "3"});
    Tsouradnice c = Seznam({"x"});
    EXPECT_THROW(PreradBodyDleRozsahu(z, c, 2, 2), ChybaArgumentu);
    ASSERT_EQ(c.bod.size(), 1u);
    EXPECT_EQ(c.bod[0].cislo, "x");
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

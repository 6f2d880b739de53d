// Transformation key: the initial key, the worked keys of each kind checked
// against hand-computed frames, the angles checked by rebuilding the rotation,
// every way a key fails, and the 19 lines the project file keeps.
#include "analysis/EtapaTransformacniKlic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "numerics/Jednotky.h"
#include "numerics/Matrix2.h"
#include "numerics/TextPole.h"
#include "points/Geometrie.h"

namespace sitmera {
namespace {

Tbod Bod(const std::string& cislo, Extended x, Extended y, Extended z)
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

// A point from its coordinates as written in a file (decimal text).
Tbod BodText(const char* x, const char* y, const char* z)
{
    return Bod("P", TextNaCislo(x), TextNaCislo(y), TextNaCislo(z));
}

Tsouradnice Seznam(std::initializer_list<Tbod> body)
{
    Tsouradnice s;
    for (const Tbod& b : body) s.PridejBod(b);
    return s;
}

// |a - b| <= tol in 80-bit arithmetic (EXPECT_NEAR would compare doubles).
testing::AssertionResult Blizko(Extended a, Extended b, Extended tol)
{
    if (std::fabs(a - b) <= tol) return testing::AssertionSuccess();
    return testing::AssertionFailure() << static_cast<double>(a) << " vs "
                                       << static_cast<double>(b) << ", difference "
                                       << static_cast<double>(a - b);
}

Extended MaxRozdil(const Tmatrix& A, const Tmatrix& B)
{
    Extended m = 0;
    EXPECT_EQ(A.size(), B.size());
    for (std::size_t i = 0; i < A.size() && i < B.size(); ++i) {
        EXPECT_EQ(A[i].size(), B[i].size());
        for (std::size_t j = 0; j < A[i].size() && j < B[i].size(); ++j)
            m = std::max(m, std::fabs(A[i][j] - B[i][j]));
    }
    return m;
}

Tmatrix Sloupec(Extended a, Extended b, Extended c) { return {{a}, {b}, {c}}; }
const Tmatrix kJednotkova = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
const Tmatrix kNulova = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
// The rotation of the worked keys 2 and 3: the first axis along +Y.
const Tmatrix kOtoceniY = {{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}};

// The state of a failed key: R = 0, t = 0, angles 0, not filled.
void OcekavejNeplatny(const TtransformacniKlicEtapa& k)
{
    EXPECT_FALSE(k.jePlny);
    EXPECT_EQ(k.rotace, kNulova);
    EXPECT_EQ(k.translace, Sloupec(0, 0, 0));
    EXPECT_EQ(k.uhelStoceni, Tvector({0, 0, 0}));
}

// RotationMatrix3 of the key's angles gives back the key's rotation.
void OcekavejUhlyDavajiRotaci(const TtransformacniKlicEtapa& k)
{
    ASSERT_EQ(k.uhelStoceni.size(), 3u);
    Tmatrix R;
    RotationMatrix3(R, k.uhelStoceni[0], k.uhelStoceni[1], k.uhelStoceni[2]);
    EXPECT_LE(MaxRozdil(R, k.rotace), 1e-15L);
}

// R is orthonormal to 1e-17.
void OcekavejOrtonormalni(const Tmatrix& R)
{
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            const Extended d = R[i][0] * R[j][0] + R[i][1] * R[j][1] + R[i][2] * R[j][2];
            EXPECT_TRUE(Blizko(d, i == j ? 1 : 0, 1e-17L)) << i << j;
        }
}

// A key of kind 1 or 2 over three lists, the roles taken from list 0 at the
// given indexes.
struct KlicNaSeznamech {
    Tsouradnice s0, s1, s2;
    TtransformacniKlicEtapa klic;

    KlicNaSeznamech(std::uint8_t typ, const Tsouradnice& body, int i0, int i1, int i2)
    {
        s0 = body;
        klic.typ = typ;
        klic.poradiBod[0][0] = i0;
        klic.poradiBod[1][0] = i1;
        klic.poradiBod[2][0] = i2;
        PriraditSouradniceKlice(klic, s0, s1, s2);
    }
};

// ---------------------------------------------------------------- initial key

TEST(KlicPocatecni, NewOrClearedKeyIsFilledIdentityGivingTheNineteenProjectLines)
{
    // typ 0, typBod (0, 0, 0), every choice -1, user values 0.
    const TStringList ocekavane = {"0",  "0",  "0",  "0",  "-1", "-1", "-1", "-1", "-1", "-1",
                                   "-1", "-1", "-1", "0",  "0",  "0",  "0",  "0",  "0"};
    TtransformacniKlicEtapa novy;
    TStringList radky;
    TextKlic(novy, radky);
    EXPECT_EQ(radky, ocekavane);
    EXPECT_EQ(novy.souradniceBod, nullptr);

    TtransformacniKlicEtapa k;
    Tsouradnice s;
    k.souradniceBod = k.souradniceCil2 = &s;
    k.typ = 2;
    k.typBod[1] = 1;
    k.jePlny = false;
    k.poradiBod[1][2] = 4;
    k.translaceUser[0][0] = 5;
    k.uhelStoceniUser[2] = 1;
    k.translaceUserJePlny[0] = k.uhelStoceniUserJePlny[1] = false;
    k.rotace.clear();
    ClearKlic(k);
    radky.clear();
    TextKlic(k, radky);
    EXPECT_EQ(radky, ocekavane);
    EXPECT_TRUE(k.jePlny);
    EXPECT_EQ(k.translace, Sloupec(0, 0, 0));
    EXPECT_EQ(k.rotace, kJednotkova);
    EXPECT_EQ(k.uhelStoceni, Tvector({0, 0, 0}));
    EXPECT_EQ(k.translaceUserJePlny, TboolVector({true, true, true}));
    EXPECT_EQ(k.uhelStoceniUserJePlny, TboolVector({true, true, true}));
    // the list references are left alone
    EXPECT_TRUE(k.souradniceBod == &s && k.souradniceCil1 == nullptr && k.souradniceCil2 == &s);
}

TEST(KlicPocatecni, IdentityComputesAfterClearAndAfterAFailedKey)
{
    TtransformacniKlicEtapa k;
    for (int pokus = 0; pokus < 2; ++pokus) {
        EXPECT_TRUE(VypocetKlice(k));
        EXPECT_TRUE(k.jePlny);
        EXPECT_EQ(k.rotace, kJednotkova);
        EXPECT_EQ(k.translace, Sloupec(0, 0, 0));
        EXPECT_EQ(k.uhelStoceni, Tvector({0, 0, 0}));
        k.typ = 1;  // no points chosen
        EXPECT_FALSE(VypocetKlice(k));
        OcekavejNeplatny(k);
        k.typ = 0;
    }
}

// ---------------------------------------------------------------- worked keys

struct PracovniKlic {
    const char* nazev;
    std::uint8_t typ;
    Tbod S, T1, T2;
    Tmatrix R;
    Tmatrix t;
    Tvector uhly;
};

// Rows of R are the unit axes a (to the first target), b (towards the plane
// point), c = a x b; t = -R S.
//  1. kind 1, S (0,0,5), T (10,0,9): T.Z := 5, a = (1,0,0), plane point
//     P = (0,10,5), b = (0,1,0), c = (0,0,1): R = I, t = (0,0,-5).
//  2. kind 1, S (0,0,0), T (0,10,0): a = (0,1,0), P = (-10,0,0) so
//     b = (-1,0,0), c = (0,0,1); R = Rz(pi/2) in frame-rotation form.
//  3. kind 2, S (100,200,50), T1 (100,210,50), T2 (90,200,50): the same
//     axes, t = -(200, -100, 50) = (-200, 100, -50). R[0][2] = 0, so
//     u1 = 0, u0 = atan2(0, 1) = 0, u2 = atan2(R01, R00) = atan2(1, 0) = pi/2.
//  4. kind 2, T1 straight above S: a = (0,0,1), b = (1,0,0), c = (0,1,0);
//     R[0][2] = +1, so u1 = -pi/2, u2 = 0, u0 = atan2(-R10, -R20) = atan2(-1, 0)
//     = 3 pi/2.
//  5. kind 2, T1 straight below S: a = (0,0,-1), b = (0,1,0), c = (1,0,0);
//     R[0][2] = -1: u1 = +pi/2, u0 = atan2(R10, R20) = atan2(0, 1) = 0.
//  6. kind 1 with the target due south (bearing pi): a = (-1,0,0),
//     P = S + (0,-10,0), b = (0,-1,0), c = (0,0,1): u2 = atan2(0, -1) = pi.
//  7. kind 1, S (100,200,30), T (103,204,80): a = (0.6,0.8,0), b = (-0.8,0.6,0);
//     the rotation is about the vertical only, u2 = atan2(4, 3).
const PracovniKlic pracovniKlice[] = {
    {"station and target along X", 1, Bod("1", 0, 0, 5), Bod("2", 10, 0, 9), Bod("3", 0, 0, 0),
     kJednotkova, {{0}, {0}, {-5}}, {0, 0, 0}},
    {"station and target along Y", 1, Bod("1", 0, 0, 0), Bod("2", 0, 10, 0), Bod("3", 0, 0, 0),
     kOtoceniY, {{0}, {0}, {0}}, {0, 0, Pi / 2}},
    {"three points", 2, Bod("1", 100, 200, 50), Bod("2", 100, 210, 50), Bod("3", 90, 200, 50),
     kOtoceniY, {{-200}, {100}, {-50}}, {0, 0, Pi / 2}},
    {"three points, first axis up", 2, Bod("1", 0, 0, 0), Bod("2", 0, 0, 10), Bod("3", 10, 0, 0),
     {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}}, {{0}, {0}, {0}}, {3 * Pi / 2, -Pi / 2, 0}},
    {"three points, first axis down", 2, Bod("1", 1, 2, 3), Bod("2", 1, 2, -7), Bod("3", 1, 12, 3),
     {{0, 0, -1}, {0, 1, 0}, {1, 0, 0}}, {{3}, {-2}, {-1}}, {0, Pi / 2, 0}},
    {"station and target due south", 1, Bod("1", 10, 20, 0), Bod("2", 0, 20, 100),
     Bod("3", 0, 0, 0), {{-1, 0, 0}, {0, -1, 0}, {0, 0, 1}}, {{10}, {20}, {0}}, {0, 0, Pi}},
    {"station and target at different heights", 1, Bod("1", 100, 200, 30), Bod("2", 103, 204, 80),
     Bod("3", 0, 0, 0), {{0.6L, 0.8L, 0}, {-0.8L, 0.6L, 0}, {0, 0, 1}},
     {{-220}, {-40}, {-30}}, {0, 0, std::atan2(4.0L, 3.0L)}},
};

TEST(KlicPracovni, WorkedKeysGiveTheHandComputedFrame)
{
    for (const PracovniKlic& p : pracovniKlice) {
        SCOPED_TRACE(p.nazev);
        KlicNaSeznamech k(p.typ, Seznam({p.S, p.T1, p.T2}), 0, 1, 2);
        ASSERT_TRUE(VypocetKlice(k.klic));
        EXPECT_TRUE(k.klic.jePlny);
        EXPECT_LE(MaxRozdil(k.klic.rotace, p.R), 1e-18L);
        EXPECT_LE(MaxRozdil(k.klic.translace, p.t), 1e-15L);
        ASSERT_EQ(k.klic.uhelStoceni.size(), 3u);
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(Blizko(k.klic.uhelStoceni[i], p.uhly[i], 1e-18L)) << i;
        OcekavejUhlyDavajiRotaci(k.klic);
        // kind 1 turns about the vertical only: nothing leaks between the
        // plane and the heights
        for (int i = 0; i < 2 && p.typ == 1; ++i)
            EXPECT_TRUE(k.klic.rotace[i][2] == 0 && k.klic.rotace[2][i] == 0) << i;
    }
}

TEST(KlicPracovni, KindTwoBringsThePointsIntoTheirFrameAtSurveyCoordinates)
{
    // Random non-degenerate triples at survey-sized coordinates: the station
    // maps to the origin, the first target onto the +X axis, the second into
    // the XY plane on its +Y side; R is orthonormal with det +1, and its
    // angles rebuild it.
    std::mt19937_64 gen(20240607);
    std::uniform_real_distribution<double> poloha(-1e6, 1e6);
    std::uniform_real_distribution<double> posun(-500, 500);
    for (int n = 0; n < 200; ++n) {
        const Extended x = poloha(gen), y = poloha(gen), z = posun(gen);
        const Tbod S = Bod("1", x, y, z);
        const Tbod T1 = Bod("2", x + posun(gen), y + posun(gen), z + posun(gen) / 10);
        const Tbod T2 = Bod("3", x + posun(gen), y + posun(gen), z + posun(gen) / 10);
        KlicNaSeznamech k(2, Seznam({S, T1, T2}), 0, 1, 2);
        ASSERT_TRUE(VypocetKlice(k.klic)) << n;
        OcekavejOrtonormalni(k.klic.rotace);
        Tsouradnice body = Seznam({S, T1, T2});
        body.Transformuj(k.klic.translace, k.klic.rotace);
        const Extended tol = 1e-9L;  // rounding of coordinates near 1e6 m
        EXPECT_NEAR(body.bod[0].X, 0, tol);
        EXPECT_NEAR(body.bod[0].Y, 0, tol);
        EXPECT_NEAR(body.bod[0].Z, 0, tol);
        EXPECT_NEAR(body.bod[1].X, DelkaSikma(S, T1), tol);
        EXPECT_NEAR(body.bod[1].Y, 0, tol);
        EXPECT_NEAR(body.bod[1].Z, 0, tol);
        EXPECT_GT(body.bod[2].Y, 0);
        EXPECT_NEAR(body.bod[2].Z, 0, tol);
        OcekavejUhlyDavajiRotaci(k.klic);
        for (Extended u : k.klic.uhelStoceni) EXPECT_TRUE(u >= 0 && u < DvaPi);
    }
}

// ---------------------------------------------------------------- user values

TEST(KlicUzivatelsky, UserValuesAreCopiedWhateverTheFlagsAndPointChoices)
{
    TtransformacniKlicEtapa k;
    k.typ = 3;
    k.typBod = {7, -3, 2};
    k.poradiBod[0][0] = 99;
    k.translaceUser = Sloupec(-10.5L, 0, 1e6L);
    k.translaceUserJePlny = {false, true, false};
    k.uhelStoceniUserJePlny = {false, false, false};
    ASSERT_TRUE(VypocetKlice(k));  // zero angles: the identity
    EXPECT_EQ(k.rotace, kJednotkova);
    EXPECT_EQ(k.translace, k.translaceUser);
    EXPECT_EQ(k.uhelStoceni, Tvector({0, 0, 0}));
    // angles copied unnormalised; they rebuild the rotation
    k.uhelStoceniUser = {-0.5L, 7.0L, 0.25L};
    ASSERT_TRUE(VypocetKlice(k));
    EXPECT_EQ(k.uhelStoceni, k.uhelStoceniUser);
    Tmatrix R;
    RotationMatrix3(R, -0.5L, 7.0L, 0.25L);
    EXPECT_EQ(k.rotace, R);
    k.uhelStoceniUser = {0, 0, Pi / 2};
    ASSERT_TRUE(VypocetKlice(k));
    EXPECT_LE(MaxRozdil(k.rotace, kOtoceniY), 1e-18L);
}

// ---------------------------------------------------------------- failures

TEST(KlicSelhani, EveryFailureLeavesAZeroKeyNotFilled)
{
    struct Pripad {
        const char* nazev;
        std::uint8_t typ;
        Tsouradnice body;
        int i0, i1, i2;
    };
    const Tbod S = Bod("1", 0, 0, 0);
    const Tbod T = Bod("2", 10, 0, 0);
    Tbod prazdny;
    BodDefault(prazdny);
    const Pripad pripady[] = {
        {"kind 1, target straight above the station", 1, Seznam({S, Bod("2", 0, 0, 10)}), 0, 1, -1},
        {"kind 1, target on the station", 1, Seznam({S, Bod("2", 0, 0, 0)}), 0, 1, -1},
        {"kind 2, collinear points", 2, Seznam({S, Bod("2", 10, 10, 1), Bod("3", 30, 30, 3)}), 0,
         1, 2},
        {"kind 2, second target behind the station on the line", 2,
         Seznam({S, T, Bod("3", -5, 0, 0)}), 0, 1, 2},
        {"kind 2, a target on the station", 2, Seznam({S, S, Bod("3", 1, 2, 3)}), 0, 1, 2},
        {"kind 1, station index -1", 1, Seznam({S, T}), -1, 1, -1},
        {"kind 1, target index -1", 1, Seznam({S, T}), 0, -1, 1},
        {"kind 2, second target index -1", 2, Seznam({S, T, Bod("3", 0, 10, 0)}), 0, 1, -1},
        // an empty record is no point (its zero coordinates, off the station
        // here, would give a valid key)
        {"kind 1, empty target record", 1, Seznam({Bod("1", 5, 5, 0), T, prazdny}), 0, 2, -1},
        {"unknown kind 4", 4, Seznam({S, T, Bod("3", 0, 10, 0)}), 0, 1, 2},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        KlicNaSeznamech k(p.typ, p.body, p.i0, p.i1, p.i2);
        EXPECT_FALSE(VypocetKlice(k.klic));
        OcekavejNeplatny(k.klic);
    }
}

TEST(KlicSelhani, IndexOutsideItsListFailsInsteadOfReadingPastIt)
{
    const Tsouradnice body = Seznam({Bod("1", 0, 0, 0), Bod("2", 10, 0, 0), Bod("3", 0, 10, 0)});
    for (int spatny : {3, 4, 1000000, -2}) {
        for (int role = 0; role < 3; ++role) {
            SCOPED_TRACE(testing::Message() << "index " << spatny << " role " << role);
            int i[3] = {0, 1, 2};
            i[role] = spatny;
            KlicNaSeznamech k(2, body, i[0], i[1], i[2]);
            EXPECT_FALSE(VypocetKlice(k.klic));
            OcekavejNeplatny(k.klic);
        }
    }
    // the same index is fine in a longer list of another role
    KlicNaSeznamech k(1, body, 0, 1, -1);
    k.klic.typBod[1] = 1;  // first target from list 1, which is empty
    k.klic.poradiBod[1][1] = 1;
    PriraditSouradniceKlice(k.klic, k.s0, k.s1, k.s2);
    EXPECT_FALSE(VypocetKlice(k.klic));
    OcekavejNeplatny(k.klic);
    k.s1 = body;
    EXPECT_TRUE(VypocetKlice(k.klic));
}

TEST(KlicSelhani, UnboundListOrUnknownListFailsTheKey)
{
    TtransformacniKlicEtapa k;
    k.typ = 1;
    k.poradiBod[0][0] = 0;
    k.poradiBod[1][0] = 1;
    EXPECT_FALSE(VypocetKlice(k));  // no list bound yet
    OcekavejNeplatny(k);
    const Tsouradnice body = Seznam({Bod("1", 0, 0, 0), Bod("2", 10, 0, 0)});
    k.souradniceBod = k.souradniceCil1 = &body;
    EXPECT_TRUE(VypocetKlice(k));
    k.typBod[1] = 3;  // no such list
    EXPECT_FALSE(VypocetKlice(k));
    OcekavejNeplatny(k);
}

TEST(KlicSelhani, CollinearPointsAtSurveyCoordinatesRejectedDespiteRoundingNoise)
{
    // Points on one line as written in a file (decimal coordinates). Held in
    // binary, the three are off the line by about the coordinates' rounding
    // (~1e-13 m at 1e6 m), so |sin| of their angle comes out far above 1e-16;
    // a key built on them would turn about the line by rounding noise.
    struct Trojice {
        const char* s[9];
    };
    const Trojice primky[] = {
        {{"1234567.891", "7654321.123", "250", "1234577.892", "7654341.126", "250.5",
          "1234587.893", "7654361.129", "251"}},
        {{"1234567.891", "7654321.123", "250", "1234567.892", "7654321.126", "250.5",
          "1234567.893", "7654321.129", "251"}},
        {{"1000000.1", "2000000.1", "300.1", "1000000.2", "2000000.2", "300.2", "1000000.3",
          "2000000.3", "300.3"}},
        {{"-745123.456789", "-1043210.987654", "512.345678", "-745113.456789",
          "-1043200.987654", "522.345678", "-745133.456789", "-1043220.987654",
          "502.345678"}},
    };
    bool sumNad = false;
    for (const Trojice& t : primky) {
        const Tbod S = BodText(t.s[0], t.s[1], t.s[2]);
        const Tbod T1 = BodText(t.s[3], t.s[4], t.s[5]);
        const Tbod T2 = BodText(t.s[6], t.s[7], t.s[8]);
        Extended uhel = 0;
        ASSERT_TRUE(UhelNatoceniTriBodu(uhel, S, T1, T2));
        if (std::fabs(std::sin(uhel)) > 1e-16L) sumNad = true;
        KlicNaSeznamech k(2, Seznam({S, T1, T2}), 0, 1, 2);
        EXPECT_FALSE(VypocetKlice(k.klic)) << t.s[0];
        OcekavejNeplatny(k.klic);
    }
    EXPECT_TRUE(sumNad);  // the case a fixed 1e-16 test lets through

    // A real triangle, however thin at file resolution (the second target
    // 1e-6 m off the line), is accepted at the same coordinates.
    const Tbod S = BodText("1234567.891", "7654321.123", "250");
    const Tbod T1 = BodText("1234567.892", "7654321.126", "250.5");
    const Tbod T2 = BodText("1234567.893001", "7654321.129", "251");
    KlicNaSeznamech k(2, Seznam({S, T1, T2}), 0, 1, 2);
    EXPECT_TRUE(VypocetKlice(k.klic));
    OcekavejUhlyDavajiRotaci(k.klic);
}

TEST(KlicSelhani, ThinTriangleRotationNotSkewedByRoundingResidue)
{
    // The second target 1e-6 m beside the line through the station and the
    // first target: the second axis is a small difference of large vectors.
    // Its rounding residue along the first axis must not survive, or R is
    // no rotation (rows skewed by ~1e-13) and its angles do not describe it.
    const Tbod S = BodText("1234567.891", "7654321.123", "250");
    const Tbod T1 = BodText("1234568.391", "7654321.423", "250.001");
    const Tbod T2 = BodText("1234568.891", "7654321.723", "250.002001");
    KlicNaSeznamech k(2, Seznam({S, T1, T2}), 0, 1, 2);
    ASSERT_TRUE(VypocetKlice(k.klic));
    OcekavejOrtonormalni(k.klic.rotace);
    OcekavejUhlyDavajiRotaci(k.klic);
    // the second target lies 1e-6 m off the line: its new Y, its new Z 0
    Tsouradnice t = Seznam({S, T1, T2});
    t.Transformuj(k.klic.translace, k.klic.rotace);
    EXPECT_GT(t.bod[2].Y, 0);
    EXPECT_TRUE(Blizko(t.bod[2].Z, 0, 1e-9L));
}

// ---------------------------------------------------------------- angles

TEST(KlicUhly, AnglesOfRandomRotationsRebuildThem)
{
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> u(-10, 10);
    for (int n = 0; n < 500; ++n) {
        Tmatrix R;
        RotationMatrix3(R, u(gen), u(gen) / 6, u(gen));
        Tvector uhly;
        ASSERT_TRUE(VypocetUhluStoceni(R, uhly));
        Tmatrix R2;
        RotationMatrix3(R2, uhly[0], uhly[1], uhly[2]);
        EXPECT_LE(MaxRozdil(R, R2), 1e-15L) << n;
        for (Extended a : uhly) EXPECT_TRUE(a >= 0 && a < DvaPi);
    }
    // the identity gives positive zeros
    Tvector nuly;
    ASSERT_TRUE(VypocetUhluStoceni(kJednotkova, nuly));
    for (Extended a : nuly) EXPECT_TRUE(a == 0 && !std::signbit(a));
}

TEST(KlicUhly, GimbalCasesFixTheThirdAngle)
{
    // R[0][2] = -sin(u1) = -1: u1 = pi/2 and only u0 - u2 is defined;
    // R[0][2] = +1: u1 = -pi/2 (not normalised) and only u0 + u2 is defined.
    for (const Extended u1 : {Pi / 2, -Pi / 2}) {
        Tmatrix R, R2;
        RotationMatrix3(R, 0.7L, u1, 0.2L);
        Tvector u;
        ASSERT_TRUE(VypocetUhluStoceni(R, u));
        EXPECT_TRUE(Blizko(u[0], u1 > 0 ? 0.5L : 0.9L, 1e-15L));
        EXPECT_EQ(u[1], u1);
        EXPECT_EQ(u[2], 0);
        RotationMatrix3(R2, u[0], u[1], u[2]);
        EXPECT_LE(MaxRozdil(R, R2), 1e-15L);
    }
}

TEST(KlicUhly, BrokenMatrixFailsWithZeroAngles)
{
    for (const Tmatrix& R : {Tmatrix{{2, 0, 0}, {0, 1, 0}},                     // two rows
                             Tmatrix{{0, 0, 2}, {0, 1, 0}, {1, 0, 0}}}) {  // |R02| > 1
        Tvector u = {1, 2, 3};
        EXPECT_FALSE(VypocetUhluStoceni(R, u));
        EXPECT_EQ(u, Tvector({0, 0, 0}));
    }
}

TEST(KlicUhly, FrameFailsOnCoincidentPointsWithZeros)
{
    Tmatrix t = Sloupec(1, 1, 1), R = kJednotkova;
    const Tbod S = Bod("1", 5, 5, 5);
    EXPECT_FALSE(VypocetTransformace(S, S, Bod("3", 0, 0, 0), t, R));
    EXPECT_EQ(R, kNulova);
    EXPECT_EQ(t, Sloupec(0, 0, 0));
}

// ---------------------------------------------------------------- point choices and copies

TEST(KlicVolby, ResettingOneColumnAndBindingTheLists)
{
    TtransformacniKlicEtapa k;
    k.poradiBod = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    NulujPoradiBod(k, 1);
    NulujPoradiBod(k, 3);  // no such list
    EXPECT_EQ(k.poradiBod, TindexMatrix({{1, -1, 3}, {4, -1, 6}, {7, -1, 9}}));

    Tsouradnice s0, s1, s2;
    k.typBod = {2, 0, 1};
    PriraditSouradniceKlice(k, s0, s1, s2);
    EXPECT_TRUE(k.souradniceBod == &s2 && k.souradniceCil1 == &s0 && k.souradniceCil2 == &s1);
    k.typBod = {1, 5, -1};  // unknown choices keep the old binding
    PriraditSouradniceKlice(k, s0, s1, s2);
    EXPECT_TRUE(k.souradniceBod == &s1 && k.souradniceCil1 == &s0 && k.souradniceCil2 == &s1);
}

TEST(KlicVolby, KeySeesTheLiveListWhenItsContentIsReplacedInPlace)
{
    Tsouradnice body = Seznam({Bod("1", 0, 0, 0), Bod("2", 10, 0, 0)});
    KlicNaSeznamech k(1, Tsouradnice(), 0, 1, -1);
    PriraditSouradniceKlice(k.klic, body, body, body);
    ASSERT_TRUE(VypocetKlice(k.klic));
    EXPECT_LE(MaxRozdil(k.klic.rotace, kJednotkova), 0);
    body.Kopiruj(Seznam({Bod("1", 0, 0, 0), Bod("2", 0, 10, 0)}));  // a new read
    ASSERT_TRUE(VypocetKlice(k.klic));
    EXPECT_LE(MaxRozdil(k.klic.rotace, kOtoceniY), 1e-18L);
}

TEST(KlicVolby, CopyIsDeepButListsStayShared)
{
    Tsouradnice s;
    TtransformacniKlicEtapa zdroj;
    zdroj.typ = 3;
    zdroj.typBod = {1, 2, 0};
    zdroj.poradiBod[2][1] = 8;
    zdroj.uhelStoceniUser = {0.1L, 0.2L, 0.3L};
    zdroj.translaceUser = Sloupec(4, 5, 6);
    zdroj.uhelStoceniUserJePlny = {true, false, true};
    zdroj.souradniceCil1 = &s;
    ASSERT_TRUE(VypocetKlice(zdroj));
    TStringList text;
    TextKlic(zdroj, text);

    TtransformacniKlicEtapa cil;
    KopirujKlic(cil, zdroj);
    KopirujKlic(cil, cil);  // onto itself: nothing changes
    zdroj.rotace[0][0] = zdroj.translaceUser[0][0] = 42;
    TStringList textCil;
    TextKlic(cil, textCil);
    EXPECT_EQ(textCil, text);
    EXPECT_TRUE(cil.jePlny);
    EXPECT_NE(cil.rotace[0][0], 42);
    EXPECT_EQ(cil.translace, Sloupec(4, 5, 6));
    EXPECT_EQ(cil.uhelStoceni, cil.uhelStoceniUser);
    EXPECT_EQ(cil.uhelStoceniUserJePlny, TboolVector({true, false, true}));
    EXPECT_EQ(cil.souradniceCil1, &s);
}

// ---------------------------------------------------------------- user values zero

TEST(KlicUzivatelskyNulovy, ZeroOrNotGivenOnEveryAxis)
{
    TtransformacniKlicEtapa k;
    EXPECT_TRUE(JeUzivatelskyKlicNulovy(k));
    k.translaceUser[1][0] = 0.001L;
    EXPECT_FALSE(JeUzivatelskyKlicNulovy(k));
    k.translaceUserJePlny[1] = false;  // a value not given does not count
    EXPECT_TRUE(JeUzivatelskyKlicNulovy(k));
    k.uhelStoceniUser[2] = -1e-9L;
    EXPECT_FALSE(JeUzivatelskyKlicNulovy(k));
    k.uhelStoceniUserJePlny[2] = false;
    EXPECT_TRUE(JeUzivatelskyKlicNulovy(k));
    k.uhelStoceniUser[0] = 1e-17L;  // counts as zero, as everywhere in the program
    EXPECT_TRUE(JeUzivatelskyKlicNulovy(k));
    k.uhelStoceniUser[0] = 2e-16L;
    EXPECT_FALSE(JeUzivatelskyKlicNulovy(k));
}

// ---------------------------------------------------------------- text

TEST(KlicText, LinesAreAppendedInTheProjectOrder)
{
    TtransformacniKlicEtapa k;
    k.typ = 2;
    k.typBod = {0, 1, 2};
    k.poradiBod = {{3, -1, -1}, {-1, 12, -1}, {-1, -1, 0}};
    k.translaceUser = Sloupec(1.5L, -2, 0.25L);
    k.uhelStoceniUser = {Pi, 0, -0.125L};
    // computed values are not written
    k.rotace = {{9, 9, 9}, {9, 9, 9}, {9, 9, 9}};
    TStringList radky = {"</10>", "<11>"};
    TextKlic(k, radky);
    const TStringList ocekavane = {"</10>", "<11>", "2",   "0",    "1",    "2",
                                   "3",     "-1",   "-1",  "-1",   "12",   "-1",
                                   "-1",    "-1",   "0",   "1.5",  "-2",   "0.25",
                                   "3.14159265358979", "0", "-0.125"};
    EXPECT_EQ(radky, ocekavane);
}

}  // namespace
}  // namespace sitmera

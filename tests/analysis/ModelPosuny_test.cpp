// The displacement model: quantiles, the displacement of a pair with its
// a-priori and a-posteriori covariance, deviations, limits and tests, the
// counts and extremes, loading the pairs, failures, the drawing copies and
// the length and angle analyses between the epochs.
//
// Expected values come from hand computation (derived in the comments),
// from finite-difference propagation of the covariance, or from published
// quantile tables.
#include "analysis/ModelPosuny.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "analysis/ElipsyChyb.h"
#include "analysis/Etapa.h"
#include "analysis/ModelPorovnani.h"
#include "core/Nastaveni.h"
#include "numerics/Jednotky.h"
#include "numerics/Matrix2.h"
#include "numerics/icstudent.h"

namespace sitmera {
namespace {

constexpr Extended mm = 1e-3L;

// One 3 x 3 cofactor block (m^2): xx, yx, yy, zx, zy, zz, at these rows and
// columns of the block.
using Blok = std::array<Extended, 6>;
const int kIJ[6][2] = {{0, 0}, {1, 0}, {1, 1}, {2, 0}, {2, 1}, {2, 2}};
Blok Izotropni(Extended v) { return {v, 0, v, 0, 0, v}; }

// Block-diagonal cofactor matrix (lower triangle) of the given blocks.
Tmatrix BlokovaMatice(const std::vector<Blok>& bloky)
{
    Tmatrix Q;
    MatrixCreateLower(Q, 3 * static_cast<int>(bloky.size()));
    for (std::size_t k = 0; k < bloky.size(); ++k)
        for (int e = 0; e < 6; ++e) Q[3 * k + kIJ[e][0]][3 * k + kIJ[e][1]] = bloky[k][e];
    return Q;
}

// An attached epoch with its unit deviations, redundancy and cofactor matrix.
// It counts as adjusted when the a-posteriori deviation and the redundancy
// are both above 0 (as the epoch reader decides).
void NastavEtapu(Tetapa& e, Extended aprior, Extended aposter, int nadbytecnych, Tmatrix Q)
{
    e.odchylkaJednotkovaAprior = aprior;
    e.rozptylJednotkovyAprior = aprior * aprior;
    e.odchylkaJednotkovaAposterior = aposter;
    e.rozptylJednotkovyAposterior = aposter * aposter;
    e.pocetNadbytecnych = nadbytecnych;
    e.jeVyrovnan = aposter > 0 && nadbytecnych > 0;
    e.maticeKovariancni = std::move(Q);
    e.jePripojen = true;
}

// A filled point; poradi is its 1-based position in its epoch's list.
Tbod Bod(const std::string& cislo, Extended X, Extended Y, Extended Z, int poradi,
         bool fix = false)
{
    Tbod b;
    BodDefault(b);
    b.cislo = cislo;
    b.X = X;
    b.Y = Y;
    b.Z = Z;
    b.poradi = poradi;
    b.JePlny = true;
    b.JeFixni = fix;
    b.JeAktiv = true;
    return b;
}

// Appends a pair to the identical lists of the model.
void PridejParu(TmodelPorovnani& m, Tbod b1, Tbod b2)
{
    if (m.pocetBoduIdentickych < 0) m.pocetBoduIdentickych = 0;
    b1.soubor = b2.soubor = m.pocetBoduIdentickych + 1;
    m.identickeBodyEtapa1.PridejBod(b1);
    m.identickeBodyEtapa2.PridejBod(b2);
    ++m.pocetBoduIdentickych;
    m.existujiIdenticke = true;
}

// Component k of a record (see HodnotaVeliciny), for the comparisons.
double H(const TposunHodnota& h, int k) { return static_cast<double>(HodnotaVeliciny(h, k)); }

Tnastaveni Nastaveni(Extended riziko = 0.05L, bool aprior = true, bool aposter = true)
{
    Tnastaveni n;
    n.Default();
    n.porovnani = {riziko, aprior, aposter};
    return n;
}

bool Porovnej(TmodelPosuny& mp, const TmodelPorovnani& m, const Tnastaveni& n = Nastaveni())
{
    return mp.NacistBody(m) && mp.NacistNastaveni(m, n) && mp.Porovnani(m);
}

// One pair free in both epochs, point 1 at the origin of epoch 1 moved by d
// (metres), each epoch with the single block given, and the displacement
// model comparing them.
struct JednaPara {
    TmodelPorovnani m;
    TmodelPosuny mp;
    Blok b1, b2;
    JednaPara(Extended dX, Extended dY, Extended dZ, const Blok& blok1, const Blok& blok2)
        : b1(blok1), b2(blok2)
    {
        PridejParu(m, Bod("1", 0, 0, 0, 1), Bod("1", dX, dY, dZ, 1));
        Etapy(1, 0, 0, 1, 0, 0);
    }
    // The unit deviations and redundancies of both epochs.
    void Etapy(Extended aprior1, Extended aposter1, int n1, Extended aprior2, Extended aposter2,
               int n2)
    {
        NastavEtapu(m.etapa1, aprior1, aposter1, n1, BlokovaMatice({b1}));
        NastavEtapu(m.etapa2, aprior2, aposter2, n2, BlokovaMatice({b2}));
    }
    // Compares; the record of the pair.
    const Tposun& Porovnej(const Tnastaveni& n = Nastaveni())
    {
        EXPECT_TRUE(sitmera::Porovnej(mp, m, n));
        return mp.posuny.zaznam.at(0);
    }
};

// The worked pair of the tests below: cofactor blocks 1e-6 I in both epochs,
// displacement (3, 4, 0) mm.
JednaPara VzorovaPara() { return JednaPara(3 * mm, 4 * mm, 0, Izotropni(1e-6L), Izotropni(1e-6L)); }

// Four pairs on a 3-point cofactor matrix per epoch (pair 4 fixed in both).
void CtyriPary(TmodelPorovnani& m)
{
    PridejParu(m, Bod("1", 0, 0, 0, 1), Bod("1", 0.002L, 0.001L, -0.004L, 1));
    PridejParu(m, Bod("2", 100, 0, 0, 2), Bod("2", 100.009L, -0.001L, 0.001L, 2));
    PridejParu(m, Bod("3", 0, 100, 0, 3), Bod("3", -0.003L, 100, 0.006L, 3));
    PridejParu(m, Bod("F", 50, 50, 0, 4, true), Bod("F", 50.001L, 50.012L, 0, 4, true));
    const Tmatrix Q = BlokovaMatice({Izotropni(1e-6L), Izotropni(2e-6L), Izotropni(3e-6L)});
    NastavEtapu(m.etapa1, 1, 1.1L, 8, Q);
    NastavEtapu(m.etapa2, 1, 0.9L, 8, Q);
}

// A pair without a-posteriori covariance: no a-posteriori covariance,
// deviations, limits, ellipse, ellipsoid or flag.
void OcekavejBezAposteriori(const Tposun& d)
{
    EXPECT_TRUE(d.kovMatAposter.empty());
    for (int k = 0; k <= 4; ++k) {
        EXPECT_EQ(HodnotaVeliciny(d.odchylkaAposter, k), 0) << k;
        EXPECT_EQ(HodnotaVeliciny(d.odchylkaMezAposter, k), 0) << k;
    }
    EXPECT_FALSE(ExistujeProkazani(d.prokazaniAposter, true));
    EXPECT_EQ(d.elipsaAposter.a_delka, 0);
    EXPECT_EQ(d.elipsoidAposter.a_delka, 0);
}

// The state after Clear or a failure: nothing loaded, nothing owned.
void OcekavejPrazdny(const TmodelPosuny& mp)
{
    EXPECT_EQ(mp.pocet, -1);
    EXPECT_FALSE(mp.jePlny || mp.porovnaniAprior || mp.porovnaniAposter);
    EXPECT_TRUE(mp.body1.bod.empty() && mp.body2.bod.empty() && mp.posuny.zaznam.empty());
    EXPECT_TRUE(mp.bodyGrafika.bod.empty() && mp.bodyDXF.bod.empty());
    EXPECT_TRUE(mp.posunyGrafika.zaznam.empty() && mp.posunyDXF.zaznam.empty());
}

// ---------------------------------------------------------------- quantiles

TEST(ModelPosunyNastaveni, RiskOutsideItsRangeFailsAndClearsTheModel)
{
    JednaPara p = VzorovaPara();
    for (Extended riziko : {0.0L, 2.0L, -0.1L}) {
        TmodelPosuny mp;
        ASSERT_TRUE(mp.NacistBody(p.m));
        EXPECT_FALSE(mp.NacistNastaveni(p.m, Nastaveni(riziko))) << static_cast<double>(riziko);
        EXPECT_EQ(mp.pocet, -1);
        EXPECT_FALSE(mp.jePlny);
        EXPECT_TRUE(mp.body1.bod.empty());
    }
}

// ---------------------------------------------------------------- the worked pair

TEST(ModelPosunyPorovnani, WorkedPairAPriori)
{
    // C = 1e-6 I + 1e-6 I = 2e-6 I: every coordinate deviation sqrt(2) mm; the
    // horizontal length (dX^2 + dY^2) 2e-6 / (dX^2 + dY^2) gives sqrt(2) mm too,
    // and so does the spatial one. Limit 1.959964 x sqrt(2) mm = 2.771808 mm.
    // Bearing atan2(4, 3) = 0.927295218 rad with deviation
    // sqrt((16 + 9) 1e-6 x 2e-6) / 25e-6 = 0.2828427 rad. Zenith pi/2 with
    // deviation sqrt(2e-6) / 5e-3 = 0.2828427 rad (d zenith / d dZ = -1/h).
    JednaPara p = VzorovaPara();
    const Tposun& d = p.Porovnej();
    const TmodelPosuny& mp = p.mp;
    ASSERT_EQ(mp.pocet, 1);
    EXPECT_NEAR(static_cast<double>(mp.kvantilN), 1.959964, 5e-7);

    EXPECT_EQ(d.poradi, 1);
    EXPECT_EQ(d.cislo, "1");
    EXPECT_TRUE(d.JePlny);
    EXPECT_FALSE(d.JeNulovyH || d.JeNulovyS);
    EXPECT_NEAR(static_cast<double>(d.hodnota.delkaH), 5e-3, 1e-15);
    EXPECT_NEAR(static_cast<double>(d.hodnota.delkaS), 5e-3, 1e-15);
    EXPECT_NEAR(static_cast<double>(d.hodnota.smernik), 0.927295218, 5e-10);
    EXPECT_NEAR(static_cast<double>(d.hodnota.zenit), M_PI / 2, 1e-15);

    const double s2 = std::sqrt(2.0) * 1e-3;
    for (int k = 0; k <= 4; ++k) {
        EXPECT_NEAR(H(d.odchylkaAprior, k), s2, 1e-15) << k;
        EXPECT_NEAR(H(d.odchylkaMezAprior, k), 2.771808e-3, 5e-10) << k;
        // X, Y and both lengths significant, Z (0) not.
        EXPECT_EQ(ProkazaniVeliciny(d.prokazaniAprior, k), k != 2) << k;
        EXPECT_EQ(HodnotaVeliciny(mp.pocetProkazanychAprior, k), k != 2 ? 1 : 0) << k;
    }
    EXPECT_NEAR(static_cast<double>(d.odchylkaAprior.smernik), 0.2828427, 5e-8);
    EXPECT_NEAR(static_cast<double>(d.odchylkaAprior.zenit), 0.2828427, 5e-8);

    // Isotropic covariance: a circle of radius sqrt(2) mm, bearing 0.
    EXPECT_NEAR(static_cast<double>(d.elipsaAprior.a_delka), s2, 1e-15);
    EXPECT_NEAR(static_cast<double>(d.elipsaAprior.b_delka), s2, 1e-15);
    EXPECT_EQ(d.elipsaAprior.a_smernik, 0);
    for (Extended delka : {d.elipsoidAprior.a_delka, d.elipsoidAprior.b_delka,
                           d.elipsoidAprior.c_delka})
        EXPECT_NEAR(static_cast<double>(delka), s2, 1e-15);
    EXPECT_EQ(mp.pocetProkazanychAprior.smernik, 0);
    EXPECT_EQ(mp.pocetProkazanychAprior.zenit, 0);
    EXPECT_EQ(mp.pocetNefix, 1);
}

TEST(ModelPosunyPorovnani, NeitherEpochAdjusted_NoAposterioriTestInsteadOfFlaggingEverything)
{
    // No a-posteriori estimate in either epoch: no a-posteriori covariance,
    // deviations, ellipse or ellipsoid; limits 0 and no flag, although the
    // a-posteriori test is on and every component but Z is non-zero.
    JednaPara p = VzorovaPara();
    const Tposun& d = p.Porovnej();
    OcekavejBezAposteriori(d);
    for (int k = 0; k <= 6; ++k) {
        EXPECT_EQ(HodnotaVeliciny(d.kvantilS, k), 0) << k;
        EXPECT_EQ(HodnotaVeliciny(p.mp.pocetProkazanychAposter, k), 0);
    }
    // The a-priori result stands.
    EXPECT_TRUE(d.prokazaniAprior.delkaS);
}

TEST(ModelPosunyPorovnani, WorkedPairAPosterioriAndSwitchedOffTests)
{
    // A-posteriori unit deviations 2 and 1: V = 4e-6 I + 1e-6 I, deviation
    // sqrt(5) mm = 2.236068 mm. Equal redundancies 10 give the effective
    // quantile t(0.975; 10) = 2.228139 itself, limit 4.982270 mm: the lengths
    // (5 mm) are significant, X (3 mm) and Y (4 mm) are not.
    // Redundancies 5 and 30: t1 = 2.570582, t2 = 2.042272; weights 4 : 1 of the
    // variance: t = sqrt((4 t1^2 + t2^2) / 5) = 2.473962032, limit
    // 2.473962032 x 2.236068 mm = 5.531947 mm: nothing significant.
    // Tests switched off: no flag, every limit still written.
    const struct {
        int n1, n2;
        bool testy;
        double mez;
    } pripady[] = {
        {10, 10, true, 4.982270e-3}, {5, 30, true, 5.531947e-3}, {10, 10, false, 4.982270e-3}};
    JednaPara p = VzorovaPara();
    for (const auto& r : pripady) {
        SCOPED_TRACE(testing::Message() << r.n1 << " " << r.n2 << " " << r.testy);
        p.Etapy(1, 2, r.n1, 1, 1, r.n2);
        const Tposun& d = p.Porovnej(Nastaveni(0.05L, r.testy, r.testy));
        const TmodelPosuny& mp = p.mp;
        // t(0.975; 10) = 2.228139, t(0.975; 5) = 2.570582 (tables).
        EXPECT_NEAR(static_cast<double>(mp.kvantilS1), r.n1 == 10 ? 2.228139 : 2.570582, 5e-7);
        EXPECT_EQ(mp.porovnaniAposter, r.testy);
        for (int k = 0; k <= 4; ++k) {
            EXPECT_NEAR(H(d.odchylkaAposter, k), 2.236068e-3, 5e-10) << k;
            const bool rovne = r.n1 == r.n2;
            const double t = rovne ? static_cast<double>(mp.kvantilS1) : 2.473962032;
            EXPECT_NEAR(H(d.kvantilS, k), t, rovne ? 1e-15 : 5e-10) << k;
            EXPECT_NEAR(H(d.odchylkaMezAposter, k), r.mez, 5e-10) << k;
            EXPECT_NEAR(H(d.odchylkaMezAprior, k), 2.771808e-3, 5e-10);
            const bool vyznamny = r.testy && rovne && k >= 3;
            EXPECT_EQ(ProkazaniVeliciny(d.prokazaniAposter, k), vyznamny) << k;
            EXPECT_EQ(HodnotaVeliciny(mp.pocetProkazanychAposter, k), vyznamny ? 1 : 0) << k;
            // A priori as in the worked pair: all but Z, when the test is on.
            EXPECT_EQ(ProkazaniVeliciny(d.prokazaniAprior, k), r.testy && k != 2) << k;
            EXPECT_EQ(HodnotaVeliciny(mp.pocetProkazanychAprior, k), r.testy && k != 2 ? 1 : 0);
        }
        EXPECT_NEAR(static_cast<double>(d.elipsaAposter.a_delka), std::sqrt(5.0) * 1e-3, 1e-15);
        ASSERT_EQ(d.kovMatAposter.size(), 3u);
        EXPECT_NEAR(static_cast<double>(d.kovMatAposter[2][2]), 5e-6, 1e-20);
    }
}

TEST(ModelPosunyPorovnani, EffectiveQuantileWeightsEachQuantityByItsOwnVarianceShares)
{
    // Epoch 1 diag(1, 4, 9) mm^2 x 1.5^2, epoch 2 diag(4, 1, 1) mm^2 x 0.5^2
    // (a posteriori), redundancies 4 and 40; displacement (3, 4, 12) mm. A
    // quantity's variance in an epoch is sum g_i^2 v_i with g its unit
    // direction: X, Y, Z, then (3, 4, 0) / 5 and (3, 4, 12) / 13.
    JednaPara p(3 * mm, 4 * mm, 12 * mm, {1e-6L, 0, 4e-6L, 0, 0, 9e-6L},
                {4e-6L, 0, 1e-6L, 0, 0, 1e-6L});
    p.Etapy(1, 1.5L, 4, 1, 0.5L, 40);
    const Tposun& d = p.Porovnej();
    const long double t1 = icstudent(4, 0.975L), t2 = icstudent(40, 0.975L);
    const long double v1[3] = {2.25e-6L, 9e-6L, 20.25e-6L}, v2[3] = {1e-6L, 0.25e-6L, 0.25e-6L};
    const long double g[5][3] = {
        {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0.6L, 0.8L, 0}, {3 / 13.0L, 4 / 13.0L, 12 / 13.0L}};
    for (int k = 0; k <= 4; ++k) {
        long double a = 0, b = 0;
        for (int i = 0; i < 3; ++i) {
            a += g[k][i] * g[k][i] * v1[i];
            b += g[k][i] * g[k][i] * v2[i];
        }
        const long double t = std::sqrt((t1 * t1 * a + t2 * t2 * b) / (a + b));
        EXPECT_NEAR(H(d.kvantilS, k), static_cast<double>(t), 1e-12) << k;
    }
}

TEST(ModelPosunyPorovnani, APrioriUnitVariancesScaleTheirEpochsBlocks)
{
    // Unit blocks, a-priori unit variances 4 and 1: var X = 4 + 1.
    JednaPara p(1, 0, 0, Izotropni(1), Izotropni(1));
    p.Etapy(2, 0, 0, 1, 0, 0);
    EXPECT_NEAR(static_cast<double>(p.Porovnej().odchylkaAprior.X), std::sqrt(5.0), 1e-15);
}

TEST(ModelPosunyPorovnani, DeviationsEqualFiniteDifferencePropagation)
{
    // A correlated block and a displacement in general direction: each
    // deviation against sqrt(g C g^T) with g the central-difference gradient
    // of the quantity. The zenith angle in particular has its height cross
    // terms with a minus sign.
    const Blok b1 = {4e-6L, 1.2e-6L, 2e-6L, -0.8e-6L, 0.5e-6L, 3e-6L};
    const Blok b2 = {1e-6L, -0.3e-6L, 2.5e-6L, 0.4e-6L, 0.2e-6L, 1.5e-6L};
    const Extended d[3] = {3.1e-3L, -4.2e-3L, 2.3e-3L};
    JednaPara p(d[0], d[1], d[2], b1, b2);
    p.Etapy(1.3L, 0, 0, 0.8L, 0, 0);
    const Tposun& z = p.Porovnej();

    // The full symmetric covariance 1.3^2 C1 + 0.8^2 C2.
    long double C[3][3];
    for (int e = 0; e < 6; ++e)
        C[kIJ[e][0]][kIJ[e][1]] = C[kIJ[e][1]][kIJ[e][0]] = 1.69L * b1[e] + 0.64L * b2[e];
    using F = std::function<long double(const long double*)>;
    auto odchylka = [&](F f) {
        long double g[3];
        const long double krok = 1e-9L;
        for (int k = 0; k < 3; ++k) {
            long double a[3] = {d[0], d[1], d[2]}, b[3] = {d[0], d[1], d[2]};
            a[k] += krok;
            b[k] -= krok;
            g[k] = (f(a) - f(b)) / (2 * krok);
        }
        long double v = 0;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) v += g[i] * C[i][j] * g[j];
        return std::sqrt(v);
    };
    const F delkaH = [](const long double* x) { return std::hypot(x[0], x[1]); };
    const F delkaS = [](const long double* x) {
        return std::sqrt(x[0] * x[0] + x[1] * x[1] + x[2] * x[2]);
    };
    const F smernik = [](const long double* x) { return std::atan2(x[1], x[0]); };
    const F zenit = [](const long double* x) { return std::atan2(std::hypot(x[0], x[1]), x[2]); };

    auto blizko = [](long double a, long double b) {
        EXPECT_NEAR(static_cast<double>(a / b), 1.0, 1e-7);
    };
    blizko(z.odchylkaAprior.delkaH, odchylka(delkaH));
    blizko(z.odchylkaAprior.delkaS, odchylka(delkaS));
    blizko(z.odchylkaAprior.smernik, odchylka(smernik));
    blizko(z.odchylkaAprior.zenit, odchylka(zenit));
    blizko(z.odchylkaAprior.X, std::sqrt(C[0][0]));
    blizko(z.odchylkaAprior.Y, std::sqrt(C[1][1]));
    blizko(z.odchylkaAprior.Z, std::sqrt(C[2][2]));
}

// ---------------------------------------------------------------- special pairs

TEST(ModelPosunyPorovnani, IdenticalCoordinatesGiveZeroLengthsAndNoLengthDeviations)
{
    JednaPara p(0, 0, 0, Izotropni(1e-6L), Izotropni(1e-6L));
    p.m.identickeBodyEtapa1.bod[0].X = p.m.identickeBodyEtapa2.bod[0].X = 1234.5L;
    p.Etapy(1, 1, 10, 1, 1, 12);
    const Tposun& d = p.Porovnej();
    EXPECT_TRUE(d.JeNulovyH && d.JeNulovyS);
    for (int k = 0; k <= 6; ++k) EXPECT_EQ(HodnotaVeliciny(d.hodnota, k), 0) << k;
    for (int k : {3, 4, 5, 6}) {
        EXPECT_EQ(HodnotaVeliciny(d.odchylkaAprior, k), 0) << k;
        EXPECT_EQ(HodnotaVeliciny(d.odchylkaAposter, k), 0) << k;
    }
    EXPECT_EQ(d.kvantilS.delkaH, 0);
    EXPECT_EQ(d.kvantilS.delkaS, 0);
    EXPECT_GT(d.odchylkaAprior.X, 0);
    EXPECT_GT(d.odchylkaAposter.Z, 0);
    EXPECT_FALSE(ExistujeProkazani(d.prokazaniAprior, true));
    EXPECT_FALSE(ExistujeProkazani(d.prokazaniAposter, true));
}

TEST(ModelPosunyPorovnani, PairFixedInBothEpochsHasValuesButNoDeviationsAndLimitsZero)
{
    TmodelPorovnani m;
    // Pair 1 free; pair 2 fixed in both epochs (no blocks), moved by
    // (1, 0, 0) mm; pair 3 fixed in both and unmoved.
    PridejParu(m, Bod("1", 0, 0, 0, 1), Bod("1", 0, 0, 0, 1));
    PridejParu(m, Bod("F1", 10, 10, 10, 2, true), Bod("F1", 10.001L, 10, 10, 2, true));
    PridejParu(m, Bod("F2", 20, 10, 10, 3, true), Bod("F2", 20, 10, 10, 3, true));
    NastavEtapu(m.etapa1, 1, 1, 10, BlokovaMatice({Izotropni(1e-6L)}));
    NastavEtapu(m.etapa2, 1, 1, 10, BlokovaMatice({Izotropni(1e-6L)}));
    TmodelPosuny mp;
    ASSERT_TRUE(Porovnej(mp, m));
    ASSERT_EQ(mp.pocet, 3);
    EXPECT_EQ(mp.pocetNefix, 1);

    const Tposun& f = mp.posuny.zaznam[1];
    EXPECT_TRUE(f.JeFix1 && f.JeFix2);
    EXPECT_NEAR(static_cast<double>(f.hodnota.X), 1e-3, 1e-12);
    EXPECT_NEAR(static_cast<double>(f.hodnota.delkaS), 1e-3, 1e-12);
    EXPECT_TRUE(f.kovMatAprior.empty() && f.kovMatAposter.empty());
    EXPECT_EQ(f.elipsaAprior.a_delka, 0);
    EXPECT_EQ(f.elipsoidAposter.c_delka, 0);
    for (int k = 0; k <= 6; ++k) {
        EXPECT_EQ(HodnotaVeliciny(f.odchylkaAprior, k), 0) << k;
        EXPECT_EQ(HodnotaVeliciny(f.odchylkaAposter, k), 0) << k;
        if (k > 4) continue;
        EXPECT_EQ(HodnotaVeliciny(f.odchylkaMezAprior, k), 0) << k;
        EXPECT_EQ(HodnotaVeliciny(f.odchylkaMezAposter, k), 0) << k;
        // Any change of a fixed point is flagged (X and both lengths); the
        // unchanged components not.
        EXPECT_EQ(ProkazaniVeliciny(f.prokazaniAprior, k), k == 0 || k >= 3) << k;
        EXPECT_EQ(ProkazaniVeliciny(f.prokazaniAposter, k), k == 0 || k >= 3) << k;
    }
    EXPECT_FALSE(ExistujeProkazani(mp.posuny.zaznam[2].prokazaniAprior, true));
    EXPECT_FALSE(ExistujeProkazani(mp.posuny.zaznam[2].prokazaniAposter, true));
    EXPECT_EQ(mp.pocetProkazanychAprior.X, 1);
    EXPECT_EQ(mp.pocetProkazanychAposter.X, 1);
}

TEST(ModelPosunyPorovnani, PairFreeInOneEpochTakesThatEpochsBlockAndQuantile)
{
    TmodelPorovnani m;
    // Pair 1: fixed in epoch 1, free in epoch 2 (block 0 of epoch 2).
    // Pair 2: free in epoch 1 (block 0), fixed in epoch 2.
    PridejParu(m, Bod("1", 0, 0, 0, 2, true), Bod("1", 0.01L, 0, 0, 1));
    PridejParu(m, Bod("2", 0, 0, 0, 1), Bod("2", 0, 0.01L, 0, 2, true));
    NastavEtapu(m.etapa1, 2, 3, 7, BlokovaMatice({Izotropni(1e-6L)}));
    NastavEtapu(m.etapa2, 1, 0.5L, 20, BlokovaMatice({Izotropni(4e-6L)}));
    TmodelPosuny mp;
    ASSERT_TRUE(Porovnej(mp, m));
    EXPECT_EQ(mp.pocetNefix, 2);

    const Tposun& a = mp.posuny.zaznam[0];  // epoch 2's block: 1 x 4e-6, a post. 0.25 x 4e-6
    EXPECT_NEAR(static_cast<double>(a.odchylkaAprior.X), 2e-3, 1e-15);
    EXPECT_NEAR(static_cast<double>(a.odchylkaAposter.X), 1e-3, 1e-15);
    const Tposun& b = mp.posuny.zaznam[1];  // epoch 1's block: 4 x 1e-6, a post. 9 x 1e-6
    EXPECT_NEAR(static_cast<double>(b.odchylkaAprior.Y), 2e-3, 1e-15);
    EXPECT_NEAR(static_cast<double>(b.odchylkaAposter.Y), 3e-3, 1e-15);
    for (int k = 0; k <= 4; ++k) {
        EXPECT_EQ(HodnotaVeliciny(a.kvantilS, k), mp.kvantilS2) << k;
        EXPECT_EQ(HodnotaVeliciny(b.kvantilS, k), mp.kvantilS1) << k;
    }
}

TEST(ModelPosunyPorovnani, PairFixedInTheOnlyAdjustedEpoch_GetsNoAposterioriFiguresAndGoesOn)
{
    TmodelPorovnani m;
    // Pair 1 is fixed in epoch 1, the only adjusted epoch, and free in the
    // unadjusted epoch 2: no a-posteriori covariance exists for it. Pair 2 is
    // free in both.
    PridejParu(m, Bod("1", 0, 0, 0, 2, true), Bod("1", 0.01L, 0, 0, 1));
    PridejParu(m, Bod("2", 0, 0, 0, 1), Bod("2", 0, 0.01L, 0, 2));
    NastavEtapu(m.etapa1, 1, 1.2L, 9, BlokovaMatice({Izotropni(1e-6L)}));
    NastavEtapu(m.etapa2, 1, 0, 0, BlokovaMatice({Izotropni(1e-6L), Izotropni(1e-6L)}));
    TmodelPosuny mp;
    ASSERT_TRUE(Porovnej(mp, m));
    ASSERT_EQ(mp.pocet, 2);

    const Tposun& a = mp.posuny.zaznam[0];
    OcekavejBezAposteriori(a);
    // Its a-priori test stands: 10 mm against 1.96 mm.
    EXPECT_TRUE(a.prokazaniAprior.X);

    // The other pair, free in both, is tested a posteriori with epoch 1
    // alone: its deviation and its quantile.
    const Tposun& b = mp.posuny.zaznam[1];
    EXPECT_NEAR(static_cast<double>(b.odchylkaAposter.Y), 1.2e-3, 1e-15);
    EXPECT_EQ(b.kvantilS.delkaS, mp.kvantilS1);
    EXPECT_EQ(mp.kvantilS2, 0);
    EXPECT_TRUE(b.prokazaniAposter.Y);
    EXPECT_EQ(mp.pocetProkazanychAposter.Y, 1);
    EXPECT_EQ(mp.pocetProkazanychAposter.X, 0);
}

TEST(ModelPosunyPorovnani, ZeroVarianceInBothEpochs_GivesQuantileZeroInsteadOfDivisionByZero)
{
    // Z has no variance in either epoch (a levelled-in height held exact).
    const Blok b = {1e-6L, 0, 1e-6L, 0, 0, 0};
    JednaPara p(3 * mm, 4 * mm, 0, b, b);
    p.Etapy(1, 2, 10, 1, 1, 5);
    const Tposun& d = p.Porovnej();
    EXPECT_EQ(d.kvantilS.Z, 0);
    EXPECT_EQ(d.odchylkaAposter.Z, 0);
    EXPECT_EQ(d.odchylkaMezAposter.Z, 0);
    EXPECT_FALSE(d.prokazaniAposter.Z);
    EXPECT_GT(d.kvantilS.X, 0);
    EXPECT_GT(d.kvantilS.delkaS, 0);
}

TEST(ModelPosunyPorovnani, ComponentEqualToItsLimitIsNotSignificant)
{
    // First find the limit of X, then move the point by exactly that much
    // (from the origin, so the difference is exact).
    JednaPara p = VzorovaPara();
    const Extended mez = p.Porovnej().odchylkaMezAprior.X;
    p.m.identickeBodyEtapa2.bod[0].X = mez;
    const Tposun& d = p.Porovnej();
    ASSERT_EQ(d.hodnota.X, mez);
    ASSERT_EQ(d.odchylkaMezAprior.X, mez);
    EXPECT_FALSE(d.prokazaniAprior.X);
    p.m.identickeBodyEtapa2.bod[0].X = mez * (1 + 1e-12L);
    EXPECT_TRUE(p.Porovnej().prokazaniAprior.X);
}

// ---------------------------------------------------------------- the list

TEST(ModelPosunyPorovnani, ExtremesAndCountsOverAllPairs_RepeatedComparisonReplacesThem)
{
    TmodelPorovnani m;
    CtyriPary(m);
    TmodelPosuny mp;
    // A second comparison replaces records, counts and report, adds nothing.
    ASSERT_TRUE(Porovnej(mp, m));
    mp.protokol.jePlny = true;
    mp.protokol.text.push_back("old report");
    ASSERT_TRUE(Porovnej(mp, m));
    ASSERT_EQ(mp.pocet, 4);
    ASSERT_EQ(mp.posuny.zaznam.size(), 4u);
    EXPECT_EQ(mp.pocetNefix, 3);
    // Over all four pairs, the fixed one included.
    const double extremy[5][2] = {{0.009, -0.003},
                                  {0.012, -0.001},
                                  {0.006, -0.004},
                                  {std::hypot(0.001, 0.012), std::hypot(0.002, 0.001)},
                                  {std::hypot(0.001, 0.012), std::sqrt(4e-6 + 1e-6 + 16e-6)}};
    // Counts by hand. A priori sd = sqrt(2 b) (b = 1, 2, 3e-6), limits 2.77,
    // 3.92, 4.80 mm; a posteriori var = (1.1^2 + 0.9^2) b, t(0.975; 8) =
    // 2.306, limits 3.28, 4.64, 5.68 mm; the fixed pair has limit 0. Both
    // tests: pair 1 (2, 1, -4) Z and S; pair 2 (9, -1, 1) X, H and S; pair 3
    // (-3, 0, 6) Z and S; F (1, 12, 0) X, Y, H and S.
    const int pocty[5] = {2, 1, 2, 2, 4};
    for (int k = 0; k <= 4; ++k) {
        EXPECT_NEAR(H(mp.maxPosun, k), extremy[k][0], 1e-9) << k;
        EXPECT_NEAR(H(mp.minPosun, k), extremy[k][1], 1e-9) << k;
        EXPECT_EQ(HodnotaVeliciny(mp.pocetProkazanychAprior, k), pocty[k]) << k;
        EXPECT_EQ(HodnotaVeliciny(mp.pocetProkazanychAposter, k), pocty[k]) << k;
    }
    // Every record numbered and filled in pair order.
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(mp.posuny.zaznam[i].poradi, static_cast<int>(i) + 1);
        EXPECT_EQ(mp.posuny.zaznam[i].cislo, mp.body1.bod[i].cislo);
    }
    // The report is emptied and the drawing copies made.
    EXPECT_FALSE(mp.protokol.jePlny);
    EXPECT_TRUE(mp.protokol.text.empty());
    EXPECT_EQ(mp.bodyGrafika.bod.size(), 4u);
    EXPECT_EQ(mp.posunyGrafika.zaznam.size(), 4u);
}

// ---------------------------------------------------------------- loading

TEST(ModelPosunyNacistBody, LoadsTheActivePairsInOrderAndResetsTheAnalyses)
{
    TmodelPorovnani m;
    CtyriPary(m);
    m.identickeBodyEtapa1.bod[1].JeAktiv = false;
    m.identickeBodyEtapa2.bod[1].JeAktiv = false;
    TmodelPosuny mp;
    mp.analyzaDelka.iStn = 5;
    mp.analyzaUhel.iCilP = 7;
    mp.analyzaUhel.typPresnost = 1;
    ASSERT_TRUE(mp.NacistBody(m));
    EXPECT_EQ(mp.analyzaDelka.iStn, 0);
    EXPECT_EQ(mp.analyzaUhel.iCilP, 2);
    EXPECT_EQ(mp.analyzaUhel.typPresnost, 0);
    EXPECT_EQ(mp.pocet, 3);
    EXPECT_TRUE(mp.jePlny);
    ASSERT_EQ(mp.body1.bod.size(), 3u);
    ASSERT_EQ(mp.body2.bod.size(), 3u);
    const char* cisla[] = {"1", "3", "F"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(mp.body1.bod[i].cislo, cisla[i]);
        EXPECT_EQ(mp.body2.bod[i].cislo, cisla[i]);
    }
    // poradi still leads to the epoch's block: pair "3" takes its own block
    // (3e-6 in both epochs), sqrt(6e-6).
    EXPECT_EQ(mp.body1.bod[1].poradi, 3);
    ASSERT_TRUE(mp.NacistNastaveni(m, Nastaveni()));
    ASSERT_TRUE(mp.Porovnani(m));
    EXPECT_NEAR(static_cast<double>(mp.posuny.zaznam[1].odchylkaAprior.X), std::sqrt(6e-6), 1e-15);

    // No active pair: false, and the last comparison is kept.
    for (Tbod& b : m.identickeBodyEtapa1.bod) b.JeAktiv = false;
    EXPECT_FALSE(mp.NacistBody(m));
    EXPECT_EQ(mp.pocet, 0);
    EXPECT_FALSE(mp.jePlny);
    EXPECT_EQ(mp.body1.bod.size(), 3u);
    EXPECT_EQ(mp.posuny.zaznam.size(), 3u);
}

// ---------------------------------------------------------------- failures

TEST(ModelPosunyPorovnani, ClearAndEveryFailureEmptyTheModel)
{
    // 0: a block outside epoch 2's matrix; 1: a negative variance; 2: no
    // pairs loaded; 3: Clear of a full model, and then no pairs loaded.
    for (int pripad = 0; pripad < 4; ++pripad) {
        SCOPED_TRACE(pripad);
        TmodelPorovnani m;
        CtyriPary(m);
        if (pripad == 0) m.identickeBodyEtapa2.bod[2].poradi = 9;
        if (pripad == 1)
            m.etapa1.maticeKovariancni[0][0] = m.etapa2.maticeKovariancni[0][0] = -1e-6L;
        TmodelPosuny mp;
        if (pripad < 2) {
            ASSERT_TRUE(mp.NacistBody(m));
            ASSERT_TRUE(mp.NacistNastaveni(m, Nastaveni()));
        }
        if (pripad == 3) {
            ASSERT_TRUE(Porovnej(mp, m));
            mp.GrafikaDleSouradnicovehoSystemu(false);
            mp.VypocetAnalyzaDelka(0, 1, m);
            mp.protokol.text.push_back("x");
            mp.Clear();
            OcekavejPrazdny(mp);
            EXPECT_TRUE(mp.analyzaDelka.data.bod.empty());
            EXPECT_EQ(mp.analyzaDelka.iStn, -1);
            EXPECT_TRUE(mp.protokol.text.empty());
        }
        EXPECT_FALSE(mp.Porovnani(m));
        OcekavejPrazdny(mp);
    }
}

// ---------------------------------------------------------------- drawing copies

TEST(ModelPosunyGrafika, SortedDisplacementList_DrawingCopiesKeepEachPointsOwnDisplacement)
{
    // The main window sorts posuny and pads it with empty records; the
    // drawing still pairs point i with the displacement of pair i.
    TmodelPorovnani m;
    CtyriPary(m);
    // Anisotropic block for pair 1 so that its ellipse bearing is not 0.
    m.etapa1.maticeKovariancni[1][0] = 0.5e-6L;
    TmodelPosuny mp;
    ASSERT_TRUE(Porovnej(mp, m));
    EXPECT_NE(mp.posuny.zaznam[0].elipsaAprior.a_smernik, 0);
    const std::vector<Tposun> pary = mp.posuny.zaznam;  // record i is pair i
    mp.posuny.Sort(0);  // by X: pairs 3, F, 1, 2
    mp.posuny.PridejPrazdnyPosun();
    mp.posuny.PridejPrazdnyPosun();
    ASSERT_NE(mp.posuny.zaznam[0].cislo, "1");
    const long double pi = Pi;
    // The other system first, so that the geodetic one must undo it.
    for (bool system : {false, true}) {
        SCOPED_TRACE(system);
        mp.GrafikaDleSouradnicovehoSystemu(system);
        ASSERT_EQ(mp.bodyGrafika.bod.size(), 4u);
        ASSERT_EQ(mp.posunyGrafika.zaznam.size(), 4u);
        EXPECT_EQ(mp.posunyGrafika.stoceniOs, system ? 0 : pi / 2);
        EXPECT_EQ(mp.posunyDXF.stoceniOs, system ? 0 : pi / 2);
        for (std::size_t i = 0; i < 4; ++i) {
            const Tbod& b = mp.body1.bod[i];
            const Tbod& g = mp.bodyGrafika.bod[i];
            const Tposun& z = pary[i];
            const Tposun& pg = mp.posunyGrafika.zaznam[i];
            const Tposun& pd = mp.posunyDXF.zaznam[i];
            EXPECT_EQ(pg.cislo, b.cislo);
            EXPECT_EQ(g.cislo, b.cislo);
            EXPECT_EQ(pg.hodnota.X, mp.body2.bod[i].X - b.X);
            // Geodetic: a plain copy. Other: X and Y exchanged, bearings
            // turned into pi/2 - bearing.
            EXPECT_EQ(g.X, system ? b.X : b.Y);
            EXPECT_EQ(g.Y, system ? b.Y : b.X);
            EXPECT_EQ(pg.hodnota.smernik, system ? z.hodnota.smernik : pi / 2 - z.hodnota.smernik);
            EXPECT_EQ(pg.elipsaAprior.a_smernik,
                      system ? z.elipsaAprior.a_smernik : pi / 2 - z.elipsaAprior.a_smernik);
            EXPECT_EQ(pg.elipsaAposter.a_smernik,
                      system ? z.elipsaAposter.a_smernik : pi / 2 - z.elipsaAposter.a_smernik);
            // DXF: a plain copy, or both plane coordinates negated and the
            // bearing turned by pi.
            EXPECT_EQ(mp.bodyDXF.bod[i].X, system ? g.X : -g.X);
            EXPECT_EQ(mp.bodyDXF.bod[i].Y, system ? g.Y : -g.Y);
            EXPECT_EQ(mp.bodyDXF.bod[i].Z, g.Z);
            EXPECT_EQ(pd.hodnota.smernik, system ? pg.hodnota.smernik : pi + pg.hodnota.smernik);
            EXPECT_EQ(pd.elipsaAprior.a_smernik, pg.elipsaAprior.a_smernik);
        }
    }
}

// ---------------------------------------------------------------- analyses between epochs

// Two epochs of three points with independent isotropic blocks of 1e-6 m^2:
// A at the origin, B 50 m away, C off the line; in epoch 2, B moves by
// (6, 8, 1) mm.
struct TriBody {
    TmodelPorovnani m;
    TmodelPosuny mp;
    TriBody()
    {
        PridejParu(m, Bod("A", 0, 0, 0, 1), Bod("A", 0, 0, 0, 1));
        PridejParu(m, Bod("B", 30, 40, 2, 2), Bod("B", 30.006L, 40.008L, 2.001L, 2));
        PridejParu(m, Bod("C", -20, 25, 1, 3), Bod("C", -20, 25, 1, 3));
        const Tmatrix Q = BlokovaMatice({Izotropni(1e-6L), Izotropni(1e-6L), Izotropni(1e-6L)});
        NastavEtapu(m.etapa1, 1, 1.5L, 6, Q);
        NastavEtapu(m.etapa2, 1, 0.5L, 6, Q);
        EXPECT_TRUE(Porovnej(mp, m));
    }
};

TEST(ModelPosunyAnalyza, LengthAndAngleAnalysesCompareTheEpochsRowByRow)
{
    TriBody t;
    TmodelPosuny& mp = t.mp;
    mp.VypocetAnalyzaDelka(0, 1, t.m);
    EXPECT_EQ(mp.analyzaDelka.iStn, 0);
    EXPECT_EQ(mp.analyzaDelka.iCilL, 1);
    ASSERT_EQ(mp.analyzaDelka.data.bod.size(), 7u);
    const auto& r = mp.analyzaDelka.data.bod;
    for (const Tbod& radek : r) EXPECT_TRUE(radek.kontrola[0] && radek.kontrola[1]);
    // Changes epoch 2 minus epoch 1: dX 6 mm, dZ 1 mm; the slope length
    // |(30.006, 40.008, 2.001)| - sqrt(2504).
    EXPECT_NEAR(static_cast<double>(r[0].X), 0.006, 1e-12);
    EXPECT_NEAR(static_cast<double>(r[2].X), 0.001, 1e-12);
    EXPECT_NEAR(static_cast<double>(r[4].X),
                std::sqrt(30.006L * 30.006L + 40.008L * 40.008L + 2.001L * 2.001L) -
                    std::sqrt(2504.0L),
                1e-12);
    // A priori: each epoch 1 x sqrt(2e-6) for a coordinate difference, both
    // together 2 mm; limit 1.959964 x 2 mm: dX 6 mm significant, dZ 1 mm not.
    EXPECT_NEAR(static_cast<double>(r[0].Y), 2e-3, 1e-15);
    EXPECT_NEAR(static_cast<double>(r[0].sig_Y), 2 * 1.959964e-3, 1e-9);
    EXPECT_TRUE(r[0].kontrola[2]);
    EXPECT_FALSE(r[2].kontrola[2]);
    // A posteriori: 1.5 and 0.5 x sqrt(2) mm, together sqrt(5) mm; both
    // redundancies 6, so the quantile is t(0.975; 6) = 2.446912.
    EXPECT_NEAR(static_cast<double>(r[0].Z), std::sqrt(5.0) * 1e-3, 1e-15);
    EXPECT_NEAR(static_cast<double>(r[0].elipsoid.b_delka), 2.446912, 5e-7);
    EXPECT_TRUE(r[1].kontrola[3]);
    EXPECT_FALSE(r[2].kontrola[3]);

    // Horizontal angle at A from B to C: only the bearing to B changes.
    mp.VypocetAnalyzaUhel(0, 1, 2, t.m);
    EXPECT_EQ(mp.analyzaUhel.iCilP, 2);
    ASSERT_EQ(mp.analyzaUhel.data.bod.size(), 3u);
    const auto& u = mp.analyzaUhel.data.bod;
    const long double zmena = std::atan2(40.0L, 30.0L) - std::atan2(40.008L, 30.006L);
    EXPECT_NEAR(static_cast<double>(u[0].X), static_cast<double>(zmena), 1e-12);
    for (const Tbod& radek : u) EXPECT_TRUE(radek.kontrola[0] && radek.kontrola[1] && radek.Y > 0);

    // A record that is no pair leaves the rows undefined.
    mp.VypocetAnalyzaDelka(0, 3, t.m);
    ASSERT_EQ(mp.analyzaDelka.data.bod.size(), 7u);
    for (const Tbod& radek : mp.analyzaDelka.data.bod) {
        EXPECT_FALSE(radek.kontrola[0] || radek.kontrola[2]);
        EXPECT_EQ(radek.X, 0);
    }
    mp.VypocetAnalyzaUhel(-1, 1, 2, t.m);
    for (const Tbod& radek : mp.analyzaUhel.data.bod) EXPECT_FALSE(radek.kontrola[0]);
}

// D, 100 m north of A, moves 2 mm across north: its bearing goes from 1e-5
// rad to 2 pi - 1e-5 rad, a change of -2e-5 rad, not 2 pi - 2e-5; so does the
// angle at A from E (due north, 200 m) to D.
TEST(ModelPosunyAnalyza, BearingAndAngleCrossingNorthChangeTheShortWay)
{
    TmodelPorovnani m;
    PridejParu(m, Bod("A", 0, 0, 0, 1), Bod("A", 0, 0, 0, 1));
    PridejParu(m, Bod("D", 100, 0.001L, 0, 2), Bod("D", 100, -0.001L, 0, 2));
    PridejParu(m, Bod("E", 200, 0, 0, 3), Bod("E", 200, 0, 0, 3));
    const Tmatrix Q = BlokovaMatice({Izotropni(1e-6L), Izotropni(1e-6L), Izotropni(1e-6L)});
    NastavEtapu(m.etapa1, 1, 1, 6, Q);
    NastavEtapu(m.etapa2, 1, 1, 6, Q);
    TmodelPosuny mp;
    ASSERT_TRUE(Porovnej(mp, m));
    mp.VypocetAnalyzaDelka(0, 1, m);
    const Tbod& smernik = mp.analyzaDelka.data.bod.at(5);
    ASSERT_TRUE(smernik.kontrola[0]);
    EXPECT_NEAR(static_cast<double>(smernik.X), -2e-5, 1e-12);
    mp.VypocetAnalyzaUhel(0, 2, 1, m);
    const Tbod& uhel = mp.analyzaUhel.data.bod.at(0);
    ASSERT_TRUE(uhel.kontrola[0]);
    EXPECT_NEAR(static_cast<double>(uhel.X), -2e-5, 1e-12);
}

TEST(ModelPosunyAnalyza, SortedDisplacementList_AnalysisUsesThePairsShown)
{
    // The windows pass the indexes of the records they show; after a sort
    // record 0 may be another pair than body1[0].
    TriBody t;
    TmodelPosuny& mp = t.mp;
    mp.VypocetAnalyzaDelka(0, 1, t.m);  // A -> B
    const std::vector<Tbod> predtim = mp.analyzaDelka.data.bod;

    mp.posuny.Sort(4);  // by spatial length: A, C (0) then B
    ASSERT_EQ(mp.posuny.zaznam[1].cislo, "C");
    ASSERT_EQ(mp.posuny.zaznam[2].cislo, "B");
    mp.VypocetAnalyzaDelka(0, 2, t.m);  // the records shown as A and B
    EXPECT_EQ(mp.analyzaDelka.iStn, 0);
    EXPECT_EQ(mp.analyzaDelka.iCilL, 2);
    for (std::size_t k = 0; k < 7; ++k) {
        EXPECT_EQ(mp.analyzaDelka.data.bod[k].X, predtim[k].X) << k;
        EXPECT_EQ(mp.analyzaDelka.data.bod[k].Y, predtim[k].Y) << k;
    }
}

}  // namespace
}  // namespace sitmera

// The whole comparison without windows: two epoch files are generated
// (epoch 2 = epoch 1 with known displacements of some points), attached, a
// key of kind 2 is computed from three points of epoch 1, both epochs are
// transformed and compared. Exactly the displaced points must come out
// significant, with displacement vectors R d (R the key's rotation).
//
// The coordinates carry standard deviations of millimetres, so the 1e-6 m
// rounding of transformed coordinates cannot decide a test, and the epochs
// have different unit deviations and redundancies.
#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "analysis/Etapa.h"
#include "analysis/EtapaTransformacniKlic.h"
#include "analysis/ModelPorovnani.h"
#include "analysis/ModelPosuny.h"
#include "analysis/Posuny.h"
#include "core/Nastaveni.h"
#include "numerics/Matrix2.h"
#include "numerics/TextSoubor.h"
#include "numerics/ZapisSouboru.h"

namespace sitmera {
namespace {

namespace fs = std::filesystem;

// A point of a generated epoch; coordinates in whole micrometres, so that
// epoch 2 = epoch 1 + d holds exactly in the file text.
struct GenBod {
    std::string cislo;
    std::int64_t X, Y, Z;  // micrometres
    bool fix = false;
};

std::string Mikrometry(std::int64_t v)
{
    char buf[48];
    const char* znamenko = v < 0 ? "-" : "";
    const std::int64_t a = v < 0 ? -v : v;
    std::snprintf(buf, sizeof buf, "%s%" PRId64 ".%06" PRId64, znamenko, a / 1000000,
                  a % 1000000);
    return buf;
}

// Symmetric element (r, c) of a lower triangle.
Extended Prvek(const Tmatrix& Q, int r, int c) { return r >= c ? Q[r][c] : Q[c][r]; }

// A positive-definite cofactor matrix of u points (lower triangle, m^2):
// per point standard deviations of 1 to 3 mm with correlations within
// +-0.3, and covariances of 1e-10 m^2 at most between points.
Tmatrix GenerujKovariance(int u, std::uint64_t seme)
{
    std::mt19937_64 gen(seme);
    std::uniform_real_distribution<double> sigma(1e-3, 3e-3), rho(-0.3, 0.3), kriz(-1e-10, 1e-10);
    Tmatrix Q;
    MatrixCreateLower(Q, 3 * u);
    for (int i = 0; i < 3 * u; ++i)
        for (int j = 0; j < i; ++j) Q[i][j] = kriz(gen);
    for (int k = 0; k < u; ++k) {
        const double s[3] = {sigma(gen), sigma(gen), sigma(gen)};
        for (int i = 0; i < 3; ++i) {
            Q[3 * k + i][3 * k + i] = s[i] * s[i];
            for (int j = 0; j < i; ++j) Q[3 * k + i][3 * k + j] = rho(gen) * s[i] * s[j];
        }
    }
    return Q;
}

// The text of an epoch file: header, points (determined first), the
// covariance triangle column by column ten numbers a line, and drawing
// records with one measurement each (slope lengths, directions and zenith
// angles in turn) so that the redundancy is nadbytecnych.
TStringList TextEtapy(const std::vector<GenBod>& body, const Tmatrix& Q, double aprior,
                      double aposter, int nadbytecnych)
{
    int u = 0, f = 0;
    for (const GenBod& b : body) (b.fix ? f : u) += 1;
    const int N = u + f;
    const int mereni = 3 * u + nadbytecnych;
    int pocet[3] = {0, 0, 0};  // slope lengths, directions, zenith angles
    TStringList zaznamy;
    for (int j = 0; j < mereni; ++j) {
        int n[3] = {0, 0, 0};
        n[j % 3] = 1;
        ++pocet[j % 3];
        zaznamy.push_back(std::to_string(j % N) + " " + std::to_string((j + 1) % N) + " " +
                          std::to_string(n[0]) + " " + std::to_string(n[1]) + " " +
                          std::to_string(n[2]) + " 0 0 0 -1");
    }

    TStringList t = {"<1>"};
    for (int n : {pocet[1], pocet[2], pocet[0], 0, 0, 0, 0, mereni, N, u, f, 0, 3 * u,
                  nadbytecnych, 0})
        t.push_back(std::to_string(n));
    char buf[64];
    for (double m0 : {aprior, aposter}) {
        std::snprintf(buf, sizeof buf, "%.6f", m0);
        t.push_back(buf);
    }
    t.push_back("</1>");
    t.push_back("<2>");
    for (bool fixni : {false, true})
        for (const GenBod& b : body)
            if (b.fix == fixni)
                t.push_back(b.cislo + "\t" + Mikrometry(b.X) + "\t" + Mikrometry(b.Y) + "\t" +
                            Mikrometry(b.Z) + "\t" + (b.fix ? "-1" : "0") + "\t-1");
    t.push_back("</2>");

    t.push_back("<3>");
    std::string radek;
    int naRadku = 0;
    for (int j = 0; j < 3 * u; ++j)
        for (int i = j; i < 3 * u; ++i) {
            std::snprintf(buf, sizeof buf, "%.17Lg", Q[i][j]);
            if (naRadku > 0) radek += ' ';
            radek += buf;
            if (++naRadku == 10) {
                t.push_back(radek);
                radek.clear();
                naRadku = 0;
            }
        }
    if (naRadku > 0) t.push_back(radek);
    t.push_back("</3>");

    t.push_back("<4>");
    t.insert(t.end(), zaznamy.begin(), zaznamy.end());
    t.push_back("</4>");
    return t;
}

struct PorovnaniDvouEtap : ::testing::Test {
    fs::path adresar;
    // Known displacements (micrometres) of points 3, 7 and 10.
    std::map<std::string, std::array<std::int64_t, 3>> posuny = {
        {"3", {25000, -18000, 12000}},
        {"7", {-30000, 10000, -20000}},
        {"10", {0, 35000, 5000}},
    };
    std::vector<GenBod> body1, body2;
    TmodelPorovnani model;       // as loaded
    TmodelPorovnani modelT;      // transformed
    TtransformacniKlicEtapa klic;
    Tsouradnice uzivatelske;
    Tnastaveni nastaveni;

    void SetUp() override
    {
        adresar = fs::path(::testing::TempDir()) /
                  ("sitmera_e2e_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(adresar);

        // Epoch 1: determined 1..12 and fixed F1; epoch 2: determined 1..11
        // and 13, fixed F1. Identical: 1..11 and F1.
        std::mt19937_64 gen(20260611);
        std::uniform_int_distribution<std::int64_t> x(1000000000, 1500000000),
            y(2000000000, 2500000000), z(300000000, 330000000);
        for (int k = 1; k <= 12; ++k) body1.push_back({std::to_string(k), x(gen), y(gen), z(gen)});
        const GenBod F1{"F1", 1200000000, 1900000000, 310000000, true};
        body1.push_back(F1);
        for (const GenBod& b : body1) {
            if (b.cislo == "12" || b.fix) continue;
            GenBod c = b;
            auto it = posuny.find(b.cislo);
            if (it != posuny.end()) {
                c.X += it->second[0];
                c.Y += it->second[1];
                c.Z += it->second[2];
            }
            body2.push_back(c);
        }
        body2.push_back({"13", x(gen), y(gen), z(gen)});
        body2.push_back(F1);

        const fs::path s1 = adresar / "etapa1.epc", s2 = adresar / "etapa2.epc";
        ZapisTextovySoubor(s1.string(), TextEtapy(body1, GenerujKovariance(12, 1), 1.0, 1.25, 20));
        ZapisTextovySoubor(s2.string(), TextEtapy(body2, GenerujKovariance(12, 2), 1.5, 0.8, 31));

        ASSERT_TRUE(NacistEtapu(s1.string(), model.etapa1));
        ASSERT_TRUE(NacistEtapu(s2.string(), model.etapa2));
        ASSERT_TRUE(model.etapa1.jeVyrovnan);
        ASSERT_TRUE(model.etapa2.jeVyrovnan);
        nastaveni.Default();
        nastaveni.porovnani = {0.05L, true, true};
        model.VyhledaniIdentickychBodu(nastaveni);
        ASSERT_EQ(model.pocetBoduIdentickych, 12);

        // Key of kind 2 from points 1, 5 and 9 of epoch 1 (list indexes 0, 4, 8).
        klic.typ = 2;
        klic.typBod = {0, 0, 0};
        klic.poradiBod = {{0, -1, -1}, {4, -1, -1}, {8, -1, -1}};
        PriraditSouradniceKlice(klic, model.etapa1.souradnice, model.etapa2.souradnice,
                                uzivatelske);
        ASSERT_TRUE(VypocetKlice(klic));

        bool t1 = false, t2 = false;
        ASSERT_TRUE(modelT.Transfromuj(model, klic, true, t1));
        ASSERT_TRUE(modelT.Transfromuj(model, klic, false, t2));
        ASSERT_TRUE(t1 && t2);
    }

    void TearDown() override
    {
        std::error_code chyba;
        fs::remove_all(adresar, chyba);
    }

    // The comparison of the transformed epochs.
    void Porovnej(TmodelPosuny& mp)
    {
        ASSERT_TRUE(mp.NacistBody(modelT));
        ASSERT_TRUE(mp.NacistNastaveni(modelT, nastaveni));
        ASSERT_TRUE(mp.Porovnani(modelT));
    }

    // R d in metres for the known displacement of a point.
    std::array<Extended, 3> Otocene(const std::string& cislo) const
    {
        const auto& d = posuny.at(cislo);
        std::array<Extended, 3> v{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                v[static_cast<std::size_t>(i)] += klic.rotace[i][j] * d[j] * 1e-6L;
        return v;
    }
};

TEST_F(PorovnaniDvouEtap, ExactlyTheDisplacedPointsAreSignificantWithVectorsRd)
{
    // The key is a true rotation away from the identity.
    EXPECT_LT(klic.rotace[0][0], 0.999L);

    TmodelPosuny mp;
    Porovnej(mp);
    ASSERT_EQ(mp.pocet, 12);
    EXPECT_EQ(mp.pocetNefix, 11);
    EXPECT_GT(mp.kvantilS1, mp.kvantilS2);  // redundancy 20 against 31

    int prokazanych = 0;
    for (const Tposun& d : mp.posuny.zaznam) {
        SCOPED_TRACE("point " + d.cislo);
        if (posuny.count(d.cislo) > 0) {
            ++prokazanych;
            // Significant in both tests, at least in the spatial length.
            EXPECT_TRUE(d.prokazaniAprior.delkaS);
            EXPECT_TRUE(d.prokazaniAposter.delkaS);
            const auto v = Otocene(d.cislo);
            EXPECT_NEAR(static_cast<double>(d.hodnota.X), static_cast<double>(v[0]), 1.000001e-6);
            EXPECT_NEAR(static_cast<double>(d.hodnota.Y), static_cast<double>(v[1]), 1.000001e-6);
            EXPECT_NEAR(static_cast<double>(d.hodnota.Z), static_cast<double>(v[2]), 1.000001e-6);
        } else {
            EXPECT_FALSE(ExistujeProkazani(d.prokazaniAprior, true) ||
                         ExistujeProkazani(d.prokazaniAposter, true));
            EXPECT_LE(std::fabs(static_cast<double>(d.hodnota.delkaS)), 1.8e-6);
        }
        // Millimetre deviations: the rounding of coordinates decides nothing.
        if (!JeFixObe(d)) {
            EXPECT_GT(d.odchylkaMezAprior.X, 1e-3L);
            EXPECT_GT(d.odchylkaMezAposter.Z, 1e-3L);
            EXPECT_GT(d.kvantilS.X, mp.kvantilS2);
            EXPECT_LT(d.kvantilS.X, mp.kvantilS1);
        }
    }
    EXPECT_EQ(prokazanych, 3);
    EXPECT_EQ(mp.pocetProkazanychAprior.delkaS, 3);
    EXPECT_EQ(mp.pocetProkazanychAposter.delkaS, 3);
    for (int k = 0; k <= 4; ++k) {
        EXPECT_LE(HodnotaVeliciny(mp.pocetProkazanychAprior, k), 3);
        EXPECT_LE(HodnotaVeliciny(mp.pocetProkazanychAposter, k), 3);
    }
    // The longest displacement is that of point 7: |(-30, 10, -20)| mm.
    EXPECT_NEAR(static_cast<double>(mp.maxPosun.delkaS),
                std::sqrt(30.0 * 30 + 10 * 10 + 20 * 20) * 1e-3, 2e-6);
}

TEST_F(PorovnaniDvouEtap, AnalysisBetweenEpochsUsesCovariancesInTheFrameOfTheComparedPoints)
{
    TmodelPosuny mp;
    Porovnej(mp);
    // Station point 1 (pair 0, not moved), target point 3 (pair 2, moved).
    ASSERT_EQ(mp.body1.bod[0].cislo, "1");
    ASSERT_EQ(mp.body1.bod[2].cislo, "3");
    mp.VypocetAnalyzaDelka(0, 2, modelT);
    const auto& r = mp.analyzaDelka.data.bod;
    ASSERT_EQ(r.size(), 7u);

    // The coordinate changes are R d; the slope length change is the same in
    // every frame: |P3 + d - P1| - |P3 - P1| from the generated coordinates.
    const auto v = Otocene("3");
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(static_cast<double>(r[static_cast<std::size_t>(k)].X),
                    static_cast<double>(v[static_cast<std::size_t>(k)]), 1.000001e-6);
    auto delka = [](const GenBod& a, const GenBod& b) {
        const long double dx = (b.X - a.X) * 1e-6L, dy = (b.Y - a.Y) * 1e-6L,
                          dz = (b.Z - a.Z) * 1e-6L;
        return std::sqrt(dx * dx + dy * dy + dz * dz);
    };
    const long double zmena = delka(body2[0], body2[2]) - delka(body1[0], body1[2]);
    EXPECT_NEAR(static_cast<double>(r[4].X), static_cast<double>(zmena), 2e-6);

    // A-priori deviation of the X change: in each epoch m0^2 (R D R^T)[0][0]
    // with D the covariance of the difference target - station taken from
    // the epoch as loaded and R the key's rotation.
    auto rozptylX = [&](const Tetapa& e, int is, int ic) {
        const Tmatrix& Q = e.maticeKovariancni;
        long double D[3][3];
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                D[i][j] = Prvek(Q, 3 * ic + i, 3 * ic + j) + Prvek(Q, 3 * is + i, 3 * is + j) -
                          Prvek(Q, 3 * ic + i, 3 * is + j) - Prvek(Q, 3 * is + i, 3 * ic + j);
        long double s = 0;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) s += klic.rotace[0][i] * D[i][j] * klic.rotace[0][j];
        return e.rozptylJednotkovyAprior * s;
    };
    // Points 1 and 3 are list positions 0 and 2 in both epochs.
    const long double cekano =
        std::sqrt(rozptylX(model.etapa1, 0, 2) + rozptylX(model.etapa2, 0, 2));
    EXPECT_NEAR(static_cast<double>(r[0].Y / cekano), 1.0, 1e-9);
    EXPECT_TRUE(r[0].kontrola[1]);
    for (const Tbod& radek : r)
        EXPECT_EQ(radek.kontrola[2], std::fabs(radek.X) > radek.sig_Y);
}

}  // namespace
}  // namespace sitmera

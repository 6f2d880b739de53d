// Time of the comparison of two epochs for 100, 500 and 2000 identical
// points. The comparison reads only each pair's diagonal blocks of the two
// cofactor matrices, so its time should grow linearly in the number of pairs
// (the benchmark reports the fitted complexity).
//
// The epochs are built in memory: n determined points on a grid, both
// epochs adjusted, block-diagonal cofactor matrices with millimetre
// standard deviations, every tenth point moved by a few centimetres.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

#include "analysis/ModelPorovnani.h"
#include "analysis/ModelPosuny.h"
#include "core/Nastaveni.h"
#include "numerics/Matrix2.h"

namespace {

using namespace sitmera;

void NastavEtapu(Tetapa& e, Extended aprior, Extended aposter, int nadbytecnych, int n,
                 Extended rozptyl)
{
    e.odchylkaJednotkovaAprior = aprior;
    e.rozptylJednotkovyAprior = aprior * aprior;
    e.odchylkaJednotkovaAposterior = aposter;
    e.rozptylJednotkovyAposterior = aposter * aposter;
    e.pocetNadbytecnych = nadbytecnych;
    e.jeVyrovnan = true;
    e.jePripojen = true;
    MatrixCreateLower(e.maticeKovariancni, 3 * n);
    for (int k = 0; k < n; ++k) {
        const int r = 3 * k;
        e.maticeKovariancni[r][r] = rozptyl;
        e.maticeKovariancni[r + 1][r] = 0.2L * rozptyl;
        e.maticeKovariancni[r + 1][r + 1] = 2 * rozptyl;
        e.maticeKovariancni[r + 2][r + 2] = 3 * rozptyl;
    }
}

// A comparison model with n identical points (built once per size: the
// cofactor triangles of 2000 points take some 300 MB each).
const TmodelPorovnani& Model(int n)
{
    static std::map<int, std::unique_ptr<TmodelPorovnani>> modely;
    auto& m = modely[n];
    if (m) return *m;
    m = std::make_unique<TmodelPorovnani>();
    NastavEtapu(m->etapa1, 1, 1.2L, 2 * n, n, 1e-6L);
    NastavEtapu(m->etapa2, 1.5L, 0.8L, 2 * n + 7, n, 2e-6L);
    for (int k = 0; k < n; ++k) {
        Tbod b;
        BodDefault(b);
        b.cislo = std::to_string(k + 1);
        b.X = 1000 + 10 * (k % 100);
        b.Y = 5000 + 10 * (k / 100);
        b.Z = 250 + 0.01L * k;
        b.poradi = k + 1;
        b.soubor = k + 1;
        b.JePlny = b.JeAktiv = true;
        Tbod c = b;
        if (k % 10 == 0) {
            c.X += 0.03L;
            c.Z -= 0.02L;
        }
        m->identickeBodyEtapa1.PridejBod(b);
        m->identickeBodyEtapa2.PridejBod(c);
    }
    m->pocetBoduIdentickych = n;
    m->existujiIdenticke = true;
    return *m;
}

Tnastaveni Nastaveni()
{
    Tnastaveni n;
    n.Default();
    n.porovnani.riziko = 0.05L;
    n.porovnani.apriorni = n.porovnani.aposteriorni = true;
    return n;
}

// Porovnani alone, on pairs already loaded.
void BM_Porovnani(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const TmodelPorovnani& m = Model(n);
    TmodelPosuny mp;
    if (!mp.NacistBody(m) || !mp.NacistNastaveni(m, Nastaveni())) {
        state.SkipWithError("loading failed");
        return;
    }
    for (auto _ : state) {
        if (!mp.Porovnani(m)) {
            state.SkipWithError("comparison failed");
            break;
        }
        benchmark::DoNotOptimize(mp.pocetProkazanychAprior);
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_Porovnani)->Arg(100)->Arg(500)->Arg(2000)->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

// The compare command's model calls: load the pairs, the quantiles, compare.
void BM_PorovnaniPrikaz(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const TmodelPorovnani& m = Model(n);
    const Tnastaveni nastaveni = Nastaveni();
    for (auto _ : state) {
        TmodelPosuny mp;
        if (!mp.NacistBody(m) || !mp.NacistNastaveni(m, nastaveni) || !mp.Porovnani(m)) {
            state.SkipWithError("comparison failed");
            break;
        }
        benchmark::DoNotOptimize(mp.pocetNefix);
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_PorovnaniPrikaz)->Arg(100)->Arg(500)->Arg(2000)->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

// Time of the displacement report with every section switched on, for 250 to
// 2000 displacements (and twice that for the growth): the report must grow
// linearly with the number of displacements.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "analysis/EtapaTransformacniKlic.h"
#include "analysis/ModelPorovnani.h"
#include "analysis/ModelPosuny.h"
#include "analysis/Posuny.h"
#include "core/Jazyk.h"
#include "core/Nastaveni.h"
#include "numerics/Jednotky.h"
#include "points/Souradnice.h"
#include "reports/Protokol.h"
#include "reports/ProtokolPosuny.h"

using namespace sitmera;

namespace {

// A displacement model of n pairs with plausible values (metres, radians).
void NaplnModel(TmodelPosuny& model, Tsouradnice& body, int n)
{
    std::mt19937_64 gen(static_cast<std::uint64_t>(n));
    std::uniform_real_distribution<double> u(-0.02, 0.02);
    std::uniform_real_distribution<double> s(0.0005, 0.003);
    model.posuny.Clear();
    model.body1.Clear();
    model.body2.Clear();
    for (int i = 0; i < n; ++i) {
        Tposun p;
        ClearPosun(p);
        p.JePlny = true;
        p.cislo = std::to_string(1000 + i);
        p.JeFix1 = p.JeFix2 = (i % 50 == 0);
        p.hodnota = {u(gen), u(gen), u(gen), std::abs(u(gen)), std::abs(u(gen)), 3 * std::abs(u(gen)) * 100,
                     Pi / 2};
        p.odchylkaAprior = {s(gen), s(gen), s(gen), s(gen), s(gen), 0, 0};
        p.odchylkaAposter = {s(gen), s(gen), s(gen), s(gen), s(gen), 0, 0};
        p.odchylkaMezAprior = p.odchylkaAprior;
        p.odchylkaMezAposter = p.odchylkaAposter;
        p.prokazaniAprior = {i % 3 == 0, i % 5 == 0, false, i % 7 == 0, true};
        p.prokazaniAposter = {i % 2 == 0, false, i % 4 == 0, true, false};
        p.elipsoidAprior = {s(gen), 1, 1.5, s(gen), 2, 1.5, s(gen), 0, 0};
        p.elipsoidAposter = p.elipsoidAprior;
        model.posuny.PridejPosun(p);

        Tbod b;
        BodDefault(b);
        b.cislo = p.cislo;
        b.X = 1000 + 10 * i;
        b.Y = 2000 - 7 * i;
        b.Z = 300;
        b.sig_X = b.sig_Y = b.sig_Z = 0.002;
        b.JePlny = true;
        model.body1.PridejBod(b);
        model.body2.PridejBod(b);
    }
    model.pocet = n;
    model.pocetNefix = n - model.posuny.PocetFix();
    model.porovnaniAprior = model.porovnaniAposter = true;
    body.Kopiruj(model.body1);
}

void BM_ProtokolPosunu(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    Tnastaveni nastaveni;
    nastaveni.Default();
    TprotokolNastaveni& p = nastaveni.protokol;
    p.posunBodyIdent = p.posunValueOrthogonal = p.posunValueSemipolar = p.posunValuePolar = true;
    p.posunElips = p.posunHodnoceniX = p.posunHodnoceniY = p.posunHodnoceniZ = true;
    p.posunValuePresnost = 3;
    p.posunBodyIdentPresnost = 3;
    Tjazyk jazyk;
    jazyk.Default(nastaveni);

    TmodelPosuny model;
    TmodelPorovnani porovnani;
    porovnani.etapa1.odchylkaJednotkovaAprior = porovnani.etapa2.odchylkaJednotkovaAprior = 1;
    porovnani.etapa1.odchylkaJednotkovaAposterior = porovnani.etapa2.odchylkaJednotkovaAposterior = 1.1L;
    Tsouradnice body;
    NaplnModel(model, body, n);
    TtransformacniKlicEtapa klic;
    klic.typ = 1;
    klic.typBod = {0, 0, 0};
    klic.poradiBod = {{0, -1, -1}, {1, -1, -1}, {-1, -1, -1}};
    klic.souradniceBod = klic.souradniceCil1 = klic.souradniceCil2 = &body;

    std::size_t radky = 0;
    for (auto _ : state) {
        model.protokol.Clear();
        if (!ProtokolPosunu(model, porovnani, klic, nastaveni, jazyk)) state.SkipWithError("report failed");
        radky = model.protokol.text.size();
        benchmark::DoNotOptimize(model.protokol.text.data());
    }
    state.counters["items"] = static_cast<double>(radky);
    state.SetComplexityN(n);
}

}  // namespace

BENCHMARK(BM_ProtokolPosunu)->Arg(250)->Arg(500)->Arg(1000)->Arg(2000)->Arg(4000)->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

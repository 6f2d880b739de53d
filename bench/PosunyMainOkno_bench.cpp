// The main displacement window with many compared pairs (offscreen):
//  - opening it (captions, counts, the grid sized and the rows on screen
//    written, one paint) for 200 and 2000 pairs: well under a second, and
//    about the same for both, since only the rows on screen are formatted;
//  - one scroll step (a new top row: the rows on screen formatted again) for
//    200, 2000 and 20000 pairs: constant time;
//  - the sort command on 2000 pairs by number, X and spatial length (the
//    stable exchange sort; under a second).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>
#include <string>

#include <QCoreApplication>

#include "program/Globalni.h"
#include "ui/displacements/PosunyMainOkno.h"
#include "ui/layer/Formular.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/Prostredi.h"

using namespace sitmera;

namespace {

// The offscreen application and the global objects, made once.
void Pripravit()
{
    static bool hotovo = false;
    if (hotovo) return;
    hotovo = true;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char nazev[] = "bench";
    static char* argv[] = {nazev, nullptr};
    new Aplikace(argc, argv);
    VytvoritGlobalniObjekty();
    Prostredi().nastaveni = nastaveni;
    Prostredi().jazyk = jazyk;
    Prostredi().chyby = chyby;
}

// The displacement model of n compared pairs with plausible values (metres),
// every fifth one significant, every fiftieth fixed in both epochs; the
// numbers out of order, so that every sort moves records.
void NaplnModel(int n)
{
    std::mt19937_64 gen(static_cast<std::uint64_t>(n));
    std::uniform_real_distribution<double> u(-0.02, 0.02);
    TmodelPosuny& m = *modelPosuny;
    m.posuny.Clear();
    for (int i = 0; i < n; ++i) {
        Tposun p;
        ClearPosun(p);
        p.JePlny = true;
        p.poradi = i + 1;
        p.cislo = std::to_string((i * 7919) % n + 1);
        p.JeFix1 = p.JeFix2 = i % 50 == 0;
        const double x = u(gen), y = u(gen), z = u(gen);
        p.hodnota = {x, y, z, std::hypot(x, y), std::sqrt(x * x + y * y + z * z), 1, 1.5};
        p.prokazaniAprior = {i % 5 == 0, false, false, i % 5 == 0, i % 5 == 0};
        p.prokazaniAposter = {i % 10 == 0, false, false, false, false};
        m.posuny.PridejPosun(p);
    }
    m.pocet = n;
    m.pocetNefix = n - m.posuny.PocetFix();
    m.porovnaniAprior = m.porovnaniAposter = true;
}

TForm68& Okno()
{
    static TForm68* okno = [] {
        auto* o = new TForm68();
        o->resize(o->width(), 900);
        return o;
    }();
    return *okno;
}

void BM_OtevreniOkna(benchmark::State& state)
{
    Pripravit();
    const int n = static_cast<int>(state.range(0));
    NaplnModel(n);
    TForm68& okno = Okno();
    for (auto _ : state) {
        okno.show();
        QCoreApplication::processEvents();
        okno.Close();
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_OtevreniOkna)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_KrokPosuvniku(benchmark::State& state)
{
    Pripravit();
    const int n = static_cast<int>(state.range(0));
    NaplnModel(n);
    TForm68& okno = Okno();
    okno.show();
    QCoreApplication::processEvents();
    Mrizka* g = okno.StringGrid3;
    int horni = 0;
    for (auto _ : state) {
        horni = (horni + 37) % (n - 60);
        g->SetTopRow(horni);  // the scroll handler writes the rows on screen
        benchmark::DoNotOptimize(g->Cell(1, horni));
    }
    okno.Close();
    state.SetComplexityN(n);
}
BENCHMARK(BM_KrokPosuvniku)->Arg(200)->Arg(2000)->Arg(20000)->Complexity(benchmark::o1)
    ->Unit(benchmark::kMicrosecond);

void BM_Razeni(benchmark::State& state)
{
    Pripravit();
    const int velicina = static_cast<int>(state.range(0));
    NaplnModel(2000);
    const Tposuny puvodni = modelPosuny->posuny;
    TForm68& okno = Okno();
    okno.show();
    for (auto _ : state) {
        state.PauseTiming();
        modelPosuny->posuny = puvodni;
        state.ResumeTiming();
        switch (velicina) {
            case -1: okno.SeraditDleCislo1Click(); break;
            case 0: okno.SeraditDleX1Click(); break;
            default: okno.SeraditDleDelkaS1Click(); break;
        }
    }
    okno.Close();
}
BENCHMARK(BM_Razeni)->Arg(-1)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace

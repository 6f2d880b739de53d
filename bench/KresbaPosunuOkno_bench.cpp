// The displacement graph window with many compared pairs (offscreen, all
// kinds drawn: points, ellipses, vectors, limits, axes, scale bars):
//  - opening it (the model's drawing and DXF copies, the whole view, the
//    options loaded, one paint) for 200 and 2000 pairs;
//  - one option changed (Prekreslit: the whole drawing painted again), the
//    step every control takes, for the same sizes;
//  - one pan step of the mouse over 2000 pairs.
// All grow linearly with the pairs, and the painting of the canvas's lines
// takes nearly all of it (on the build machine about 37 ms for 200 pairs and
// 0.37 s for 2000).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

#include <QCheckBox>
#include <QCoreApplication>

#include "program/Globalni.h"
#include "ui/displacements/graf_winPosun.h"
#include "ui/layer/Formular.h"
#include "ui/layer/Prostredi.h"

using namespace sitmera;

namespace {

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
    TgrafikaPosun& g = nastaveni->grafikaPosun;
    g.kreslitPosunHzMezOdchylka = g.kreslitPosunZHodnota = g.kreslitPosunZMezOdchylka = true;
}

// n compared pairs spread over a square kilometre, displacements of a few
// millimetres (metres) with ellipses and limits, every fifth significant.
void NaplnModel(int n)
{
    std::mt19937_64 gen(static_cast<std::uint64_t>(n));
    std::uniform_real_distribution<double> poloha(0, 1000), posun(-0.02, 0.02);
    TmodelPosuny& m = *modelPosuny;
    m.body1.Velikost(0);
    m.posuny.Clear();
    for (int i = 0; i < n; ++i) {
        Tbod b{};
        b.cislo = std::to_string(i + 1);
        b.X = poloha(gen);
        b.Y = poloha(gen);
        b.JePlny = true;
        m.body1.PridejBod(b);
        Tposun p;
        ClearPosun(p);
        p.JePlny = true;
        p.poradi = i + 1;
        p.cislo = b.cislo;
        const double x = posun(gen), y = posun(gen), z = posun(gen);
        p.hodnota = {x, y, z, std::hypot(x, y), std::sqrt(x * x + y * y + z * z), std::atan2(y, x), 1.5};
        p.elipsaAprior = p.elipsaAposter = {0.003, 0.002, 0.7};
        p.odchylkaMezAprior = p.odchylkaMezAposter = {0.005, 0.005, 0.006, 0.006, 0.008, 0, 0};
        p.prokazaniAprior = {i % 5 == 0, false, i % 5 == 0, i % 5 == 0, i % 5 == 0};
        m.posuny.PridejPosun(p);
    }
    m.pocet = n;
}

void BM_OtevreniGrafu(benchmark::State& state)
{
    Pripravit();
    NaplnModel(static_cast<int>(state.range(0)));
    TForm84& okno = Form84();
    for (auto _ : state) {
        okno.show();
        okno.Close();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_OtevreniGrafu)->Arg(200)->Arg(2000)->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

void BM_ZmenaVolby(benchmark::State& state)
{
    Pripravit();
    NaplnModel(static_cast<int>(state.range(0)));
    TForm84& okno = Form84();
    okno.show();
    for (auto _ : state) okno.CheckBox08->click();  // scale bars off / on: one Prekreslit
    okno.Close();
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ZmenaVolby)->Arg(200)->Arg(2000)->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

void BM_KrokPosunuMysi(benchmark::State& state)
{
    Pripravit();
    NaplnModel(2000);
    TForm84& okno = Form84();
    okno.show();
    okno.Image1MouseDown(Qt::LeftButton, Qt::NoModifier, 300, 300);
    int x = 300;
    for (auto _ : state) {
        x = x == 300 ? 303 : 300;
        okno.Image1MouseMove(Qt::LeftButton, Qt::NoModifier, x, 300);
    }
    okno.Close();
}
BENCHMARK(BM_KrokPosunuMysi)->Unit(benchmark::kMillisecond);

}  // namespace

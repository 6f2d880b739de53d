// The epoch window with epochs of 200, 2000 and 20000 points: opening it
// (copying the epoch's list and filling the grid) and scrolling it by a page,
// with and without painting the grid.
//
// The grid keeps the texts of the rows it was given, so after one opening the
// rows that hold a text are the rows that were formatted: the counters
// `formatovano` (rows formatted by an opening) and `naObrazovce` (rows on
// screen, the partly visible one included) show that an opening formats one
// screen, whatever the size of the epoch; the time of a scroll step stays
// the same for every size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <string>

#include "analysis/Etapa.h"
#include "program/Globalni.h"
#include "ui/EtapaVstupOkno.h"
#include "ui/TabulkaSouradnice.h"
#include "ui/layer/Bunky.h"
#include "ui/layer/Formular.h"
#include "ui/layer/Mrizka.h"

using namespace sitmera;

namespace {

// The program's objects with an epoch of n points (every tenth fixed) as
// the current epoch of the window, on the offscreen platform.
void Priprav(int n)
{
    static Aplikace* aplikace = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char nazev[] = "bench";
        static char* argv[] = {nazev, nullptr};
        return new Aplikace(argc, argv);
    }();
    (void)aplikace;
    if (!ExistujiGlobalniObjekty()) VytvoritGlobalniObjekty();
    Tetapa& e = modelPorovnani->etapa1;
    e.souradnice.Clear();
    for (int i = 0; i < n; ++i) {
        Tbod b;
        BodDefault(b);
        b.cislo = std::to_string(i + 1);
        b.X = 1000 + 10.0 * (i % 100);
        b.Y = 2000 + 10.0 * (i / 100);
        b.Z = 300 + 0.001 * i;
        b.JePlny = true;
        b.JeFixni = i % 10 == 9;
        e.souradnice.PridejBod(b);
    }
    e.jePripojen = true;
    etapaAktualni = &e;
    nastaveni->okno.etapa = 1;
    nastaveni->okno.etapaDruh = 1;
    Form66().resize(Form66().width(), 700);
}

int RadkySTextem(const Mrizka* m)
{
    int n = 0;
    for (int r = 0; r < m->RowCount(); ++r) n += !m->Cell(0, r).empty();
    return n;
}

void BM_OtevritOknoEtapy(benchmark::State& state)
{
    Priprav(static_cast<int>(state.range(0)));
    TForm66& okno = Form66();
    int formatovano = 0;
    for (auto _ : state) {
        okno.show();
        state.PauseTiming();
        formatovano = RadkySTextem(okno.StringGrid3);
        okno.Close();
        // A fresh grid for the next opening.
        NastavVelikostTabulky(okno.StringGrid3, 0, 4);
        state.ResumeTiming();
    }
    state.counters["formatovano"] = formatovano;
    state.counters["naObrazovce"] = ViditelneRadkyTabulky(okno.StringGrid3);
}

// A scroll step by a page; with the second argument 1 as the user sees
// it: the grid painted (every visible cell through the cell painters) into
// an image.
void BM_PosunoutOknoEtapy(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const bool vykreslit = state.range(1) != 0;
    Priprav(n);
    TForm66& okno = Form66();
    okno.show();
    Mrizka* m = okno.StringGrid3;
    const int strana = ViditelneRadkyTabulky(m);
    QImage obraz(m->viewport()->size(), QImage::Format_RGB32);
    int horni = 0;
    for (auto _ : state) {
        horni = horni + strana < n - strana ? horni + strana : 0;
        m->SetTopRow(horni);  // the grid asks the window for the new rows
        if (vykreslit) m->viewport()->render(&obraz);
        benchmark::DoNotOptimize(m->Cell(1, horni));
    }
    state.counters["naObrazovce"] = strana;
    okno.Close();
}

// The cell painters alone on one screen of the main grid (34 rows, 6
// columns of 18-pixel cells): every cell filled with its right-edge line and
// (with argument 1) its text, a line under every second row, the
// fixed-point letter and a duplicate mark on some rows, the dotted frame of
// the current row on one row.
void BM_KresleniBunek(benchmark::State& state)
{
    Priprav(1);
    const bool text = state.range(0) != 0;
    QImage obraz(6 * 110, 34 * 18, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&obraz);
        Platno c(p);
        for (int r = 0; r < 34; ++r)
            for (int s = 0; s < 6; ++s) {
                const QRect bunka(s * 110, r * 18, 110, 18);
                KresliBeznouBunku(c, bunka);
                if (text) KresliTextBunkyVpravo(c, bunka, "1234.567");
                if (s == 0 && r % 10 == 9) KresliPismenoF(c, bunka, barvyTabulky[0], true, true);
                if (s == 0 && r % 17 == 3) KresliTrojuhelnik(c, bunka, barvyTabulky[2], true, true);
                KresliVodorovnouCaru(c, bunka, barvyTabulky[8], TstylPera::plny, r % 2 == 1, 1);
                KresliTeckovanyRamecek(c, bunka, r == 5);
            }
    }
    benchmark::DoNotOptimize(obraz.constBits());
}

}  // namespace

BENCHMARK(BM_KresleniBunek)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OtevritOknoEtapy)->Arg(200)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PosunoutOknoEtapy)
    ->Args({200, 0})
    ->Args({2000, 0})
    ->Args({20000, 0})
    ->Args({2000, 1})
    ->Unit(benchmark::kMicrosecond);

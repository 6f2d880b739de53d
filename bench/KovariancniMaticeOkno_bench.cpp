// The weight-coefficient window over a synthetic epoch of 2000 determined
// points (a 6000 x 6000 matrix, some 740 MB as one text): opening it (shown
// and painted), paging down, scrolling right, and selecting all and copying.
//
// Memory is the process's resident high-water mark (VmHWM) minus the
// resident size before the step (the peak reset through /proc/self/clear_refs
// first), so "added_MiB" is what the step needs on top of the loaded epoch.
// The window runs on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QScrollBar>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "EtapaGenerator.h"
#include "analysis/Etapa.h"
#include "program/Globalni.h"
#include "ui/KovariancniMaticeOkno.h"
#include "ui/layer/Formular.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/layer/VelkyText.h"

using namespace sitmera;

namespace {

constexpr int PocetUrcovanych = 2000;

double PametMiB(const char* klic)
{
    std::ifstream f("/proc/self/status");
    std::string radek;
    const std::string k(klic);
    while (std::getline(f, radek))
        if (radek.rfind(k, 0) == 0) return std::stod(radek.substr(k.size())) / 1024.0;
    return 0;
}

void VynulujSpickuPameti()
{
    std::ofstream f("/proc/self/clear_refs");
    f << "5";
}

// The application, the global objects and the epoch, made once.
Tetapa& Priprava()
{
    static Tetapa* etapa = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char nazev[] = "bench";
        static char* argv[] = {nazev, nullptr};
        new Aplikace(argc, argv);
        VytvoritGlobalniObjekty();
        const auto cesta = std::filesystem::temp_directory_path() / "sitmera_bench_covariance_2000.epc";
        {
            std::ofstream out(cesta, std::ios::binary);
            generator::GenerujEtapu(out, PocetUrcovanych, 10, 2000);
        }
        const bool ok = NacistEtapu(cesta.string(), modelPorovnani->etapa1);
        std::filesystem::remove(cesta);
        if (!ok) std::abort();
        etapaAktualni = &modelPorovnani->etapa1;
        nastaveni->okno.kovariancniMatice = 1;
        return etapaAktualni;
    }();
    return *etapa;
}

// Runs prace while the window is shown (the modal hook answers it).
template <class F>
void Otevri(F prace)
{
    NastavModalniHook([&](Formular&) {
        prace(Form36());
        return 0;
    });
    ZobrazModalne(Form36());
    NastavModalniHook({});
}

void BM_OtevritKovariancniMatici(benchmark::State& state)
{
    Priprava();
    double pridano = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const double pred = PametMiB("VmRSS:");
        VynulujSpickuPameti();
        state.ResumeTiming();
        // Shown and painted once, as the user first sees it.
        Otevri([](TForm36& f) { benchmark::DoNotOptimize(f.grab()); });
        state.PauseTiming();
        pridano = std::max(pridano, PametMiB("VmHWM:") - pred);
        state.ResumeTiming();
    }
    state.counters["added_MiB"] = pridano;
    state.counters["matrix_rows"] = Priprava().RadkuKovariancniMatice();
}

// Paging down through the open window: a new screen of rows each time.
void BM_StrankaDolu(benchmark::State& state)
{
    Priprava();
    Otevri([&](TForm36& f) {
        QScrollBar* v = f.RichEdit1->verticalScrollBar();
        for (auto _ : state) {
            v->setValue((v->value() + v->pageStep()) % v->maximum());
            benchmark::DoNotOptimize(f.grab());
        }
    });
}

// Scrolling right along the rows on screen (already formatted).
void BM_PosunVpravo(benchmark::State& state)
{
    Priprava();
    Otevri([&](TForm36& f) {
        QScrollBar* h = f.RichEdit1->horizontalScrollBar();
        for (auto _ : state) {
            h->setValue((h->value() + h->pageStep()) % std::max(h->maximum(), 1));
            benchmark::DoNotOptimize(f.grab());
        }
    });
}

// Ctrl+A and Ctrl+C: the whole text (about 740 MB) onto the clipboard, its
// rows formatted on several threads. "kept_MiB" is what stays resident
// after the copy (the clipboard's text), "added_MiB" the peak on the way.
void BM_KopirovatVse(benchmark::State& state)
{
    Priprava();
    double pridano = 0, drzeno = 0;
    std::size_t bajtu = 0;
    Otevri([&](TForm36& f) {
        for (auto _ : state) {
            state.PauseTiming();
            const double pred = PametMiB("VmRSS:");
            VynulujSpickuPameti();
            state.ResumeTiming();
            f.RichEdit1->VybratVse();
            f.RichEdit1->Kopirovat();
            state.PauseTiming();
            pridano = std::max(pridano, PametMiB("VmHWM:") - pred);
            drzeno = std::max(drzeno, PametMiB("VmRSS:") - pred);
            bajtu = static_cast<std::size_t>(QGuiApplication::clipboard()->mimeData()->data("text/plain").size());
            QGuiApplication::clipboard()->clear();
            state.ResumeTiming();
        }
    });
    state.counters["added_MiB"] = pridano;
    state.counters["kept_MiB"] = drzeno;
    state.counters["text_MiB"] = static_cast<double>(bajtu) / (1024.0 * 1024.0);
}

}  // namespace

BENCHMARK(BM_OtevritKovariancniMatici)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StrankaDolu)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PosunVpravo)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KopirovatVse)->Iterations(1)->Unit(benchmark::kMillisecond);

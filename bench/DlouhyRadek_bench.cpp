// A file of one long line without a line end, read as an epoch, as a project
// and as a coordinate file: each reader must reject it quickly and in little
// memory, whatever its size.
//
// Every reading runs in a child process of its own: "peak_MiB" is the child's
// maximum resident set (wait4), the time that of the reading alone. The file
// is written into a temporary folder first and removed at the end; its size
// in MiB is given by --size_mib=N (default 64; 2048 gives the 2 GiB file).
// BM_DlouhyRadekBezMeze reads the same line from memory with no cap on its
// length (as a text already held is read): the line is handed out whole,
// in a time linear in its length.
// For the peak of the whole program as /usr/bin/time -v sees it, run one
// reader at a time, e.g.
//   /usr/bin/time -v DlouhyRadek_bench --size_mib=2048 --benchmark_filter=Etapa
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "DetskyProces.h"
#include "analysis/Etapa.h"
#include "analysis/EtapaTransformacniKlic.h"
#include "analysis/ModelPorovnani.h"
#include "analysis/Projekt.h"
#include "core/Info.h"
#include "core/Nastaveni.h"
#include "numerics/TextSoubor.h"
#include "points/Souradnice.h"
#include "points/UzivatelskeBody.h"

using namespace sitmera;

namespace {

namespace fs = std::filesystem;

std::uint64_t velikostMiB = 64;

struct Mereni {
    double sekundy = 0;
    bool odmitnuto = false;  // the reader rejected the file
};

// Runs `cteni` in a child process; its peak resident set comes from wait4.
Mereni VDetskemProcesu(const std::function<bool()>& cteni, double& spickaMiB)
{
    auto [m, ok] = bench::VDetskemProcesu<Mereni>(
        [&](Mereni& m) {
            const auto t0 = std::chrono::steady_clock::now();
            m.odmitnuto = !cteni();
            m.sekundy = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        },
        spickaMiB);
    if (!ok) m.odmitnuto = false;
    return m;
}

// The folder of the file, removed at the end.
struct Slozka {
    fs::path cesta;
    ~Slozka()
    {
        std::error_code chyba;
        if (!cesta.empty()) fs::remove_all(cesta, chyba);
    }
} slozka;

// The one-line file: numbers and blanks, no line end.
const std::string& Soubor()
{
    static const std::string cesta = [] {
        slozka.cesta = fs::temp_directory_path() / ("sitmera-dlouhy-radek-" + std::to_string(::getpid()));
        fs::create_directories(slozka.cesta);
        const fs::path p = slozka.cesta / "jeden_radek.txt";
        std::ofstream out(p, std::ios::binary);
        std::string kus;
        while (kus.size() < (std::size_t{1} << 20)) kus += "1234.5678 ";
        kus.resize(std::size_t{1} << 20);
        for (std::uint64_t i = 0; i < velikostMiB; ++i) out.write(kus.data(), static_cast<std::streamsize>(kus.size()));
        return p.string();
    }();
    return cesta;
}

void Zmer(benchmark::State& state, const std::function<bool(const std::string&)>& cteni)
{
    const std::string& cesta = Soubor();
    for (auto _ : state) {
        double spickaMiB = 0;
        const Mereni m = VDetskemProcesu([&] { return cteni(cesta); }, spickaMiB);
        if (!m.odmitnuto) state.SkipWithError("the file was not rejected");
        state.SetIterationTime(m.sekundy);
        state.counters["peak_MiB"] = spickaMiB;
    }
    state.counters["file_MiB"] = static_cast<double>(velikostMiB);
}

void BM_DlouhyRadekEtapa(benchmark::State& state)
{
    Zmer(state, [](const std::string& cesta) {
        Tetapa etapa;
        return NacistEtapu(cesta, etapa);
    });
}

void BM_DlouhyRadekProjekt(benchmark::State& state)
{
    Zmer(state, [](const std::string& cesta) {
        TmodelPorovnani model;
        Tsouradnice body;
        Tnastaveni nastaveni;
        nastaveni.Default();
        TtransformacniKlicEtapa klic;
        ClearKlic(klic);
        return NacistProjektAnalyzy(cesta, model, body, nastaveni, klic);
    });
}

// Loaded when its record says so.
void BM_DlouhyRadekSouradnice(benchmark::State& state)
{
    Zmer(state, [](const std::string& cesta) {
        Tsouradnice body;
        Tinfo info;
        Tnastaveni nastaveni;
        nastaveni.Default();
        nastaveni.okno.bodyVstup = 3;
        NacistSoubory(body, info, nastaveni, {cesta});
        return info.souborySouradniceUzivatelske.at(0).nacteni;
    });
}

void BM_DlouhyRadekBezMeze(benchmark::State& state)
{
    for (auto _ : state) {
        double spickaMiB = 0;
        const Mereni m = VDetskemProcesu(
            [] {
                const std::string text(velikostMiB << 20, '7');
                TctecRadku ctec(TctecRadku::ZPameti, text);
                const TStringList radky = VsechnyRadky(ctec);
                // "Rejected" when the one line came out whole, as the
                // measurement counts it.
                return !(radky.size() == 1 && radky[0].size() == text.size());
            },
            spickaMiB);
        if (!m.odmitnuto) state.SkipWithError("the line was not read whole");
        state.SetIterationTime(m.sekundy);
        state.counters["peak_MiB"] = spickaMiB;
    }
    state.counters["text_MiB"] = static_cast<double>(velikostMiB);
}

}  // namespace

BENCHMARK(BM_DlouhyRadekEtapa)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DlouhyRadekProjekt)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DlouhyRadekSouradnice)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DlouhyRadekBezMeze)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// --size_mib=N is taken out before the benchmark library sees the arguments.
int main(int argc, char** argv)
{
    std::vector<char*> argumenty;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && std::strncmp(argv[i], "--size_mib=", 11) == 0) {
            velikostMiB = std::strtoull(argv[i] + 11, nullptr, 10);
            continue;
        }
        argumenty.push_back(argv[i]);
    }
    int n = static_cast<int>(argumenty.size());
    benchmark::Initialize(&n, argumenty.data());
    if (benchmark::ReportUnrecognizedArguments(n, argumenty.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Reading synthetic epoch files of 100, 500 and 2000 determined points (the
// last one a 6000 x 6000 lower triangle, some 18 million numbers): time and
// peak memory of NacistEtapu.
//
// Peak memory is the process's resident high-water mark (VmHWM), reset before
// each reading through /proc/self/clear_refs, so each figure is the reading's
// own peak (plus the few megabytes of the program itself). Files are written
// once into the temporary folder and removed at the end.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "EtapaGenerator.h"
#include "analysis/Etapa.h"

using namespace sitmera;

namespace {

constexpr int PocetFixnich = 10;

// VmHWM of the process in MiB (0 when /proc is not there).
double SpickaPametiMiB()
{
    std::ifstream f("/proc/self/status");
    std::string radek;
    while (std::getline(f, radek))
        if (radek.rfind("VmHWM:", 0) == 0) return std::stod(radek.substr(6)) / 1024.0;
    return 0;
}

void VynulujSpickuPameti()
{
    std::ofstream f("/proc/self/clear_refs");
    f << "5";
}

// The file of an epoch of u determined points, written on first use.
const std::string& SouborEtapy(int u)
{
    static std::map<int, std::string> soubory;
    auto it = soubory.find(u);
    if (it != soubory.end()) return it->second;
    const std::string cesta =
        (std::filesystem::temp_directory_path() / ("sitmera_bench_epoch_" + std::to_string(u) + ".epc"))
            .string();
    {
        std::ofstream out(cesta, std::ios::binary);
        generator::GenerujEtapu(out, u, PocetFixnich, static_cast<std::uint64_t>(u));
    }
    return soubory.emplace(u, cesta).first->second;
}

void BM_NacistEtapu(benchmark::State& state)
{
    const int u = static_cast<int>(state.range(0));
    const std::string& cesta = SouborEtapy(u);
    double spicka = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Tetapa etapa;
        VynulujSpickuPameti();
        state.ResumeTiming();
        const bool ok = NacistEtapu(cesta, etapa);
        state.PauseTiming();
        spicka = std::max(spicka, SpickaPametiMiB());
        if (!ok || etapa.pocetBoduUrcovanych != u) state.SkipWithError("the epoch did not read");
        benchmark::DoNotOptimize(etapa.maticeKovariancni.data());
        state.ResumeTiming();
    }
    state.counters["peak_MiB"] = spicka;
    state.counters["file_MiB"] =
        static_cast<double>(std::filesystem::file_size(cesta)) / (1024.0 * 1024.0);
    state.counters["numbers"] = 1.5 * u * (3.0 * u + 1);
}

// The full covariance table of a read epoch, built on first use.
void BM_KovariancniMaticeStr(benchmark::State& state)
{
    const int u = static_cast<int>(state.range(0));
    Tetapa etapa;
    if (!NacistEtapu(SouborEtapy(u), etapa)) {
        state.SkipWithError("the epoch did not read");
        return;
    }
    std::size_t bajtu = 0;
    for (auto _ : state) {
        etapa.KovariancniMatice2str();
        bajtu = etapa.kovariancniMaticeStr().size();
    }
    state.counters["text_MiB"] = static_cast<double>(bajtu) / (1024.0 * 1024.0);
}

struct Uklid {
    ~Uklid()
    {
        for (const int u : {100, 500, 2000}) {
            const auto cesta =
                std::filesystem::temp_directory_path() / ("sitmera_bench_epoch_" + std::to_string(u) + ".epc");
            std::error_code chyba;
            std::filesystem::remove(cesta, chyba);
        }
    }
} uklid;

}  // namespace

BENCHMARK(BM_NacistEtapu)->Arg(100)->Arg(500)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NacistEtapu)->Arg(2000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KovariancniMaticeStr)->Arg(100)->Arg(500)->Iterations(1)->Unit(benchmark::kMillisecond);

// Large networks: time and peak memory of reading an epoch, of a whole
// comparison, of one transformation, of opening and of saving a project, on
// generated epochs of 500, 1000 and 2000 determined points (the last a
// 6000 x 6000 cofactor triangle, 18 million numbers, a file of some 370 MB).
//
// Every measurement runs in a child process of its own, so that its peak is
// that of a fresh program doing just that: "peak_MiB" is the child's maximum
// resident set (getrusage), "after_MiB" what it still holds when the work is
// done, "above_MiB" the peak above what it held before the measured step.
// The time is that of the measured step alone (manual time).
//
// BM_StrtoldCteni is the yardstick: a bare reader that only reads the epoch
// file in 1 MiB pieces and converts every cofactor with strtold, nothing
// else. BM_NacistEtapu runs it again in the same iteration and reports the
// ratio of the two times ("vs_strtold").
//
// The files are generated into the temporary folder on first use and removed
// at the end.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "DetskyProces.h"
#include "EtapaGenerator.h"
#include "analysis/Etapa.h"
#include "analysis/EtapaTransformacniKlic.h"
#include "analysis/ModelPorovnani.h"
#include "analysis/ModelPosuny.h"
#include "analysis/Projekt.h"
#include "core/Nastaveni.h"
#include "points/Souradnice.h"

using namespace sitmera;

namespace {

namespace fs = std::filesystem;

constexpr int PocetFixnich = 10;

double Sekundy(std::chrono::steady_clock::time_point od)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - od).count();
}

// A field of /proc/self/status in MiB.
double StatusMiB(const char* pole)
{
    std::ifstream f("/proc/self/status");
    std::string radek;
    const std::size_t n = std::strlen(pole);
    while (std::getline(f, radek))
        if (radek.compare(0, n, pole) == 0) return std::stod(radek.substr(n + 1)) / 1024.0;
    return 0;
}

// Resets the peak (VmHWM) to the present resident set.
void VynulujSpicku()
{
    std::ofstream f("/proc/self/clear_refs");
    f << "5";
}

// What a child reports.
struct Mereni {
    double sekundy = 0;
    double predMiB = 0;    // resident before the measured step
    double poMiB = 0;      // resident after it
    double spickaMiB = 0;  // peak during it (VmHWM)
    double dalsiSekundy = 0;  // a second step of the child, where it has one
    bool ok = false;
};

// Runs `prace` in a child process; its peak resident set comes from wait4.
Mereni VDetskemProcesu(const std::function<void(Mereni&)>& prace, double& procesMiB)
{
    auto [m, ok] = bench::VDetskemProcesu<Mereni>(prace, procesMiB);
    if (!ok) m.ok = false;
    return m;
}

// Times the step in the child: resident before, peak during, resident after.
template <class F>
void Zmer(Mereni& m, F&& krok)
{
    m.predMiB = StatusMiB("VmRSS:");
    VynulujSpicku();
    const auto t0 = std::chrono::steady_clock::now();
    m.ok = krok();
    m.sekundy = Sekundy(t0);
    m.spickaMiB = StatusMiB("VmHWM:");
    m.poMiB = StatusMiB("VmRSS:");
}

fs::path Docasny(const std::string& jmeno) { return fs::temp_directory_path() / ("sitmera_velka_" + jmeno); }

std::vector<fs::path>& Vytvorene()
{
    static std::vector<fs::path> v;
    return v;
}

// An epoch file of u determined points; `druha` gives the second epoch (the
// same points, other cofactors).
const std::string& SouborEtapy(int u, bool druha = false)
{
    static std::map<std::pair<int, bool>, std::string> soubory;
    auto it = soubory.find({u, druha});
    if (it != soubory.end()) return it->second;
    const fs::path cesta = Docasny(std::to_string(u) + (druha ? "b" : "a") + ".epc");
    {
        std::ofstream out(cesta, std::ios::binary);
        generator::GenerujEtapu(out, u, PocetFixnich, static_cast<std::uint64_t>(2 * u + druha));
    }
    Vytvorene().push_back(cesta);
    return soubory.emplace(std::make_pair(u, druha), cesta.string()).first->second;
}

// A project file holding both epochs of u points, default settings, no user
// points and the initial key.
const std::string& SouborProjektu(int u)
{
    static std::map<int, std::string> soubory;
    auto it = soubory.find(u);
    if (it != soubory.end()) return it->second;
    const fs::path cesta = Docasny(std::to_string(u) + ".pea");
    {
        std::ofstream out(cesta, std::ios::binary);
        auto sekce = [&](int k, const TStringList& radky) {
            out << '<' << k << ">\r\n";
            for (const std::string& r : radky) out << r << "\r\n";
            out << "</" << k << ">\r\n";
        };
        Tnastaveni nastaveni;
        nastaveni.Default();
        TStringList radky;
        ZapisNastaveni(nastaveni, radky);
        sekce(1, radky);
        generator::GenerujEtapu(out, u, PocetFixnich, static_cast<std::uint64_t>(2 * u), SekceEtapa1);
        generator::GenerujEtapu(out, u, PocetFixnich, static_cast<std::uint64_t>(2 * u + 1), SekceEtapa2);
        sekce(SekceUzivatelskeBody, {});
        TtransformacniKlicEtapa klic;
        ClearKlic(klic);
        radky.clear();
        TextKlic(klic, radky);
        sekce(SekceKlic, radky);
    }
    Vytvorene().push_back(cesta);
    return soubory.emplace(u, cesta.string()).first->second;
}

// The bare reader: the file in 1 MiB pieces, every number of the covariance
// section (between "<3>" and "</3>") through strtold, summed.
bool StrtoldCteni(const std::string& cesta, long double& soucet, long long& pocet)
{
    const int fd = ::open(cesta.c_str(), O_RDONLY);
    if (fd < 0) return false;
    std::vector<char> buf((1 << 20) + 1);
    std::size_t zbytek = 0;
    int stav = 0;  // 0 before the section, 1 inside, 2 after
    for (;;) {
        const ssize_t n = ::read(fd, buf.data() + zbytek, buf.size() - 1 - zbytek);
        if (n < 0) break;
        const std::size_t delka = zbytek + static_cast<std::size_t>(n);
        buf[delka] = '\0';
        char* p = buf.data();
        char* const konec = buf.data() + delka;
        // Only whole lines; the unfinished last one waits for the next piece.
        char* posledni = konec;
        if (n > 0) {
            while (posledni > p && posledni[-1] != '\n') --posledni;
        }
        while (p < posledni) {
            char* eol = static_cast<char*>(std::memchr(p, '\n', static_cast<std::size_t>(posledni - p)));
            if (!eol) eol = posledni;
            if (stav == 0) {
                if (std::strncmp(p, "<3>", 3) == 0) stav = 1;
            } else if (stav == 1) {
                if (*p == '<') {
                    stav = 2;
                } else {
                    *eol = '\0';
                    char* q = p;
                    for (;;) {
                        char* e = nullptr;
                        const long double v = std::strtold(q, &e);
                        if (e == q) break;
                        soucet += v;
                        ++pocet;
                        q = e;
                    }
                }
            }
            p = eol + 1;
        }
        zbytek = static_cast<std::size_t>(konec - posledni);
        std::memmove(buf.data(), posledni, zbytek);
        if (n == 0) break;
    }
    ::close(fd);
    return stav == 2;
}

Mereni MerStrtold(int u, double& procesMiB)
{
    const std::string& cesta = SouborEtapy(u);
    const long long ocekavano = 3LL * u * (3LL * u + 1) / 2;
    return VDetskemProcesu(
        [&](Mereni& m) {
            Zmer(m, [&] {
                long double soucet = 0;
                long long pocet = 0;
                const bool ok = StrtoldCteni(cesta, soucet, pocet);
                benchmark::DoNotOptimize(soucet);
                return ok && pocet == ocekavano;
            });
        },
        procesMiB);
}

void Zapis(benchmark::State& state, const Mereni& m, double procesMiB)
{
    if (!m.ok) state.SkipWithError("the step failed");
    state.SetIterationTime(m.sekundy);
    state.counters["peak_MiB"] = procesMiB;
    state.counters["after_MiB"] = m.poMiB;
    state.counters["above_MiB"] = m.spickaMiB - m.predMiB;
}

void BM_StrtoldCteni(benchmark::State& state)
{
    const int u = static_cast<int>(state.range(0));
    for (auto _ : state) {
        double procesMiB = 0;
        const Mereni m = MerStrtold(u, procesMiB);
        Zapis(state, m, procesMiB);
    }
    state.counters["file_MiB"] = static_cast<double>(fs::file_size(SouborEtapy(u))) / (1 << 20);
}

void BM_NacistEtapu(benchmark::State& state)
{
    const int u = static_cast<int>(state.range(0));
    const std::string& cesta = SouborEtapy(u);
    for (auto _ : state) {
        double procesMiB = 0, strtoldMiB = 0;
        const Mereni m = VDetskemProcesu(
            [&](Mereni& mm) {
                Tetapa etapa;
                Zmer(mm, [&] { return NacistEtapu(cesta, etapa) && etapa.pocetBoduUrcovanych == u; });
            },
            procesMiB);
        const Mereni s = MerStrtold(u, strtoldMiB);
        Zapis(state, m, procesMiB);
        state.counters["vs_strtold"] = s.sekundy > 0 ? m.sekundy / s.sekundy : 0;
        state.counters["strtold_s"] = s.sekundy;
    }
    // The cofactor triangle alone: 16 bytes a value.
    state.counters["matrix_MiB"] = 16.0 * 1.5 * u * (3.0 * u + 1) / (1 << 20);
}

// Two epoch reads, a key, both transformations and the comparison, timed as
// a whole.
void BM_Porovnani(benchmark::State& state)
{
    const int u = static_cast<int>(state.range(0));
    const std::string& a = SouborEtapy(u);
    const std::string& b = SouborEtapy(u, true);
    for (auto _ : state) {
        double procesMiB = 0;
        const Mereni m = VDetskemProcesu(
            [&](Mereni& mm) {
                Zmer(mm, [&] {
                    TmodelPorovnani model, transformovany;
                    Tnastaveni nastaveni;
                    nastaveni.Default();
                    if (!NacistEtapu(a, model.etapa1) || !NacistEtapu(b, model.etapa2)) return false;
                    model.VyhledaniIdentickychBodu(nastaveni);
                    TtransformacniKlicEtapa klic;
                    ClearKlic(klic);
                    klic.typ = 3;
                    klic.translaceUser = {{1.5L}, {-2.25L}, {0.125L}};
                    klic.uhelStoceniUser = {0.001L, -0.002L, 0.3L};
                    if (!VypocetKlice(klic)) return false;
                    bool t1 = false, t2 = false;
                    if (!transformovany.Transfromuj(model, klic, true, t1) ||
                        !transformovany.Transfromuj(model, klic, false, t2))
                        return false;
                    TmodelPosuny posuny;
                    return posuny.NacistBody(transformovany) &&
                           posuny.NacistNastaveni(transformovany, nastaveni) &&
                           posuny.Porovnani(transformovany) && posuny.pocet == u + PocetFixnich;
                });
            },
            procesMiB);
        Zapis(state, m, procesMiB);
    }
}

// One transformation of a read epoch in place (no copy): "above_MiB" is
// what the rotation of the cofactor blocks takes beyond the epoch itself.
void BM_Transformace(benchmark::State& state)
{
    const int u = static_cast<int>(state.range(0));
    const std::string& cesta = SouborEtapy(u);
    for (auto _ : state) {
        double procesMiB = 0;
        const Mereni m = VDetskemProcesu(
            [&](Mereni& mm) {
                Tetapa etapa;
                TtransformacniKlicEtapa klic;
                ClearKlic(klic);
                klic.typ = 3;
                klic.translaceUser = {{1.5L}, {-2.25L}, {0.125L}};
                klic.uhelStoceniUser = {0.001L, -0.002L, 0.3L};
                if (!NacistEtapu(cesta, etapa) || !VypocetKlice(klic)) return;
                Zmer(mm, [&] { return etapa.Transformuj(klic.translace, klic.rotace); });
            },
            procesMiB);
        Zapis(state, m, procesMiB);
    }
    state.counters["matrix_MiB"] = 16.0 * 1.5 * u * (3.0 * u + 1) / (1 << 20);
}

// What a project holds, as the program has it at start.
struct Stav {
    TmodelPorovnani model;
    Tsouradnice body;
    Tnastaveni nastaveni = [] {
        Tnastaveni n;
        n.Default();
        return n;
    }();
    TtransformacniKlicEtapa klic = [] {
        TtransformacniKlicEtapa k;
        ClearKlic(k);
        return k;
    }();
    bool Otevri(const std::string& cesta) { return NacistProjektAnalyzy(cesta, model, body, nastaveni, klic); }
    bool Uloz(const std::string& cesta) { return UlozitProjektAnalyzy(cesta, model, body, nastaveni, klic); }
};

void BM_OtevritProjekt(benchmark::State& state)
{
    const int u = static_cast<int>(state.range(0));
    const std::string& cesta = SouborProjektu(u);
    for (auto _ : state) {
        double procesMiB = 0;
        const Mereni m = VDetskemProcesu(
            [&](Mereni& mm) {
                Stav s;
                Zmer(mm, [&] {
                    return s.Otevri(cesta) && s.model.etapa2.pocetBoduUrcovanych == u;
                });
            },
            procesMiB);
        // Two epoch reads in the same iteration, for the ratio (the files
        // made here, not in the child's measured step).
        const std::string& a = SouborEtapy(u);
        const std::string& b = SouborEtapy(u, true);
        double dvaMiB = 0;
        const Mereni dve = VDetskemProcesu(
            [&](Mereni& mm) {
                Tetapa e1, e2;
                Zmer(mm, [&] { return NacistEtapu(a, e1) && NacistEtapu(b, e2); });
            },
            dvaMiB);
        Zapis(state, m, procesMiB);
        state.counters["vs_2_reads"] = dve.sekundy > 0 ? m.sekundy / dve.sekundy : 0;
    }
    state.counters["file_MiB"] = static_cast<double>(fs::file_size(SouborProjektu(u))) / (1 << 20);
}

// Saving a project with both epochs loaded: "above_MiB" is the peak above the
// state the program holds, "devnull_s" the same save onto /dev/null
// (formatting and writing without a disk), "format_s" the formatting of the
// two epochs' text alone.
void BM_UlozitProjekt(benchmark::State& state)
{
    const int u = static_cast<int>(state.range(0));
    const std::string& zdroj = SouborProjektu(u);
    const std::string cil = Docasny("ulozeny_" + std::to_string(u) + ".pea").string();
    for (auto _ : state) {
        double procesMiB = 0, nulMiB = 0;
        auto uloz = [&](const std::string& kam) {
            return [&, kam](Mereni& mm) {
                Stav s;
                if (!s.Otevri(zdroj)) return;
                Zmer(mm, [&] { return s.Uloz(kam); });
                // The formatting of both epochs alone, the lines dropped.
                const auto t0 = std::chrono::steady_clock::now();
                std::size_t bajtu = 0;
                const TvystupRadku nikam = [&](std::string_view radek) { bajtu += radek.size() + 2; };
                UlozitEtapu(nikam, s.model.etapa1, SekceEtapa1);
                UlozitEtapu(nikam, s.model.etapa2, SekceEtapa2);
                mm.dalsiSekundy = Sekundy(t0);
                benchmark::DoNotOptimize(bajtu);
            };
        };
        const Mereni m = VDetskemProcesu(uloz(cil), procesMiB);
        const Mereni nul = VDetskemProcesu(uloz("/dev/null"), nulMiB);
        Zapis(state, m, procesMiB);
        state.counters["devnull_s"] = nul.sekundy;
        state.counters["format_s"] = nul.dalsiSekundy;
    }
    std::error_code chyba;
    fs::remove(cil, chyba);
}

struct Uklid {
    Uklid() { Vytvorene(); }  // made first, so destroyed after the list
    ~Uklid()
    {
        std::error_code chyba;
        for (const fs::path& p : Vytvorene()) fs::remove(p, chyba);
    }
} uklid;

}  // namespace

BENCHMARK(BM_StrtoldCteni)->Arg(500)->Arg(1000)->Arg(2000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NacistEtapu)->Arg(500)->Arg(1000)->Arg(2000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Porovnani)->Arg(500)->Arg(1000)->Arg(2000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Transformace)->Arg(500)->Arg(1000)->Arg(2000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OtevritProjekt)->Arg(500)->Arg(1000)->Arg(2000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UlozitProjekt)->Arg(500)->Arg(1000)->Arg(2000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

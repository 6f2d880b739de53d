// Throughput of the covariance text writer and reader (lower triangle of n
// rows, k = 10 values a line, as in epoch and project files).
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "numerics/TextPole.h"

using namespace sitmera;

namespace {

constexpr int kNaRadek = 10;

// A cofactor-like lower triangle: variances ~1e-5, covariances of both signs.
Tmatrix Kovariance(int n)
{
    std::mt19937_64 gen(static_cast<std::uint64_t>(n));
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    Tmatrix m(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        auto& r = m[static_cast<std::size_t>(i)];
        r.resize(static_cast<std::size_t>(i) + 1);
        for (int j = 0; j < i; ++j) r[static_cast<std::size_t>(j)] = 1e-6L * u(gen);
        r[static_cast<std::size_t>(i)] = 1e-5L * (1.5 + u(gen));
    }
    return m;
}

TStringList Radky(const std::string& t)
{
    TStringList l;
    l.reserve(t.size() / 150 + 1);
    std::size_t z = 0;
    for (;;) {
        const std::size_t p = t.find("\r\n", z);
        l.emplace_back(t, z, p == std::string::npos ? std::string::npos : p - z);
        if (p == std::string::npos) break;
        z = p + 2;
    }
    return l;
}

void BM_TrojuhelnikNaText(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Tmatrix m = Kovariance(n);
    std::size_t bajtu = 0;
    for (auto _ : state) {
        std::string t = TrojuhelnikNaText(m, n, kNaRadek);
        bajtu = t.size();
        benchmark::DoNotOptimize(t.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bajtu));
    state.counters["values"] = static_cast<double>(n) * (n + 1) / 2;
}

void BM_TextNaTrojuhelnik(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const std::string text = TrojuhelnikNaText(Kovariance(n), n, kNaRadek);
    const TStringList radky = Radky(text);
    Tmatrix m;
    for (auto _ : state) {
        const bool ok = TextNaTrojuhelnik(radky, n, kNaRadek, m);
        if (!ok) state.SkipWithError("covariance text not read");
        benchmark::DoNotOptimize(m.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["values"] = static_cast<double>(n) * (n + 1) / 2;
}

}  // namespace

BENCHMARK(BM_TrojuhelnikNaText)->Arg(300)->Arg(1500)->Arg(6000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextNaTrojuhelnik)->Arg(300)->Arg(1500)->Arg(6000)->Unit(benchmark::kMillisecond);

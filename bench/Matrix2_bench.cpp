// Rotation of an epoch's cofactor matrix (lower triangle, 3 coordinates a
// point) into another frame, for networks of u points.
#include <benchmark/benchmark.h>

#include <random>

#include "numerics/Matrix2.h"

namespace {

using namespace sitmera;

Tmatrix NahodnyTrojuhelnik(int n)
{
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    Tmatrix C;
    MatrixCreateLower(C, n);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < i; ++j) C[i][j] = u(gen);
        C[i][i] = n;  // diagonally dominant
    }
    return C;
}

void BM_RotateCovarianceLower(benchmark::State& state)
{
    const int u = static_cast<int>(state.range(0));
    const Tmatrix C = NahodnyTrojuhelnik(3 * u);
    Tmatrix Rot, Out;
    RotationMatrix3(Rot, 0.1L, -0.2L, 0.3L);
    for (auto _ : state) {
        RotateCovarianceLower(C, Rot, Out);
        benchmark::DoNotOptimize(Out.data());
    }
    // Stored elements of the lower triangle processed per second.
    const double prvku = 3.0 * u * (3.0 * u + 1) / 2;
    state.counters["elements/s"] = benchmark::Counter(prvku, benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

BENCHMARK(BM_RotateCovarianceLower)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);

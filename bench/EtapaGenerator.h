// Synthetic epoch texts of any size, for the epoch reader's benchmark and
// tests.
//
// GenerujEtapu writes sections s .. s+3 of a valid epoch with u determined
// points "1" .. "u" and f fixed points "F1" .. "Ff" (ascending point-number
// order in each group) on a 10 m grid, adjusted (a-posteriori deviation
// 0.93, redundancy 3u - 1), with one drawing record per determined point
// (two slope lengths, directions and zenith angles each) and a cofactor
// matrix of 3u x 3u whose every 3 x 3 block is positive definite: variances
// 1e-5 .. 1e-4 m^2, covariances inside a block below 3e-6, between points
// below 1e-10 (so the matrix is diagonally dominant). Numbers carry 15
// significant digits, as an adjustment program writes them. The output is
// streamed, so even a 2000-point epoch (some 360 MB) needs no memory.
#pragma once

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <random>
#include <string>

namespace sitmera::generator {

namespace detail {

// "-d.ddddddddddddddE-k": 15 significant digits, no trailing zero, as the
// program writes numbers in exponent form.
inline void PridejCislo(std::string& out, std::mt19937_64& gen, int prvniMax, int exponent,
                        bool znamenko)
{
    if (znamenko && (gen() & 1)) out += '-';
    std::uint64_t r = gen();
    out += static_cast<char>('1' + static_cast<int>(r % static_cast<std::uint64_t>(prvniMax)));
    r /= static_cast<std::uint64_t>(prvniMax);
    out += '.';
    std::uint64_t cifry = gen() % 100000000000000ULL;  // 14 digits
    if (cifry % 10 == 0) cifry += 1;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%014llu", static_cast<unsigned long long>(cifry));
    out += buf;
    out += "E-";
    out += std::to_string(exponent);
}

}  // namespace detail

inline void GenerujEtapu(std::ostream& out, int u, int f, std::uint64_t seme, int s = 1)
{
    std::mt19937_64 gen(seme);
    const char* const konec = "\r\n";
    auto tag = [&](int n, bool otevrena) { out << (otevrena ? "<" : "</") << n << ">" << konec; };

    // Header: 6 measurements a determined point, one orientation unknown.
    const int mereni = 6 * u;
    const int posunu = 1;
    const int nezname = 3 * u + posunu;
    tag(s, true);
    for (const int n : {2 * u, 2 * u, 2 * u, 0, 0, 0, 0, mereni, u + f, u, f, posunu, nezname,
                        mereni - nezname, 0})
        out << n << konec;
    out << "1" << konec << "0.93" << konec;
    tag(s, false);

    // Points.
    tag(s + 1, true);
    char buf[128];
    for (int k = 0; k < u; ++k) {
        std::snprintf(buf, sizeof buf, "%d\t%.6f\t%.6f\t%.6f\t0\t-1", k + 1,
                      1000.0 + 10.0 * (k % 100) + 0.000123 * k, 5000.0 + 10.0 * (k / 100),
                      250.0 + 0.001 * k);
        out << buf << konec;
    }
    for (int k = 0; k < f; ++k) {
        std::snprintf(buf, sizeof buf, "F%d\t%.6f\t%.6f\t%.6f\t-1\t-1", k + 1,
                      990.0 - 10.0 * k, 4990.0, 249.5);
        out << buf << konec;
    }
    tag(s + 1, false);

    // Covariance, column by column, ten numbers a line.
    tag(s + 2, true);
    const long long n = 3LL * u;
    std::string radek;
    int naRadku = 0;
    for (long long j = 0; j < n; ++j) {
        for (long long i = j; i < n; ++i) {
            if (naRadku > 0) radek += ' ';
            if (i == j)
                detail::PridejCislo(radek, gen, 9, 5, false);
            else if (i / 3 == j / 3)
                detail::PridejCislo(radek, gen, 2, 6, true);
            else
                detail::PridejCislo(radek, gen, 9, 11, true);
            if (++naRadku == 10) {
                out << radek << konec;
                radek.clear();
                naRadku = 0;
            }
        }
    }
    if (naRadku > 0) out << radek << konec;
    tag(s + 2, false);

    // Drawing records: from the previous point (or the first fixed point)
    // to each determined point.
    tag(s + 3, true);
    for (int k = 0; k < u; ++k) {
        const int stanovisko = k > 0 ? k - 1 : (f > 0 ? u : 0);
        out << stanovisko << ' ' << k << " 2 2 2 0 0 0 -1" << konec;
    }
    tag(s + 3, false);
}

}  // namespace sitmera::generator

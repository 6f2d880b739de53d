// Numbers to text and back, and the text form of covariance matrices.
//
// Nothing here goes through the process locale. Text to number: the syntax is
// checked here; the value comes from an exact fast path (at most 19 significant
// digits and a power of ten up to 27, both exact in 80 bits, so one rounding),
// from an exact product with a power of ten held to twice the precision
// (powers up to 54, where the result is not too close to a halfway point), or
// else from strtold_l with a "C" locale object. Each gives the correctly
// rounded value, so which one is taken never shows. Number to text: the decimal
// digits come from an exact integer computation (fast path) or else from
// snprintf in a "C" locale set for this thread only.
#include "numerics/TextPole.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>

namespace sitmera {

namespace {

// ------------------------------------------------------------------ helpers

// The "C" locale, created once and never freed.
locale_t LocaleC()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c;
}

// Exact powers of ten 10^0 .. 10^27 in 80 bits (5^27 < 2^64).
const Extended* MocninyDeseti()
{
    static const auto tabulka = [] {
        static Extended t[28];
        t[0] = 1;
        for (int i = 1; i < 28; ++i) t[i] = t[i - 1] * 10;
        return t;
    }();
    return tabulka;
}

// 10^0 .. 10^18
constexpr std::array<std::uint64_t, 19> kDeset = [] {
    std::array<std::uint64_t, 19> t{};
    t[0] = 1;
    for (std::size_t i = 1; i < t.size(); ++i) t[i] = t[i - 1] * 10;
    return t;
}();

// N := round(v * 10^q) with v = m * 2^be, halves to even, when that can be
// computed exactly in 128 bits. False when the fast path does not apply.
bool ZaokrouhlenySoucin(std::uint64_t m, int be, int q, std::uint64_t& N)
{
    using u128 = unsigned __int128;
    if (q >= 0) {
        if (q > 27) return false;
        static constexpr auto mocninyPeti = [] {
            std::array<std::uint64_t, 28> t{};
            t[0] = 1;
            for (std::size_t i = 1; i < t.size(); ++i) t[i] = t[i - 1] * 5;
            return t;
        }();
        const u128 soucin = static_cast<u128>(m) * mocninyPeti[static_cast<std::size_t>(q)];  // < 2^127
        const int s = be + q;                            // the remaining power of 2
        if (s >= 0) {
            if (s >= 64) return false;
            if (soucin > (~static_cast<u128>(0) >> s)) return false;
            const u128 r = soucin << s;
            if (r >> 64) return false;
            N = static_cast<std::uint64_t>(r);
            return true;
        }
        const int sh = -s;
        if (sh >= 127) return false;
        const u128 cela = soucin >> sh;
        if (cela >> 64) return false;
        const u128 zbytek = soucin - (cela << sh);
        const u128 pul = static_cast<u128>(1) << (sh - 1);
        std::uint64_t n = static_cast<std::uint64_t>(cela);
        if (zbytek > pul || (zbytek == pul && (n & 1))) ++n;
        N = n;
        return true;
    }
    // v / 10^(-q) with v an integer below 2^127
    const int e = -q;
    if (e > 38 || be < 0 || be > 63) return false;
    const u128 v = static_cast<u128>(m) << be;
    u128 delitel = 1;
    for (int i = 0; i < e; ++i) delitel *= 10;
    const u128 cela = v / delitel;
    if (cela >> 64) return false;
    const u128 zbytek = v - cela * delitel;
    std::uint64_t n = static_cast<std::uint64_t>(cela);
    if (zbytek * 2 > delitel || (zbytek * 2 == delitel && (n & 1))) ++n;
    N = n;
    return true;
}

// The P (1 .. 18) significant decimal digits of ax > 0 (finite): the exact
// value rounded to nearest, halves to even on an exact tie. Returns E with
// ax ~ d0.d1...d(P-1) * 10^E.
int Cifry(Extended ax, int P, char* d)
{
    // ax = m * 2^be with the 64-bit significand of the 80-bit format
    static_assert(std::numeric_limits<Extended>::digits == 64, "80-bit long double expected");
    std::uint64_t m = 0;
    std::uint16_t se = 0;
    std::memcpy(&m, &ax, 8);
    std::memcpy(&se, reinterpret_cast<const char*>(&ax) + 8, 2);
    const int e = se & 0x7FFF;
    const int be = (e == 0 ? 1 : e) - 16383 - 63;
    // E ~ floor(log10(ax)) from the binary exponent (78913 / 2^18 ~ log10(2));
    // the loop corrects it by one where needed
    const int e2 = be + 63 - (m ? __builtin_clzll(m) : 0);  // 2^e2 <= ax < 2^(e2+1)
    int E = (e2 * 78913) >> 18;
    for (int pokus = 0; pokus < 4; ++pokus) {
        std::uint64_t N = 0;
        if (!ZaokrouhlenySoucin(m, be, P - 1 - E, N)) break;
        const std::uint64_t horni = kDeset[static_cast<std::size_t>(P)];
        const std::uint64_t dolni = kDeset[static_cast<std::size_t>(P - 1)];
        if (N > horni) { ++E; continue; }
        if (N < dolni) { --E; continue; }
        if (N == horni) { N = dolni; ++E; }  // rounded up to a new digit
        for (int i = P - 1; i >= 0; --i) {
            d[i] = static_cast<char>('0' + N % 10);
            N /= 10;
        }
        return E;
    }
    // Slow path: glibc's exact conversion in the "C" locale of this thread.
    char buf[64];
    const locale_t stary = uselocale(LocaleC());
    std::snprintf(buf, sizeof buf, "%.*Le", P - 1, ax);
    uselocale(stary);
    // buf = "d.ddd...de[+-]xx"
    int j = 0;
    for (const char* p = buf; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9' && j < P) d[j++] = *p;
    while (j < P) d[j++] = '0';
    const char* ep = std::strchr(buf, 'e');
    return ep ? std::atoi(ep + 1) : 0;
}

// Adds one unit at digit position pos-1 of d[0..pos-1]; true when it carried
// out of the first digit (all nines became zeros).
bool PrictiJednotku(char* d, int pos)
{
    for (int i = pos - 1; i >= 0; --i) {
        if (d[i] == '9') {
            d[i] = '0';
        } else {
            ++d[i];
            return false;
        }
    }
    return true;
}

// Writes CisloNaText(x) into out (at most 23 bytes: "-1.23456789012345E-4951");
// returns its length.
int ZapisCislo(Extended x, char* out)
{
    char* p = out;
    if (std::isnan(x)) {
        std::memcpy(out, "NAN", 3);
        return 3;
    }
    if (std::isinf(x)) {
        if (x < 0) *p++ = '-';
        std::memcpy(p, "INF", 3);
        return static_cast<int>(p - out) + 3;
    }
    if (x == 0) {
        *p = '0';
        return 1;
    }
    char d[15];
    const int E = Cifry(std::fabs(x), 15, d);
    int L = 15;
    while (L > 1 && d[L - 1] == '0') --L;
    if (x < 0) *p++ = '-';
    if (E >= 15 || E < -5) {
        *p++ = d[0];
        if (L > 1) {
            *p++ = '.';
            for (int i = 1; i < L; ++i) *p++ = d[i];
        }
        *p++ = 'E';
        int ex = E;
        if (ex < 0) {
            *p++ = '-';
            ex = -ex;
        }
        char t[8];
        int n = 0;
        do {
            t[n++] = static_cast<char>('0' + ex % 10);
            ex /= 10;
        } while (ex > 0);
        while (n > 0) *p++ = t[--n];
    } else if (E >= 0) {
        for (int i = 0; i <= E; ++i) *p++ = i < L ? d[i] : '0';
        if (L > E + 1) {
            *p++ = '.';
            for (int i = E + 1; i < L; ++i) *p++ = d[i];
        }
    } else {
        *p++ = '0';
        *p++ = '.';
        for (int i = 0; i < -E - 1; ++i) *p++ = '0';
        for (int i = 0; i < L; ++i) *p++ = d[i];
    }
    return static_cast<int>(p - out);
}

// ------------------------------------------------------------------ reading numbers

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
// The 8 bytes at p as one little-endian word (the first byte lowest).
std::uint64_t Slovo(const char* p)
{
    std::uint64_t w = 0;
    std::memcpy(&w, p, 8);
    return w;
}

// How many of the word's bytes, from the first, are ASCII digits (0 .. 8).
// A byte is a digit when its high half is 3 and adding 6 keeps it so; a
// carry out of a byte can come only from a byte that is no digit, so the
// bytes before the first such byte are judged right.
int CiferVeSlove(std::uint64_t w)
{
    constexpr std::uint64_t horni = 0xF0F0F0F0F0F0F0F0ULL;
    const std::uint64_t jine =
        ((w & horni) | (((w + 0x0606060606060606ULL) & horni) >> 4)) ^ 0x3333333333333333ULL;
    return jine == 0 ? 8 : __builtin_ctzll(jine) / 8;
}

// The value of a word of 8 ASCII digits (the first byte the most
// significant digit).
std::uint64_t HodnotaSlova(std::uint64_t w)
{
    w -= 0x3030303030303030ULL;
    w = w * 10 + (w >> 8);  // pairs of digits
    return (((w & 0x000000FF000000FFULL) * (100 + (1000000ULL << 32))) +
            (((w >> 16) & 0x000000FF000000FFULL) * (1 + (10000ULL << 32)))) >>
           32;
}
#endif

// The significant digits of a number, as far as they fit: M < 10^19.
struct Tmantisa {
    std::uint64_t M = 0;
    int platnych = 0;        // significant digits taken into M
    bool preteceni = false;  // more than 19 significant digits
};

// What one run of digits gave.
struct Tcifry {
    long nul = 0;    // leading zeros of the mantissa (M still 0): not significant
    long vzato = 0;  // digits taken into M
    long navic = 0;  // significant digits beyond the 19th
};

// Reads the run of digits from p into m; returns the first byte after it.
[[gnu::always_inline]] inline const char* CtiCifry(const char* p, const char* konec, Tmantisa& m, Tcifry& c)
{
    if (m.M == 0 && !m.preteceni) {
        const char* const z = p;
        while (p < konec && *p == '0') ++p;
        c.nul = p - z;
    }
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    // Eight bytes at a time: whole words of digits, then the end of the run
    // (fewer than 8 digits) at once, put behind zeros to make a word; each
    // while the digits fit into M (19 at most).
    while (konec - p >= 8) {
        const std::uint64_t w = Slovo(p);
        const int cifer = CiferVeSlove(w);
        if (cifer == 0 || m.platnych + cifer > 19) break;
        const std::uint64_t slovo =
            cifer == 8 ? w : (w << (8 * (8 - cifer))) | (0x3030303030303030ULL >> (8 * cifer));
        m.M = m.M * kDeset[static_cast<std::size_t>(cifer)] + HodnotaSlova(slovo);
        m.platnych += cifer;
        c.vzato += cifer;
        p += cifer;
        if (cifer < 8) return p;
    }
#endif
    for (; p < konec && *p >= '0' && *p <= '9'; ++p) {
        if (m.platnych < 19) {
            m.M = m.M * 10 + static_cast<std::uint64_t>(*p - '0');
            ++m.platnych;
            ++c.vzato;
        } else {
            m.preteceni = true;
            ++c.navic;
        }
    }
    return p;
}

// a = h + l, each half holding at most 32 significant bits.
void Rozdel(Extended a, Extended& h, Extended& l)
{
    constexpr Extended deleni = 4294967297.0L;  // 2^32 + 1
    const Extended t = a * deleni;
    h = t - (t - a);
    l = a - h;
}

// a * b = p + e exactly (Dekker's product for a 64-bit significand): both
// factors are split into halves of 32 bits, whose products are exact.
void PresnySoucin(Extended a, Extended b, Extended& p, Extended& e)
{
    Extended ah = 0, al = 0, bh = 0, bl = 0;
    Rozdel(a, ah, al);
    Rozdel(b, bh, bl);
    p = a * b;
    e = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
}

// 10^k for 27 < |k| <= 54 as H + L: H the nearest 80-bit value, L the rest
// to about 2^-126 of 10^k; H also split into halves of 32 bits (Hh + Hl).
struct TmocninaDeseti {
    Extended H = 0, Hh = 0, Hl = 0, L = 0;
};

const TmocninaDeseti& MocninaDeseti(long k)
{
    static const auto tabulka = [] {
        static TmocninaDeseti t[109];
        const Extended* p10 = MocninyDeseti();
        for (long j = 28; j <= 54; ++j) {
            // 10^j = P1 P2 exactly as H + L.
            TmocninaDeseti& kladna = t[54 + j];
            PresnySoucin(p10[27], p10[j - 27], kladna.H, kladna.L);
            // 10^-j = H + R / 10^j with R = 1 - H P1 P2, computed from the
            // exact products H P1 = a + b and a P2 = c + d.
            TmocninaDeseti& zaporna = t[54 - j];
            const std::string text = "1e-" + std::to_string(j);
            zaporna.H = strtold_l(text.c_str(), nullptr, LocaleC());
            Extended a = 0, b = 0, c = 0, d = 0;
            PresnySoucin(zaporna.H, p10[27], a, b);
            PresnySoucin(a, p10[j - 27], c, d);
            const Extended R = ((1 - c) - d) - b * p10[j - 27];
            zaporna.L = R * zaporna.H;
        }
        for (TmocninaDeseti& m : t) Rozdel(m.H, m.Hh, m.Hl);
        return t;
    }();
    return tabulka[54 + k];
}

// M * 10^k correctly rounded for 27 < |k| <= 54, or false where the
// rounding cannot be decided this way (a value within 2^-48 of half an ulp
// of a halfway point). With 10^k = H + L: M H = p + e exactly (Dekker), so
// the value is p + c, c = e + M L, known to about 2^-120 of the value.
bool NasobekMocniny(std::uint64_t M, long k, Extended& vysledek)
{
    const TmocninaDeseti& d = MocninaDeseti(k);
    const Extended m = static_cast<Extended>(M);  // exact
    Extended mh = 0, ml = 0;
    Rozdel(m, mh, ml);
    const Extended p = m * d.H;
    const Extended c = (((mh * d.Hh - p) + mh * d.Hl + ml * d.Hh) + ml * d.Hl) + m * d.L;
    const Extended r = p + c;
    // What is left after the rounding, against half an ulp of r on its side
    // (r is normal: 1e-54 .. 2^64 * 1e54).
    const Extended zbytek = (p - r) + c;
    std::uint64_t vyznam = 0;
    std::uint16_t exponent = 0;
    std::memcpy(&vyznam, &r, 8);
    std::memcpy(&exponent, reinterpret_cast<const char*>(&r) + 8, 2);
    int e = (exponent & 0x7FFF) - 64;  // half an ulp above r is 2^(e - 16383)
    if (zbytek < 0 && vyznam == (1ULL << 63)) --e;  // r a power of two: the ulp below is half
    if (e < 1) return false;
    const std::uint16_t ePul = static_cast<std::uint16_t>(e), eMez = static_cast<std::uint16_t>(e - 48);
    Extended pulUlp = 0, mez = 0;
    const std::uint64_t jedna = 1ULL << 63;
    std::memcpy(&pulUlp, &jedna, 8);
    std::memcpy(reinterpret_cast<char*>(&pulUlp) + 8, &ePul, 2);
    std::memcpy(&mez, &jedna, 8);
    std::memcpy(reinterpret_cast<char*>(&mez) + 8, &eMez, 2);
    if (std::fabs(std::fabs(zbytek) - pulUlp) <= mez) return false;
    vysledek = r;
    return true;
}

// The slow path: the checked text rebuilt with "." and read in the "C" locale.
[[gnu::noinline]] bool PomalaCesta(bool zaporne, std::string_view mantisa, std::string_view exponent,
                                   Extended& vysledek)
{
    std::string t;
    t.reserve(mantisa.size() + exponent.size() + 1);
    if (zaporne) t += '-';
    for (const char c : mantisa) t += c == ',' ? '.' : c;
    t += exponent;
    const Extended v = strtold_l(t.c_str(), nullptr, LocaleC());
    if (!std::isfinite(v)) return false;
    vysledek = v;
    return true;
}

// Reads a number from p: [+-] digits [(.|,) digits] [(e|E) [+-] digits]
// with at least one mantissa digit; with carka false a comma ends the number
// instead of being its decimal point. Returns the first byte after the
// number, or nullptr when there is no number there (or its value lies
// beyond the 80-bit range).
const char* CtiCisloOd(const char* p, const char* const konec, bool carka, Extended& vysledek)
{
    bool zaporne = false;
    if (p < konec && (*p == '+' || *p == '-')) {
        zaporne = *p == '-';
        ++p;
    }
    const char* const zacatekMantisy = p;
    Tmantisa m;
    Tcifry cele, desetinne;
    p = CtiCifry(p, konec, m, cele);
    if (p < konec && (*p == '.' || (carka && *p == ','))) p = CtiCifry(p + 1, konec, m, desetinne);
    const char* const konecMantisy = p;
    if (cele.nul + cele.vzato + cele.navic + desetinne.nul + desetinne.vzato + desetinne.navic == 0)
        return nullptr;
    // M * 10^desExp is the mantissa: integer digits beyond the 19th count as
    // powers of ten, fraction digits in M and leading fraction zeros move the
    // point.
    const long desExp = cele.navic - desetinne.nul - desetinne.vzato;
    long exp = 0;
    const char* const zacatekExp = p;
    if (p < konec && (*p == 'e' || *p == 'E')) {
        ++p;
        bool zapExp = false;
        if (p < konec && (*p == '+' || *p == '-')) {
            zapExp = *p == '-';
            ++p;
        }
        const char* const cifryExp = p;
        for (; p < konec && *p >= '0' && *p <= '9'; ++p)
            if (exp < 100000000) exp = exp * 10 + (*p - '0');
        if (p == cifryExp) return nullptr;
        if (zapExp) exp = -exp;
    }

    if (m.M == 0) {
        vysledek = 0;
        return p;
    }
    const long k = desExp + exp;
    if (!m.preteceni) {
        const Extended* p10 = MocninyDeseti();
        std::uint64_t M = m.M;
        long kk = k;
        // A large exponent moves into M while M stays below 2^64.
        while (kk > 27 && M <= UINT64_MAX / 10) {
            M *= 10;
            --kk;
        }
        if (kk >= -27 && kk <= 27) {
            Extended v = static_cast<Extended>(M);    // exact: M < 2^64
            v = kk >= 0 ? v * p10[kk] : v / p10[-kk];  // one correctly rounded step
            vysledek = zaporne ? -v : v;
            return p;
        }
        Extended v = 0;
        if (kk >= -54 && kk <= 54 && NasobekMocniny(M, kk, v)) {
            vysledek = zaporne ? -v : v;
            return p;
        }
    }
    const auto delka = [](const char* a, const char* b) { return static_cast<std::size_t>(b - a); };
    if (!PomalaCesta(zaporne, std::string_view(zacatekMantisy, delka(zacatekMantisy, konecMantisy)),
                     std::string_view(zacatekExp, delka(zacatekExp, p)), vysledek))
        return nullptr;
    return p;
}

// Parses a number. Surrounding blanks and control characters are ignored;
// the rest must be a number (CtiCisloOd, "," a decimal point) and nothing
// more. False when the text is no finite number.
bool CtiCislo(std::string_view text, Extended& vysledek)
{
    const std::string_view s = OrizniPohled(text);
    const char* const konec = s.data() + s.size();
    Extended v = 0;
    if (CtiCisloOd(s.data(), konec, true, v) != konec) return false;
    vysledek = v;
    return true;
}

// Splits a line as a delimited string list does (delimiter ",", quote '"'):
// items are separated by a comma or by blanks and control characters; a quoted
// item may hold anything, "" standing for one quote; a comma at the very end
// gives a last empty item. Each item is read as a number without the magnitude
// check and handed to `uloz`. False when an item is no number or the count
// differs from `pocet`.
template <class Uloz>
bool PrectiPolozky(std::string_view radek, int pocet, Uloz&& uloz)
{
    if (radek.find('\0') != std::string_view::npos) return false;
    const std::size_t n = radek.size();
    std::size_t p = 0;
    int nalezeno = 0;
    std::string citovana;
    auto mezera = [&](std::size_t i) { return i < n && static_cast<unsigned char>(radek[i]) <= ' '; };
    while (mezera(p)) ++p;
    while (p < n) {
        std::string_view polozka;
        if (radek[p] == '"') {
            citovana.clear();
            ++p;
            while (p < n) {
                if (radek[p] == '"') {
                    if (p + 1 < n && radek[p + 1] == '"') {
                        citovana += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                citovana += radek[p++];
            }
            polozka = citovana;
        } else {
            // An item runs to the next separator; read at once where it lies.
            if (++nalezeno > pocet) return false;
            Extended v = 0;
            const char* const zacatek = radek.data() + p;
            const char* const konec = radek.data() + n;
            const char* const e = CtiCisloOd(zacatek, konec, false, v);
            if (!e || (e < konec && static_cast<unsigned char>(*e) > ' ' && *e != ',')) return false;
            p += static_cast<std::size_t>(e - zacatek);
            uloz(v);
            while (mezera(p)) ++p;
            if (p < n && radek[p] == ',') {
                if (p + 1 == n) return false;  // a trailing comma: one more (empty) item
                do {
                    ++p;
                } while (mezera(p));
            }
            continue;
        }
        if (++nalezeno > pocet) return false;
        Extended v = 0;
        if (!CtiCislo(polozka, v)) return false;
        uloz(v);
        while (mezera(p)) ++p;
        if (p < n && radek[p] == ',') {
            if (p + 1 == n) {  // a trailing comma: one more (empty) item
                return false;
            }
            do {
                ++p;
            } while (mezera(p));
        }
    }
    return nalezeno == pocet;
}

// Counted as zero: magnitude at most 1e-16.
bool JeNula(Extended v) { return std::fabs(v) <= 1e-16L; }

// Halves to even, in floating point (no integer range limit).
Extended ZaokrouhliSude(Extended x)
{
    const Extended dolni = std::floor(x);
    const Extended rozdil = x - dolni;
    if (rozdil < 0.5L) return dolni;
    if (rozdil > 0.5L) return dolni + 1;
    return std::fmod(dolni, 2.0L) == 0 ? dolni : dolni + 1;
}

}  // namespace

// ------------------------------------------------------------------ number to text

int CisloNaTextDo(Extended x, char* out) { return ZapisCislo(x, out); }

std::string CisloNaText(Extended x)
{
    char buf[48];
    const int n = ZapisCislo(x, buf);
    return std::string(buf, static_cast<std::size_t>(n));
}

std::string CisloNaTextPresnost(int d, Extended x)
{
    if (std::isnan(x)) return "NAN";
    if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
    if (d < 0) d = 0;
    // Digits of |x| * 10^d rounded to an integer: the 18 significant digits,
    // then halves away from zero at the d-th decimal.
    std::string cele;  // decimal digits of round(|x| * 10^d), no leading zeros
    if (x != 0) {
        char dg[19];
        const int E = Cifry(std::fabs(x), 18, dg + 1);
        dg[0] = '0';  // room for a carry
        // digit dg[1+i] has the weight 10^(E-i); keep those with E-i >= -d
        const long drz = static_cast<long>(E) + d + 1;  // digits kept
        if (drz >= 18) {
            cele.assign(dg + 1, 18);
            cele.append(static_cast<std::size_t>(drz - 18), '0');
        } else if (drz >= 0) {
            const int k = static_cast<int>(drz);
            const bool nahoru = dg[1 + k] >= '5';
            if (nahoru) PrictiJednotku(dg, k + 1);
            cele.assign(dg, static_cast<std::size_t>(k + 1));
        }
        const std::size_t prvni = cele.find_first_not_of('0');
        cele = prvni == std::string::npos ? std::string() : cele.substr(prvni);
    }
    std::string s;
    if (x < 0 && !cele.empty()) s += '-';
    const auto dd = static_cast<std::size_t>(d);
    if (cele.size() < dd + 1) cele.insert(0, dd + 1 - cele.size(), '0');
    s.append(cele, 0, cele.size() - dd);
    if (d > 0) {
        s += '.';
        s.append(cele, cele.size() - dd, dd);
    }
    return s;
}

Extended ZaokrouhliJakoText(int d, Extended x)
{
    if (!std::isfinite(x)) return x;
    return TextNaCisloBezKontroly(CisloNaTextPresnost(d, x));
}

std::string CisloNaTextZaokrouhlene(int digit, bool zaokrouhlit, Extended x)
{
    if (!zaokrouhlit || !std::isfinite(x)) return CisloNaText(x);
    digit = std::clamp(digit, -20, 20);
    const Extended mocnina = MocninyDeseti()[digit < 0 ? -digit : digit];  // exact
    // x * 10^(-digit) rounded, then scaled back by the exact power of ten
    const Extended skal = digit < 0 ? x * mocnina : x / mocnina;
    if (!std::isfinite(skal)) return CisloNaText(x);
    const Extended r = ZaokrouhliSude(skal);
    return CisloNaText(digit < 0 ? r / mocnina : r * mocnina);
}

std::string OdstranKoncoveNuly(std::string_view text)
{
    std::string s(text);
    while (!s.empty() && (s.back() == '0' || s.back() == '.')) s.pop_back();
    return std::string(OrizniPohled(s));
}

// ------------------------------------------------------------------ text to number

bool PrectiCislaRadku(std::string_view radek, int pocet, Extended* cil)
{
    return PrectiPolozky(radek, pocet, [&](Extended v) { *cil++ = v; });
}

bool PrectiCislo(std::string_view text, Extended& hodnota)
{
    Extended v = 0;
    if (!CtiCislo(text, v)) return false;
    hodnota = v;
    return true;
}

Extended TextNaCisloBezKontroly(std::string_view text)
{
    Extended v = 0;
    if (!CtiCislo(text, v))
        throw ChybaPrevodu("'" + std::string(text) + "' is not a valid floating point value");
    return v;
}

Extended TextNaCislo(std::string_view text)
{
    const Extended v = TextNaCisloBezKontroly(text);
    const Extended a = std::fabs(v);
    if (!JeNula(v) && (a > 1e12L || a < 1e-12L)) throw TichePreruseni();
    return v;
}

Extended CeleNaCislo(std::int64_t n) { return TextNaCislo(std::to_string(n)); }

bool ZkusTextNaCislo(std::string_view text, Extended& hodnota)
{
    hodnota = 0;
    Extended v = 0;
    if (!CtiCislo(text, v) || !HodnotaJeCislo(v)) return false;
    hodnota = v;
    return true;
}

bool HodnotaJeCislo(Extended hodnota)
{
    const Extended a = std::fabs(hodnota);
    return JeNula(hodnota) || (a > 1e-12L && a < 1e12L);
}

bool JeCislo(std::string_view text)
{
    Extended v = 0;
    return ZkusTextNaCislo(text, v);
}

bool TextJeMezi(std::string_view text, Extended min, Extended max)
{
    Extended v = 0;
    return ZkusTextNaCislo(text, v) && min < v && v < max;
}

bool TextJeVIntervalu(std::string_view text, Extended min, Extended max)
{
    Extended v = 0;
    return ZkusTextNaCislo(text, v) && min <= v && v < max;
}

bool JeCeleVRozsahu(std::int64_t n, std::int64_t min, std::int64_t max) { return min <= n && n <= max; }

bool JeMezi(Extended x, Extended min, Extended max) { return min < x && x < max; }

bool JeVIntervalu(Extended x, Extended min, Extended max) { return min <= x && x < max; }

bool JeVToleranci(Extended x, Extended limit)
{
    const Extended a = std::fabs(x);
    if (a < limit) return true;
    // equal within 1e-16 relative, at least 1e-16 absolute
    const Extended tol = 1e-16L * std::max<Extended>(1, std::max(a, std::fabs(limit)));
    return std::fabs(a - limit) <= tol;
}

std::int64_t ZaokrouhliNaCele(Extended x)
{
    if (!std::isfinite(x)) throw ChybaAritmetiky("Invalid floating point operation");
    const Extended r = ZaokrouhliSude(x);
    // 2^63 is exact in 80 bits; [-2^63, 2^63) fits
    if (r >= 9223372036854775808.0L || r < -9223372036854775808.0L)
        throw ChybaAritmetiky("Invalid floating point operation");
    return static_cast<std::int64_t>(r);
}

}  // namespace sitmera

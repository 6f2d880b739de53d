// Fuzz target for reading numbers out of a text file: the bytes are a file.
//
// - Lines: the file read piece by piece (pieces of 4 to 67 bytes, the first
//   byte chooses) gives the lines of the whole file read at once; an ASCII
//   file gives its bytes split at CR LF, LF and CR. With a cap on the length
//   of a line (0 to 63 bytes, the last byte chooses) it gives the lines
//   before the first longer one.
// - Numbers: every item of every line (the runs between blanks, control
//   characters and commas) is read by PrectiCislo and must give what
//   strtold_l gives in the "C" locale, bit for bit, when the item has the
//   file's number syntax ([+-] digits [(.|,) digits] [(e|E) [+-] digits],
//   a digit in the mantissa) and a finite value; otherwise it must be
//   rejected. A mantissa of zeros alone gives +0 whatever its sign.
// - A line of items separated by blanks only, read whole (PrectiCislaRadku),
//   gives the same values, and only with its own count of items.
// - The bytes taken as an epoch file read the same piece by piece as from
//   their line list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/Etapa.h"
#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"

using namespace sitmera;

namespace {

void Over(bool podminka)
{
    if (!podminka) std::abort();
}

bool Stejne(Extended a, Extended b) { return std::memcmp(&a, &b, 10) == 0; }

TStringList PoKusech(std::string_view bajty, std::size_t kus)
{
    TctecRadku ctec(TctecRadku::ZPameti, bajty, kus);
    return VsechnyRadky(ctec);
}

// The bytes split at CR LF, LF and CR; a last line end makes no line.
TStringList Rozdel(std::string_view s)
{
    TStringList radky;
    std::string radek;
    bool konec = true;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' || s[i] == '\n') {
            radky.push_back(radek);
            radek.clear();
            if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
            konec = true;
        } else {
            radek += s[i];
            konec = false;
        }
    }
    if (!konec) radky.push_back(radek);
    return radky;
}

bool Cislice(char c) { return c >= '0' && c <= '9'; }

// The number syntax of the files; nul: the mantissa digits are all zero.
bool JeCisloSouboru(std::string_view t, bool& nul)
{
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t cifer = 0;
    nul = true;
    for (; i < t.size() && Cislice(t[i]); ++i, ++cifer) nul = nul && t[i] == '0';
    if (i < t.size() && (t[i] == '.' || t[i] == ',')) {
        ++i;
        for (; i < t.size() && Cislice(t[i]); ++i, ++cifer) nul = nul && t[i] == '0';
    }
    if (cifer == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        const std::size_t z = i;
        while (i < t.size() && Cislice(t[i])) ++i;
        if (i == z) return false;
    }
    return i == t.size();
}

// What the item must read as: false when it is to be rejected.
bool Ocekavane(std::string_view polozka, Extended& v)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    bool nul = false;
    if (!JeCisloSouboru(polozka, nul)) return false;
    std::string t(polozka);
    for (char& z : t)
        if (z == ',') z = '.';
    char* konec = nullptr;
    v = strtold_l(t.c_str(), &konec, c);
    Over(konec == t.c_str() + t.size());
    if (!std::isfinite(v)) return false;
    if (nul) v = 0;
    return true;
}

bool Oddelovac(char c) { return static_cast<unsigned char>(c) <= ' ' || c == ','; }

void OverRadek(std::string_view radek)
{
    // Each item alone.
    std::vector<Extended> hodnoty;
    bool vse = true, jenMezery = radek.find_first_of(",\"") == std::string_view::npos &&
                                radek.find('\0') == std::string_view::npos;
    std::size_t i = 0;
    while (i < radek.size()) {
        if (Oddelovac(radek[i])) {
            ++i;
            continue;
        }
        std::size_t z = i;
        while (i < radek.size() && !Oddelovac(radek[i])) ++i;
        const std::string_view polozka = radek.substr(z, i - z);
        Extended ocekavano = 0, v = 0;
        const bool cislo = Ocekavane(polozka, ocekavano);
        Over(PrectiCislo(polozka, v) == cislo);
        if (cislo) Over(Stejne(v, ocekavano));
        vse = vse && cislo;
        hodnoty.push_back(ocekavano);
    }
    // The whole line, when only blanks separate its items.
    if (!jenMezery || hodnoty.size() > 200) return;
    const int pocet = static_cast<int>(hodnoty.size());
    std::vector<Extended> precteno(hodnoty.size() + 1);
    Over(PrectiCislaRadku(radek, pocet, precteno.data()) == vse);
    if (vse)
        for (std::size_t k = 0; k < hodnoty.size(); ++k) Over(Stejne(precteno[k], hodnoty[k]));
    Over(!PrectiCislaRadku(radek, pocet + 1, precteno.data()));
    if (pocet > 0) Over(!PrectiCislaRadku(radek, pocet - 1, precteno.data()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::size_t kus = 4 + data[0] % 64;
    const std::string_view bajty(reinterpret_cast<const char*>(data) + 1, size - 1);

    const TStringList radky = RozdelNaRadky(bajty);
    Over(PoKusech(bajty, kus) == radky);

    // With a cap of max bytes a line: the lines before the first longer one,
    // and the whole text taken only when there is none.
    {
        const std::size_t max = data[size - 1] % 64;
        TctecRadku ctec(TctecRadku::ZPameti, bajty, kus, max);
        TStringList dane;
        const bool vse = RadkyDoMeze(ctec, dane);
        std::size_t prvniDlouhy = 0;
        while (prvniDlouhy < radky.size() && radky[prvniDlouhy].size() <= max) ++prvniDlouhy;
        Over(vse == (prvniDlouhy == radky.size()) && vse != ctec.RadekPrilisDlouhy());
        Over(dane == TStringList(radky.begin(), radky.begin() + static_cast<std::ptrdiff_t>(prvniDlouhy)));
    }
    bool ascii = true;
    for (const char c : bajty) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) Over(radky == Rozdel(bajty));

    for (const std::string& r : radky) OverRadek(r);

    if (bajty.find("<1>") != std::string_view::npos) {
        Tetapa a, b;
        TStringList kopie = radky;
        const bool ok = NacistEtapuZeSeznamu(kopie, a, 1);
        TctecRadku ctec(TctecRadku::ZPameti, bajty, kus);
        Over(NacistEtapuZTextu(ctec, b) == ok);
        if (ok) {
            TStringList za, zb;
            UlozitEtapu(za, a, 1);
            UlozitEtapu(zb, b, 1);
            Over(za == zb);
        }
    }
    return 0;
}

#include "core/Filtr.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "numerics/TextPole.h"

namespace sitmera {

namespace {

// Equal when |a - b| <= max(1e-16, 1e-16 x min(|a|, |b|)); identical values
// (infinities included) are always equal, NaN never.
bool CislaShodna(Extended a, Extended b)
{
    if (a == b) return true;
    const Extended mensi = std::min(std::fabs(a), std::fabs(b));
    const Extended tolerance = std::max<Extended>(1e-16L, 1e-16L * mensi);
    return std::fabs(a - b) <= tolerance;
}

// Lower case of one code point: Latin (ASCII, Latin-1, Latin Extended-A with
// all Czech and Slovak letters), basic Greek and Cyrillic. Others unchanged.
char32_t MalePismeno(char32_t c)
{
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c < 0xC0) return c;
    if (c <= 0xDE) return c == 0xD7 ? c : c + 32;  // except the multiplication sign
    if (c >= 0x100 && c <= 0x12F) return (c % 2 == 0) ? c + 1 : c;
    if (c == 0x130) return U'i';
    if (c >= 0x132 && c <= 0x137) return (c % 2 == 0) ? c + 1 : c;
    if (c >= 0x139 && c <= 0x148) return (c % 2 == 1) ? c + 1 : c;
    if (c >= 0x14A && c <= 0x177) return (c % 2 == 0) ? c + 1 : c;
    if (c == 0x178) return 0xFF;
    if (c >= 0x179 && c <= 0x17E) return (c % 2 == 1) ? c + 1 : c;
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    return c;
}

// The code points of a UTF-8 text, lower-cased. A byte that does not start a
// valid sequence stands for itself (mapped above the Unicode range, so it
// matches only the same byte).
std::vector<char32_t> MalaPismenaKodu(std::string_view text)
{
    std::vector<char32_t> kody;
    kody.reserve(text.size());
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        int delka = 0;
        char32_t c = 0;
        if (b0 < 0x80) {
            delka = 1;
            c = b0;
        } else if (b0 >= 0xC2 && b0 <= 0xDF) {
            delka = 2;
            c = b0 & 0x1F;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            delka = 3;
            c = b0 & 0x0F;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            delka = 4;
            c = b0 & 0x07;
        }
        bool platny = delka > 0 && i + static_cast<std::size_t>(delka) <= n;
        for (int k = 1; platny && k < delka; ++k) {
            const auto b = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((b & 0xC0) != 0x80) platny = false;
            else c = (c << 6) | (b & 0x3F);
        }
        // overlong forms, surrogates and values past U+10FFFF are not valid
        if (platny && ((delka == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
                       (delka == 4 && (c < 0x10000 || c > 0x10FFFF))))
            platny = false;
        if (platny) {
            kody.push_back(MalePismeno(c));
            i += static_cast<std::size_t>(delka);
        } else {
            kody.push_back(0x110000 + b0);
            ++i;
        }
    }
    return kody;
}

bool TextObsahujeBezVelikosti(std::string_view a, std::string_view b)
{
    if (b.empty()) return true;
    const std::vector<char32_t> ka = MalaPismenaKodu(a);
    const std::vector<char32_t> kb = MalaPismenaKodu(b);
    return std::search(ka.begin(), ka.end(), kb.begin(), kb.end()) != ka.end();
}

}  // namespace

void VyhovujeCislo(int kod, bool aktivni, bool& vysledek, Extended a, Extended b)
{
    if (!aktivni || kod < 0 || kod > 5) return;
    const bool rovno = CislaShodna(a, b);
    switch (kod) {
    case kFiltrRovno: vysledek = rovno; break;
    case kFiltrVetsi: vysledek = !rovno && a > b; break;
    case kFiltrMensi: vysledek = !rovno && a < b; break;
    case kFiltrVetsiRovno: vysledek = rovno || a > b; break;
    case kFiltrMensiRovno: vysledek = rovno || a < b; break;
    default: vysledek = !rovno; break;
    }
}

void VyhovujeText(std::string_view a, std::string_view b, int kod, bool& vysledek, bool aktivni)
{
    if (!aktivni || kod < 0 || kod > 6) return;
    switch (kod) {
    case kFiltrTextRovno: vysledek = a == b; break;
    case kFiltrTextObsahuje: vysledek = TextObsahujeBezVelikosti(a, b); break;
    case kFiltrTextVetsi: vysledek = TextVetsi(a, b); break;
    case kFiltrTextMensi: vysledek = TextMensi(a, b); break;
    case kFiltrTextVetsiRovno: vysledek = TextVetsiRovno(a, b); break;
    case kFiltrTextMensiRovno: vysledek = TextMensiRovno(a, b); break;
    default: vysledek = a != b; break;
    }
}

}  // namespace sitmera

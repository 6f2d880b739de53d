#include "core/Filtr.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"

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

// The code points of a UTF-8 text, lower-cased.
std::vector<char32_t> MalaPismenaKodu(std::string_view text)
{
    std::vector<char32_t> kody = ZnakyTextu(text);
    for (char32_t& c : kody) c = MalePismeno(c);
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

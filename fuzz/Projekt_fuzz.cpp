// Fuzz target for the project reader: the bytes are a project file's content.
// The reader must never crash or throw. A rejected text must leave the live
// state exactly as it was; an accepted one must be saved again, read back and
// saved to the same lines, with the key bound to the live point lists.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "analysis/EtapaTransformacniKlic.h"
#include "analysis/ModelPorovnani.h"
#include "analysis/Projekt.h"
#include "core/Nastaveni.h"
#include "numerics/TextSoubor.h"
#include "points/Souradnice.h"

using namespace sitmera;

namespace {

void Over(bool podminka)
{
    if (!podminka) std::abort();
}

struct Stav {
    TmodelPorovnani model;
    Tsouradnice uzivatelske;
    Tnastaveni nastaveni;
    TtransformacniKlicEtapa klic;

    Stav()
    {
        nastaveni.Default();
        ClearKlic(klic);
    }
};

// The live state as text: the project lines and what the file does not hold.
std::string Otisk(const Stav& s)
{
    TStringList radky;
    Over(ZapisProjektu(radky, s.model, s.uzivatelske, s.nastaveni, s.klic));
    std::ostringstream o;
    for (const std::string& r : radky) o << r << '\n';
    o << s.klic.jePlny << ' ' << s.klic.souradniceBod << ' ' << s.klic.souradniceCil1 << ' '
      << s.klic.souradniceCil2 << ' ' << s.model.pocetBoduIdentickych << ' '
      << s.nastaveni.poradiXY[0] << s.nastaveni.poradiXY[1] << '\n';
    for (const auto& r : s.klic.rotace)
        for (const Extended x : r) o << static_cast<double>(x) << ' ';
    return o.str();
}

bool Vazany(const Stav& s)
{
    const Tsouradnice* seznamy[3] = {&s.model.etapa1.souradnice, &s.model.etapa2.souradnice,
                                     &s.uzivatelske};
    const Tsouradnice* role[3] = {s.klic.souradniceBod, s.klic.souradniceCil1,
                                  s.klic.souradniceCil2};
    for (int r = 0; r < 3; ++r)
        if (role[r] != seznamy[s.klic.typBod[static_cast<std::size_t>(r)]]) return false;
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 3; ++k) {
            const int i = s.klic.poradiBod[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)];
            if (i < -1 || i >= static_cast<int>(seznamy[k]->bod.size())) return false;
        }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TStringList vstup = RozdelNaRadky(std::string_view(reinterpret_cast<const char*>(data), size));

    // The live state holds a user point and a changed setting, so that a
    // rejected text that touched anything would show.
    Stav s;
    Tbod b;
    BodDefault(b);
    b.cislo = "1";
    b.X = 10;
    b.JePlny = true;
    s.uzivatelske.PridejBod(b);
    s.nastaveni.typJazyk = 0;
    s.nastaveni.okno.etapa = 2;
    const std::string pred = Otisk(s);

    TStringList radky = vstup;
    if (!CteniProjektu(radky, s.model, s.uzivatelske, s.nastaveni, s.klic)) {
        Over(Otisk(s) == pred);
        Over(s.nastaveni.okno.etapa == 2);
        return 0;
    }
    Over(s.nastaveni.okno.etapa == 2);
    Over(Vazany(s));

    // Saved, read back into another state and saved again: the same lines.
    TStringList prvni;
    Over(ZapisProjektu(prvni, s.model, s.uzivatelske, s.nastaveni, s.klic));
    Stav t;
    TStringList kopie = prvni;
    Over(CteniProjektu(kopie, t.model, t.uzivatelske, t.nastaveni, t.klic));
    Over(Vazany(t));
    TStringList druhy;
    Over(ZapisProjektu(druhy, t.model, t.uzivatelske, t.nastaveni, t.klic));
    Over(druhy == prvni);
    return 0;
}

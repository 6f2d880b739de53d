// Fuzz target for the project reader: the bytes are a project file's content.
// The reader must never crash or throw. A rejected text must leave the live
// state exactly as it was; an accepted one must be saved again, read back and
// saved to the same lines, with the key bound to the live point lists. The
// bytes read piece by piece, as a file is read, must give the same result
// and state as their lines.
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

// The content of the live state as text: the project lines and what the
// file does not hold.
std::string Obsah(const Stav& s)
{
    TStringList radky;
    Over(ZapisProjektu(radky, s.model, s.uzivatelske, s.nastaveni, s.klic));
    std::ostringstream o;
    for (const std::string& r : radky) o << r << '\n';
    o << s.klic.jePlny << ' ' << s.model.pocetBoduIdentickych << ' ' << s.nastaveni.poradiXY[0]
      << s.nastaveni.poradiXY[1] << ' ' << int(s.nastaveni.okno.etapa) << '\n';
    for (const auto& r : s.klic.rotace)
        for (const Extended x : r) o << static_cast<double>(x) << ' ';
    return o.str();
}

// The content and the lists the key refers to.
std::string Otisk(const Stav& s)
{
    std::ostringstream o;
    o << Obsah(s) << '\n' << s.klic.souradniceBod << ' ' << s.klic.souradniceCil1 << ' ' << s.klic.souradniceCil2;
    return o.str();
}

// The live state holds a user point and a changed setting, so that a
// rejected text that touched anything would show.
void Priprav(Stav& s)
{
    Tbod b;
    BodDefault(b);
    b.cislo = "1";
    b.X = 10;
    b.JePlny = true;
    s.uzivatelske.PridejBod(b);
    s.nastaveni.typJazyk = 0;
    s.nastaveni.okno.etapa = 2;
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
    const std::string_view bajty(reinterpret_cast<const char*>(data), size);
    const TStringList vstup = RozdelNaRadky(bajty);

    Stav s;
    Priprav(s);
    const std::string pred = Otisk(s);

    // The bytes read as a file is read, in pieces of 4 to 64 bytes: the same
    // result and the same state as the reading of the lines.
    Stav k;
    Priprav(k);
    TctecRadku text(TctecRadku::ZPameti, bajty, 4 + size % 61);
    const bool poKusech = NacistProjektZTextu(text, k.model, k.uzivatelske, k.nastaveni, k.klic);

    TStringList radky = vstup;
    const bool precteno = CteniProjektu(radky, s.model, s.uzivatelske, s.nastaveni, s.klic);
    Over(poKusech == precteno);
    Over(Obsah(k) == Obsah(s));
    if (!precteno) {
        Over(Otisk(s) == pred);
        Over(s.nastaveni.okno.etapa == 2);
        return 0;
    }
    Over(Vazany(k));
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

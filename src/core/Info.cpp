#include "core/Info.h"

#include <algorithm>

#include "numerics/Cesta.h"

namespace sitmera {

void Tinfo::Default()
{
    jeAnalyzaPosunu = false;
    jeTransformaceEtapa1 = false;
    jeTransformaceEtapa2 = false;
    souborySouradniceUzivatelske.clear();
}

void Tinfo::PocetSouboru(int pocet, int typ)
{
    if (typ != TypSouboruUzivatelske) return;
    souborySouradniceUzivatelske.resize(static_cast<std::size_t>(std::max(pocet, 0)));
}

void Tinfo::PridejSoubor(const Tsoubor& soubor, int typ)
{
    if (typ != TypSouboruUzivatelske) return;
    souborySouradniceUzivatelske.push_back(soubor);
}

void Tinfo::SmazSoubor(int identifikator, int typ)
{
    if (typ != TypSouboruUzivatelske) return;
    std::erase_if(souborySouradniceUzivatelske,
                  [identifikator](const Tsoubor& s) { return s.ID == identifikator; });
}

int Tinfo::VratPocetSouboru(int typ) const
{
    if (typ != TypSouboruUzivatelske) return 0;
    return static_cast<int>(souborySouradniceUzivatelske.size());
}

int Tinfo::VratUspesneNactenychSouboru(int typ) const
{
    if (typ != TypSouboruUzivatelske) return 0;
    return static_cast<int>(std::count_if(souborySouradniceUzivatelske.begin(),
                                          souborySouradniceUzivatelske.end(),
                                          [](const Tsoubor& s) { return s.nacteni; }));
}

Tsoubory Tinfo::VratSoubory(int typ) const
{
    if (typ != TypSouboruUzivatelske) return {};
    return souborySouradniceUzivatelske;
}

void NulujSoubor(Tsoubor& soubor)
{
    soubor.ID = 0;
    soubor.jmeno.clear();
    soubor.cesta.clear();
    soubor.pripona.clear();
    soubor.typ = 0;
    soubor.nacteni = false;
}

std::int32_t PridejZaznamSouboru(Tsoubory& soubory, const std::string& celeJmeno, int typ,
                                 bool nacteni, int hlaseni)
{
    Tsoubor soubor;
    soubor.ID = soubory.empty() ? 1 : soubory.back().ID + 1;
    soubor.jmeno = ExtractFileName(celeJmeno);
    soubor.cesta = ExtractFilePath(celeJmeno);
    soubor.pripona = ExtractFileExt(celeJmeno);
    soubor.typ = typ;
    soubor.nacteni = nacteni;
    soubor.hlaseni = hlaseni;
    soubory.push_back(soubor);
    return soubor.ID;
}

}  // namespace sitmera

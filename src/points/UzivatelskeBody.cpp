#include "points/UzivatelskeBody.h"

#include "core/Chyby.h"
#include "core/Nastaveni.h"
#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"
#include "numerics/ZapisSouboru.h"
#include "points/Souradnice.h"
#include "points/SouradniceSoubor.h"

#include <new>

namespace sitmera {

namespace {

// The mode byte of the point editor for user points.
constexpr std::uint8_t OknoUzivatelskeBody = 3;

}  // namespace

bool NacteniSouboru(Tsouradnice& souradnice, Tinfo& info, Tnastaveni& nastaveni,
                    const Tjazyk& jazyk, const TdialogOtevritSoubory& dialog, TStringList* duvody)
{
    if (duvody != nullptr) duvody->clear();
    if (nastaveni.okno.bodyVstup != OknoUzivatelskeBody || !dialog) return false;
    TStringList soubory;
    if (!dialog(soubory, nastaveni, jazyk)) return false;
    NacistSoubory(souradnice, info, nastaveni, soubory, duvody);
    return !soubory.empty();
}

void NacistSoubory(Tsouradnice& souradnice, Tinfo& info, const Tnastaveni& nastaveni,
                   const TStringList& soubory, TStringList* duvody)
{
    if (duvody != nullptr) duvody->clear();
    const int typ = nastaveni.souborVstup.typSouradnice;
    for (const std::string& jmeno : soubory) {
        TStringList radky;
        int cisloRadku = 0;
        try {
            // Line by line as the file is read; a line longer than
            // MaxDelkaRadku is the faulty line.
            TctecRadku soubor(jmeno);
            NactiSouradniceZTextu(soubor, nastaveni, radky, cisloRadku);
        } catch (const ChybaSouboru& e) {
            // A file that cannot be opened or read is recorded as not loaded
            // (line 0); the other files load all the same.
            TStringList().swap(radky);
            cisloRadku = 0;
            if (duvody != nullptr) duvody->push_back(e.what());
        } catch (const std::bad_alloc&) {
            // So is a file too large for the memory; its lines are freed.
            TStringList().swap(radky);
            cisloRadku = 0;
        }
        const bool nacteni = !radky.empty();
        const std::int32_t id = PridejZaznamSouboru(info.souborySouradniceUzivatelske, jmeno, typ,
                                                    nacteni, cisloRadku);
        souradnice.SmazPrazdneZaznamyNaKonci();
        if (!nacteni) continue;

        // The reader has read every value exactly as PridejBody reads it, so
        // this fails only when the memory runs out; should it fail, the file
        // adds no points and is recorded as not loaded rather than half loaded.
        const int pocetPred = static_cast<int>(souradnice.bod.size());
        auto nenacteno = [&] {
            souradnice.Velikost(pocetPred);
            info.souborySouradniceUzivatelske.back().nacteni = false;
            info.souborySouradniceUzivatelske.back().hlaseni = 0;
        };
        try {
            souradnice.PridejBody(radky, id);
        } catch (const TichePreruseni&) {
            nenacteno();
        } catch (const ChybaPrevodu&) {
            nenacteno();
        } catch (const std::bad_alloc&) {
            nenacteno();
        }
    }
}

TvysledekUlozeni UlozeniSouboru(const Tsouradnice& souradnice, Tinfo& /*info*/,
                                Tnastaveni& nastaveni, const Tjazyk& jazyk,
                                const TdialogUlozitSoubor& dialog, std::string* duvod)
{
    if (duvod != nullptr) duvod->clear();
    Tsouradnice kopie;
    kopie.Kopiruj(souradnice);
    std::string cesta;
    if (!dialog || !dialog(cesta, nastaveni, jazyk) || JePrazdnyPoOriznuti(cesta))
        return TvysledekUlozeni::Zruseno;
    return UlozitSouborSouradnic(kopie, nastaveni, cesta, duvod);
}

TvysledekUlozeni UlozitSouborSouradnic(const Tsouradnice& souradnice,
                                       const Tnastaveni& nastaveni, const std::string& cesta,
                                       std::string* duvod)
{
    if (duvod != nullptr) duvod->clear();
    Tsouradnice kopie;
    kopie.Kopiruj(souradnice);
    kopie.SmazPrazdneZaznamyNaKonci();
    TStringList radky;
    kopie.UlozDoStringList(radky, -6, false);  // full precision
    if (!UlozSouradniceTXT(radky, nastaveni)) return TvysledekUlozeni::ChybnyBod;
    try {
        ZapisTextovySoubor(cesta, radky);
    } catch (const ChybaSouboru& e) {
        UlozDuvod(duvod, e);
        return TvysledekUlozeni::ChybaZapisu;
    }
    return TvysledekUlozeni::Ulozeno;
}

}  // namespace sitmera

#include "core/Chyby.h"

#include <utility>

namespace sitmera {

void Tchyby::Default()
{
    BodDefault(souradniceUzivatelskePocetChyb);
    souradniceUzivatelskeCekovyPocetChyb = 0;
}

void Tchyby::Oznameni(std::int32_t vstup, const std::string& duvod)
{
    cisloOznameni = vstup;
    duvodOznameni = duvod;
}

void Tchyby::Potvrzeni(std::int32_t vstup) { cisloPotvrzeni = vstup; }

void Tchyby::Nehlasit() { vypnoutHlaseni = true; }

bool Tchyby::PrevzitOznameni(std::int32_t& kod, std::string* duvod)
{
    if (vypnoutHlaseni) {
        vypnoutHlaseni = false;
        return false;
    }
    kod = cisloOznameni;
    cisloOznameni = 0;
    if (duvod != nullptr) *duvod = std::move(duvodOznameni);
    duvodOznameni.clear();
    return true;
}

std::string NadpisOznameni(const Tjazyk& jazyk, std::int32_t kod)
{
    const Thlaseni& h = jazyk.hlaseni;
    switch (kod) {
    case 0: return jazyk.nadpis.chyba;
    case 1:
    case 2: return h.chybaFixnichBodu;
    case 3: return jazyk.nadpis.varovani + " - " + h.chybaFixnichBodu;
    case 4: return h.chybaVyrovnani;
    case 5: return h.chybaRobustnihoVyrovnani;
    case 6: return h.chybaDetekceOdlehlych;
    case 7:
    case 8: return h.chybaVyrovnani;
    case 9:
    case 10:
    case 11: return h.chybaIdentickychBodu;
    case 12: return h.chybaRobustnihoVyrovnani;
    case 13: return h.chybaDetekceOdlehlych;
    case 14:
    case 15: return h.chybaVyrovnani;
    case 16: return h.chybaTransformace;
    case 17: return h.chybaMeritkovychKoeficientu;
    case 18:
    case 19:
    case 20:
    case 21:
    case 22:
    case 23:
    case 24:
    case 25: return h.chybaDoplnkovehoMereni;
    case 26: return h.chybaProtokol;
    case 28: return jazyk.nadpis.chyba;
    case 29:
    case 30: return h.chybaTransformace;
    case 31: return jazyk.nadpis.chyba;
    default: return jazyk.nadpis.chyba;
    }
}

std::string TextOznameni(const Tjazyk& jazyk, std::int32_t kod)
{
    const Thlaseni& h = jazyk.hlaseni;
    switch (kod) {
    case 0: return h.chybaPriZpracovani;
    case 1: return h.nejmeneDvaBodyVlozeny + " " + h.seznamBezDuplicit;
    case 2: return h.nevhodnaKonfiguraceBodu;
    case 3: return h.prekrocenMezniRozdil + " " + h.mereniObsahujeHrube;
    case 4: return h.maloNadbytecnych;
    case 5: return h.chybaVResenNormalRovnic + " " + h.mereniObsahujeHrube;
    case 6: return h.apriorPresnostNeodpovida + " " + h.mereniObsahujeHrube;
    case 7: return h.chybaVResenNormalRovnic + " " + h.mereniObsahujeHrube;
    case 8: return h.chybaVyhodnoceniMereni + " " + h.mereniObsahujeHrube;
    case 9: return h.nejmeneDvaIdentikeBodyVlozeny + " " + h.seznamIdentickychBezDuplicit;
    case 10: return h.identickeMusiOdpovidatSiti;
    case 11: return h.identickeMusiMitDozdilneXY;
    case 12: return h.chybaVResenNormalRovnic + " " + h.identickeObsahujiHrube;
    case 13: return h.apriorPresnostIdentickcyhNeodpovida + " " + h.identickeObsahujiHrube;
    case 14: return h.chybaVResenNormalRovnic + " " + h.identickeObsahujiHrube;
    case 15: return h.chybaVyhodnoceniTransformace + " " + h.identickeObsahujiHrube;
    case 16: return h.chybaPriTransform;
    case 17: return h.meritkoObsahujeChyby;
    case 18: return h.doplnekDelkaObsahujeChyby;
    case 19: return h.doplnekSmernikObsahujeChyby;
    case 20: return h.doplnekPrevyseniObsahujeChyby;
    case 21: return h.doplnekProvazeniObsahujeChyby;
    case 22: return h.prekrocenMezniRozdilDoplnekDelka + " " + h.mereniObsahujeHrube;
    case 23: return h.prekrocenMezniRozdilDoplnekSmernik + " " + h.mereniObsahujeHrube;
    case 24: return h.prekrocenMezniRozdilDoplnekPrevyseni + " " + h.mereniObsahujeHrube;
    case 25: return h.prekrocenMezniRozdilDoplnekProvazeni + " " + h.mereniObsahujeHrube;
    case 26: return h.chybaZpracovaniProtokolu;
    case 28: return h.chybaPriUkladani;
    case 29: return h.chybaTransfromacniKlic;
    case 30: return h.chybaPriTransform;
    case 31: return h.chybaAnalyzaPosunu;
    default: return jazyk.nadpis.chyba;
    }
}

std::string TextSDuvody(const std::string& zprava, const TStringList& duvody)
{
    std::string text = zprava;
    std::size_t pocet = 0;
    for (const std::string& duvod : duvody) {
        if (duvod.empty()) continue;
        if (++pocet > MaxDuvoduOznameni) return text + "\n\u2026";
        text += "\n" + duvod;
    }
    return text;
}

std::string TextSDuvodem(const std::string& zprava, const std::string& duvod)
{
    return TextSDuvody(zprava, {duvod});
}

void UlozDuvod(std::string* duvod, const ChybaSouboru& chyba) noexcept
{
    if (duvod == nullptr) return;
    try {
        *duvod = chyba.what();
    } catch (...) {
        duvod->clear();
    }
}

}  // namespace sitmera

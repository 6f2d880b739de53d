#include "ui/layer/UlozeniKresby.h"

#include <QImage>

#include "core/Chyby.h"
#include "core/Jazyk.h"
#include "core/Nastaveni.h"
#include "drawing/Obrazky.h"
#include "ui/layer/HlaseniOkno.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/layer/Prostredi.h"
#include "ui/layer/UlozitOkno.h"

namespace sitmera {

namespace {

// Kind of the drawing filter that is no picture of the bitmap.
constexpr std::uint8_t kTypDXF = 3;

bool Zapis(const QImage& bitmapa, const TzapisDXF& zapisDXF, const std::string& cesta, std::uint8_t typ,
           std::string& duvod)
{
    try {
        if (typ == kTypDXF) return zapisDXF && zapisDXF(cesta, duvod);
        UlozObrazek(bitmapa, cesta, typ);
        return true;
    } catch (const ChybaSouboru& e) {
        UlozDuvod(&duvod, e);
        return false;
    } catch (...) {
        // Whatever else the writer met (no memory, a bad kind).
        duvod.clear();
        return false;
    }
}

}  // namespace

bool UlozKresbu(const QImage& bitmapa, const TzapisDXF& zapisDXF)
{
    TprostrediOken& p = Prostredi();
    if (p.nastaveni == nullptr || p.jazyk == nullptr || p.chyby == nullptr) return false;
    std::string cesta;
    const bool vybrano = UlozitSouborGrafika(cesta, *p.nastaveni, *p.jazyk);
    QPointer<Formular> otvirac = Form9().Otvirac();
    std::string duvod;
    const bool ulozeno = vybrano && Zapis(bitmapa, zapisDXF, cesta, p.nastaveni->souborVystup.typGrafika, duvod);
    PrepniZpracovani(otvirac.data());
    if (vybrano && !ulozeno) {
        p.chyby->Oznameni(28, duvod);
        OznameniDleCisla();
    }
    return ulozeno;
}

}  // namespace sitmera

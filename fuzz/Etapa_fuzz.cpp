// Fuzz target for the epoch reader: the bytes are the text of an epoch file.
// A reading must never crash or throw. When it fails, a loaded epoch must be
// left exactly as it was; when it succeeds, the epoch must be consistent
// (points, matrix and drawing data agreeing with the header) and what the
// writer then writes must read back to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "analysis/Etapa.h"
#include "numerics/TextSoubor.h"

using namespace sitmera;

namespace {

void Over(bool podminka)
{
    if (!podminka) std::abort();
}

const TStringList& PlatnaEtapa()
{
    static const TStringList radky = {
        "<1>", "4", "4", "4", "0", "0", "0", "0", "12", "3", "2", "1", "2", "8", "4", "0", "1", "1.2",
        "</1>", "<2>", "101\t1000.123456\t2000.5\t300.25\t0\t-1", "102\t1100\t2050.75\t301.5\t0\t-1",
        "50\t900\t1900\t299\t-1\t-1", "</2>", "<3>", "4E-6 0 0 5E-7 0 0 1E-6 0 0 2E-7",
        "0 9E-6 0 0 1E-7 2.5E-6 1.5E-6 0 2.5E-6 0", "9E-6", "</3>", "<4>", "2 0 2 2 2 0 0 0 -1",
        "2 1 1 1 1 0 0 0 -1", "0 1 1 1 1 0 0 0 -1", "</4>"};
    return radky;
}

void Konzistentni(const Tetapa& e)
{
    if (!e.jePripojen) return;
    const int u = e.pocetBoduUrcovanych;
    Over(u >= 1 && e.pocetBodu == u + e.pocetBoduFixnich);
    Over(e.souradnice.bod.size() == static_cast<std::size_t>(e.pocetBodu));
    Over(e.maticeKovariancni.size() == 3 * static_cast<std::size_t>(u));
    for (std::size_t i = 0; i < e.souradnice.bod.size(); ++i)
        Over(e.souradnice.bod[i].JeFixni == (i >= static_cast<std::size_t>(u)));
    Over(e.grafika.pocetBodu == e.pocetBodu);
    for (const TgrafikaZaznam& z : e.grafika.mereni)
        Over(z.iStn >= 0 && z.iStn < e.pocetBodu && z.iCil >= 0 && z.iCil < e.pocetBodu);
    Over(e.protokol.text.empty() && !e.protokol.jePlny);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TStringList vstup = RozdelNaRadky(std::string_view(reinterpret_cast<const char*>(data), size));

    // Into a new epoch.
    Tetapa e;
    TStringList radky = vstup;
    if (NacistEtapuZeSeznamu(radky, e, 1)) {
        Konzistentni(e);
        TStringList zapsane;
        UlozitEtapu(zapsane, e, 1);
        Tetapa zpet;
        TStringList kopie = zapsane;
        Over(NacistEtapuZeSeznamu(kopie, zpet, 1));
        TStringList znovu;
        UlozitEtapu(znovu, zpet, 1);
        Over(znovu == zapsane);
        if (e.jePripojen && e.pocetBoduUrcovanych <= 50)
            Over(e.kovariancniMaticeStr() == zpet.kovariancniMaticeStr());
    }

    // Over a loaded epoch: a failure leaves it as it was.
    Tetapa nactena;
    TStringList platna = PlatnaEtapa();
    Over(NacistEtapuZeSeznamu(platna, nactena, 1));
    nactena.protokol.text = {"report"};
    nactena.protokol.jePlny = true;
    TStringList pred;
    UlozitEtapu(pred, nactena, 1);
    radky = vstup;
    if (!NacistEtapuZeSeznamu(radky, nactena, 1)) {
        TStringList po;
        UlozitEtapu(po, nactena, 1);
        Over(po == pred);
        Over(nactena.jePripojen && nactena.protokol.jePlny && nactena.protokol.text.size() == 1);
    }
    return 0;
}

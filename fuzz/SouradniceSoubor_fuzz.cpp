// Fuzz target for the coordinate-file readers: the bytes are a file's content.
// Every axis order and unit is tried. A reader must never crash or throw; what
// it accepts must load into the point list, and whatever the writer then
// writes must read back to the same points. The epoch and project point-line
// reader gets the same lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/Nastaveni.h"
#include "numerics/TextSoubor.h"
#include "points/Souradnice.h"
#include "points/SouradniceSoubor.h"

using namespace sitmera;

namespace {

void Over(bool podminka)
{
    if (!podminka) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const TStringList radkySouboru =
        RozdelNaRadky(std::string_view(reinterpret_cast<const char*>(data), size));

    for (std::uint8_t jednotka = 0; jednotka < 2; ++jednotka) {
        for (std::uint8_t poradi = 0; poradi < 2; ++poradi) {
            Tnastaveni n;
            n.Default();
            n.jednotky.souradnice = jednotka;
            n.souborVstup.typSouradnice = poradi;
            n.souborVystup.typSouradnice = poradi;

            TStringList radky = radkySouboru;
            int cislo = -1;
            if (!NactiSouradniceTXT(radky, n, cislo)) {
                Over(radky.empty() && cislo >= 1);
                continue;
            }
            Over(cislo == static_cast<int>(radky.size()));
            Tsouradnice body;
            body.PridejBody(radky, 1);  // must not throw
            Over(body.bod.size() == radky.size());

            TStringList zapsane;
            body.UlozDoStringList(zapsane, -6, false);
            if (!UlozSouradniceTXT(zapsane, n)) {
                Over(zapsane.empty());
                continue;
            }
            Over(zapsane.size() == body.bod.size());
            Over(NactiSouradniceTXT(zapsane, n, cislo));
            Tsouradnice zpet;
            zpet.PridejBody(zapsane, 1);
            Over(zpet.bod.size() == body.bod.size());
            for (std::size_t i = 0; i < body.bod.size(); ++i) Over(zpet.bod[i].cislo == body.bod[i].cislo);
        }
    }

    TStringList radky = radkySouboru;
    Tsouradnice body;
    if (NacistSouradniceZeSeznamu(radky, body))
        Over(body.bod.size() == radky.size());
    else
        Over(body.bod.empty() && radky.empty());
    return 0;
}

// The added-files report: one row per coordinate file of the last add action.
#include <algorithm>

#include "core/Jazyk.h"
#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"
#include "reports/Protokol.h"

namespace sitmera {

void Tprotokol::Clear() { text.clear(); }

bool Tprotokol::zapsatPridatSoubor(const Tsoubory& soubory, int pocetSouboru, const Tjazyk& jazyk)
{
    text.clear();
    const int celkem = static_cast<int>(soubory.size());
    const int pocet = std::clamp(pocetSouboru, 0, celkem);

    text.push_back(std::string(jazyk.protokol.legenda) + ":" + std::string(KonecRadkuProtokolu) +
                   OpakujZnak(static_cast<int>(DelkaTextu(jazyk.protokol.legenda)) + 1, U'~'));
    text.push_back(LegendaSloupcu({jazyk.popis.poradi, jazyk.protokol.nazevSouboru,
                                   jazyk.protokol.souborPridan, jazyk.protokol.poradiChybnehoRadku},
                                  TtextVektor(), TtextVektor()));
    const std::string data = jazyk.protokol.data + ":";
    text.push_back(data);
    text.push_back(OpakujZnakPodleTextu(data, U'~'));

    TtextPole pole(static_cast<std::size_t>(pocet));
    for (int i = 0; i < pocet; ++i) {
        const Tsoubor& s = soubory[static_cast<std::size_t>(celkem - pocet + i)];
        pole[static_cast<std::size_t>(i)] = {std::to_string(i + 1), s.jmeno, s.nacteni ? "Ok" : "-",
                                             s.nacteni ? std::string() : std::to_string(s.hlaseni)};
    }
    TprotokolAnalyser tabulka;
    ZapsatTabulku(tabulka, pole, {"A", "B", "C", "D"}, OddelovacProtokolu);
    text.insert(text.end(), tabulka.text.begin(), tabulka.text.end());
    return true;
}

}  // namespace sitmera

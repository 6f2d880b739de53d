#include "points/SouradniceSoubor.h"

#include <array>
#include <cmath>
#include <map>
#include <string>
#include <unordered_map>

#include "core/Chyby.h"
#include "core/Nastaveni.h"
#include "numerics/Jednotky.h"
#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"
#include "points/Souradnice.h"

namespace sitmera {

namespace {

// The mode byte of the point editor for user points.
constexpr std::uint8_t OknoUzivatelskeBody = 3;

// Reads one coordinate of a coordinate file (in the user's unit `jednotka`)
// and gives the point-line text of its value in metres. Throws ChybaPrevodu
// for a text that is no number and TichePreruseni for a value out of range,
// in the file's unit or in metres: the metre text is read back exactly as the
// point list will read it, so a line that passes here always loads.
std::string HodnotaNaMetry(const std::string& slovo, std::uint8_t jednotka)
{
    const Extended metry = DelkaNaMetry(jednotka, TextNaCislo(slovo));
    std::string text = CisloNaText(metry);
    TextNaCislo(text);
    return text;
}

// The file text of a point-line value (metres): converted to the user's unit
// and written with `desetinna` decimals. The written text is checked the way
// the reader will check it, so the writer never writes a file it cannot read.
std::string HodnotaZMetru(const std::string& slovo, std::uint8_t jednotka, int desetinna)
{
    const Extended hodnota = MetryNaDelku(jednotka, TextNaCislo(slovo));
    std::string text = CisloNaTextPresnost(desetinna, hodnota);
    HodnotaNaMetry(text, jednotka);
    return text;
}

// The point line of one trimmed, non-empty line of a coordinate file; false
// for a faulty line. Never throws for any content of the line.
bool PrevedRadek(std::string_view radek, std::uint8_t jednotka, bool poradiYXZ, TStringList& vystup)
{
    try {
        const TStringList slova = RozdelNaSlova(radek);
        if (slova.size() != 4) return false;
        const std::string prvni = HodnotaNaMetry(slova[1], jednotka);
        const std::string druha = HodnotaNaMetry(slova[2], jednotka);
        const std::string z = HodnotaNaMetry(slova[3], jednotka);
        const std::string& x = poradiYXZ ? druha : prvni;
        const std::string& y = poradiYXZ ? prvni : druha;
        vystup.push_back(slova[0] + " " + x + " " + y + " " + z);
        return true;
    } catch (const TichePreruseni&) {
        return false;
    } catch (const ChybaPrevodu&) {
        return false;
    } catch (const ChybaAritmetiky&) {
        return false;
    }
}

bool NactiSouradnice(TStringList& radky, const Tnastaveni& nastaveni, int& cisloRadku,
                     bool poradiYXZ)
{
    const std::uint8_t jednotka = nastaveni.jednotky.souradnice;
    OrizniRadky(radky);
    TStringList vystup;
    vystup.reserve(radky.size());
    cisloRadku = 0;
    for (const std::string& radek : radky) {
        ++cisloRadku;
        if (!PrevedRadek(radek, jednotka, poradiYXZ, vystup)) {
            radky.clear();
            return false;
        }
    }
    radky = std::move(vystup);
    cisloRadku = static_cast<int>(radky.size());
    return true;
}

bool UlozSouradnice(TStringList& radky, const Tnastaveni& nastaveni, bool poradiYXZ)
{
    const std::uint8_t jednotka = nastaveni.jednotky.souradnice;
    const int desetinna = nastaveni.presnost.souradnice.hodnota;
    TStringList vystup;
    vystup.reserve(radky.size());
    try {
        for (const std::string& radek : radky) {
            // Exactly four words: a number holding a blank would make a line
            // the reader takes apart differently, an empty one a line of three.
            const TStringList slova = RozdelNaSlova(radek);
            if (slova.size() != 4) throw TichePreruseni();
            const std::string x = HodnotaZMetru(slova[1], jednotka, desetinna);
            const std::string y = HodnotaZMetru(slova[2], jednotka, desetinna);
            const std::string z = HodnotaZMetru(slova[3], jednotka, desetinna);
            const std::string& prvni = poradiYXZ ? y : x;
            const std::string& druha = poradiYXZ ? x : y;
            vystup.push_back(SpojSlova({slova[0], prvni, druha, z}));
        }
    } catch (const TichePreruseni&) {
        radky.clear();
        return false;
    } catch (const ChybaPrevodu&) {
        radky.clear();
        return false;
    } catch (const ChybaAritmetiky&) {
        radky.clear();
        return false;
    } catch (const ChybaArgumentu&) {
        radky.clear();
        return false;
    }
    radky = std::move(vystup);
    return true;
}

// A flag word of a point line: "-1" or "0" as written, any other number
// (non-zero true), or "true" / "false" in any case. Throws ChybaPrevodu for
// anything else.
bool TextNaPriznak(const std::string& slovo)
{
    std::string male;
    male.reserve(slovo.size());
    for (const char c : slovo) male.push_back((c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c);
    if (male == "true") return true;
    if (male == "false") return false;
    return TextNaCisloBezKontroly(slovo) != 0;
}

// The check of record i against all the others: kontrola[k] of record i is
// set when shoda finds another record the same (then false), cleared
// otherwise (then true). An index outside the list checks nothing (true).
template <class Shoda>
bool KontrolaShody(Tsouradnice& souradnice, int i, int k, Shoda shoda)
{
    std::vector<Tbod>& body = souradnice.bod;
    if (i < 0 || static_cast<std::size_t>(i) >= body.size()) return true;
    Tbod& bod = body[static_cast<std::size_t>(i)];
    bod.kontrola[k] = false;
    for (std::size_t j = 0; j < body.size(); ++j) {
        if (j != static_cast<std::size_t>(i) && shoda(bod, body[j])) {
            bod.kontrola[k] = true;
            return false;
        }
    }
    return true;
}

}  // namespace

bool NactiSouradniceXYZ(TStringList& radky, const Tnastaveni& nastaveni, int& cisloRadku)
{
    return NactiSouradnice(radky, nastaveni, cisloRadku, false);
}

bool NactiSouradniceYXZ(TStringList& radky, const Tnastaveni& nastaveni, int& cisloRadku)
{
    return NactiSouradnice(radky, nastaveni, cisloRadku, true);
}

bool NactiSouradniceTXT(TStringList& radky, const Tnastaveni& nastaveni, int& cisloRadku)
{
    switch (nastaveni.souborVstup.typSouradnice) {
    case 0: return NactiSouradniceXYZ(radky, nastaveni, cisloRadku);
    case 1: return NactiSouradniceYXZ(radky, nastaveni, cisloRadku);
    default:
        radky.clear();
        cisloRadku = 0;
        return false;
    }
}

bool NactiSouradniceZTextu(TctecRadku& text, const Tnastaveni& nastaveni, TStringList& radky,
                           int& cisloRadku)
{
    const int typ = nastaveni.souborVstup.typSouradnice;
    radky.clear();
    cisloRadku = 0;
    if (typ != 0 && typ != 1) return false;
    const std::uint8_t jednotka = nastaveni.jednotky.souradnice;
    const bool ok = ProjdiOrizleRadky(
        text,
        [&] {
            radky.clear();
            cisloRadku = 0;
        },
        [&](const std::string_view* davka, std::size_t pocet) {
            for (std::size_t i = 0; i < pocet; ++i) {
                ++cisloRadku;
                if (!PrevedRadek(davka[i], jednotka, typ == 1, radky)) return false;
            }
            return true;
        });
    if (ok) return true;
    // The line too long is the one after the lines taken.
    if (text.RadekPrilisDlouhy()) ++cisloRadku;
    radky.clear();
    return false;
}

bool UlozSouradniceXYZ(TStringList& radky, const Tnastaveni& nastaveni)
{
    return UlozSouradnice(radky, nastaveni, false);
}

bool UlozSouradniceYXZ(TStringList& radky, const Tnastaveni& nastaveni)
{
    return UlozSouradnice(radky, nastaveni, true);
}

bool UlozSouradniceTXT(TStringList& radky, const Tnastaveni& nastaveni)
{
    switch (nastaveni.souborVystup.typSouradnice) {
    case 0: return UlozSouradniceXYZ(radky, nastaveni);
    case 1: return UlozSouradniceYXZ(radky, nastaveni);
    default:
        radky.clear();
        return false;
    }
}

bool NacistSouradniceZeSeznamu(TStringList& radky, Tsouradnice& souradnice)
{
    souradnice.Clear();
    souradnice.Velikost(static_cast<int>(radky.size()));
    try {
        for (std::size_t i = 0; i < radky.size(); ++i) {
            const TStringList slova = RozdelNaSlova(radky[i]);
            if (slova.size() != 6) throw TichePreruseni();
            Tbod& bod = souradnice.bod[i];
            bod.poradi = static_cast<std::int32_t>(i + 1);
            bod.cislo = slova[0];
            bod.X = TextNaCislo(slova[1]);
            bod.Y = TextNaCislo(slova[2]);
            bod.Z = TextNaCislo(slova[3]);
            bod.JeFixni = TextNaPriznak(slova[4]);
            bod.JeAktiv = TextNaPriznak(slova[5]);
            bod.JePlny = true;
        }
    } catch (const TichePreruseni&) {
        radky.clear();
        souradnice.Clear();
        return false;
    } catch (const ChybaPrevodu&) {
        radky.clear();
        souradnice.Clear();
        return false;
    } catch (const ChybaAritmetiky&) {
        radky.clear();
        souradnice.Clear();
        return false;
    }
    return true;
}

bool KontrolaCisloBodu(Tsouradnice& souradnice, int i)
{
    return KontrolaShody(souradnice, i, 0, [](const Tbod& a, const Tbod& b) { return a.cislo == b.cislo; });
}

bool KontrolaPolohaBodu(Tsouradnice& souradnice, int i)
{
    return KontrolaShody(souradnice, i, 2, ShodnaPolohaXYZ);
}

bool KontrolaPolohaXYBodu(Tsouradnice& souradnice, int i)
{
    return KontrolaShody(souradnice, i, 1, ShodnaPolohaXY);
}

void KontrolaSouradnic(Tsouradnice& souradnice, Tchyby& chyby, bool kontrola,
                       const Tnastaveni& nastaveni)
{
    if (!kontrola) return;
    const bool uzivatelske = nastaveni.okno.bodyVstup == OknoUzivatelskeBody;
    if (uzivatelske) BodDefault(chyby.souradniceUzivatelskePocetChyb);

    // The same results as the three checks above run on every filled record,
    // without comparing every pair: each number and each position is counted
    // once, and a record is a duplicate when its count is two or more.
    // Numbers are counted over all records (the number check looks at empty
    // records too), positions over the filled ones. Exact equality of the
    // coordinates is what the map's ordering gives (-0 and +0 are one key);
    // a NaN equals nothing, so a position holding one is never a duplicate.
    std::vector<Tbod>& body = souradnice.bod;
    std::unordered_map<std::string, int> cisla;
    std::map<std::array<Extended, 3>, int> polohyXYZ;
    std::map<std::array<Extended, 2>, int> polohyXY;
    const auto bezNaN = [](std::initializer_list<Extended> hodnoty) {
        for (const Extended h : hodnoty)
            if (std::isnan(h)) return false;
        return true;
    };
    for (const Tbod& bod : body) {
        ++cisla[bod.cislo];
        if (!bod.JePlny) continue;
        if (bezNaN({bod.X, bod.Y, bod.Z})) ++polohyXYZ[{bod.X, bod.Y, bod.Z}];
        if (bezNaN({bod.X, bod.Y})) ++polohyXY[{bod.X, bod.Y}];
    }

    int pocetCislo = 0;
    int pocetXYZ = 0;
    int pocetXY = 0;
    for (Tbod& bod : body) {
        if (!bod.JePlny) continue;
        bod.kontrola[0] = cisla[bod.cislo] >= 2;
        bod.kontrola[2] = bezNaN({bod.X, bod.Y, bod.Z}) && polohyXYZ[{bod.X, bod.Y, bod.Z}] >= 2;
        bod.kontrola[1] = bezNaN({bod.X, bod.Y}) && polohyXY[{bod.X, bod.Y}] >= 2;
        pocetCislo += bod.kontrola[0];
        pocetXYZ += bod.kontrola[2];
        pocetXY += bod.kontrola[1];
    }
    // Every point with a repeated X, Y, Z also has a repeated X, Y: the XY
    // counter keeps only the points that share X, Y but not Z.
    pocetXY -= pocetXYZ;

    if (uzivatelske) {
        chyby.souradniceUzivatelskePocetChyb.X = pocetCislo;
        chyby.souradniceUzivatelskePocetChyb.Y = pocetXYZ;
        chyby.souradniceUzivatelskePocetChyb.Z = pocetXY;
        chyby.souradniceUzivatelskeCekovyPocetChyb = pocetCislo + pocetXYZ + pocetXY;
    }
}

bool KontrolaPoradiBodu(const Tsouradnice& souradnice, int prvni, int posledni)
{
    if (posledni - prvni < 1) return true;
    const std::vector<Tbod>& body = souradnice.bod;
    if (prvni < 0 || static_cast<std::size_t>(posledni) >= body.size()) return false;
    for (int i = prvni; i < posledni; ++i) {
        if (!TextMensi(body[static_cast<std::size_t>(i)].cislo,
                       body[static_cast<std::size_t>(i) + 1].cislo))
            return false;
    }
    return true;
}

void SpojitSouradnice(Tsouradnice& vystup, const Tsouradnice& a, const Tsouradnice& b)
{
    const std::size_t n = a.bod.size();
    if (b.bod.size() < n)
        throw ChybaArgumentu("SpojitSouradnice: the second list is shorter than the first");
    std::vector<Tbod> spojene(2 * n);
    for (std::size_t i = 0; i < n; ++i) {
        spojene[2 * i] = a.bod[i];
        spojene[2 * i + 1] = b.bod[i];
    }
    vystup.bod = std::move(spojene);
}

}  // namespace sitmera

// Report layout, title block, headings and point tables.
#include "reports/Protokol.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <utility>

#include "core/Jazyk.h"
#include "core/Nastaveni.h"
#include "numerics/Jednotky.h"
#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"
#include "points/Souradnice.h"

namespace sitmera {

namespace {

ThodinyProtokolu& Hodiny()
{
    static ThodinyProtokolu hodiny;
    return hodiny;
}

TdatumCas SystemovyCas()
{
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm m{};
    localtime_r(&t, &m);
    return {m.tm_year + 1900, m.tm_mon + 1, m.tm_mday, m.tm_hour, m.tm_min, m.tm_sec};
}

int Delka(std::string_view text) { return static_cast<int>(DelkaTextu(text)); }

// Blanks up to a width (characters).
std::string Mezery(int pocet) { return pocet > 0 ? std::string(static_cast<std::size_t>(pocet), ' ') : std::string(); }

// Column widths of the data rows widened by the header labels.
TindexVector SirkyTabulky(const TtextPole& pole, const TtextVektor& znacky)
{
    TindexVector sirky = SirkySloupcu(pole, static_cast<int>(znacky.size()));
    RozsirSirkySloupcu(znacky, sirky);
    return sirky;
}

}  // namespace

// ---------------------------------------------------------------- report text

std::string TextProtokolu(const TStringList& polozky)
{
    std::size_t delka = 0;
    for (const std::string& p : polozky) delka += p.size() + 2;
    std::string text;
    text.reserve(delka);
    for (const std::string& p : polozky) {
        text += p;
        text += KonecRadkuProtokolu;
    }
    return text;
}

TStringList RadkyProtokolu(const TStringList& polozky)
{
    const std::string text = TextProtokolu(polozky);
    TStringList radky;
    std::size_t z = 0;
    while (z < text.size()) {
        const std::size_t p = text.find(KonecRadkuProtokolu, z);
        if (p == std::string::npos) {
            radky.emplace_back(text, z);
            break;
        }
        radky.emplace_back(text, z, p - z);
        z = p + KonecRadkuProtokolu.size();
    }
    return radky;
}

// ---------------------------------------------------------------- clock

void NastavHodinyProtokolu(ThodinyProtokolu hodiny) { Hodiny() = std::move(hodiny); }

TdatumCas AktualniDatumCas()
{
    const ThodinyProtokolu& hodiny = Hodiny();
    return hodiny ? hodiny() : SystemovyCas();
}

std::string DatumCasNaText(const TdatumCas& cas, std::uint8_t typJazyk)
{
    const char oddelovac = typJazyk == 0 ? '.' : '/';
    char text[64];
    std::snprintf(text, sizeof text, "%02d%c%02d%c%04d %02d:%02d:%02d", cas.den, oddelovac,
                  cas.mesic, oddelovac, cas.rok, cas.hodina, cas.minuta, cas.sekunda);
    return text;
}

// ---------------------------------------------------------------- layout

std::string OznaceniEtapy(std::uint8_t druh, std::uint8_t cisloEtapy)
{
    std::string pismeno;
    if (druh == 1) pismeno = "A";
    else if (druh == 2) pismeno = "B";
    return pismeno + std::to_string(cisloEtapy);
}

std::string PriponaPresnosti(const Tjazyk& jazyk, int kod)
{
    const std::string presnost = MalaPismena(jazyk.popis.presnost);
    switch (kod) {
    case 4: return " (" + jazyk.popis.apriorni + " " + presnost + ")";
    case 5: return " (" + jazyk.popis.aposteriorni + " " + presnost + ")";
    case 6: return " (" + jazyk.popis.apriorni + " / " + jazyk.popis.aposteriorni + " " + presnost + ")";
    default: return std::string();
    }
}

std::string PriponaPresnostiPosunu(const Tjazyk& jazyk, int kod)
{
    return (kod >= 2 && kod <= 4) ? PriponaPresnosti(jazyk, kod + 2) : std::string();
}

void TitulProtokolu(TprotokolAnalyser& protokol, const Tjazyk& jazyk)
{
    const std::string radek =
        jazyk.popis.sitmeraNazev + " " + jazyk.popis.verzeCislo + " " + jazyk.popis.verzeDatum;
    protokol.text.push_back(radek);
    protokol.text.push_back(OpakujZnakPodleTextu(radek, U'*'));
    protokol.text.push_back(jazyk.protokol.kontakt + ": " + jazyk.popis.velkor + " (" +
                            jazyk.popis.email + ")");
}

std::string RadekVytvoreni(const Tjazyk& jazyk, std::uint8_t typJazyk)
{
    return jazyk.protokol.vytvoreno + ": " + DatumCasNaText(AktualniDatumCas(), typJazyk);
}

void NadpisProtokoluEtapy(TprotokolAnalyser& protokol, std::uint8_t cisloEtapy, std::uint8_t druh,
                          const std::string& jmenoSouboru, const Tjazyk& jazyk,
                          std::uint8_t typJazyk)
{
    std::string druhText;
    if (druh == 1) druhText = jazyk.popis.pripojena + " " + MalaPismena(jazyk.tlacitko.etapa);
    else if (druh == 2) druhText = jazyk.popis.transformovana + " " + MalaPismena(jazyk.tlacitko.etapa);
    const std::string radek = jazyk.protokol.protokol1 + " " + OznaceniEtapy(druh, cisloEtapy) +
                              " - " + std::to_string(cisloEtapy) + ". " + druhText + " [" +
                              jmenoSouboru + "]";
    protokol.text.emplace_back();
    protokol.text.emplace_back();
    protokol.text.push_back(radek);
    protokol.text.push_back(OpakujZnakPodleTextu(radek, U'*'));
    protokol.text.push_back(RadekVytvoreni(jazyk, typJazyk));
}

void NadpisProtokoluPosunu(TprotokolAnalyser& protokol, const Tjazyk& jazyk, std::uint8_t typJazyk)
{
    const std::string radek = jazyk.protokol.protokol1 + " C - " + jazyk.tlacitko.analyzaPosunu;
    protokol.text.emplace_back();
    protokol.text.emplace_back();
    protokol.text.push_back(radek);
    protokol.text.push_back(OpakujZnakPodleTextu(radek, U'*'));
    protokol.text.push_back(RadekVytvoreni(jazyk, typJazyk));
}

TindexVector SirkySloupcu(const TtextPole& pole, int pocetSloupcu)
{
    TindexVector sirky(Index(std::max(pocetSloupcu, 0)), 0);
    for (const TtextVektor& radek : pole) RozsirSirkySloupcu(radek, sirky);
    return sirky;
}

std::string RadekInformace(const TtextPole& pole, int r, const TindexVector& sirky)
{
    if (r < 0 || Index(r) >= pole.size()) return std::string();
    const TtextVektor& radek = pole[Index(r)];
    const std::string popis = radek.size() > 0 ? radek[0] : std::string();
    const std::string hodnota = radek.size() > 1 ? radek[1] : std::string();
    const int s0 = sirky.size() > 0 ? sirky[0] : 0;
    const int s1 = sirky.size() > 1 ? sirky[1] : 0;
    return popis + Mezery(s0 - Delka(popis)) + std::string(OddelovacProtokolu) +
           Mezery(s1 - Delka(hodnota)) + hodnota;
}

void ZahajitSekciTextu(TprotokolAnalyser& protokol, const std::string& nadpis)
{
    protokol.text.emplace_back(KonecRadkuProtokolu);
    protokol.text.push_back(nadpis);
    protokol.text.push_back(OpakujZnakPodleTextu(nadpis, U'='));
    protokol.text.emplace_back();
}

void ZahajitSekciTabulky(TprotokolAnalyser& protokol, const std::string& nadpis,
                         const Tjazyk& jazyk, const TtextVektor& popisy,
                         const TtextVektor& jednotky)
{
    protokol.text.emplace_back(KonecRadkuProtokolu);
    protokol.text.push_back(nadpis);
    protokol.text.push_back(OpakujZnakPodleTextu(nadpis, U'='));
    protokol.text.push_back(std::string(KonecRadkuProtokolu) + jazyk.protokol.legenda + ":" +
                            std::string(KonecRadkuProtokolu) +
                            OpakujZnak(Delka(jazyk.protokol.legenda) + 1, U'~'));
    protokol.text.push_back(LegendaSloupcu(popisy, jednotky, TtextVektor()));
}

void NadpisDat(TprotokolAnalyser& protokol, const Tjazyk& jazyk)
{
    const std::string radek = jazyk.protokol.data + ":";
    protokol.text.push_back(radek);
    protokol.text.push_back(OpakujZnakPodleTextu(radek, U'~'));
}

void ZapsatTabulku(TprotokolAnalyser& protokol, const TtextPole& pole, const TtextVektor& znacky,
                   std::string_view oddelovac)
{
    const TindexVector sirky = SirkyTabulky(pole, znacky);
    const std::string hlavicka = TabulkaNaText(znacky, oddelovac, sirky);
    protokol.text.reserve(protokol.text.size() + pole.size() + 2);
    protokol.text.push_back(hlavicka);
    protokol.text.push_back(OpakujZnakPodleTextu(hlavicka, U'-'));
    for (const TtextVektor& radek : pole) protokol.text.push_back(TabulkaNaText(radek, oddelovac, sirky));
}

// ---------------------------------------------------------------- number cells

std::string BunkaOdchylky(Extended metry, Extended nasobek, int desetinna,
                          Extended (*prevod)(std::uint8_t, Extended), std::uint8_t jednotka)
{
    if (metry < 0 || nasobek < 0) return "-";
    return CisloNaTextPresnost(desetinna, prevod(jednotka, metry * nasobek));
}

// ---------------------------------------------------------------- point tables

int SloupecOsy(const Tnastaveni& nastaveni, int osa)
{
    if (osa == 2) return 4;
    const int poradi = Index(osa) < nastaveni.poradiXY.size() ? nastaveni.poradiXY[Index(osa)] : osa + 1;
    return (poradi == 1 || poradi == 2) ? 1 + poradi : 2 + osa;
}

int KodTabulkySouradnic(int presnost)
{
    switch (presnost) {
    case 2: return 4;
    case 3: return 5;
    case 4: return 6;
    default: return 1;
    }
}

namespace {

bool SOdchylkami(int kod) { return kod == 4 || kod == 5 || kod == 6; }

// Deviation cell of one coordinate for a table code.
std::string BunkaOdchylkySouradnice(const Tbod& bod, Extended sig, const Tnastaveni& nastaveni,
                                    Extended odchylkaAprior, Extended odchylkaAposterior, int kod)
{
    if (bod.JeFixni || sig < 0) return "-";
    const int d = nastaveni.presnost.souradnice.odchylka;
    const std::uint8_t j = nastaveni.jednotky.souradnice;
    switch (kod) {
    case 4: return BunkaOdchylky(sig, odchylkaAprior, d, MetryNaMaleJednotkyPresDelku, j);
    case 5: return BunkaOdchylky(sig, odchylkaAposterior, d, MetryNaMaleJednotkyPresDelku, j);
    default:
        return BunkaOdchylky(sig, odchylkaAprior, d, MetryNaMaleJednotkyPresDelku, j) + " : " +
               BunkaOdchylky(sig, odchylkaAposterior, d, MetryNaMaleJednotkyPresDelku, j);
    }
}

}  // namespace

TtextVektor PopisySloupcuSouradnic(const Tjazyk& jazyk, const Tnastaveni& nastaveni, int kod)
{
    const int pocet = SOdchylkami(kod) ? 8 : 5;
    TtextVektor popisy = NovyTextVektor(pocet);
    popisy[0] = jazyk.protokol.serioveCislo;
    popisy[1] = jazyk.popis.cisloBod;
    const std::string* osy[3] = {&jazyk.popis.x, &jazyk.popis.y, &jazyk.popis.z};
    for (int osa = 0; osa < 3; ++osa) {
        const std::string nazev = jazyk.tlacitko.souradnice2 + " " + *osy[osa];
        const int s = SloupecOsy(nastaveni, osa);
        popisy[Index(s)] = nazev;
        if (pocet == 8) popisy[Index(s + 3)] = nazev + " - " + jazyk.popis.smerOdchylka;
    }
    return popisy;
}

TtextVektor JednotkySloupcuSouradnic(const Tjazyk& jazyk, int kod)
{
    const int pocet = SOdchylkami(kod) ? 8 : 5;
    TtextVektor jednotky = NovyTextVektor(pocet);
    for (int i = 2; i < 5; ++i) jednotky[Index(i)] = "[" + jazyk.popisJednotky.x_hodnota + "]";
    for (int i = 5; i < pocet; ++i) jednotky[Index(i)] = "[" + jazyk.popisJednotky.x_odchylka + "]";
    return jednotky;
}

TtextPole RadkySouradnic(const Tsouradnice& souradnice, const Tnastaveni& nastaveni,
                         Extended odchylkaAprior, Extended odchylkaAposterior, int kod)
{
    const int pocetSloupcu = SOdchylkami(kod) ? 8 : 5;
    const int n = std::min(souradnice.PocetPlnychBodu(), static_cast<int>(souradnice.bod.size()));
    const int dh = nastaveni.presnost.souradnice.hodnota;
    const std::uint8_t j = nastaveni.jednotky.souradnice;
    const int sx = SloupecOsy(nastaveni, 0);
    const int sy = SloupecOsy(nastaveni, 1);

    TtextPole pole(Index(n));
    for (int i = 0; i < n; ++i) {
        const Tbod& bod = souradnice.bod[Index(i)];
        TtextVektor& radek = pole[Index(i)];
        radek = NovyTextVektor(pocetSloupcu);
        radek[0] = std::to_string(i + 1);
        radek[1] = bod.cislo;
        radek[Index(sx)] = CisloNaTextPresnost(dh, MetryNaDelku(j, bod.X));
        radek[Index(sy)] = CisloNaTextPresnost(dh, MetryNaDelku(j, bod.Y));
        radek[4] = CisloNaTextPresnost(dh, MetryNaDelku(j, bod.Z));
        if (pocetSloupcu == 8) {
            radek[Index(sx + 3)] = BunkaOdchylkySouradnice(bod, bod.sig_X, nastaveni, odchylkaAprior, odchylkaAposterior, kod);
            radek[Index(sy + 3)] = BunkaOdchylkySouradnice(bod, bod.sig_Y, nastaveni, odchylkaAprior, odchylkaAposterior, kod);
            radek[7] = BunkaOdchylkySouradnice(bod, bod.sig_Z, nastaveni, odchylkaAprior, odchylkaAposterior, kod);
        }
    }
    return pole;
}

void TabulkaSouradnic(TprotokolAnalyser& protokol, const Tsouradnice& souradnice,
                      const Tnastaveni& nastaveni, Extended odchylkaAprior,
                      Extended odchylkaAposterior, std::string_view oddelovac,
                      const TtextVektor& znacky, int kod)
{
    ZapsatTabulku(protokol, RadkySouradnic(souradnice, nastaveni, odchylkaAprior, odchylkaAposterior, kod),
                  znacky, oddelovac);
}

void TabulkaIdentickychBodu(TprotokolAnalyser& protokol, const Tsouradnice& souradnice1,
                            const Tsouradnice& souradnice2, const Tnastaveni& nastaveni,
                            Extended odchylkaAprior1, Extended odchylkaAposterior1,
                            Extended odchylkaAprior2, Extended odchylkaAposterior2,
                            std::string_view oddelovac, const TtextVektor& znacky, int kod)
{
    const TtextPole pole1 = RadkySouradnic(souradnice1, nastaveni, odchylkaAprior1, odchylkaAposterior1, kod);
    TtextPole pole2 = RadkySouradnic(souradnice2, nastaveni, odchylkaAprior2, odchylkaAposterior2, kod);
    for (TtextVektor& radek : pole2) {
        radek[0].clear();
        radek[1].clear();
    }
    TindexVector sirky = SirkySloupcu(pole1, static_cast<int>(znacky.size()));
    SlucSirkySloupcu(sirky, SirkySloupcu(pole2, static_cast<int>(znacky.size())));
    RozsirSirkySloupcu(znacky, sirky);

    const std::string hlavicka = TabulkaNaText(znacky, oddelovac, sirky);
    const std::string pravitko = OpakujZnakPodleTextu(hlavicka, U'-');
    protokol.text.reserve(protokol.text.size() + 3 * pole1.size() + 2);
    protokol.text.push_back(hlavicka);
    protokol.text.push_back(pravitko);
    for (std::size_t i = 0; i < pole1.size(); ++i) {
        if (i > 0) protokol.text.push_back(pravitko);
        protokol.text.push_back(TabulkaNaText(pole1[i], oddelovac, sirky));
        // Both lists hold the same pairs; a shorter second list leaves the
        // pair without its second line rather than reading past it.
        if (i < pole2.size()) protokol.text.push_back(TabulkaNaText(pole2[i], oddelovac, sirky));
    }
}

TtextVektor PopisySloupcuElipsoidu(const Tjazyk& jazyk)
{
    const std::string osa = jazyk.popis.parametrOsy + " - ";
    return {osa + jazyk.popis.delka2, osa + jazyk.popis.smernik, osa + jazyk.popis.zenit};
}

TtextVektor JednotkySloupcuElipsoidu(const Tjazyk& jazyk)
{
    // The semi-axes are shown in the small unit of coordinates, so they carry
    // its caption.
    return {"[" + jazyk.popisJednotky.x_odchylka + "]", "[" + jazyk.popisJednotky.smer_hodnota + "]",
            "[" + jazyk.popisJednotky.smer_hodnota + "]"};
}

void TabulkaElipsoidu(TprotokolAnalyser& protokol, const Tsouradnice& souradnice,
                      const Tnastaveni& nastaveni, Extended odchylkaAprior,
                      Extended odchylkaAposterior, std::string_view oddelovac,
                      const TtextVektor& znacky, int kod)
{
    const int n = std::min(souradnice.PocetPlnychBodu(), static_cast<int>(souradnice.bod.size()));
    const int dd = nastaveni.presnost.souradnice.odchylka;
    const int du = nastaveni.presnost.uhel.hodnota;
    const std::uint8_t js = nastaveni.jednotky.souradnice;
    const std::uint8_t ju = nastaveni.jednotky.uhel;

    auto delka = [&](Extended d) -> std::string {
        switch (kod) {
        case 1: return BunkaOdchylky(d, odchylkaAprior, dd, MetryNaMaleJednotkyPresDelku, js);
        case 2: return BunkaOdchylky(d, odchylkaAposterior, dd, MetryNaMaleJednotkyPresDelku, js);
        default:
            return BunkaOdchylky(d, odchylkaAprior, dd, MetryNaMaleJednotkyPresDelku, js) + " : " +
                   BunkaOdchylky(d, odchylkaAposterior, dd, MetryNaMaleJednotkyPresDelku, js);
        }
    };
    // One row of a semi-axis; an axis that does not exist (fixed point, or
    // length not set) is "-" throughout.
    auto osa = [&](const Tbod& bod, Extended d, Extended smernik, Extended zenit) -> TtextVektor {
        if (bod.JeFixni || d < 0) return {"-", "-", "-"};
        return {delka(d), CisloNaTextPresnost(du, RadianyNaUhel(ju, smernik)),
                CisloNaTextPresnost(du, RadianyNaUhel(ju, zenit))};
    };

    TtextPole pole;
    pole.reserve(Index(3 * n));
    for (int i = 0; i < n; ++i) {
        const Tbod& b = souradnice.bod[Index(i)];
        const Telipsoid& e = b.elipsoid;
        pole.push_back(osa(b, e.a_delka, e.a_smernik, e.a_zenit));
        pole.push_back(osa(b, e.b_delka, e.b_smernik, e.b_zenit));
        pole.push_back(osa(b, e.c_delka, e.c_smernik, e.c_zenit));
    }
    const TindexVector sirky = SirkyTabulky(pole, znacky);
    const std::string hlavicka = TabulkaNaText(znacky, oddelovac, sirky);
    const std::string pravitko = OpakujZnakPodleTextu(hlavicka, U'-');
    protokol.text.reserve(protokol.text.size() + Index(6 * n) + 1);
    protokol.text.push_back(hlavicka);
    for (int i = 0; i < n; ++i) {
        protokol.text.push_back(pravitko);
        std::string bod = "[";
        bod += std::to_string(i + 1);
        bod += "] ";
        bod += souradnice.bod[Index(i)].cislo;
        protokol.text.push_back(std::move(bod));
        protokol.text.push_back(pravitko);
        for (int k = 0; k < 3; ++k)
            protokol.text.push_back(TabulkaNaText(pole[Index(3 * i + k)], oddelovac, sirky));
    }
}

}  // namespace sitmera

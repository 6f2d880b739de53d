// The displacement report.
#include "reports/ProtokolPosuny.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <vector>

#include "analysis/EtapaTransformacniKlic.h"
#include "analysis/ModelPorovnani.h"
#include "analysis/ModelPosuny.h"
#include "analysis/Posuny.h"
#include "core/Jazyk.h"
#include "core/Nastaveni.h"
#include "numerics/Jednotky.h"
#include "numerics/TextPole.h"
#include "points/Souradnice.h"
#include "reports/Protokol.h"
#include "reports/ProtokolEtapa.h"

namespace sitmera {

namespace {

// Quantity indexes of a displacement record.
constexpr int kX = 0, kY = 1, kZ = 2, kDelkaH = 3, kDelkaS = 4, kSmernik = 5, kZenit = 6;

// One value column of a value table: the quantity, its column and the column
// of its standard deviation (-1: none), counted from 0.
struct SloupecPosunu {
    int velicina;
    int sloupec;
    int sloupecOdchylky;
};

bool SOdchylkami(int kod) { return kod >= 2 && kod <= 4; }

// Value columns of a layout (deviation columns only when the code asks for
// them) and the number of columns.
std::vector<SloupecPosunu> SloupcePosunu(const Tnastaveni& nastaveni, int kod, int rozlozeni,
                                         int& pocetSloupcu)
{
    const bool odchylky = SOdchylkami(kod);
    const int x = SloupecOsy(nastaveni, 0);
    const int y = SloupecOsy(nastaveni, 1);
    std::vector<SloupecPosunu> s;
    switch (rozlozeni) {
    case 2:
        s = {{kX, x, x + 3}, {kY, y, y + 3}, {kZ, 4, 7}};
        pocetSloupcu = odchylky ? 8 : 5;
        break;
    case 3:
        s = {{kDelkaH, 2, 5}, {kSmernik, 3, -1}, {kZ, 4, 6}};
        pocetSloupcu = odchylky ? 7 : 5;
        break;
    case 4:
        s = {{kDelkaS, 2, 5}, {kSmernik, 3, -1}, {kZenit, 4, -1}};
        pocetSloupcu = odchylky ? 6 : 5;
        break;
    default:
        s = {{kX, x, x + 5}, {kY, y, y + 5}, {kZ, 4, 9}, {kDelkaH, 5, 10}, {kDelkaS, 6, 11}};
        pocetSloupcu = odchylky ? 12 : 7;
        break;
    }
    if (!odchylky)
        for (SloupecPosunu& c : s) c.sloupecOdchylky = -1;
    return s;
}

// Name of a value column: "X movement", "Horizontal movement", "Bearing" ...
std::string NazevVeliciny(const Tjazyk& jazyk, int velicina, int rozlozeni)
{
    const std::string posun = std::string(" ").append(MalaPismena(jazyk.tlacitko.posun2));
    switch (velicina) {
    case kX: return jazyk.popis.x + posun;
    case kY: return jazyk.popis.y + posun;
    case kZ: return (rozlozeni == 3 ? jazyk.tlacitko.svisly : jazyk.popis.z) + posun;
    case kDelkaH: return jazyk.tlacitko.polohovy + posun;
    case kDelkaS: return jazyk.tlacitko.prostorovy + posun;
    case kSmernik: return jazyk.popis.smernik;
    default: return jazyk.popis.zenit;
    }
}

// A displacement value (metres) with its significance marks; the bearing and
// the zenith angle (radians) without.
std::string BunkaHodnoty(const Tposun& posun, int velicina, const Tnastaveni& nastaveni)
{
    const Extended v = HodnotaVeliciny(posun.hodnota, velicina);
    if (velicina == kSmernik || velicina == kZenit)
        return CisloNaTextPresnost(nastaveni.presnost.uhel.hodnota, RadianyNaUhel(nastaveni.jednotky.uhel, v));
    return ZnackaProkazani(posun, velicina) +
           CisloNaTextPresnost(nastaveni.presnost.posun.hodnota, MetryNaMaleJednotky(nastaveni.jednotky.posun, v));
}

// A standard or limit deviation (metres) of one or both tests: code 1 the a
// priori, 2 the a posteriori value, 3 "a priori : a posteriori"; "-" for a
// pair fixed in both epochs.
std::string BunkaOdchylkyPosunu(const Tposun& posun, const TposunHodnota& aprior,
                                const TposunHodnota& aposter, int velicina, int kod,
                                const Tnastaveni& nastaveni)
{
    if (JeFixObe(posun)) return "-";
    const int d = nastaveni.presnost.posun.odchylka;
    const std::uint8_t j = nastaveni.jednotky.posun;
    const std::string a = BunkaOdchylky(HodnotaVeliciny(aprior, velicina), 1, d, PrevodNaMaleJednotky, j);
    const std::string p = BunkaOdchylky(HodnotaVeliciny(aposter, velicina), 1, d, PrevodNaMaleJednotky, j);
    switch (kod) {
    case 1: return a;
    case 2: return p;
    default: return a + " : " + p;
    }
}

// Lines of the significance marks of the tests switched on, and an empty item
// after them when any was written.
void RadkyZnacek(TprotokolAnalyser& protokol, const Tnastaveni& nastaveni, const Tjazyk& jazyk)
{
    const std::string zacatek = jazyk.tlacitko.vyznamne + " " + MalaPismena(jazyk.tlacitko.posun2) + " (";
    const std::string presnost = " " + jazyk.popis.presnost + ")";
    if (nastaveni.porovnani.apriorni)
        protokol.text.push_back("# - " + zacatek + MalaPismena(jazyk.popis.apriorni + presnost));
    if (nastaveni.porovnani.aposteriorni)
        protokol.text.push_back("& - " + zacatek + MalaPismena(jazyk.popis.aposteriorni + presnost));
    if (nastaveni.porovnani.apriorni || nastaveni.porovnani.aposteriorni) protokol.text.emplace_back();
}

int PocetZaznamu(const Tposuny& posuny)
{
    return std::min(posuny.PocetPlnych(), static_cast<int>(posuny.zaznam.size()));
}

}  // namespace

// ---------------------------------------------------------------- tables

std::string TextPoctuProkazanych(const TmodelPosuny& model, int velicina)
{
    // A count of significant displacements, or "-" when that test did not run.
    const auto pocet = [velicina](const TposunHodnota& h, bool provedeno) {
        return provedeno ? std::to_string(std::llround(HodnotaVeliciny(h, velicina))) : std::string("-");
    };
    return pocet(model.pocetProkazanychAprior, model.porovnaniAprior) + " / " +
           pocet(model.pocetProkazanychAposter, model.porovnaniAposter);
}

TtextPole TabulkaInfoPosunu(const TmodelPosuny& model, const Tnastaveni& nastaveni,
                            const Tjazyk& jazyk)
{
    const Tpopis& p = jazyk.popis;
    const Ttlacitko& t = jazyk.tlacitko;
    const std::string* nazvy[5] = {&p.x, &p.y, &p.z, &t.polohovy, &t.prostorovy};
    const std::string jednotka = " [" + jazyk.popisJednotky.posun_hodnota + "]:";
    const auto posun = [&](const TposunHodnota& h, int k) {
        return CisloNaTextPresnost(nastaveni.presnost.posun.hodnota,
                                   MetryNaMaleJednotky(nastaveni.jednotky.posun, HodnotaVeliciny(h, k)));
    };

    TtextPole pole;
    pole.push_back({p.pocetPosunu + ":", std::to_string(model.pocet)});
    // 13 decimals keep a risk such as 0.0001 (3 decimals would print 0.000);
    // a risk too small even for them is written as it is.
    std::string riziko = OdstranKoncoveNuly(CisloNaTextPresnost(13, nastaveni.porovnani.riziko));
    if (riziko.empty()) riziko = CisloNaText(nastaveni.porovnani.riziko);
    pole.push_back({p.hladinaVyznamnosti + ":", riziko});
    for (int k = 0; k < 5; ++k)
        pole.push_back({*nazvy[k] + ":", TextPoctuProkazanych(model, k)});
    for (int k = 0; k < 5; ++k)
        pole.push_back({*nazvy[k] + jednotka, posun(model.minPosun, k) + " / " + posun(model.maxPosun, k)});
    return pole;
}

TtextVektor PopisySloupcuPosunu(const Tjazyk& jazyk, const Tnastaveni& nastaveni, int kod,
                                int rozlozeni)
{
    int pocet = 0;
    const std::vector<SloupecPosunu> sloupce = SloupcePosunu(nastaveni, kod, rozlozeni, pocet);
    TtextVektor popisy = NovyTextVektor(pocet);
    popisy[0] = jazyk.protokol.serioveCislo;
    popisy[1] = jazyk.popis.cisloBod;
    for (const SloupecPosunu& s : sloupce) {
        const std::string nazev = NazevVeliciny(jazyk, s.velicina, rozlozeni);
        popisy[Index(s.sloupec)] = nazev;
        if (s.sloupecOdchylky >= 0) popisy[Index(s.sloupecOdchylky)] = nazev + " - " + jazyk.popis.smerOdchylka;
    }
    return popisy;
}

TtextVektor JednotkySloupcuPosunu(const Tjazyk& jazyk, const Tnastaveni& nastaveni, int kod,
                                  int rozlozeni)
{
    int pocet = 0;
    const std::vector<SloupecPosunu> sloupce = SloupcePosunu(nastaveni, kod, rozlozeni, pocet);
    TtextVektor jednotky = NovyTextVektor(pocet);
    for (const SloupecPosunu& s : sloupce) {
        const bool uhel = s.velicina == kSmernik || s.velicina == kZenit;
        jednotky[Index(s.sloupec)] =
            "[" + (uhel ? jazyk.popisJednotky.smer_hodnota : jazyk.popisJednotky.posun_hodnota) + "]";
        if (s.sloupecOdchylky >= 0)
            jednotky[Index(s.sloupecOdchylky)] = "[" + jazyk.popisJednotky.posun_odchylka + "]";
    }
    return jednotky;
}

TtextPole TabulkaPosunuProtokol(const Tposuny& posuny, const Tnastaveni& nastaveni, int kod,
                                int rozlozeni)
{
    int pocetSloupcu = 0;
    const std::vector<SloupecPosunu> sloupce = SloupcePosunu(nastaveni, kod, rozlozeni, pocetSloupcu);
    // Deviation codes 2, 3, 4 of the value tables are 1, 2, 3 of the cells.
    const int kodOdchylky = kod - 1;
    const int n = PocetZaznamu(posuny);
    TtextPole pole(Index(n));
    for (int i = 0; i < n; ++i) {
        const Tposun& posun = posuny.zaznam[Index(i)];
        TtextVektor& radek = pole[Index(i)];
        radek = NovyTextVektor(pocetSloupcu);
        radek[0] = std::to_string(i + 1);
        radek[1] = posun.cislo;
        for (const SloupecPosunu& s : sloupce) {
            radek[Index(s.sloupec)] = BunkaHodnoty(posun, s.velicina, nastaveni);
            if (s.sloupecOdchylky >= 0)
                radek[Index(s.sloupecOdchylky)] = BunkaOdchylkyPosunu(
                    posun, posun.odchylkaAprior, posun.odchylkaAposter, s.velicina, kodOdchylky, nastaveni);
        }
    }
    return pole;
}

TtextVektor PopisySloupcuHodnoceni(const Tjazyk& jazyk)
{
    return {jazyk.protokol.serioveCislo, jazyk.popis.cisloBod, jazyk.popis.hodnota,
            jazyk.popis.smerOdchylka, jazyk.popis.mezOdchylka};
}

TtextVektor JednotkySloupcuHodnoceni(const Tjazyk& jazyk)
{
    const std::string odchylka = "[" + jazyk.popisJednotky.posun_odchylka + "]";
    return {"", "", "[" + jazyk.popisJednotky.posun_hodnota + "]", odchylka, odchylka};
}

TtextPole TabulkaHodnoceni(const Tposuny& posuny, const Tnastaveni& nastaveni, int kod,
                           int velicina)
{
    const int n = PocetZaznamu(posuny);
    TtextPole pole(Index(n));
    for (int i = 0; i < n; ++i) {
        const Tposun& posun = posuny.zaznam[Index(i)];
        pole[Index(i)] = {
            std::to_string(i + 1), posun.cislo, BunkaHodnoty(posun, velicina, nastaveni),
            BunkaOdchylkyPosunu(posun, posun.odchylkaAprior, posun.odchylkaAposter, velicina, kod, nastaveni),
            BunkaOdchylkyPosunu(posun, posun.odchylkaMezAprior, posun.odchylkaMezAposter, velicina, kod,
                                nastaveni)};
    }
    return pole;
}

// ---------------------------------------------------------------- sections

void SekceInfoPosunu(TmodelPosuny& model, const Tnastaveni& nastaveni, const Tjazyk& jazyk,
                     const std::string& nadpis)
{
    const TtextPole pole = TabulkaInfoPosunu(model, nastaveni, jazyk);
    const TindexVector sirky = SirkySloupcu(pole, 2);
    TStringList& text = model.protokol.text;
    auto radky = [&](int od, int po) {
        for (int r = od; r <= po; ++r) text.push_back(RadekInformace(pole, r, sirky));
    };
    ZahajitSekciTextu(model.protokol, nadpis);
    radky(0, 0);
    text.emplace_back();
    text.push_back(jazyk.tlacitko.hodnoceni);
    text.push_back(OpakujZnakPodleTextu(jazyk.tlacitko.hodnoceni, U'-'));
    radky(1, 1);
    text.push_back(jazyk.popis.pocetVynamnych + " (" + jazyk.popis.apriorni + "/" + jazyk.popis.aposteriorni +
                   " " + MalaPismena(jazyk.popis.presnost) + "):");
    radky(2, 6);
    text.push_back(jazyk.tlacitko.marginalni + " " + MalaPismena(jazyk.tlacitko.posuny) + ":");
    radky(7, 11);
}

void SekceIdentickychBodu(TmodelPosuny& model, const TmodelPorovnani& modelPorovnani,
                          const Tnastaveni& nastaveni, const Tjazyk& jazyk,
                          const std::string& nadpis, int presnost)
{
    const int kod = KodTabulkySouradnic(presnost);
    const TtextVektor jednotky = JednotkySloupcuSouradnic(jazyk, kod);
    ZahajitSekciTabulky(model.protokol, nadpis + PriponaPresnosti(jazyk, kod), jazyk,
                        PopisySloupcuSouradnic(jazyk, nastaveni, kod), jednotky);
    NadpisDat(model.protokol, jazyk);
    const Tetapa& e1 = modelPorovnani.etapa1;
    const Tetapa& e2 = modelPorovnani.etapa2;
    TabulkaIdentickychBodu(model.protokol, model.body1, model.body2, nastaveni,
                           e1.odchylkaJednotkovaAprior, e1.odchylkaJednotkovaAposterior,
                           e2.odchylkaJednotkovaAprior, e2.odchylkaJednotkovaAposterior,
                           OddelovacProtokolu, ZnackySloupcu(jednotky), kod);
}

void SekceHodnotPosunu(TmodelPosuny& model, const Tnastaveni& nastaveni, const Tjazyk& jazyk,
                       const std::string& nadpis, int kod, int rozlozeni)
{
    const TtextVektor jednotky = JednotkySloupcuPosunu(jazyk, nastaveni, kod, rozlozeni);
    ZahajitSekciTabulky(model.protokol, nadpis + PriponaPresnostiPosunu(jazyk, kod), jazyk,
                        PopisySloupcuPosunu(jazyk, nastaveni, kod, rozlozeni), jednotky);
    RadkyZnacek(model.protokol, nastaveni, jazyk);
    NadpisDat(model.protokol, jazyk);
    ZapsatTabulku(model.protokol, TabulkaPosunuProtokol(model.posuny, nastaveni, kod, rozlozeni),
                  ZnackySloupcu(jednotky), OddelovacProtokolu);
}

void SekceElipsoiduPosunu(TmodelPosuny& model, const Tnastaveni& nastaveni, const Tjazyk& jazyk,
                          const std::string& nadpis, int kod)
{
    // The counts are taken from the list itself, so that the table always
    // matches the records it shows.
    const int pocet = PocetZaznamu(model.posuny);
    int pocetNefix = 0;
    for (int i = 0; i < pocet; ++i)
        if (!JeFixObe(model.posuny.zaznam[Index(i)])) ++pocetNefix;
    Tsouradnice elipsoidy;
    model.posuny.UlozElipsoidyDoSouradnice2(elipsoidy, kod, pocet, pocetNefix);

    const TtextVektor jednotky = JednotkySloupcuElipsoidu(jazyk);
    ZahajitSekciTabulky(model.protokol, nadpis + PriponaPresnosti(jazyk, kod + 3), jazyk,
                        PopisySloupcuElipsoidu(jazyk), jednotky);
    NadpisDat(model.protokol, jazyk);
    // The stored semi-axes are already scaled: both unit deviations 1.
    TabulkaElipsoidu(model.protokol, elipsoidy, nastaveni, 1, 1, OddelovacProtokolu,
                     ZnackySloupcu(jednotky), kod);
}

void SekceHodnoceni(TmodelPosuny& model, const Tnastaveni& nastaveni, const Tjazyk& jazyk,
                    const std::string& nadpis, int kod, int velicina)
{
    const TtextVektor jednotky = JednotkySloupcuHodnoceni(jazyk);
    ZahajitSekciTabulky(model.protokol, nadpis + PriponaPresnosti(jazyk, kod + 3), jazyk,
                        PopisySloupcuHodnoceni(jazyk), jednotky);
    RadkyZnacek(model.protokol, nastaveni, jazyk);
    NadpisDat(model.protokol, jazyk);
    ZapsatTabulku(model.protokol, TabulkaHodnoceni(model.posuny, nastaveni, kod, velicina),
                  ZnackySloupcu(jednotky), OddelovacProtokolu);
}

// ---------------------------------------------------------------- the report

bool ProtokolPosunu(TmodelPosuny& model, const TmodelPorovnani& modelPorovnani,
                    const TtransformacniKlicEtapa& klic, const Tnastaveni& nastaveni,
                    const Tjazyk& jazyk)
{
    TprotokolAnalyser& protokol = model.protokol;
    if (protokol.jePlny) return true;
    // Never build on the remains of a report that did not finish.
    protokol.Clear();
    try {
        const TprotokolNastaveni& s = nastaveni.protokol;
        const Ttlacitko& t = jazyk.tlacitko;
        const std::string posuny = t.posuny + " - ";
        const std::string projekce = std::string(" ").append(MalaPismena(t.projekce));
        const std::string hodnoceni = t.hodnoceni + " - ";
        const std::string posun = std::string(" ").append(MalaPismena(t.posun2));
        const int kodHodnot = s.posunValuePresnost + 1;
        const int kodHodnoceni = s.posunHodnoceniPresnost + 1;

        TitulProtokolu(protokol, jazyk);
        if (nastaveni.JeProtokolPosun()) NadpisProtokoluPosunu(protokol, jazyk, nastaveni.typJazyk);
        if (s.posunKlic) SekceKlice(protokol, klic, jazyk, "C-01 " + jazyk.popis.transformacniKlic, nastaveni);
        if (s.posunInfo) SekceInfoPosunu(model, nastaveni, jazyk, "C-02 " + jazyk.popis.zakladniInformace);
        if (s.posunBodyIdent)
            SekceIdentickychBodu(model, modelPorovnani, nastaveni, jazyk, "C-03 " + t.identickeBody,
                                 s.posunBodyIdentPresnost + 1);
        if (s.posunValueVse)
            SekceHodnotPosunu(model, nastaveni, jazyk,
                              "C-04 " + posuny + t.vsechny + " " + MalaPismena(jazyk.popis.hodnoty), kodHodnot, 1);
        if (s.posunValueOrthogonal)
            SekceHodnotPosunu(model, nastaveni, jazyk, "C-05 " + posuny + t.ortogonalni + projekce, kodHodnot, 2);
        if (s.posunValueSemipolar)
            SekceHodnotPosunu(model, nastaveni, jazyk, "C-06 " + posuny + t.semipolarni + projekce, kodHodnot, 3);
        if (s.posunValuePolar)
            SekceHodnotPosunu(model, nastaveni, jazyk, "C-07 " + posuny + t.polarni + projekce, kodHodnot, 4);
        if (s.posunElips)
            SekceElipsoiduPosunu(model, nastaveni, jazyk, "C-08 " + posuny + t.elipsoidy, s.posunElipsPresnost + 1);
        const bool hodnotit[5] = {s.posunHodnoceniX, s.posunHodnoceniY, s.posunHodnoceniZ,
                                  s.posunHodnoceniDelkaH, s.posunHodnoceniDelkaS};
        const std::string* nazvy[5] = {&jazyk.popis.x, &jazyk.popis.y, &jazyk.popis.z, &t.polohovy,
                                       &t.prostorovy};
        for (int k = 0; k < 5; ++k) {
            if (!hodnotit[k]) continue;
            const std::string kodSekce = "C-" + std::string(k + 9 < 10 ? "0" : "") + std::to_string(k + 9) + " ";
            SekceHodnoceni(model, nastaveni, jazyk, kodSekce + hodnoceni + *nazvy[k] + posun, kodHodnoceni, k);
        }
        protokol.jePlny = true;
    } catch (const std::exception&) {
        protokol.Clear();
        return false;
    }
    return protokol.jePlny;
}

}  // namespace sitmera

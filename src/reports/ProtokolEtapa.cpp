// The epoch report and the transformation-key section.
#include "reports/ProtokolEtapa.h"

#include <exception>

#include "analysis/Etapa.h"
#include "analysis/EtapaTransformacniKlic.h"
#include "core/Jazyk.h"
#include "core/Nastaveni.h"
#include "numerics/Jednotky.h"
#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"
#include "points/Souradnice.h"
#include "reports/Protokol.h"

namespace sitmera {

namespace {

// The point of key role k (0 station, 1 first target, 2 second target) and
// the mark of its list ("1", "2" epoch, "U" user points).
const Tbod& BodKlice(const TtransformacniKlicEtapa& klic, int k, std::string& znacka)
{
    const Tsouradnice* seznamy[3] = {klic.souradniceBod, klic.souradniceCil1, klic.souradniceCil2};
    if (klic.typBod.size() < 3 || klic.poradiBod.size() < 3)
        throw ChybaArgumentu("Transformation key without point roles");
    const int typ = klic.typBod[Index(k)];
    if (typ < 0 || typ > 2 || klic.poradiBod[Index(k)].size() <= Index(typ))
        throw ChybaArgumentu("Transformation key point of an unknown list");
    const int poradi = klic.poradiBod[Index(k)][Index(typ)];
    const Tsouradnice* seznam = seznamy[k];
    if (seznam == nullptr || poradi < 0 || Index(poradi) >= seznam->bod.size())
        throw ChybaArgumentu("Transformation key point not in its list");
    static const char* const znacky[3] = {"1", "2", "U"};
    znacka = znacky[typ];
    return seznam->bod[Index(poradi)];
}

Extended Prvek(const Tmatrix& m, int r, int s)
{
    if (Index(r) >= m.size() || Index(s) >= m[Index(r)].size())
        throw ChybaArgumentu("Transformation key without its parameters");
    return m[Index(r)][Index(s)];
}

Extended Prvek(const Tvector& v, int i)
{
    if (Index(i) >= v.size()) throw ChybaArgumentu("Transformation key without its parameters");
    return v[Index(i)];
}

}  // namespace

// ---------------------------------------------------------------- tables

TtextPole TabulkaInfoEtapy(const Tetapa& etapa, const Tjazyk& jazyk)
{
    const Tpopis& p = jazyk.popis;
    const auto cele = [](int n) { return std::to_string(n); };
    const int n = etapa.pocetDoplnekProvazeni;
    return {
        {p.sigJednotkovaAprior + ":", CisloNaTextPresnost(3, etapa.odchylkaJednotkovaAprior)},
        {p.sigJednotkovaAposterior + ":", CisloNaTextPresnost(3, etapa.odchylkaJednotkovaAposterior)},
        {p.pocetFixBodu + ":", cele(etapa.pocetBoduFixnich)},
        {p.pocetVyrBodu + ":", cele(etapa.pocetBoduUrcovanych)},
        {p.pocetVyrPosun + ":", cele(etapa.pocetPosunu)},
        {p.pocetVyrmerni + ":", cele(etapa.pocetMereni)},
        {p.smer + ":", cele(etapa.pocetSmer)},
        {p.zenit + ":", cele(etapa.pocetZenit)},
        {p.delka + ":", cele(etapa.pocetDelka)},
        {p.delka + " (" + MalaPismena(p.doplnek) + "):", cele(etapa.pocetDoplnekDelka)},
        {p.smernik + ":", cele(etapa.pocetDoplnekSmernik)},
        {p.prevyseni + ":", cele(etapa.pocetDoplnekPrevyseni)},
        {p.provazovani + " (" + p.x + " + " + p.y + "):",
         cele(n) + " (" + std::to_string(2LL * n) + ")"},
        {p.pocetNadbytecnych + ":", cele(etapa.pocetNadbytecnych)},
    };
}

TtextPole TabulkaKlice(const TtransformacniKlicEtapa& klic, const Tjazyk& jazyk,
                       const Tnastaveni& nastaveni)
{
    const Tpopis& p = jazyk.popis;
    const Ttlacitko& t = jazyk.tlacitko;
    std::string metoda;
    switch (klic.typ) {
    case 0: metoda = "1. " + t.bez2 + " " + MalaPismena(t.transformace); break;
    case 1: metoda = "2. " + t.primka + " AB (" + MalaPismena(p.rotace) + " Z)"; break;
    case 2: metoda = "3. " + t.rovina + " ABC (" + MalaPismena(p.rotace) + " XYZ)"; break;
    case 3: metoda = "4. " + t.uzivatelsky + " " + MalaPismena(p.transformacniKlic); break;
    default: break;
    }
    TtextPole pole{{t.metoda + ":", metoda}};
    if (klic.typ > 3 || klic.typ == 0) return pole;

    const std::string* osy[3] = {&p.x, &p.y, &p.z};
    const std::string delka = " [" + jazyk.popisJednotky.x_hodnota + "]:";
    const std::string uhel = " [" + jazyk.popisJednotky.smer_hodnota + "]:";
    const int dd = nastaveni.presnost.souradnice.hodnota;
    const int du = nastaveni.presnost.uhel.hodnota;
    const std::uint8_t js = nastaveni.jednotky.souradnice;
    const std::uint8_t ju = nastaveni.jednotky.uhel;
    const auto souradnice = [&](Extended metry) { return CisloNaTextPresnost(dd, MetryNaDelku(js, metry)); };

    for (int i = 0; i < 3; ++i) pole.push_back({*osy[i] + delka, souradnice(Prvek(klic.translace, i, 0))});
    for (int i = 0; i < 3; ++i)
        pole.push_back({*osy[i] + uhel, CisloNaTextPresnost(du, RadianyNaUhel(ju, Prvek(klic.uhelStoceni, i)))});
    if (klic.typ == 3) return pole;

    const int pocetBodu = klic.typ == 1 ? 2 : 3;
    for (int k = 0; k < pocetBodu; ++k) {
        std::string znacka;
        const Tbod& bod = BodKlice(klic, k, znacka);
        pole.push_back({*osy[0] + delka, souradnice(bod.X)});
        pole.push_back({*osy[1] + delka, souradnice(bod.Y)});
        pole.push_back({*osy[2] + delka, souradnice(bod.Z)});
    }
    return pole;
}

// ---------------------------------------------------------------- sections

void SekceKlice(TprotokolAnalyser& protokol, const TtransformacniKlicEtapa& klic,
                const Tjazyk& jazyk, const std::string& nadpis, const Tnastaveni& nastaveni)
{
    const TtextPole pole = TabulkaKlice(klic, jazyk, nastaveni);
    const TindexVector sirky = SirkySloupcu(pole, 2);
    const int pocet = static_cast<int>(pole.size());
    auto radky = [&](int od, int po) {
        for (int r = od; r <= po; ++r) protokol.text.push_back(RadekInformace(pole, r, sirky));
    };

    ZahajitSekciTextu(protokol, nadpis);
    const std::string radek0 = RadekInformace(pole, 0, sirky);
    protokol.text.push_back(radek0);
    if (pocet > 1) {
        protokol.text.emplace_back();
        protokol.text.push_back(jazyk.popis.parametryKlice);
        protokol.text.push_back(OpakujZnakPodleTextu(jazyk.popis.parametryKlice, U'-'));
        protokol.text.push_back(jazyk.popis.translace + ":");
        radky(1, 3);
        protokol.text.push_back(jazyk.popis.rotace + ":");
        radky(4, 6);
    }
    const std::string pravitko = OpakujZnakPodleTextu(radek0, U'-');
    auto bod = [&](int k, const char* pismeno) {
        std::string znacka;
        const Tbod& b = BodKlice(klic, k, znacka);
        protokol.text.push_back(pravitko);
        protokol.text.push_back(std::string(pismeno) + ": [" + znacka + "] " + b.cislo);
        protokol.text.push_back(pravitko);
    };
    if (pocet > 7) {
        protokol.text.emplace_back();
        protokol.text.push_back(jazyk.tlacitko.vztazne + " " + MalaPismena(jazyk.popis.body));
        bod(0, "A");
        radky(7, 9);
        bod(1, "B");
        radky(10, 12);
    }
    if (pocet > 13) {
        bod(2, "C");
        radky(13, 15);
    }
}

void SekceInfoEtapy(Tetapa& etapa, const Tjazyk& jazyk, const Tnastaveni& /*nastaveni*/,
                    const std::string& nadpis)
{
    const TtextPole pole = TabulkaInfoEtapy(etapa, jazyk);
    const TindexVector sirky = SirkySloupcu(pole, 2);
    ZahajitSekciTextu(etapa.protokol, nadpis);
    for (int r = 0; r < static_cast<int>(pole.size()); ++r)
        etapa.protokol.text.push_back(RadekInformace(pole, r, sirky));
}

void SekceSouradnic(Tetapa& etapa, int presnost, const Tnastaveni& nastaveni,
                    const std::string& nadpis, const Tjazyk& jazyk)
{
    if (!etapa.souradnice.ExistujePlnyBod()) return;
    const int kod = KodTabulkySouradnic(presnost);
    const TtextVektor jednotky = JednotkySloupcuSouradnic(jazyk, kod);
    ZahajitSekciTabulky(etapa.protokol, nadpis + PriponaPresnosti(jazyk, kod), jazyk,
                        PopisySloupcuSouradnic(jazyk, nastaveni, kod), jednotky);
    NadpisDat(etapa.protokol, jazyk);
    TabulkaSouradnic(etapa.protokol, etapa.souradnice, nastaveni, etapa.odchylkaJednotkovaAprior,
                     etapa.odchylkaJednotkovaAposterior, OddelovacProtokolu,
                     ZnackySloupcu(jednotky), kod);
}

void SekceElipsoidu(Tetapa& etapa, int kod, const Tnastaveni& nastaveni,
                    const std::string& nadpis, const Tjazyk& jazyk)
{
    if (!etapa.souradnice.ExistujePlnyBod()) return;
    const TtextVektor jednotky = JednotkySloupcuElipsoidu(jazyk);
    ZahajitSekciTabulky(etapa.protokol, nadpis + PriponaPresnosti(jazyk, kod + 3), jazyk,
                        PopisySloupcuElipsoidu(jazyk), jednotky);
    NadpisDat(etapa.protokol, jazyk);
    TabulkaElipsoidu(etapa.protokol, etapa.souradnice, nastaveni, etapa.odchylkaJednotkovaAprior,
                     etapa.odchylkaJednotkovaAposterior, OddelovacProtokolu,
                     ZnackySloupcu(jednotky), kod);
}

// ---------------------------------------------------------------- the report

bool ProtokolEtapy(Tetapa& etapa, std::uint8_t cisloEtapy, std::uint8_t druh,
                   const Tnastaveni& nastaveni, const Tjazyk& jazyk,
                   const TtransformacniKlicEtapa& klic)
{
    TprotokolAnalyser& protokol = etapa.protokol;
    if (protokol.jePlny) return true;
    // Never build on the remains of a report that did not finish.
    protokol.Clear();
    try {
        const TprotokolNastaveni& s = nastaveni.protokol;
        const std::string oznaceni = OznaceniEtapy(druh, cisloEtapy);
        if (druh == 1) {
            TitulProtokolu(protokol, jazyk);
            if (s.etapaVstupInfo || s.etapaVstupSour || s.etapaVstupElips)
                NadpisProtokoluEtapy(protokol, cisloEtapy, druh, etapa.soubor.jmeno, jazyk, nastaveni.typJazyk);
            if (s.etapaVstupInfo)
                SekceInfoEtapy(etapa, jazyk, nastaveni, oznaceni + "-01 " + jazyk.nadpis.zakladniInfoOvyrovnani);
            if (s.etapaVstupSour)
                SekceSouradnic(etapa, s.etapaVstupSourPresnost + 1, nastaveni,
                               oznaceni + "-02 " + jazyk.popis.bodySite, jazyk);
            if (s.etapaVstupElips)
                SekceElipsoidu(etapa, s.etapaVstupElipsPresnost + 1, nastaveni,
                               oznaceni + "-03 " + jazyk.tlacitko.elipsoidy, jazyk);
        } else if (druh == 2) {
            TitulProtokolu(protokol, jazyk);
            if (s.etapaTransKlic || s.etapaTransInfo || s.etapaTransSour || s.etapaTransElips)
                NadpisProtokoluEtapy(protokol, cisloEtapy, druh, etapa.soubor.jmeno, jazyk, nastaveni.typJazyk);
            if (s.etapaTransKlic)
                SekceKlice(protokol, klic, jazyk, oznaceni + "-01 " + jazyk.popis.transformacniKlic, nastaveni);
            if (s.etapaTransInfo)
                SekceInfoEtapy(etapa, jazyk, nastaveni, oznaceni + "-02 " + jazyk.nadpis.zakladniInfoOvyrovnani);
            if (s.etapaTransSour)
                SekceSouradnic(etapa, s.etapaTransSourPresnost + 1, nastaveni,
                               oznaceni + "-03 " + jazyk.popis.bodySite, jazyk);
            if (s.etapaTransElips)
                SekceElipsoidu(etapa, s.etapaTransElipsPresnost + 1, nastaveni,
                               oznaceni + "-04 " + jazyk.tlacitko.elipsoidy, jazyk);
        }
        protokol.jePlny = true;
    } catch (const std::exception&) {
        protokol.Clear();
        return false;
    }
    return protokol.jePlny;
}

}  // namespace sitmera

#include "ui/EtapaMenu.h"

#include <QLabel>
#include <QWidget>

#include "analysis/Etapa.h"
#include "core/Jazyk.h"
#include "numerics/TextSoubor.h"
#include "points/Souradnice.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

namespace {

// " [value unit/deviation unit]:"
std::string Jednotky(const std::string& hodnota, const std::string& odchylka)
{
    return " [" + hodnota + "/" + odchylka + "]:";
}

// Caption of an analysis window: "Internal analysis (<kind> [<points>]) - "
// and the epoch without its file.
std::string NadpisAnalyzy(const Tjazyk& jazyk, const std::string& veliciny, const std::string& body, int typ,
                          int druh)
{
    static const Tetapa bezSouboru;
    return ZacatekNadpisuAnalyzy(jazyk, veliciny, body) +
           bezSouboru.Nazev(jazyk, false, static_cast<std::uint8_t>(typ), static_cast<std::uint8_t>(druh));
}

// The column headings of both analysis windows of an epoch, then the close
// button and the copy item.
void PridejSpolecneAnalyzy(Tpopisky& p, const Tjazyk& jazyk, const char* velicina, const char* hodnota,
                           const char* odchylka)
{
    p.push_back({velicina, jazyk.tlacitko.velicina});
    p.push_back({hodnota, jazyk.popis.hodnota});
    p.push_back({odchylka, jazyk.popis.apriorni + " / " + jazyk.popis.aposteriorni + " " +
                               MalaPismena(jazyk.popis.smerOdchylka)});
    const Tpopisky tlacitka = PopiskyTlacitekAnalyzy(jazyk);
    p.insert(p.end(), tlacitka.begin(), tlacitka.end());
}

}  // namespace

// ---------------------------------------------------------------- epoch window

Tpopisky PopiskyEtapa(const Tjazyk& jazyk)
{
    const auto& t = jazyk.tlacitko;
    const auto& p = jazyk.popis;
    return {
        {"Hlavni1", t.hlavni},
        {"Pripojit1", t.pripojit + " ..."},
        {"Odpojit1", t.odpojit},
        {"Zavrit1", t.ukoncit},
        {"Sit1", t.sit},
        {"Informace1", t.informace},
        {"Informace2", t.informace},
        {"InfoSit1", t.vyrovaniSite},
        {"InfoKlic1", p.transformacniKlic},
        {"Kresba1", t.kresba},
        {"Protokol1", jazyk.protokol.protokol1},
        {"Souradnice1", p.souradnice},
        {"OdchylkyAprior1", t.smerOdchylkyAprior},
        {"OdchylkyAposterior1", t.smerOdchylkyAposterior},
        {"ElipsoidAprior1", t.elipsoidAprior},
        {"ElipsoidAposterior1", t.elipsoidAposterior},
        {"KovariancniMatice1", t.kovariancniMatice},
        {"Analyza1", TextVnitrniAnalyzy(jazyk)},
        {"AnalyzaDelky1", p.delkoveVeliciny},
        {"AnalyzaUhly1", p.uhloveVeliciny},
    };
}

Tpovoleni ViditelnostEtapa(int druh)
{
    const bool vstupni = druh != 2;
    return {
        {"Pripojit1", vstupni},
        {"Odpojit1", vstupni},
        {"Informace1", vstupni},
        {"Informace2", !vstupni},
    };
}

Tpopisky PopiskyEtapaTabulka(const Tjazyk& jazyk)
{
    Tpopisky p = PopiskyZahlaviHlavni(jazyk);
    p.push_back({"Label_zpracovani", " " + jazyk.tlacitko.zpracovani + " ..."});
    return p;
}

Tpopisky PopiskyEtapaPopup(const Tjazyk& jazyk)
{
    const auto& t = jazyk.tlacitko;
    return {{"OznacitVse1", t.vybratVse}, {"OdznacitVse1", t.zrusitVyber}, {"Kopirovat2", t.kopirovat}};
}

std::string NadpisEtapa(const Tjazyk& jazyk, const Tetapa& etapa, int typ, int druh)
{
    return etapa.Nazev(jazyk, true, static_cast<std::uint8_t>(typ), static_cast<std::uint8_t>(druh));
}

std::string TextVyberEtapa(const Tsouradnice& seznam, const TboolVector& vyber)
{
    const int plne = seznam.PocetPlnychBodu();
    const int fixni = seznam.PocetFixnichBodu();
    return " " + std::to_string(PocetVybranych(vyber)) + " / " + std::to_string(plne) + " (" +
           std::to_string(plne - fixni) + ", " + std::to_string(fixni) + ")";
}

Tpovoleni PovoleniMenuEtapa(const Tsouradnice& seznam)
{
    const int plne = seznam.PocetPlnychBodu();
    const bool bod = plne > 0;
    Tpovoleni p = {
        {"Odpojit1", bod},
        {"Kresba1", bod},
        {"Informace1", bod},
        {"OdchylkyAprior1", bod},
        {"OdchylkyAposterior1", bod},
        {"ElipsoidAprior1", bod},
        {"ElipsoidAposterior1", bod},
        {"KovariancniMatice1", bod},
    };
    const Tpovoleni analyzy = PovoleniAnalyz(plne);
    p.insert(p.end(), analyzy.begin(), analyzy.end());
    return p;
}

Tpovoleni PovoleniPopupEtapa(const TboolVector& vyber, const Tsouradnice& seznam)
{
    const bool vybrano = JeNecoVybrano(vyber);
    return {{"OznacitVse1", seznam.ExistujePlnyBod()}, {"Kopirovat2", vybrano}, {"OdznacitVse1", vybrano}};
}

void NastavPopiskyEtapa(QWidget& okno, const Tjazyk& jazyk, int druh)
{
    PouzijPopisky(okno, PopiskyEtapa(jazyk));
    PouzijViditelnost(okno, ViditelnostEtapa(druh));
}

void NastavNadpisEtapa(QWidget& okno, const Tjazyk& jazyk, const Tetapa& etapa, int typ, int druh)
{
    PouzijPopisky(okno, {{"", NadpisEtapa(jazyk, etapa, typ, druh)}});
}

void NastavPopiskyEtapaTabulka(QWidget& okno, const Tjazyk& jazyk)
{
    PouzijPopisky(okno, PopiskyEtapaTabulka(jazyk));
}

void NastavPopiskyEtapaPopup(QWidget& okno, const Tjazyk& jazyk)
{
    PouzijPopisky(okno, PopiskyEtapaPopup(jazyk));
}

void PopisVyberEtapa(QWidget& okno, const Tsouradnice& seznam, const TboolVector& vyber)
{
    if (QLabel* l = NajdiLabel(okno, QStringLiteral("Label_vyber"))) l->setText(NaQString(TextVyberEtapa(seznam, vyber)));
}

void PovolitPopupEtapa(QWidget& okno, const TboolVector& vyber, const Tsouradnice& seznam)
{
    PouzijPovoleni(okno, PovoleniPopupEtapa(vyber, seznam));
}

void PovolitMenuEtapa(QWidget& okno, const Tsouradnice& seznam)
{
    PouzijPovoleni(okno, PovoleniMenuEtapa(seznam));
}

// ---------------------------------------------------------------- analysis windows

std::string TextVnitrniAnalyzy(const Tjazyk& jazyk)
{
    return jazyk.tlacitko.vnitrni + " " + MalaPismena(jazyk.tlacitko.analyza);
}

std::string ZacatekNadpisuAnalyzy(const Tjazyk& jazyk, const std::string& veliciny, const std::string& body)
{
    return TextVnitrniAnalyzy(jazyk) + " (" + veliciny + " [" + body + "]) - ";
}

Tpopisky PopiskyRadkuAnalyzyDelek(const Tjazyk& jazyk, const std::string& rozdil, const std::string& delka,
                                  const std::string& uhel)
{
    const auto& p = jazyk.popis;
    return {
        {"Label1", p.rozdil + " " + NazevOsy(jazyk, 0) + rozdil},
        {"Label2", p.rozdil + " " + NazevOsy(jazyk, 1) + rozdil},
        {"Label3", p.rozdil + " " + p.z + rozdil},
        {"Label4", p.delkaH + delka},
        {"Label5", p.delka + delka},
        {"Label6", p.smernik + uhel},
        {"Label7", p.zenit + uhel},
        {"Label9", p.bod + " A:"},
        {"Label10", p.bod + " B:"},
    };
}

Tpopisky PopiskyRadkuAnalyzyUhlu(const Tjazyk& jazyk, const std::string& uhel)
{
    const auto& p = jazyk.popis;
    return {
        {"Label1", p.uhelH + uhel},
        {"Label2", p.uhelS + uhel},
        {"Label3", p.zenitRozdil + uhel},
        {"Label4", p.bod + " A:"},
        {"Label5", p.bod + " B:"},
        {"Label6", p.bod + " C:"},
    };
}

Tpopisky PopiskyTlacitekAnalyzy(const Tjazyk& jazyk)
{
    return {{"Button2", jazyk.tlacitko.ukoncit + " [Esc]"}, {"Kopirovat1", jazyk.tlacitko.kopirovat}};
}

Tpovoleni PovoleniAnalyz(int pocetBodu)
{
    return {{"AnalyzaDelky1", pocetBodu >= 2}, {"AnalyzaUhly1", pocetBodu >= 3}};
}

Tpopisky PopiskyAnalyzaDelky(const Tjazyk& jazyk, int typ, int druh)
{
    const auto& j = jazyk.popisJednotky;
    Tpopisky t = {{"", NadpisAnalyzy(jazyk, jazyk.popis.delkoveVeliciny, "AB", typ, druh)}};
    const Tpopisky radky = PopiskyRadkuAnalyzyDelek(jazyk, Jednotky(j.x_hodnota, j.x_odchylka),
                                                    Jednotky(j.delka_hodnota, j.delka_odchylka),
                                                    Jednotky(j.smer_hodnota, j.smer_odchylka));
    t.insert(t.end(), radky.begin(), radky.end());
    PridejSpolecneAnalyzy(t, jazyk, "Label11", "Label12", "Label13");
    return t;
}

Tpopisky PopiskyAnalyzaUhly(const Tjazyk& jazyk, int typ, int druh)
{
    Tpopisky t = {{"", NadpisAnalyzy(jazyk, jazyk.popis.uhloveVeliciny, "BAC", typ, druh)}};
    const Tpopisky radky =
        PopiskyRadkuAnalyzyUhlu(jazyk, Jednotky(jazyk.popisJednotky.smer_hodnota, jazyk.popisJednotky.smer_odchylka));
    t.insert(t.end(), radky.begin(), radky.end());
    PridejSpolecneAnalyzy(t, jazyk, "Label7", "Label8", "Label9");
    return t;
}

void NastavPopiskyAnalyzaDelky(QWidget& okno, const Tjazyk& jazyk, int typ, int druh)
{
    PouzijPopisky(okno, PopiskyAnalyzaDelky(jazyk, typ, druh));
}

void NastavPopiskyAnalyzaUhly(QWidget& okno, const Tjazyk& jazyk, int typ, int druh)
{
    PouzijPopisky(okno, PopiskyAnalyzaUhly(jazyk, typ, druh));
}

}  // namespace sitmera

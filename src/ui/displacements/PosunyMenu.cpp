#include "ui/displacements/PosunyMenu.h"

#include <QComboBox>
#include <QWidget>

#include "analysis/ModelPosuny.h"
#include "core/Jazyk.h"
#include "core/Nastaveni.h"
#include "numerics/TextSoubor.h"
#include "reports/ProtokolPosuny.h"
#include "ui/EtapaMenu.h"
#include "ui/displacements/TabulkaPosuny.h"
#include "ui/layer/ComboPomocne.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

namespace {

// "Find significant (a priori)" and its siblings.
std::string Vyznamne(const Tjazyk& jazyk, const std::string& sloveso, bool aprior)
{
    return sloveso + " " + MalaPismena(jazyk.tlacitko.vyznamne) + " (" +
           MalaPismena(aprior ? jazyk.popis.apriorni : jazyk.popis.aposteriorni) + ")";
}

void NaplnCombo(QWidget& okno, const char* jmeno, const TStringList& polozky)
{
    if (auto* c = okno.findChild<QComboBox*>(QLatin1String(jmeno))) NaplnComboTexty(c, polozky);
}

// The column heads of both analysis windows, then the close button and the
// copy item.
Tpopisky SpolecneAnalyzy(const Tjazyk& jazyk, const std::array<const char*, 4>& hlavicky)
{
    Tpopisky p = {
        {hlavicky[0], jazyk.tlacitko.velicina},
        {hlavicky[1], jazyk.popis.rozdil},
        {hlavicky[2], jazyk.popis.smerOdchylka},
        {hlavicky[3], jazyk.popis.mezOdchylka},
    };
    const Tpopisky tlacitka = PopiskyTlacitekAnalyzy(jazyk);
    p.insert(p.end(), tlacitka.begin(), tlacitka.end());
    return p;
}

std::string NadpisAnalyzy(const Tjazyk& jazyk, const std::string& veliciny, const std::string& body)
{
    return ZacatekNadpisuAnalyzy(jazyk, veliciny, body) + jazyk.popis.rozdil;
}

}  // namespace

// ---------------------------------------------------------------- main displacement window

Tpopisky PopiskyMenuPosunyHlavni(const Tjazyk& jazyk)
{
    const auto& t = jazyk.tlacitko;
    const auto& p = jazyk.popis;
    const std::string posun = " " + MalaPismena(t.posun2);
    const std::string x = p.x + posun, y = p.y + posun, z = p.z + posun;
    const std::string h = t.polohovy + posun, s = t.prostorovy + posun;
    return {
        {"", t.analyzaPosunu},
        {"Hlavni1", t.hlavni},
        {"Informace1", t.informace},
        {"InfoAnalyza1", t.analyzaPosunu},
        {"InfoKlic1", p.transformacniKlic},
        {"Kresba1", t.kresba},
        {"Protokol1", jazyk.protokol.protokol1},
        {"Zavrit1", t.ukoncit},
        {"Posuny1", t.posuny},
        {"Hledat1", t.najit + " ..."},
        {"HledatDalsi1", t.najit + " " + MalaPismena(t.dalsi)},
        {"HledatPredchozi1", t.najit + " " + MalaPismena(t.predchozi)},
        {"HledatVyznamneAprior2", Vyznamne(jazyk, t.najit, true)},
        {"HledatVyznamneAposter2", Vyznamne(jazyk, t.najit, false)},
        {"Seradit1", t.seradit + " " + t.podle + " ..."},
        {"SeraditDleCislo1", t.cisloBodu},
        {"SeraditDleX1", x},
        {"SeraditDleY1", y},
        {"SeraditDleZ1", z},
        {"SeraditDleDelkaH1", h},
        {"SeraditDleDelkaS1", s},
        {"Kopirovat2", t.kopirovat},
        {"Vyber1", t.vyber},
        {"OznacitVse2", t.vybratVse},
        {"OdznacitVse2", t.zrusitVyber},
        {"OznacitVyznamneAprior2", Vyznamne(jazyk, t.vybrat, true)},
        {"OznacitVyznamneAposter2", Vyznamne(jazyk, t.vybrat, false)},
        {"VyberDleAtributu1", t.dleAtributu + " ..."},
        {"Projekce1", t.projekce},
        {"Ortogonalni1", t.ortogonalni},
        {"Semipolarni1", t.semipolarni},
        {"Polarni1", t.polarni},
        {"Presnost1", p.presnost},
        {"OdchylkyAprior1", t.smerOdchylkyAprior},
        {"OdchylkyAposterior1", t.smerOdchylkyAposterior},
        {"ElipsoidAprior1", t.elipsoidAprior},
        {"ElipsoidAposterior1", t.elipsoidAposterior},
        {"Hodnoceni1", t.hodnoceni},
        {"PresnostAprior1", t.presnostApriori},
        {"PresnostAposterior1", t.presnostAposteriori},
        {"SouradniceX1", x},
        {"SouradniceY1", y},
        {"SouradniceZ1", z},
        {"DelkaH1", h},
        {"DelkaS1", s},
        {"SouradniceX2", x},
        {"SouradniceY2", y},
        {"SouradniceZ2", z},
        {"DelkaH2", h},
        {"DelkaS2", s},
        {"Analyza1", TextVnitrniAnalyzy(jazyk)},
        {"AnalyzaDelky1", p.delkoveVeliciny},
        {"AnalyzaUhly1", p.uhloveVeliciny},
    };
}

namespace {

// The header of a six-column displacement grid, `jednotka` the unit caption
// under every value column.
Tpopisky ZahlaviSestiSloupcu(const Tjazyk& jazyk, const std::string& jednotka)
{
    const std::string j = "[" + jednotka + "]";
    return {
        {"Label_BOD", jazyk.popis.bod},
        {"Label_bod_cislo", jazyk.popis.cislo},
        {"Label_SRD", jazyk.tlacitko.posuny},
        {"Label_srd_X", NazevOsy(jazyk, 0)},
        {"Label_srd_Y", NazevOsy(jazyk, 1)},
        {"Label_srd_Z", jazyk.popis.z},
        {"Label_srd_delkaH", jazyk.tlacitko.polohovy},
        {"Label_srd_delkaS", jazyk.tlacitko.prostorovy},
        {"Label_srd_X_jdn", j},
        {"Label_srd_Y_jdn", j},
        {"Label_srd_Z_jdn", j},
        {"Label_srd_delkaH_jdn", j},
        {"Label_srd_delkaS_jdn", j},
        {"Label_zpracovani", " " + jazyk.tlacitko.zpracovani + " ..."},
    };
}

}  // namespace

Tpopisky PopiskyZahlaviPosunyHlavni(const Tjazyk& jazyk)
{
    return ZahlaviSestiSloupcu(jazyk, jazyk.popisJednotky.posun_hodnota);
}

Tpopisky PopiskyPopupPosunyHlavni(const Tjazyk& jazyk)
{
    const auto& t = jazyk.tlacitko;
    return {
        {"OznacitVse1", t.vybratVse},
        {"OdznacitVse1", t.zrusitVyber},
        {"Kopirovat1", t.kopirovat},
        {"HledatVyznamneAprior1", Vyznamne(jazyk, t.najit, true)},
        {"HledatVyznamneAposter1", Vyznamne(jazyk, t.najit, false)},
        {"OznacitVyznamneAprior1", Vyznamne(jazyk, t.vybrat, true)},
        {"OznacitVyznamneAposter1", Vyznamne(jazyk, t.vybrat, false)},
    };
}

void NastavPopiskyPosunyHlavni(QWidget& okno, const Tjazyk& jazyk)
{
    PouzijPopisky(okno, PopiskyMenuPosunyHlavni(jazyk));
    PouzijPopisky(okno, PopiskyZahlaviPosunyHlavni(jazyk));
    PouzijPopisky(okno, PopiskyPopupPosunyHlavni(jazyk));
}

Tpovoleni PovoleniMenuPosuny(const TmodelPosuny& model, const TboolVector& vyber)
{
    Tpovoleni p = {
        {"HledatVyznamneAprior2", model.porovnaniAprior},
        {"OznacitVyznamneAprior2", model.porovnaniAprior},
        {"HledatVyznamneAposter2", model.porovnaniAposter},
        {"OznacitVyznamneAposter2", model.porovnaniAposter},
        {"Seradit1", model.pocet >= 2},
    };
    const Tpovoleni analyzy = PovoleniAnalyz(model.pocet);
    p.insert(p.end(), analyzy.begin(), analyzy.end());
    p.push_back({"Kopirovat2", JeNecoVybrano(vyber)});
    return p;
}

Tpovoleni PovoleniPopupPosuny(const TmodelPosuny& model, const TboolVector& vyber)
{
    return {
        {"Kopirovat1", JeNecoVybrano(vyber)},
        {"HledatVyznamneAprior1", model.porovnaniAprior},
        {"OznacitVyznamneAprior1", model.porovnaniAprior},
        {"HledatVyznamneAposter1", model.porovnaniAposter},
        {"OznacitVyznamneAposter1", model.porovnaniAposter},
    };
}

void PovolitMenuPosuny(QWidget& okno, const TmodelPosuny& model, const TboolVector& vyber)
{
    PouzijPovoleni(okno, PovoleniMenuPosuny(model, vyber));
}

void PovolitPopupPosuny(QWidget& okno, const TmodelPosuny& model, const TboolVector& vyber)
{
    PouzijPovoleni(okno, PovoleniPopupPosuny(model, vyber));
}

Tpopisky PopiskyPoctuPosunu(const TmodelPosuny& model, const Tnastaveni& nastaveni)
{
    Tpopisky p{{"Label_vyber", " " + std::to_string(model.pocet)}};
    for (int sloupec = 1; sloupec <= 5; ++sloupec)
        p.push_back({"Label" + std::to_string(sloupec),
                     " " + TextPoctuProkazanych(model, VelicinaSloupce(nastaveni, sloupec))});
    return p;
}

// ---------------------------------------------------------------- the views

std::string NazevVelicinyPosunu(const Tjazyk& jazyk, int k)
{
    const std::string* nazvy[5] = {&jazyk.popis.x, &jazyk.popis.y, &jazyk.popis.z, &jazyk.tlacitko.polohovy,
                                   &jazyk.tlacitko.prostorovy};
    return k >= 0 && k < 5 ? *nazvy[k] : std::string();
}

Tpopisky PopiskyPosunyZkracene(const Tjazyk& jazyk, int rezim)
{
    const auto& t = jazyk.tlacitko;
    const auto& p = jazyk.popis;
    const TrezimZkracene r = RezimZkracene(rezim);
    std::string nadpis = t.posuny;
    if (r.velicina >= 0) {
        nadpis = t.hodnoceni + " (" + (r.aprior ? t.presnostApriori : t.presnostAposteriori) + ") - " +
                 NazevVelicinyPosunu(jazyk, r.velicina) + " " + MalaPismena(t.posun2);
    } else if (rezim >= 1 && rezim <= 3) {
        const std::string* projekce[3] = {&t.ortogonalni, &t.semipolarni, &t.polarni};
        nadpis = t.posuny + " - " + *projekce[rezim - 1] + " " + MalaPismena(t.projekce);
    }
    const auto hlavicka = [&](ThlavickaZkracene h) -> std::string {
        switch (h) {
            case ThlavickaZkracene::prvniOsa: return NazevOsy(jazyk, 0);
            case ThlavickaZkracene::druhaOsa: return NazevOsy(jazyk, 1);
            case ThlavickaZkracene::z: return p.z;
            case ThlavickaZkracene::polohovy: return t.polohovy;
            case ThlavickaZkracene::svisly: return t.svisly;
            case ThlavickaZkracene::prostorovy: return t.prostorovy;
            case ThlavickaZkracene::smernik: return p.smernik;
            case ThlavickaZkracene::zenit: return p.zenit;
            case ThlavickaZkracene::hodnota: return p.hodnota;
            case ThlavickaZkracene::smerOdchylka: return p.smerOdchylka;
            case ThlavickaZkracene::mezOdchylka: return p.mezOdchylka;
        }
        return {};
    };
    const auto jednotka = [&](TjednotkaZkracene j) {
        const auto& u = jazyk.popisJednotky;
        switch (j) {
            case TjednotkaZkracene::posunOdchylka: return "[" + u.posun_odchylka + "]";
            case TjednotkaZkracene::smerHodnota: return "[" + u.smer_hodnota + "]";
            case TjednotkaZkracene::posunHodnota: break;
        }
        return "[" + u.posun_hodnota + "]";
    };
    Tpopisky texty{
        {"", nadpis},
        {"Label_BOD", p.bod},
        {"Label_bod_cislo", p.cislo},
        {"Label_SRD", t.posuny},
        {"Label_zpracovani", " " + t.zpracovani + " ..."},
    };
    const char* const hlavicky[3] = {"Label_srd_X", "Label_srd_Y", "Label_srd_Z"};
    const char* const jednotky[3] = {"Label_srd_X_jdn", "Label_srd_Y_jdn", "Label_srd_Z_jdn"};
    const bool popsano = r.druh >= 0;
    for (std::size_t c = 0; c < 3; ++c) {
        texty.push_back({hlavicky[c], popsano ? hlavicka(r.hlavicky[c]) : std::string()});
        texty.push_back({jednotky[c], popsano ? jednotka(r.jednotky[c]) : std::string()});
    }
    const Tpopisky popup = PopiskyPopupPosunyHlavni(jazyk);
    texty.insert(texty.end(), popup.begin(), popup.end());
    return texty;
}

Tpopisky PopiskyPosunyPlne(const Tjazyk& jazyk)
{
    Tpopisky texty = ZahlaviSestiSloupcu(jazyk, jazyk.popisJednotky.posun_odchylka);
    const Tpopisky popup = PopiskyPopupPosunyHlavni(jazyk);
    texty.insert(texty.end(), popup.begin(), popup.end());
    return texty;
}

// ---------------------------------------------------------------- analyses between the epochs

TStringList PolozkyPresnostiAnalyzy(const Tjazyk& jazyk)
{
    return {jazyk.popis.apriorni, jazyk.popis.aposteriorni};
}

Tpopisky PopiskyAnalyzaDelky(const Tjazyk& jazyk)
{
    const std::string posun = " [" + jazyk.popisJednotky.posun_hodnota + "]:";
    const std::string uhel = " [" + jazyk.popisJednotky.smer_odchylka + "]:";
    Tpopisky t{
        {"", NadpisAnalyzy(jazyk, jazyk.popis.delkoveVeliciny, "AB")},
        {"Label8", jazyk.popis.presnost + ":"},
    };
    const Tpopisky radky = PopiskyRadkuAnalyzyDelek(jazyk, posun, posun, uhel);
    t.insert(t.end(), radky.begin(), radky.end());
    const Tpopisky s = SpolecneAnalyzy(jazyk, {"Label11", "Label12", "Label13", "Label14"});
    t.insert(t.end(), s.begin(), s.end());
    return t;
}

Tpopisky PopiskyAnalyzaUhly(const Tjazyk& jazyk)
{
    Tpopisky t{
        {"", NadpisAnalyzy(jazyk, jazyk.popis.uhloveVeliciny, "BAC")},
        {"Label10", jazyk.popis.presnost + ":"},
    };
    const Tpopisky radky = PopiskyRadkuAnalyzyUhlu(jazyk, " [" + jazyk.popisJednotky.smer_odchylka + "]:");
    t.insert(t.end(), radky.begin(), radky.end());
    const Tpopisky s = SpolecneAnalyzy(jazyk, {"Label7", "Label8", "Label9", "Label11"});
    t.insert(t.end(), s.begin(), s.end());
    return t;
}

void NastavPopiskyAnalyzaDelky(QWidget& okno, const Tjazyk& jazyk)
{
    PouzijPopisky(okno, PopiskyAnalyzaDelky(jazyk));
    NaplnCombo(okno, "ComboBox3", PolozkyPresnostiAnalyzy(jazyk));
}

void NastavPopiskyAnalyzaUhly(QWidget& okno, const Tjazyk& jazyk)
{
    PouzijPopisky(okno, PopiskyAnalyzaUhly(jazyk));
    NaplnCombo(okno, "ComboBox4", PolozkyPresnostiAnalyzy(jazyk));
}

}  // namespace sitmera

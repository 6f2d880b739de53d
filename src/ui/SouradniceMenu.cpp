#include "ui/SouradniceMenu.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

#include "analysis/ModelPorovnani.h"
#include "core/Chyby.h"
#include "core/Jazyk.h"
#include "core/Nastaveni.h"
#include "numerics/TextPole.h"
#include "points/Souradnice.h"
#include "ui/layer/Bunky.h"
#include "ui/layer/ComboPomocne.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

namespace {

std::string Male(const std::string& text)
{
    return MalaPismena(text);
}

std::string Jednotka(const std::string& jednotka)
{
    return "[" + jednotka + "]";
}

// Header labels shared by the point windows; units by the caller.
Tpopisky ZahlaviSouradnic(const Tjazyk& jazyk, const std::string& jednotka)
{
    return {
        {"Label_BOD", jazyk.popis.bod},
        {"Label_bod_cislo", jazyk.popis.cislo},
        {"Label_SRD", jazyk.popis.souradnice},
        {"Label_srd_X", NazevOsy(jazyk, 0)},
        {"Label_srd_Y", NazevOsy(jazyk, 1)},
        {"Label_srd_Z", jazyk.popis.z},
        {"Label_srd_X_jdn", Jednotka(jednotka)},
        {"Label_srd_Y_jdn", Jednotka(jednotka)},
        {"Label_srd_Z_jdn", Jednotka(jednotka)},
    };
}

Tpopisky PopupVyberuAKopie(const Tjazyk& jazyk)
{
    return {
        {"OznacitVse1", jazyk.tlacitko.vybratVse},
        {"OdznacitVse1", jazyk.tlacitko.zrusitVyber},
        {"Kopirovat1", jazyk.tlacitko.kopirovat},
    };
}

}  // namespace

// ---------------------------------------------------------------- applying

std::string NazevOsy(const Tjazyk& jazyk, int i)
{
    return i >= 0 && i < static_cast<int>(jazyk.nazevXY.size()) ? jazyk.nazevXY[static_cast<std::size_t>(i)]
                                                               : std::string();
}

void PouzijPopisky(QWidget& okno, const Tpopisky& popisky)
{
    for (const auto& [jmeno, text] : popisky) {
        if (jmeno.empty()) {
            okno.setWindowTitle(NaQString(text));
            continue;
        }
        const QString n = NaQString(jmeno);
        if (auto* m = okno.findChild<QMenu*>(n)) {
            NastavPopisek(m, text);
        } else if (auto* a = okno.findChild<QAction*>(n)) {
            NastavPopisek(a, text);
        } else if (auto* l = okno.findChild<QLabel*>(n)) {
            l->setText(NaQString(text));
        } else if (auto* b = okno.findChild<QAbstractButton*>(n)) {
            b->setText(NaQString(text));
        }
    }
}

namespace {

QAction* AkcePodleJmena(QWidget& okno, const std::string& jmeno)
{
    const QString n = NaQString(jmeno);
    if (auto* m = okno.findChild<QMenu*>(n)) return m->menuAction();
    return okno.findChild<QAction*>(n);
}

}  // namespace

void PouzijPovoleni(QWidget& okno, const Tpovoleni& povoleni)
{
    for (const auto& [jmeno, zapnuto] : povoleni)
        if (QAction* a = AkcePodleJmena(okno, jmeno)) a->setEnabled(zapnuto);
}

void PouzijViditelnost(QWidget& okno, const Tpovoleni& viditelnost)
{
    for (const auto& [jmeno, zapnuto] : viditelnost)
        if (QAction* a = AkcePodleJmena(okno, jmeno)) a->setVisible(zapnuto);
}

// ---------------------------------------------------------------- main window

Tpopisky PopiskyMenuHlavni(const Tjazyk& jazyk, const TmodelPorovnani& modelPorovnani)
{
    const auto& t = jazyk.tlacitko;
    const auto& p = jazyk.popis;
    std::string nadpis = p.sitmeraNazev;
    if (modelPorovnani.soubor.nacteni) nadpis += " [" + modelPorovnani.soubor.jmeno + "]";
    const std::string etapa = Male(t.etapa);
    return {
        {"", nadpis},
        {"Hlavni1", t.hlavni},
        {"ProjektOtevrit1", t.otevrit + " " + t.projekt + " ..."},
        {"ProjektUlozitJako1", t.ulozit + " " + t.jako + " " + t.projekt + " ..."},
        {"Nastaveni1", t.nastaveni},
        {"Jazyk1", t.Jazyk},
        {"Cestina1", "CZ"},
        {"Anglictina1", "EN"},
        {"Jednotky1", t.jednotky + " ..."},
        {"Analyza2", t.analyza + " ..."},
        {"ProtokolNastaveni1", jazyk.protokol.protokol1 + " ..."},
        {"Zavrit1", t.ukoncit},
        {"Souadnice1", p.souradnice},
        {"Hledat1", t.najit + " ..."},
        {"HledatDalsi1", t.najit + " " + Male(t.dalsi)},
        {"HledatPredchozi1", t.najit + " " + Male(t.predchozi)},
        {"Spravovat1", t.spravovat},
        {"JeAktivni1", t.aktivni},
        {"JeNeaktivni1", t.neaktivni},
        {"Kopirovat1", t.kopirovat},
        {"Vyber1", t.vyber},
        {"Vybratvse1", t.vybratVse},
        {"Zrusitvyber1", t.zrusitVyber},
        {"VyberDleAtributu1", t.dleAtributu + " ..."},
        {"Analyza1", t.analyzaPosunu},
        {"PrvniEtapa1", "1. " + etapa + " ..."},
        {"DruhaEtapa1", "2. " + etapa + " ..."},
        {"UzivBody1", t.uzivatelske + " " + Male(p.body) + " ..."},
        {"TransformacniKlic1", p.transformacniKlic + " ..."},
        {"TransformaceEpocha1", t.transformace + " (1. " + etapa + ")"},
        {"TransformaceEpocha2", t.transformace + " (2. " + etapa + ")"},
        {"Porovnat1", t.porovnatEpochy},
        {"Oprogramu1", jazyk.nadpis.oPragramu},
    };
}

Tpopisky PopiskyZahlaviHlavni(const Tjazyk& jazyk)
{
    return ZahlaviSouradnic(jazyk, jazyk.popisJednotky.x_hodnota);
}

Tpopisky PopiskyPopupHlavni(const Tjazyk& jazyk)
{
    const auto& t = jazyk.tlacitko;
    return {
        {"VybratVse2", t.vybratVse},  {"ZrusitVyber2", t.zrusitVyber}, {"Kopirovat2", t.kopirovat},
        {"JeAktivni2", t.aktivni},    {"JeNeaktivni2", t.neaktivni},
    };
}

Tpovoleni PovoleniMenuHlavni(const Tsouradnice& souradniceHlavni, const Tvyber& vyberHlavni,
                             const TmodelPorovnani& modelPorovnani)
{
    const bool plny = souradniceHlavni.ExistujePlnyBod();
    const bool vybrano = JeNecoVybrano(vyberHlavni.hromadny);
    return {
        {"Hledat1", plny},
        {"HledatDalsi1", plny},
        {"HledatPredchozi1", plny},
        {"Spravovat1", vybrano},
        {"Kopirovat1", vybrano},
        {"Vybratvse1", plny},
        {"Zrusitvyber1", plny},
        {"VyberDleAtributu1", plny},
        {"TransformaceEpocha1", modelPorovnani.etapa1.jePripojen},
        {"TransformaceEpocha2", modelPorovnani.etapa2.jePripojen},
        {"Porovnat1", souradniceHlavni.ExistujeAktivBod()},
    };
}

Tpovoleni PovoleniPopupHlavni(const Tsouradnice& souradniceHlavni, const Tvyber& vyberHlavni)
{
    const bool plny = souradniceHlavni.ExistujePlnyBod();
    const bool vybrano = JeNecoVybrano(vyberHlavni.hromadny);
    return {
        {"Kopirovat2", vybrano}, {"JeAktivni2", vybrano}, {"JeNeaktivni2", vybrano},
        {"VybratVse2", plny},    {"ZrusitVyber2", plny},
    };
}

std::string TextStavuVyberuHlavni(const Tvyber& vyberHlavni, int pary, int aktivniPary)
{
    return " " + std::to_string(PocetVybranych(vyberHlavni.hromadny)) + " / " + std::to_string(2 * pary) + " (" +
           std::to_string(pary) + " : " + std::to_string(aktivniPary) + " + " + std::to_string(pary - aktivniPary) +
           ")";
}

void NastavPopiskyMenuHlavni(QWidget& okno, const Tjazyk& jazyk, const TmodelPorovnani& modelPorovnani)
{
    PouzijPopisky(okno, PopiskyMenuHlavni(jazyk, modelPorovnani));
}

void NastavZahlaviHlavni(QWidget& okno, const Tjazyk& jazyk)
{
    PouzijPopisky(okno, PopiskyZahlaviHlavni(jazyk));
}

void NastavPopiskyPopupHlavni(QWidget& okno, const Tjazyk& jazyk)
{
    PouzijPopisky(okno, PopiskyPopupHlavni(jazyk));
}

void NastavPopiskyHlavni(QWidget& okno, const Tjazyk& jazyk, const TmodelPorovnani& modelPorovnani)
{
    NastavPopiskyMenuHlavni(okno, jazyk, modelPorovnani);
    NastavZahlaviHlavni(okno, jazyk);
    NastavPopiskyPopupHlavni(okno, jazyk);
}

void PovolitMenuHlavni(QWidget& okno, const Tsouradnice& souradniceHlavni, const Tvyber& vyberHlavni,
                       const TmodelPorovnani& modelPorovnani)
{
    PouzijPovoleni(okno, PovoleniMenuHlavni(souradniceHlavni, vyberHlavni, modelPorovnani));
}

void PovolitPopupHlavni(QWidget& okno, const Tsouradnice& souradniceHlavni, const Tvyber& vyberHlavni)
{
    PouzijPovoleni(okno, PovoleniPopupHlavni(souradniceHlavni, vyberHlavni));
}

void ZobrazStavVyberuHlavni(QWidget& okno, const Tvyber& vyberHlavni, int pary, int aktivniPary)
{
    if (QLabel* l = NajdiLabel(okno, QStringLiteral("Label_vyber")))
        l->setText(NaQString(TextStavuVyberuHlavni(vyberHlavni, pary, aktivniPary)));
}

// ---------------------------------------------------------------- user-point window

Tpopisky PopiskyMenuVstup(const Tjazyk& jazyk)
{
    const auto& t = jazyk.tlacitko;
    const auto& p = jazyk.popis;
    return {
        {"", t.uzivatelske + " " + Male(p.body)},
        {"Hlavni1", t.hlavni},
        {"Pridat1", t.pridat + " ..."},
        {"UlozitJako1", t.ulozit + " " + t.jako + " ..."},
        {"Zavrit1", t.ukoncit},
        {"Souadnice1", p.souradnice},
        {"Novy1", t.novy + " ..."},
        {"Upravit1", t.upravit + " ..."},
        {"Smazat1", t.smazat},
        {"Posun1", t.posun},
        {"PosunNahoru1", t.posunNahoru},
        {"PosunDolu1", t.posunDolu},
        {"Seradit1", t.seradit + " " + t.podle + " ..."},
        {"SeraditDleCislo1", t.cisloBodu},
        {"SeraditDleX1", t.souradnice2 + " " + p.x},
        {"SeraditDleY1", t.souradnice2 + " " + p.y},
        {"SeraditDleZ1", t.souradnice2 + " " + p.z},
        {"ProhoditXY1", t.zamenit + " X-Y"},
        {"Kopirovat1", t.kopirovat},
        {"Vyjmout1", t.vyjmout},
        {"Vlozit1", t.vlozit2},
        {"Hledat1", t.najit + " ..."},
        {"HledatDalsi1", t.najit + " " + Male(t.dalsi)},
        {"HledatPredchozi1", t.najit + " " + Male(t.predchozi)},
        {"HledatChybu1", t.najit + " " + Male(t.chybne)},
        {"Vyber1", t.vyber},
        {"Vybratvse1", t.vybratVse},
        {"Zrusitvyber1", t.zrusitVyber},
        {"VyberDleAtributu1", t.dleAtributu + " ..."},
    };
}

Tpopisky PopiskyZahlaviVstup(const Tjazyk& jazyk)
{
    Tpopisky p = ZahlaviSouradnic(jazyk, jazyk.popisJednotky.x_hodnota);
    p.push_back({"Label_zpracovani", " " + jazyk.tlacitko.zpracovani + " ..."});
    return p;
}

Tpopisky PopiskyPopupVstup(const Tjazyk& jazyk)
{
    const auto& t = jazyk.tlacitko;
    return {
        {"Novy2", t.novy + " ..."}, {"Upravit2", t.upravit + " ..."}, {"Smazat2", t.smazat},
        {"PosunNahoru2", t.posunNahoru}, {"PosunDolu2", t.posunDolu}, {"Kopirovat2", t.kopirovat},
        {"Vyjmout2", t.vyjmout},    {"Vlozit2", t.vlozit2},
    };
}

Tpovoleni PovoleniMenuVstup(const Tsouradnice& souradnice, const Tnastaveni& nastaveni, const Tvyber& vyber,
                            const Tchyby& chyby)
{
    const bool plny = souradnice.ExistujePlnyBod();
    const int vybrano = PocetVybranych(vyber.hromadny);
    const bool neco = vybrano > 0;
    const bool vlozit = nastaveni.schranka.souradnice_existuje && vybrano < 2;
    return {
        {"UlozitJako1", plny},
        {"Upravit1", neco},
        {"Smazat1", neco},
        {"Posun1", vybrano == 1},
        {"Seradit1", souradnice.PocetPlnychBodu() >= 2},
        {"ProhoditXY1", neco},
        {"Kopirovat1", neco},
        {"Vyjmout1", neco},
        {"Vlozit1", vlozit},
        {"Hledat1", plny},
        {"HledatDalsi1", plny},
        {"HledatPredchozi1", plny},
        {"HledatChybu1", plny && chyby.souradniceUzivatelskeCekovyPocetChyb > 0},
        {"Vybratvse1", plny},
        {"Zrusitvyber1", plny},
        {"VyberDleAtributu1", plny},
    };
}

Tpovoleni PovoleniPopupVstup(const Tnastaveni& nastaveni, const Tvyber& vyber)
{
    const int vybrano = PocetVybranych(vyber.hromadny);
    const bool neco = vybrano > 0;
    return {
        {"Upravit2", neco},
        {"Smazat2", neco},
        {"Kopirovat2", neco},
        {"Vyjmout2", neco},
        {"PosunNahoru2", vybrano == 1},
        {"PosunDolu2", vybrano == 1},
        {"Vlozit2", nastaveni.schranka.souradnice_existuje && vybrano < 2},
    };
}

TstavVstup StavVstup(const Tchyby& chyby, const Tsouradnice& souradnice, const Tvyber& vyber)
{
    const Tbod& c = chyby.souradniceUzivatelskePocetChyb;
    TstavVstup s;
    s.duplikatySouradnice = " " + CisloNaText(c.Y + c.Z);
    s.barvaSouradnice = s.duplikatySouradnice == " 0" ? barvyTabulky[0] : barvyTabulky[1];
    s.duplikatyCislo = CisloNaText(c.X) + " ";
    s.barvaCislo = s.duplikatyCislo == "0 " ? barvyTabulky[0] : barvyTabulky[1];
    s.vyber = " " + std::to_string(PocetVybranych(vyber.hromadny)) + " / " +
              std::to_string(souradnice.PocetPlnychBodu());
    return s;
}

void NastavPopiskyMenuVstup(QWidget& okno, const Tjazyk& jazyk)
{
    PouzijPopisky(okno, PopiskyMenuVstup(jazyk));
}

void NastavZahlaviVstup(QWidget& okno, const Tjazyk& jazyk)
{
    PouzijPopisky(okno, PopiskyZahlaviVstup(jazyk));
}

void NastavPopupVstup(QWidget& okno, const Tjazyk& jazyk)
{
    PouzijPopisky(okno, PopiskyPopupVstup(jazyk));
}

void PovolitMenuVstup(QWidget& okno, const Tsouradnice& souradnice, const Tnastaveni& nastaveni,
                      const Tvyber& vyber, const Tchyby& chyby)
{
    PouzijPovoleni(okno, PovoleniMenuVstup(souradnice, nastaveni, vyber, chyby));
}

void PovolitPopupVstup(QWidget& okno, const Tnastaveni& nastaveni, const Tvyber& vyber)
{
    PouzijPovoleni(okno, PovoleniPopupVstup(nastaveni, vyber));
}

void ZobrazStavVstup(QWidget& okno, const Tchyby& chyby, const Tsouradnice& souradnice, const Tvyber& vyber)
{
    const TstavVstup s = StavVstup(chyby, souradnice, vyber);
    auto nastav = [&okno](const char* jmeno, const std::string& text, const QColor* barva) {
        QLabel* l = NajdiLabel(okno, QLatin1String(jmeno));
        if (l == nullptr) return;
        l->setText(NaQString(text));
        if (barva != nullptr) {
            QPalette p = l->palette();
            p.setColor(QPalette::WindowText, *barva);
            l->setPalette(p);
        }
    };
    nastav("Label_duplikaty_souradnice", s.duplikatySouradnice, &s.barvaSouradnice);
    nastav("Label_duplikaty_cislo", s.duplikatyCislo, &s.barvaCislo);
    nastav("Label_vyber", s.vyber, nullptr);
}

// ---------------------------------------------------------------- find and select windows

Tpopisky PopiskyHledaniVstup(const Tjazyk& jazyk)
{
    const std::string jednotka = " " + Jednotka(jazyk.popisJednotky.x_hodnota) + ":";
    return {
        {"Label1", jazyk.popis.cislo + ":"},
        {"Label2", jazyk.popis.x + jednotka},
        {"Label3", jazyk.popis.y + jednotka},
        {"Label4", jazyk.popis.z + jednotka},
        {"Button1", jazyk.tlacitko.vybrat + " [Ent]"},
        {"Button2", jazyk.tlacitko.ukoncit + " [Esc]"},
    };
}

Tpopisky PopiskyHledaniHlavni(const Tjazyk& jazyk)
{
    Tpopisky p = PopiskyHledaniVstup(jazyk);
    p.push_back({"Label5", jazyk.tlacitko.fixace + ":"});
    return p;
}

TStringList PolozkyFixace(const Tjazyk& jazyk)
{
    return {"", jazyk.tlacitko.neniFixni, jazyk.tlacitko.jeFixni};
}

void NastavPopiskyHledaniHlavni(QWidget& okno, const Tjazyk& jazyk)
{
    PouzijPopisky(okno, PopiskyHledaniHlavni(jazyk));
    if (auto* c = okno.findChild<QComboBox*>(QStringLiteral("ComboBox5"))) NaplnComboTexty(c, PolozkyFixace(jazyk));
}

void NastavPopiskyHledaniVstup(QWidget& okno, const Tjazyk& jazyk)
{
    PouzijPopisky(okno, PopiskyHledaniVstup(jazyk));
}

// ---------------------------------------------------------------- deviation and ellipsoid windows

Tpopisky PopiskyZahlaviOdchylek(const Tjazyk& jazyk, int typ)
{
    return ZahlaviSouradnic(jazyk, typ == 1 ? jazyk.popisJednotky.x_hodnota : jazyk.popisJednotky.x_odchylka);
}

Tpopisky PopiskyPopupOdchylek(const Tjazyk& jazyk)
{
    return PopupVyberuAKopie(jazyk);
}

Tpovoleni ViditelnostPopupOdchylek(int rezim)
{
    const bool skryt = rezim == 2 || rezim == 3;
    return {{"HledatChybu1", !skryt}, {"N1", !skryt}};
}

Tpovoleni PovoleniPopupOdchylek(const Tvyber& vyber)
{
    return {{"Kopirovat1", JeNecoVybrano(vyber.hromadny)}};
}

Tpopisky PopiskyZahlaviElipsoidu(const Tjazyk& jazyk)
{
    const std::string uhel = Jednotka(jazyk.popisJednotky.smer_hodnota);
    return {
        {"Label_BOD", jazyk.popis.bod},
        {"Label_bod_cislo", jazyk.popis.cislo},
        {"Label_SRD", jazyk.popis.poloosyElsoidu},
        {"Label_srd_X", jazyk.popis.delka2},
        {"Label_srd_X_jdn", Jednotka(jazyk.popisJednotky.x_odchylka)},
        {"Label_smernik", jazyk.popis.smernik},
        {"Label_smernik_jdn", uhel},
        {"Label_zenit", jazyk.popis.zenit},
        {"Label_zenit_jdn", uhel},
    };
}

Tpopisky PopiskyPopupElipsoidu(const Tjazyk& jazyk)
{
    return PopupVyberuAKopie(jazyk);
}

Tpovoleni PovoleniPopupElipsoidu(const Tvyber& vyber)
{
    return {{"Kopirovat1", JeNecoVybrano(vyber.hromadny)}};
}

void NastavZahlaviOdchylek(QWidget& okno, const Tjazyk& jazyk, int typ)
{
    PouzijPopisky(okno, PopiskyZahlaviOdchylek(jazyk, typ));
}

void NastavPopupOdchylek(QWidget& okno, const Tjazyk& jazyk, int rezim)
{
    PouzijPopisky(okno, PopiskyPopupOdchylek(jazyk));
    PouzijViditelnost(okno, ViditelnostPopupOdchylek(rezim));
}

void PovolitPopupOdchylek(QWidget& okno, const Tvyber& vyber)
{
    PouzijPovoleni(okno, PovoleniPopupOdchylek(vyber));
}

void NastavZahlaviElipsoidu(QWidget& okno, const Tjazyk& jazyk)
{
    PouzijPopisky(okno, PopiskyZahlaviElipsoidu(jazyk));
}

void NastavPopupElipsoidu(QWidget& okno, const Tjazyk& jazyk)
{
    PouzijPopisky(okno, PopiskyPopupElipsoidu(jazyk));
}

void PovolitPopupElipsoidu(QWidget& okno, const Tvyber& vyber)
{
    PouzijPovoleni(okno, PovoleniPopupElipsoidu(vyber));
}

}  // namespace sitmera

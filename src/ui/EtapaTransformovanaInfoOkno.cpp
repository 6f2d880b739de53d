#include "ui/EtapaTransformovanaInfoOkno.h"

#include <QGridLayout>
#include <QLabel>

#include "analysis/EtapaTransformacniKlic.h"
#include "numerics/Jednotky.h"
#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"
#include "program/Globalni.h"
#include "ui/EtapaInfoOkno.h"
#include "ui/EtapaTransformacniKlicOkno.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

namespace {

// The rows in the order of the copy: the method and the key; the points A
// and B (line and plane); the point C (plane only).
const TradkyInformaci kKlic = {
    {"Label1", ""},         {"Label2", ""},         {"Label3", ""},         {"Label4", ""},
    {"Label5", "Label25"},  {"Label6", "Label26"},  {"Label7", "Label27"},  {"Label8", ""},
    {"Label9", "Label28"},  {"Label10", "Label29"}, {"Label11", "Label30"},
};
const TradkyInformaci kBodyAB = {
    {"Label12", ""},        {"Label13", "Label31"}, {"Label14", "Label32"}, {"Label15", "Label33"},
    {"Label16", "Label34"}, {"Label17", "Label35"}, {"Label18", "Label36"}, {"Label19", "Label37"},
    {"Label20", "Label38"},
};
const TradkyInformaci kBodC = {
    {"Label21", "Label39"}, {"Label22", "Label40"}, {"Label23", "Label41"}, {"Label24", "Label42"},
};

std::string Jmeno(int cislo)
{
    return "Label" + std::to_string(cislo);
}

// The point of a role, or null when the role has none (no list, no index,
// an index outside the list, an empty record).
const Tbod* BodRole(const TtransformacniKlicEtapa& klic, int role)
{
    const Tsouradnice* const seznamy[3] = {klic.souradniceBod, klic.souradniceCil1, klic.souradniceCil2};
    const Tsouradnice* seznam = seznamy[role];
    if (seznam == nullptr || klic.typBod.size() < 3 || klic.poradiBod.size() < 3) return nullptr;
    const int sloupec = klic.typBod[static_cast<std::size_t>(role)];
    const TindexVector& poradi = klic.poradiBod[static_cast<std::size_t>(role)];
    if (sloupec < 0 || sloupec > 2 || poradi.size() < 3) return nullptr;
    const int i = poradi[static_cast<std::size_t>(sloupec)];
    if (i < 0 || i >= static_cast<int>(seznam->bod.size())) return nullptr;
    const Tbod& b = seznam->bod[static_cast<std::size_t>(i)];
    return b.JePlny ? &b : nullptr;
}

}  // namespace

Tpopisky PopiskyKlicInfo(const Tjazyk& jazyk, const Tnastaveni& nastaveni, const TtransformacniKlicEtapa& klic)
{
    const auto& p = jazyk.popis;
    const auto& t = jazyk.tlacitko;
    const std::string delka = " [" + jazyk.popisJednotky.x_hodnota + "]:";
    const std::string uhel = " [" + jazyk.popisJednotky.smer_hodnota + "]:";
    const auto hodnota = [&nastaveni](Extended metry) {
        return CisloNaTextPresnost(nastaveni.presnost.souradnice.hodnota,
                                   MetryNaDelku(nastaveni.jednotky.souradnice, metry));
    };
    // The method as the key window lists it.
    const TStringList metody = PolozkyMetodyKlice(jazyk);
    Tpopisky popisky = {
        {"", t.informace + " - " + p.transformacniKlic},
        {"Kopirovat1", t.kopirovat},
        {"Label1", t.transformacni + " " + MalaPismena(t.metoda)},
        {"Label2", klic.typ < metody.size() ? metody[klic.typ] : "-"},
        {"Label3", p.transformacniKlic},
        {"Label4", p.translace},
        {"Label8", p.rotace},
        {"Label12", t.vztazne + " " + MalaPismena(p.body)},
        {"Label13", "A:"},
        {"Label17", "B:"},
        {"Label21", "C:"},
    };
    const std::string osy[3] = {p.x, p.y, p.z};
    for (int i = 0; i < 3; ++i) {
        const auto ui = static_cast<std::size_t>(i);
        popisky.emplace_back(Jmeno(5 + i), osy[i] + delka);
        popisky.emplace_back(Jmeno(9 + i), osy[i] + uhel);
        for (const int role : {0, 1, 2}) popisky.emplace_back(Jmeno(14 + 4 * role + i), osy[i] + delka);
        const bool posun = klic.translace.size() > ui && !klic.translace[ui].empty();
        popisky.emplace_back(Jmeno(25 + i), posun ? hodnota(klic.translace[ui][0]) : "-");
        popisky.emplace_back(Jmeno(28 + i),
                             klic.uhelStoceni.size() > ui
                                 ? CisloNaTextPresnost(nastaveni.presnost.uhel.hodnota,
                                                       RadianyNaUhel(nastaveni.jednotky.uhel, klic.uhelStoceni[ui]))
                                 : "-");
    }
    // The line uses A and B, the plane A, B and C; the other methods none.
    const int roli = klic.typ == 1 ? 2 : klic.typ == 2 ? 3 : 0;
    const char* const seznamy[3] = {"1", "2", "U"};
    for (int role = 0; role < 3; ++role) {
        const Tbod* b = role < roli ? BodRole(klic, role) : nullptr;
        const int prvni = 31 + 4 * role;
        if (b == nullptr) {
            for (int k = 0; k < 4; ++k) popisky.emplace_back(Jmeno(prvni + k), "-");
            continue;
        }
        const std::string seznam = seznamy[klic.typBod[static_cast<std::size_t>(role)]];
        popisky.emplace_back(Jmeno(prvni), "[" + seznam + "] " + b->cislo);
        popisky.emplace_back(Jmeno(prvni + 1), hodnota(b->X));
        popisky.emplace_back(Jmeno(prvni + 2), hodnota(b->Y));
        popisky.emplace_back(Jmeno(prvni + 3), hodnota(b->Z));
    }
    return popisky;
}

std::string TextKopieKlicInfo(const QWidget& okno, int typ)
{
    TradkyInformaci radky = kKlic;
    if (typ == 1 || typ == 2) radky.insert(radky.end(), kBodyAB.begin(), kBodyAB.end());
    if (typ == 2) radky.insert(radky.end(), kBodC.begin(), kBodC.end());
    return TextKopieInformaci(okno, radky);
}

TForm80::TForm80(QWidget* rodic) : Formular(QStringLiteral("Form80"), rodic)
{
    QGridLayout* mrizka = PripravInformacniOkno(*this, PopupMenu1, Kopirovat1, [this] { Kopirovat1Click(); });
    QLabel** const labely[] = {
        &Label1,  &Label2,  &Label3,  &Label4,  &Label5,  &Label6,  &Label7,  &Label8,  &Label9,
        &Label10, &Label11, &Label12, &Label13, &Label14, &Label15, &Label16, &Label17, &Label18,
        &Label19, &Label20, &Label21, &Label22, &Label23, &Label24, &Label25, &Label26, &Label27,
        &Label28, &Label29, &Label30, &Label31, &Label32, &Label33, &Label34, &Label35, &Label36,
        &Label37, &Label38, &Label39, &Label40, &Label41, &Label42,
    };
    int cislo = 1;
    for (QLabel** label : labely) *label = NovyLabel(this, NaQString(Jmeno(cislo++)));
    for (QLabel* l : {Label1, Label3, Label12}) NastavTucne(l);
    TradkyInformaci radky = kKlic;
    radky.insert(radky.end(), kBodyAB.begin(), kBodyAB.end());
    radky.insert(radky.end(), kBodC.begin(), kBodC.end());
    RozlozRadkyInformaci(*this, *mrizka, radky);
}

void TForm80::FormShow()
{
    if (ExistujiGlobalniObjekty()) PouzijPopisky(*this, PopiskyKlicInfo(*jazyk, *nastaveni, klicTransformace));
    adjustSize();
    VycentrujOkno(this, Otvirac());
}

void TForm80::Kopirovat1Click()
{
    NastavTextSchranky(TextKopieKlicInfo(*this, klicTransformace.typ));
}

void TForm80::FormKeyDown(int& klavesa, Qt::KeyboardModifiers)
{
    ZavriNaEnterEsc(*this, klavesa);
}

TForm80& Form80()
{
    return JedineOkno<TForm80>();
}

}  // namespace sitmera

#include "ui/displacements/PosunyZkraceneOkno.h"

#include <QAction>

#include "program/Globalni.h"
#include "ui/displacements/PosunyMenu.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"

namespace sitmera {

TForm70::TForm70(QWidget* rodic) : TposunyPohled(QStringLiteral("Form70"), 3, 227, false, rodic)
{
    Label_srd_X = ovladace_.hlavicky[0];
    Label_srd_Y = ovladace_.hlavicky[1];
    Label_srd_Z = ovladace_.hlavicky[2];
    Label_srd_X_jdn = ovladace_.jednotky[0];
    Label_srd_Y_jdn = ovladace_.jednotky[1];
    Label_srd_Z_jdn = ovladace_.jednotky[2];
    PridejPolozkuPopup("N2", 0, {});
    HledatVyznamneAprior1 = PridejPolozkuPopup("HledatVyznamneAprior1", zkratka::F4, [this] { HledatVyznamneAprior1Click(); });
    HledatVyznamneAposter1 =
        PridejPolozkuPopup("HledatVyznamneAposter1", zkratka::F5, [this] { HledatVyznamneAposter1Click(); });
    PridejPolozkuPopup("N3", 0, {});
    OznacitVyznamneAprior1 =
        PridejPolozkuPopup("OznacitVyznamneAprior1", zkratka::F6, [this] { OznacitVyznamneAprior1Click(); });
    OznacitVyznamneAposter1 =
        PridejPolozkuPopup("OznacitVyznamneAposter1", zkratka::F7, [this] { OznacitVyznamneAposter1Click(); });
}

void TForm70::FormShow()
{
    if (ExistujiGlobalniObjekty()) rezim_ = nastaveni->okno.posunyZkracene;
    TposunyPohled::FormShow();
}

void TForm70::NastavPopisky()
{
    PouzijPopisky(*this, PopiskyPosunyZkracene(*jazyk, rezim_));
}

int TForm70::NaplnSeznam(Tposuny& posuny)
{
    posuny.Kopiruj(modelPosuny->posuny);
    return modelPosuny->pocet;
}

void TForm70::Obnov(Tposuny& posuny)
{
    ObnovTabulkuPosunuZkracene(StringGrid3, posuny, *nastaveni, rezim_, vyber);
}

std::string TForm70::TextKopie() const
{
    return TextKopieTabulkyPosunuZkracene(*posunyOkno, *nastaveni, vyber, rezim_);
}

void TForm70::KresliBunku(Platno& c, int sloupec, int radek, const QRect& bunka, const std::string& text,
                          bool aktualni)
{
    KresliBunkuPosunuZkracene(c, *posunyOkno, vyber, *nastaveni, rezim_, sloupec, radek, bunka, text, aktualni);
}

// Only the mode's tests offer their commands; hidden items are disabled too,
// so their keys do nothing.
void TForm70::PoNaplneni()
{
    const TrezimZkracene r = RezimZkracene(rezim_);
    for (QAction* a : {HledatVyznamneAprior1, OznacitVyznamneAprior1}) {
        a->setVisible(r.aprior);
        a->setEnabled(r.aprior);
    }
    for (QAction* a : {HledatVyznamneAposter1, OznacitVyznamneAposter1}) {
        a->setVisible(r.aposter);
        a->setEnabled(r.aposter);
    }
}

void TForm70::HledejVyznamny(bool aprior)
{
    if (!ExistujiGlobalniObjekty()) return;
    const Tposuny& posuny = *posunyOkno;
    const int druh = Druh();
    const int aktualni = StringGrid3->Row();
    const int posledni = static_cast<int>(posuny.zaznam.size()) - 1;
    int index = aktualni;
    if (HledejVyznamnyPosun(posuny, index, aktualni, aprior, druh, posledni) ||
        HledejVyznamnyPosun(posuny, index, -1, aprior, druh, aktualni))
        ZobrazRadek(StringGrid3, index, StringGrid3->RowCount());
}

void TForm70::OznacVyznamne(bool aprior)
{
    if (!ExistujiGlobalniObjekty()) return;
    OznacVyznamnePosuny(vyber, *posunyOkno, Druh(), aprior);
    ZmenaVyberu();
}

TForm70& Form70()
{
    return JedineOkno<TForm70>();
}

}  // namespace sitmera

#include "ui/PriblizneSouradniceOkno.h"

#include <QAction>
#include <QLabel>

#include "program/Globalni.h"
#include "ui/SouradniceMenu.h"
#include "ui/layer/Menu.h"
#include "ui/layer/Mrizka.h"

namespace sitmera {

TForm10::TForm10(QWidget* rodic)
    : OknoPresnostiBodu(QStringLiteral("Form10"), {"Label_srd_X", "Label_srd_Y", "Label_srd_Z", "Label_srd_X_jdn",
                                                   "Label_srd_Y_jdn", "Label_srd_Z_jdn"},
                        rodic)
{
    Label_srd_X = sloupce_[0];
    Label_srd_Y = sloupce_[1];
    Label_srd_Z = sloupce_[2];
    Label_srd_X_jdn = sloupce_[3];
    Label_srd_Y_jdn = sloupce_[4];
    Label_srd_Z_jdn = sloupce_[5];
    N1 = PridejOddelovac(PopupMenu1, QStringLiteral("N1"));
    HledatChybu1 = PridejPolozku(PopupMenu1, QStringLiteral("HledatChybu1"), zkratka::F2, [this] { HledatChybu1Click(); });
}

int TForm10::TypTabulky() const
{
    const int rezim = ExistujiGlobalniObjekty() ? nastaveni->okno.souradnice : 0;
    return rezim == TypTabulkyOdchylekAposterior ? TypTabulkyOdchylekAposterior : TypTabulkyOdchylekAprior;
}

void TForm10::FormShow()
{
    if (!ExistujiGlobalniObjekty()) return;
    const int rezim = nastaveni->okno.souradnice;
    NastavPopupOdchylek(*this, *jazyk, rezim);
    ZacniZobrazeni();
    if ((rezim == 2 || rezim == 3) && etapaAktualni != nullptr) {
        const Tetapa& e = *etapaAktualni;
        souradniceOkno->KopirujVyrovnaneProZobrazeni(
            e.souradnice, rezim == 2 ? e.odchylkaJednotkovaAprior : e.odchylkaJednotkovaAposterior,
            e.pocetBoduUrcovanych);
        NastavZahlaviOdchylek(*this, *jazyk, 2);
    }
    DokonciZobrazeni(souradniceOkno->PocetPlnychBodu());
}

void TForm10::FormClose()
{
    if (ExistujiGlobalniObjekty()) souradniceOkno->Clear();
}

void TForm10::KresliBunku(Platno& c, int sloupec, int radek, const QRect& bunka, const std::string& text,
                          bool aktualni)
{
    if (!ExistujiGlobalniObjekty()) return;
    KresliBunkuPresnosti(c, *souradniceOkno, vyber.hromadny, sloupec, radek, bunka, text, aktualni, false, false);
}

void TForm10::PopupMenu1Popup()
{
    PovolitPopupOdchylek(*this, vyber);
}

void TForm10::HledatChybu1Click()
{
    if (!ExistujiGlobalniObjekty()) return;
    const int aktualni = StringGrid1->Row();
    const int posledni = static_cast<int>(souradniceOkno->bod.size()) - 1;
    int index = aktualni;
    if (NajdiNulovouOdchylku(*souradniceOkno, index, aktualni, posledni) ||
        NajdiNulovouOdchylku(*souradniceOkno, index, -1, aktualni))
        ZobrazRadek(StringGrid1, index, StringGrid1->RowCount());
}

TForm10& Form10()
{
    return JedineOkno<TForm10>();
}

}  // namespace sitmera

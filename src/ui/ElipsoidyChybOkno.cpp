#include "ui/ElipsoidyChybOkno.h"

#include <QLabel>

#include "program/Globalni.h"
#include "ui/SouradniceMenu.h"

namespace sitmera {

TForm24::TForm24(QWidget* rodic)
    : OknoPresnostiBodu(QStringLiteral("Form24"), {"Label_srd_X", "Label_smernik", "Label_zenit", "Label_srd_X_jdn",
                                                   "Label_smernik_jdn", "Label_zenit_jdn"},
                        rodic)
{
    Label_srd_X = sloupce_[0];
    Label_smernik = sloupce_[1];
    Label_zenit = sloupce_[2];
    Label_srd_X_jdn = sloupce_[3];
    Label_smernik_jdn = sloupce_[4];
    Label_zenit_jdn = sloupce_[5];
}

int NaplnElipsoidy(Tsouradnice& seznam, int rezim, const Tetapa* etapa, const TmodelPosuny& posuny)
{
    seznam.Clear();
    if ((rezim == 1 || rezim == 2) && etapa != nullptr)
        seznam.UlozeniElipsoiduDoSouradnice(
            etapa->souradnice, rezim == 1 ? etapa->odchylkaJednotkovaAprior : etapa->odchylkaJednotkovaAposterior,
            etapa->pocetBoduUrcovanych);
    else if (rezim == 5 || rezim == 6)
        posuny.posuny.UlozElipsoidyDoSouradnice(seznam, rezim - 4, posuny.pocet, posuny.pocetNefix);
    return seznam.PocetPlnychBodu() / 3;
}

int TForm24::TypTabulky() const
{
    return TypTabulkyElipsoidu;
}

void TForm24::FormShow()
{
    if (!ExistujiGlobalniObjekty()) return;
    NastavZahlaviElipsoidu(*this, *jazyk);
    NastavPopupElipsoidu(*this, *jazyk);
    ZacniZobrazeni();
    const int pocet = NaplnElipsoidy(*souradniceOkno, nastaveni->okno.elipsoidChyb, etapaAktualni, *modelPosuny);
    DokonciZobrazeni(pocet);
}

void TForm24::KresliBunku(Platno& c, int sloupec, int radek, const QRect& bunka, const std::string& text,
                          bool aktualni)
{
    if (!ExistujiGlobalniObjekty()) return;
    const int rezim = nastaveni->okno.elipsoidChyb;
    KresliBunkuPresnosti(c, *souradniceOkno, vyber.hromadny, sloupec, radek, bunka, text, aktualni, true,
                         rezim == 5 || rezim == 6);
}

void TForm24::PopupMenu1Popup()
{
    PovolitPopupElipsoidu(*this, vyber);
}

TForm24& Form24()
{
    return JedineOkno<TForm24>();
}

}  // namespace sitmera

#include "ui/displacements/PosunyPlneOkno.h"

#include "program/Globalni.h"
#include "ui/displacements/PosunyMenu.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

TForm71::TForm71(QWidget* rodic) : TposunyPohled(QStringLiteral("Form71"), 5, 246, true, rodic)
{
    Label_srd_X = ovladace_.hlavicky[0];
    Label_srd_Y = ovladace_.hlavicky[1];
    Label_srd_Z = ovladace_.hlavicky[2];
    Label_srd_delkaH = ovladace_.hlavicky[3];
    Label_srd_delkaS = ovladace_.hlavicky[4];
    Label_srd_X_jdn = ovladace_.jednotky[0];
    Label_srd_Y_jdn = ovladace_.jednotky[1];
    Label_srd_Z_jdn = ovladace_.jednotky[2];
    Label_srd_delkaH_jdn = ovladace_.jednotky[3];
    Label_srd_delkaS_jdn = ovladace_.jednotky[4];
}

void TForm71::NastavPopisky()
{
    setWindowTitle(NaQString(nadpis));
    PouzijPopisky(*this, PopiskyPosunyPlne(*jazyk));
}

int TForm71::NaplnSeznam(Tposuny& posuny)
{
    posuny.KopirujNefixni(modelPosuny->posuny, modelPosuny->pocet, modelPosuny->pocetNefix);
    return modelPosuny->pocetNefix;
}

void TForm71::Obnov(Tposuny& posuny)
{
    ObnovTabulkuPosunuPlne(StringGrid3, posuny, *nastaveni, nastaveni->okno.posunyPlne, vyber);
}

std::string TForm71::TextKopie() const
{
    // Copy mode 2 gives the a-priori, 3 the a-posteriori deviations.
    const int typ = nastaveni->okno.posunyPlne;
    return TextKopieTabulkyPosunu(*posunyOkno, *nastaveni, vyber, typ == 1 || typ == 2 ? typ + 1 : 0);
}

void TForm71::KresliBunku(Platno& c, int sloupec, int radek, const QRect& bunka, const std::string& text,
                          bool aktualni)
{
    KresliBunkuPosunuPlne(c, *posunyOkno, vyber, sloupec, radek, bunka, text, aktualni);
}

TForm71& Form71()
{
    return JedineOkno<TForm71>();
}

}  // namespace sitmera

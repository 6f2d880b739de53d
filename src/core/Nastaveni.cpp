#include "core/Nastaveni.h"

namespace sitmera {

Tnastaveni::Tnastaveni()
    : poradiXY(2, 0)
{
}

void Tnastaveni::Default()
{
    // Units: angles in gon, everything else in metres, geodetic system, XY.
    jednotky.uhel = 1;
    jednotky.delka = 0;
    jednotky.souradnice = 0;
    jednotky.posun = 0;
    jednotky.souradnicovySystem = true;
    NastavPoradiXY(0);

    // Decimals: value / standard deviation.
    presnost.uhel = {5, 3};
    presnost.delka = {4, 2};
    presnost.souradnice = {4, 2};
    presnost.posun = {2, 2};
    presnost.meritko = 8;

    // The typEtapa bytes of both dialogs stay as they are.
    for (TsouborTyp* s : {&souborVstup, &souborVystup}) {
        s->typSouradnice = 0;
        s->typProjekt = 0;
        s->typProtokol = 0;
        s->typGrafika = 0;
    }

    typJazyk = 1;  // English

    porovnani.riziko = 0.05L;
    porovnani.apriorni = true;
    porovnani.aposteriorni = true;

    grafika.barvaFixBod = 11;
    grafika.barvaVyrBod = 10;
    grafika.barvaMereni = 8;
    grafika.barvaElipsa = 14;
    grafika.barvaPozadi = 0;
    grafika.kreslitBod = true;
    grafika.kreslitMereniLinie = true;
    grafika.kreslitMereniPopis = false;
    grafika.kreslitElipsa = true;
    grafika.kreslitOsa = true;
    grafika.kreslitMeritko = true;
    grafika.tloustkaBod = 0;
    grafika.tloustkaMereni = 0;
    grafika.tloustkaElipsa = 0;
    grafika.tloustkaOsa = 0;
    grafika.tloustkaMeritko = 0;
    grafika.textFont = -1;
    grafika.textVelikost = 6;
    grafika.textRez = 0;
    grafika.krizek = 4;
    grafika.krouzek = 3;
    grafika.zvetseniElipsa = 7;
    grafika.presnost = true;

    grafikaPosun.barvaBod = 10;
    grafikaPosun.barvaElipsa = 14;
    grafikaPosun.barvaPosunHzHodnota = 10;
    grafikaPosun.barvaPosunHzHodnotaVyznamna = 9;
    grafikaPosun.barvaPosunHzMezOdchylka = 8;
    grafikaPosun.barvaPosunZHodnota = 10;
    grafikaPosun.barvaPosunZHodnotaVyznamna = 5;
    grafikaPosun.barvaPosunZMezOdchylka = 8;
    grafikaPosun.barvaPozadi = 0;
    grafikaPosun.kreslitBod = true;
    grafikaPosun.kreslitElipsa = true;
    grafikaPosun.kreslitPosunHzHodnota = true;
    grafikaPosun.kreslitPosunHzMezOdchylka = false;
    grafikaPosun.kreslitPosunZHodnota = false;
    grafikaPosun.kreslitPosunZMezOdchylka = false;
    grafikaPosun.kreslitOsa = true;
    grafikaPosun.kreslitMeritko = true;
    grafikaPosun.tloustkaBod = 0;
    grafikaPosun.tloustkaElipsa = 0;
    grafikaPosun.tloustkaPosunHzHodnota = 0;
    grafikaPosun.tloustkaPosunHzMezOdchylka = 0;
    grafikaPosun.tloustkaPosunZHodnota = 0;
    grafikaPosun.tloustkaPosunZMezOdchylka = 0;
    grafikaPosun.tloustkaOsa = 0;
    grafikaPosun.tloustkaMeritko = 0;
    grafikaPosun.textFont = -1;
    grafikaPosun.textVelikost = 6;
    grafikaPosun.textRez = 0;
    grafikaPosun.velikostBod = 4;
    grafikaPosun.velikostPosunHzHodnota = 10;
    grafikaPosun.velikostPosunHzMezOdchylka = 4;
    grafikaPosun.velikostPosunZHodnota = 3;
    grafikaPosun.velikostPosunZMezOdchylka = 4;
    grafikaPosun.zvetseni = 7;
    grafikaPosun.presnost = true;
    grafikaPosun.typHzPosunu = 2;

    // Input epoch: info and coordinates (a posteriori), no ellipsoids.
    protokol.etapaVstupInfo = true;
    protokol.etapaVstupSour = true;
    protokol.etapaVstupSourPresnost = 2;
    protokol.etapaVstupElips = false;
    protokol.etapaVstupElipsPresnost = 1;
    // Transformed epoch: key, info and coordinates, no ellipsoids.
    protokol.etapaTransKlic = true;
    protokol.etapaTransInfo = true;
    protokol.etapaTransSour = true;
    protokol.etapaTransSourPresnost = 2;
    protokol.etapaTransElips = false;
    protokol.etapaTransElipsPresnost = 1;
    // Displacements.
    protokol.posunInfo = true;
    protokol.posunKlic = true;
    protokol.posunBodyIdent = false;
    protokol.posunBodyIdentPresnost = 2;
    protokol.posunValuePresnost = 2;
    protokol.posunValueVse = true;
    protokol.posunValueOrthogonal = false;
    protokol.posunValueSemipolar = false;
    protokol.posunValuePolar = false;
    protokol.posunElips = false;
    protokol.posunElipsPresnost = 1;
    protokol.posunHodnoceniPresnost = 1;
    protokol.posunHodnoceniX = false;
    protokol.posunHodnoceniY = false;
    protokol.posunHodnoceniZ = false;
    protokol.posunHodnoceniDelkaH = true;
    protokol.posunHodnoceniDelkaS = true;
}

void Tnastaveni::NastavPoradiXY(std::uint8_t poradi)
{
    jednotky.poradiSouradnice = poradi;
    if (poradi == 0) poradiXY = {1, 2};
    else if (poradi == 1) poradiXY = {2, 1};
}

bool Tnastaveni::JeProtokolEtapaVstup() const
{
    return protokol.etapaVstupInfo || protokol.etapaVstupSour || protokol.etapaVstupElips;
}

bool Tnastaveni::JeProtokolEtapaTrans() const
{
    return protokol.etapaTransKlic || protokol.etapaTransInfo || protokol.etapaTransSour
        || protokol.etapaTransElips;
}

bool Tnastaveni::JeProtokolPosun() const
{
    const TprotokolNastaveni& p = protokol;
    return p.posunInfo || p.posunKlic || p.posunBodyIdent || p.posunValueVse
        || p.posunValueOrthogonal || p.posunValueSemipolar || p.posunValuePolar || p.posunElips
        || p.posunHodnoceniX || p.posunHodnoceniY || p.posunHodnoceniZ || p.posunHodnoceniDelkaH
        || p.posunHodnoceniDelkaS;
}

}  // namespace sitmera

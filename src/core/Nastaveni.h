// Settings of the program: units, axis order, decimals, file kinds chosen last
// in the open and save dialogs, window-mode bytes, language, point-buffer state,
// drawing options of both graphs, report switches and comparison settings.
//
// One instance exists (the global `nastaveni`). It has no storage of its own:
// it starts from `Default` at every program start and is saved and restored
// only as the settings section of the project file.
//
// Unit codes are the ones the conversions of numerics/Jednotky.h take:
// angles 0 radian, 1 gon, 2 degree, 3 packed degrees-minutes-seconds d.mmss;
// lengths 0 metre, 1 international foot.
// Pen widths are list indices (width = index + 1 pixels); colours are positions
// in the 20-colour list of the drawing windows.
#pragma once

#include <cstdint>

#include "numerics/Zaklad.h"

namespace sitmera {

// Units chosen by the user.
struct Tjednotky {
    std::uint8_t uhel = 0;             // angle unit: 0 rad, 1 gon, 2 degree, 3 d.mmss
    std::uint8_t delka = 0;            // length unit: 0 metre, 1 foot
    std::uint8_t souradnice = 0;       // coordinate unit (codes as delka)
    std::uint8_t posun = 0;            // displacement unit code (codes as delka)
    bool souradnicovySystem = false;   // true geodetic, false mathematical
    std::uint8_t poradiSouradnice = 0; // axis order: 0 XY, 1 YX
};

// Decimals of a value and of its standard deviation.
struct Tzaokrouhleni {
    std::uint8_t hodnota = 0;   // decimals of a value
    std::uint8_t odchylka = 0;  // decimals of its standard deviation
};

// Decimals shown for each kind of value.
struct Tpresnost {
    Tzaokrouhleni uhel;
    Tzaokrouhleni delka;
    Tzaokrouhleni souradnice;
    Tzaokrouhleni posun;
    std::uint8_t meritko = 0;  // decimals of scale values
};

// Filter index last chosen in the dialog of each file kind.
struct TsouborTyp {
    std::uint8_t typSouradnice = 0;  // coordinate files: 0 XYZ, 1 YXZ
    std::uint8_t typProjekt = 0;
    std::uint8_t typProtokol = 0;
    std::uint8_t typGrafika = 0;     // pictures: 0 PNG, 1 BMP, 2 JPEG, 3 DXF
    std::uint8_t typEtapa = 0;
};

// Window-mode bytes: a command sets one before it opens a shared window, the
// window reads it when shown.
struct Tokno {
    std::uint8_t souradnice = 0;        // 2 a-priori, 3 a-posteriori deviations
    std::uint8_t elipsoidChyb = 0;      // 1/2 epoch a priori/posteriori, 5/6 displacement
    std::uint8_t souradniceVstup = 0;   // 1 new point, 2 edit point
    std::uint8_t kovariancniMatice = 0; // 1 show the covariance matrix
    std::uint8_t bodyVstup = 0;         // 3 user points
    std::uint8_t grafika = 0;           // never set
    std::uint8_t doplnek = 0;           // never set
    std::uint8_t protokol = 0;          // 1 epoch A, 2 epoch B, 3 displacements, 4 added files
    std::uint8_t atributyVyberu = 0;    // 1 find, 2 select
    std::uint8_t etapa = 0;             // 1 first, 2 second epoch
    std::uint8_t etapaDruh = 0;         // 1 plain, 2 transformed
    std::uint8_t posunyZkracene = 0;    // 1..13: displacement view kind
    std::uint8_t posunyPlne = 0;        // 1 a priori, 2 a posteriori
};

// Point-buffer state.
struct Tschranka {
    bool souradnice_existuje = false;  // the point buffer holds cut or copied points
};

// Network drawing options.
struct Tgrafika {
    std::uint8_t barvaFixBod = 0;
    std::uint8_t barvaVyrBod = 0;
    std::uint8_t barvaMereni = 0;
    std::uint8_t barvaElipsa = 0;
    std::uint8_t barvaPozadi = 0;
    bool kreslitBod = false;
    bool kreslitMereniLinie = false;
    bool kreslitMereniPopis = false;
    bool kreslitElipsa = false;
    bool kreslitOsa = false;
    bool kreslitMeritko = false;
    std::uint8_t tloustkaBod = 0;
    std::uint8_t tloustkaMereni = 0;
    std::uint8_t tloustkaElipsa = 0;
    std::uint8_t tloustkaOsa = 0;
    std::uint8_t tloustkaMeritko = 0;
    std::int16_t textFont = 0;        // index into the font list; -1 the default font
    std::uint8_t textVelikost = 0;    // font size
    std::uint8_t textRez = 0;         // font style index
    std::uint8_t krizek = 0;          // cross size
    std::uint8_t krouzek = 0;         // circle size
    std::uint8_t zvetseniElipsa = 0;  // ellipse magnification index
    bool presnost = false;            // true a priori, false a posteriori
};

// Displacement drawing options.
struct TgrafikaPosun {
    std::uint8_t barvaBod = 0;
    std::uint8_t barvaElipsa = 0;
    std::uint8_t barvaPosunHzHodnota = 0;
    std::uint8_t barvaPosunHzHodnotaVyznamna = 0;
    std::uint8_t barvaPosunHzMezOdchylka = 0;
    std::uint8_t barvaPosunZHodnota = 0;
    std::uint8_t barvaPosunZHodnotaVyznamna = 0;
    std::uint8_t barvaPosunZMezOdchylka = 0;
    std::uint8_t barvaPozadi = 0;
    bool kreslitBod = false;
    bool kreslitElipsa = false;
    bool kreslitPosunHzHodnota = false;
    bool kreslitPosunHzMezOdchylka = false;
    bool kreslitPosunZHodnota = false;
    bool kreslitPosunZMezOdchylka = false;
    bool kreslitOsa = false;
    bool kreslitMeritko = false;
    std::uint8_t tloustkaBod = 0;
    std::uint8_t tloustkaElipsa = 0;
    std::uint8_t tloustkaPosunHzHodnota = 0;
    std::uint8_t tloustkaPosunHzMezOdchylka = 0;
    std::uint8_t tloustkaPosunZHodnota = 0;
    std::uint8_t tloustkaPosunZMezOdchylka = 0;
    std::uint8_t tloustkaOsa = 0;
    std::uint8_t tloustkaMeritko = 0;
    std::int16_t textFont = 0;      // index into the font list; -1 the default font
    std::uint8_t textVelikost = 0;
    std::uint8_t textRez = 0;
    std::uint8_t velikostBod = 0;
    std::uint8_t velikostPosunHzHodnota = 0;
    std::uint8_t velikostPosunHzMezOdchylka = 0;
    std::uint8_t velikostPosunZHodnota = 0;
    std::uint8_t velikostPosunZMezOdchylka = 0;
    std::uint8_t zvetseni = 0;      // vector scale index
    bool presnost = false;          // true a priori, false a posteriori
    std::uint8_t typHzPosunu = 0;   // kind of horizontal displacement drawn
};

// Report switches. A Byte field is the accuracy choice of a section, the item
// index of its list: with four items 0 none, 1 a priori, 2 a posteriori,
// 3 both; with three items 0 a priori, 1 a posteriori, 2 both; with two items
// 0 a priori, 1 a posteriori.
struct TprotokolNastaveni {
    bool etapaVstupInfo = false;
    bool etapaVstupSour = false;
    std::uint8_t etapaVstupSourPresnost = 0;   // four items
    bool etapaVstupElips = false;
    std::uint8_t etapaVstupElipsPresnost = 0;  // three items
    bool etapaTransKlic = false;
    bool etapaTransInfo = false;
    bool etapaTransSour = false;
    std::uint8_t etapaTransSourPresnost = 0;   // four items
    bool etapaTransElips = false;
    std::uint8_t etapaTransElipsPresnost = 0;  // three items
    bool posunInfo = false;
    bool posunKlic = false;
    bool posunBodyIdent = false;
    std::uint8_t posunBodyIdentPresnost = 0;   // four items
    std::uint8_t posunValuePresnost = 0;       // four items
    bool posunValueVse = false;
    bool posunValueOrthogonal = false;
    bool posunValueSemipolar = false;
    bool posunValuePolar = false;
    bool posunElips = false;
    std::uint8_t posunElipsPresnost = 0;       // two items
    std::uint8_t posunHodnoceniPresnost = 0;   // three items
    bool posunHodnoceniX = false;
    bool posunHodnoceniY = false;
    bool posunHodnoceniZ = false;
    bool posunHodnoceniDelkaH = false;
    bool posunHodnoceniDelkaS = false;
};

// Comparison settings.
struct Tporovnani {
    Extended riziko = 0;        // risk level alpha of the significance tests
    bool apriorni = false;      // compare with a-priori precision
    bool aposteriorni = false;  // compare with a-posteriori precision
};

class Tnastaveni {
public:
    TindexVector poradiXY;  // (1, 2) for the XY order, (2, 1) for YX
    Tjednotky jednotky;
    Tpresnost presnost;
    TsouborTyp souborVstup;   // open dialog
    TsouborTyp souborVystup;  // save dialog
    Tokno okno;
    std::uint8_t typJazyk = 0;  // 0 Czech, 1 English
    Tschranka schranka;
    std::uint8_t pocetVlaknaVse = 0;  // not set by Default
    Tgrafika grafika;
    TgrafikaPosun grafikaPosun;
    TprotokolNastaveni protokol;
    Tporovnani porovnani;

    // Every field zero or false, `poradiXY` of length 2 (zeros); Default is
    // not called here.
    Tnastaveni();

    // Writes every default; `okno`, `schranka`, `pocetVlaknaVse` and both
    // `typEtapa` bytes are left as they are.
    void Default();

    // Stores `poradi` in `jednotky.poradiSouradnice`; 0 sets `poradiXY` to
    // (1, 2), 1 to (2, 1), any other value leaves `poradiXY` as it was.
    void NastavPoradiXY(std::uint8_t poradi);

    // True when any section of the input-epoch report is switched on.
    bool JeProtokolEtapaVstup() const;
    // True when any section of the transformed-epoch report is switched on.
    bool JeProtokolEtapaTrans() const;
    // True when any section of the displacement report is switched on (the
    // accuracy-choice bytes do not count).
    bool JeProtokolPosun() const;
};

}  // namespace sitmera

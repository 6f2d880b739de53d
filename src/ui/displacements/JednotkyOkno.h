// The units and rounding window (`TForm14`) and the caption routines of the
// three settings windows (units, analysis, report).
//
// TForm14 edits `nastaveni.jednotky` (angle, length, coordinate and
// displacement units, coordinate system, axis order) and the eight decimal
// bytes of `nastaveni.presnost` (value / standard deviation of angles,
// lengths, coordinates and displacements; 0 .. 10). `presnost.meritko` is not
// shown and stays as it is. A combo box's item index is the stored code.
//
// Confirming a change stores every choice, applies the axis order to the
// settings and the texts, makes the texts again (unit captions follow the
// units), refreshes the main window's captions and grid and drops the built
// reports of both comparison models and of the displacement model, so that
// they are written again in the new units. The staleness flags of the
// loaded-file list stay: a change of units needs no new transformation or
// comparison. Confirming without a change only closes the window.
//
// The window shows one of two pictures of the coordinate system: `Image1` the
// geodetic system (X up, Y to the right, angles clockwise from X), `Image2` the
// mathematical one (X to the right, Y up, angles counter-clockwise from X).
// The pictures are drawn by the program.
#pragma once

#include <functional>
#include <string>

#include <QImage>

#include "numerics/Zaklad.h"
#include "ui/layer/Formular.h"
#include "ui/SouradniceMenu.h"

class QAction;
class QComboBox;
class QLabel;
class QPushButton;

namespace sitmera {

class Nabidka;
class Tjazyk;

// ---------------------------------------------------------------- captions of the settings windows

// Units window: caption, labels, buttons, copy item.
Tpopisky PopiskyJednotky(const Tjazyk& jazyk);
// The two items of the coordinate-system box: geodetic, mathematical.
TStringList PolozkySouradnicovehoSystemu(const Tjazyk& jazyk);
// Analysis settings window (`Form82`).
Tpopisky PopiskyAnalyzaPosunu(const Tjazyk& jazyk);
// Report settings window (`Form83`): caption, group headings, the 20
// section switches and the buttons.
Tpopisky PopiskyProtokolPosuny(const Tjazyk& jazyk);
// Items of an accuracy box of the report settings window: pocet 4 gives
// none, a priori, a posteriori, both; 3 a priori, a posteriori, both;
// 2 a priori, a posteriori (the item index is the stored byte).
TStringList PolozkyPresnostiProtokolu(const Tjazyk& jazyk, int pocet);

// The window versions (controls found by their names). The units window's
// version also refills `ComboBox10`, the report window's version the item
// lists of its eight accuracy boxes; their selection is left to the caller.
void NastavPopiskyJednotky(QWidget& okno, const Tjazyk& jazyk);
void NastavPopiskyAnalyzaPosunu(QWidget& okno, const Tjazyk& jazyk);
void NastavPopiskyProtokolPosuny(QWidget& okno, const Tjazyk& jazyk);

// ---------------------------------------------------------------- shared by the settings windows

// The keys of a settings window (KlavesyDialogu): Esc closes it, Enter
// confirms (potvrd); after either the main window's point grid gets the focus
// (FokusHlavniTabulky). Both keys are taken (klavesa := 0), others left.
void KlavesaOknaNastaveni(int& klavesa, Formular& okno, const std::function<void()>& potvrd);

// A label of a settings window (NovyLabel), 18 pixels high (bold: a heading).
QLabel* NovyPopisek(QWidget* rodic, const char* jmeno, int x, int y, int sirka, bool tucne = false);
// A button of a settings window (VytvorTlacitko: its click runs prikaz in the
// command boundary; Enter belongs to the window), 100 x 27 pixels.
QPushButton* NoveTlacitko(Formular& okno, const char* jmeno, int x, int y, std::function<void()> prikaz);

// ---------------------------------------------------------------- the picture

// The picture of a coordinate system (geodeticky: geodetic, else
// mathematical), sirka x vyska pixels: the two plane axes from an origin at
// the lower left (X drawn red, Y blue), a point with its projections on the
// axes, and the arc of the bearing from the X axis towards the point with its
// arrow at the point's ray.
QImage ObrazSouradnicovehoSystemu(bool geodeticky, int sirka, int vyska);

// ---------------------------------------------------------------- the window

class TForm14 : public Formular {
    Q_OBJECT
public:
    explicit TForm14(QWidget* rodic = nullptr);

    QLabel* Label8;   // units heading
    QLabel* Label1;   // value / deviation heading of the units
    QLabel* Label12;  // angles
    QLabel* Label13;  // lengths
    QLabel* Label14;  // coordinates
    QLabel* Label11;  // displacements
    QComboBox* ComboBox8;   // angle unit
    QComboBox* ComboBox7;   // length unit
    QComboBox* ComboBox9;   // coordinate unit
    QComboBox* ComboBox13;  // displacement unit
    QLabel* Label7;   // rounding heading
    QLabel* Label4;   // value / deviation heading of the rounding
    QLabel* Label9;   // angles
    QLabel* Label5;   // lengths
    QLabel* Label6;   // coordinates
    QLabel* Label2;   // displacements
    QComboBox* ComboBox3;   // angle decimals: value, deviation
    QComboBox* ComboBox4;
    QComboBox* ComboBox1;   // length decimals
    QComboBox* ComboBox2;
    QComboBox* ComboBox5;   // coordinate decimals
    QComboBox* ComboBox6;
    QComboBox* ComboBox11;  // displacement decimals
    QComboBox* ComboBox14;
    QLabel* Label10;  // display heading
    QLabel* Label3;   // axis order
    QComboBox* ComboBox12;  // axis order: XYZ, YXZ
    QLabel* Label18;  // coordinate system
    QComboBox* ComboBox10;  // geodetic, mathematical
    QLabel* Image1;   // geodetic picture
    QLabel* Image2;   // mathematical picture
    QPushButton* Button1;  // confirm
    QPushButton* Button2;  // close
    Nabidka* PopupMenu1;
    QAction* Kopirovat1;

    // The snapshot text: the item indexes of ComboBox1 .. ComboBox14, in that
    // numeric order, joined by "#".
    std::string Form2Str() const;

    void Button1Click();
    void Button2Click();
    void ComboBox10Select();
    void Kopirovat1Click();

protected:
    void FormShow() override;
    void FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory) override;

private:
    std::string snimek_;  // Form2Str when shown
};

// The one units window of the program (created on first use).
TForm14& Form14();

}  // namespace sitmera

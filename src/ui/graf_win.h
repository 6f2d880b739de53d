// The network graph window (`TForm44`): the drawing of the network of the
// epoch the epoch window shows (`etapaAktualni`): points, measurement lines
// and their labels, error ellipses, axes and scale bars, painted by the
// network canvas (drawing/Container.h) on the bitmap of `Image1`.
//
// The epoch window shows it modeless (ZobrazNemodalne), so that it takes
// input while the epoch window is modal, and it closes with the window that
// opened it. After a successful attach the epoch window calls UpdateDat; on a
// detach or a failed attach it closes the graph.
//
// The user chooses colours, line widths, font, symbol sizes, the ellipse
// magnification and precision and what is drawn; pans (a drag with exactly
// the left or the middle button, no modifier, or the arrow buttons by 10
// pixels) and zooms (the wheel and the zoom buttons, by the canvas's step
// 1.05 about the bitmap centre); and saves the drawing as PNG, BMP, JPEG or
// DXF (ui/layer/UlozeniKresby.h). The options live in the settings
// (`nastaveni->grafika`, stored with the project): read when the window is
// shown, written back whenever it closes.
//
// Drawing axes: the drawing data take the epoch's points for the chosen
// coordinate system (Tjednotky.souradnicovySystem; the mathematical one
// swaps X and Y, analysis/GrafikaData.h PrepsatSouradnice), both when the
// window is shown and in UpdateDat, so that a redraw after an attach is the
// picture a fresh showing gives. An epoch without a filled point is not
// drawn: the window closes (or does not open).
#pragma once

#include <memory>
#include <string>

#include "analysis/GrafikaData.h"
#include "core/Nastaveni.h"
#include "drawing/Container.h"
#include "ui/layer/Formular.h"
#include "ui/layer/GrafOvladace.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace sitmera {

class BarvaBox;
class Obrazek;
class TDXFwriterSit;

// ---------------------------------------------------------------- options
// The options as the settings keep them (Tgrafika): colours are positions of
// the colour list (ui/layer/BarvaBox.h), widths, sizes and the magnification
// indexes of the item lists (ui/layer/GrafOvladace.h), textFont an index of
// this machine's font list (-1: none, shown and drawn as "Tahoma", which the
// canvas maps to an installed font), textRez 0 normal, 1 bold, presnost true
// a priori.

// The window's defaults ("all defaults"): fixed points yellow, determined
// points lime, measurements silver, ellipses aqua, background black; points,
// lines, ellipses, axes and scale drawn, labels not; widths 1; no font
// (Tahoma), size 10, normal; cross 2, circle 1; magnification 50000; a priori.
Tgrafika VychoziVolbyGrafu();

// The stored options made fit for the controls: a colour outside the list
// takes its box's default colour, a font index that is no font of the list
// (pocetPisem fonts) becomes -1, and any other index outside its list takes
// the value of VychoziVolbyGrafu.
Tgrafika PlatneVolbyGrafu(const Tgrafika& volby, int pocetPisem);

// Which option controls are enabled (`Zmrazit`).
struct TpovoleniGrafu {
    bool bod = false;      // ColorBox1, ColorBox2, ComboBox3, ComboBox9, ComboBox11
    bool elipsa = false;   // ColorBox5, ComboBox5, ComboBox12, ComboBox13
    bool mereni = false;   // ColorBox3, ComboBox4, CheckBox7
    bool osa = false;      // ComboBox6
    bool meritko = false;  // ComboBox7
    bool pismo = false;    // ComboBox2, ComboBox8, ComboBox1: some text is drawn
};
TpovoleniGrafu PovoleniGrafu(const Tgrafika& volby);

// The options into the canvas's drawing parameters: widths index + 1 pixels,
// colours of the list, font name `pismo` with the listed size and style, the
// six switches, cross and circle sizes, the ellipse magnification, and s0 the
// a-priori or a-posteriori unit deviation of `data`. AxesType and UnitType are
// not touched. Indexes are taken as PlatneVolbyGrafu leaves them.
void VolbyDoKresby(const Tgrafika& volby, const std::string& pismo, const TgrafikaData& data,
                   TPaintSettings& ps);

// The options into the layers of the network DXF writer (layers as
// drawing/dxfwriterSit.h numbers them): colours of the determined-point
// layers 1-3, fixed-point layers 4-6, measurement layers 7-8 and ellipse
// layers 9-10 from their colour boxes; visibility 1-6 points, 7 lines, 8
// labels, 9 ellipses and a priori, 10 ellipses and a posteriori; Scale the
// magnification; lang the language (0 Czech, 1 English), and the names of
// layers 9 and 10 in that language end in "_" and the magnification.
void VolbyDoDXF(const Tgrafika& volby, std::uint8_t jazyk, TDXFwriterSit& dxf);

// ---------------------------------------------------------------- the window

class TForm44 : public Formular {
    Q_OBJECT
public:
    explicit TForm44(QWidget* rodic = nullptr);
    ~TForm44() override;

    // Colours: fixed points, determined points, measurements, background,
    // ellipses.
    BarvaBox* ColorBox1;
    BarvaBox* ColorBox2;
    BarvaBox* ColorBox3;
    BarvaBox* ColorBox4;
    BarvaBox* ColorBox5;
    // What is drawn: points, measurement lines, ellipses, axes, scale bars,
    // measurement labels.
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox4;
    QCheckBox* CheckBox5;
    QCheckBox* CheckBox7;
    // Font style, font, widths (points, measurements, ellipses, axes, scale),
    // font size, cross, circle, magnification, precision.
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QComboBox* ComboBox3;
    QComboBox* ComboBox4;
    QComboBox* ComboBox5;
    QComboBox* ComboBox6;
    QComboBox* ComboBox7;
    QComboBox* ComboBox8;
    QComboBox* ComboBox9;
    QComboBox* ComboBox11;
    QComboBox* ComboBox12;
    QComboBox* ComboBox13;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label14;
    QLabel* Label16;
    QLabel* Label19;
    QLabel* Label20;
    QLabel* Label22;
    QLabel* Label23;
    // All defaults, whole network, zoom in, zoom out, up, down, left, right,
    // default colours, black and white, save.
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    QPushButton* BitBtn5;
    QPushButton* BitBtn6;
    QPushButton* BitBtn7;
    QPushButton* BitBtn8;
    QPushButton* BitBtn10;
    QPushButton* BitBtn11;
    QPushButton* BitBtn12;
    Obrazek* Image1;
    QWidget* Panel1;  // the option controls, left of the picture

    // The canvas while the window is shown (null otherwise).
    TContainer* Kontejner() const { return kontejnerSit_.get(); }

    // Command handlers.
    void BitBtn1Click();   // all defaults
    void BitBtn2Click();   // whole network
    void BitBtn3Click();   // zoom in
    void BitBtn4Click();   // zoom out
    void BitBtn5Click();   // pan left
    void BitBtn8Click();   // pan right
    void BitBtn6Click();   // pan up
    void BitBtn7Click();   // pan down
    void BitBtn10Click();  // default colours
    void BitBtn11Click();  // black and white
    void BitBtn12Click();  // save
    // Mouse over the picture (pixels of Image1) and the wheel anywhere in
    // the window (delta as ZachytKolecko gives it).
    void Image1MouseDown(Qt::MouseButton tlacitko, Qt::KeyboardModifiers modifikatory, int x, int y);
    void Image1MouseMove(Qt::MouseButtons tlacitka, Qt::KeyboardModifiers modifikatory, int x, int y);
    void FormMouseWheel(int delta);

    // The controls into the canvas, the drawing, then Zmrazit.
    void Prekreslit();
    // The enabling of the option controls.
    void Zmrazit();
    // The stored options into the controls / the controls into the settings.
    void NacistNastaveni();
    void UlozitNastaveni();
    // The epoch's drawing data were reloaded: the data step again, the whole
    // network, the drawing. Closes the window when the epoch has no point.
    void UpdateDat();
    // The window's options into the writer's layers.
    void PrekreslitDXF(TDXFwriterSit& dxf);

    // The options the controls show.
    Tgrafika VolbyOvladacu() const;
    // The font name of ComboBox2 ("Tahoma" when none is chosen).
    std::string NazevPisma() const;

protected:
    void FormShow() override;
    void FormClose() override;
    void FormResize() override;

private:
    void VytvorOvladace();
    void PopisOkna();
    void NastavOvladace(const Tgrafika& volby);
    // The epoch's points into the drawing data for the coordinate system and
    // the data into the canvas; false when there is nothing to draw.
    bool PripravData();
    // The canvas's picture again, and on screen.
    void Vykresli();
    // The view panned by (dx, dy) pixels / zoomed in or out by one step, and
    // drawn.
    void Posun(int dx, int dy);
    void Zvetsi(bool priblizit);

    std::unique_ptr<TContainer> kontejnerSit_;
    TtahMysi mys_;  // last mouse position (pixels of Image1)
};

// The one network graph window (created on first use).
TForm44& Form44();

}  // namespace sitmera

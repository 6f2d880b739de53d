// The displacement graph window (`TForm84`): the drawing of the comparison
// result (drawing/ContainerPosun.h) on the bitmap of `Image1`: the compared
// points, their error ellipses, the horizontal displacement vectors (X, Y or
// the horizontal length with its bearing) and the vertical ones, each
// coloured by its significance, with their limit deviations, axes and scale
// bars. The panel on the left chooses what is drawn, pen widths, symbol
// sizes, the magnification, the precision (a priori or a posteriori) and the
// font; the colours are chosen in the colour window `TForm85`
// (grafBarvaOkno.h), whose boxes the drawing reads.
//
// The displacement window shows it modeless (ZobrazNemodalne), so that it
// takes input while that window is modal, and closes it on every kind of
// its own close. Each showing prepares the model's drawing and DXF copies
// for the chosen coordinate system (GrafikaDleSouradnicovehoSystemu: a point
// and its displacement are paired through the displacement's order number,
// so a sorted list draws the same), makes a fresh canvas and the whole view,
// loads the stored options (`nastaveni->grafikaPosun`) and paints once; the
// close stores the options and frees the canvas. The model must not change
// while the window is open (a new comparison closes the displacement window
// first).
//
// Pan and zoom as in the network graph (ui/layer/GrafOvladace.h): a drag
// with exactly the left or the middle button and no modifier, the arrow
// buttons by 10 pixels, the wheel and the zoom buttons by the canvas's step.
// The drawing is saved as PNG, BMP, JPEG or DXF (ui/layer/UlozeniKresby.h);
// any failure shows notice 28.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/Nastaveni.h"
#include "drawing/ContainerPosun.h"
#include "ui/layer/Formular.h"
#include "ui/layer/GrafOvladace.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace sitmera {

class TDXFwriterPosun;
class Tjazyk;

// ---------------------------------------------------------------- options
// The options as the settings keep them (TgrafikaPosun): colours are
// positions of the colour list (ui/layer/BarvaBox.h); widths, sizes, the font
// size and the magnification indexes of their item lists (GrafOvladace.h);
// textFont an index of this machine's font list (-1: none, shown and drawn
// as "Tahoma"); textRez 0 normal, 1 bold; presnost true a priori; typHzPosunu
// 0 X, 1 Y, 2 horizontal length ("Hz").

// The nine colours in the order of the colour window's boxes: points,
// ellipses, Hz vector, Hz vector significant, Hz limit, Z vector, Z vector
// significant, Z limit, background.
inline constexpr int kPocetBarevPosun = 9;
using TbarvyPosun = std::array<std::uint8_t, kPocetBarevPosun>;
TbarvyPosun BarvyVoleb(const TgrafikaPosun& volby);
void NastavBarvyVoleb(TgrafikaPosun& volby, const TbarvyPosun& barvy);

// The window's defaults ("default settings"): points lime, ellipses aqua,
// Hz and Z vectors lime, significant Hz red and Z purple, limits silver,
// background black; points, ellipses, horizontal vectors, axes and scale
// bars drawn, limits and vertical vectors not; widths 1; sizes: point 4, Hz
// vector 10, Hz limit 4, Z vector 3, Z limit 4; magnification 50000; a
// priori; no font (Tahoma), size 10, normal; horizontal quantity "Hz".
TgrafikaPosun VychoziVolbyGrafuPosun();
// Black and white: colours 1-8 black, background white.
TbarvyPosun CernobileBarvyPosun();

// The stored options made fit for the controls: a font index that is no font
// of the list (pocetPisem fonts) becomes -1; when any other index lies
// outside its list, the defaults instead.
TgrafikaPosun PlatneVolbyGrafuPosun(const TgrafikaPosun& volby, int pocetPisem);

// Precision: the settings keep a Boolean (true a priori), the precision box
// and the canvas an item index (0 a priori, 1 a posteriori).
inline std::uint8_t IndexPresnosti(bool apriorni) { return apriorni ? 0 : 1; }

// Which option controls are enabled (`Zmrazit`).
struct TpovoleniGrafuPosun {
    bool bod = false;       // ComboBox01, ComboBox13
    bool elipsa = false;    // ComboBox02
    bool posunHz = false;   // ComboBox09, ComboBox03, ComboBox14
    bool mezHz = false;     // ComboBox04, ComboBox15
    bool posunZ = false;    // ComboBox05, ComboBox16
    bool mezZ = false;      // ComboBox06, ComboBox17
    bool osa = false;       // ComboBox07
    bool meritko = false;   // ComboBox08
    bool pismo = false;     // ComboBox10, ComboBox11, ComboBox12: points, axes or scale bars
    bool zvetseni = false;  // ComboBox18, ComboBox19: ellipses, vectors or limits
};
TpovoleniGrafuPosun PovoleniGrafuPosun(const TgrafikaPosun& volby);

// The options into the canvas's drawing parameters: widths index + 1 pixels,
// sizes, font size and magnification the numbers of their items, colours of
// the list, the font `pismo`, the switches, the precision index and the
// horizontal quantity. zoomF, AxesType and the unit types are not touched.
void VolbyDoKresbyPosun(const TgrafikaPosun& volby, const std::string& pismo, TPaintSettingsPosun& ps);

// The options into the layers of the displacement DXF writer (layers as
// drawing/dxfwriterPosun.h numbers them): colours of the point layers 1-3,
// ellipses 4-5, Hz vectors 6 and 8 (7 and 9 significant), Hz limits 10-11,
// Z vectors 12 and 14 (13 and 15 significant), Z limits 16-17 from their
// colour boxes; each kind visible when it is drawn, the a-priori layers
// only with the a-priori precision, the a-posteriori ones only with the
// other; Scale the magnification; lang the language (0 Czech, 1 English),
// and the names of layers 4 to 17 in that language end in "_" and the
// magnification; typHzPosunu the horizontal quantity.
void VolbyDoDXFPosun(const TgrafikaPosun& volby, std::uint8_t jazyk, TDXFwriterPosun& dxf);

// The caption of the horizontal quantity `polozka` ("X", "Y", "Hz"): the item,
// a blank, the lower-case word for a displacement and ":" ("Hz movement:").
std::string PopisPosunuHz(const Tjazyk& jazyk, const std::string& polozka);

// ---------------------------------------------------------------- the window

class TForm84 : public Formular {
    Q_OBJECT
public:
    explicit TForm84(QWidget* rodic = nullptr);
    ~TForm84() override;

    // What is drawn: points, ellipses, Hz vectors, Hz limits, Z vectors, Z
    // limits, axes, scale bars.
    QCheckBox* CheckBox01;
    QCheckBox* CheckBox02;
    QCheckBox* CheckBox03;
    QCheckBox* CheckBox04;
    QCheckBox* CheckBox05;
    QCheckBox* CheckBox06;
    QCheckBox* CheckBox07;
    QCheckBox* CheckBox08;
    // Pen widths in the order of the check boxes.
    QComboBox* ComboBox01;
    QComboBox* ComboBox02;
    QComboBox* ComboBox03;
    QComboBox* ComboBox04;
    QComboBox* ComboBox05;
    QComboBox* ComboBox06;
    QComboBox* ComboBox07;
    QComboBox* ComboBox08;
    QComboBox* ComboBox09;  // horizontal quantity X, Y, Hz
    QComboBox* ComboBox10;  // font
    QComboBox* ComboBox11;  // font size
    QComboBox* ComboBox12;  // normal / bold
    // Sizes of points, Hz vectors, Hz limits, Z vectors, Z limits.
    QComboBox* ComboBox13;
    QComboBox* ComboBox14;
    QComboBox* ComboBox15;
    QComboBox* ComboBox16;
    QComboBox* ComboBox17;
    QComboBox* ComboBox18;  // magnification
    QComboBox* ComboBox19;  // a priori / a posteriori
    // Colour, elements, width, text, size; the size rows (point, Hz vector,
    // Hz limit, Z vector, Z limit); magnification; precision.
    QLabel* Label01;
    QLabel* Label02;
    QLabel* Label03;
    QLabel* Label04;
    QLabel* Label05;
    QLabel* Label06;
    QLabel* Label07;
    QLabel* Label08;
    QLabel* Label09;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12;
    // Black and white, default colours, the colour window, save, default
    // settings; whole drawing, zoom in, zoom out, left, up, down, right.
    QPushButton* BitBtn01;
    QPushButton* BitBtn02;
    QPushButton* BitBtn03;
    QPushButton* BitBtn04;
    QPushButton* BitBtn05;
    QPushButton* BitBtn06;
    QPushButton* BitBtn07;
    QPushButton* BitBtn08;
    QPushButton* BitBtn09;
    QPushButton* BitBtn10;
    QPushButton* BitBtn11;
    QPushButton* BitBtn12;
    Obrazek* Image1;
    QWidget* Panel1;  // the option controls, left of the picture

    // The canvas while the window is shown (null otherwise).
    TcontainerPosun* Kontejner() const { return kontejner_.get(); }
    // How many times Prekreslit has painted the drawing since the window
    // was made.
    int PocetPrekresleni() const { return pocetPrekresleni_; }

    // Command handlers.
    void BitBtn01Click();  // black and white
    void BitBtn02Click();  // default colours
    void BitBtn03Click();  // the colour window
    void BitBtn04Click();  // save
    void BitBtn05Click();  // default settings
    void BitBtn06Click();  // whole drawing
    void BitBtn07Click();  // zoom in
    void BitBtn08Click();  // zoom out
    void BitBtn09Click();  // pan left
    void BitBtn10Click();  // pan up
    void BitBtn11Click();  // pan down
    void BitBtn12Click();  // pan right
    void ComboBox09Select();
    // Mouse over the picture (pixels of Image1) and the wheel anywhere in
    // the window (delta as ZachytKolecko gives it).
    void Image1MouseDown(Qt::MouseButton tlacitko, Qt::KeyboardModifiers modifikatory, int x, int y);
    void Image1MouseMove(Qt::MouseButtons tlacitka, Qt::KeyboardModifiers modifikatory, int x, int y);
    void FormMouseWheel(int delta);

    // Once the options are loaded: the controls into the canvas, the
    // drawing, then Zmrazit.
    void Prekreslit();
    // The enabling of the option controls.
    void Zmrazit();
    // The stored options into the controls (the defaults when they are
    // broken) / the controls into the settings.
    void NacistNastaveni();
    void UlozitNastaveni();
    // The defaults into the controls.
    void DefaultNastaveni();
    // The whole drawing again.
    void UpdateDat();
    // The window's options into the writer's layers.
    void PrekreslitDXF(TDXFwriterPosun& dxf);

    // The options the controls show (the colours those of the colour window).
    TgrafikaPosun VolbyOvladacu() const;
    // The font name of ComboBox10 ("Tahoma" when none is chosen).
    std::string NazevPisma() const;
    // The item of ComboBox09 ("X", "Y" or "Hz").
    std::string PolozkaPosunuHz() const;

protected:
    void FormShow() override;
    void FormClose() override;
    void FormResize() override;

private:
    void VytvorOvladace();
    void PopisOkna();
    void PopisLabel07();
    void NastavOvladace(const TgrafikaPosun& volby);
    void Vykresli();
    void Posun(int dx, int dy);
    void Zvetsi(bool priblizit);

    std::unique_ptr<TcontainerPosun> kontejner_;
    bool nastaveniNactena_ = false;  // false while the controls are being filled
    int pocetPrekresleni_ = 0;
    TtahMysi mys_;  // last mouse position (pixels of Image1)
};

// The one displacement graph window (created on first use).
TForm84& Form84();

}  // namespace sitmera

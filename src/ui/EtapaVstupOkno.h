// The epoch window (`TForm66`): the points of one epoch, and the commands on
// that epoch.
//
// The main window sets `etapaAktualni` and the mode bytes `okno.etapa` (1
// first, 2 second epoch) and `okno.etapaDruh` (1 the epoch as loaded, from
// `modelPorovnani`; 2 the transformed epoch, from
// `modelPorovnaniTransformace`) and shows the window modally. The grid shows
// the window's own copy of the epoch's point list (`souradniceEtapa`), never
// the epoch's list itself, with one selection flag per row; a fixed point's
// number carries a letter F, green in epoch 1, red in epoch 2. The status
// line reads " selected / points (determined, fixed)".
//
// Kind 1 attaches an epoch file (*.epc) to the epoch or detaches it. An
// attach that reads the file changes the epoch, the grid, the identical
// points (and the main window's pairs), resets this epoch's point choices of
// the transformation key, recomputes the key and marks both transformed
// epochs stale; an attach that fails shows its notice, closes the network
// graph and changes nothing else. A detach empties the epoch with the same
// consequences and no notice. Kind 2 has no attach and detach; its
// information item becomes a submenu with the key and the adjustment.
//
// Both kinds open the epoch's result windows: the report (through the report
// viewer), the internal length and angle analyses, and through
// `DalsiOknaEtapy()` the windows of other units (information, key
// information, standard deviations, error ellipsoids, covariance matrix,
// network graph). An item whose window is not registered stays disabled.
//
// The network graph is modeless: it follows the epoch window. A successful
// attach reloads it in place (UpdateDat) when the epoch has a point and
// closes it otherwise (a drawing needs a point); a failed attach, a detach
// and the closing of the epoch window close it.
#pragma once

#include <functional>
#include <string>

#include "numerics/Zaklad.h"
#include "points/Souradnice.h"
#include "ui/TabulkaSouradnice.h"
#include "ui/layer/Formular.h"

class QAction;
class QLabel;
class QMenuBar;
class QWidget;

namespace sitmera {

class Mrizka;
class Nabidka;

// How the epoch window opens the windows of other units. The window sets the
// mode bytes first (`okno.souradnice` 2 / 3 for the deviations,
// `okno.elipsoidChyb` 1 / 2 for the ellipsoids, `okno.kovariancniMatice` 1);
// the deviation and ellipsoid windows get their caption from it. An empty
// function: the window does not exist yet and its items stay disabled.
struct TdalsiOknaEtapy {
    std::function<void()> Form67;                          // adjustment information (modal)
    std::function<void()> Form80;                          // key information (modal)
    std::function<void()> Form36;                          // covariance matrix (modal)
    std::function<void(const std::string& nadpis)> Form10;  // standard deviations (modal)
    std::function<void(const std::string& nadpis)> Form24;  // error ellipsoids (modal)
    // The network graph (modeless): show it; whether it is shown; redraw it
    // after the epoch was read again in place (UpdateDat); close it.
    std::function<void()> Form44;
    std::function<bool()> Form44Zobrazeno;
    std::function<void()> Form44UpdateDat;
    std::function<void()> Form44Zavrit;
};
TdalsiOknaEtapy& DalsiOknaEtapy();

class TForm66 : public Formular, public TovladaceSouradnic {
    Q_OBJECT
public:
    explicit TForm66(QWidget* rodic = nullptr);
    ~TForm66() override;

    // Main menu.
    QMenuBar* MainMenu1;
    Nabidka* Hlavni1;
    QAction* Pripojit1;
    QAction* Odpojit1;
    QAction* Zavrit1;
    Nabidka* Sit1;
    QAction* Informace1;
    Nabidka* Informace2;
    QAction* InfoKlic1;
    QAction* InfoSit1;
    QAction* Kresba1;
    QAction* Protokol1;
    Nabidka* Souradnice1;
    QAction* OdchylkyAprior1;
    QAction* OdchylkyAposterior1;
    QAction* ElipsoidAprior1;
    QAction* ElipsoidAposterior1;
    QAction* KovariancniMatice1;
    Nabidka* Analyza1;
    QAction* AnalyzaDelky1;
    QAction* AnalyzaUhly1;
    // Popup menu of the grid.
    Nabidka* PopupMenu1;
    QAction* OznacitVse1;
    QAction* OdznacitVse1;
    QAction* Kopirovat2;
    // Grid, header and status line: the members of TovladaceSouradnic.

    // The window's copy of the epoch's points (padded with empty records to
    // the rows on screen), one selection flag a row, the current row.
    Tsouradnice souradniceEtapa;
    TboolVector vyberEtapa;
    int radekEtapa = 0;

    // The window's fixed outer width (pixels).
    int PevnaSirka() const;
    // Refills the grid from the window's list (only the rows on screen).
    void ObnovTabulku();

    // Menu commands.
    void Pripojit1Click();
    void Odpojit1Click();
    void Zavrit1Click();
    void Informace1Click();
    void InfoKlic1Click();
    void Kresba1Click();
    void Protokol1Click();
    void OdchylkyAprior1Click();
    void OdchylkyAposterior1Click();
    void ElipsoidAprior1Click();
    void ElipsoidAposterior1Click();
    void KovariancniMatice1Click();
    void AnalyzaDelky1Click();
    void AnalyzaUhly1Click();
    void Kopirovat2Click();
    void OznacitVse1Click();
    void OdznacitVse1Click();

    // Enabling (on opening of the menus and after every change).
    void PovolitMenu();
    void PovolitPopup();

protected:
    void FormShow() override;
    void FormClose() override;
    void FormResize() override;

private:
    void VytvorMenu();
    void PripojMrizku();
    void ObnovDostupnost();
    void PoZmeneVyberu();
    // After an attach or a detach: the grid from row 0, the caption, the
    // main window's pairs, and the key and transformed epochs made afresh.
    void ObnovPoZmeneEtapy();
    void ZavriKresbu();
    void ZobrazOdchylky(std::uint8_t rezim);
    void ZobrazElipsoidy(std::uint8_t rezim);

    TvyberMysi mys_;
};

// The one epoch window of the program (created on first use).
TForm66& Form66();

}  // namespace sitmera

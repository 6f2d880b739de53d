// The main displacement window (`TForm68`): the result of a comparison.
//
// The main window's compare command opens it modally after a successful
// comparison (and again, without recomputing, once the comparison is done).
// It shows the displacement model's list `modelPosuny->posuny` in a grid of
// six columns: the point number (with a green, red or orange F for a point
// fixed in epoch 1, epoch 2 or both), the X and Y differences in the axis
// order, Z, the horizontal and the spatial length, in the displacement unit
// (TabulkaPosuny.h), with a blue bar on a value significant a priori and a
// green one on a value significant a posteriori. Below the grid: the number
// of compared points and, under each value column, the counts of
// displacements significant a priori / a posteriori ("-" for a test that is
// off).
//
// Its menus find, mark, select, sort and copy displacements, write the
// displacement report (shown in the report viewer), and lead to the other
// views of the result. Sorting reorders the model's list itself: the report
// is cleared and both analyses between the epochs go back to their first
// points. The list stays padded with empty records for display after the
// window closes; counts and searches use the model's `pocet`.
//
// Windows of other units are opened through `DalsiOknaPosuny()`: the unit
// that builds a window registers how to show it; a command whose window is
// not registered stays disabled. The handlers set the settings' mode bytes
// (`nastaveni->okno`) before the call.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "numerics/Zaklad.h"
#include "ui/layer/Formular.h"
#include "ui/TabulkaSouradnice.h"
#include "ui/displacements/TabulkaPosuny.h"

class QAction;
class QLabel;
class QMenuBar;
class QWidget;

namespace sitmera {

class Mrizka;
class Nabidka;

// How the displacement window opens the windows of other units (modal
// through ZobrazModalne, unless said otherwise). An empty function: the
// window does not exist yet, and its commands are disabled.
struct TdalsiOknaPosuny {
    std::function<void()> Form70;  // shortened view, mode okno.posunyZkracene (1..13)
    // Full deviation view, okno.posunyPlne (1 a priori, 2 a posteriori), with
    // the caption it is to show.
    std::function<void(const std::string& nadpis)> Form71;
    // Error ellipsoids of the displacements, okno.elipsoidChyb (5 a priori,
    // 6 a posteriori), with the caption it is to show.
    std::function<void(const std::string& nadpis)> Form24;
    std::function<void()> Form76;  // information on the displacement analysis
    std::function<void()> Form80;  // transformation-key information
    std::function<void()> Form81;  // find / select by criteria, okno.atributyVyberu (1 find, 2 select)
    std::function<void()> Form74;  // length analysis between the epochs
    std::function<void()> Form75;  // angle analysis between the epochs
    // The displacement graph, shown modeless over this window; and its close
    // (it closes the graph when the graph is open).
    std::function<void()> Form84;
    std::function<void()> Form84Zavrit;
};
TdalsiOknaPosuny& DalsiOknaPosuny();

class TForm68 : public Formular {
    Q_OBJECT
public:
    explicit TForm68(QWidget* rodic = nullptr);
    ~TForm68() override;

    // Main menu.
    QMenuBar* MainMenu1;
    Nabidka* Hlavni1;
    Nabidka* Informace1;
    QAction* InfoAnalyza1;
    QAction* InfoKlic1;
    QAction* Kresba1;
    QAction* Protokol1;
    QAction* Zavrit1;
    Nabidka* Posuny1;
    QAction* Hledat1;
    QAction* HledatDalsi1;
    QAction* HledatPredchozi1;
    QAction* HledatVyznamneAprior2;
    QAction* HledatVyznamneAposter2;
    Nabidka* Seradit1;
    QAction* SeraditDleCislo1;
    QAction* SeraditDleX1;
    QAction* SeraditDleY1;
    QAction* SeraditDleZ1;
    QAction* SeraditDleDelkaH1;
    QAction* SeraditDleDelkaS1;
    QAction* Kopirovat2;
    Nabidka* Vyber1;
    QAction* OznacitVse2;
    QAction* OdznacitVse2;
    QAction* OznacitVyznamneAprior2;
    QAction* OznacitVyznamneAposter2;
    QAction* VyberDleAtributu1;
    Nabidka* Projekce1;
    QAction* Ortogonalni1;
    QAction* Semipolarni1;
    QAction* Polarni1;
    Nabidka* Presnost1;
    QAction* OdchylkyAprior1;
    QAction* OdchylkyAposterior1;
    QAction* ElipsoidAprior1;
    QAction* ElipsoidAposterior1;
    Nabidka* Hodnoceni1;
    Nabidka* PresnostAprior1;
    QAction* SouradniceX1;
    QAction* SouradniceY1;
    QAction* SouradniceZ1;
    QAction* DelkaH1;
    QAction* DelkaS1;
    Nabidka* PresnostAposterior1;
    QAction* SouradniceX2;
    QAction* SouradniceY2;
    QAction* SouradniceZ2;
    QAction* DelkaH2;
    QAction* DelkaS2;
    Nabidka* Analyza1;
    QAction* AnalyzaDelky1;
    QAction* AnalyzaUhly1;
    // Popup menu of the grid.
    Nabidka* PopupMenu1;
    QAction* OznacitVse1;
    QAction* OdznacitVse1;
    QAction* HledatVyznamneAprior1;
    QAction* HledatVyznamneAposter1;
    QAction* OznacitVyznamneAprior1;
    QAction* OznacitVyznamneAposter1;
    QAction* Kopirovat1;
    // Header, grid and status panel.
    QWidget* Panel2;
    QLabel* Label_BOD;
    QLabel* Label_bod_cislo;
    QLabel* Label_SRD;
    QLabel* Label_srd_X;
    QLabel* Label_srd_Y;
    QLabel* Label_srd_Z;
    QLabel* Label_srd_delkaH;
    QLabel* Label_srd_delkaS;
    QLabel* Label_srd_X_jdn;
    QLabel* Label_srd_Y_jdn;
    QLabel* Label_srd_Z_jdn;
    QLabel* Label_srd_delkaH_jdn;
    QLabel* Label_srd_delkaS_jdn;
    QLabel* Label_doplnek;
    Mrizka* StringGrid3;
    QWidget* Panel1;
    QLabel* Label_vyber;
    QLabel* Label_zpracovani;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;

    // Selection flags of the grid, one per record of the (padded) list; the
    // find and select window sets them too.
    TboolVector vyber;

    // The window's fixed outer width (pixels): frame, the six columns and a
    // vertical scroll bar.
    int PevnaSirka() const;

    // Refills the grid from the model's list (only the rows on screen).
    void ObnovTabulku();
    // Recomputes the enabling of the menu and popup items.
    void ObnovPovoleni();

    // Menu commands.
    void InfoAnalyza1Click();
    void InfoKlic1Click();
    void Kresba1Click();
    void Protokol1Click();
    void Zavrit1Click();
    void Hledat1Click();
    void HledatDalsi1Click();
    void HledatPredchozi1Click();
    void HledatVyznamneAprior2Click() { HledejVyznamny(true); }
    void HledatVyznamneAposter2Click() { HledejVyznamny(false); }
    void SeraditDleCislo1Click() { Serad(-1); }
    void SeraditDleX1Click() { Serad(0); }
    void SeraditDleY1Click() { Serad(1); }
    void SeraditDleZ1Click() { Serad(2); }
    void SeraditDleDelkaH1Click() { Serad(3); }
    void SeraditDleDelkaS1Click() { Serad(4); }
    void Kopirovat2Click();
    void OznacitVse2Click();
    void OdznacitVse2Click();
    void OznacitVyznamneAprior2Click() { OznacVyznamne(true); }
    void OznacitVyznamneAposter2Click() { OznacVyznamne(false); }
    void VyberDleAtributu1Click();
    void Ortogonalni1Click() { ZobrazZkracene(1); }
    void Semipolarni1Click() { ZobrazZkracene(2); }
    void Polarni1Click() { ZobrazZkracene(3); }
    void OdchylkyAprior1Click() { ZobrazPlne(1); }
    void OdchylkyAposterior1Click() { ZobrazPlne(2); }
    void ElipsoidAprior1Click() { ZobrazElipsoidy(5); }
    void ElipsoidAposterior1Click() { ZobrazElipsoidy(6); }
    // Evaluation of one quantity k (0 X .. 4 spatial length): modes 4 + k
    // a priori, 9 + k a posteriori.
    void HodnoceniClick(int k, bool aprior) { ZobrazZkracene((aprior ? 4 : 9) + k); }
    void AnalyzaDelky1Click();
    void AnalyzaUhly1Click();
    // Popup twins.
    void OznacitVse1Click() { OznacitVse2Click(); }
    void OdznacitVse1Click() { OdznacitVse2Click(); }
    void HledatVyznamneAprior1Click() { HledatVyznamneAprior2Click(); }
    void HledatVyznamneAposter1Click() { HledatVyznamneAposter2Click(); }
    void OznacitVyznamneAprior1Click() { OznacitVyznamneAprior2Click(); }
    void OznacitVyznamneAposter1Click() { OznacitVyznamneAposter2Click(); }
    void Kopirovat1Click() { Kopirovat2Click(); }

protected:
    void FormShow() override;
    void FormClose() override;
    void FormResize() override;

private:
    void VytvorMenu();
    void VytvorOvladace();
    void PripojMrizku();
    void ZmenaVyberu();
    void ZobrazDalsi(const std::function<void()>& zobraz);
    void ZobrazZkracene(int rezim);
    void ZobrazPlne(int typ);
    void ZobrazElipsoidy(int rezim);
    void HledejVyznamny(bool aprior);
    void HledejDleAtributu(bool dopredu);
    void OznacVyznamne(bool aprior);
    void Serad(int velicina);

    TvyberMysi mys_;
    TovladacePosunu ovladace_;
    // Commands that open a window of another unit, and whether it is there.
    std::vector<std::pair<QAction*, std::function<bool()>>> zavisle_;
};

// The one displacement window of the program (created on first use).
TForm68& Form68();

// The windows opened from the displacement window reach it as their opener:
// `okno` as the displacement window, or null when it is another window (or
// null).
TForm68* OknoPosunu(Formular* okno);
// Gives the focus to the displacement window's grid (after a window opened
// from it closes); nothing when `okno` is not the displacement window.
void FokusTabulkyPosunu(Formular* okno);

}  // namespace sitmera

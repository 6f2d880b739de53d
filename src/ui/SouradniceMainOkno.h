// The main window (`TForm65`) and the start of the program.
//
// The main window is the application's main window. When it is first shown
// it has the global model objects created (core/Globalni.h) and points the
// shared windows at them; it shows the identical points of both epochs in one
// grid (the list `souradniceHlavni`, two rows per identical pair: epoch 1 at
// row 2i, epoch 2 at row 2i + 1), and its menu leads to every other part of
// the program: project open and save, settings, language, find/select and
// activation of pairs, the epochs, user points, the transformation key, the
// transformed epochs and the comparison. Closing it asks for confirmation;
// on yes the global objects are freed and the program ends. Nothing is saved
// at exit.
//
// Windows that other units build are opened through `DalsiOkna()`: the unit
// that builds a window registers how to show it. A menu item whose window is
// not registered stays disabled.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/layer/Formular.h"
#include "ui/TabulkaSouradnice.h"

class QAction;
class QLabel;
class QMenuBar;
class QWidget;

namespace sitmera {

class Mrizka;
class Nabidka;

// How the main window shows the windows of other units (modal, through
// ZobrazModalne). An empty function: the window does not exist yet, and its
// menu items are disabled.
struct TdalsiOkna {
    std::function<void()> Form14;  // units and decimals
    std::function<void()> Form82;  // analysis settings
    std::function<void()> Form83;  // report settings
    std::function<void()> Form21;  // about
    std::function<void()> Form61;  // find / select in the main list
    std::function<void()> Form66;  // epoch window
    std::function<void()> Form78;  // user points
    std::function<void()> Form77;  // transformation key
    std::function<void()> Form68;  // main displacement window
};
TdalsiOkna& DalsiOkna();

class TForm65 : public Formular, public TovladaceSouradnic {
    Q_OBJECT
public:
    explicit TForm65(QWidget* rodic = nullptr);
    ~TForm65() override;

    // Main menu.
    QMenuBar* MainMenu1;
    Nabidka* Hlavni1;
    QAction* ProjektOtevrit1;
    QAction* ProjektUlozitJako1;
    Nabidka* Nastaveni1;
    Nabidka* Jazyk1;
    QAction* Cestina1;
    QAction* Anglictina1;
    QAction* Jednotky1;
    QAction* Analyza2;
    QAction* ProtokolNastaveni1;
    QAction* Zavrit1;
    Nabidka* Souadnice1;
    QAction* Hledat1;
    QAction* HledatDalsi1;
    QAction* HledatPredchozi1;
    Nabidka* Spravovat1;
    QAction* JeAktivni1;
    QAction* JeNeaktivni1;
    QAction* Kopirovat1;
    Nabidka* Vyber1;
    QAction* Vybratvse1;
    QAction* Zrusitvyber1;
    QAction* VyberDleAtributu1;
    Nabidka* Analyza1;
    QAction* PrvniEtapa1;
    QAction* DruhaEtapa1;
    QAction* UzivBody1;
    QAction* TransformacniKlic1;
    QAction* TransformaceEpocha1;
    QAction* TransformaceEpocha2;
    QAction* Porovnat1;
    QAction* Oprogramu1;
    // Popup menu of the grid.
    Nabidka* PopupMenu1;
    QAction* VybratVse2;
    QAction* ZrusitVyber2;
    QAction* JeAktivni2;
    QAction* JeNeaktivni2;
    QAction* Kopirovat2;
    // Grid, header and status line: the members of TovladaceSouradnic.

    // The window's fixed outer width (pixels): frame, the four columns and a
    // vertical scroll bar.
    int PevnaSirka() const;

    // Rebuilds the main list from the identical points of the loaded model
    // (pairs interleaved), clears the selection, makes row 0 current and
    // refills the grid. Called after a project is opened and by the epoch
    // window after an epoch is attached or detached.
    void Prekresli();

    // Refills the grid from the main list (only the rows on screen).
    void ObnovTabulku();

    // Menu commands.
    void ProjektOtevrit1Click();
    void ProjektUlozitJako1Click();
    void Cestina1Click();
    void Anglictina1Click();
    void Jednotky1Click();
    void Analyza2Click();
    void ProtokolNastaveni1Click();
    void Zavrit1Click();
    void Hledat1Click();
    void HledatDalsi1Click();
    void HledatPredchozi1Click();
    void JeAktivni1Click();
    void JeNeaktivni1Click();
    void Kopirovat1Click();
    void Vybratvse1Click();
    void Zrusitvyber1Click();
    void VyberDleAtributu1Click();
    void PrvniEtapa1Click();
    void DruhaEtapa1Click();
    void UzivBody1Click();
    void TransformacniKlic1Click();
    void TransformaceEpocha1Click();
    void TransformaceEpocha2Click();
    void Porovnat1Click();
    void Oprogramu1Click();
    // Popup twins.
    void VybratVse2Click() { Vybratvse1Click(); }
    void ZrusitVyber2Click() { Zrusitvyber1Click(); }
    void JeAktivni2Click() { JeAktivni1Click(); }
    void JeNeaktivni2Click() { JeNeaktivni1Click(); }
    void Kopirovat2Click() { Kopirovat1Click(); }

    // Enabling on opening of the menus.
    void PovolitMenu();
    void PovolitPopup();
    // The status line from the main list and the selection.
    void ObnovStavVyberu();

protected:
    void FormShow() override;
    void FormCloseQuery(bool& muzeZavrit) override;
    void FormResize() override;

private:
    void NastavAktivituVybranych(bool aktivni);
    void VytvorMenu();
    void PripojMrizku();
    void ObnovDostupnost();
    void NastavJazyk(std::uint8_t typ);
    void TransformaceEpochy(bool prvni);
    void ZobrazDalsi(const std::function<void()>& zobraz);

    TvyberMysi mys_;
    bool globalniVytvoreny_ = false;
};

// The one main window of the program (created on first use).
TForm65& Form65();

// The program's main window as registered by the program start (HlavniOkno),
// or null (window tests without a main window).
TForm65* HlavniOknoProgramu();

// Gives the focus to the main window's point grid (after Enter or Esc in a
// settings window). Nothing without a main window.
void FokusHlavniTabulky();

// Program start: sets the application title "Sitmera Analyser" and creates
// the windows of the program that exist, in the program's order of its 33
// windows (the main window first). Returns their object names in the order
// of creation.
std::vector<std::string> VytvoritOknaProgramu();

// Links every window to the windows it opens (the registries `DalsiOkna()`
// of the main window, `DalsiOknaEtapy()` of the epoch window, ...), each entry
// showing the program's one window of that kind. VytvoritOknaProgramu calls
// it; a test calls it to work with the real windows.
void PropojitOkna();

// Deletes the windows VytvoritOknaProgramu created, the last first.
void ZrusitOknaProgramu();

}  // namespace sitmera

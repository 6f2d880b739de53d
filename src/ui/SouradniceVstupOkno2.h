// The user-point window (`TForm78`).
//
// The user points (`souradniceUzivatelske`) are the user's own points: a
// source of points for the transformation key, saved in the project. The
// window edits a working copy of them (`souradniceVstup`, with the grid's
// selection `vyberVstup`): it adds coordinate files, saves the list as a
// coordinate file, and offers new, edit (the one-point editor), delete,
// move, sort, swap X and Y, copy, cut and paste through the point buffer (so
// points copied in the main or epoch window can be pasted here), find and
// select (the find/select window) on the rows. The status line counts the
// duplicated positions and numbers (red when there are any) and the
// selection.
//
// Every close, whatever changed, writes the working copy back: empty
// records removed and every fixed flag cleared, the user points replaced, the
// key's choices among the user points reset and the key recomputed, and both
// epochs marked untransformed.
#pragma once

#include <cstdint>
#include <functional>

#include "ui/layer/Formular.h"
#include "ui/TabulkaSouradnice.h"

class QAction;
class QLabel;
class QMenuBar;
class QWidget;

namespace sitmera {

class Mrizka;
class Nabidka;

class TForm78 : public Formular, public TovladaceSouradnic {
    Q_OBJECT
public:
    explicit TForm78(QWidget* rodic = nullptr);

    QMenuBar* MainMenu1;
    Nabidka* Hlavni1;
    QAction* Pridat1;
    QAction* UlozitJako1;
    QAction* Zavrit1;
    Nabidka* Souadnice1;
    QAction* Novy1;
    QAction* Upravit1;
    QAction* Smazat1;
    QAction* Hledat1;
    QAction* HledatDalsi1;
    QAction* HledatPredchozi1;
    QAction* HledatChybu1;
    Nabidka* Posun1;
    QAction* PosunNahoru1;
    QAction* PosunDolu1;
    Nabidka* Seradit1;
    QAction* SeraditDleCislo1;
    QAction* SeraditDleX1;
    QAction* SeraditDleY1;
    QAction* SeraditDleZ1;
    QAction* ProhoditXY1;
    QAction* Kopirovat1;
    QAction* Vyjmout1;
    QAction* Vlozit1;
    Nabidka* Vyber1;
    QAction* Vybratvse1;
    QAction* Zrusitvyber1;
    QAction* VyberDleAtributu1;
    Nabidka* PopupMenu1;
    QAction* Novy2;
    QAction* Upravit2;
    QAction* Smazat2;
    QAction* PosunNahoru2;
    QAction* PosunDolu2;
    QAction* Kopirovat2;
    QAction* Vyjmout2;
    QAction* Vlozit2;

    // Grid, header and status line: TovladaceSouradnic; the status line
    // begins with the duplicate counters.
    QLabel* Label_duplikaty_souradnice;
    QLabel* Label_duplikaty_cislo;

    // The fixed outer width (pixels).
    int PevnaSirka() const;

    // Refills the grid from the working copy (type 11) and the status line.
    void ObnovTabulku();
    // The status line from the duplicate counters and the selection.
    void ObnovStav();

    // Menu commands.
    void Pridat1Click();
    void UlozitJako1Click();
    void Zavrit1Click();
    void Novy1Click();
    void Upravit1Click();
    void Smazat1Click();
    void Hledat1Click();
    void HledatDalsi1Click();
    void HledatPredchozi1Click();
    void HledatChybu1Click();
    void PosunNahoru1Click();
    void PosunDolu1Click();
    void SeraditDleCislo1Click();
    void SeraditDleX1Click();
    void SeraditDleY1Click();
    void SeraditDleZ1Click();
    void ProhoditXY1Click();
    void Kopirovat1Click();
    void Vyjmout1Click();
    void Vlozit1Click();
    void Vybratvse1Click();
    void Zrusitvyber1Click();
    void VyberDleAtributu1Click();
    // Double click in the grid: a new point when no row is selected, else
    // the selected points edited.
    void StringGrid3DblClick();

    // Enabling on opening of the menus.
    void PovolitMenu();
    void PovolitPopup();

protected:
    void FormShow() override;
    void FormClose() override;
    void FormResize() override;

private:
    void VytvorMenu();
    void VytvorOvladace();
    void PripojMrizku();
    void UpravBod(std::uint8_t rezim);
    void Hledej(int atributyVyberu);
    void Serad(int velicina);
    // Runs a row operation between the processing label on and off.
    void Operace(const std::function<void()>& prace);

    TvyberMysi mys_;
};

// The one user-point window of the program (created on first use).
TForm78& Form78();

}  // namespace sitmera

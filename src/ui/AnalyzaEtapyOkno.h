// The internal length and angle analysis windows of an epoch: `TForm72`
// (a length from a station A to a target B) and `TForm73` (the angles at a
// station A between a left target B and a right target C).
//
// Both show the epoch the epoch window shows (`etapaAktualni`): the user
// picks the points in combo boxes (the epoch's point numbers, " F" after a
// fixed point), the epoch's analysis (`analyzaDelka` / `analyzaUhel`) is
// computed at once, and each row shows its value, a-priori and a-posteriori
// standard deviation:
//   TForm72  dX, dY, dZ in the coordinate unit (deviations in mm or points),
//            horizontal and slope length in the length unit (deviations in
//            mm or points), bearing and zenith angle in the angle unit
//            (deviations in the small angle unit);
//   TForm73  horizontal angle, angle in the plane of the three points and
//            zenith-angle difference in the angle unit (deviations in the
//            small angle unit).
// Decimals follow `presnost` (value and deviation of the row's kind). A box
// whose figure the analysis does not define shows "- ".
//
// The chosen points live in the analysis (`iStn`, `iCilL`, `iCilP`), so the
// window opens with the last choice. A stored index the combo box does not
// hold (an epoch with fewer points) leaves the box without a choice, and a
// point chosen twice makes no analysis: then every box shows "- " and the
// analysis is not called until the user picks valid points.
//
// Copy (popup, Ctrl+P) puts the window as text on the clipboard: the
// caption; one line per combo box (its label, TAB, the chosen item); the
// three column headings; one line per row (label, value, a priori,
// a posteriori); cells separated by TAB, every line ended by CR LF.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "numerics/Zaklad.h"
#include "ui/layer/Formular.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QAction;
class QVBoxLayout;

namespace sitmera {

class Nabidka;
class Tnastaveni;
class Tsouradnice;
class Tetapa;

// Kind of an analysis row: what unit and decimals it is shown with.
enum class TvelicinaAnalyzy { souradnice, delka, uhel };

// The three texts of a row: value, a-priori, a-posteriori deviation.
using TtextyRadkuAnalyzy = std::array<std::string, 3>;

// Rows of the analysis as shown: row i of `data` by the kind veliciny[i];
// the value when check flag 0 is set, the deviations when check flag 1 is
// set, "- " otherwise. A missing row, or platna false, shows "- " in all
// three boxes.
std::vector<TtextyRadkuAnalyzy> TextyAnalyzy(const Tsouradnice& data, const std::vector<TvelicinaAnalyzy>& veliciny,
                                             const Tnastaveni& nastaveni, bool platna);

// Whether the chosen points can go to the analysis: every index within
// 0 .. pocet - 1, no point twice.
bool PlatnyVyberAnalyzy(const std::vector<int>& indexy, int pocet);

// The controls every analysis window shares (of an epoch and between the
// epochs): the point boxes side by side, each with its label; a table of
// column heads (each over `rozpeti` columns of boxes) and rows of a label and
// three read-only boxes; the close button `Button2` and the popup with the
// copy item `Kopirovat1` (Ctrl+P).
struct TovladaceAnalyzy {
    std::vector<QLabel*> labelBody;
    std::vector<QComboBox*> comboBody;  // "ComboBox1", "ComboBox2", ...
    std::vector<QLabel*> hlavicky;
    std::vector<QLabel*> labelRadku;
    std::vector<std::array<QLineEdit*, 3>> editRadku;
    QPushButton* Button2 = nullptr;
    Nabidka* PopupMenu1 = nullptr;
    QAction* Kopirovat1 = nullptr;
};
struct ThlavickaAnalyzy {
    std::string jmeno;
    int rozpeti = 1;
};
// Builds them into the window's vertical layout `hlavni` (after what it
// holds): a choice in a point box runs vyberBodu, the button zavrit, the copy
// item kopirovat (each in the window's command boundary).
TovladaceAnalyzy VytvorOvladaceAnalyzy(Formular& okno, QVBoxLayout& hlavni,
                                       const std::vector<std::string>& jmenaLabelBodu,
                                       const std::vector<ThlavickaAnalyzy>& hlavicky, int radku,
                                       const std::function<void()>& vyberBodu, const std::function<void()>& zavrit,
                                       const std::function<void()>& kopirovat);
// The names of row r (from 0) of an analysis table of `radku` rows: its label
// "Label<r+1>" and its boxes "Edit<r+1>", "Edit<r+1+radku>",
// "Edit<r+1+2 radku>".
std::string JmenoLabeluRadkuAnalyzy(int r);
std::array<std::string, 3> JmenaEdituRadkuAnalyzy(int r, int radku);

// A common base of the two windows: point combo boxes, rows of a label and
// three read-only boxes, the column headings, the close button and the copy
// popup.
class TanalyzaEtapyOkno : public Formular {
    Q_OBJECT
public:
    QLabel* LabelVelicina = nullptr;  // column heading "quantity"
    QLabel* LabelHodnota = nullptr;   // column heading "value"
    QLabel* LabelOdchylka = nullptr;  // column heading over both deviations
    QPushButton* Button2 = nullptr;   // close
    Nabidka* PopupMenu1 = nullptr;
    QAction* Kopirovat1 = nullptr;

    // The point combo boxes (station first) with their labels, the rows with
    // their labels and boxes (value, a priori, a posteriori).
    std::vector<QComboBox*> comboBody;
    std::vector<QLabel*> labelBody;
    std::vector<QLabel*> labelRadku;
    std::vector<std::array<QLineEdit*, 3>> editRadku;

    // Computes with the chosen points and writes the boxes.
    void Prepocitej();
    // The window's content as text (see the top of the file).
    std::string TextKopie() const;

    void Button2Click();
    void Kopirovat1Click();
    // A combo box's choice by the user.
    void ComboBoxSelect();

protected:
    // veliciny: the kind of each row.
    TanalyzaEtapyOkno(const QString& jmeno, const std::vector<TvelicinaAnalyzy>& veliciny, QWidget* rodic);

    void FormShow() override;
    void FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory) override;

    // Builds the controls with the window's object names (the combo boxes
    // are "ComboBox1", "ComboBox2", ...; the rows as JmenoLabeluRadkuAnalyzy
    // and JmenaEdituRadkuAnalyzy name them).
    void Vytvor(const std::vector<std::string>& jmenaLabelBodu, int radku, const std::string& jmenoVelicina,
                const std::string& jmenoHodnota, const std::string& jmenoOdchylka);

    // What differs between the two windows.
    virtual void NastavPopisky() = 0;
    virtual std::vector<int> UlozeneIndexy(const Tetapa& etapa) const = 0;
    virtual void UlozIndexy(Tetapa& etapa, const std::vector<int>& indexy) const = 0;
    virtual void Vypocti(Tetapa& etapa, const std::vector<int>& indexy) const = 0;
    virtual const Tsouradnice& Data(const Tetapa& etapa) const = 0;

private:
    std::vector<TvelicinaAnalyzy> veliciny_;
};

// The length analysis (station A, target B; 7 rows).
class TForm72 : public TanalyzaEtapyOkno {
    Q_OBJECT
public:
    explicit TForm72(QWidget* rodic = nullptr);

    QComboBox* ComboBox1;  // station A (label Label9)
    QComboBox* ComboBox2;  // target B (label Label10)

protected:
    void NastavPopisky() override;
    std::vector<int> UlozeneIndexy(const Tetapa& etapa) const override;
    void UlozIndexy(Tetapa& etapa, const std::vector<int>& indexy) const override;
    void Vypocti(Tetapa& etapa, const std::vector<int>& indexy) const override;
    const Tsouradnice& Data(const Tetapa& etapa) const override;
};

// The angle analysis (station A, left target B, right target C; 3 rows).
class TForm73 : public TanalyzaEtapyOkno {
    Q_OBJECT
public:
    explicit TForm73(QWidget* rodic = nullptr);

    QComboBox* ComboBox1;  // station A (label Label4)
    QComboBox* ComboBox2;  // left target B (label Label5)
    QComboBox* ComboBox3;  // right target C (label Label6)

protected:
    void NastavPopisky() override;
    std::vector<int> UlozeneIndexy(const Tetapa& etapa) const override;
    void UlozIndexy(Tetapa& etapa, const std::vector<int>& indexy) const override;
    void Vypocti(Tetapa& etapa, const std::vector<int>& indexy) const override;
    const Tsouradnice& Data(const Tetapa& etapa) const override;
};

// The one window of each kind (created on first use).
TForm72& Form72();
TForm73& Form73();

}  // namespace sitmera

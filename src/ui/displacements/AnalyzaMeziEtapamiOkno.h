// The length and angle analyses between the epochs: `TForm74` (a length
// from a point A to a point B) and `TForm75` (the angles at a point A
// between a left point B and a right point C), opened from the displacement
// window after a comparison.
//
// Each quantity is analysed in both epochs and compared (ModelPosuny.h): a
// row shows its change from epoch 1 to epoch 2, the standard deviation of
// the change and the critical value (limit deviation) of the significance
// test, a priori or a posteriori as the precision box chooses; a blue (a
// priori) or green (a posteriori) bar left of the change marks a change
// larger than its critical value.
//   TForm74  dX, dY (axis names in the chosen order), dZ, horizontal and
//            slope length in the displacement unit (change with the value
//            decimals, deviation and critical value with the deviation
//            decimals), bearing and zenith angle in the small angle unit;
//   TForm75  horizontal angle, angle in the plane of the three points and
//            zenith-angle difference in the small angle unit.
// Angles take the angle deviation decimals throughout. A box whose figure is
// not defined (the same point twice, a deviation that cannot be computed, a
// computation that failed) shows "- " and its row has no bar.
//
// The point boxes list the compared points in the displacement list's
// current order (" F1", " F2", " F" after a point fixed in epoch 1, epoch 2,
// both). The analysis is computed on the transformed epochs (the comparison
// model whose points and covariances the displacements compared), and the
// model takes the pair behind each chosen record, so a sort of the list does
// not change a result. The choice and the precision kind live in the
// model's analyses, so the window opens with the last choice. Choosing a
// point recomputes; choosing the precision kind only rewrites the boxes.
//
// Copy (popup, Ctrl+P): the caption; the length window's precision line
// (label TAB kind); one line per point box (label TAB point); the four
// column heads; one line per row (label TAB change TAB deviation TAB critical
// value), the change preceded by "# " (a priori) or "& " (a posteriori) when
// significant; cells separated by TAB, every line ended by CR LF.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "numerics/Zaklad.h"
#include "ui/layer/Formular.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sitmera {

class Nabidka;
class Tnastaveni;
class Tsouradnice;
class TanalyzaVnitrni;

// Kind of a row between the epochs: a displacement-like length (metres) or
// an angle (radians).
enum class TvelicinaRozdilu { posun, uhel };

// A row as shown: change, standard deviation, critical value; whether the
// change is significant in the shown precision.
struct TradekRozdilu {
    std::array<std::string, 3> texty;
    bool vyznamny = false;
};

// The rows of the comparison rows in `data` (X change, Y / Z a-priori /
// a-posteriori deviation, sig_Y / sig_Z critical values, check flags 0
// value, 1 deviations, 2 / 3 significant a priori / a posteriori) for the
// precision typPresnost (0 a priori, 1 a posteriori), row i by the kind
// veliciny[i]. "- " where a flag is off; a missing row, or platna false,
// gives "- " in all three boxes and no significance.
std::vector<TradekRozdilu> RadkyRozdilu(const Tsouradnice& data, const std::vector<TvelicinaRozdilu>& veliciny,
                                        const Tnastaveni& nastaveni, int typPresnost, bool platna);

// The common part of both windows.
class TanalyzaMeziEtapami : public Formular {
    Q_OBJECT
public:
    QLabel* LabelPresnost = nullptr;     // precision label
    QComboBox* ComboPresnost = nullptr;  // precision kind: a priori, a posteriori
    std::vector<QLabel*> labelBody;      // point labels
    std::vector<QComboBox*> comboBody;   // point boxes, station first
    std::array<QLabel*, 4> hlavicky{};   // quantity, change, deviation, critical value
    std::vector<QLabel*> labelRadku;
    std::vector<std::array<QLineEdit*, 3>> editRadku;  // change, deviation, critical value
    QPushButton* Button2 = nullptr;
    Nabidka* PopupMenu1 = nullptr;
    QAction* Kopirovat1 = nullptr;

    // The rows as last written (their significance draws the bars).
    const std::vector<TradekRozdilu>& Radky() const { return radky_; }
    // The window's content as text (see the top of the file).
    std::string TextKopie() const;

    // The user chose a point / a precision kind.
    void ComboBoxSelect();
    void ComboPresnostSelect();
    void Button2Click();
    void Kopirovat1Click();

protected:
    TanalyzaMeziEtapami(const QString& jmeno, const std::vector<TvelicinaRozdilu>& veliciny, QWidget* rodic);

    // Builds the controls with the window's names: the precision label and
    // box, the point labels (boxes "ComboBox1", "ComboBox2", ...), the four
    // heads, `radku` rows (label and the change, deviation and
    // critical-value boxes of each, named as in the epoch's analysis
    // windows).
    void Vytvor(const char* jmenoLabelPresnost, const char* jmenoComboPresnost,
                const std::vector<std::string>& jmenaLabelBodu, const std::array<std::string, 4>& jmenaHlavicek,
                int radku);

    void FormShow() override;
    void FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory) override;
    void paintEvent(QPaintEvent* e) override;

    // What differs between the two windows.
    virtual void NastavPopisky() = 0;
    virtual TanalyzaVnitrni& Analyza() const = 0;
    virtual std::vector<int> UlozeneIndexy() const = 0;
    virtual void Vypocti(const std::vector<int>& indexy) const = 0;
    // The precision line belongs to the copy.
    virtual bool PresnostVKopii() const = 0;

private:
    void Prepocitej();
    void Prepis();

    std::vector<TvelicinaRozdilu> veliciny_;
    std::vector<TradekRozdilu> radky_;
    bool platna_ = false;  // the last computation succeeded
};

// The length analysis between the epochs (A, B; 7 rows).
class TForm74 : public TanalyzaMeziEtapami {
    Q_OBJECT
public:
    explicit TForm74(QWidget* rodic = nullptr);

    QComboBox* ComboBox1;  // A (Label9)
    QComboBox* ComboBox2;  // B (Label10)
    QComboBox* ComboBox3;  // precision kind (Label8)

protected:
    void NastavPopisky() override;
    TanalyzaVnitrni& Analyza() const override;
    std::vector<int> UlozeneIndexy() const override;
    void Vypocti(const std::vector<int>& indexy) const override;
    bool PresnostVKopii() const override { return true; }
};

// The angle analysis between the epochs (A, B, C; 3 rows).
class TForm75 : public TanalyzaMeziEtapami {
    Q_OBJECT
public:
    explicit TForm75(QWidget* rodic = nullptr);

    QComboBox* ComboBox1;  // A (Label4)
    QComboBox* ComboBox2;  // B, left (Label5)
    QComboBox* ComboBox3;  // C, right (Label6)
    QComboBox* ComboBox4;  // precision kind (Label10)

protected:
    void NastavPopisky() override;
    TanalyzaVnitrni& Analyza() const override;
    std::vector<int> UlozeneIndexy() const override;
    void Vypocti(const std::vector<int>& indexy) const override;
    bool PresnostVKopii() const override { return false; }
};

// The one window of each kind (created on first use).
TForm74& Form74();
TForm75& Form75();

}  // namespace sitmera

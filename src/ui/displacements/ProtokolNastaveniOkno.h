// The report settings window (`TForm83`): which sections the epoch and
// displacement reports write and which standard deviations they show
// (`nastaveni.protokol`).
//
// The switches come in three groups, as the reports do: A the report of an
// input epoch (sections 01-03), B the report of a transformed epoch (01-04),
// C the displacement report (C-01 .. C-13). An accuracy box is enabled only
// while a section it belongs to is switched on (`Zmrazit`).
//
// Each group has a change marker, taken when the window is shown: the states
// of its switches and the indexes of its enabled accuracy boxes. Confirming
// stores only the groups whose marker changed and clears only the reports
// built from them (A: the reports of both input epochs, B: of both
// transformed epochs, C: the displacement report). Switching a section off
// and on again, or changing the accuracy of a section that is off, changes
// nothing.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/Nastaveni.h"
#include "ui/layer/Formular.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace sitmera {

class TForm83 : public Formular {
    Q_OBJECT
public:
    explicit TForm83(QWidget* rodic = nullptr);

    QLabel* Label1;  // A. input epoch
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QComboBox* ComboBox1;
    QCheckBox* CheckBox3;
    QComboBox* ComboBox2;
    QLabel* Label2;  // B. transformed epoch
    QCheckBox* CheckBox4;
    QCheckBox* CheckBox5;
    QCheckBox* CheckBox6;
    QComboBox* ComboBox3;
    QCheckBox* CheckBox7;
    QComboBox* ComboBox4;
    QLabel* Label3;  // C. displacements
    QCheckBox* CheckBox8;
    QCheckBox* CheckBox9;
    QCheckBox* CheckBox10;
    QComboBox* ComboBox5;
    QLabel* Label4;  // the value sections
    QCheckBox* CheckBox11;
    QCheckBox* CheckBox12;
    QCheckBox* CheckBox13;
    QCheckBox* CheckBox14;
    QComboBox* ComboBox6;
    QCheckBox* CheckBox15;
    QComboBox* ComboBox7;
    QLabel* Label5;  // the evaluation sections
    QCheckBox* CheckBox16;
    QCheckBox* CheckBox17;
    QCheckBox* CheckBox18;
    QCheckBox* CheckBox19;
    QCheckBox* CheckBox20;
    QComboBox* ComboBox8;
    QPushButton* Button1;  // confirm
    QPushButton* Button2;  // close

    // Enables each accuracy box while a section it belongs to is on.
    void Zmrazit();
    // The change markers of the three groups.
    std::string StavOknaEtapaVstup() const;
    std::string StavOknaEtapaTrans() const;
    std::string StavOknaPosun() const;

    void Button1Click();
    void Button2Click();

protected:
    void FormShow() override;
    void FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory) override;

private:
    // The controls of a group in control order and the switches they edit.
    struct Tskupina {
        std::vector<std::pair<QCheckBox*, bool TprotokolNastaveni::*>> sekce;
        std::vector<std::pair<QComboBox*, std::uint8_t TprotokolNastaveni::*>> presnosti;
    };
    std::string Znacka(const Tskupina& skupina) const;
    void Uloz(const Tskupina& skupina, TprotokolNastaveni& protokol) const;

    Tskupina etapaVstup_;
    Tskupina etapaTrans_;
    Tskupina posun_;
    // Each accuracy box with the sections that enable it.
    std::vector<std::pair<QComboBox*, std::vector<QCheckBox*>>> zavislosti_;
    std::string znackaVstup_;
    std::string znackaTrans_;
    std::string znackaPosun_;
};

// The one report settings window of the program (created on first use).
TForm83& Form83();

}  // namespace sitmera

// The analysis settings window (`TForm82`): the risk level of the
// significance tests and whether the a-priori and the a-posteriori tests are
// made (`nastaveni.porovnani`).
//
// The risk level is shown with 13 decimals without trailing zeros (0.05 as
// "0.05"). Confirming a change stores a risk level strictly between 1e-8 and
// 1 ("," is read as the decimal point) with both switches and marks the
// comparison as not current, so that the next compare command recomputes. A
// risk level outside that range, or a text that is no number, empties the
// edit and keeps the window open, without a message. Confirming without a
// change only closes the window and keeps the comparison current.
#pragma once

#include <string>

#include "numerics/Zaklad.h"
#include "ui/layer/Formular.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sitmera {

class Nabidka;

// The text of a risk level as the window shows it: 13 decimals, trailing
// zeros and point removed.
std::string TextRizika(Extended riziko);

// Whether a typed risk level is accepted: a number strictly between 1e-8
// and 1.
bool JePlatneRiziko(const std::string& text);

class TForm82 : public Formular {
    Q_OBJECT
public:
    explicit TForm82(QWidget* rodic = nullptr);

    QLabel* Label1;     // heading
    QLabel* Label2;     // caption of the risk level
    QLineEdit* Edit1;   // risk level
    QLabel* Label3;     // method heading
    QCheckBox* CheckBox1;  // a-priori test
    QCheckBox* CheckBox2;  // a-posteriori test
    QPushButton* Button1;  // confirm
    QPushButton* Button2;  // close
    Nabidka* PopupMenu1;
    QAction* Kopirovat1;

    // The state text: each switch as "-1" (on) or "0", then the risk text,
    // joined by "#".
    std::string KopirovatUdajeOkna() const;

    void Button1Click();
    void Button2Click();
    void Kopirovat1Click();

protected:
    void FormShow() override;
    void FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory) override;

private:
    std::string snimek_;  // the state text when shown
};

// The one analysis settings window of the program (created on first use).
TForm82& Form82();

}  // namespace sitmera

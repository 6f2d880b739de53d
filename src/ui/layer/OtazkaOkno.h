// The yes/no question box (`TForm4`). The no button has the focus when the
// box opens, so Enter right away answers no; Esc and the close box answer no.
#pragma once

#include <string>

#include "ui/layer/Formular.h"

class QLabel;
class QPushButton;

namespace sitmera {

class TForm4 : public Formular {
    Q_OBJECT
public:
    explicit TForm4(QWidget* rodic = nullptr);

    QLabel* Label1;
    QPushButton* Button1;  // yes
    QPushButton* Button2;  // no

    void Button1Click();
    void Button2Click();

protected:
    void FormShow() override;
};

// The one question box of the program (created on first use).
TForm4& Form4();

// Asks the question; true when the answer was yes.
bool ZobrazPotvrzeni(const std::string& otazka, const std::string& nadpis);

}  // namespace sitmera

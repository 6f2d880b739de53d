// The about window (`TForm21`): the application title with its version and
// date, under the caption "About Sitmera Analyser". Centred on the window
// that opened it; Enter or Esc closes it.
#pragma once

#include "ui/SouradniceMenu.h"
#include "ui/layer/Formular.h"

class QLabel;
class QPushButton;

namespace sitmera {

class Tjazyk;

// Caption, title, version line and button text.
Tpopisky PopiskyOProgramu(const Tjazyk& jazyk);

class TForm21 : public Formular {
    Q_OBJECT
public:
    explicit TForm21(QWidget* rodic = nullptr);

    QLabel* Label1;  // application title
    QLabel* Label2;  // version and date
    QPushButton* Button1;

protected:
    void FormShow() override;
    void FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory) override;
};

// The one about window of the program (created on first use).
TForm21& Form21();

}  // namespace sitmera

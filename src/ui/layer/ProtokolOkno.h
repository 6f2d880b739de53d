// The report viewer (`TForm55`): a read-only text view of one report, with
// Save As. The report shown is chosen by `nastaveni.okno.protokol` (1 and 2
// the current epoch's report, 3 the displacement report, 4 the report of
// added files); its lines come from `Prostredi().textProtokolu`.
//
// In modes 1 to 3 the window that opened the viewer has its processing label
// on (the report was built just before); the viewer switches it off when it
// shows. A failed save shows notice 28 and leaves the viewer usable.
#pragma once

#include "numerics/Zaklad.h"
#include "ui/layer/Formular.h"

class QLabel;
class QMenuBar;
class QPlainTextEdit;
class QAction;

namespace sitmera {

class Nabidka;

class TForm55 : public Formular {
    Q_OBJECT
public:
    explicit TForm55(QWidget* rodic = nullptr);

    QMenuBar* MainMenu1;
    Nabidka* Hlavni1;
    QAction* UlozitJako1;
    QAction* Zavrit1;
    QPlainTextEdit* RichEdit1;
    QWidget* Panel1;
    QLabel* Label_vyber;
    QLabel* Label_zpracovani;

    void UlozitJako1Click();
    void Zavrit1Click();

protected:
    void FormShow() override;
    void FormKeyDown(int& klavesa, Qt::KeyboardModifiers modifikatory) override;
};

// The one report viewer of the program (created on first use).
TForm55& Form55();

// The lines of the report of a viewer mode (empty when there is none).
TStringList TextProtokoluRezimu(std::uint8_t rezim);

}  // namespace sitmera

#include "ui/layer/OtazkaOkno.h"

#include <QLabel>
#include <QPushButton>
#include <QRect>

#include "core/Jazyk.h"
#include "ui/layer/HlaseniOkno.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/layer/Prostredi.h"

namespace sitmera {

namespace {

bool vysledekOtazky = false;  // the answer was yes

}  // namespace

TForm4::TForm4(QWidget* rodic) : Formular(QStringLiteral("Form4"), rodic)
{
    const TovladaceZpravy o = VytvorOvladaceZpravy(*this, QRect(236, 67, 75, 25), QRect(317, 67, 75, 25),
                                                   [this] { Button1Click(); }, [this] { Button2Click(); });
    Label1 = o.Label1;
    Button1 = o.Button1;
    Button2 = o.Button2;
}

void TForm4::FormShow()
{
    VycentrujOkno(this, AktivniOkno());
    // The no button has the focus and is the button Enter presses.
    Button1->setDefault(false);
    Button2->setDefault(true);
    Button2->setFocus();
}

void TForm4::Button1Click()
{
    vysledekOtazky = true;
    Close();
}

void TForm4::Button2Click()
{
    vysledekOtazky = false;
    Close();
}

TForm4& Form4()
{
    return JedineOkno<TForm4>();
}

bool ZobrazPotvrzeni(const std::string& otazka, const std::string& nadpis)
{
    TForm4& f = Form4();
    vysledekOtazky = false;
    f.setWindowTitle(NaQString(nadpis));
    f.Label1->setText(NaQString(otazka));
    const Tjazyk* j = Prostredi().jazyk;
    f.Button1->setText(NaQString(j != nullptr ? j->tlacitko.ano : std::string("Yes")));
    f.Button2->setText(NaQString(j != nullptr ? j->tlacitko.ne : std::string("No")));
    ZobrazModalne(f);
    return vysledekOtazky;
}

}  // namespace sitmera

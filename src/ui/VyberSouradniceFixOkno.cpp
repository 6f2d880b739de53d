#include "ui/VyberSouradniceFixOkno.h"

#include "program/Globalni.h"
#include "ui/SouradniceMainOkno.h"
#include "ui/SouradniceMenu.h"

namespace sitmera {

TForm61::TForm61(QWidget* rodic) : TvyberBoduOkno(QStringLiteral("Form61"), true, rodic) {}

TvyberBoduOkno::Tcil TForm61::Cil() const
{
    TForm65* hlavni = HlavniOknoProgramu();
    return {souradniceHlavni, &vyberHlavni.hromadny, hlavni != nullptr ? hlavni->StringGrid3 : nullptr,
            &atributHledaniHlavni, &atributVyberHlavni};
}

void TForm61::NastavPopisky()
{
    NastavPopiskyHledaniHlavni(*this, *jazyk);
}

TForm61& Form61()
{
    return JedineOkno<TForm61>();
}

}  // namespace sitmera

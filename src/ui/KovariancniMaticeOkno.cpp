#include "ui/KovariancniMaticeOkno.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScopeGuard>
#include <QVBoxLayout>

#include <algorithm>

#include "numerics/TextSoubor.h"
#include "numerics/TrojuhelnikText.h"
#include "program/Globalni.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"
#include "ui/layer/VelkyText.h"

namespace sitmera {

TForm36::TForm36(QWidget* rodic) : Formular(QStringLiteral("Form36"), rodic)
{
    auto* hlavni = new QVBoxLayout(this);
    hlavni->setContentsMargins(0, 0, 0, 0);
    hlavni->setSpacing(0);
    RichEdit1 = new VelkyText(QStringLiteral("RichEdit1"), this);
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* panel = new QHBoxLayout(Panel1);
    panel->setContentsMargins(2, 2, 2, 2);
    Label_vyber = NovyLabel(Panel1, "Label_vyber");
    // Shown while a copy makes its text; its place is kept while hidden, so
    // that it paints in place at once.
    Label_zpracovani = VytvorLabelZpracovani(Panel1);
    QSizePolicy misto = Label_zpracovani->sizePolicy();
    misto.setRetainSizeWhenHidden(true);
    Label_zpracovani->setSizePolicy(misto);
    panel->addWidget(Label_vyber, 1);
    panel->addWidget(Label_zpracovani);
    hlavni->addWidget(RichEdit1, 1);
    hlavni->addWidget(Panel1);
    resize(760, 520);
}

void ZobrazKovariancniMatici(VelkyText& text, const Tetapa& etapa)
{
    const int n = etapa.RadkuKovariancniMatice();
    const Tetapa* e = &etapa;
    text.NastavZdroj(
        n + 1, [e, n](int i) { return i < n ? e->RadekKovariancniMatice(i) : std::string(); },
        [e, n](int od, int po, const std::function<void(std::string_view)>& radek) {
            // Many rows (a copy) are formatted on several threads; the room
            // of their blocks goes back to the system afterwards, so that the
            // copy keeps no more than its text.
            const auto vratit = qScopeGuard([] { VratPametSystemu(); });
            SymetrickaMaticeNaRadky(e->maticeKovariancni, n, od, std::min(po, n), radek);
            if (po > n) radek({});
        });
}

std::string TextRozmeruMatice(int pocetBoduUrcovanych)
{
    // An emptied epoch counts -1 points: it has none.
    const std::string n = std::to_string(std::max(pocetBoduUrcovanych, 0));
    return " " + n + " \u00d7 " + n;
}

void TForm36::FormShow()
{
    RichEdit1->Vycisti();
    Label_vyber->clear();
    VycentrujOkno(this, Otvirac());
    if (ExistujiGlobalniObjekty())
        Label_zpracovani->setText(NaQString(" " + jazyk->tlacitko.zpracovani + " ..."));
    if (ExistujiGlobalniObjekty() && nastaveni->okno.kovariancniMatice == 1 && etapaAktualni != nullptr) {
        PrepniZpracovani(Otvirac());
        setWindowTitle(NaQString(jazyk->nadpis.kovariancniMaticeVyrSour));
        ZobrazKovariancniMatici(*RichEdit1, *etapaAktualni);
        Label_vyber->setText(NaQString(TextRozmeruMatice(etapaAktualni->pocetBoduUrcovanych)));
        PrepniZpracovani(Otvirac());
    }
    RichEdit1->NastavKurzor({0, 0});
    RichEdit1->setFocus();
}

void TForm36::FormClose()
{
    // The view reads the epoch while it is shown, never after.
    RichEdit1->Vycisti();
}

TForm36& Form36()
{
    return JedineOkno<TForm36>();
}

}  // namespace sitmera

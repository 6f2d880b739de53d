#include "ui/OProgramuOkno.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "program/Globalni.h"
#include "ui/layer/Mrizka.h"
#include "ui/layer/OknoPomocne.h"

namespace sitmera {

Tpopisky PopiskyOProgramu(const Tjazyk& jazyk)
{
    const auto& p = jazyk.popis;
    return {
        {"", jazyk.nadpis.oPragramu + " " + p.sitmeraNazev},
        {"Label1", p.sitmeraNazev},
        {"Label2", p.verzeCislo + " " + p.verzeDatum},
        {"Button1", jazyk.tlacitko.ok},
    };
}

TForm21::TForm21(QWidget* rodic) : Formular(QStringLiteral("Form21"), rodic)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    auto* l = new QVBoxLayout(this);
    l->setSizeConstraint(QLayout::SetFixedSize);
    l->setContentsMargins(40, 20, 40, 16);
    l->setSpacing(8);
    Label1 = NovyLabel(this, "Label1");
    QFont titul = Label1->font();
    titul.setBold(true);
    titul.setPointSizeF(titul.pointSizeF() * 1.6);
    Label1->setFont(titul);
    Label2 = NovyLabel(this, "Label2");
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Close(); });
    for (QLabel* t : {Label1, Label2}) {
        t->setAlignment(Qt::AlignCenter);
        l->addWidget(t);
    }
    l->addSpacing(8);
    l->addWidget(Button1, 0, Qt::AlignCenter);
}

void TForm21::FormShow()
{
    if (ExistujiGlobalniObjekty()) PouzijPopisky(*this, PopiskyOProgramu(*jazyk));
    adjustSize();
    VycentrujOkno(this, Otvirac());
    Button1->setFocus();
}

void TForm21::FormKeyDown(int& klavesa, Qt::KeyboardModifiers)
{
    ZavriNaEnterEsc(*this, klavesa);
}

TForm21& Form21()
{
    return JedineOkno<TForm21>();
}

}  // namespace sitmera

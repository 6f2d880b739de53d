#include "ui/layer/ComboPomocne.h"

namespace sitmera {

void NaplnComboCisla(QComboBox* combo, int n, int index)
{
    combo->clear();
    for (int i = 0; i <= n; ++i) combo->addItem(QString::number(i));
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

void NaplnComboTexty(QComboBox* combo, const TStringList& polozky)
{
    const int index = combo->currentIndex();
    combo->clear();
    for (const std::string& p : polozky) combo->addItem(NaQString(p));
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : 0);
}

std::string PolozkaBodu(const std::string& cislo, bool jeFixni, bool znacky)
{
    return znacky && jeFixni ? cislo + " F" : cislo;
}

std::string PolozkaPosunu(const std::string& cislo, bool jeFix1, bool jeFix2, bool znacky)
{
    if (!znacky) return cislo;
    if (jeFix1 && jeFix2) return cislo + " F";
    if (jeFix1) return cislo + " F1";
    if (jeFix2) return cislo + " F2";
    return cislo;
}

}  // namespace sitmera

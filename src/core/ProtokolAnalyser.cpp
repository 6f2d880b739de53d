#include "core/ProtokolAnalyser.h"

namespace sitmera {

void TprotokolAnalyser::Clear()
{
    text.clear();
    jePlny = false;
}

void TprotokolAnalyser::Kopiruj(const TprotokolAnalyser& zdroj)
{
    if (&zdroj == this) return;  // copying onto itself keeps everything
    Clear();
    jePlny = zdroj.jePlny;
    text.insert(text.end(), zdroj.text.begin(), zdroj.text.end());
}

}  // namespace sitmera

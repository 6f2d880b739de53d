#include "core/Vyber.h"

#include <algorithm>

namespace sitmera {

namespace {

bool Uvnitr(const TboolVector& vyber, int i)
{
    return i >= 0 && static_cast<std::size_t>(i) < vyber.size();
}

}  // namespace

bool PrepniVyber(TboolVector& vyber, int i)
{
    if (!Uvnitr(vyber, i)) return false;
    vyber[i] = !vyber[i];
    return vyber[i];
}

void ZrusVyber(TboolVector& vyber)
{
    std::fill(vyber.begin(), vyber.end(), false);
}

void VyberVse(TboolVector& vyber)
{
    std::fill(vyber.begin(), vyber.end(), true);
}

void ZrusVyberKrome(TboolVector& vyber, int i)
{
    for (std::size_t k = 0; k < vyber.size(); ++k)
        if (static_cast<int>(k) != i) vyber[k] = false;
}

void NastavVyber(TboolVector& vyber, bool hodnota, int i)
{
    if (Uvnitr(vyber, i)) vyber[i] = hodnota;
}

void NastavVyberRozsah(TboolVector& vyber, bool hodnota, int a, int b)
{
    if (vyber.empty()) return;
    const int n = static_cast<int>(vyber.size());
    const int od = std::max(std::min(a, b), 0);
    const int po = std::min(std::max(a, b), n - 1);
    for (int k = od; k <= po; ++k) vyber[k] = hodnota;
}

bool JeVybran(const TboolVector& vyber, int i)
{
    return Uvnitr(vyber, i) && vyber[i];
}

bool JeNecoVybrano(const TboolVector& vyber)
{
    return std::find(vyber.begin(), vyber.end(), true) != vyber.end();
}

int PocetVybranych(const TboolVector& vyber)
{
    return static_cast<int>(std::count(vyber.begin(), vyber.end(), true));
}

int PrvniVybrany(const TboolVector& vyber)
{
    const auto it = std::find(vyber.begin(), vyber.end(), true);
    return it == vyber.end() ? 0 : static_cast<int>(it - vyber.begin());
}

bool JeKontrola(const Tatribut& atribut)
{
    return std::any_of(atribut.kontrola.begin(), atribut.kontrola.end(), [](bool b) { return b; });
}

}  // namespace sitmera

#include "analysis/ModelPorovnani.h"

#include <algorithm>
#include <cstddef>

#include "numerics/Cesta.h"
#include "points/Geometrie.h"

namespace sitmera {

namespace {

// A copy of the epoch's points in point-number order, each record's poradi
// set to its 1-based position in the epoch's list. The determined and the
// fixed points are each already ordered (the epoch reader checks it) and are
// merged; counts that do not describe the list fall back to a stable sort by
// number, which gives the same order.
Tsouradnice BodyDleCisla(const Tetapa& etapa)
{
    Tsouradnice kopie;
    kopie.Kopiruj(etapa.souradnice);
    for (std::size_t i = 0; i < kopie.bod.size(); ++i)
        kopie.bod[i].poradi = static_cast<std::int32_t>(i + 1);
    const int u = etapa.pocetBoduUrcovanych;
    const int f = etapa.pocetBoduFixnich;
    const auto n = static_cast<long long>(kopie.bod.size());
    Tsouradnice serazene;
    if (u >= 0 && f >= 0 && static_cast<long long>(u) + f <= n) {
        PreradBodyDleRozsahu(kopie, serazene, u, f);
    } else {
        serazene = kopie;
        serazene.Sort(1);
    }
    return serazene;
}

}  // namespace

TmodelPorovnani::TmodelPorovnani()
{
    NulujSoubor(soubor);
}

void TmodelPorovnani::Clear()
{
    etapa1.Clear();
    etapa2.Clear();
    identickeBodyEtapa1.Clear();
    identickeBodyEtapa2.Clear();
    pocetBoduIdentickych = -1;
    existujiIdenticke = false;
    NulujSoubor(soubor);
}

void TmodelPorovnani::ClearProtokol()
{
    etapa1.protokol.Clear();
    etapa2.protokol.Clear();
}

void TmodelPorovnani::InfoSoubor(const std::string& nazevSoubor)
{
    soubor.jmeno = ExtractFileName(nazevSoubor);
    soubor.cesta = ExtractFilePath(nazevSoubor);
    soubor.pripona = ExtractFileExt(nazevSoubor);
    soubor.nacteni = true;
}

void TmodelPorovnani::VyhledaniIdentickychBodu(const Tnastaveni& /*nastaveni*/)
{
    identickeBodyEtapa1.Clear();
    identickeBodyEtapa2.Clear();
    pocetBoduIdentickych = 0;
    existujiIdenticke = false;
    if (!etapa1.jePripojen || !etapa2.jePripojen) return;

    const Tsouradnice t1 = BodyDleCisla(etapa1);
    const Tsouradnice t2 = BodyDleCisla(etapa2);
    const int n1 = std::min(etapa1.pocetBodu, static_cast<int>(t1.bod.size()));
    const int konec = std::min(etapa2.pocetBodu, static_cast<int>(t2.bod.size())) - 1;

    // Both lists are in TextMensi order, the order of the scan
    // (PoradiBoduSCislem): the cursor j into t2 only moves forward.
    int j = 0;
    int k = 0;
    for (int i = 0; i < n1; ++i) {
        if (!t1.bod[i].JePlny) continue;
        const int r = t2.PoradiBoduSCislem(t1.bod[i].cislo, j, konec);
        if (r == 1) break;
        if (r != 2) continue;
        Tbod b1 = t1.bod[i];
        Tbod b2 = t2.bod[j];
        if (!(b1.JeAktiv && b2.JeAktiv)) {
            b1.JeAktiv = false;
            b2.JeAktiv = false;
        }
        b1.soubor = k + 1;
        b2.soubor = k + 1;
        identickeBodyEtapa1.PridejBod(b1);
        identickeBodyEtapa2.PridejBod(b2);
        ++j;
        ++k;
    }
    pocetBoduIdentickych = static_cast<int>(identickeBodyEtapa1.bod.size());
    existujiIdenticke = pocetBoduIdentickych > 0;
}

void TmodelPorovnani::PredatJeAktiv(const Tsouradnice& souradniceIdenticke)
{
    auto nastav = [](Tsouradnice& identicke, Tsouradnice& etapa, int k, bool f) {
        if (k >= static_cast<int>(identicke.bod.size())) return;
        Tbod& par = identicke.bod[k];
        par.JeAktiv = f;
        const int p = par.poradi - 1;
        if (p >= 0 && p < static_cast<int>(etapa.bod.size())) etapa.bod[p].JeAktiv = f;
    };
    for (int k = 0; k < pocetBoduIdentickych; ++k) {
        const std::size_t radek = 2 * static_cast<std::size_t>(k);
        if (radek >= souradniceIdenticke.bod.size()) break;
        const bool f = souradniceIdenticke.bod[radek].JeAktiv;
        nastav(identickeBodyEtapa1, etapa1.souradnice, k, f);
        nastav(identickeBodyEtapa2, etapa2.souradnice, k, f);
    }
}

bool TmodelPorovnani::Transfromuj(const TmodelPorovnani& vstup, const TtransformacniKlicEtapa& klic,
                                  bool jeTransformaceEtapa, bool& typEtapa)
{
    Tetapa& cil = jeTransformaceEtapa ? etapa1 : etapa2;
    Tsouradnice& cilIdenticke = jeTransformaceEtapa ? identickeBodyEtapa1 : identickeBodyEtapa2;
    const Tetapa& zdroj = jeTransformaceEtapa ? vstup.etapa1 : vstup.etapa2;
    const Tsouradnice& zdrojIdenticke =
        jeTransformaceEtapa ? vstup.identickeBodyEtapa1 : vstup.identickeBodyEtapa2;
    try {
        // A key that is not filled holds a zero rotation: no usable result.
        if (!klic.jePlny) throw TichePreruseni();
        if (!zdroj.jePripojen) throw TichePreruseni();
        if (&vstup != this) {
            cil.Kopiruj(zdroj);
            cilIdenticke.Kopiruj(zdrojIdenticke);
            pocetBoduIdentickych = vstup.pocetBoduIdentickych;
            existujiIdenticke = vstup.existujiIdenticke;
        }
        if (!cil.Transformuj(klic.translace, klic.rotace)) throw TichePreruseni();
        cilIdenticke.Transformuj(klic.translace, klic.rotace);
        cilIdenticke.ZaokrouhlitSouradnice(-6);
        // Deviations, ellipses and ellipsoids in the frame of the coordinates:
        // those of the transformed epoch's record (poradi leads to it).
        for (Tbod& b : cilIdenticke.bod) {
            const std::size_t i = static_cast<std::size_t>(b.poradi - 1);
            if (b.poradi < 1 || i >= cil.souradnice.bod.size()) continue;
            const Tbod& z = cil.souradnice.bod[i];
            b.sig_X = z.sig_X;
            b.sig_Y = z.sig_Y;
            b.sig_Z = z.sig_Z;
            b.elipsoid = z.elipsoid;
            b.elipsa = z.elipsa;
        }
        cil.protokol.Clear();
        typEtapa = true;
        return true;
    } catch (...) {
        cil.Clear();
        cilIdenticke.Clear();
        pocetBoduIdentickych = 0;
        existujiIdenticke = false;
        typEtapa = false;
        return false;
    }
}

}  // namespace sitmera

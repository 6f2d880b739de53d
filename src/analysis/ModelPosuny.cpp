#include "analysis/ModelPosuny.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "analysis/ElipsyChyb.h"
#include "analysis/Etapa.h"
#include "analysis/ModelPorovnani.h"
#include "core/Nastaveni.h"
#include "numerics/Jednotky.h"
#include "numerics/icnorm.h"
#include "numerics/icstudent.h"
#include "points/Geometrie.h"

namespace sitmera {

namespace {

// Row of a point's 3 x 3 block in its epoch's cofactor matrix.
int RadekBloku(const Tbod& bod) { return 3 * (bod.poradi - 1); }

// Student quantile of an adjusted epoch for probability p.
Extended KvantilStudent(const Tetapa& etapa, Extended p)
{
    if (!etapa.jeVyrovnan) return 0;
    if (etapa.pocetNadbytecnych < 1)
        throw ChybaArgumentu("An adjusted epoch without redundancy");
    return Konecne(icstudent(etapa.pocetNadbytecnych, p));
}

// Effective Student quantile of one quantity whose variance is var1 in epoch
// 1 and var2 in epoch 2 (var their sum): the squared quantiles weighted by
// the epochs' shares of the variance,
//   t^2 = (t1^2 var1 + t2^2 var2) / var,
// so t1 = t2 = t gives t. A quantity without variance in either epoch gets 0.
Extended EfektivniKvantil(Extended t1, Extended var1, Extended t2, Extended var2, Extended var)
{
    if (var == 0 || (var1 == 0 && var2 == 0)) return 0;
    return Odmocnina(Podil(t1 * t1 * var1 + t2 * t2 * var2, var));
}

// Step 1: values of the displacement of pair i from P1 (epoch 1) to P2.
void VypocetHodnotyPosunu(Tposun& d, int i, const Tbod& P1, const Tbod& P2)
{
    d.poradi = i + 1;
    d.cislo = P1.cislo;
    d.hodnota.X = P2.X - P1.X;
    d.hodnota.Y = P2.Y - P1.Y;
    d.hodnota.Z = P2.Z - P1.Z;
    d.hodnota.delkaH = DelkaVodorovna(P1, P2);
    d.hodnota.delkaS = DelkaSikma(P1, P2);
    d.JePlny = true;
    d.JeNulovyH = d.hodnota.delkaH == 0;
    d.JeNulovyS = d.hodnota.delkaS == 0;
    d.JeFix1 = P1.JeFixni;
    d.JeFix2 = P2.JeFixni;
    d.hodnota.zenit = d.JeNulovyS ? 0 : ZenitBodu(P1, P2);
    d.hodnota.smernik = d.JeNulovyH ? 0 : SmernikBodu(P1, P2);
}

// Step 4 for one covariance C: standard deviations of the quantities, the
// error ellipsoid and the error ellipse. Deviations of lengths and angles
// that are not defined (zero length) stay 0.
void VypocetOdchylek(const Tposun& d, const Tmatrix& C, TposunHodnota& odchylka,
                     Telipsoid& elipsoid, Telipsa& elipsa)
{
    const Extended dX = d.hodnota.X, dY = d.hodnota.Y, dZ = d.hodnota.Z;
    odchylka.X = Odmocnina(C[0][0]);
    odchylka.Y = Odmocnina(C[1][1]);
    odchylka.Z = Odmocnina(C[2][2]);
    if (!d.JeNulovyH) {
        odchylka.delkaH = OdchylkaDelkaH(C, dX, dY);
        odchylka.smernik = OdchylkaSmernik(C, dX, dY);
    }
    if (!d.JeNulovyS) {
        odchylka.delkaS = OdchylkaDelkaS(C, dX, dY, dZ);
        odchylka.zenit = OdchylkaZenit(C, dX, dY, dZ);
    }
    ElipsoidChybBodu(C, elipsoid);
    ElipsaChybBodu(C, elipsa);
}

// The index of the pair shown as record index of posuny: the record's pair
// number once the list has been sorted; -1 for a record that is no pair.
int IndexPary(const Tposuny& posuny, int index, int pocet)
{
    if (index < 0 || static_cast<std::size_t>(index) >= posuny.zaznam.size()) return -1;
    const Tposun& z = posuny.zaznam[static_cast<std::size_t>(index)];
    if (!z.JePlny || z.poradi < 1 || z.poradi > pocet) return -1;
    return z.poradi - 1;
}

}  // namespace

void TmodelPosuny::Clear()
{
    body1.Clear();
    body2.Clear();
    posuny.Clear();
    analyzaDelka.Clear();
    analyzaUhel.Clear();
    protokol.Clear();
    bodyGrafika.Clear();
    bodyDXF.Clear();
    posunyGrafika.Clear();
    posunyDXF.Clear();
    pocet = -1;
    jePlny = false;
    porovnaniAprior = false;
    porovnaniAposter = false;
}

bool TmodelPosuny::NacistBody(const TmodelPorovnani& modelPorovnani)
{
    try {
        const Tsouradnice& id1 = modelPorovnani.identickeBodyEtapa1;
        const Tsouradnice& id2 = modelPorovnani.identickeBodyEtapa2;
        pocet = 0;
        for (const Tbod& b : id1.bod)
            if (b.JeAktiv) ++pocet;
        jePlny = pocet > 0;

        if (pocet > 0) {
            if (id2.bod.size() < id1.bod.size())
                throw ChybaArgumentu("Identical lists of different lengths");
            // The active pairs in order; with every pair active this is the
            // whole of both lists.
            Tsouradnice novy1, novy2;
            novy1.bod.reserve(static_cast<std::size_t>(pocet));
            novy2.bod.reserve(static_cast<std::size_t>(pocet));
            for (std::size_t k = 0; k < id1.bod.size(); ++k)
                if (id1.bod[k].JeAktiv) {
                    novy1.bod.push_back(id1.bod[k]);
                    novy2.bod.push_back(id2.bod[k]);
                }
            body1.bod = std::move(novy1.bod);
            body2.bod = std::move(novy2.bod);
        }

        analyzaDelka.Default();
        analyzaUhel.Default();
        return pocet > 0;
    } catch (...) {
        Clear();
        return false;
    }
}

bool TmodelPosuny::NacistNastaveni(const TmodelPorovnani& modelPorovnani,
                                   const Tnastaveni& nastaveni)
{
    try {
        // Two-sided test at risk r: the quantile of probability 1 - r/2.
        const Extended p = 1 - nastaveni.porovnani.riziko / 2;
        kvantilN = icnorm(p);
        kvantilS1 = KvantilStudent(modelPorovnani.etapa1, p);
        kvantilS2 = KvantilStudent(modelPorovnani.etapa2, p);
        porovnaniAprior = nastaveni.porovnani.apriorni;
        porovnaniAposter = nastaveni.porovnani.aposteriorni;
        return true;
    } catch (...) {
        Clear();
        return false;
    }
}

bool TmodelPosuny::Porovnani(const TmodelPorovnani& modelPorovnani)
{
    try {
        if (pocet < 1) throw ChybaArgumentu("No pairs to compare");
        const std::size_t n = static_cast<std::size_t>(pocet);
        if (body1.bod.size() < n || body2.bod.size() < n)
            throw ChybaArgumentu("Fewer points than pairs");

        const Tetapa& E1 = modelPorovnani.etapa1;
        const Tetapa& E2 = modelPorovnani.etapa2;
        const Tmatrix& Q1 = E1.maticeKovariancni;
        const Tmatrix& Q2 = E2.maticeKovariancni;
        const Extended s1a = E1.rozptylJednotkovyAprior, s2a = E2.rozptylJednotkovyAprior;
        const Extended s1p = E1.rozptylJednotkovyAposterior, s2p = E2.rozptylJednotkovyAposterior;
        const Extended t1 = kvantilS1, t2 = kvantilS2;

        posuny.Clear();
        posuny.Velikost(pocet);
        pocetProkazanychAprior = TposunHodnota{};
        pocetProkazanychAposter = TposunHodnota{};

        for (std::size_t i = 0; i < n; ++i) {
            const Tbod& P1 = body1.bod[i];
            const Tbod& P2 = body2.bod[i];
            const int i1 = RadekBloku(P1), i2 = RadekBloku(P2);
            const bool volny1 = !P1.JeFixni, volny2 = !P2.JeFixni;
            Tposun& d = posuny.zaznam[i];

            // 1. Values.
            VypocetHodnotyPosunu(d, static_cast<int>(i), P1, P2);
            const Extended dX = d.hodnota.X, dY = d.hodnota.Y, dZ = d.hodnota.Z;

            // 2. A-priori covariance: the blocks of the epochs the point is
            // free in, each scaled by its epoch's a-priori unit variance.
            if (volny1 && volny2)
                BlokKovariance(Q1, Q2, i1, i2, s1a, s2a, d.kovMatAprior);
            else if (volny1)
                BlokKovarianceNasobek(Q1, i1, d.kovMatAprior, s1a);
            else if (volny2)
                BlokKovarianceNasobek(Q2, i2, d.kovMatAprior, s2a);

            // 3. A-posteriori covariance and the effective Student quantiles.
            bool maAposter = false;
            if (volny1 && volny2 && E1.jeVyrovnan && E2.jeVyrovnan) {
                Tmatrix V1, V2;
                BlokKovarianceNasobek(Q1, i1, V1, s1p);
                BlokKovarianceNasobek(Q2, i2, V2, s2p);
                BlokKovariance(Q1, Q2, i1, i2, s1p, s2p, d.kovMatAposter);
                const Tmatrix& V = d.kovMatAposter;
                for (int c = 0; c < 3; ++c)
                    NastavHodnotuVeliciny(d.kvantilS, c,
                                          EfektivniKvantil(t1, V1[c][c], t2, V2[c][c], V[c][c]));
                if (!d.JeNulovyH) {
                    const Extended h1 = OdchylkaDelkaH(V1, dX, dY);
                    const Extended h2 = OdchylkaDelkaH(V2, dX, dY);
                    const Extended h = OdchylkaDelkaH(V, dX, dY);
                    d.kvantilS.delkaH = EfektivniKvantil(t1, h1 * h1, t2, h2 * h2, h * h);
                }
                if (!d.JeNulovyS) {
                    const Extended s1 = OdchylkaDelkaS(V1, dX, dY, dZ);
                    const Extended s2 = OdchylkaDelkaS(V2, dX, dY, dZ);
                    const Extended s = OdchylkaDelkaS(V, dX, dY, dZ);
                    d.kvantilS.delkaS = EfektivniKvantil(t1, s1 * s1, t2, s2 * s2, s * s);
                }
                maAposter = true;
            } else if (volny1 && E1.jeVyrovnan) {
                BlokKovarianceNasobek(Q1, i1, d.kovMatAposter, s1p);
                for (int k = 0; k <= 4; ++k) NastavHodnotuVeliciny(d.kvantilS, k, t1);
                maAposter = true;
            } else if (volny2 && E2.jeVyrovnan) {
                BlokKovarianceNasobek(Q2, i2, d.kovMatAposter, s2p);
                for (int k = 0; k <= 4; ++k) NastavHodnotuVeliciny(d.kvantilS, k, t2);
                maAposter = true;
            }

            // 4. Deviations, ellipsoids and ellipses (none for a pair fixed
            // in both epochs; a posteriori only where a covariance exists).
            const bool fixObe = !volny1 && !volny2;
            if (!fixObe) {
                VypocetOdchylek(d, d.kovMatAprior, d.odchylkaAprior, d.elipsoidAprior,
                                d.elipsaAprior);
                if (maAposter)
                    VypocetOdchylek(d, d.kovMatAposter, d.odchylkaAposter, d.elipsoidAposter,
                                    d.elipsaAposter);
            }

            // 5. Tests of X, Y, Z, horizontal and spatial length. A pair
            // fixed in both epochs is tested against limits 0; a free pair
            // without a-posteriori covariance has no a-posteriori test.
            for (int k = 0; k <= 4; ++k) {
                const Extended h = HodnotaVeliciny(d.hodnota, k);
                Extended mez = 0;
                bool prokazano = false;
                TestVyznamnosti(mez, prokazano, porovnaniAprior, h,
                                HodnotaVeliciny(d.odchylkaAprior, k), kvantilN);
                NastavHodnotuVeliciny(d.odchylkaMezAprior, k, mez);
                NastavProkazaniVeliciny(d.prokazaniAprior, k, prokazano);

                mez = 0;
                prokazano = false;
                if (maAposter || fixObe)
                    TestVyznamnosti(mez, prokazano, porovnaniAposter, h,
                                    HodnotaVeliciny(d.odchylkaAposter, k),
                                    HodnotaVeliciny(d.kvantilS, k));
                NastavHodnotuVeliciny(d.odchylkaMezAposter, k, mez);
                NastavProkazaniVeliciny(d.prokazaniAposter, k, prokazano);
            }

            // 6. Counts.
            PricistProkazane(pocetProkazanychAprior, d.prokazaniAprior);
            PricistProkazane(pocetProkazanychAposter, d.prokazaniAposter);
        }

        // 7. Extremes over all pairs (of equal extremes the first pair's).
        for (int k = 0; k <= 4; ++k) {
            NastavHodnotuVeliciny(maxPosun, k, posuny.MarginalniPosun(k, true));
            NastavHodnotuVeliciny(minPosun, k, posuny.MarginalniPosun(k, false));
        }

        pocetNefix = pocet - posuny.PocetFix();
        protokol.Clear();
        bodyGrafika.Kopiruj(body1);
        posunyGrafika.Kopiruj(posuny);
        return true;
    } catch (...) {
        Clear();
        return false;
    }
}

void TmodelPosuny::VypocetAnalyzaDelka(int iBod, int iCil, const TmodelPorovnani& modelPorovnani)
{
    const Tetapa& E1 = modelPorovnani.etapa1;
    const Tetapa& E2 = modelPorovnani.etapa2;
    // The indexes are those of the displacement list as shown; the pair
    // behind a record is its poradi (the list may have been sorted).
    const int stn = IndexPary(posuny, iBod, pocet);
    const int cil = IndexPary(posuny, iCil, pocet);
    TanalyzaVnitrni a1, a2;
    a1.VypocetAnalyzaDelka(stn, cil, E1.maticeKovariancni, body1, E1.odchylkaJednotkovaAprior,
                           E1.odchylkaJednotkovaAposterior);
    a2.VypocetAnalyzaDelka(stn, cil, E2.maticeKovariancni, body2, E2.odchylkaJednotkovaAprior,
                           E2.odchylkaJednotkovaAposterior);

    analyzaDelka.Velikost(7);
    analyzaDelka.iStn = iBod;
    analyzaDelka.iCilL = iCil;
    const std::size_t radku = std::min({a1.data.bod.size(), a2.data.bod.size(), std::size_t{7}});
    for (std::size_t k = 0; k < radku; ++k)
        PorovnatAnalyzu(a1.data.bod[k], a2.data.bod[k], k < 5 ? 1 : 2, kvantilN, kvantilS1,
                        kvantilS2, porovnaniAprior, porovnaniAposter, analyzaDelka.data.bod[k]);
}

void TmodelPosuny::VypocetAnalyzaUhel(int iBod, int iCilL, int iCilP,
                                      const TmodelPorovnani& modelPorovnani)
{
    const Tetapa& E1 = modelPorovnani.etapa1;
    const Tetapa& E2 = modelPorovnani.etapa2;
    const int stn = IndexPary(posuny, iBod, pocet);
    const int cilL = IndexPary(posuny, iCilL, pocet);
    const int cilP = IndexPary(posuny, iCilP, pocet);
    TanalyzaVnitrni a1, a2;
    a1.VypocetAnalyzaUhel(stn, cilL, cilP, E1.maticeKovariancni, body1,
                          E1.odchylkaJednotkovaAprior, E1.odchylkaJednotkovaAposterior);
    a2.VypocetAnalyzaUhel(stn, cilL, cilP, E2.maticeKovariancni, body2,
                          E2.odchylkaJednotkovaAprior, E2.odchylkaJednotkovaAposterior);

    analyzaUhel.Velikost(3);
    analyzaUhel.iStn = iBod;
    analyzaUhel.iCilL = iCilL;
    analyzaUhel.iCilP = iCilP;
    const std::size_t radku = std::min({a1.data.bod.size(), a2.data.bod.size(), std::size_t{3}});
    for (std::size_t k = 0; k < radku; ++k)
        PorovnatAnalyzu(a1.data.bod[k], a2.data.bod[k], 2, kvantilN, kvantilS1, kvantilS2,
                        porovnaniAprior, porovnaniAposter, analyzaUhel.data.bod[k]);
}

void TmodelPosuny::GrafikaDleSouradnicovehoSystemu(bool system)
{
    const std::size_t n = std::min(body1.bod.size(), static_cast<std::size_t>(std::max(pocet, 0)));

    // The copies in pair order: point i is body1[i], its displacement the
    // record of pair i wherever sorting has put it in posuny.
    std::vector<const Tposun*> zaznamPary(n, nullptr);
    for (const Tposun& z : posuny.zaznam)
        if (z.JePlny && z.poradi >= 1 && static_cast<std::size_t>(z.poradi) <= n &&
            !zaznamPary[static_cast<std::size_t>(z.poradi) - 1])
            zaznamPary[static_cast<std::size_t>(z.poradi) - 1] = &z;
    bodyGrafika.Kopiruj(body1);
    bodyGrafika.Velikost(static_cast<int>(n));
    posunyGrafika.Clear();
    posunyGrafika.Velikost(static_cast<int>(n));
    for (std::size_t i = 0; i < n; ++i) {
        if (zaznamPary[i])
            posunyGrafika.zaznam[i] = *zaznamPary[i];
        else if (i < posuny.zaznam.size())
            posunyGrafika.zaznam[i] = posuny.zaznam[i];
    }

    if (system) {
        posunyGrafika.stoceniOs = 0;
    } else {
        // The other axis convention: X and Y exchanged, so a bearing b from
        // X towards Y becomes pi/2 - b from the new first axis.
        for (std::size_t i = 0; i < n; ++i) {
            Tbod& b = bodyGrafika.bod[i];
            b.X = body1.bod[i].Y;
            b.Y = body1.bod[i].X;
            Tposun& z = posunyGrafika.zaznam[i];
            z.hodnota.smernik = Pi / 2 - z.hodnota.smernik;
            z.elipsaAprior.a_smernik = Pi / 2 - z.elipsaAprior.a_smernik;
            z.elipsaAposter.a_smernik = Pi / 2 - z.elipsaAposter.a_smernik;
        }
        posunyGrafika.stoceniOs = Pi / 2;
    }
    KopirujDXF(system);
}

void TmodelPosuny::KopirujDXF(bool souradnicovySystem)
{
    bodyDXF.Kopiruj(bodyGrafika);
    posunyDXF.Kopiruj(posunyGrafika);
    if (souradnicovySystem) return;
    const std::size_t n = std::min({bodyDXF.bod.size(), posunyDXF.zaznam.size(),
                                    static_cast<std::size_t>(std::max(pocet, 0))});
    for (std::size_t i = 0; i < n; ++i) {
        bodyDXF.bod[i].X = -bodyGrafika.bod[i].X;
        bodyDXF.bod[i].Y = -bodyGrafika.bod[i].Y;
        posunyDXF.zaznam[i].hodnota.smernik = Pi + posunyGrafika.zaznam[i].hodnota.smernik;
    }
}

}  // namespace sitmera

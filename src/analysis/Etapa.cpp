// The epoch object: life cycle, caption, covariance text and transformation.
// The epoch text (reading and writing) is in EtapaSoubor.cpp.
#include "analysis/Etapa.h"

#include <algorithm>
#include <cmath>

#include "analysis/ElipsyChyb.h"
#include "core/Jazyk.h"
#include "numerics/Cesta.h"
#include "numerics/Matrix2.h"
#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"

namespace sitmera {

namespace {

bool VseKonecne(const Tmatrix& m)
{
    for (const Tvector& radek : m)
        for (const Extended x : radek)
            if (!std::isfinite(x)) return false;
    return true;
}

// Every coordinate, and for the first u points every standard deviation and
// ellipse and ellipsoid value, is a finite number.
bool BodyKonecne(const Tsouradnice& souradnice, int u)
{
    for (std::size_t i = 0; i < souradnice.bod.size(); ++i) {
        const Tbod& b = souradnice.bod[i];
        if (!std::isfinite(b.X) || !std::isfinite(b.Y) || !std::isfinite(b.Z)) return false;
        if (i >= static_cast<std::size_t>(u)) continue;
        const Telipsoid& e = b.elipsoid;
        for (const Extended x : {b.sig_X, b.sig_Y, b.sig_Z, e.a_delka, e.a_smernik, e.a_zenit,
                                 e.b_delka, e.b_smernik, e.b_zenit, e.c_delka, e.c_smernik,
                                 e.c_zenit, b.elipsa.a_delka, b.elipsa.b_delka, b.elipsa.a_smernik})
            if (!std::isfinite(x)) return false;
    }
    return true;
}

}  // namespace

Tetapa::Tetapa() : grafika(0, 0), analyzaDelka(0), analyzaUhel(0)
{
    NulujSoubor(soubor);
}

void Tetapa::Clear()
{
    souradnice.Clear();
    grafika.Clear();
    MatrixClear(maticeKovariancni);
    odchylkaJednotkovaAprior = -1;
    odchylkaJednotkovaAposterior = -1;
    rozptylJednotkovyAprior = -1;
    rozptylJednotkovyAposterior = -1;
    pocetSmer = pocetZenit = pocetDelka = -1;
    pocetDoplnekDelka = pocetDoplnekSmernik = pocetDoplnekPrevyseni = pocetDoplnekProvazeni = -1;
    pocetMereni = pocetBodu = pocetBoduUrcovanych = pocetBoduFixnich = -1;
    pocetPosunu = pocetNeznamych = pocetNadbytecnych = pocetPodminek = -1;
    jePripojen = false;
    jeVyrovnan = false;
    kovariancniMaticeStr_.clear();
    kovariancniMaticeStrPlatna_ = true;
    NulujSoubor(soubor);
    ID = 0;
    analyzaDelka.Clear();
    analyzaUhel.Clear();
    protokol.Clear();
}

void Tetapa::Kopiruj(const Tetapa& vstup)
{
    if (&vstup == this) return;
    souradnice.Kopiruj(vstup.souradnice);
    grafika.Kopiruj(vstup.grafika);
    MatrixCopy(vstup.maticeKovariancni, maticeKovariancni);
    odchylkaJednotkovaAprior = vstup.odchylkaJednotkovaAprior;
    odchylkaJednotkovaAposterior = vstup.odchylkaJednotkovaAposterior;
    rozptylJednotkovyAprior = vstup.rozptylJednotkovyAprior;
    rozptylJednotkovyAposterior = vstup.rozptylJednotkovyAposterior;
    pocetSmer = vstup.pocetSmer;
    pocetZenit = vstup.pocetZenit;
    pocetDelka = vstup.pocetDelka;
    pocetDoplnekDelka = vstup.pocetDoplnekDelka;
    pocetDoplnekSmernik = vstup.pocetDoplnekSmernik;
    pocetDoplnekPrevyseni = vstup.pocetDoplnekPrevyseni;
    pocetDoplnekProvazeni = vstup.pocetDoplnekProvazeni;
    pocetMereni = vstup.pocetMereni;
    pocetBodu = vstup.pocetBodu;
    pocetBoduUrcovanych = vstup.pocetBoduUrcovanych;
    pocetBoduFixnich = vstup.pocetBoduFixnich;
    pocetPosunu = vstup.pocetPosunu;
    pocetNeznamych = vstup.pocetNeznamych;
    pocetNadbytecnych = vstup.pocetNadbytecnych;
    pocetPodminek = vstup.pocetPodminek;
    jePripojen = vstup.jePripojen;
    jeVyrovnan = vstup.jeVyrovnan;
    kovariancniMaticeStr_ = vstup.kovariancniMaticeStr_;
    kovariancniMaticeStrPlatna_ = vstup.kovariancniMaticeStrPlatna_;
    soubor = vstup.soubor;
    ID = vstup.ID;
    barva = vstup.barva;
    analyzaDelka.Kopiruj(vstup.analyzaDelka);
    analyzaUhel.Kopiruj(vstup.analyzaUhel);
    protokol.Kopiruj(vstup.protokol);
}

void Tetapa::InfoSoubor(const std::string& nazevSoubor)
{
    soubor.jmeno = ExtractFileName(nazevSoubor);
    soubor.cesta = ExtractFilePath(nazevSoubor);
    soubor.pripona = ExtractFileExt(nazevSoubor);
}

std::string Tetapa::Nazev(const Tjazyk& jazyk, bool vcetneSouboru, std::uint8_t typEtapa,
                          std::uint8_t druhEtapa) const
{
    std::string nazev;
    if (typEtapa >= 1 && typEtapa <= jazyk.arabskeCislice.size())
        nazev = jazyk.arabskeCislice[typEtapa - 1u] + ". ";
    nazev += MalaPismena(jazyk.tlacitko.etapa);
    if (druhEtapa == 2) nazev += " (" + MalaPismena(jazyk.popis.transformovana) + ")";
    if (vcetneSouboru && jePripojen) nazev += " [" + soubor.jmeno + "]";
    return nazev;
}

const std::string& Tetapa::kovariancniMaticeStr() const
{
    if (!kovariancniMaticeStrPlatna_) {
        kovariancniMaticeStr_ = SymetrickaMaticeNaText(maticeKovariancni, RadkuKovariancniMatice());
        kovariancniMaticeStrPlatna_ = true;
    }
    return kovariancniMaticeStr_;
}

int Tetapa::RadkuKovariancniMatice() const
{
    const std::size_t n = pocetBoduUrcovanych > 0 ? 3 * static_cast<std::size_t>(pocetBoduUrcovanych) : 0;
    return static_cast<int>(std::min(n, maticeKovariancni.size()));
}

std::string Tetapa::RadekKovariancniMatice(int i) const
{
    return SymetrickaMaticeRadekNaText(maticeKovariancni, RadkuKovariancniMatice(), i);
}

void Tetapa::KovariancniMatice2str()
{
    kovariancniMaticeStr_.clear();
    kovariancniMaticeStr_.shrink_to_fit();
    kovariancniMaticeStrPlatna_ = false;
    kovariancniMaticeStr();
}

void Tetapa::KovariancniMaticeZmenena()
{
    kovariancniMaticeStr_.clear();
    kovariancniMaticeStr_.shrink_to_fit();
    kovariancniMaticeStrPlatna_ = maticeKovariancni.empty();
}

bool Tetapa::Transformuj(const Tmatrix& translace, const Tmatrix& rotace)
{
    try {
        const int u = pocetBoduUrcovanych;
        if (u < 0 || static_cast<std::size_t>(u) > souradnice.bod.size() ||
            maticeKovariancni.size() != 3 * static_cast<std::size_t>(u))
            throw ChybaArgumentu("Epoch without a consistent point list and matrix");
        souradnice.Transformuj(translace, rotace);
        RotateCovarianceLower(maticeKovariancni, rotace, maticeKovariancni);
        souradnice.ZaokrouhlitSouradnice(-6);
        if (!VseKonecne(maticeKovariancni) || !DiagonalNonNegative(maticeKovariancni, 0, 3 * u - 1))
            throw TichePreruseni();
        VypocetElipsoidu(souradnice, maticeKovariancni, u);
        VypocetElips(souradnice, maticeKovariancni, u);
        if (!BodyKonecne(souradnice, u)) throw ChybaAritmetiky("Invalid floating point operation");
        KovariancniMaticeZmenena();
        if (!grafika.NacistSouradnice(souradnice)) throw TichePreruseni();
        protokol.Clear();
        jePripojen = true;
        return true;
    } catch (...) {
        Clear();
        return false;
    }
}

void Tetapa::VypocetAnalyzaDelka(int iBod, int iCil)
{
    analyzaDelka.VypocetAnalyzaDelka(iBod, iCil, maticeKovariancni, souradnice,
                                     odchylkaJednotkovaAprior, odchylkaJednotkovaAposterior);
}

void Tetapa::VypocetAnalyzaUhel(int iBod, int iCil1, int iCil2)
{
    analyzaUhel.VypocetAnalyzaUhel(iBod, iCil1, iCil2, maticeKovariancni, souradnice,
                                   odchylkaJednotkovaAprior, odchylkaJednotkovaAposterior);
}

}  // namespace sitmera

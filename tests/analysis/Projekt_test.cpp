// The project file: the file saved right after start against a golden file
// derived by hand; a full state (two epochs, user points, a key of kind 2 on
// the user points, every stored setting changed) saved, read back and saved
// again; every rejected text leaving the live state exactly as it was; the
// key's point choices checked against their lists; the key bound to the live
// lists after a read; failed saves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iomanip>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <type_traits>

#include "analysis/Etapa.h"
#include "analysis/EtapaTransformacniKlic.h"
#include "analysis/OtiskEtapy.h"
#include "analysis/ModelPorovnani.h"
#include "analysis/Projekt.h"
#include "core/Nastaveni.h"
#include "numerics/TestProces.h"
#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"
#include "numerics/ZapisSouboru.h"

using namespace sitmera;

namespace {

const std::string Data = std::string(SITMERA_TEST_DATA) + "/projects/";

// In the process's own folder: test programs running at the same time share
// no file.
std::string Docasny(const std::string& jmeno)
{
    return (std::filesystem::path(test::SlozkaProcesu()) / ("projekt_test_" + jmeno)).string();
}

std::string Bajty(const std::string& cesta)
{
    std::ifstream f(cesta, std::ios::binary);
    std::ostringstream o;
    o << f.rdbuf();
    return o.str();
}

// The four objects a project holds, as the program has them at start.
struct Stav {
    TmodelPorovnani model;
    Tsouradnice uzivatelske;
    Tnastaveni nastaveni;
    TtransformacniKlicEtapa klic;

    Stav()
    {
        nastaveni.Default();
        ClearKlic(klic);
    }

    bool Uloz(const std::string& cesta)
    {
        return UlozitProjektAnalyzy(cesta, model, uzivatelske, nastaveni, klic);
    }
    bool Nacti(const std::string& cesta)
    {
        return NacistProjektAnalyzy(cesta, model, uzivatelske, nastaveni, klic);
    }
    bool Cti(TStringList radky)
    {
        return CteniProjektu(radky, model, uzivatelske, nastaveni, klic);
    }
    // The lines as a file's bytes read piece by piece, as a file is read.
    bool CtiPoKusech(const TStringList& radky, std::size_t kus)
    {
        std::string bajty;
        for (const std::string& r : radky) bajty += r + "\r\n";
        TctecRadku text(TctecRadku::ZPameti, bajty, kus);
        return NacistProjektZTextu(text, model, uzivatelske, nastaveni, klic);
    }
    TStringList Radky() const
    {
        TStringList r;
        EXPECT_TRUE(ZapisProjektu(r, model, uzivatelske, nastaveni, klic));
        return r;
    }
};

Tbod Bod(const std::string& cislo, Extended x, Extended y, Extended z, bool fix, bool aktiv)
{
    Tbod b;
    BodDefault(b);
    b.cislo = cislo;
    b.X = x;
    b.Y = y;
    b.Z = z;
    b.JePlny = true;
    b.JeFixni = fix;
    b.JeAktiv = aktiv;
    return b;
}

// Every stored setting away from its default (typProjekt has 0 as its only
// value), within the reader's ranges. Drawing and report fields not named
// are 0 / false.
void NastavVse(Tnastaveni& n)
{
    n.jednotky = {3, 1, 1, 1, false, 1};
    n.NastavPoradiXY(1);
    n.presnost.uhel = {7, 9};
    n.presnost.delka = {8, 10};
    n.presnost.souradnice = {0, 1};
    n.presnost.posun = {3, 6};
    n.souborVstup.typEtapa = n.souborVystup.typEtapa = 1;
    n.souborVstup.typSouradnice = n.souborVystup.typSouradnice = 1;
    n.souborVystup.typGrafika = 3;
    n.typJazyk = 0;
    n.porovnani = {0.0125L, false, false};
    n.grafika = {.barvaFixBod = 1, .barvaVyrBod = 2, .barvaMereni = 3, .barvaElipsa = 4,
                 .barvaPozadi = 5, .kreslitMereniPopis = true, .tloustkaBod = 1,
                 .tloustkaMereni = 2, .tloustkaElipsa = 3, .tloustkaOsa = 4, .tloustkaMeritko = 5,
                 .textFont = 12, .textVelikost = 22, .textRez = 1, .krizek = 29, .krouzek = 17,
                 .zvetseniElipsa = 11};
    n.grafikaPosun = {
        .barvaBod = 6, .barvaElipsa = 7, .barvaPosunHzHodnota = 9,
        .barvaPosunHzHodnotaVyznamna = 11, .barvaPosunHzMezOdchylka = 12,
        .barvaPosunZHodnota = 13, .barvaPosunZHodnotaVyznamna = 15, .barvaPosunZMezOdchylka = 16,
        .barvaPozadi = 19, .kreslitPosunHzMezOdchylka = true, .kreslitPosunZHodnota = true,
        .kreslitPosunZMezOdchylka = true, .tloustkaBod = 6, .tloustkaElipsa = 5,
        .tloustkaPosunHzHodnota = 4, .tloustkaPosunHzMezOdchylka = 3, .tloustkaPosunZHodnota = 2,
        .tloustkaPosunZMezOdchylka = 1, .tloustkaOsa = 3, .tloustkaMeritko = 4,
        .textFont = 32767, .textVelikost = 14, .textRez = 1, .velikostBod = 20,
        .velikostPosunHzHodnota = 21, .velikostPosunHzMezOdchylka = 25,
        .velikostPosunZHodnota = 26, .velikostPosunZMezOdchylka = 28, .zvetseni = 10,
        .typHzPosunu = 1};
    n.protokol = {.etapaVstupSourPresnost = 3, .etapaVstupElips = true,
                  .etapaVstupElipsPresnost = 2, .etapaTransSourPresnost = 1,
                  .etapaTransElips = true, .posunBodyIdent = true, .posunBodyIdentPresnost = 3,
                  .posunValueOrthogonal = true, .posunValueSemipolar = true,
                  .posunValuePolar = true, .posunElips = true, .posunHodnoceniPresnost = 2,
                  .posunHodnoceniX = true, .posunHodnoceniY = true, .posunHodnoceniZ = true};
}

// The settings section of NastavVse, line by line in the file's order.
const TStringList NastaveniPlne = {
    "3", "1", "1", "1", "0", "1",                                   // units
    "7", "8", "9", "10", "0", "1", "3", "6",                        // decimals
    "1", "1", "1", "1", "0", "0", "3",                              // file kinds
    "0",                                                            // language
    "0.0125", "0", "0",                                             // comparison
    "1", "2", "3", "4", "5", "0", "0", "-1", "0", "0", "0",         // network drawing
    "1", "2", "3", "4", "5", "12", "22", "1", "29", "17", "11", "0",
    "6", "7", "9", "11", "12", "13", "15", "16", "19",              // displacement drawing
    "0", "0", "0", "-1", "-1", "-1", "0", "0",
    "6", "5", "4", "3", "2", "1", "3", "4",
    "20", "21", "25", "26", "28", "10", "0", "32767", "14", "1", "1",
    "0", "0", "3", "-1", "2",                                       // report, input epoch
    "0", "0", "0", "1", "-1", "0",                                  // transformed epoch
    "0", "0", "-1", "3", "0", "0", "-1", "-1", "-1", "-1", "0", "2",  // displacements
    "-1", "-1", "-1", "0", "0"};

// A full state: both test epochs, four user points (one with more than six
// decimals), a key of kind 2 on the user points, every setting changed.
void NaplnStav(Stav& s)
{
    ASSERT_TRUE(NacistEtapu(Data + "etapa1.epc", s.model.etapa1));
    ASSERT_TRUE(NacistEtapu(Data + "etapa2.epc", s.model.etapa2));
    s.model.VyhledaniIdentickychBodu(s.nastaveni);
    s.uzivatelske.PridejBod(Bod("U1", 1000, 2000, 300, true, true));
    s.uzivatelske.PridejBod(Bod("U2", 1100, 2000, 300, false, true));
    s.uzivatelske.PridejBod(Bod("U3", 1000, 2100, 305.5, false, false));
    s.uzivatelske.PridejBod(Bod("Č4", 1.23456789L, -2.5, 0, true, false));
    NastavVse(s.nastaveni);
    s.klic.typ = 2;
    s.klic.typBod = {2, 2, 2};
    s.klic.poradiBod = {{-1, -1, 0}, {1, -1, 1}, {-1, 2, 2}};
    s.klic.translaceUser = {{1.5L}, {-2.25L}, {0.125L}};
    s.klic.uhelStoceniUser = {0.1L, 6.2L, 3.14159L};
    PriraditSouradniceKlice(s.klic, s.model.etapa1.souradnice, s.model.etapa2.souradnice,
                            s.uzivatelske);
    ASSERT_TRUE(VypocetKlice(s.klic));
}

using test::OtiskBodu;
using test::OtiskSouboru;
using test::Pridej;

// Everything of an epoch that a project stores or derives on reading, to the
// last bit, without its file record.
std::string OtiskEtapy(const Tetapa& e) { return test::OtiskDatEtapy(e); }

std::string OtiskKlice(const TtransformacniKlicEtapa& k)
{
    std::ostringstream o;
    TStringList radky;
    TextKlic(k, radky);
    for (const std::string& r : radky) o << r << ';';
    o << k.jePlny << '\n';
    for (const Tvector& r : k.translace)
        for (const Extended x : r) Pridej(o, x);
    for (const Tvector& r : k.rotace)
        for (const Extended x : r) Pridej(o, x);
    for (const Extended x : k.uhelStoceni) Pridej(o, x);
    for (const bool b : k.translaceUserJePlny) o << b;
    for (const bool b : k.uhelStoceniUserJePlny) o << b;
    o << '\n' << k.souradniceBod << ' ' << k.souradniceCil1 << ' ' << k.souradniceCil2 << '\n';
    return o.str();
}

// The whole live state, including what the file does not store.
std::string Otisk(const Stav& s)
{
    std::ostringstream o;
    TStringList radky;
    // A state whose user points cannot be written still has a fingerprint.
    ZapisProjektu(radky, s.model, s.uzivatelske, s.nastaveni, s.klic);
    for (const std::string& r : radky) o << r << '\n';
    o << OtiskEtapy(s.model.etapa1) << OtiskSouboru(s.model.etapa1.soubor)
      << int(s.model.etapa1.ID) << ' ' << s.model.etapa1.barva << '\n'
      << OtiskEtapy(s.model.etapa2) << OtiskSouboru(s.model.etapa2.soubor)
      << int(s.model.etapa2.ID) << ' ' << s.model.etapa2.barva << '\n'
      << OtiskBodu(s.model.identickeBodyEtapa1) << OtiskBodu(s.model.identickeBodyEtapa2)
      << s.model.pocetBoduIdentickych << s.model.existujiIdenticke << OtiskSouboru(s.model.soubor)
      << OtiskBodu(s.uzivatelske) << OtiskKlice(s.klic);
    const Tnastaveni& n = s.nastaveni;
    for (const int i : n.poradiXY) o << i << ' ';
    o << int(n.presnost.meritko) << ' ' << int(n.souborVstup.typProtokol) << ' '
      << int(n.souborVstup.typGrafika) << ' ' << int(n.souborVystup.typProtokol) << ' '
      << int(n.okno.etapa) << ' ' << int(n.okno.bodyVstup) << ' ' << n.schranka.souradnice_existuje
      << ' ' << int(n.pocetVlaknaVse) << '\n';
    Pridej(o, n.porovnani.riziko);
    return o.str();
}

// Index of the line equal to a text (the text must occur).
std::size_t Radek(const TStringList& r, const std::string& text)
{
    const auto it = std::find(r.begin(), r.end(), text);
    EXPECT_NE(it, r.end()) << text;
    return static_cast<std::size_t>(it - r.begin());
}

// Line n (from 1) of section 1.
std::string& Nastaveni(TStringList& r, int n) { return r[Radek(r, "<1>") + static_cast<std::size_t>(n)]; }
// Line n (from 1) of section 11.
std::string& Klic(TStringList& r, int n) { return r[Radek(r, "<11>") + static_cast<std::size_t>(n)]; }

TStringList PlnyProjekt()
{
    Stav s;
    NaplnStav(s);
    return s.Radky();
}

// ---------------------------------------------------------------- the file right after start

TEST(ProjektPoSpusteni, JeZlatySouborO153Radcich)
{
    Stav s;
    const TStringList radky = s.Radky();
    EXPECT_EQ(radky.size(), 153u);
    EXPECT_EQ(radky, NactiTextovySoubor(Data + "po_spusteni.pea"));

    const std::string cesta = Docasny("po_spusteni.pea");
    ASSERT_TRUE(s.Uloz(cesta));
    EXPECT_EQ(Bajty(cesta), Bajty(Data + "po_spusteni.pea"));
    // The file record names the project; no epoch is attached to name it.
    EXPECT_EQ(s.model.soubor.jmeno, "projekt_test_po_spusteni.pea");
    EXPECT_EQ(s.model.soubor.pripona, ".pea");
    EXPECT_TRUE(s.model.soubor.nacteni);
    EXPECT_EQ(s.model.etapa1.soubor.jmeno, "");
}

TEST(ProjektPoSpusteni, CteSeZpetDoVychozihoStavu)
{
    // Read over a full state: everything returns to the start state, except
    // the file record of the model, which now names the project. An epoch
    // read empty is a cleared epoch (counters -1), one made by the model's
    // constructor holds 0: their text is the same.
    Stav puvodni, s;
    NaplnStav(s);
    ASSERT_TRUE(s.Nacti(Data + "po_spusteni.pea"));
    EXPECT_FALSE(s.model.etapa1.jePripojen || s.model.etapa2.jePripojen);
    EXPECT_TRUE(s.uzivatelske.bod.empty());
    EXPECT_EQ(s.model.pocetBoduIdentickych, 0);
    EXPECT_EQ(s.model.soubor.jmeno, "po_spusteni.pea");
    NulujSoubor(s.model.soubor);
    EXPECT_EQ(s.Radky(), puvodni.Radky());
    EXPECT_EQ(s.nastaveni.porovnani.riziko, 0.05L);
    EXPECT_EQ(s.nastaveni.poradiXY, (TindexVector{1, 2}));
    EXPECT_TRUE(s.klic.jePlny);
    EXPECT_EQ(s.klic.rotace, puvodni.klic.rotace);
    EXPECT_EQ(s.klic.translace, puvodni.klic.translace);
    EXPECT_EQ(s.klic.uhelStoceni, puvodni.klic.uhelStoceni);
}

// ---------------------------------------------------------------- full state

// A field changed to another value: a flag turned over, a number to 0 or 1,
// the risk level halved.
template <class T>
void Zmen(T& x)
{
    if constexpr (std::is_same_v<T, bool>) x = !x;
    else if constexpr (std::is_same_v<T, Extended>) x /= 2;
    else x = x == 0 ? 1 : 0;
}

// Line k of the settings section belongs to field k of the file's table and
// to no other: changing the field alone changes line k alone, and reading
// that text back changes the field alone. Two lines that happen to hold
// equal values cannot change places unnoticed.
TEST(ProjektNastaveni, KazdyRadekPatriSvemuPoli)
{
#define P(pole) [](Tnastaveni& n) { Zmen(n.pole); }
    const std::vector<std::function<void(Tnastaveni&)>> pole = {
        P(jednotky.uhel), P(jednotky.delka), P(jednotky.souradnice), P(jednotky.posun),
        P(jednotky.souradnicovySystem), P(jednotky.poradiSouradnice), P(presnost.uhel.hodnota),
        P(presnost.delka.hodnota), P(presnost.uhel.odchylka), P(presnost.delka.odchylka),
        P(presnost.souradnice.hodnota), P(presnost.souradnice.odchylka), P(presnost.posun.hodnota),
        P(presnost.posun.odchylka), P(souborVstup.typEtapa), P(souborVystup.typEtapa),
        P(souborVstup.typSouradnice), P(souborVystup.typSouradnice), P(souborVstup.typProjekt),
        P(souborVystup.typProjekt), P(souborVystup.typGrafika), P(typJazyk), P(porovnani.riziko),
        P(porovnani.apriorni), P(porovnani.aposteriorni), P(grafika.barvaFixBod), P(grafika.barvaVyrBod),
        P(grafika.barvaMereni), P(grafika.barvaElipsa), P(grafika.barvaPozadi), P(grafika.kreslitBod),
        P(grafika.kreslitMereniLinie), P(grafika.kreslitMereniPopis), P(grafika.kreslitElipsa),
        P(grafika.kreslitOsa), P(grafika.kreslitMeritko), P(grafika.tloustkaBod), P(grafika.tloustkaMereni),
        P(grafika.tloustkaElipsa), P(grafika.tloustkaOsa), P(grafika.tloustkaMeritko), P(grafika.textFont),
        P(grafika.textVelikost), P(grafika.textRez), P(grafika.krizek), P(grafika.krouzek),
        P(grafika.zvetseniElipsa), P(grafika.presnost), P(grafikaPosun.barvaBod), P(grafikaPosun.barvaElipsa),
        P(grafikaPosun.barvaPosunHzHodnota), P(grafikaPosun.barvaPosunHzHodnotaVyznamna),
        P(grafikaPosun.barvaPosunHzMezOdchylka), P(grafikaPosun.barvaPosunZHodnota),
        P(grafikaPosun.barvaPosunZHodnotaVyznamna), P(grafikaPosun.barvaPosunZMezOdchylka),
        P(grafikaPosun.barvaPozadi), P(grafikaPosun.kreslitBod), P(grafikaPosun.kreslitElipsa),
        P(grafikaPosun.kreslitPosunHzHodnota), P(grafikaPosun.kreslitPosunHzMezOdchylka),
        P(grafikaPosun.kreslitPosunZHodnota), P(grafikaPosun.kreslitPosunZMezOdchylka),
        P(grafikaPosun.kreslitOsa), P(grafikaPosun.kreslitMeritko), P(grafikaPosun.tloustkaBod),
        P(grafikaPosun.tloustkaElipsa), P(grafikaPosun.tloustkaPosunHzHodnota),
        P(grafikaPosun.tloustkaPosunHzMezOdchylka), P(grafikaPosun.tloustkaPosunZHodnota),
        P(grafikaPosun.tloustkaPosunZMezOdchylka), P(grafikaPosun.tloustkaOsa),
        P(grafikaPosun.tloustkaMeritko), P(grafikaPosun.velikostBod), P(grafikaPosun.velikostPosunHzHodnota),
        P(grafikaPosun.velikostPosunHzMezOdchylka), P(grafikaPosun.velikostPosunZHodnota),
        P(grafikaPosun.velikostPosunZMezOdchylka), P(grafikaPosun.zvetseni), P(grafikaPosun.presnost),
        P(grafikaPosun.textFont), P(grafikaPosun.textVelikost), P(grafikaPosun.textRez),
        P(grafikaPosun.typHzPosunu), P(protokol.etapaVstupInfo), P(protokol.etapaVstupSour),
        P(protokol.etapaVstupSourPresnost), P(protokol.etapaVstupElips), P(protokol.etapaVstupElipsPresnost),
        P(protokol.etapaTransKlic), P(protokol.etapaTransInfo), P(protokol.etapaTransSour),
        P(protokol.etapaTransSourPresnost), P(protokol.etapaTransElips), P(protokol.etapaTransElipsPresnost),
        P(protokol.posunInfo), P(protokol.posunKlic), P(protokol.posunBodyIdent),
        P(protokol.posunBodyIdentPresnost), P(protokol.posunValuePresnost), P(protokol.posunValueVse),
        P(protokol.posunValueOrthogonal), P(protokol.posunValueSemipolar), P(protokol.posunValuePolar),
        P(protokol.posunElips), P(protokol.posunElipsPresnost), P(protokol.posunHodnoceniPresnost),
        P(protokol.posunHodnoceniX), P(protokol.posunHodnoceniY), P(protokol.posunHodnoceniZ),
        P(protokol.posunHodnoceniDelkaH), P(protokol.posunHodnoceniDelkaS),
    };
#undef P
    ASSERT_EQ(pole.size(), 112u);
    Tnastaveni vychozi;
    vychozi.Default();
    TStringList d;
    ZapisNastaveni(vychozi, d);
    for (std::size_t k = 0; k < pole.size(); ++k) {
        SCOPED_TRACE("line " + std::to_string(k + 1));
        Tnastaveni n = vychozi;
        pole[k](n);
        TStringList r;
        ZapisNastaveni(n, r);
        ASSERT_EQ(r.size(), 112u);
        for (std::size_t i = 0; i < r.size(); ++i) EXPECT_EQ(r[i] != d[i], i == k) << "line " << i + 1;
        if (k == 18 || k == 19) continue;  // the project kinds: 0 is their only value
        Tnastaveni zpet = vychozi;
        ASSERT_TRUE(CteniNastaveni(zpet, r));
        TStringList z;
        ZapisNastaveni(zpet, z);
        EXPECT_EQ(z, r);
    }
}

TEST(ProjektPlny, UlozenyACtenyZpetJeStejny)
{
    Stav a;
    NaplnStav(a);
    const std::string cesta1 = Docasny("plny1.pea");
    ASSERT_TRUE(a.Uloz(cesta1));
    // The file, written section by section, holds the lines of the text.
    std::string ocekavane;
    for (const std::string& r : a.Radky()) ocekavane += r + "\r\n";
    EXPECT_EQ(Bajty(cesta1), ocekavane);

    Stav b;
    b.nastaveni.okno.etapa = 2;  // a field not stored keeps its value
    b.nastaveni.presnost.meritko = 3;
    ASSERT_TRUE(b.Nacti(cesta1));

    // The 112 settings, in the file's order.
    TStringList na, nb;
    ZapisNastaveni(a.nastaveni, na);
    ZapisNastaveni(b.nastaveni, nb);
    EXPECT_EQ(na, NastaveniPlne);
    EXPECT_EQ(nb, NastaveniPlne);
    EXPECT_EQ(b.nastaveni.porovnani.riziko, 0.0125L);
    EXPECT_EQ(b.nastaveni.poradiXY, (TindexVector{2, 1}));
    EXPECT_EQ(b.nastaveni.okno.etapa, 2);
    EXPECT_EQ(b.nastaveni.presnost.meritko, 3);

    // Both epochs, to the last bit: points, flags, covariance, counters, unit
    // deviations, drawing records, ellipses.
    EXPECT_EQ(OtiskEtapy(b.model.etapa1), OtiskEtapy(a.model.etapa1));
    EXPECT_EQ(OtiskEtapy(b.model.etapa2), OtiskEtapy(a.model.etapa2));
    EXPECT_TRUE(b.model.etapa2.jeVyrovnan);
    EXPECT_EQ(b.model.etapa2.souradnice.bod[1].JeAktiv, false);
    // The identical points are searched again: 50, 101 and 102.
    EXPECT_EQ(b.model.pocetBoduIdentickych, 3);
    EXPECT_EQ(OtiskBodu(b.model.identickeBodyEtapa1), OtiskBodu(a.model.identickeBodyEtapa1));

    // The user points, rounded to 1e-6 on writing.
    ASSERT_EQ(b.uzivatelske.bod.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const Tbod& x = a.uzivatelske.bod[i];
        const Tbod& y = b.uzivatelske.bod[i];
        EXPECT_TRUE(y.cislo == x.cislo && y.JeFixni == x.JeFixni && y.JeAktiv == x.JeAktiv);
        EXPECT_TRUE(y.JePlny && y.poradi == static_cast<int>(i) + 1);
        EXPECT_NEAR(static_cast<double>(y.X), static_cast<double>(x.X), 5e-7);
        EXPECT_NEAR(static_cast<double>(y.Y), static_cast<double>(x.Y), 5e-7);
        EXPECT_NEAR(static_cast<double>(y.Z), static_cast<double>(x.Z), 5e-7);
    }
    EXPECT_EQ(b.uzivatelske.bod[3].X, TextNaCislo("1.234568"));

    // The key's 19 lines, and the key computed again from the read points.
    TStringList ka, kb;
    TextKlic(a.klic, ka);
    TextKlic(b.klic, kb);
    EXPECT_EQ(ka, kb);
    EXPECT_TRUE(b.klic.jePlny);
    EXPECT_EQ(b.klic.rotace, a.klic.rotace);
    EXPECT_EQ(b.klic.translace, a.klic.translace);
    EXPECT_EQ(b.klic.souradniceBod, &b.uzivatelske);

    // Saving again gives the same bytes.
    const std::string cesta2 = Docasny("plny2.pea");
    ASSERT_TRUE(b.Uloz(cesta2));
    EXPECT_EQ(Bajty(cesta2), Bajty(cesta1));
}

TEST(ProjektPlny, ZaznamySouboruJmenujiProjekt)
{
    Stav a;
    NaplnStav(a);
    a.model.etapa2.Clear();
    a.model.etapa1.barva = 0x123456;
    const std::string cesta = Docasny("zaznamy.pea");
    ASSERT_TRUE(a.Uloz(cesta));
    EXPECT_EQ(a.model.soubor.jmeno, "projekt_test_zaznamy.pea");
    EXPECT_EQ(a.model.soubor.cesta, std::filesystem::path(cesta).parent_path().string() + "/");
    EXPECT_EQ(a.model.etapa1.soubor.jmeno, "projekt_test_zaznamy.pea");
    EXPECT_EQ(a.model.etapa2.soubor.jmeno, "");

    Stav b;
    b.model.etapa1.barva = 0xABCDEF;
    b.model.etapa1.soubor.jmeno = "stara.epc";
    ASSERT_TRUE(b.Nacti(cesta));
    EXPECT_TRUE(b.model.soubor.nacteni);
    EXPECT_EQ(b.model.soubor.jmeno, "projekt_test_zaznamy.pea");
    EXPECT_EQ(b.model.soubor.pripona, ".pea");
    EXPECT_EQ(b.model.etapa1.soubor.jmeno, "projekt_test_zaznamy.pea");
    EXPECT_EQ(b.model.etapa1.barva, 0xABCDEFu);  // the colour is the program's, not the file's
    EXPECT_FALSE(b.model.etapa2.jePripojen);
    EXPECT_EQ(b.model.etapa2.soubor.jmeno, "");
}

// ---------------------------------------------------------------- rejected texts

struct Zmena {
    const char* nazev;
    std::function<void(TStringList&)> zmen;
};

TEST(ProjektChybny, KazdaChybaNechavaStavBezeZmeny)
{
    const std::vector<Zmena> zmeny = {
        {"111 settings lines", [](TStringList& r) { r.erase(r.begin() + Radek(r, "<1>") + 5); }},
        {"113 settings lines", [](TStringList& r) { r.insert(r.begin() + Radek(r, "<1>") + 1, "0"); }},
        {"angle unit 4", [](TStringList& r) { Nastaveni(r, 1) = "4"; }},
        {"angle unit 256", [](TStringList& r) { Nastaveni(r, 1) = "256"; }},
        {"angle unit -1", [](TStringList& r) { Nastaveni(r, 1) = "-1"; }},
        {"angle unit 1.0", [](TStringList& r) { Nastaveni(r, 1) = "1.0"; }},
        {"angle unit hex", [](TStringList& r) { Nastaveni(r, 1) = "$1"; }},
        {"decimals 11", [](TStringList& r) { Nastaveni(r, 14) = "11"; }},
        {"project kind 1", [](TStringList& r) { Nastaveni(r, 20) = "1"; }},
        {"language 2", [](TStringList& r) { Nastaveni(r, 22) = "2"; }},
        {"risk 0", [](TStringList& r) { Nastaveni(r, 23) = "0"; }},
        {"risk 1", [](TStringList& r) { Nastaveni(r, 23) = "1"; }},
        {"risk -0.05", [](TStringList& r) { Nastaveni(r, 23) = "-0.05"; }},
        {"risk counted as zero, negative", [](TStringList& r) { Nastaveni(r, 23) = "-1e-17"; }},
        {"risk no number", [](TStringList& r) { Nastaveni(r, 23) = "0.05a"; }},
        {"flag no number", [](TStringList& r) { Nastaveni(r, 24) = "ano"; }},
        {"colour 20", [](TStringList& r) { Nastaveni(r, 26) = "20"; }},
        {"colour 256", [](TStringList& r) { Nastaveni(r, 57) = "256"; }},
        {"colour -1", [](TStringList& r) { Nastaveni(r, 49) = "-1"; }},
        {"width 7", [](TStringList& r) { Nastaveni(r, 73) = "7"; }},
        {"font 32768", [](TStringList& r) { Nastaveni(r, 42) = "32768"; }},
        {"font -32769", [](TStringList& r) { Nastaveni(r, 81) = "-32769"; }},
        {"font size 23", [](TStringList& r) { Nastaveni(r, 82) = "23"; }},
        {"kind of displacement 3", [](TStringList& r) { Nastaveni(r, 84) = "3"; }},
        {"report choice 2 of two", [](TStringList& r) { Nastaveni(r, 106) = "2"; }},
        {"huge integer", [](TStringList& r) { Nastaveni(r, 7) = "99999999999999999999999"; }},
        {"key kind 4", [](TStringList& r) { Klic(r, 1) = "4"; }},
        {"key list 3", [](TStringList& r) { Klic(r, 3) = "3"; }},
        {"key choice beyond 32 bits", [](TStringList& r) { Klic(r, 5) = "4294967296"; }},
        {"key choice no number", [](TStringList& r) { Klic(r, 6) = "x"; }},
        {"key translation 1e13", [](TStringList& r) { Klic(r, 14) = "1e13"; }},
        {"key angle no number", [](TStringList& r) { Klic(r, 19) = "nan"; }},
        {"key 18 lines", [](TStringList& r) { r.erase(r.begin() + Radek(r, "<11>") + 1); }},
        {"key 20 lines", [](TStringList& r) { r.insert(r.begin() + Radek(r, "<11>") + 1, "0"); }},
        {"section 11 before 10",
         [](TStringList& r) {
             const std::size_t a = Radek(r, "<10>");
             const std::size_t b = Radek(r, "<11>");
             TStringList s10(r.begin() + a, r.begin() + b);
             TStringList s11(r.begin() + b, r.end());
             r.resize(a);
             r.insert(r.end(), s11.begin(), s11.end());
             r.insert(r.end(), s10.begin(), s10.end());
         }},
        {"doubled tag", [](TStringList& r) { r.push_back("<3>"); }},
        {"missing tag", [](TStringList& r) { r.erase(r.begin() + Radek(r, "</11>")); }},
        {"closing before opening",
         [](TStringList& r) { std::swap(r[Radek(r, "<10>")], r[Radek(r, "</10>")]); }},
        {"broken epoch section", [](TStringList& r) { r.erase(r.begin() + Radek(r, "<4>") + 1); }},
        {"broken epoch header", [](TStringList& r) { r[Radek(r, "<6>") + 8] = "20"; }},
        {"user point of five words",
         [](TStringList& r) { r[Radek(r, "<10>") + 1] = "U1\t1000\t2000\t300\t-1"; }},
        {"user point out of range",
         [](TStringList& r) { r[Radek(r, "<10>") + 2] = "U2\t1e13\t2000\t300\t0\t-1"; }},
        {"empty text", [](TStringList& r) { r.clear(); }},
    };
    const TStringList dobry = PlnyProjekt();
    // The live state is another full state: the one-epoch project with one
    // user point and a key of kind 1.
    Stav s;
    ASSERT_TRUE(NacistEtapu(Data + "etapa1.epc", s.model.etapa1));
    s.model.VyhledaniIdentickychBodu(s.nastaveni);
    s.uzivatelske.PridejBod(Bod("7", 1, 2, 3, false, true));
    s.nastaveni.typJazyk = 0;
    s.nastaveni.okno.etapa = 1;
    s.klic.typ = 1;
    s.klic.poradiBod[0][0] = 0;
    s.klic.poradiBod[1][0] = 1;
    s.klic.translaceUserJePlny = {false, true, false};
    PriraditSouradniceKlice(s.klic, s.model.etapa1.souradnice, s.model.etapa2.souradnice,
                            s.uzivatelske);
    ASSERT_TRUE(VypocetKlice(s.klic));
    s.model.soubor.jmeno = "stary.pea";
    const std::string pred = Otisk(s);

    {
        // The unchanged text reads (the test's texts are otherwise valid),
        // also in pieces of 61 bytes, to the same state.
        Stav t, u;
        ASSERT_TRUE(t.Cti(dobry));
        ASSERT_TRUE(u.CtiPoKusech(dobry, 61));
        EXPECT_EQ(u.Radky(), t.Radky());
        EXPECT_EQ(OtiskEtapy(u.model.etapa1) + OtiskEtapy(u.model.etapa2),
                  OtiskEtapy(t.model.etapa1) + OtiskEtapy(t.model.etapa2));
    }
    for (const Zmena& z : zmeny) {
        TStringList r = dobry;
        z.zmen(r);
        EXPECT_FALSE(s.Cti(r)) << z.nazev;
        EXPECT_EQ(Otisk(s), pred) << z.nazev;
        // Read as a file is read, the lines handed over in batches, the
        // failure shows in the batch that holds it.
        EXPECT_FALSE(s.CtiPoKusech(r, 61)) << z.nazev;
        EXPECT_EQ(Otisk(s), pred) << z.nazev;
    }
}

TEST(ProjektChybny, SouborKteryNelzeNacistNechavaStav)
{
    Stav s;
    NaplnStav(s);
    const std::string pred = Otisk(s);
    EXPECT_FALSE(s.Nacti(Docasny("neexistuje.pea")));
    EXPECT_FALSE(s.Nacti(::testing::TempDir()));  // a folder
    EXPECT_EQ(Otisk(s), pred);
    // What is not a regular file is no project file either, not even a pipe
    // that holds a valid project; each reading runs in a child process, where
    // one that waits for ever fails.
    const test::RouryAZarizeni neSoubory(Data + "po_spusteni.pea");
    ASSERT_TRUE(neSoubory.Pripraveno());
    for (const std::string& cesta : neSoubory.Cesty())
        EXPECT_TRUE(test::VDetskemProcesu([&] { return !s.Nacti(cesta) && Otisk(s) == pred; })) << cesta;

    // A file of a rejected project leaves the file records alone as well.
    const std::string cesta = Docasny("spatny.pea");
    TStringList r = PlnyProjekt();
    Nastaveni(r, 26) = "20";
    ZapisTextovySoubor(cesta, r);
    EXPECT_FALSE(s.Nacti(cesta));
    EXPECT_EQ(Otisk(s), pred);

    // A line longer than any line of a project, even before the first tag
    // where text is ignored, rejects the file at once; one of exactly the
    // cap is ignored there.
    for (const std::size_t delka : {MaxDelkaRadku + 1, MaxDelkaRadku}) {
        r = PlnyProjekt();
        r.insert(r.begin(), std::string(delka, '1'));
        ZapisTextovySoubor(cesta, r);
        EXPECT_EQ(s.Nacti(cesta), delka == MaxDelkaRadku);
        if (delka > MaxDelkaRadku) {
            EXPECT_EQ(Otisk(s), pred);
        }
    }
}

// A file cut while it is read: the readers give the file's message.
TEST(ProjektChybny, SouborZkracenyBehemCteniDavaDuvod)
{
    Stav s;
    const std::string projekt = Docasny("zkraceny.pea"), etapa = Docasny("zkracena.epc");
    ZapisTextovySoubor(projekt, PlnyProjekt());
    std::filesystem::copy_file(std::string(SITMERA_TEST_DATA) + "/hlavni/etapa1.epc", etapa);
    for (const std::string& cesta : {projekt, etapa}) {
        TctecRadku ctec(cesta, 64);
        std::filesystem::resize_file(cesta, 100);
        std::string duvod;
        EXPECT_FALSE(cesta == projekt ? NacistProjektZTextu(ctec, s.model, s.uzivatelske, s.nastaveni, s.klic, &duvod)
                                      : NacistEtapuZTextu(ctec, s.model.etapa1, 1, &duvod));
        EXPECT_EQ(duvod, "Cannot read \"" + cesta + "\": it changed while it was being read");
    }
}

// ---------------------------------------------------------------- accepted variants

TEST(ProjektVarianty, HodnotyNaHranachRozsahu)
{
    const struct {
        int radek;
        const char* text;
        std::function<bool(const Tnastaveni&)> over;
    } pripady[] = {
        {1, "3", [](const Tnastaveni& n) { return n.jednotky.uhel == 3; }},
        {1, "0", [](const Tnastaveni& n) { return n.jednotky.uhel == 0; }},
        {1, "+2", [](const Tnastaveni& n) { return n.jednotky.uhel == 2; }},
        {6, "1", [](const Tnastaveni& n) { return n.poradiXY == TindexVector{2, 1}; }},
        {6, "0", [](const Tnastaveni& n) { return n.poradiXY == TindexVector{1, 2}; }},
        {14, "10", [](const Tnastaveni& n) { return n.presnost.posun.odchylka == 10; }},
        {23, "0,05", [](const Tnastaveni& n) { return n.porovnani.riziko == 0.05L; }},
        {23, "0.999", [](const Tnastaveni& n) { return n.porovnani.riziko == TextNaCislo("0.999"); }},
        {23, "1e-12", [](const Tnastaveni& n) { return n.porovnani.riziko == TextNaCislo("1e-12"); }},
        {23, "1e-17", [](const Tnastaveni& n) { return n.porovnani.riziko == 1e-17L; }},
        {24, "false", [](const Tnastaveni& n) { return !n.porovnani.apriorni; }},
        {24, "TRUE", [](const Tnastaveni& n) { return n.porovnani.apriorni; }},
        {25, "2", [](const Tnastaveni& n) { return n.porovnani.aposteriorni; }},
        {25, "0", [](const Tnastaveni& n) { return !n.porovnani.aposteriorni; }},
        {26, "19", [](const Tnastaveni& n) { return n.grafika.barvaFixBod == 19; }},
        {57, "0", [](const Tnastaveni& n) { return n.grafikaPosun.barvaPozadi == 0; }},
        {42, "-32768", [](const Tnastaveni& n) { return n.grafika.textFont == -32768; }},
        {81, "-1", [](const Tnastaveni& n) { return n.grafikaPosun.textFont == -1; }},
    };
    // One state reads every row, so each row must change what the row
    // before it left.
    Stav s;
    const TStringList plny = PlnyProjekt();
    for (const auto& p : pripady) {
        TStringList r = p.radek == 6 ? plny : NactiTextovySoubor(Data + "po_spusteni.pea");
        Nastaveni(r, p.radek) = p.text;
        ASSERT_TRUE(s.Cti(r)) << p.radek << " " << p.text;
        EXPECT_TRUE(p.over(s.nastaveni)) << p.radek << " " << p.text;
    }
}

TEST(ProjektVarianty, ZnackySMezeramiKodovaniAPrazdneRadky)
{
    // A UTF-8 byte-order mark, LF line ends, blanks around tags and values,
    // empty lines, and lines outside the sections.
    TStringList r = PlnyProjekt();
    std::string text = "\xEF\xBB\xBFSitmera Analyser project\n";
    for (std::string& radek : r) text += "  " + radek + " \n\n";
    text += "end\n";
    const std::string cesta = Docasny("volny.pea");
    ZapisSouborAtomicky(cesta, text);
    Stav s;
    ASSERT_TRUE(s.Nacti(cesta));
    EXPECT_EQ(s.Radky(), r);
}

TEST(ProjektVarianty, SouborVOsmibitoveKodoveStrance)
{
    // A project written in the Windows-1250 code page, as older programs
    // write it: the user point "Č4" keeps its number.
    const TStringList r = PlnyProjekt();
    std::string text;
    for (const std::string& radek : r) text += radek + "\r\n";
    const std::string utf8 = "\xC4\x8C";  // Č
    const std::size_t i = text.find(utf8 + "4");
    ASSERT_NE(i, std::string::npos);
    text.replace(i, utf8.size(), "\xC8");
    const std::string cesta = Docasny("cp1250.pea");
    ZapisSouborAtomicky(cesta, text);
    Stav s;
    ASSERT_TRUE(s.Nacti(cesta));
    ASSERT_EQ(s.uzivatelske.bod.size(), 4u);
    EXPECT_EQ(s.uzivatelske.bod[3].cislo, "\xC4\x8C" "4");
    EXPECT_EQ(s.Radky(), r);
}

TEST(ProjektVarianty, CteniNastaveniSamotnePriChybeNicNemeni)
{
    TStringList spatne = NastaveniPlne;
    spatne[111] = "x";
    Tnastaveni m, v;
    m.Default();
    v.Default();
    EXPECT_FALSE(CteniNastaveni(m, spatne));
    TStringList d, w;
    ZapisNastaveni(m, d);
    ZapisNastaveni(v, w);
    EXPECT_EQ(d, w);
}

// ---------------------------------------------------------------- the key

TEST(ProjektKlic, IndexZaSeznamemJeMinusJedna)
{
    // Epoch 1 has 3 points (last index 2), epoch 2 has 4 (last index 3), the
    // user list 4 (last index 3).
    TStringList r = PlnyProjekt();
    Klic(r, 1) = "1";
    Klic(r, 2) = "0";  // station from epoch 1
    Klic(r, 3) = "1";  // target from epoch 2
    Klic(r, 5) = "3";  // station: index 3 of epoch 1 does not exist
    Klic(r, 6) = "3";  // station's choice in epoch 2: the last point, kept
    Klic(r, 7) = "-7";  // station's user choice: below -1
    Klic(r, 9) = "3";   // target: last point of epoch 2
    Klic(r, 12) = "4";  // second target's choice in epoch 2: one past the list
    Stav s;
    ASSERT_TRUE(s.Cti(r));
    EXPECT_EQ(s.klic.poradiBod[0], (TindexVector{-1, 3, -1}));
    EXPECT_EQ(s.klic.poradiBod[1], (TindexVector{1, 3, 1}));
    EXPECT_EQ(s.klic.poradiBod[2], (TindexVector{-1, -1, 2}));
    EXPECT_EQ(s.klic.typ, 1);
    EXPECT_FALSE(s.klic.jePlny);  // the station's point is gone
    EXPECT_EQ(s.klic.rotace, (Tmatrix{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}));

    // With the station at epoch 1's last point (50) and the target at point
    // 103 of epoch 2 the key is filled.
    Klic(r, 5) = "2";
    Klic(r, 9) = "2";
    ASSERT_TRUE(s.Cti(r));
    EXPECT_EQ(s.klic.poradiBod[0][0], 2);
    EXPECT_TRUE(s.klic.jePlny);

    // Kind 2 on the user points, the second target's point beyond the four.
    r = PlnyProjekt();
    Klic(r, 13) = "4";
    ASSERT_TRUE(s.Cti(r));
    EXPECT_EQ(s.klic.typ, 2);
    EXPECT_EQ(s.klic.poradiBod[2][2], -1);
    EXPECT_FALSE(s.klic.jePlny);
}

TEST(ProjektKlic, PriznakyZadanychHodnotJsouNastaveny)
{
    Stav s;
    NaplnStav(s);
    const TStringList r = s.Radky();
    s.klic.translaceUserJePlny = {false, false, false};
    s.klic.uhelStoceniUserJePlny = {false, true, false};
    ASSERT_TRUE(s.Cti(r));
    EXPECT_EQ(s.klic.translaceUserJePlny, (TboolVector{true, true, true}));
    EXPECT_EQ(s.klic.uhelStoceniUserJePlny, (TboolVector{true, true, true}));
    EXPECT_FALSE(JeUzivatelskyKlicNulovy(s.klic));
}

TEST(ProjektKlic, PoCteniOdkazujeNaZiveSeznamy)
{
    // Kind 1 from epoch 1: station 101 (index 0), target 102 (index 1).
    TStringList r = PlnyProjekt();
    Klic(r, 1) = "1";
    for (int i = 2; i <= 4; ++i) Klic(r, i) = "0";
    Klic(r, 5) = "0";
    Klic(r, 8) = "1";
    Stav s;
    ASSERT_TRUE(s.Cti(r));
    EXPECT_TRUE(s.klic.jePlny);
    EXPECT_EQ(s.klic.souradniceBod, &s.model.etapa1.souradnice);
    EXPECT_EQ(s.klic.souradniceCil1, &s.model.etapa1.souradnice);

    // Moving the live target due north-east of the station turns the key:
    // the first axis points to the target, so R row 0 = (1, 1, 0)/sqrt 2.
    Tbod& S = s.model.etapa1.souradnice.bod[0];
    Tbod& T = s.model.etapa1.souradnice.bod[1];
    T.X = S.X + 10;
    T.Y = S.Y + 10;
    ASSERT_TRUE(VypocetKlice(s.klic));
    EXPECT_NEAR(static_cast<double>(s.klic.rotace[0][0]), std::sqrt(0.5), 1e-15);
    EXPECT_NEAR(static_cast<double>(s.klic.rotace[0][1]), std::sqrt(0.5), 1e-15);

    // Detaching epoch 1 and recomputing: the key is no longer filled.
    s.model.etapa1.Clear();
    NulujPoradiBod(s.klic, 0);
    EXPECT_FALSE(VypocetKlice(s.klic));
    EXPECT_FALSE(s.klic.jePlny);
}

// A user angle entered as 5e-11 gon is 7.9e-13 rad in the key; the number
// reader alone rejects non-zero magnitudes below 1e-12, and the saved project
// could not be opened again.
TEST(ProjektKlic, TinyUserValueOfASavedKeyReadsBack)
{
    Stav s;
    s.klic.typ = 3;
    s.klic.uhelStoceniUser[1] = 5e-11L * 3.14159265358979323846L / 200;
    s.klic.translaceUser[2][0] = -3e-13L;
    ASSERT_TRUE(VypocetKlice(s.klic));
    const std::string cesta = Docasny("maly_uhel.pea");
    ASSERT_TRUE(s.Uloz(cesta));
    Stav t;
    ASSERT_TRUE(t.Nacti(cesta));
    EXPECT_EQ(t.klic.uhelStoceniUser[1], TextNaCisloBezKontroly(CisloNaText(s.klic.uhelStoceniUser[1])));
    EXPECT_EQ(t.klic.translaceUser[2][0], TextNaCisloBezKontroly("-3E-13"));
    EXPECT_TRUE(t.klic.jePlny);
    // Beyond 1e12 a value still fails.
    TStringList r = s.Radky();
    Klic(r, 16) = "1.5e12";
    EXPECT_FALSE(t.Cti(r));
}

TEST(ProjektKlic, CteniKliceSamotneNechavaKlicPriChybe)
{
    TmodelPorovnani model;
    Tsouradnice body;
    TtransformacniKlicEtapa klic;
    klic.typ = 3;
    klic.translaceUser = {{1}, {2}, {3}};
    const std::string pred = OtiskKlice(klic);
    TStringList r;
    TextKlic(klic, r);
    r[0] = "4";
    EXPECT_FALSE(CteniTransformacnihoKlice(r, model, body, klic));
    EXPECT_EQ(OtiskKlice(klic), pred);
    r[0] = "3";
    ASSERT_TRUE(CteniTransformacnihoKlice(r, model, body, klic));
    EXPECT_TRUE(klic.jePlny);
    EXPECT_EQ(klic.translace, (Tmatrix{{1}, {2}, {3}}));
    EXPECT_EQ(klic.souradniceCil2, &model.etapa1.souradnice);
}

// ---------------------------------------------------------------- failed saves

// What the reader would reject is not written: a point number it would split
// or trim, a setting held in memory outside the range the reader accepts.
TEST(ProjektUlozeni, CoSeNepreceteZpetNelzeUlozit)
{
    std::vector<std::pair<std::string, std::function<void(Stav&)>>> zmeny;
    for (const std::string cislo : {"A 1", "A\t1", "", " 5", "5\r", "L\n2", "\x01" "A"})
        zmeny.push_back({"[" + cislo + "]", [cislo](Stav& s) { s.uzivatelske.bod[1].cislo = cislo; }});
    zmeny.push_back({"colour 20", [](Stav& s) { s.nastaveni.grafika.barvaElipsa = 20; }});
    zmeny.push_back({"width 7", [](Stav& s) { s.nastaveni.grafikaPosun.tloustkaOsa = 7; }});
    zmeny.push_back({"angle unit 4", [](Stav& s) { s.nastaveni.jednotky.uhel = 4; }});
    zmeny.push_back({"risk 1", [](Stav& s) { s.nastaveni.porovnani.riziko = 1; }});
    zmeny.push_back({"risk not a number", [](Stav& s) { s.nastaveni.porovnani.riziko = std::nanl(""); }});
    for (const auto& [nazev, zmen] : zmeny) {
        SCOPED_TRACE(nazev);
        Stav s;
        NaplnStav(s);
        const std::string cesta = Docasny("existujici.pea");
        ASSERT_TRUE(s.Uloz(cesta));
        const std::string pred = Bajty(cesta);
        ASSERT_FALSE(s.model.soubor.jmeno.empty());

        zmen(s);
        TStringList r{"x"};
        EXPECT_FALSE(ZapisProjektu(r, s.model, s.uzivatelske, s.nastaveni, s.klic));
        EXPECT_TRUE(r.empty());
        EXPECT_FALSE(s.Uloz(cesta));
        EXPECT_EQ(Bajty(cesta), pred);
        // The file records are reset.
        EXPECT_EQ(s.model.soubor.jmeno, "");
        EXPECT_FALSE(s.model.soubor.nacteni);
        EXPECT_EQ(s.model.etapa1.soubor.jmeno, "");
        EXPECT_EQ(s.model.etapa2.soubor.jmeno, "");
    }
}

TEST(ProjektUlozeni, EmptyUserRecordsAreNotWritten)
{
    Stav s;
    NaplnStav(s);
    s.uzivatelske.Velikost(6);  // two empty records after the four points
    s.uzivatelske.bod[4].cislo = "nepouzity zaznam";
    const TStringList r = s.Radky();
    EXPECT_EQ(Radek(r, "</10>") - Radek(r, "<10>") - 1, 4u);
}

TEST(ProjektUlozeni, SouborKteryNelzeZapsat)
{
    Stav s;
    NaplnStav(s);
    s.model.soubor.jmeno = "stary.pea";
    s.model.etapa1.soubor.jmeno = "e1.epc";
    s.model.etapa1.soubor.hlaseni = 5;
    EXPECT_FALSE(s.Uloz(Docasny("chybi/slozka/projekt.pea")));
    EXPECT_EQ(s.model.soubor.jmeno, "");
    EXPECT_EQ(s.model.etapa1.soubor.jmeno, "");
    EXPECT_EQ(s.model.etapa1.soubor.hlaseni, 5);  // NulujSoubor keeps the line number
    EXPECT_FALSE(std::filesystem::exists(Docasny("chybi")));
}

}  // namespace

#include "program/Globalni.h"

#include <utility>

namespace sitmera {

Tnastaveni* nastaveni = nullptr;
Tchyby* chyby = nullptr;
Tinfo* info = nullptr;
Tjazyk* jazyk = nullptr;
Tprotokol* protokolSouboru = nullptr;
Tsouradnice* souradniceOkno = nullptr;
Tsouradnice* souradniceSchranka = nullptr;
Tsouradnice* souradniceHlavni = nullptr;
Tsouradnice* souradniceUzivatelske = nullptr;
TmodelPorovnani* modelPorovnani = nullptr;
TmodelPorovnani* modelPorovnaniTransformace = nullptr;
TmodelPosuny* modelPosuny = nullptr;
Tposuny* posunyOkno = nullptr;

TtransformacniKlicEtapa klicTransformace;
Tetapa* etapaAktualni = nullptr;
Tatribut atributPracovni;
Tatribut atributVyberHlavni;
Tatribut atributHledaniHlavni;
Tatribut atributVyber;
Tatribut atributHledani;
Tposun posunPracovni;
Tposun posunVyber;
Tposun posunHledani;
Tvyber vyberHlavni;
Tvyber vyberVstup;
Tsouradnice souradniceVstup;

namespace {

std::function<void(const std::string&)>& Zaznam()
{
    static std::function<void(const std::string&)> zaznam;
    return zaznam;
}

void Zapis(const std::string& udalost)
{
    if (Zaznam()) Zaznam()(udalost);
}

template <class T>
void Vytvor(T*& objekt, const char* jmeno)
{
    objekt = new T();
    Zapis(std::string("+") + jmeno);
}

template <class T>
void Zrus(T*& objekt, const char* jmeno)
{
    if (objekt == nullptr) return;
    delete objekt;
    objekt = nullptr;
    Zapis(std::string("-") + jmeno);
}

}  // namespace

void NastavZaznamGlobalnich(std::function<void(const std::string&)> zaznam)
{
    Zaznam() = std::move(zaznam);
}

bool ExistujiGlobalniObjekty()
{
    return nastaveni != nullptr;
}

void VytvoritGlobalniObjekty()
{
    ZrusitGlobalniObjekty();

    Vytvor(nastaveni, "nastaveni");
    Vytvor(chyby, "chyby");
    Vytvor(info, "info");
    Vytvor(jazyk, "jazyk");
    Vytvor(protokolSouboru, "protokolSouboru");
    Vytvor(souradniceOkno, "souradniceOkno");
    Vytvor(souradniceSchranka, "souradniceSchranka");
    Vytvor(souradniceHlavni, "souradniceHlavni");
    Vytvor(souradniceUzivatelske, "souradniceUzivatelske");
    Vytvor(modelPorovnani, "modelPorovnani");
    Vytvor(modelPorovnaniTransformace, "modelPorovnaniTransformace");
    Vytvor(modelPosuny, "modelPosuny");
    Vytvor(posunyOkno, "posunyOkno");

    nastaveni->Default();
    Zapis("default nastaveni");
    jazyk->Default(*nastaveni);
    Zapis("default jazyk");
    chyby->Default();
    Zapis("default chyby");
    info->Default();
    Zapis("default info");
    // The key starts as the filled identity; it refers to no point list yet.
    ClearKlic(klicTransformace);
    klicTransformace.souradniceBod = nullptr;
    klicTransformace.souradniceCil1 = nullptr;
    klicTransformace.souradniceCil2 = nullptr;
    Zapis("default klic");

    nastaveni->NastavPoradiXY(nastaveni->jednotky.poradiSouradnice);
    Zapis("poradiXY nastaveni");
    jazyk->NastavXY(nastaveni->jednotky.poradiSouradnice);
    Zapis("poradiXY jazyk");
}

void ZrusitGlobalniObjekty()
{
    // The key and the current epoch point into the models freed below.
    klicTransformace.souradniceBod = nullptr;
    klicTransformace.souradniceCil1 = nullptr;
    klicTransformace.souradniceCil2 = nullptr;
    etapaAktualni = nullptr;

    Zrus(nastaveni, "nastaveni");
    Zrus(chyby, "chyby");
    Zrus(info, "info");
    Zrus(jazyk, "jazyk");
    Zrus(souradniceOkno, "souradniceOkno");
    Zrus(souradniceSchranka, "souradniceSchranka");
    Zrus(protokolSouboru, "protokolSouboru");
    Zrus(souradniceHlavni, "souradniceHlavni");
    Zrus(souradniceUzivatelske, "souradniceUzivatelske");
    Zrus(modelPorovnani, "modelPorovnani");
    Zrus(modelPorovnaniTransformace, "modelPorovnaniTransformace");
    Zrus(modelPosuny, "modelPosuny");
    Zrus(posunyOkno, "posunyOkno");
}

}  // namespace sitmera

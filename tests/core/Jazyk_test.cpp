// Language texts: the quoted texts of both languages, completeness, switching
// back and forth, list rebuilding, axis names and unit captions.
#include "core/Jazyk.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/Nastaveni.h"

namespace sitmera {
namespace {

// ------------------------------------------------------------ every text field

// One text field of the language object, reached by its "record.field" name.
struct Pole {
    std::string nazev;
    std::function<const std::string&(const Tjazyk&)> cti;
};

#define POLE(zaznam, pole) \
    Pole { #zaznam "." #pole, [](const Tjazyk& j) -> const std::string& { return j.zaznam.pole; } }

// Every text field of every record, listed by hand in field order (checked
// against the record sizes below, so a field cannot be left out).
const std::vector<Pole>& VsechnaPole()
{
    static const std::vector<Pole> pole = {
        // Tfilter
        POLE(filter, typSuroveMereni),
        POLE(filter, priponaSuroveMereni),
        POLE(filter, typSouradnice),
        POLE(filter, priponaSouradnice),
        POLE(filter, typProjekt),
        POLE(filter, priponaProjekt),
        POLE(filter, typMeritko),
        POLE(filter, priponaMeritko),
        POLE(filter, typDoplnek),
        POLE(filter, priponaDoplnek),
        POLE(filter, typProtokol),
        POLE(filter, priponaProtokol),
        POLE(filter, typEtapa),
        POLE(filter, priponaEtapa),
        // Tpopis
        POLE(popis, stanovisko),
        POLE(popis, cil),
        POLE(popis, merene_veliciny),
        POLE(popis, poradi),
        POLE(popis, cislo),
        POLE(popis, vyska),
        POLE(popis, smer),
        POLE(popis, zenit),
        POLE(popis, delka),
        POLE(popis, delkaH),
        POLE(popis, delka2),
        POLE(popis, uhelH),
        POLE(popis, uhelS),
        POLE(popis, zenitRozdil),
        POLE(popis, mereni),
        POLE(popis, mereni2),
        POLE(popis, poloha),
        POLE(popis, skupina),
        POLE(popis, cisloSTN),
        POLE(popis, vyskaSTN),
        POLE(popis, cisloCIL),
        POLE(popis, vyskaCIL),
        POLE(popis, smernik),
        POLE(popis, prevyseni),
        POLE(popis, poradiSkupina),
        POLE(popis, bod),
        POLE(popis, body),
        POLE(popis, cisloBod),
        POLE(popis, x),
        POLE(popis, y),
        POLE(popis, z),
        POLE(popis, souradnice),
        POLE(popis, sigMereneVeliciny),
        POLE(popis, sigJednotkovaAprior),
        POLE(popis, vnitrniPresnost),
        POLE(popis, vnejsiPresnost),
        POLE(popis, zadanaPresnost),
        POLE(popis, pro),
        POLE(popis, hodnota),
        POLE(popis, hodnoty),
        POLE(popis, rozdil),
        POLE(popis, smerOdchylka),
        POLE(popis, uhloveVeliciny),
        POLE(popis, delkoveVeliciny),
        POLE(popis, radiany),
        POLE(popis, grady),
        POLE(popis, stupne),
        POLE(popis, zobrazeni),
        POLE(popis, zaokrouhlovani),
        POLE(popis, souradSystem),
        POLE(popis, geodeticky),
        POLE(popis, matematicky),
        POLE(popis, vylouceniOdlehlych),
        POLE(popis, vylucovatOdlehle),
        POLE(popis, hladinaVyznamnosti),
        POLE(popis, metodaRobustOdhadu),
        POLE(popis, iteracniVyrovnani),
        POLE(popis, maxPocetIteraci),
        POLE(popis, maxZmenaVahy),
        POLE(popis, maxZmenaSourad),
        POLE(popis, maxZmenaRotace),
        POLE(popis, mezniRozdilyMereni),
        POLE(popis, mezniHodnotaMereni),
        POLE(popis, pocetOdlehych),
        POLE(popis, pocetFixBodu),
        POLE(popis, pocetVyrBodu),
        POLE(popis, pocetVyrPosun),
        POLE(popis, pocetVyrmerni),
        POLE(popis, pocetNadbytecnych),
        POLE(popis, sigJednotkovaAposterior),
        POLE(popis, oprava),
        POLE(popis, opravaNorm),
        POLE(popis, opravaMezni),
        POLE(popis, merenaHodnota),
        POLE(popis, vyrovnanaHodnota),
        POLE(popis, stredniHodnota),
        POLE(popis, vlozenaHodnota),
        POLE(popis, vypoctenaHodnota),
        POLE(popis, orientPosun),
        POLE(popis, vyrovnana),
        POLE(popis, poloosyElsoidu),
        POLE(popis, parametrOsy),
        POLE(popis, komplexniZpracovani),
        POLE(popis, email),
        POLE(popis, velkor),
        POLE(popis, verzeDatum),
        POLE(popis, verzeCislo),
        POLE(popis, katedra),
        POLE(popis, fakulta),
        POLE(popis, zakladniInformace),
        POLE(popis, pocetTransBodu),
        POLE(popis, parametryTransformace),
        POLE(popis, transformacniKlic),
        POLE(popis, translace),
        POLE(popis, rotace),
        POLE(popis, parametryKlice),
        POLE(popis, vyrovnaneHodnoty),
        POLE(popis, smerodatneOdchylky),
        POLE(popis, odchylky),
        POLE(popis, pocetIdentBodu),
        POLE(popis, vyrovnaniSourIdentBodu),
        POLE(popis, jednotSmerOdchylka),
        POLE(popis, pocetVyrovSouradnic),
        POLE(popis, pocetNadbytecnychSour),
        POLE(popis, apriorni),
        POLE(popis, aposteriorni),
        POLE(popis, transformovane),
        POLE(popis, transformovana),
        POLE(popis, redukceDelek),
        POLE(popis, redukceZNadmorskeVysky),
        POLE(popis, polomerReferencniKoule),
        POLE(popis, redukceDoZobrazeni),
        POLE(popis, meritkovyKoeficient),
        POLE(popis, meritkoveKoeficienty),
        POLE(popis, typVyskoveHladiny),
        POLE(popis, nulovaHladina),
        POLE(popis, stredniHladinaSite),
        POLE(popis, hladinaVeVysce),
        POLE(popis, vyrovnane),
        POLE(popis, vyrovnany),
        POLE(popis, barva),
        POLE(popis, pozadi),
        POLE(popis, elipsyChyb),
        POLE(popis, elipsaChyb),
        POLE(popis, cernobily),
        POLE(popis, cernobily2),
        POLE(popis, prvky),
        POLE(popis, sirka),
        POLE(popis, text),
        POLE(popis, velikost),
        POLE(popis, krizek),
        POLE(popis, krouzek),
        POLE(popis, meritkoElips),
        POLE(popis, zvetseni),
        POLE(popis, vse),
        POLE(popis, osy),
        POLE(popis, meritko),
        POLE(popis, presnost),
        POLE(popis, normalni),
        POLE(popis, tucne),
        POLE(popis, mezOdchylka),
        POLE(popis, hodnoceniVyznamnych),
        POLE(popis, pripojena),
        POLE(popis, puvodni),
        POLE(popis, bodySite),
        POLE(popis, vstup),
        POLE(popis, doplnek),
        POLE(popis, doplnkove),
        POLE(popis, provazovani),
        POLE(popis, sigDoplnkoveMereni),
        POLE(popis, surova),
        POLE(popis, sitmeraNazev),
        POLE(popis, pocetPosunu),
        POLE(popis, pocetVynamnych),
        // TpopisJednotky
        POLE(popisJednotky, delka_hodnota),
        POLE(popisJednotky, delka_odchylka),
        POLE(popisJednotky, smer_hodnota),
        POLE(popisJednotky, smer_odchylka),
        POLE(popisJednotky, x_hodnota),
        POLE(popisJednotky, x_odchylka),
        POLE(popisJednotky, posun_hodnota),
        POLE(popisJednotky, posun_odchylka),
        // Ttlacitko
        POLE(tlacitko, ok),
        POLE(tlacitko, ano),
        POLE(tlacitko, ne),
        POLE(tlacitko, novy),
        POLE(tlacitko, upravit),
        POLE(tlacitko, smazat),
        POLE(tlacitko, posunNahoru),
        POLE(tlacitko, posunDolu),
        POLE(tlacitko, posun),
        POLE(tlacitko, presun),
        POLE(tlacitko, ukoncit),
        POLE(tlacitko, vycistit),
        POLE(tlacitko, vlozit),
        POLE(tlacitko, ukocitAVlozit),
        POLE(tlacitko, vybratVse),
        POLE(tlacitko, vybratSlozku),
        POLE(tlacitko, vybratSoubor),
        POLE(tlacitko, zrusitVyber),
        POLE(tlacitko, hlavni),
        POLE(tlacitko, vyber),
        POLE(tlacitko, vybrat),
        POLE(tlacitko, identifikace),
        POLE(tlacitko, kontrola),
        POLE(tlacitko, kontrolaVse),
        POLE(tlacitko, kontrolaZakladni),
        POLE(tlacitko, prehledChyb),
        POLE(tlacitko, rozdilPoloh),
        POLE(tlacitko, rozdilSkupin),
        POLE(tlacitko, rozdilProtismer),
        POLE(tlacitko, prumerPoloh),
        POLE(tlacitko, prumerSkupin),
        POLE(tlacitko, kamenKamen),
        POLE(tlacitko, seradPoloha),
        POLE(tlacitko, seradPrniDruhaZaSebou),
        POLE(tlacitko, smazZaznamyBezSkupiny),
        POLE(tlacitko, zrcadliZaznamyBezSkupiny),
        POLE(tlacitko, vyrovnani),
        POLE(tlacitko, mereniPredVyrovnanim),
        POLE(tlacitko, souradnicePredVyrovnanim),
        POLE(tlacitko, velicinyPredVyrovnanim),
        POLE(tlacitko, nastaveniVah),
        POLE(tlacitko, vyrovaniSite),
        POLE(tlacitko, kopirovat),
        POLE(tlacitko, vyjmout),
        POLE(tlacitko, vlozit2),
        POLE(tlacitko, pridat),
        POLE(tlacitko, ulozit),
        POLE(tlacitko, jako),
        POLE(tlacitko, vsechny),
        POLE(tlacitko, veliciny),
        POLE(tlacitko, velicina),
        POLE(tlacitko, analyzovane),
        POLE(tlacitko, analyza),
        POLE(tlacitko, spravovat),
        POLE(tlacitko, analyzaPosunu),
        POLE(tlacitko, porovnatEpochy),
        POLE(tlacitko, aktivni),
        POLE(tlacitko, neaktivni),
        POLE(tlacitko, pripojit),
        POLE(tlacitko, odpojit),
        POLE(tlacitko, exportovat),
        POLE(tlacitko, projekt),
        POLE(tlacitko, otevrit),
        POLE(tlacitko, zrusit),
        POLE(tlacitko, nastaveni),
        POLE(tlacitko, Jazyk),
        POLE(tlacitko, jednotky),
        POLE(tlacitko, upravaMereni),
        POLE(tlacitko, smerOdchylkyAprior),
        POLE(tlacitko, smerOdchylkyAposterior),
        POLE(tlacitko, elipsoidAprior),
        POLE(tlacitko, elipsoidAposterior),
        POLE(tlacitko, elipsoidy),
        POLE(tlacitko, prirustkySour),
        POLE(tlacitko, informace),
        POLE(tlacitko, sit),
        POLE(tlacitko, vybratOdlehle),
        POLE(tlacitko, vybratChybne),
        POLE(tlacitko, odlehleHodnoty),
        POLE(tlacitko, odlehle),
        POLE(tlacitko, presnostApriori),
        POLE(tlacitko, presnostAposteriori),
        POLE(tlacitko, seradit),
        POLE(tlacitko, podle),
        POLE(tlacitko, vystupniSystem1),
        POLE(tlacitko, vystupniSystem2),
        POLE(tlacitko, vstupniSystem2),
        POLE(tlacitko, cisloBodu),
        POLE(tlacitko, souradnice2),
        POLE(tlacitko, transformace),
        POLE(tlacitko, identickeBody),
        POLE(tlacitko, nalezene),
        POLE(tlacitko, bodASmernik),
        POLE(tlacitko, transformaceSVyrovnanim),
        POLE(tlacitko, transformovat),
        POLE(tlacitko, opravy),
        POLE(tlacitko, kovariancniMatice),
        POLE(tlacitko, prehled),
        POLE(tlacitko, analyzaMereni),
        POLE(tlacitko, analyzaTransformace),
        POLE(tlacitko, zpracovani),
        POLE(tlacitko, fixni),
        POLE(tlacitko, fixace),
        POLE(tlacitko, jeFixni),
        POLE(tlacitko, neniFixni),
        POLE(tlacitko, rozdilMeziFixnimiBody),
        POLE(tlacitko, rozdilMeziBodySite),
        POLE(tlacitko, zamenit),
        POLE(tlacitko, zBoduNaBod),
        POLE(tlacitko, meziBody),
        POLE(tlacitko, zBodu),
        POLE(tlacitko, doBodu),
        POLE(tlacitko, nastavit),
        POLE(tlacitko, vychozi),
        POLE(tlacitko, kresba),
        POLE(tlacitko, dleAtributu),
        POLE(tlacitko, najit),
        POLE(tlacitko, dalsi),
        POLE(tlacitko, predchozi),
        POLE(tlacitko, chybne),
        POLE(tlacitko, podrobnosti),
        POLE(tlacitko, zrcadleni),
        POLE(tlacitko, etapa),
        POLE(tlacitko, posun2),
        POLE(tlacitko, posuny),
        POLE(tlacitko, ortogonalni),
        POLE(tlacitko, polarni),
        POLE(tlacitko, semipolarni),
        POLE(tlacitko, prokazatelnost),
        POLE(tlacitko, polohovy),
        POLE(tlacitko, prostorovy),
        POLE(tlacitko, polohova),
        POLE(tlacitko, prostorova),
        POLE(tlacitko, svisly),
        POLE(tlacitko, svisla),
        POLE(tlacitko, vnitrni),
        POLE(tlacitko, delky),
        POLE(tlacitko, uhly),
        POLE(tlacitko, hodnoceni),
        POLE(tlacitko, vyznamne),
        POLE(tlacitko, vyznamny),
        POLE(tlacitko, nevyznamne),
        POLE(tlacitko, nevyznamny),
        POLE(tlacitko, marginalni),
        POLE(tlacitko, uzivatelske),
        POLE(tlacitko, uzivatelsky),
        POLE(tlacitko, primka),
        POLE(tlacitko, rovina),
        POLE(tlacitko, vztazny),
        POLE(tlacitko, vztazne),
        POLE(tlacitko, bez),
        POLE(tlacitko, bez2),
        POLE(tlacitko, metoda),
        POLE(tlacitko, transformacni),
        POLE(tlacitko, projekce),
        // Thlaseni
        POLE(hlaseni, nebylVybranZaznam),
        POLE(hlaseni, opravduSmazatZaznam),
        POLE(hlaseni, opravduSmazatOdchylky),
        POLE(hlaseni, opravduSmazatOdchylkySour),
        POLE(hlaseni, presunVybranychZaznamu),
        POLE(hlaseni, pridaneSoubory),
        POLE(hlaseni, poceZaznamu),
        POLE(hlaseni, ukoncitProgram),
        POLE(hlaseni, nebylVybranBod),
        POLE(hlaseni, opravduSmazatBod),
        POLE(hlaseni, pocetBodu),
        POLE(hlaseni, chybaPriVyrovnani),
        POLE(hlaseni, chybaPriTransform),
        POLE(hlaseni, chybaPriZpracovani),
        POLE(hlaseni, oteritProjekt),
        POLE(hlaseni, chybaOtevritProjekt),
        POLE(hlaseni, uspesneOtevrenProjekt),
        POLE(hlaseni, pocetNalezenychZaznamu),
        POLE(hlaseni, pocetZrcadlenychZaznamu),
        POLE(hlaseni, pocetNalezenychSkupin),
        POLE(hlaseni, socasneMereniObouPoloh),
        POLE(hlaseni, pripojitEtapa),
        POLE(hlaseni, chybaPripojitEtapa),
        POLE(hlaseni, uspesnePripojitEtapa),
        POLE(hlaseni, chybaFixnichBodu),
        POLE(hlaseni, chybaVyrovnani),
        POLE(hlaseni, chybaTransformace),
        POLE(hlaseni, chybaRobustnihoVyrovnani),
        POLE(hlaseni, chybaDetekceOdlehlych),
        POLE(hlaseni, chybaVyhodnoceniMereni),
        POLE(hlaseni, apriorPresnostNeodpovida),
        POLE(hlaseni, nejmeneDvaBodyVlozeny),
        POLE(hlaseni, nevhodnaKonfiguraceBodu),
        POLE(hlaseni, maloNadbytecnych),
        POLE(hlaseni, mereniObsahujeHrube),
        POLE(hlaseni, prekrocenMezniRozdil),
        POLE(hlaseni, prekrocenMezniRozdilDoplnekDelka),
        POLE(hlaseni, prekrocenMezniRozdilDoplnekSmernik),
        POLE(hlaseni, prekrocenMezniRozdilDoplnekPrevyseni),
        POLE(hlaseni, prekrocenMezniRozdilDoplnekProvazeni),
        POLE(hlaseni, nekonvergujiciProces),
        POLE(hlaseni, opravduPokracovat),
        POLE(hlaseni, seznamBezDuplicit),
        POLE(hlaseni, chybaVResenNormalRovnic),
        POLE(hlaseni, chcetePokracovat),
        POLE(hlaseni, chybaZpracovaniProtokolu),
        POLE(hlaseni, chybaIdentickychBodu),
        POLE(hlaseni, nejmeneDvaIdentikeBodyVlozeny),
        POLE(hlaseni, seznamIdentickychBezDuplicit),
        POLE(hlaseni, identickeMusiOdpovidatSiti),
        POLE(hlaseni, identickeMusiMitDozdilneXY),
        POLE(hlaseni, identickeObsahujiHrube),
        POLE(hlaseni, apriorPresnostIdentickcyhNeodpovida),
        POLE(hlaseni, chybaVyhodnoceniTransformace),
        POLE(hlaseni, chybaMeritkovychKoeficientu),
        POLE(hlaseni, meritkoObsahujeChyby),
        POLE(hlaseni, chybaDoplnkovehoMereni),
        POLE(hlaseni, chybaProtokol),
        POLE(hlaseni, doplnekDelkaObsahujeChyby),
        POLE(hlaseni, doplnekSmernikObsahujeChyby),
        POLE(hlaseni, doplnekPrevyseniObsahujeChyby),
        POLE(hlaseni, doplnekProvazeniObsahujeChyby),
        POLE(hlaseni, chybaPriUkladani),
        POLE(hlaseni, chybaTransfromacniKlic),
        POLE(hlaseni, chybaAnalyzaPosunu),
        // Tnadpis
        POLE(nadpis, varovani),
        POLE(nadpis, chyba),
        POLE(nadpis, vlozitStanovisko),
        POLE(nadpis, vlozitMereni),
        POLE(nadpis, upravitMereni),
        POLE(nadpis, presunoutMereni),
        POLE(nadpis, zpracovaniMereni),
        POLE(nadpis, pridatSurovaMereni),
        POLE(nadpis, ulozitSurovaMereni),
        POLE(nadpis, pridatBody),
        POLE(nadpis, ulozitBody),
        POLE(nadpis, vlozitBod),
        POLE(nadpis, upravitBod),
        POLE(nadpis, smerOdchylkyApriorVyrSour),
        POLE(nadpis, smerOdchylkyAposteriorVyrSour),
        POLE(nadpis, elipsoidApriorVyrSour),
        POLE(nadpis, elipsoidAposteriorVyrSour),
        POLE(nadpis, smerOdchylkyApriorTransSour),
        POLE(nadpis, smerOdchylkyAposteriorTransSour),
        POLE(nadpis, elipsoidApriorTransSour),
        POLE(nadpis, elipsoidAposterioTransSour),
        POLE(nadpis, prirustkyVyrSour),
        POLE(nadpis, zakladniInfoOvyrovnani),
        POLE(nadpis, vyrovMereniSodchylkaApriori),
        POLE(nadpis, vyrovMereniSodchylkaAposteriori),
        POLE(nadpis, vyrovOrientPosunSodchylkaApriori),
        POLE(nadpis, vyrovOrientPosunSodchylkaAposteriori),
        POLE(nadpis, vyrovDoplnekSodchylkaApriori),
        POLE(nadpis, vyrovDoplnekSodchylkaAposteriori),
        POLE(nadpis, vyrovIdentSodchylkaApriori),
        POLE(nadpis, vyrovIdentSodchylkaAposteriori),
        POLE(nadpis, vyrovIdentBodu),
        POLE(nadpis, oPragramu),
        POLE(nadpis, souradniceIdentickychBodu),
        POLE(nadpis, vyrovnaneSouradniceBodu),
        POLE(nadpis, transfromovaneSouradniceBodu),
        POLE(nadpis, zakladniInfoTransformaceBodASmernik),
        POLE(nadpis, souradniceIdentickychBoduVystup),
        POLE(nadpis, zakladniInfoTransformaceSVyrovnanim),
        POLE(nadpis, kovariancniMaticeVyrSour),
        POLE(nadpis, kovariancniMaticeTransSour),
        POLE(nadpis, opravyIndentickychBodu),
        POLE(nadpis, rozdilDelkeMerenychAZeSouradnic),
        POLE(nadpis, rozdilDelkeMerenychAZeFixnichSouradnic),
        POLE(nadpis, elipsoidApriorPosuny),
        POLE(nadpis, elipsoidAposteriorPosuny),
        POLE(nadpis, smerOdchylkyApriorPosuny),
        POLE(nadpis, smerOdchylkyAposteriorPosuny),
        // TprotokolTexty
        POLE(protokol, kontakt),
        POLE(protokol, protokol1),
        POLE(protokol, vytvoreno),
        POLE(protokol, legenda),
        POLE(protokol, data),
        POLE(protokol, serioveCislo),
        POLE(protokol, sMeritkovymiKoeficienty),
        POLE(protokol, bezMeritkovychKoeficientu),
        POLE(protokol, seSmerodatnymiOdchylkami),
        POLE(protokol, bezSmerodatnychOdchylek),
        POLE(protokol, nazevSouboru),
        POLE(protokol, poradiChybnehoRadku),
        POLE(protokol, souborPridan),
    };
    return pole;
}

#undef POLE

template <class R>
constexpr std::size_t PocetRetezcu()
{
    return sizeof(R) / sizeof(std::string);
}

constexpr std::size_t pocetVsechPoli = PocetRetezcu<Tfilter>() + PocetRetezcu<Tpopis>() +
                                       PocetRetezcu<TpopisJednotky>() + PocetRetezcu<Ttlacitko>() +
                                       PocetRetezcu<Thlaseni>() + PocetRetezcu<Tnadpis>() +
                                       PocetRetezcu<TprotokolTexty>();

const std::string& Text(const Tjazyk& j, const std::string& nazev)
{
    static const std::map<std::string, const Pole*> podleNazvu = [] {
        std::map<std::string, const Pole*> m;
        for (const Pole& p : VsechnaPole()) m[p.nazev] = &p;
        return m;
    }();
    const auto it = podleNazvu.find(nazev);
    if (it == podleNazvu.end()) throw std::invalid_argument("unknown field " + nazev);
    return it->second->cti(j);
}

// Every text the object holds, each prefixed by where it is held.
std::vector<std::string> VsechnyTexty(const Tjazyk& j)
{
    std::vector<std::string> t;
    for (const Pole& p : VsechnaPole()) t.push_back(p.nazev + "=" + p.cti(j));
    for (const std::string& s : j.typOdhadu) t.push_back("typOdhadu=" + s);
    for (const std::string& s : j.rimskeCislice) t.push_back("rimskeCislice=" + s);
    for (const std::string& s : j.arabskeCislice) t.push_back("arabskeCislice=" + s);
    for (const std::string& s : j.nazevXY) t.push_back("nazevXY=" + s);
    return t;
}

Tnastaveni Nastaveni(std::uint8_t jazyk)
{
    Tnastaveni n;
    n.Default();
    n.typJazyk = jazyk;
    return n;
}

Tjazyk Jazyk(std::uint8_t jazyk)
{
    Tjazyk j;
    j.Default(Nastaveni(jazyk));
    return j;
}

// The six filter fields that no operation fills.
const std::set<std::string> prazdnaPole = {
    "filter.typSuroveMereni", "filter.priponaSuroveMereni", "filter.typMeritko",
    "filter.priponaMeritko",  "filter.typDoplnek",          "filter.priponaDoplnek"};

bool JePlatneUtf8(const std::string& s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        int dalsich = 0;
        char32_t kod = 0;
        if (c < 0x80) {
            if (c < 0x20 || c == 0x7F) return false;  // no control characters
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0) { dalsich = 1; kod = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { dalsich = 2; kod = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { dalsich = 3; kod = c & 0x07; }
        else return false;
        if (i + dalsich >= s.size()) return false;
        for (int k = 1; k <= dalsich; ++k) {
            const unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            kod = (kod << 6) | (d & 0x3F);
        }
        const char32_t nejmensi[] = {0, 0x80, 0x800, 0x10000};
        if (kod < nejmensi[dalsich] || kod > 0x10FFFF || (kod >= 0xD800 && kod <= 0xDFFF)) return false;
        i += dalsich + 1;
    }
    return true;
}

std::string Mala(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// ------------------------------------------------------------ the field list itself

TEST(JazykPole, ListCoversEveryFieldOnce)
{
    EXPECT_EQ(PocetRetezcu<Tfilter>(), 14u);
    EXPECT_EQ(PocetRetezcu<Tpopis>(), 154u);
    EXPECT_EQ(PocetRetezcu<TpopisJednotky>(), 8u);
    EXPECT_EQ(PocetRetezcu<Ttlacitko>(), 155u);
    EXPECT_EQ(PocetRetezcu<Thlaseni>(), 65u);
    EXPECT_EQ(PocetRetezcu<Tnadpis>(), 48u);
    EXPECT_EQ(PocetRetezcu<TprotokolTexty>(), 13u);
    ASSERT_EQ(VsechnaPole().size(), pocetVsechPoli);

    // Distinct names and distinct storage: no field is listed twice, so with
    // the count above every field is listed.
    Tjazyk j;
    std::set<std::string> nazvy;
    std::set<const std::string*> adresy;
    for (const Pole& p : VsechnaPole()) {
        nazvy.insert(p.nazev);
        adresy.insert(&p.cti(j));
    }
    EXPECT_EQ(nazvy.size(), pocetVsechPoli);
    EXPECT_EQ(adresy.size(), pocetVsechPoli);
}

// ------------------------------------------------------------ quoted texts

struct CitovanyText {
    const char* pole;
    const char* cesky;
    const char* anglicky;
};

// Every text quoted with its Czech and English wording, verbatim (typos
// included); the Czech count of found measurements is the mended wording.
const CitovanyText citovaneTexty[] = {
    {"hlaseni.nebylVybranZaznam", "Nebylo vybráno žádné měření!", "Measurement is not selected!"},
    {"hlaseni.opravduSmazatZaznam", "Opravdu chcete odstranit vybraná měření? (Počet vybraných měření: ", "Do you really want to delete the selected measurements? (Number of measurements: "},
    {"hlaseni.opravduSmazatOdchylky", "Opravdu chcete vyčistit vybrané směrodatné odchylky? (Počet vybraných měření: ", "Do you really want to clear the standard deviations? (Number of measurements: "},
    {"hlaseni.opravduSmazatOdchylkySour", "Opravdu chcete vyčistit vybrané směrodatné odchylky? (Počet vybraných bodů: ", "Do you really want to clear the standard deviations? (Number of points: "},
    {"hlaseni.presunVybranychZaznamu", "Přesunout vybraná měření do stanoviska s pořadovým číslem:", "Relocate measurements to the standpoint with the serial number: "},
    {"hlaseni.pridaneSoubory", "Přidáno souborů: ", "Added files: "},
    {"hlaseni.poceZaznamu", "Počet měřeni: ", "Number of measurements: "},
    {"hlaseni.ukoncitProgram", "Opravdu chcete ukončit Sitmera Analyser? Neuložená data budou ztracena!", "Do you really want to exit Sitmera Analyser? Unsaved data will be lost!"},
    {"hlaseni.nebylVybranBod", "Nebyl vybrán žádný bod!", "Point is not selected!"},
    {"hlaseni.opravduSmazatBod", "Opravdu chcete odstranit vybrané body? (Počet vybraných bodů: ", "Do you really want to delete the points? (Number of points: "},
    {"hlaseni.pocetBodu", "Počet bodů: ", "Number of points: "},
    {"hlaseni.chybaPriVyrovnani", "Během procesu vyrovnání sítě došlo k chybě!", "An error occurred during the network adjustment process!"},
    {"hlaseni.chybaPriTransform", "Během procesu transformace souřadnic došlo k chybě!", "An error occurred during the coordinates transformation process!"},
    {"hlaseni.chybaPriZpracovani", "Během zpracování došlo k chybě! Prosím, zkontrolujte zpracovávaná data.", "An error occurred during the processing! Please check the processed data."},
    {"hlaseni.oteritProjekt", "Opravdu chcete otevřít nový projekt? Neuložená data budou ztracena!", "Do you really want to open new project? Unsaved data will be lost!"},
    {"hlaseni.chybaOtevritProjekt", "Při načítání projektu došlo k chybě!", "An error occurred during the project opening!"},
    {"hlaseni.uspesneOtevrenProjekt", "Projekt byl úspěšně otevřen.", "The project was successfully opended."},
    {"hlaseni.pocetNalezenychZaznamu", "Počet nalezených měření: ", "Found measurements: "},
    {"hlaseni.pocetZrcadlenychZaznamu", "Počet zrcadlených měření: ", "Mirrored measurements: "},
    {"hlaseni.pocetNalezenychSkupin", "Počet nalezených měřických skupin: ", "Found measurement sets: "},
    {"hlaseni.socasneMereniObouPoloh", "Současné měření obou poloh dalekohledu", "Simultaneous measuring in both positions"},
    {"hlaseni.pripojitEtapa", "Opravdu chcete připojit novou etapu? Neuložená data budou ztracena!", "Do you really want to connect new epoch? Unsaved data will be lost!"},
    {"hlaseni.chybaPripojitEtapa", "Během připojování etapy došlo k chybě!", "An error occurred during the epoch connecting!"},
    {"hlaseni.uspesnePripojitEtapa", "Etapa byla úspěšně připojena: ", "The epoch was successfully connected: "},
    {"hlaseni.chybaFixnichBodu", "Chyba fixních bodů", "Fixed points error"},
    {"hlaseni.chybaVyrovnani", "Chyba procesu vyrovnání", "Adjustment process error"},
    {"hlaseni.chybaTransformace", "Chyba transformace", "Transformation error"},
    {"hlaseni.chybaRobustnihoVyrovnani", "Chyba robustního vyrovnání sítě", "Robust adjustment error"},
    {"hlaseni.chybaDetekceOdlehlych", "Chyba detekce odlehlých hodnot", "Outlier detection error"},
    {"hlaseni.chybaVyhodnoceniMereni", "Chyba vyhodnocení přesnosti sítě.", "Network accuracy evaluation error."},
    {"hlaseni.apriorPresnostNeodpovida", "Apriorní přesnost měření neodpovídá skutečnosti.", "A priori accuracy of network does not reflect reality."},
    {"hlaseni.nejmeneDvaBodyVlozeny", "Musí být vloženy minimálně dva body sítě!", "At least two network points must be inserted!"},
    {"hlaseni.nevhodnaKonfiguraceBodu", "Nevhodná konfigurace vložených bodů sítě.", "Improper configuration of inserted network points."},
    {"hlaseni.maloNadbytecnych", "Nedostatečný počet nadbytečných měření.", "Insufficient number of redundant measurements."},
    {"hlaseni.mereniObsahujeHrube", "Měření pravděpodobně obsahují hrubé chyby.", "The measurements may contain gross errors."},
    {"hlaseni.prekrocenMezniRozdil", "Byl překročen mezní rozdíl šikmých délek mezi body sítě.", "The maximal difference of slope distances between the network points has been exceeded."},
    {"hlaseni.prekrocenMezniRozdilDoplnekDelka", "Byl překročen mezní rozdíl doplňkového měření (Šikmá délka) mezi body sítě.", "The maximal difference of supplementary measurement (Slope distance) between the network points has been exceeded."},
    {"hlaseni.prekrocenMezniRozdilDoplnekSmernik", "Byl překročen mezní rozdíl doplňkového měření (Směrník) mezi body sítě.", "The maximal difference of supplementary measurement (Bearing) between the network points has been exceeded."},
    {"hlaseni.prekrocenMezniRozdilDoplnekPrevyseni", "Byl překročen mezní rozdíl doplňkového měření (Převýšení) mezi body sítě.", "The maximal difference of supplementary measurement (Height difference) between the network points has been exceeded."},
    {"hlaseni.prekrocenMezniRozdilDoplnekProvazeni", "Byl překročen mezní rozdíl doplňkového měření (Svislé provažování) mezi body sítě.", "The maximal difference of supplementary measurement (Vertical plumbing) between the network points has been exceeded."},
    {"hlaseni.nekonvergujiciProces", "Chyba nekonvergence iteračního vyrovnání.", "Non-convergence error in iterative adjusment."},
    {"hlaseni.opravduPokracovat", "Opravdu chcete pokračovat?", "Do you want to continue?"},
    {"hlaseni.seznamBezDuplicit", "Seznam vložených bodů sítě nesmí obsahovat žádné duplicity!", "The list of inserted network points must not contain any duplicates!"},
    {"hlaseni.chybaVResenNormalRovnic", "Chyba v řešení normálních rovnic.", "Error in solving the normal equations."},
    {"hlaseni.chcetePokracovat", "Během zpracování došlo k chybě! Opravdu chcete pokračovat?", "An error occurred during the processing! Do you really want to continue?"},
    {"hlaseni.chybaZpracovaniProtokolu", "Během zpracování protokolu došlo k chybě!", "An error occurred during the protocol processing!"},
    {"hlaseni.chybaIdentickychBodu", "Chyba identických bodů", "Identical points error"},
    {"hlaseni.nejmeneDvaIdentikeBodyVlozeny", "Musí být vloženy minimálně dva identické body!", "At least two identical points must be inserted!"},
    {"hlaseni.seznamIdentickychBezDuplicit", "Seznam vložených identických bodů nesmí obsahovat žádné duplicity!", "The list of inserted identical points must not contain any duplicates!"},
    {"hlaseni.identickeMusiOdpovidatSiti", "Nejméně dva vložené identické body musí odpovídat bodům sítě.", "At least two inserted identical points must correspond to the networks points."},
    {"hlaseni.identickeMusiMitDozdilneXY", "Nejméně dva vložené identické body musí mít rozdílné souřadnice X a Y.", "At least two inserted identical points must have different coordinates X and Y."},
    {"hlaseni.identickeObsahujiHrube", "Vložené identické body pravděpodobně obsahují hrubé chyby.", "The inserted identical points may contain gross errors."},
    {"hlaseni.apriorPresnostIdentickcyhNeodpovida", "Apriorní přesnost identických bodů neodpovídá skutečnosti.", "A priori accuracy of identical points does not reflect reality."},
    {"hlaseni.chybaVyhodnoceniTransformace", "Chyba vyhodnocení přesnosti transformace.", "Transformation accuracy evaluation error."},
    {"hlaseni.chybaMeritkovychKoeficientu", "Chyba měřítkového koeficientu", "Scale factor error"},
    {"hlaseni.meritkoObsahujeChyby", "Seznam měřítkových koeficientů pro redukci délek obsahuje chyby.", "The list of scale factors for distance reduction contains errors."},
    {"hlaseni.chybaDoplnkovehoMereni", "Chyba doplňkového měření", "Supplementary measurement error"},
    {"hlaseni.chybaProtokol", "Chyba protokolu", "Protocol error"},
    {"hlaseni.doplnekDelkaObsahujeChyby", "Seznam doplňkových měření (Šikmá délka) obsahuje chyby.", "The list of supplementary measurements (Slope distance) contains errors."},
    {"hlaseni.doplnekSmernikObsahujeChyby", "Seznam doplňkových měření (Směrník) obsahuje chyby.", "The list of supplementary measurements (Bearing) contains errors."},
    {"hlaseni.doplnekPrevyseniObsahujeChyby", "Seznam doplňkových měření (Převýšení) obsahuje chyby.", "The list of supplementary measurements (Height difference) contains errors."},
    {"hlaseni.doplnekProvazeniObsahujeChyby", "Seznam doplňkových měření (Svislé provažování) obsahuje chyby.", "The list of supplementary measurements (Vertical plumbing) contains errors."},
    {"hlaseni.chybaPriUkladani", "Při ukládání souboru došlo k chybě!", "An error occurred during the save process!"},
    {"hlaseni.chybaTransfromacniKlic", "Chyba transformačního klíče! Prosím, zkontrolujte nastavení.", "Transformation parametres error! Please check your settings."},
    {"hlaseni.chybaAnalyzaPosunu", "Během analýzy posunů došlo k chybě!", "An error occurred during the movement analysis!"},
    {"nadpis.varovani", "Upozornění", "Warning"},
    {"nadpis.chyba", "Chyba", "Error"},
    {"nadpis.vlozitStanovisko", "Vložit nové stanovisko", "Insert new standpoint"},
    {"nadpis.vlozitMereni", "Vložit nové měření", "Insert new measurement"},
    {"nadpis.upravitMereni", "Upravit měření", "Edit measurement"},
    {"nadpis.presunoutMereni", "Přesunout měření", "Relocate measurements"},
    {"nadpis.zpracovaniMereni", "Zpracování surových měření", "Processing of raw measurements"},
    {"nadpis.pridatSurovaMereni", "Přidat surová měření", "Add raw measurements"},
    {"nadpis.ulozitSurovaMereni", "Uložit surová měření", "Save raw measurements"},
    {"nadpis.pridatBody", "Přidat body", "Add points"},
    {"nadpis.ulozitBody", "Uložit body", "Save points"},
    {"nadpis.vlozitBod", "Vložit nový bod", "Insert new point"},
    {"nadpis.upravitBod", "Upravit bod", "Edit point"},
    {"nadpis.smerOdchylkyApriorVyrSour", "Apriorní směrodatné odchylky vyrovnaných souřadnic bodů", "A priori standard deviations of adjusted point coordinates"},
    {"nadpis.smerOdchylkyAposteriorVyrSour", "Aposteriorní směrodatné odchylky vyrovnaných souřadnic bodů", "A posteriori standard deviations of adjusted point coordinates"},
    {"nadpis.elipsoidApriorVyrSour", "Apriorní elipsoidy chyb vyrovnaných souřadnic bodů", "A priori error ellipsoids of adjusted point coordinates"},
    {"nadpis.elipsoidAposteriorVyrSour", "Aposteriorní elipsoidy chyb vyrovnaných souřadnic bodů", "A posteriori error ellipsoids of adjusted point coordinates"},
    {"nadpis.smerOdchylkyApriorTransSour", "Apriorní směrodatné odchylky transformovaných souřadnic bodů", "Apriori standard deviations of transformed point coordinates"},
    {"nadpis.smerOdchylkyAposteriorTransSour", "Aposteriorní směrodatné odchylky transformovaných souřadnic bodů", "A posteriori standard deviations of transformed point coordinates"},
    {"nadpis.elipsoidApriorTransSour", "Apriorní elipsoidy chyb transformovaných souřadnic bodů", "A priori error ellipsoids of transformed point coordinates"},
    {"nadpis.elipsoidAposterioTransSour", "Aposteriorní elipsoidy chyb transformovaných souřadnic bodů", "A posteriori error ellipsoids of transformed point coordinates"},
    {"nadpis.prirustkyVyrSour", "Přírůstky vyrovnaných souřadnic bodů", "Changes of adjusted point coordinates"},
    {"nadpis.zakladniInfoOvyrovnani", "Informace o vyrovnání sítě", "Information about network adjustment"},
    {"nadpis.vyrovMereniSodchylkaApriori", "Vyrovnaná měření / apriorní směrodatné odchylky", "Adjusted measurements / a priori standard deviations"},
    {"nadpis.vyrovMereniSodchylkaAposteriori", "Vyrovnaná měření / aposteriorní směrodatné odchylky", "Adjusted measurements / a posteriori standard deviations"},
    {"nadpis.vyrovOrientPosunSodchylkaApriori", "Vyrovnané orientační posuny / apriorní směrodatné odchylky", "Adjusted orientation shifts / a priori standard deviations"},
    {"nadpis.vyrovOrientPosunSodchylkaAposteriori", "Vyrovnané orientační posuny / aposteriorní směrodatné odchylky", "Adjusted orientation shifts / a posteriori standard deviations"},
    {"nadpis.vyrovDoplnekSodchylkaApriori", "Vyrovnaná doplňková měření / apriorní směrodatné odchylky", "Adjusted supplementary measurements / a priori standard deviations"},
    {"nadpis.vyrovDoplnekSodchylkaAposteriori", "Vyrovnaná doplňková měření / aposteriorní směrodatné odchylky", "Adjusted supplementary measurements / a posteriori standard deviations"},
    {"nadpis.vyrovIdentSodchylkaApriori", "Vyrovnané souřadnice identických bodů / apriorní směrodatné odchylky", "Adjusted coordinates of identical points / a priori standard deviations"},
    {"nadpis.vyrovIdentSodchylkaAposteriori", "Vyrovnané souřadnice identických bodů / aposteriorní směrodatné odchylky", "Adjusted coordinates of identical points / a posteriori standard deviations"},
    {"nadpis.vyrovIdentBodu", "Vyrovnané souřadnice identických bodů", "Adjusted coordinates of identical points"},
    {"nadpis.oPragramu", "O programu", "About"},
    {"nadpis.souradniceIdentickychBodu", "Souřadnice identických bodů", "Coordinates of identical points"},
    {"nadpis.vyrovnaneSouradniceBodu", "Vyrovnané souřadnice bodů", "Adjusted point coordinates"},
    {"nadpis.transfromovaneSouradniceBodu", "Transformované souřadnice bodů", "Transformed point coordinates"},
    {"nadpis.zakladniInfoTransformaceBodASmernik", "Základní informace o transformaci na bod a směrník", "Basic information about point and bearing transformation"},
    {"nadpis.souradniceIdentickychBoduVystup", "Souřadnice identických bodů ve výstupním systému", "Coordinates of identical points from output system"},
    {"nadpis.zakladniInfoTransformaceSVyrovnanim", "Základní informace o transformaci s vyrovnáním", "Basic information about transformation with adjustment"},
    {"nadpis.kovariancniMaticeVyrSour", "Matice váhových koeficinetů vyrovnaných souřadnic bodů XYZ", "Weight coefficient matrix of adjusted point coordinates XYZ"},
    {"nadpis.kovariancniMaticeTransSour", "Matice váhových koeficientů transformovaných souřadnic bodů XYZ", "Weight coefficient matrix of transformed point coordinates XYZ"},
    {"nadpis.opravyIndentickychBodu", "Opravy souřadnic identických bodů", "Residuals of identical point coordinates"},
    {"nadpis.rozdilDelkeMerenychAZeSouradnic", "Rozdíl měřených hodnot (přímá spojnice značek bodů) a vypočtených hodnot (z bodů sítě)", "Difference between measured (marked point) values and calculated values (by net points)"},
    {"nadpis.rozdilDelkeMerenychAZeFixnichSouradnic", "Rozdíl měřených hodnot (přímá spojnice značek bodů) a vypočtených hodnot (z fixních bodů)", "Difference between measured (marked point) values and calculated values (by fixed points)"},
    {"nadpis.elipsoidApriorPosuny", "Apriorní elipsoidy chyb posunů", "A priori error ellipsoids of movements"},
    {"nadpis.elipsoidAposteriorPosuny", "Aposteriorní elipsoidy chyb posunů", "A posteriori error ellipsoids of movements"},
    {"nadpis.smerOdchylkyApriorPosuny", "Apriorní směrodatné odchylky posunů", "A priori standard deviations of movements"},
    {"nadpis.smerOdchylkyAposteriorPosuny", "Aposteriorní směrodatné odchylky posunů", "A posteriori standard deviations of movements"},
    {"protokol.kontakt", "Kontakt", "Contact"},
    {"protokol.protokol1", "Protokol", "Protocol"},
    {"protokol.vytvoreno", "Vytvořeno", "Created"},
    {"protokol.legenda", "Legenda", "Legend"},
    {"protokol.data", "Data", "Data"},
    {"protokol.serioveCislo", "Pořadové číslo", "Serial number"},
    {"protokol.sMeritkovymiKoeficienty", "S měřítkovými koeficienty", "With scale factors"},
    {"protokol.bezMeritkovychKoeficientu", "Bez měřítkových koeficientů", "Without scale factors"},
    {"protokol.seSmerodatnymiOdchylkami", "Se směrodatnými odchylkami", "With standard deviations"},
    {"protokol.bezSmerodatnychOdchylek", "Bez směrodatných odchylek", "Without standard deviations"},
    {"protokol.nazevSouboru", "Název souboru", "File name"},
    {"protokol.poradiChybnehoRadku", "Pořadí chybného řádku (ignorovány prázdné řádky)", "Added / Serial number of incorrect line (blank lines ignored)"},
    {"protokol.souborPridan", "Soubor přidán", "File added"},
    {"tlacitko.ano", "Ano", "Yes"},
    {"tlacitko.ne", "Ne", "No"},
    {"tlacitko.hlavni", "Hlavní", "Main"},
    {"tlacitko.ulozit", "Uložit", "Save"},
    {"tlacitko.jako", "jako", "as"},
    {"tlacitko.ukoncit", "Ukončit", "Close"},
    {"tlacitko.zpracovani", "Zpracování", "Processing"},
    {"tlacitko.otevrit", "Otevřít", "Open"},
    {"tlacitko.projekt", "projekt", "project"},
    {"tlacitko.pripojit", "Připojit", "Connect"},
    {"tlacitko.etapa", "Etapa", "Epoch"},
    {"tlacitko.vybratSoubor", "Vybrat soubor", "Select file"},
    {"tlacitko.vybratSlozku", "Vybrat složku", "Select directory"},
    {"tlacitko.pridat", "Přidat", "Add"},
    {"tlacitko.zrusit", "Zrušit", "Cancel"},
    {"tlacitko.analyzaPosunu", "Analýza posunů", "Movement analysis"},
    {"tlacitko.vztazny", "Vztažný", "Reference"},
    {"tlacitko.vztazne", "Vztažné", "Reference"},
    {"tlacitko.bez", "Bez", "Without"},
    {"tlacitko.bez2", "Bez", "No"},
    {"popis.pripojena", "Připojená", "Connected"},
    {"popis.transformovana", "Transformovaná", "Transformed"},
    {"popis.geodeticky", "geodetický", "geodetical"},
    {"popis.matematicky", "matematický", "mathematical"},
    {"popis.radiany", "Radiány", "Radians"},
    {"popis.grady", "Grády", "Grads"},
    {"popis.stupne", "Stupně", "Degrees"},
    {"popis.souradSystem", "Souřadnicový systém", "Coordinate system"},
    {"filter.typSouradnice", "Textový format XYZ|*.txt|Textový format YXZ|*.txt", "Text format XYZ|*.txt|Text format YXZ|*.txt"},
    {"filter.priponaSouradnice", ".txt", ".txt"},
    {"filter.typProjekt", "SM Analyser projekt|*.pea|", "SM Analyser project|*.pea"},
    {"filter.priponaProjekt", ".pea", ".pea"},
    {"filter.typProtokol", "Textový format|*.txt", "Text format|*.txt"},
    {"filter.priponaProtokol", ".txt", ".txt"},
    {"filter.typEtapa", "Sitmera etapa|*.epc|", "Sitmera epoch|*.epc"},
    {"filter.priponaEtapa", ".epc", ".epc"},
    {"popis.x", "X", "X"},
    {"popis.y", "Y", "Y"},
    {"popis.z", "Z", "Z"},
    {"tlacitko.ok", "OK", "OK"},
    {"popis.verzeCislo", "1.1.2", "1.1.2"},
    {"popis.sitmeraNazev", "Sitmera Analyser", "Sitmera Analyser"},
    {"popis.verzeDatum", "(20.06.2015)", "(20/06/2015)"},
};

TEST(JazykTexty, QuotedTextsInBothLanguages)
{
    const Tjazyk cesky = Jazyk(0);
    const Tjazyk anglicky = Jazyk(1);
    for (const CitovanyText& t : citovaneTexty) {
        SCOPED_TRACE(t.pole);
        EXPECT_EQ(Text(cesky, t.pole), t.cesky);
        EXPECT_EQ(Text(anglicky, t.pole), t.anglicky);
    }
}

TEST(JazykTexty, EveryMessageTitleAndReportCaptionIsQuoted)
{
    // The message, title and report-caption records are given in full: each
    // of their fields has a row in the quoted table.
    std::set<std::string> citovana;
    for (const CitovanyText& t : citovaneTexty) citovana.insert(t.pole);
    for (const Pole& p : VsechnaPole()) {
        if (p.nazev.rfind("hlaseni.", 0) == 0 || p.nazev.rfind("nadpis.", 0) == 0 ||
            p.nazev.rfind("protokol.", 0) == 0) {
            EXPECT_TRUE(citovana.count(p.nazev)) << p.nazev;
        }
    }
}

TEST(JazykTexty, CzechCountOfFoundMeasurementsIsNotGarbled)
{
    const Tjazyk cesky = Jazyk(0);
    EXPECT_EQ(cesky.hlaseni.pocetNalezenychZaznamu, "Počet nalezených měření: ");
    EXPECT_EQ(Jazyk(1).hlaseni.pocetNalezenychZaznamu, "Found measurements: ");
}

TEST(JazykTexty, EnglishCaptionsComposedByTheSettingsWindows)
{
    const Tjazyk j = Jazyk(1);
    const Tpopis& p = j.popis;
    const Ttlacitko& t = j.tlacitko;
    // Units and rounding window.
    EXPECT_EQ(t.nastaveni + " - " + t.jednotky, "Options - Units");
    EXPECT_EQ(t.jednotky, "Units");
    EXPECT_EQ(p.hodnota + "/" + p.smerOdchylka, "Value/Standard deviation");
    EXPECT_EQ(p.uhloveVeliciny + ":", "Angular variables:");
    EXPECT_EQ(p.delkoveVeliciny + ":", "Length variables:");
    EXPECT_EQ(p.souradnice + ":", "Coordinates:");
    EXPECT_EQ(t.posuny + ":", "Movements:");
    EXPECT_EQ(p.zaokrouhlovani, "Rounding");
    EXPECT_EQ(p.souradSystem, "Coordinate system");
    EXPECT_EQ(p.zobrazeni, "Displaying");
    EXPECT_EQ(t.vlozit + " [Ent]", "Insert [Ent]");
    EXPECT_EQ(t.ukoncit + " [Esc]", "Close [Esc]");
    EXPECT_EQ(t.kopirovat, "Copy");
    // Analysis settings window.
    EXPECT_EQ(t.nastaveni + " - " + t.analyzaPosunu, "Options - Movement analysis");
    EXPECT_EQ(p.hodnoceniVyznamnych, "Evaluation of significant movements");
    EXPECT_EQ(p.hladinaVyznamnosti + ":", "Significance level:");
    EXPECT_EQ(t.metoda, "Method");
    EXPECT_EQ(p.apriorni + " " + Mala(p.presnost), "A priori accuracy");
    EXPECT_EQ(p.aposteriorni + " " + Mala(p.presnost), "A posteriori accuracy");
    // Displacement graph window.
    EXPECT_EQ(t.kresba + " - " + t.analyzaPosunu, "Drawing - Movement analysis");
    EXPECT_EQ("Hz " + Mala(t.posun2) + ":", "Hz movement:");
}

TEST(JazykTexty, AttachedEpochNoticeReadsAsInTheEpochWindow)
{
    // Success text + "(" + point-count label + count + ")".
    const Tjazyk j = Jazyk(0);
    EXPECT_EQ(j.hlaseni.uspesnePripojitEtapa + "(" + j.hlaseni.pocetBodu + "12)",
              "Etapa byla úspěšně připojena: (Počet bodů: 12)");
}

TEST(JazykTexty, MessagesFollowedByANumberKeepTheirTrailingBlank)
{
    for (std::uint8_t jazyk : {0, 1}) {
        const Tjazyk j = Jazyk(jazyk);
        for (const std::string* s :
             {&j.hlaseni.opravduSmazatZaznam, &j.hlaseni.opravduSmazatOdchylky,
              &j.hlaseni.opravduSmazatOdchylkySour, &j.hlaseni.pridaneSoubory, &j.hlaseni.poceZaznamu,
              &j.hlaseni.opravduSmazatBod, &j.hlaseni.pocetBodu, &j.hlaseni.pocetNalezenychZaznamu,
              &j.hlaseni.pocetZrcadlenychZaznamu, &j.hlaseni.pocetNalezenychSkupin,
              &j.hlaseni.uspesnePripojitEtapa}) {
            ASSERT_GE(s->size(), 2u);
            EXPECT_EQ(s->substr(s->size() - 2), ": ") << *s;
        }
    }
}

TEST(JazykTexty, TheTwoWithoutButtonsDifferInEnglishOnly)
{
    EXPECT_EQ(Jazyk(0).tlacitko.bez, Jazyk(0).tlacitko.bez2);
    EXPECT_EQ(Jazyk(1).tlacitko.bez, "Without");
    EXPECT_EQ(Jazyk(1).tlacitko.bez2, "No");
}

TEST(JazykTexty, ContactTextsAreFilled)
{
    for (std::uint8_t jazyk : {0, 1}) {
        const Tjazyk j = Jazyk(jazyk);
        EXPECT_FALSE(j.popis.velkor.empty());
        EXPECT_NE(j.popis.email.find('@'), std::string::npos);
        EXPECT_EQ(j.popis.email.find(' '), std::string::npos);
        EXPECT_FALSE(j.popis.katedra.empty());
        EXPECT_FALSE(j.popis.fakulta.empty());
    }
}

// ------------------------------------------------------------ completeness

TEST(JazykUplnost, EveryFieldFilledInBothLanguages)
{
    for (std::uint8_t jazyk : {0, 1}) {
        const Tjazyk j = Jazyk(jazyk);
        for (const Pole& p : VsechnaPole()) {
            SCOPED_TRACE(p.nazev);
            EXPECT_EQ(p.cti(j).empty(), prazdnaPole.count(p.nazev) == 1);
        }
    }
}

TEST(JazykUplnost, EveryTextIsValidUtf8WithoutLeadingBlank)
{
    for (std::uint8_t jazyk : {0, 1}) {
        const Tjazyk j = Jazyk(jazyk);
        for (const std::string& s : VsechnyTexty(j)) {
            EXPECT_TRUE(JePlatneUtf8(s)) << s;
            const std::string hodnota = s.substr(s.find('=') + 1);
            if (!hodnota.empty()) {
                EXPECT_NE(hodnota.front(), ' ') << s;
            }
        }
    }
}

TEST(JazykUplnost, CzechAndEnglishDifferWhereTheWordsDiffer)
{
    // Most labels, buttons and all messages are translated; only names,
    // symbols and a few international words coincide.
    const Tjazyk cesky = Jazyk(0);
    const Tjazyk anglicky = Jazyk(1);
    std::vector<std::string> stejne;
    for (const Pole& p : VsechnaPole())
        if (!p.cti(cesky).empty() && p.cti(cesky) == p.cti(anglicky)) stejne.push_back(p.nazev);
    const std::set<std::string> smiSeShodovat = {
        "filter.priponaSouradnice", "filter.priponaProjekt", "filter.priponaProtokol",
        "filter.priponaEtapa",      "popis.x",               "popis.y",
        "popis.z",                  "popis.verzeCislo",      "popis.sitmeraNazev",
        "popis.email",              "popis.text",            "tlacitko.ok",
        "protokol.data"};
    for (const std::string& n : stejne) {
        const bool jednotka = n.rfind("popisJednotky.", 0) == 0;
        EXPECT_TRUE(jednotka || smiSeShodovat.count(n)) << n << " is not translated";
    }
}

// ------------------------------------------------------------ switching languages

TEST(JazykPrepnuti, BackAndForthLeavesIdenticalTexts)
{
    for (std::uint8_t prvni : {1, 0}) {
        const std::uint8_t druhy = prvni == 1 ? 0 : 1;
        Tjazyk j;
        j.Default(Nastaveni(prvni));
        const std::vector<std::string> predtim = VsechnyTexty(j);
        j.Default(Nastaveni(druhy));
        EXPECT_NE(VsechnyTexty(j), predtim);
        j.Default(Nastaveni(prvni));
        EXPECT_EQ(VsechnyTexty(j), predtim);
        // And the same as a fresh object filled once.
        EXPECT_EQ(VsechnyTexty(Jazyk(prvni)), predtim);
    }
}

TEST(JazykPrepnuti, ListsAreRebuiltNeverAppended)
{
    Tjazyk j;
    for (int k = 0; k < 5; ++k) j.Default(Nastaveni(static_cast<std::uint8_t>(k % 2)));
    const TStringList odhady = {"Huber", "M-huber", "Hampel", "Talwar", "Cauchy", "Tukey",
                                "Geman", "Andrews", "Welsh", "Fair", "L1 Norm", "L1/L2 Norm"};
    EXPECT_EQ(j.typOdhadu, odhady);
    EXPECT_EQ(j.rimskeCislice, (TStringList{"I", "II"}));
    EXPECT_EQ(j.arabskeCislice, (TStringList{"1", "2"}));
    EXPECT_EQ(Jazyk(0).typOdhadu, odhady);
}

TEST(JazykPrepnuti, UnknownLanguageByteReadsAsEnglish)
{
    EXPECT_EQ(VsechnyTexty(Jazyk(7)), VsechnyTexty(Jazyk(1)));
    EXPECT_EQ(VsechnyTexty(Jazyk(255)), VsechnyTexty(Jazyk(1)));
}

TEST(JazykPrepnuti, NewObjectHoldsNoTexts)
{
    const Tjazyk j;
    for (const Pole& p : VsechnaPole()) EXPECT_TRUE(p.cti(j).empty()) << p.nazev;
    EXPECT_TRUE(j.typOdhadu.empty());
    EXPECT_TRUE(j.rimskeCislice.empty());
    EXPECT_TRUE(j.arabskeCislice.empty());
    EXPECT_EQ(j.nazevXY, (TtextVektor{"", ""}));
}

// ------------------------------------------------------------ axis names

TEST(JazykOsy, AxisNamesFollowTheAxisOrder)
{
    Tnastaveni n = Nastaveni(1);
    Tjazyk j;
    j.Default(n);
    EXPECT_EQ(j.nazevXY, (TtextVektor{"X", "Y"}));  // at start

    n.NastavPoradiXY(1);
    j.Default(n);
    EXPECT_EQ(j.nazevXY, (TtextVektor{"Y", "X"}));

    j.NastavXY(0);
    EXPECT_EQ(j.nazevXY, (TtextVektor{"X", "Y"}));
    j.NastavXY(1);
    EXPECT_EQ(j.nazevXY, (TtextVektor{"Y", "X"}));
}

TEST(JazykOsy, UnknownAxisOrderLeavesTheNames)
{
    Tjazyk j = Jazyk(0);
    j.NastavXY(1);
    j.NastavXY(2);
    EXPECT_EQ(j.nazevXY, (TtextVektor{"Y", "X"}));
    j.NastavXY(255);
    EXPECT_EQ(j.nazevXY, (TtextVektor{"Y", "X"}));

    Tnastaveni n = Nastaveni(1);
    n.NastavPoradiXY(5);  // stored as it is
    j.Default(n);
    EXPECT_EQ(j.nazevXY, (TtextVektor{"Y", "X"}));
}

// ------------------------------------------------------------ extensions

TEST(JazykFiltry, DefaultExtensionsDoNotDependOnFilterIndexOrLanguage)
{
    for (std::uint8_t jazyk : {0, 1}) {
        for (std::uint8_t index : {0, 1, 2, 200}) {
            Tnastaveni n = Nastaveni(jazyk);
            n.souborVstup.typSouradnice = index;
            n.souborVstup.typProjekt = index;
            n.souborVstup.typProtokol = index;
            n.souborVstup.typEtapa = index;
            Tjazyk j;
            j.Default(n);
            EXPECT_EQ(j.filter.priponaSouradnice, ".txt");
            EXPECT_EQ(j.filter.priponaProjekt, ".pea");
            EXPECT_EQ(j.filter.priponaProtokol, ".txt");
            EXPECT_EQ(j.filter.priponaEtapa, ".epc");
        }
    }
}

// ------------------------------------------------------------ unit captions

struct Jednotky {
    std::uint8_t uhel, delka, souradnice, posun;
    const char *x, *xOdchylka, *delkaH, *delkaOdchylka, *smer, *smerOdchylka, *posunH, *posunOdchylka;
};

// The names the units window offers for each setting.
const Jednotky tabulkaJednotek[] = {
    {1, 0, 0, 0, "m", "mm", "m", "mm", "gon", "mgon", "mm", "mm"},  // the defaults
    {0, 0, 0, 0, "m", "mm", "m", "mm", "rad", "mrad", "mm", "mm"},
    {2, 1, 0, 1, "m", "mm", "ft", "pt", "deg", "mdeg", "pt", "pt"},
    {3, 0, 1, 0, "ft", "pt", "m", "mm", "dms", "sec", "mm", "mm"},
    {3, 1, 1, 1, "ft", "pt", "ft", "pt", "dms", "sec", "pt", "pt"},
    // Unknown codes: the conversions leave radians and metres.
    {4, 2, 9, 3, "m", "m", "m", "m", "rad", "rad", "m", "m"},
};

TEST(JazykJednotky, CaptionsFollowTheUnitsInBothLanguages)
{
    for (const Jednotky& r : tabulkaJednotek) {
        for (std::uint8_t jazyk : {0, 1}) {
            Tnastaveni n = Nastaveni(jazyk);
            n.jednotky.uhel = r.uhel;
            n.jednotky.delka = r.delka;
            n.jednotky.souradnice = r.souradnice;
            n.jednotky.posun = r.posun;
            Tjazyk j;
            j.Default(n);
            SCOPED_TRACE(testing::Message() << "units " << int(r.uhel) << int(r.delka)
                                            << int(r.souradnice) << int(r.posun));
            const TpopisJednotky& p = j.popisJednotky;
            EXPECT_EQ(p.x_hodnota, r.x);
            EXPECT_EQ(p.x_odchylka, r.xOdchylka);
            EXPECT_EQ(p.delka_hodnota, r.delkaH);
            EXPECT_EQ(p.delka_odchylka, r.delkaOdchylka);
            EXPECT_EQ(p.smer_hodnota, r.smer);
            EXPECT_EQ(p.smer_odchylka, r.smerOdchylka);
            EXPECT_EQ(p.posun_hodnota, r.posunH);
            EXPECT_EQ(p.posun_odchylka, r.posunOdchylka);

            const TpopisJednotky q = PopisJednotek(r.uhel, r.delka, r.souradnice, r.posun);
            EXPECT_EQ(q.x_hodnota, p.x_hodnota);
            EXPECT_EQ(q.smer_odchylka, p.smer_odchylka);
        }
    }
}

TEST(JazykJednotky, CaptionsAreMadeAgainByEveryDefault)
{
    Tnastaveni n = Nastaveni(1);
    Tjazyk j;
    j.Default(n);
    EXPECT_EQ(j.popisJednotky.smer_hodnota, "gon");
    n.jednotky.uhel = 2;
    n.jednotky.souradnice = 1;
    j.Default(n);  // as after the units window's OK
    EXPECT_EQ(j.popisJednotky.smer_hodnota, "deg");
    EXPECT_EQ(j.popisJednotky.smer_odchylka, "mdeg");
    EXPECT_EQ(j.popisJednotky.x_hodnota, "ft");
    n.Default();
    j.Default(n);
    EXPECT_EQ(j.popisJednotky.smer_hodnota, "gon");
    EXPECT_EQ(j.popisJednotky.x_hodnota, "m");
}

}  // namespace
}  // namespace sitmera

// Language texts: every text the user sees (captions, labels, button and menu
// texts, messages, titles, file-dialog filters, report captions) in the current
// language, Czech or English.
//
// All texts are built into the program as (Czech, English) pairs; `Default`
// copies the element of the current language (`Tnastaveni::typJazyk`: 0 Czech,
// 1 English) into the fields. Windows read the fields when they are shown, so
// a switch of language reaches a window the next time it is shown.
//
// Special cases:
//  - a few texts are the same in both languages ("X", "Y", "Z", "OK", the
//    version number, the program name, the default file extensions);
//  - `filter.typSuroveMereni`, `priponaSuroveMereni`, `typMeritko`,
//    `priponaMeritko`, `typDoplnek` and `priponaDoplnek` stay empty;
//  - the unit captions of `popisJednotky` follow the units of the settings
//    (not the language) and are made again by every `Default`;
//  - messages that end in ": " keep the blank: the caller appends a number
//    (and a closing bracket where the message opens one).
#pragma once

#include <cstdint>
#include <string>

#include "numerics/Zaklad.h"

namespace sitmera {

class Tnastaveni;

// File-dialog filters (caption and mask pairs joined by "|") and default
// extensions (with the dot).
struct Tfilter {
    std::string typSuroveMereni, priponaSuroveMereni;
    std::string typSouradnice, priponaSouradnice;
    std::string typProjekt, priponaProjekt;
    std::string typMeritko, priponaMeritko;
    std::string typDoplnek, priponaDoplnek;
    std::string typProtokol, priponaProtokol;
    std::string typEtapa, priponaEtapa;
};

// Labels.
struct Tpopis {
    std::string stanovisko, cil, merene_veliciny, poradi, cislo;
    std::string vyska, smer, zenit, delka, delkaH;
    std::string delka2, uhelH, uhelS, zenitRozdil, mereni;
    std::string mereni2, poloha, skupina, cisloSTN, vyskaSTN;
    std::string cisloCIL, vyskaCIL, smernik, prevyseni, poradiSkupina;
    std::string bod, body, cisloBod, x, y;
    std::string z, souradnice, sigMereneVeliciny, sigJednotkovaAprior, vnitrniPresnost;
    std::string vnejsiPresnost, zadanaPresnost, pro, hodnota, hodnoty;
    std::string rozdil, smerOdchylka, uhloveVeliciny, delkoveVeliciny, radiany;
    std::string grady, stupne, zobrazeni, zaokrouhlovani, souradSystem;
    std::string geodeticky, matematicky, vylouceniOdlehlych, vylucovatOdlehle, hladinaVyznamnosti;
    std::string metodaRobustOdhadu, iteracniVyrovnani, maxPocetIteraci, maxZmenaVahy, maxZmenaSourad;
    std::string maxZmenaRotace, mezniRozdilyMereni, mezniHodnotaMereni, pocetOdlehych, pocetFixBodu;
    std::string pocetVyrBodu, pocetVyrPosun, pocetVyrmerni, pocetNadbytecnych, sigJednotkovaAposterior;
    std::string oprava, opravaNorm, opravaMezni, merenaHodnota, vyrovnanaHodnota;
    std::string stredniHodnota, vlozenaHodnota, vypoctenaHodnota, orientPosun, vyrovnana;
    std::string poloosyElsoidu, parametrOsy, komplexniZpracovani, email, velkor;
    std::string verzeDatum, verzeCislo, katedra, fakulta, zakladniInformace;
    std::string pocetTransBodu, parametryTransformace, transformacniKlic, translace, rotace;
    std::string parametryKlice, vyrovnaneHodnoty, smerodatneOdchylky, odchylky, pocetIdentBodu;
    std::string vyrovnaniSourIdentBodu, jednotSmerOdchylka, pocetVyrovSouradnic, pocetNadbytecnychSour, apriorni;
    std::string aposteriorni, transformovane, transformovana, redukceDelek, redukceZNadmorskeVysky;
    std::string polomerReferencniKoule, redukceDoZobrazeni, meritkovyKoeficient, meritkoveKoeficienty, typVyskoveHladiny;
    std::string nulovaHladina, stredniHladinaSite, hladinaVeVysce, vyrovnane, vyrovnany;
    std::string barva, pozadi, elipsyChyb, elipsaChyb, cernobily;
    std::string cernobily2, prvky, sirka, text, velikost;
    std::string krizek, krouzek, meritkoElips, zvetseni, vse;
    std::string osy, meritko, presnost, normalni, tucne;
    std::string mezOdchylka, hodnoceniVyznamnych, pripojena, puvodni, bodySite;
    std::string vstup, doplnek, doplnkove, provazovani, sigDoplnkoveMereni;
    std::string surova, sitmeraNazev, pocetPosunu, pocetVynamnych;
};

// Unit captions (without brackets): "hodnota" of a value, "odchylka" of its
// standard deviation; `x_` coordinates, `delka_` lengths, `smer_` angles,
// `posun_` displacements.
struct TpopisJednotky {
    std::string delka_hodnota, delka_odchylka;
    std::string smer_hodnota, smer_odchylka;
    std::string x_hodnota, x_odchylka;
    std::string posun_hodnota, posun_odchylka;
};

// Button and menu captions.
struct Ttlacitko {
    std::string ok, ano, ne, novy, upravit;
    std::string smazat, posunNahoru, posunDolu, posun, presun;
    std::string ukoncit, vycistit, vlozit, ukocitAVlozit, vybratVse;
    std::string vybratSlozku, vybratSoubor, zrusitVyber, hlavni, vyber;
    std::string vybrat, identifikace, kontrola, kontrolaVse, kontrolaZakladni;
    std::string prehledChyb, rozdilPoloh, rozdilSkupin, rozdilProtismer, prumerPoloh;
    std::string prumerSkupin, kamenKamen, seradPoloha, seradPrniDruhaZaSebou, smazZaznamyBezSkupiny;
    std::string zrcadliZaznamyBezSkupiny, vyrovnani, mereniPredVyrovnanim, souradnicePredVyrovnanim, velicinyPredVyrovnanim;
    std::string nastaveniVah, vyrovaniSite, kopirovat, vyjmout, vlozit2;
    std::string pridat, ulozit, jako, vsechny, veliciny;
    std::string velicina, analyzovane, analyza, spravovat, analyzaPosunu;
    std::string porovnatEpochy, aktivni, neaktivni, pripojit, odpojit;
    std::string exportovat, projekt, otevrit, zrusit, nastaveni;
    std::string Jazyk, jednotky, upravaMereni, smerOdchylkyAprior, smerOdchylkyAposterior;
    std::string elipsoidAprior, elipsoidAposterior, elipsoidy, prirustkySour, informace;
    std::string sit, vybratOdlehle, vybratChybne, odlehleHodnoty, odlehle;
    std::string presnostApriori, presnostAposteriori, seradit, podle, vystupniSystem1;
    std::string vystupniSystem2, vstupniSystem2, cisloBodu, souradnice2, transformace;
    std::string identickeBody, nalezene, bodASmernik, transformaceSVyrovnanim, transformovat;
    std::string opravy, kovariancniMatice, prehled, analyzaMereni, analyzaTransformace;
    std::string zpracovani, fixni, fixace, jeFixni, neniFixni;
    std::string rozdilMeziFixnimiBody, rozdilMeziBodySite, zamenit, zBoduNaBod, meziBody;
    std::string zBodu, doBodu, nastavit, vychozi, kresba;
    std::string dleAtributu, najit, dalsi, predchozi, chybne;
    std::string podrobnosti, zrcadleni, etapa, posun2, posuny;
    std::string ortogonalni, polarni, semipolarni, prokazatelnost, polohovy;
    std::string prostorovy, polohova, prostorova, svisly, svisla;
    std::string vnitrni, delky, uhly, hodnoceni, vyznamne;
    std::string vyznamny, nevyznamne, nevyznamny, marginalni, uzivatelske;
    std::string uzivatelsky, primka, rovina, vztazny, vztazne;
    std::string bez, bez2, metoda, transformacni, projekce;
};

// Messages.
struct Thlaseni {
    std::string nebylVybranZaznam;
    std::string opravduSmazatZaznam;
    std::string opravduSmazatOdchylky;
    std::string opravduSmazatOdchylkySour;
    std::string presunVybranychZaznamu;
    std::string pridaneSoubory;
    std::string poceZaznamu;
    std::string ukoncitProgram;
    std::string nebylVybranBod;
    std::string opravduSmazatBod;
    std::string pocetBodu;
    std::string chybaPriVyrovnani;
    std::string chybaPriTransform;
    std::string chybaPriZpracovani;
    std::string oteritProjekt;
    std::string chybaOtevritProjekt;
    std::string uspesneOtevrenProjekt;
    std::string pocetNalezenychZaznamu;
    std::string pocetZrcadlenychZaznamu;
    std::string pocetNalezenychSkupin;
    std::string socasneMereniObouPoloh;
    std::string pripojitEtapa;
    std::string chybaPripojitEtapa;
    std::string uspesnePripojitEtapa;
    std::string chybaFixnichBodu;
    std::string chybaVyrovnani;
    std::string chybaTransformace;
    std::string chybaRobustnihoVyrovnani;
    std::string chybaDetekceOdlehlych;
    std::string chybaVyhodnoceniMereni;
    std::string apriorPresnostNeodpovida;
    std::string nejmeneDvaBodyVlozeny;
    std::string nevhodnaKonfiguraceBodu;
    std::string maloNadbytecnych;
    std::string mereniObsahujeHrube;
    std::string prekrocenMezniRozdil;
    std::string prekrocenMezniRozdilDoplnekDelka;
    std::string prekrocenMezniRozdilDoplnekSmernik;
    std::string prekrocenMezniRozdilDoplnekPrevyseni;
    std::string prekrocenMezniRozdilDoplnekProvazeni;
    std::string nekonvergujiciProces;
    std::string opravduPokracovat;
    std::string seznamBezDuplicit;
    std::string chybaVResenNormalRovnic;
    std::string chcetePokracovat;
    std::string chybaZpracovaniProtokolu;
    std::string chybaIdentickychBodu;
    std::string nejmeneDvaIdentikeBodyVlozeny;
    std::string seznamIdentickychBezDuplicit;
    std::string identickeMusiOdpovidatSiti;
    std::string identickeMusiMitDozdilneXY;
    std::string identickeObsahujiHrube;
    std::string apriorPresnostIdentickcyhNeodpovida;
    std::string chybaVyhodnoceniTransformace;
    std::string chybaMeritkovychKoeficientu;
    std::string meritkoObsahujeChyby;
    std::string chybaDoplnkovehoMereni;
    std::string chybaProtokol;
    std::string doplnekDelkaObsahujeChyby;
    std::string doplnekSmernikObsahujeChyby;
    std::string doplnekPrevyseniObsahujeChyby;
    std::string doplnekProvazeniObsahujeChyby;
    std::string chybaPriUkladani;
    std::string chybaTransfromacniKlic;
    std::string chybaAnalyzaPosunu;
};

// Window and box titles.
struct Tnadpis {
    std::string varovani;
    std::string chyba;
    std::string vlozitStanovisko;
    std::string vlozitMereni;
    std::string upravitMereni;
    std::string presunoutMereni;
    std::string zpracovaniMereni;
    std::string pridatSurovaMereni;
    std::string ulozitSurovaMereni;
    std::string pridatBody;
    std::string ulozitBody;
    std::string vlozitBod;
    std::string upravitBod;
    std::string smerOdchylkyApriorVyrSour;
    std::string smerOdchylkyAposteriorVyrSour;
    std::string elipsoidApriorVyrSour;
    std::string elipsoidAposteriorVyrSour;
    std::string smerOdchylkyApriorTransSour;
    std::string smerOdchylkyAposteriorTransSour;
    std::string elipsoidApriorTransSour;
    std::string elipsoidAposterioTransSour;
    std::string prirustkyVyrSour;
    std::string zakladniInfoOvyrovnani;
    std::string vyrovMereniSodchylkaApriori;
    std::string vyrovMereniSodchylkaAposteriori;
    std::string vyrovOrientPosunSodchylkaApriori;
    std::string vyrovOrientPosunSodchylkaAposteriori;
    std::string vyrovDoplnekSodchylkaApriori;
    std::string vyrovDoplnekSodchylkaAposteriori;
    std::string vyrovIdentSodchylkaApriori;
    std::string vyrovIdentSodchylkaAposteriori;
    std::string vyrovIdentBodu;
    std::string oPragramu;
    std::string souradniceIdentickychBodu;
    std::string vyrovnaneSouradniceBodu;
    std::string transfromovaneSouradniceBodu;
    std::string zakladniInfoTransformaceBodASmernik;
    std::string souradniceIdentickychBoduVystup;
    std::string zakladniInfoTransformaceSVyrovnanim;
    std::string kovariancniMaticeVyrSour;
    std::string kovariancniMaticeTransSour;
    std::string opravyIndentickychBodu;
    std::string rozdilDelkeMerenychAZeSouradnic;
    std::string rozdilDelkeMerenychAZeFixnichSouradnic;
    std::string elipsoidApriorPosuny;
    std::string elipsoidAposteriorPosuny;
    std::string smerOdchylkyApriorPosuny;
    std::string smerOdchylkyAposteriorPosuny;
};

// Report captions.
struct TprotokolTexty {
    std::string kontakt;
    std::string protokol1;
    std::string vytvoreno;
    std::string legenda;
    std::string data;
    std::string serioveCislo;
    std::string sMeritkovymiKoeficienty;
    std::string bezMeritkovychKoeficientu;
    std::string seSmerodatnymiOdchylkami;
    std::string bezSmerodatnychOdchylek;
    std::string nazevSouboru;
    std::string poradiChybnehoRadku;
    std::string souborPridan;
};

class Tjazyk {
public:
    Tfilter filter;
    Tpopis popis;
    TpopisJednotky popisJednotky;
    Ttlacitko tlacitko;
    Thlaseni hlaseni;
    Tnadpis nadpis;
    TStringList typOdhadu;       // names of the 12 robust estimation methods
    TStringList rimskeCislice;   // "I", "II": index 0 = first epoch
    TStringList arabskeCislice;  // "1", "2": index 0 = first epoch
    TprotokolTexty protokol;
    TtextVektor nazevXY;         // names of the two plane axes in the user's order

    // Every text empty, the three lists empty, `nazevXY` two empty strings.
    Tjazyk();

    // Fills every field for the language `nastaveni.typJazyk` (0 Czech, any
    // other value English), the unit captions from `nastaveni.jednotky`, the
    // default extensions from the filter indexes of `nastaveni.souborVstup`;
    // the three lists are cleared and filled again (never appended to); then
    // NastavXY(nastaveni.jednotky.poradiSouradnice).
    void Default(const Tnastaveni& nastaveni);

    // Axis names in the user's axis order: 0 gives (`popis.x`, `popis.y`),
    // 1 gives (`popis.y`, `popis.x`); any other value leaves `nazevXY` as it was.
    void NastavXY(std::uint8_t poradi);
};

// Unit captions of the current units, as the units window names them:
// coordinates and lengths "m"/"mm" or "ft"/"pt"; angles "rad"/"mrad",
// "gon"/"mgon", "deg"/"mdeg", "dms"/"sec"; displacements "mm"/"mm" or
// "pt"/"pt". An unknown code leaves values in radians or metres, so its
// captions are "rad" or "m" for both. Used by `Tjazyk::Default`.
TpopisJednotky PopisJednotek(std::uint8_t uhel, std::uint8_t delka, std::uint8_t souradnice,
                             std::uint8_t posun);

}  // namespace sitmera

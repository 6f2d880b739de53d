// Language texts: the quoted texts of both languages, completeness, switching
// back and forth, list rebuilding, axis names and unit captions.
#include "core/Jazyk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "core/Nastaveni.h"
#include "numerics/TextSoubor.h"

namespace sitmera {
namespace {

// The text records hold nothing but strings, so each is read as an array of
// them: every field is reached without a hand-made list that could miss one.
template <class R>
std::span<const std::string> Texty(const R& r)
{
    static_assert(std::is_standard_layout_v<R> && sizeof(R) % sizeof(std::string) == 0);
    return {reinterpret_cast<const std::string*>(&r), sizeof(R) / sizeof(std::string)};
}

struct Zaznam {
    std::string nazev;
    std::span<const std::string> texty;
};

std::vector<Zaznam> Zaznamy(const Tjazyk& j)
{
    return {{"filter", Texty(j.filter)},     {"popis", Texty(j.popis)},
            {"popisJednotky", Texty(j.popisJednotky)}, {"tlacitko", Texty(j.tlacitko)},
            {"hlaseni", Texty(j.hlaseni)},   {"nadpis", Texty(j.nadpis)},
            {"protokol", Texty(j.protokol)}, {"typOdhadu", j.typOdhadu},
            {"rimskeCislice", j.rimskeCislice}, {"arabskeCislice", j.arabskeCislice},
            {"nazevXY", j.nazevXY}};
}

// Every text the object holds, each prefixed by where it is held.
std::vector<std::string> VsechnyTexty(const Tjazyk& j)
{
    std::vector<std::string> t;
    for (const Zaznam& z : Zaznamy(j))
        for (std::size_t i = 0; i < z.texty.size(); ++i)
            t.push_back(z.nazev + "[" + std::to_string(i) + "]=" + z.texty[i]);
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

// ------------------------------------------------------------ quoted texts

struct CitovanyText {
    const char* pole;
    const std::string& (*cti)(const Tjazyk&);
    const char* cesky;
    const char* anglicky;
};

#define Q(zaznam, pole) #zaznam "." #pole, [](const Tjazyk& j) -> const std::string& { return j.zaznam.pole; }

// Every text quoted with its Czech and English wording, verbatim (typos
// included); the Czech count of found measurements is the mended wording.
const CitovanyText citovaneTexty[] = {
    {Q(hlaseni, nebylVybranZaznam), "Nebylo vybráno žádné měření!", "Measurement is not selected!"},
    {Q(hlaseni, opravduSmazatZaznam), "Opravdu chcete odstranit vybraná měření? (Počet vybraných měření: ", "Do you really want to delete the selected measurements? (Number of measurements: "},
    {Q(hlaseni, opravduSmazatOdchylky), "Opravdu chcete vyčistit vybrané směrodatné odchylky? (Počet vybraných měření: ", "Do you really want to clear the standard deviations? (Number of measurements: "},
    {Q(hlaseni, opravduSmazatOdchylkySour), "Opravdu chcete vyčistit vybrané směrodatné odchylky? (Počet vybraných bodů: ", "Do you really want to clear the standard deviations? (Number of points: "},
    {Q(hlaseni, presunVybranychZaznamu), "Přesunout vybraná měření do stanoviska s pořadovým číslem:", "Relocate measurements to the standpoint with the serial number: "},
    {Q(hlaseni, pridaneSoubory), "Přidáno souborů: ", "Added files: "},
    {Q(hlaseni, poceZaznamu), "Počet měřeni: ", "Number of measurements: "},
    {Q(hlaseni, ukoncitProgram), "Opravdu chcete ukončit Sitmera Analyser? Neuložená data budou ztracena!", "Do you really want to exit Sitmera Analyser? Unsaved data will be lost!"},
    {Q(hlaseni, nebylVybranBod), "Nebyl vybrán žádný bod!", "Point is not selected!"},
    {Q(hlaseni, opravduSmazatBod), "Opravdu chcete odstranit vybrané body? (Počet vybraných bodů: ", "Do you really want to delete the points? (Number of points: "},
    {Q(hlaseni, pocetBodu), "Počet bodů: ", "Number of points: "},
    {Q(hlaseni, chybaPriVyrovnani), "Během procesu vyrovnání sítě došlo k chybě!", "An error occurred during the network adjustment process!"},
    {Q(hlaseni, chybaPriTransform), "Během procesu transformace souřadnic došlo k chybě!", "An error occurred during the coordinates transformation process!"},
    {Q(hlaseni, chybaPriZpracovani), "Během zpracování došlo k chybě! Prosím, zkontrolujte zpracovávaná data.", "An error occurred during the processing! Please check the processed data."},
    {Q(hlaseni, oteritProjekt), "Opravdu chcete otevřít nový projekt? Neuložená data budou ztracena!", "Do you really want to open new project? Unsaved data will be lost!"},
    {Q(hlaseni, chybaOtevritProjekt), "Při načítání projektu došlo k chybě!", "An error occurred during the project opening!"},
    {Q(hlaseni, uspesneOtevrenProjekt), "Projekt byl úspěšně otevřen.", "The project was successfully opended."},
    {Q(hlaseni, pocetNalezenychZaznamu), "Počet nalezených měření: ", "Found measurements: "},
    {Q(hlaseni, pocetZrcadlenychZaznamu), "Počet zrcadlených měření: ", "Mirrored measurements: "},
    {Q(hlaseni, pocetNalezenychSkupin), "Počet nalezených měřických skupin: ", "Found measurement sets: "},
    {Q(hlaseni, socasneMereniObouPoloh), "Současné měření obou poloh dalekohledu", "Simultaneous measuring in both positions"},
    {Q(hlaseni, pripojitEtapa), "Opravdu chcete připojit novou etapu? Neuložená data budou ztracena!", "Do you really want to connect new epoch? Unsaved data will be lost!"},
    {Q(hlaseni, chybaPripojitEtapa), "Během připojování etapy došlo k chybě!", "An error occurred during the epoch connecting!"},
    {Q(hlaseni, uspesnePripojitEtapa), "Etapa byla úspěšně připojena: ", "The epoch was successfully connected: "},
    {Q(hlaseni, chybaFixnichBodu), "Chyba fixních bodů", "Fixed points error"},
    {Q(hlaseni, chybaVyrovnani), "Chyba procesu vyrovnání", "Adjustment process error"},
    {Q(hlaseni, chybaTransformace), "Chyba transformace", "Transformation error"},
    {Q(hlaseni, chybaRobustnihoVyrovnani), "Chyba robustního vyrovnání sítě", "Robust adjustment error"},
    {Q(hlaseni, chybaDetekceOdlehlych), "Chyba detekce odlehlých hodnot", "Outlier detection error"},
    {Q(hlaseni, chybaVyhodnoceniMereni), "Chyba vyhodnocení přesnosti sítě.", "Network accuracy evaluation error."},
    {Q(hlaseni, apriorPresnostNeodpovida), "Apriorní přesnost měření neodpovídá skutečnosti.", "A priori accuracy of network does not reflect reality."},
    {Q(hlaseni, nejmeneDvaBodyVlozeny), "Musí být vloženy minimálně dva body sítě!", "At least two network points must be inserted!"},
    {Q(hlaseni, nevhodnaKonfiguraceBodu), "Nevhodná konfigurace vložených bodů sítě.", "Improper configuration of inserted network points."},
    {Q(hlaseni, maloNadbytecnych), "Nedostatečný počet nadbytečných měření.", "Insufficient number of redundant measurements."},
    {Q(hlaseni, mereniObsahujeHrube), "Měření pravděpodobně obsahují hrubé chyby.", "The measurements may contain gross errors."},
    {Q(hlaseni, prekrocenMezniRozdil), "Byl překročen mezní rozdíl šikmých délek mezi body sítě.", "The maximal difference of slope distances between the network points has been exceeded."},
    {Q(hlaseni, prekrocenMezniRozdilDoplnekDelka), "Byl překročen mezní rozdíl doplňkového měření (Šikmá délka) mezi body sítě.", "The maximal difference of supplementary measurement (Slope distance) between the network points has been exceeded."},
    {Q(hlaseni, prekrocenMezniRozdilDoplnekSmernik), "Byl překročen mezní rozdíl doplňkového měření (Směrník) mezi body sítě.", "The maximal difference of supplementary measurement (Bearing) between the network points has been exceeded."},
    {Q(hlaseni, prekrocenMezniRozdilDoplnekPrevyseni), "Byl překročen mezní rozdíl doplňkového měření (Převýšení) mezi body sítě.", "The maximal difference of supplementary measurement (Height difference) between the network points has been exceeded."},
    {Q(hlaseni, prekrocenMezniRozdilDoplnekProvazeni), "Byl překročen mezní rozdíl doplňkového měření (Svislé provažování) mezi body sítě.", "The maximal difference of supplementary measurement (Vertical plumbing) between the network points has been exceeded."},
    {Q(hlaseni, nekonvergujiciProces), "Chyba nekonvergence iteračního vyrovnání.", "Non-convergence error in iterative adjusment."},
    {Q(hlaseni, opravduPokracovat), "Opravdu chcete pokračovat?", "Do you want to continue?"},
    {Q(hlaseni, seznamBezDuplicit), "Seznam vložených bodů sítě nesmí obsahovat žádné duplicity!", "The list of inserted network points must not contain any duplicates!"},
    {Q(hlaseni, chybaVResenNormalRovnic), "Chyba v řešení normálních rovnic.", "Error in solving the normal equations."},
    {Q(hlaseni, chcetePokracovat), "Během zpracování došlo k chybě! Opravdu chcete pokračovat?", "An error occurred during the processing! Do you really want to continue?"},
    {Q(hlaseni, chybaZpracovaniProtokolu), "Během zpracování protokolu došlo k chybě!", "An error occurred during the protocol processing!"},
    {Q(hlaseni, chybaIdentickychBodu), "Chyba identických bodů", "Identical points error"},
    {Q(hlaseni, nejmeneDvaIdentikeBodyVlozeny), "Musí být vloženy minimálně dva identické body!", "At least two identical points must be inserted!"},
    {Q(hlaseni, seznamIdentickychBezDuplicit), "Seznam vložených identických bodů nesmí obsahovat žádné duplicity!", "The list of inserted identical points must not contain any duplicates!"},
    {Q(hlaseni, identickeMusiOdpovidatSiti), "Nejméně dva vložené identické body musí odpovídat bodům sítě.", "At least two inserted identical points must correspond to the networks points."},
    {Q(hlaseni, identickeMusiMitDozdilneXY), "Nejméně dva vložené identické body musí mít rozdílné souřadnice X a Y.", "At least two inserted identical points must have different coordinates X and Y."},
    {Q(hlaseni, identickeObsahujiHrube), "Vložené identické body pravděpodobně obsahují hrubé chyby.", "The inserted identical points may contain gross errors."},
    {Q(hlaseni, apriorPresnostIdentickcyhNeodpovida), "Apriorní přesnost identických bodů neodpovídá skutečnosti.", "A priori accuracy of identical points does not reflect reality."},
    {Q(hlaseni, chybaVyhodnoceniTransformace), "Chyba vyhodnocení přesnosti transformace.", "Transformation accuracy evaluation error."},
    {Q(hlaseni, chybaMeritkovychKoeficientu), "Chyba měřítkového koeficientu", "Scale factor error"},
    {Q(hlaseni, meritkoObsahujeChyby), "Seznam měřítkových koeficientů pro redukci délek obsahuje chyby.", "The list of scale factors for distance reduction contains errors."},
    {Q(hlaseni, chybaDoplnkovehoMereni), "Chyba doplňkového měření", "Supplementary measurement error"},
    {Q(hlaseni, chybaProtokol), "Chyba protokolu", "Protocol error"},
    {Q(hlaseni, doplnekDelkaObsahujeChyby), "Seznam doplňkových měření (Šikmá délka) obsahuje chyby.", "The list of supplementary measurements (Slope distance) contains errors."},
    {Q(hlaseni, doplnekSmernikObsahujeChyby), "Seznam doplňkových měření (Směrník) obsahuje chyby.", "The list of supplementary measurements (Bearing) contains errors."},
    {Q(hlaseni, doplnekPrevyseniObsahujeChyby), "Seznam doplňkových měření (Převýšení) obsahuje chyby.", "The list of supplementary measurements (Height difference) contains errors."},
    {Q(hlaseni, doplnekProvazeniObsahujeChyby), "Seznam doplňkových měření (Svislé provažování) obsahuje chyby.", "The list of supplementary measurements (Vertical plumbing) contains errors."},
    {Q(hlaseni, chybaPriUkladani), "Při ukládání souboru došlo k chybě!", "An error occurred during the save process!"},
    {Q(hlaseni, chybaTransfromacniKlic), "Chyba transformačního klíče! Prosím, zkontrolujte nastavení.", "Transformation parametres error! Please check your settings."},
    {Q(hlaseni, chybaAnalyzaPosunu), "Během analýzy posunů došlo k chybě!", "An error occurred during the movement analysis!"},
    {Q(nadpis, varovani), "Upozornění", "Warning"},
    {Q(nadpis, chyba), "Chyba", "Error"},
    {Q(nadpis, vlozitStanovisko), "Vložit nové stanovisko", "Insert new standpoint"},
    {Q(nadpis, vlozitMereni), "Vložit nové měření", "Insert new measurement"},
    {Q(nadpis, upravitMereni), "Upravit měření", "Edit measurement"},
    {Q(nadpis, presunoutMereni), "Přesunout měření", "Relocate measurements"},
    {Q(nadpis, zpracovaniMereni), "Zpracování surových měření", "Processing of raw measurements"},
    {Q(nadpis, pridatSurovaMereni), "Přidat surová měření", "Add raw measurements"},
    {Q(nadpis, ulozitSurovaMereni), "Uložit surová měření", "Save raw measurements"},
    {Q(nadpis, pridatBody), "Přidat body", "Add points"},
    {Q(nadpis, ulozitBody), "Uložit body", "Save points"},
    {Q(nadpis, vlozitBod), "Vložit nový bod", "Insert new point"},
    {Q(nadpis, upravitBod), "Upravit bod", "Edit point"},
    {Q(nadpis, smerOdchylkyApriorVyrSour), "Apriorní směrodatné odchylky vyrovnaných souřadnic bodů", "A priori standard deviations of adjusted point coordinates"},
    {Q(nadpis, smerOdchylkyAposteriorVyrSour), "Aposteriorní směrodatné odchylky vyrovnaných souřadnic bodů", "A posteriori standard deviations of adjusted point coordinates"},
    {Q(nadpis, elipsoidApriorVyrSour), "Apriorní elipsoidy chyb vyrovnaných souřadnic bodů", "A priori error ellipsoids of adjusted point coordinates"},
    {Q(nadpis, elipsoidAposteriorVyrSour), "Aposteriorní elipsoidy chyb vyrovnaných souřadnic bodů", "A posteriori error ellipsoids of adjusted point coordinates"},
    {Q(nadpis, smerOdchylkyApriorTransSour), "Apriorní směrodatné odchylky transformovaných souřadnic bodů", "Apriori standard deviations of transformed point coordinates"},
    {Q(nadpis, smerOdchylkyAposteriorTransSour), "Aposteriorní směrodatné odchylky transformovaných souřadnic bodů", "A posteriori standard deviations of transformed point coordinates"},
    {Q(nadpis, elipsoidApriorTransSour), "Apriorní elipsoidy chyb transformovaných souřadnic bodů", "A priori error ellipsoids of transformed point coordinates"},
    {Q(nadpis, elipsoidAposterioTransSour), "Aposteriorní elipsoidy chyb transformovaných souřadnic bodů", "A posteriori error ellipsoids of transformed point coordinates"},
    {Q(nadpis, prirustkyVyrSour), "Přírůstky vyrovnaných souřadnic bodů", "Changes of adjusted point coordinates"},
    {Q(nadpis, zakladniInfoOvyrovnani), "Informace o vyrovnání sítě", "Information about network adjustment"},
    {Q(nadpis, vyrovMereniSodchylkaApriori), "Vyrovnaná měření / apriorní směrodatné odchylky", "Adjusted measurements / a priori standard deviations"},
    {Q(nadpis, vyrovMereniSodchylkaAposteriori), "Vyrovnaná měření / aposteriorní směrodatné odchylky", "Adjusted measurements / a posteriori standard deviations"},
    {Q(nadpis, vyrovOrientPosunSodchylkaApriori), "Vyrovnané orientační posuny / apriorní směrodatné odchylky", "Adjusted orientation shifts / a priori standard deviations"},
    {Q(nadpis, vyrovOrientPosunSodchylkaAposteriori), "Vyrovnané orientační posuny / aposteriorní směrodatné odchylky", "Adjusted orientation shifts / a posteriori standard deviations"},
    {Q(nadpis, vyrovDoplnekSodchylkaApriori), "Vyrovnaná doplňková měření / apriorní směrodatné odchylky", "Adjusted supplementary measurements / a priori standard deviations"},
    {Q(nadpis, vyrovDoplnekSodchylkaAposteriori), "Vyrovnaná doplňková měření / aposteriorní směrodatné odchylky", "Adjusted supplementary measurements / a posteriori standard deviations"},
    {Q(nadpis, vyrovIdentSodchylkaApriori), "Vyrovnané souřadnice identických bodů / apriorní směrodatné odchylky", "Adjusted coordinates of identical points / a priori standard deviations"},
    {Q(nadpis, vyrovIdentSodchylkaAposteriori), "Vyrovnané souřadnice identických bodů / aposteriorní směrodatné odchylky", "Adjusted coordinates of identical points / a posteriori standard deviations"},
    {Q(nadpis, vyrovIdentBodu), "Vyrovnané souřadnice identických bodů", "Adjusted coordinates of identical points"},
    {Q(nadpis, oPragramu), "O programu", "About"},
    {Q(nadpis, souradniceIdentickychBodu), "Souřadnice identických bodů", "Coordinates of identical points"},
    {Q(nadpis, vyrovnaneSouradniceBodu), "Vyrovnané souřadnice bodů", "Adjusted point coordinates"},
    {Q(nadpis, transfromovaneSouradniceBodu), "Transformované souřadnice bodů", "Transformed point coordinates"},
    {Q(nadpis, zakladniInfoTransformaceBodASmernik), "Základní informace o transformaci na bod a směrník", "Basic information about point and bearing transformation"},
    {Q(nadpis, souradniceIdentickychBoduVystup), "Souřadnice identických bodů ve výstupním systému", "Coordinates of identical points from output system"},
    {Q(nadpis, zakladniInfoTransformaceSVyrovnanim), "Základní informace o transformaci s vyrovnáním", "Basic information about transformation with adjustment"},
    {Q(nadpis, kovariancniMaticeVyrSour), "Matice váhových koeficinetů vyrovnaných souřadnic bodů XYZ", "Weight coefficient matrix of adjusted point coordinates XYZ"},
    {Q(nadpis, kovariancniMaticeTransSour), "Matice váhových koeficientů transformovaných souřadnic bodů XYZ", "Weight coefficient matrix of transformed point coordinates XYZ"},
    {Q(nadpis, opravyIndentickychBodu), "Opravy souřadnic identických bodů", "Residuals of identical point coordinates"},
    {Q(nadpis, rozdilDelkeMerenychAZeSouradnic), "Rozdíl měřených hodnot (přímá spojnice značek bodů) a vypočtených hodnot (z bodů sítě)", "Difference between measured (marked point) values and calculated values (by net points)"},
    {Q(nadpis, rozdilDelkeMerenychAZeFixnichSouradnic), "Rozdíl měřených hodnot (přímá spojnice značek bodů) a vypočtených hodnot (z fixních bodů)", "Difference between measured (marked point) values and calculated values (by fixed points)"},
    {Q(nadpis, elipsoidApriorPosuny), "Apriorní elipsoidy chyb posunů", "A priori error ellipsoids of movements"},
    {Q(nadpis, elipsoidAposteriorPosuny), "Aposteriorní elipsoidy chyb posunů", "A posteriori error ellipsoids of movements"},
    {Q(nadpis, smerOdchylkyApriorPosuny), "Apriorní směrodatné odchylky posunů", "A priori standard deviations of movements"},
    {Q(nadpis, smerOdchylkyAposteriorPosuny), "Aposteriorní směrodatné odchylky posunů", "A posteriori standard deviations of movements"},
    {Q(protokol, kontakt), "Kontakt", "Contact"},
    {Q(protokol, protokol1), "Protokol", "Protocol"},
    {Q(protokol, vytvoreno), "Vytvořeno", "Created"},
    {Q(protokol, legenda), "Legenda", "Legend"},
    {Q(protokol, data), "Data", "Data"},
    {Q(protokol, serioveCislo), "Pořadové číslo", "Serial number"},
    {Q(protokol, sMeritkovymiKoeficienty), "S měřítkovými koeficienty", "With scale factors"},
    {Q(protokol, bezMeritkovychKoeficientu), "Bez měřítkových koeficientů", "Without scale factors"},
    {Q(protokol, seSmerodatnymiOdchylkami), "Se směrodatnými odchylkami", "With standard deviations"},
    {Q(protokol, bezSmerodatnychOdchylek), "Bez směrodatných odchylek", "Without standard deviations"},
    {Q(protokol, nazevSouboru), "Název souboru", "File name"},
    {Q(protokol, poradiChybnehoRadku), "Pořadí chybného řádku (ignorovány prázdné řádky)", "Added / Serial number of incorrect line (blank lines ignored)"},
    {Q(protokol, souborPridan), "Soubor přidán", "File added"},
    {Q(tlacitko, ano), "Ano", "Yes"},
    {Q(tlacitko, ne), "Ne", "No"},
    {Q(tlacitko, hlavni), "Hlavní", "Main"},
    {Q(tlacitko, ulozit), "Uložit", "Save"},
    {Q(tlacitko, jako), "jako", "as"},
    {Q(tlacitko, ukoncit), "Ukončit", "Close"},
    {Q(tlacitko, zpracovani), "Zpracování", "Processing"},
    {Q(tlacitko, otevrit), "Otevřít", "Open"},
    {Q(tlacitko, projekt), "projekt", "project"},
    {Q(tlacitko, pripojit), "Připojit", "Connect"},
    {Q(tlacitko, etapa), "Etapa", "Epoch"},
    {Q(tlacitko, vybratSoubor), "Vybrat soubor", "Select file"},
    {Q(tlacitko, vybratSlozku), "Vybrat složku", "Select directory"},
    {Q(tlacitko, pridat), "Přidat", "Add"},
    {Q(tlacitko, zrusit), "Zrušit", "Cancel"},
    {Q(tlacitko, analyzaPosunu), "Analýza posunů", "Movement analysis"},
    {Q(tlacitko, vztazny), "Vztažný", "Reference"},
    {Q(tlacitko, vztazne), "Vztažné", "Reference"},
    {Q(tlacitko, bez), "Bez", "Without"},
    {Q(tlacitko, bez2), "Bez", "No"},
    {Q(popis, pripojena), "Připojená", "Connected"},
    {Q(popis, transformovana), "Transformovaná", "Transformed"},
    {Q(popis, geodeticky), "geodetický", "geodetical"},
    {Q(popis, matematicky), "matematický", "mathematical"},
    {Q(popis, radiany), "Radiány", "Radians"},
    {Q(popis, grady), "Grády", "Grads"},
    {Q(popis, stupne), "Stupně", "Degrees"},
    {Q(popis, souradSystem), "Souřadnicový systém", "Coordinate system"},
    {Q(filter, typSouradnice), "Textový format XYZ|*.txt|Textový format YXZ|*.txt", "Text format XYZ|*.txt|Text format YXZ|*.txt"},
    {Q(filter, priponaSouradnice), ".txt", ".txt"},
    {Q(filter, typProjekt), "SM Analyser projekt|*.pea|", "SM Analyser project|*.pea"},
    {Q(filter, priponaProjekt), ".pea", ".pea"},
    {Q(filter, typProtokol), "Textový format|*.txt", "Text format|*.txt"},
    {Q(filter, priponaProtokol), ".txt", ".txt"},
    {Q(filter, typEtapa), "Sitmera etapa|*.epc|", "Sitmera epoch|*.epc"},
    {Q(filter, priponaEtapa), ".epc", ".epc"},
    {Q(popis, x), "X", "X"},
    {Q(popis, y), "Y", "Y"},
    {Q(popis, z), "Z", "Z"},
    {Q(tlacitko, ok), "OK", "OK"},
    {Q(popis, verzeCislo), "1.1.2", "1.1.2"},
    {Q(popis, sitmeraNazev), "Sitmera Analyser", "Sitmera Analyser"},
    {Q(popis, verzeDatum), "(20.06.2015)", "(20/06/2015)"},
};

#undef Q

TEST(JazykTexty, QuotedTextsInBothLanguages)
{
    const Tjazyk cesky = Jazyk(0);
    const Tjazyk anglicky = Jazyk(1);
    for (const CitovanyText& t : citovaneTexty) {
        SCOPED_TRACE(t.pole);
        EXPECT_EQ(t.cti(cesky), t.cesky);
        EXPECT_EQ(t.cti(anglicky), t.anglicky);
    }
}

TEST(JazykTexty, EveryMessageTitleAndReportCaptionIsQuoted)
{
    // The message, title and report-caption records are given in full: each
    // of their fields has a row in the quoted table.
    const Tjazyk j;
    std::set<const std::string*> citovana;
    for (const CitovanyText& t : citovaneTexty) citovana.insert(&t.cti(j));
    for (const Zaznam& z : Zaznamy(j)) {
        if (z.nazev != "hlaseni" && z.nazev != "nadpis" && z.nazev != "protokol") continue;
        for (std::size_t i = 0; i < z.texty.size(); ++i)
            EXPECT_TRUE(citovana.count(&z.texty[i])) << z.nazev << " field " << i;
    }
}

TEST(JazykTexty, CzechCountOfFoundMeasurementsIsNotGarbled)
{
    EXPECT_EQ(Jazyk(0).hlaseni.pocetNalezenychZaznamu, "Počet nalezených měření: ");
}

TEST(JazykTexty, EnglishCaptionsComposedByTheSettingsWindows)
{
    const Tjazyk j = Jazyk(1);
    const Tpopis& p = j.popis;
    const Ttlacitko& t = j.tlacitko;
    // Units and rounding window.
    EXPECT_EQ(t.nastaveni + " - " + t.jednotky, "Options - Units");
    EXPECT_EQ(p.hodnota + "/" + p.smerOdchylka, "Value/Standard deviation");
    EXPECT_EQ(p.uhloveVeliciny + ":", "Angular variables:");
    EXPECT_EQ(p.delkoveVeliciny + ":", "Length variables:");
    EXPECT_EQ(p.souradnice + ":", "Coordinates:");
    EXPECT_EQ(t.posuny + ":", "Movements:");
    EXPECT_EQ(p.zaokrouhlovani, "Rounding");
    EXPECT_EQ(p.zobrazeni, "Displaying");
    EXPECT_EQ(t.vlozit + " [Ent]", "Insert [Ent]");
    EXPECT_EQ(t.kopirovat, "Copy");
    // Analysis settings window.
    EXPECT_EQ(t.nastaveni + " - " + t.analyzaPosunu, "Options - Movement analysis");
    EXPECT_EQ(p.hodnoceniVyznamnych, "Evaluation of significant movements");
    EXPECT_EQ(p.hladinaVyznamnosti + ":", "Significance level:");
    EXPECT_EQ(t.metoda, "Method");
    EXPECT_EQ(p.apriorni + " " + MalaPismena(p.presnost), "A priori accuracy");
    EXPECT_EQ(p.aposteriorni + " " + MalaPismena(p.presnost), "A posteriori accuracy");
    // Displacement graph window.
    EXPECT_EQ(t.kresba + " - " + t.analyzaPosunu, "Drawing - Movement analysis");
    EXPECT_EQ("Hz " + MalaPismena(t.posun2) + ":", "Hz movement:");
}

// ------------------------------------------------------------ completeness

TEST(JazykUplnost, EveryFieldFilledInBothLanguagesAsValidUtf8)
{
    for (std::uint8_t jazyk : {0, 1}) {
        const Tjazyk j = Jazyk(jazyk);
        // The six filter fields that no operation fills.
        const std::set<const std::string*> prazdna = {
            &j.filter.typSuroveMereni, &j.filter.priponaSuroveMereni, &j.filter.typMeritko,
            &j.filter.priponaMeritko,  &j.filter.typDoplnek,          &j.filter.priponaDoplnek};
        for (const Zaznam& z : Zaznamy(j))
            for (std::size_t i = 0; i < z.texty.size(); ++i) {
                const std::string& s = z.texty[i];
                SCOPED_TRACE(z.nazev + "[" + std::to_string(i) + "]=" + s);
                EXPECT_EQ(s.empty(), prazdna.count(&s) == 1);
                if (s.empty()) continue;
                EXPECT_NE(s.front(), ' ');
                EXPECT_TRUE(std::none_of(s.begin(), s.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; }));
                // Valid UTF-8 comes back from the text decoder unchanged.
                EXPECT_EQ(RozdelNaRadky(s), TStringList{s});
            }
        EXPECT_NE(j.popis.email.find('@'), std::string::npos);
        EXPECT_EQ(j.popis.email.find(' '), std::string::npos);
    }
}

TEST(JazykUplnost, CzechAndEnglishDifferWhereTheWordsDiffer)
{
    // Most labels, buttons and all messages are translated; only names,
    // symbols, a few international words and the unit captions coincide.
    const Tjazyk c = Jazyk(0);
    const Tjazyk a = Jazyk(1);
    const std::set<const std::string*> smiSeShodovat = {
        &c.filter.priponaSouradnice, &c.filter.priponaProjekt, &c.filter.priponaProtokol,
        &c.filter.priponaEtapa,      &c.popis.x,               &c.popis.y,
        &c.popis.z,                  &c.popis.verzeCislo,      &c.popis.sitmeraNazev,
        &c.popis.email,              &c.popis.text,            &c.tlacitko.ok,
        &c.protokol.data};
    const std::vector<Zaznam> zc = Zaznamy(c), za = Zaznamy(a);
    for (std::size_t k = 0; k < 7; ++k) {  // the seven records; the lists are names, not words
        if (zc[k].nazev == "popisJednotky") continue;
        for (std::size_t i = 0; i < zc[k].texty.size(); ++i) {
            const std::string& s = zc[k].texty[i];
            if (s.empty() || s != za[k].texty[i]) continue;
            EXPECT_TRUE(smiSeShodovat.count(&s)) << zc[k].nazev << " field " << i << " \"" << s << "\" is not translated";
        }
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
    // An unknown language byte reads as English.
    EXPECT_EQ(VsechnyTexty(Jazyk(7)), VsechnyTexty(Jazyk(1)));
    EXPECT_EQ(VsechnyTexty(Jazyk(255)), VsechnyTexty(Jazyk(1)));
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

// ------------------------------------------------------------ axis names and extensions

TEST(JazykOsy, AxisNamesFollowTheAxisOrderAndIgnoreUnknownOrders)
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
    j.NastavXY(2);
    j.NastavXY(255);
    EXPECT_EQ(j.nazevXY, (TtextVektor{"Y", "X"}));
    n.NastavPoradiXY(5);  // stored as it is
    j.Default(n);
    EXPECT_EQ(j.nazevXY, (TtextVektor{"Y", "X"}));
}

TEST(JazykFiltry, DefaultExtensionsDoNotDependOnFilterIndexOrLanguage)
{
    for (std::uint8_t jazyk : {0, 1})
        for (std::uint8_t index : {1, 2, 200}) {
            Tnastaveni n = Nastaveni(jazyk);
            n.souborVstup.typSouradnice = n.souborVstup.typProjekt = index;
            n.souborVstup.typProtokol = n.souborVstup.typEtapa = index;
            Tjazyk j;
            j.Default(n);
            EXPECT_EQ(j.filter.priponaSouradnice + j.filter.priponaProjekt + j.filter.priponaProtokol +
                          j.filter.priponaEtapa,
                      ".txt.pea.txt.epc");
        }
}

// ------------------------------------------------------------ unit captions

struct Jednotky {
    std::uint8_t uhel, delka, souradnice, posun;
    TtextVektor popisy;  // x, x deviation, length, its deviation, angle, its deviation, displacement, its deviation
};

TEST(JazykJednotky, CaptionsFollowTheUnitsInBothLanguagesAndAreMadeAgainByEveryDefault)
{
    // The names the units window offers for each setting.
    const Jednotky tabulka[] = {
        {1, 0, 0, 0, {"m", "mm", "m", "mm", "gon", "mgon", "mm", "mm"}},  // the defaults
        {0, 0, 0, 0, {"m", "mm", "m", "mm", "rad", "mrad", "mm", "mm"}},
        {2, 1, 0, 1, {"m", "mm", "ft", "pt", "deg", "mdeg", "pt", "pt"}},
        {3, 0, 1, 0, {"ft", "pt", "m", "mm", "dms", "sec", "mm", "mm"}},
        {3, 1, 1, 1, {"ft", "pt", "ft", "pt", "dms", "sec", "pt", "pt"}},
        // Unknown codes: the conversions leave radians and metres.
        {4, 2, 9, 3, {"m", "m", "m", "m", "rad", "rad", "m", "m"}},
        {1, 0, 0, 0, {"m", "mm", "m", "mm", "gon", "mgon", "mm", "mm"}},  // back to the defaults
    };
    auto Popisy = [](const TpopisJednotky& p) {
        return TtextVektor{p.x_hodnota,    p.x_odchylka,    p.delka_hodnota, p.delka_odchylka,
                           p.smer_hodnota, p.smer_odchylka, p.posun_hodnota, p.posun_odchylka};
    };
    // One object for all rows: every Default makes the captions again (as
    // after the units window's OK), whatever they were before.
    Tjazyk j;
    for (const Jednotky& r : tabulka)
        for (std::uint8_t jazyk : {0, 1}) {
            Tnastaveni n = Nastaveni(jazyk);
            n.jednotky.uhel = r.uhel;
            n.jednotky.delka = r.delka;
            n.jednotky.souradnice = r.souradnice;
            n.jednotky.posun = r.posun;
            j.Default(n);
            SCOPED_TRACE(testing::Message() << "units " << int(r.uhel) << int(r.delka) << int(r.souradnice)
                                            << int(r.posun));
            EXPECT_EQ(Popisy(j.popisJednotky), r.popisy);
            EXPECT_EQ(Popisy(PopisJednotek(r.uhel, r.delka, r.souradnice, r.posun)), r.popisy);
        }
}

}  // namespace
}  // namespace sitmera

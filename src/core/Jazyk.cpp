// Built-in texts of both languages and the filling of the language object.
#include "core/Jazyk.h"

#include <iterator>

#include "core/Nastaveni.h"

namespace sitmera {

namespace {

// One text field of record R with its Czech [0] and English [1] text.
template <class R>
struct TextPar {
    std::string R::*pole;
    const char* text[2];
};

// Number of text fields of a record that holds strings only.
template <class R>
constexpr std::size_t PocetTextu()
{
    return sizeof(R) / sizeof(std::string);
}

template <class R, std::size_t N>
void Napln(R& zaznam, const TextPar<R> (&texty)[N], int jazyk)
{
    for (const TextPar<R>& par : texty) zaznam.*(par.pole) = par.text[jazyk];
}

// The wording below is the program's own, typos of the released texts
// included ("opended", "adjusment", "parametres", "koeficinetů"...): reports and
// users' scripts may match it.

// File-dialog filters; the four default extensions are set apart in Default.
const TextPar<Tfilter> textyFilter[] = {
    {&Tfilter::typSuroveMereni, {"", ""}},
    {&Tfilter::priponaSuroveMereni, {"", ""}},
    {&Tfilter::typSouradnice, {"Textový format XYZ|*.txt|Textový format YXZ|*.txt", "Text format XYZ|*.txt|Text format YXZ|*.txt"}},
    {&Tfilter::typProjekt, {"SM Analyser projekt|*.pea|", "SM Analyser project|*.pea"}},
    {&Tfilter::typMeritko, {"", ""}},
    {&Tfilter::priponaMeritko, {"", ""}},
    {&Tfilter::typDoplnek, {"", ""}},
    {&Tfilter::priponaDoplnek, {"", ""}},
    {&Tfilter::typProtokol, {"Textový format|*.txt", "Text format|*.txt"}},
    {&Tfilter::typEtapa, {"Sitmera etapa|*.epc|", "Sitmera epoch|*.epc"}},
};
static_assert(std::size(textyFilter) + 4 == PocetTextu<Tfilter>(), "every field of Tfilter but the extensions has one pair");

// Labels.
const TextPar<Tpopis> textyPopis[] = {
    {&Tpopis::stanovisko, {"Stanovisko", "Standpoint"}},
    {&Tpopis::cil, {"Cíl", "Target"}},
    {&Tpopis::merene_veliciny, {"Měřené veličiny", "Measured quantities"}},
    {&Tpopis::poradi, {"Pořadí", "Order"}},
    {&Tpopis::cislo, {"Číslo", "Number"}},
    {&Tpopis::vyska, {"Výška", "Height"}},
    {&Tpopis::smer, {"Směr", "Direction"}},
    {&Tpopis::zenit, {"Zenitový úhel", "Zenith angle"}},
    {&Tpopis::delka, {"Šikmá délka", "Slope distance"}},
    {&Tpopis::delkaH, {"Vodorovná délka", "Horizontal distance"}},
    {&Tpopis::delka2, {"Délka", "Length"}},
    {&Tpopis::uhelH, {"Vodorovný úhel", "Horizontal angle"}},
    {&Tpopis::uhelS, {"Svislý úhel", "Vertical angle"}},
    {&Tpopis::zenitRozdil, {"Rozdíl zenitových úhlů", "Zenith angle difference"}},
    {&Tpopis::mereni, {"Měření", "Measurement"}},
    {&Tpopis::mereni2, {"Měření", "Measurements"}},
    {&Tpopis::poloha, {"Poloha", "Face"}},
    {&Tpopis::skupina, {"Skupina", "Set"}},
    {&Tpopis::cisloSTN, {"Číslo stanoviska", "Standpoint number"}},
    {&Tpopis::vyskaSTN, {"Výška stroje", "Instrument height"}},
    {&Tpopis::cisloCIL, {"Číslo cíle", "Target number"}},
    {&Tpopis::vyskaCIL, {"Výška cíle", "Target height"}},
    {&Tpopis::smernik, {"Směrník", "Bearing"}},
    {&Tpopis::prevyseni, {"Převýšení", "Height difference"}},
    {&Tpopis::poradiSkupina, {"Pořadí skupiny", "Set order"}},
    {&Tpopis::bod, {"Bod", "Point"}},
    {&Tpopis::body, {"Body", "Points"}},
    {&Tpopis::cisloBod, {"Číslo bodu", "Point number"}},
    {&Tpopis::x, {"X", "X"}},
    {&Tpopis::y, {"Y", "Y"}},
    {&Tpopis::z, {"Z", "Z"}},
    {&Tpopis::souradnice, {"Souřadnice", "Coordinates"}},
    {&Tpopis::sigMereneVeliciny, {"Směrodatné odchylky měřených veličin", "Standard deviations of measured quantities"}},
    {&Tpopis::sigJednotkovaAprior, {"Apriorní jednotková směrodatná odchylka", "A priori unit standard deviation"}},
    {&Tpopis::vnitrniPresnost, {"Vnitřní přesnost", "Internal accuracy"}},
    {&Tpopis::vnejsiPresnost, {"Vnější přesnost", "External accuracy"}},
    {&Tpopis::zadanaPresnost, {"Zadaná přesnost", "Given accuracy"}},
    {&Tpopis::pro, {"pro", "for"}},
    {&Tpopis::hodnota, {"Hodnota", "Value"}},
    {&Tpopis::hodnoty, {"Hodnoty", "Values"}},
    {&Tpopis::rozdil, {"Rozdíl", "Difference"}},
    {&Tpopis::smerOdchylka, {"Směrodatná odchylka", "Standard deviation"}},
    {&Tpopis::uhloveVeliciny, {"Úhlové veličiny", "Angular variables"}},
    {&Tpopis::delkoveVeliciny, {"Délkové veličiny", "Length variables"}},
    {&Tpopis::radiany, {"Radiány", "Radians"}},
    {&Tpopis::grady, {"Grády", "Grads"}},
    {&Tpopis::stupne, {"Stupně", "Degrees"}},
    {&Tpopis::zobrazeni, {"Zobrazení", "Displaying"}},
    {&Tpopis::zaokrouhlovani, {"Zaokrouhlování", "Rounding"}},
    {&Tpopis::souradSystem, {"Souřadnicový systém", "Coordinate system"}},
    {&Tpopis::geodeticky, {"geodetický", "geodetical"}},
    {&Tpopis::matematicky, {"matematický", "mathematical"}},
    {&Tpopis::vylouceniOdlehlych, {"Vyloučení odlehlých měření", "Outlier elimination"}},
    {&Tpopis::vylucovatOdlehle, {"Vylučovat odlehlá měření", "Eliminate outliers"}},
    {&Tpopis::hladinaVyznamnosti, {"Hladina významnosti", "Significance level"}},
    {&Tpopis::metodaRobustOdhadu, {"Metoda robustního odhadu", "Robust estimation method"}},
    {&Tpopis::iteracniVyrovnani, {"Iterační vyrovnání", "Iterative adjustment"}},
    {&Tpopis::maxPocetIteraci, {"Maximální počet iterací", "Maximum number of iterations"}},
    {&Tpopis::maxZmenaVahy, {"Maximální změna váhy", "Maximum weight change"}},
    {&Tpopis::maxZmenaSourad, {"Maximální změna souřadnic", "Maximum coordinate change"}},
    {&Tpopis::maxZmenaRotace, {"Maximální změna rotace", "Maximum rotation change"}},
    {&Tpopis::mezniRozdilyMereni, {"Mezní rozdíly měření", "Limit differences of measurements"}},
    {&Tpopis::mezniHodnotaMereni, {"Mezní hodnota měření", "Limit value of measurements"}},
    {&Tpopis::pocetOdlehych, {"Počet odlehlých měření", "Number of outliers"}},
    {&Tpopis::pocetFixBodu, {"Počet fixních bodů", "Number of fixed points"}},
    {&Tpopis::pocetVyrBodu, {"Počet vyrovnaných bodů", "Number of adjusted points"}},
    {&Tpopis::pocetVyrPosun, {"Počet vyrovnaných orientačních posunů", "Number of adjusted orientation shifts"}},
    {&Tpopis::pocetVyrmerni, {"Počet vyrovnaných měření", "Number of adjusted measurements"}},
    {&Tpopis::pocetNadbytecnych, {"Počet nadbytečných měření", "Number of redundant measurements"}},
    {&Tpopis::sigJednotkovaAposterior, {"Aposteriorní jednotková směrodatná odchylka", "A posteriori unit standard deviation"}},
    {&Tpopis::oprava, {"Oprava", "Residual"}},
    {&Tpopis::opravaNorm, {"Normovaná oprava", "Standardized residual"}},
    {&Tpopis::opravaMezni, {"Mezní oprava", "Limit residual"}},
    {&Tpopis::merenaHodnota, {"Měřená hodnota", "Measured value"}},
    {&Tpopis::vyrovnanaHodnota, {"Vyrovnaná hodnota", "Adjusted value"}},
    {&Tpopis::stredniHodnota, {"Střední hodnota", "Mean value"}},
    {&Tpopis::vlozenaHodnota, {"Vložená hodnota", "Inserted value"}},
    {&Tpopis::vypoctenaHodnota, {"Vypočtená hodnota", "Calculated value"}},
    {&Tpopis::orientPosun, {"Orientační posun", "Orientation shift"}},
    {&Tpopis::vyrovnana, {"Vyrovnaná", "Adjusted"}},
    {&Tpopis::poloosyElsoidu, {"Poloosy elipsoidu", "Ellipsoid semi-axes"}},
    {&Tpopis::parametrOsy, {"Parametr osy", "Axis parameter"}},
    {&Tpopis::komplexniZpracovani, {"Komplexní zpracování geodetických sítí", "Complex processing of geodetic networks"}},
    {&Tpopis::email, {"support@sitmera.example", "support@sitmera.example"}},
    {&Tpopis::velkor, {"Tým Sitmera Analyser", "Sitmera Analyser team"}},
    {&Tpopis::verzeDatum, {"(20.06.2015)", "(20/06/2015)"}},
    {&Tpopis::verzeCislo, {"1.1.2", "1.1.2"}},
    {&Tpopis::katedra, {"Uživatelská podpora", "User support"}},
    {&Tpopis::fakulta, {"Vývoj programu Sitmera Analyser", "Sitmera Analyser development"}},
    {&Tpopis::zakladniInformace, {"Základní informace", "Basic information"}},
    {&Tpopis::pocetTransBodu, {"Počet transformačních bodů", "Number of transformation points"}},
    {&Tpopis::parametryTransformace, {"Parametry transformace", "Transformation parameters"}},
    {&Tpopis::transformacniKlic, {"Transformační klíč", "Transformation key"}},
    {&Tpopis::translace, {"Translace", "Translation"}},
    {&Tpopis::rotace, {"Rotace", "Rotation"}},
    {&Tpopis::parametryKlice, {"Parametry klíče", "Key parameters"}},
    {&Tpopis::vyrovnaneHodnoty, {"Vyrovnané hodnoty", "Adjusted values"}},
    {&Tpopis::smerodatneOdchylky, {"Směrodatné odchylky", "Standard deviations"}},
    {&Tpopis::odchylky, {"Odchylky", "Deviations"}},
    {&Tpopis::pocetIdentBodu, {"Počet identických bodů", "Number of identical points"}},
    {&Tpopis::vyrovnaniSourIdentBodu, {"Vyrovnání souřadnic identických bodů", "Adjustment of identical point coordinates"}},
    {&Tpopis::jednotSmerOdchylka, {"Jednotková směrodatná odchylka", "Unit standard deviation"}},
    {&Tpopis::pocetVyrovSouradnic, {"Počet vyrovnávaných souřadnic", "Number of adjusted coordinates"}},
    {&Tpopis::pocetNadbytecnychSour, {"Počet nadbytečných souřadnic", "Number of redundant coordinates"}},
    {&Tpopis::apriorni, {"Apriorní", "A priori"}},
    {&Tpopis::aposteriorni, {"Aposteriorní", "A posteriori"}},
    {&Tpopis::transformovane, {"Transformované", "Transformed"}},
    {&Tpopis::transformovana, {"Transformovaná", "Transformed"}},
    {&Tpopis::redukceDelek, {"Redukce délek", "Distance reduction"}},
    {&Tpopis::redukceZNadmorskeVysky, {"Redukce z nadmořské výšky", "Reduction from altitude"}},
    {&Tpopis::polomerReferencniKoule, {"Poloměr referenční koule", "Radius of the reference sphere"}},
    {&Tpopis::redukceDoZobrazeni, {"Redukce do zobrazení", "Reduction to the projection"}},
    {&Tpopis::meritkovyKoeficient, {"Měřítkový koeficient", "Scale factor"}},
    {&Tpopis::meritkoveKoeficienty, {"Měřítkové koeficienty", "Scale factors"}},
    {&Tpopis::typVyskoveHladiny, {"Typ výškové hladiny", "Height level type"}},
    {&Tpopis::nulovaHladina, {"Nulová hladina", "Zero level"}},
    {&Tpopis::stredniHladinaSite, {"Střední hladina sítě", "Mean level of the network"}},
    {&Tpopis::hladinaVeVysce, {"Hladina ve výšce", "Level at height"}},
    {&Tpopis::vyrovnane, {"Vyrovnané", "Adjusted"}},
    {&Tpopis::vyrovnany, {"Vyrovnaný", "Adjusted"}},
    {&Tpopis::barva, {"Barva", "Colour"}},
    {&Tpopis::pozadi, {"Pozadí", "Background"}},
    {&Tpopis::elipsyChyb, {"Elipsy chyb", "Error ellipses"}},
    {&Tpopis::elipsaChyb, {"Elipsa chyb", "Error ellipse"}},
    {&Tpopis::cernobily, {"Černobílý", "Black and white"}},
    {&Tpopis::cernobily2, {"Černobílé", "Black and white"}},
    {&Tpopis::prvky, {"Prvky", "Elements"}},
    {&Tpopis::sirka, {"Šířka", "Width"}},
    {&Tpopis::text, {"Text", "Text"}},
    {&Tpopis::velikost, {"Velikost", "Size"}},
    {&Tpopis::krizek, {"Křížek", "Cross"}},
    {&Tpopis::krouzek, {"Kroužek", "Circle"}},
    {&Tpopis::meritkoElips, {"Měřítko elips", "Ellipse scale"}},
    {&Tpopis::zvetseni, {"Zvětšení", "Magnification"}},
    {&Tpopis::vse, {"Vše", "All"}},
    {&Tpopis::osy, {"Osy", "Axes"}},
    {&Tpopis::meritko, {"Měřítko", "Scale"}},
    {&Tpopis::presnost, {"Přesnost", "Accuracy"}},
    {&Tpopis::normalni, {"Normální", "Normal"}},
    {&Tpopis::tucne, {"Tučné", "Bold"}},
    {&Tpopis::mezOdchylka, {"Mezní odchylka", "Limit deviation"}},
    {&Tpopis::hodnoceniVyznamnych, {"Hodnocení významných posunů", "Evaluation of significant movements"}},
    {&Tpopis::pripojena, {"Připojená", "Connected"}},
    {&Tpopis::puvodni, {"Původní", "Original"}},
    {&Tpopis::bodySite, {"Body sítě", "Network points"}},
    {&Tpopis::vstup, {"Vstup", "Input"}},
    {&Tpopis::doplnek, {"Doplňková", "Supplementary"}},
    {&Tpopis::doplnkove, {"Doplňková měření", "Supplementary measurements"}},
    {&Tpopis::provazovani, {"Svislé provažování", "Vertical plumbing"}},
    {&Tpopis::sigDoplnkoveMereni, {"Směrodatné odchylky doplňkových měření", "Standard deviations of supplementary measurements"}},
    {&Tpopis::surova, {"Surová měření", "Raw measurements"}},
    {&Tpopis::sitmeraNazev, {"Sitmera Analyser", "Sitmera Analyser"}},
    {&Tpopis::pocetPosunu, {"Počet posunů", "Number of movements"}},
    {&Tpopis::pocetVynamnych, {"Počet významných posunů", "Number of significant movements"}},
};
static_assert(std::size(textyPopis) == PocetTextu<Tpopis>(), "every field of Tpopis has one pair");

// Button and menu captions.
const TextPar<Ttlacitko> textyTlacitko[] = {
    {&Ttlacitko::ok, {"OK", "OK"}},
    {&Ttlacitko::ano, {"Ano", "Yes"}},
    {&Ttlacitko::ne, {"Ne", "No"}},
    {&Ttlacitko::novy, {"Nový", "New"}},
    {&Ttlacitko::upravit, {"Upravit", "Edit"}},
    {&Ttlacitko::smazat, {"Smazat", "Delete"}},
    {&Ttlacitko::posunNahoru, {"Posunout nahoru", "Move up"}},
    {&Ttlacitko::posunDolu, {"Posunout dolů", "Move down"}},
    {&Ttlacitko::posun, {"Posunout", "Move"}},
    {&Ttlacitko::presun, {"Přesunout", "Relocate"}},
    {&Ttlacitko::ukoncit, {"Ukončit", "Close"}},
    {&Ttlacitko::vycistit, {"Vyčistit", "Clear"}},
    {&Ttlacitko::vlozit, {"Vložit", "Insert"}},
    {&Ttlacitko::ukocitAVlozit, {"Vložit a ukončit", "Insert and close"}},
    {&Ttlacitko::vybratVse, {"Vybrat vše", "Select all"}},
    {&Ttlacitko::vybratSlozku, {"Vybrat složku", "Select directory"}},
    {&Ttlacitko::vybratSoubor, {"Vybrat soubor", "Select file"}},
    {&Ttlacitko::zrusitVyber, {"Zrušit výběr", "Clear selection"}},
    {&Ttlacitko::hlavni, {"Hlavní", "Main"}},
    {&Ttlacitko::vyber, {"Výběr", "Selection"}},
    {&Ttlacitko::vybrat, {"Vybrat", "Select"}},
    {&Ttlacitko::identifikace, {"Identifikace", "Identification"}},
    {&Ttlacitko::kontrola, {"Kontrola", "Check"}},
    {&Ttlacitko::kontrolaVse, {"Úplná kontrola", "Full check"}},
    {&Ttlacitko::kontrolaZakladni, {"Základní kontrola", "Basic check"}},
    {&Ttlacitko::prehledChyb, {"Přehled chyb", "Error overview"}},
    {&Ttlacitko::rozdilPoloh, {"Rozdíl poloh", "Difference of faces"}},
    {&Ttlacitko::rozdilSkupin, {"Rozdíl skupin", "Difference of sets"}},
    {&Ttlacitko::rozdilProtismer, {"Rozdíl protisměrných měření", "Difference of reciprocal measurements"}},
    {&Ttlacitko::prumerPoloh, {"Průměr poloh", "Average of faces"}},
    {&Ttlacitko::prumerSkupin, {"Průměr skupin", "Average of sets"}},
    {&Ttlacitko::kamenKamen, {"Značka - značka", "Mark to mark"}},
    {&Ttlacitko::seradPoloha, {"Seřadit polohy", "Sort faces"}},
    {&Ttlacitko::seradPrniDruhaZaSebou, {"Seřadit první a druhou polohu za sebou", "Sort first and second face in sequence"}},
    {&Ttlacitko::smazZaznamyBezSkupiny, {"Smazat měření bez skupiny", "Delete measurements without a set"}},
    {&Ttlacitko::zrcadliZaznamyBezSkupiny, {"Zrcadlit měření bez skupiny", "Mirror measurements without a set"}},
    {&Ttlacitko::vyrovnani, {"Vyrovnání", "Adjustment"}},
    {&Ttlacitko::mereniPredVyrovnanim, {"Měření před vyrovnáním", "Measurements before adjustment"}},
    {&Ttlacitko::souradnicePredVyrovnanim, {"Souřadnice před vyrovnáním", "Coordinates before adjustment"}},
    {&Ttlacitko::velicinyPredVyrovnanim, {"Veličiny před vyrovnáním", "Quantities before adjustment"}},
    {&Ttlacitko::nastaveniVah, {"Nastavení vah", "Weight settings"}},
    {&Ttlacitko::vyrovaniSite, {"Vyrovnání sítě", "Network adjustment"}},
    {&Ttlacitko::kopirovat, {"Kopírovat", "Copy"}},
    {&Ttlacitko::vyjmout, {"Vyjmout", "Cut"}},
    {&Ttlacitko::vlozit2, {"Vložit", "Paste"}},
    {&Ttlacitko::pridat, {"Přidat", "Add"}},
    {&Ttlacitko::ulozit, {"Uložit", "Save"}},
    {&Ttlacitko::jako, {"jako", "as"}},
    {&Ttlacitko::vsechny, {"Všechny", "All"}},
    {&Ttlacitko::veliciny, {"Veličiny", "Quantities"}},
    {&Ttlacitko::velicina, {"Veličina", "Quantity"}},
    {&Ttlacitko::analyzovane, {"Analyzované", "Analysed"}},
    {&Ttlacitko::analyza, {"Analýza", "Analysis"}},
    {&Ttlacitko::spravovat, {"Spravovat", "Manage"}},
    {&Ttlacitko::analyzaPosunu, {"Analýza posunů", "Movement analysis"}},
    {&Ttlacitko::porovnatEpochy, {"Porovnat etapy", "Compare epochs"}},
    {&Ttlacitko::aktivni, {"Aktivní", "Active"}},
    {&Ttlacitko::neaktivni, {"Neaktivní", "Inactive"}},
    {&Ttlacitko::pripojit, {"Připojit", "Connect"}},
    {&Ttlacitko::odpojit, {"Odpojit", "Disconnect"}},
    {&Ttlacitko::exportovat, {"Exportovat", "Export"}},
    {&Ttlacitko::projekt, {"projekt", "project"}},
    {&Ttlacitko::otevrit, {"Otevřít", "Open"}},
    {&Ttlacitko::zrusit, {"Zrušit", "Cancel"}},
    {&Ttlacitko::nastaveni, {"Nastavení", "Options"}},
    {&Ttlacitko::Jazyk, {"Jazyk", "Language"}},
    {&Ttlacitko::jednotky, {"Jednotky", "Units"}},
    {&Ttlacitko::upravaMereni, {"Úprava měření", "Measurement editing"}},
    {&Ttlacitko::smerOdchylkyAprior, {"Apriorní směrodatné odchylky", "A priori standard deviations"}},
    {&Ttlacitko::smerOdchylkyAposterior, {"Aposteriorní směrodatné odchylky", "A posteriori standard deviations"}},
    {&Ttlacitko::elipsoidAprior, {"Apriorní elipsoidy chyb", "A priori error ellipsoids"}},
    {&Ttlacitko::elipsoidAposterior, {"Aposteriorní elipsoidy chyb", "A posteriori error ellipsoids"}},
    {&Ttlacitko::elipsoidy, {"Elipsoidy chyb", "Error ellipsoids"}},
    {&Ttlacitko::prirustkySour, {"Přírůstky souřadnic", "Coordinate changes"}},
    {&Ttlacitko::informace, {"Informace", "Information"}},
    {&Ttlacitko::sit, {"Síť", "Network"}},
    {&Ttlacitko::vybratOdlehle, {"Vybrat odlehlá měření", "Select outliers"}},
    {&Ttlacitko::vybratChybne, {"Vybrat chybná měření", "Select faulty measurements"}},
    {&Ttlacitko::odlehleHodnoty, {"Odlehlé hodnoty", "Outliers"}},
    {&Ttlacitko::odlehle, {"Odlehlé", "Outlying"}},
    {&Ttlacitko::presnostApriori, {"Apriorní přesnost", "A priori accuracy"}},
    {&Ttlacitko::presnostAposteriori, {"Aposteriorní přesnost", "A posteriori accuracy"}},
    {&Ttlacitko::seradit, {"Seřadit", "Sort"}},
    {&Ttlacitko::podle, {"podle", "by"}},
    {&Ttlacitko::vystupniSystem1, {"Výstupní systém", "Output system"}},
    {&Ttlacitko::vystupniSystem2, {"ve výstupním systému", "in the output system"}},
    {&Ttlacitko::vstupniSystem2, {"ve vstupním systému", "in the input system"}},
    {&Ttlacitko::cisloBodu, {"Číslo bodu", "Point number"}},
    {&Ttlacitko::souradnice2, {"Souřadnice", "Coordinate"}},
    {&Ttlacitko::transformace, {"Transformace", "Transformation"}},
    {&Ttlacitko::identickeBody, {"Identické body", "Identical points"}},
    {&Ttlacitko::nalezene, {"Nalezené", "Found"}},
    {&Ttlacitko::bodASmernik, {"Bod a směrník", "Point and bearing"}},
    {&Ttlacitko::transformaceSVyrovnanim, {"Transformace s vyrovnáním", "Transformation with adjustment"}},
    {&Ttlacitko::transformovat, {"Transformovat", "Transform"}},
    {&Ttlacitko::opravy, {"Opravy", "Residuals"}},
    {&Ttlacitko::kovariancniMatice, {"Kovarianční matice", "Covariance matrix"}},
    {&Ttlacitko::prehled, {"Přehled", "Overview"}},
    {&Ttlacitko::analyzaMereni, {"Analýza měření", "Measurement analysis"}},
    {&Ttlacitko::analyzaTransformace, {"Analýza transformace", "Transformation analysis"}},
    {&Ttlacitko::zpracovani, {"Zpracování", "Processing"}},
    {&Ttlacitko::fixni, {"Fixní", "Fixed"}},
    {&Ttlacitko::fixace, {"Fixace", "Fixation"}},
    {&Ttlacitko::jeFixni, {"Je fixní", "Is fixed"}},
    {&Ttlacitko::neniFixni, {"Není fixní", "Is not fixed"}},
    {&Ttlacitko::rozdilMeziFixnimiBody, {"Rozdíl mezi fixními body", "Difference between fixed points"}},
    {&Ttlacitko::rozdilMeziBodySite, {"Rozdíl mezi body sítě", "Difference between network points"}},
    {&Ttlacitko::zamenit, {"Zaměnit", "Swap"}},
    {&Ttlacitko::zBoduNaBod, {"Z bodu na bod", "From point to point"}},
    {&Ttlacitko::meziBody, {"Mezi body", "Between points"}},
    {&Ttlacitko::zBodu, {"Z bodu", "From point"}},
    {&Ttlacitko::doBodu, {"Do bodu", "To point"}},
    {&Ttlacitko::nastavit, {"Nastavit", "Set"}},
    {&Ttlacitko::vychozi, {"Výchozí", "Default"}},
    {&Ttlacitko::kresba, {"Kresba", "Drawing"}},
    {&Ttlacitko::dleAtributu, {"Dle atributů", "By attributes"}},
    {&Ttlacitko::najit, {"Najít", "Find"}},
    {&Ttlacitko::dalsi, {"Další", "Next"}},
    {&Ttlacitko::predchozi, {"Předchozí", "Previous"}},
    {&Ttlacitko::chybne, {"Chybné", "Faulty"}},
    {&Ttlacitko::podrobnosti, {"Podrobnosti", "Details"}},
    {&Ttlacitko::zrcadleni, {"Zrcadlení", "Mirroring"}},
    {&Ttlacitko::etapa, {"Etapa", "Epoch"}},
    {&Ttlacitko::posun2, {"Posun", "Movement"}},
    {&Ttlacitko::posuny, {"Posuny", "Movements"}},
    {&Ttlacitko::ortogonalni, {"Ortogonální", "Orthogonal"}},
    {&Ttlacitko::polarni, {"Polární", "Polar"}},
    {&Ttlacitko::semipolarni, {"Semipolární", "Semipolar"}},
    {&Ttlacitko::prokazatelnost, {"Prokazatelnost", "Significance"}},
    {&Ttlacitko::polohovy, {"Polohový", "Horizontal"}},
    {&Ttlacitko::prostorovy, {"Prostorový", "Spatial"}},
    {&Ttlacitko::polohova, {"Polohová", "Horizontal"}},
    {&Ttlacitko::prostorova, {"Prostorová", "Spatial"}},
    {&Ttlacitko::svisly, {"Svislý", "Vertical"}},
    {&Ttlacitko::svisla, {"Svislá", "Vertical"}},
    {&Ttlacitko::vnitrni, {"Vnitřní", "Internal"}},
    {&Ttlacitko::delky, {"Délky", "Lengths"}},
    {&Ttlacitko::uhly, {"Úhly", "Angles"}},
    {&Ttlacitko::hodnoceni, {"Hodnocení", "Evaluation"}},
    {&Ttlacitko::vyznamne, {"Významné", "Significant"}},
    {&Ttlacitko::vyznamny, {"Významný", "Significant"}},
    {&Ttlacitko::nevyznamne, {"Nevýznamné", "Insignificant"}},
    {&Ttlacitko::nevyznamny, {"Nevýznamný", "Insignificant"}},
    {&Ttlacitko::marginalni, {"Marginální", "Marginal"}},
    {&Ttlacitko::uzivatelske, {"Uživatelské", "User"}},
    {&Ttlacitko::uzivatelsky, {"Uživatelský", "User"}},
    {&Ttlacitko::primka, {"Přímka", "Line"}},
    {&Ttlacitko::rovina, {"Rovina", "Plane"}},
    {&Ttlacitko::vztazny, {"Vztažný", "Reference"}},
    {&Ttlacitko::vztazne, {"Vztažné", "Reference"}},
    {&Ttlacitko::bez, {"Bez", "Without"}},
    {&Ttlacitko::bez2, {"Bez", "No"}},
    {&Ttlacitko::metoda, {"Metoda", "Method"}},
    {&Ttlacitko::transformacni, {"Transformační", "Transformation"}},
    {&Ttlacitko::projekce, {"Projekce", "Projection"}},
};
static_assert(std::size(textyTlacitko) == PocetTextu<Ttlacitko>(), "every field of Ttlacitko has one pair");

// Messages.
const TextPar<Thlaseni> textyHlaseni[] = {
    {&Thlaseni::nebylVybranZaznam, {"Nebylo vybráno žádné měření!", "Measurement is not selected!"}},
    {&Thlaseni::opravduSmazatZaznam, {"Opravdu chcete odstranit vybraná měření? (Počet vybraných měření: ", "Do you really want to delete the selected measurements? (Number of measurements: "}},
    {&Thlaseni::opravduSmazatOdchylky, {"Opravdu chcete vyčistit vybrané směrodatné odchylky? (Počet vybraných měření: ", "Do you really want to clear the standard deviations? (Number of measurements: "}},
    {&Thlaseni::opravduSmazatOdchylkySour, {"Opravdu chcete vyčistit vybrané směrodatné odchylky? (Počet vybraných bodů: ", "Do you really want to clear the standard deviations? (Number of points: "}},
    {&Thlaseni::presunVybranychZaznamu, {"Přesunout vybraná měření do stanoviska s pořadovým číslem:", "Relocate measurements to the standpoint with the serial number: "}},
    {&Thlaseni::pridaneSoubory, {"Přidáno souborů: ", "Added files: "}},
    {&Thlaseni::poceZaznamu, {"Počet měřeni: ", "Number of measurements: "}},
    {&Thlaseni::ukoncitProgram, {"Opravdu chcete ukončit Sitmera Analyser? Neuložená data budou ztracena!", "Do you really want to exit Sitmera Analyser? Unsaved data will be lost!"}},
    {&Thlaseni::nebylVybranBod, {"Nebyl vybrán žádný bod!", "Point is not selected!"}},
    {&Thlaseni::opravduSmazatBod, {"Opravdu chcete odstranit vybrané body? (Počet vybraných bodů: ", "Do you really want to delete the points? (Number of points: "}},
    {&Thlaseni::pocetBodu, {"Počet bodů: ", "Number of points: "}},
    {&Thlaseni::chybaPriVyrovnani, {"Během procesu vyrovnání sítě došlo k chybě!", "An error occurred during the network adjustment process!"}},
    {&Thlaseni::chybaPriTransform, {"Během procesu transformace souřadnic došlo k chybě!", "An error occurred during the coordinates transformation process!"}},
    {&Thlaseni::chybaPriZpracovani, {"Během zpracování došlo k chybě! Prosím, zkontrolujte zpracovávaná data.", "An error occurred during the processing! Please check the processed data."}},
    {&Thlaseni::oteritProjekt, {"Opravdu chcete otevřít nový projekt? Neuložená data budou ztracena!", "Do you really want to open new project? Unsaved data will be lost!"}},
    {&Thlaseni::chybaOtevritProjekt, {"Při načítání projektu došlo k chybě!", "An error occurred during the project opening!"}},
    {&Thlaseni::uspesneOtevrenProjekt, {"Projekt byl úspěšně otevřen.", "The project was successfully opended."}},
    {&Thlaseni::pocetNalezenychZaznamu, {"Počet nalezených měření: ", "Found measurements: "}},
    {&Thlaseni::pocetZrcadlenychZaznamu, {"Počet zrcadlených měření: ", "Mirrored measurements: "}},
    {&Thlaseni::pocetNalezenychSkupin, {"Počet nalezených měřických skupin: ", "Found measurement sets: "}},
    {&Thlaseni::socasneMereniObouPoloh, {"Současné měření obou poloh dalekohledu", "Simultaneous measuring in both positions"}},
    {&Thlaseni::pripojitEtapa, {"Opravdu chcete připojit novou etapu? Neuložená data budou ztracena!", "Do you really want to connect new epoch? Unsaved data will be lost!"}},
    {&Thlaseni::chybaPripojitEtapa, {"Během připojování etapy došlo k chybě!", "An error occurred during the epoch connecting!"}},
    {&Thlaseni::uspesnePripojitEtapa, {"Etapa byla úspěšně připojena: ", "The epoch was successfully connected: "}},
    {&Thlaseni::chybaFixnichBodu, {"Chyba fixních bodů", "Fixed points error"}},
    {&Thlaseni::chybaVyrovnani, {"Chyba procesu vyrovnání", "Adjustment process error"}},
    {&Thlaseni::chybaTransformace, {"Chyba transformace", "Transformation error"}},
    {&Thlaseni::chybaRobustnihoVyrovnani, {"Chyba robustního vyrovnání sítě", "Robust adjustment error"}},
    {&Thlaseni::chybaDetekceOdlehlych, {"Chyba detekce odlehlých hodnot", "Outlier detection error"}},
    {&Thlaseni::chybaVyhodnoceniMereni, {"Chyba vyhodnocení přesnosti sítě.", "Network accuracy evaluation error."}},
    {&Thlaseni::apriorPresnostNeodpovida, {"Apriorní přesnost měření neodpovídá skutečnosti.", "A priori accuracy of network does not reflect reality."}},
    {&Thlaseni::nejmeneDvaBodyVlozeny, {"Musí být vloženy minimálně dva body sítě!", "At least two network points must be inserted!"}},
    {&Thlaseni::nevhodnaKonfiguraceBodu, {"Nevhodná konfigurace vložených bodů sítě.", "Improper configuration of inserted network points."}},
    {&Thlaseni::maloNadbytecnych, {"Nedostatečný počet nadbytečných měření.", "Insufficient number of redundant measurements."}},
    {&Thlaseni::mereniObsahujeHrube, {"Měření pravděpodobně obsahují hrubé chyby.", "The measurements may contain gross errors."}},
    {&Thlaseni::prekrocenMezniRozdil, {"Byl překročen mezní rozdíl šikmých délek mezi body sítě.", "The maximal difference of slope distances between the network points has been exceeded."}},
    {&Thlaseni::prekrocenMezniRozdilDoplnekDelka, {"Byl překročen mezní rozdíl doplňkového měření (Šikmá délka) mezi body sítě.", "The maximal difference of supplementary measurement (Slope distance) between the network points has been exceeded."}},
    {&Thlaseni::prekrocenMezniRozdilDoplnekSmernik, {"Byl překročen mezní rozdíl doplňkového měření (Směrník) mezi body sítě.", "The maximal difference of supplementary measurement (Bearing) between the network points has been exceeded."}},
    {&Thlaseni::prekrocenMezniRozdilDoplnekPrevyseni, {"Byl překročen mezní rozdíl doplňkového měření (Převýšení) mezi body sítě.", "The maximal difference of supplementary measurement (Height difference) between the network points has been exceeded."}},
    {&Thlaseni::prekrocenMezniRozdilDoplnekProvazeni, {"Byl překročen mezní rozdíl doplňkového měření (Svislé provažování) mezi body sítě.", "The maximal difference of supplementary measurement (Vertical plumbing) between the network points has been exceeded."}},
    {&Thlaseni::nekonvergujiciProces, {"Chyba nekonvergence iteračního vyrovnání.", "Non-convergence error in iterative adjusment."}},
    {&Thlaseni::opravduPokracovat, {"Opravdu chcete pokračovat?", "Do you want to continue?"}},
    {&Thlaseni::seznamBezDuplicit, {"Seznam vložených bodů sítě nesmí obsahovat žádné duplicity!", "The list of inserted network points must not contain any duplicates!"}},
    {&Thlaseni::chybaVResenNormalRovnic, {"Chyba v řešení normálních rovnic.", "Error in solving the normal equations."}},
    {&Thlaseni::chcetePokracovat, {"Během zpracování došlo k chybě! Opravdu chcete pokračovat?", "An error occurred during the processing! Do you really want to continue?"}},
    {&Thlaseni::chybaZpracovaniProtokolu, {"Během zpracování protokolu došlo k chybě!", "An error occurred during the protocol processing!"}},
    {&Thlaseni::chybaIdentickychBodu, {"Chyba identických bodů", "Identical points error"}},
    {&Thlaseni::nejmeneDvaIdentikeBodyVlozeny, {"Musí být vloženy minimálně dva identické body!", "At least two identical points must be inserted!"}},
    {&Thlaseni::seznamIdentickychBezDuplicit, {"Seznam vložených identických bodů nesmí obsahovat žádné duplicity!", "The list of inserted identical points must not contain any duplicates!"}},
    {&Thlaseni::identickeMusiOdpovidatSiti, {"Nejméně dva vložené identické body musí odpovídat bodům sítě.", "At least two inserted identical points must correspond to the networks points."}},
    {&Thlaseni::identickeMusiMitDozdilneXY, {"Nejméně dva vložené identické body musí mít rozdílné souřadnice X a Y.", "At least two inserted identical points must have different coordinates X and Y."}},
    {&Thlaseni::identickeObsahujiHrube, {"Vložené identické body pravděpodobně obsahují hrubé chyby.", "The inserted identical points may contain gross errors."}},
    {&Thlaseni::apriorPresnostIdentickcyhNeodpovida, {"Apriorní přesnost identických bodů neodpovídá skutečnosti.", "A priori accuracy of identical points does not reflect reality."}},
    {&Thlaseni::chybaVyhodnoceniTransformace, {"Chyba vyhodnocení přesnosti transformace.", "Transformation accuracy evaluation error."}},
    {&Thlaseni::chybaMeritkovychKoeficientu, {"Chyba měřítkového koeficientu", "Scale factor error"}},
    {&Thlaseni::meritkoObsahujeChyby, {"Seznam měřítkových koeficientů pro redukci délek obsahuje chyby.", "The list of scale factors for distance reduction contains errors."}},
    {&Thlaseni::chybaDoplnkovehoMereni, {"Chyba doplňkového měření", "Supplementary measurement error"}},
    {&Thlaseni::chybaProtokol, {"Chyba protokolu", "Protocol error"}},
    {&Thlaseni::doplnekDelkaObsahujeChyby, {"Seznam doplňkových měření (Šikmá délka) obsahuje chyby.", "The list of supplementary measurements (Slope distance) contains errors."}},
    {&Thlaseni::doplnekSmernikObsahujeChyby, {"Seznam doplňkových měření (Směrník) obsahuje chyby.", "The list of supplementary measurements (Bearing) contains errors."}},
    {&Thlaseni::doplnekPrevyseniObsahujeChyby, {"Seznam doplňkových měření (Převýšení) obsahuje chyby.", "The list of supplementary measurements (Height difference) contains errors."}},
    {&Thlaseni::doplnekProvazeniObsahujeChyby, {"Seznam doplňkových měření (Svislé provažování) obsahuje chyby.", "The list of supplementary measurements (Vertical plumbing) contains errors."}},
    {&Thlaseni::chybaPriUkladani, {"Při ukládání souboru došlo k chybě!", "An error occurred during the save process!"}},
    {&Thlaseni::chybaTransfromacniKlic, {"Chyba transformačního klíče! Prosím, zkontrolujte nastavení.", "Transformation parametres error! Please check your settings."}},
    {&Thlaseni::chybaAnalyzaPosunu, {"Během analýzy posunů došlo k chybě!", "An error occurred during the movement analysis!"}},
};
static_assert(std::size(textyHlaseni) == PocetTextu<Thlaseni>(), "every field of Thlaseni has one pair");

// Window and box titles.
const TextPar<Tnadpis> textyNadpis[] = {
    {&Tnadpis::varovani, {"Upozornění", "Warning"}},
    {&Tnadpis::chyba, {"Chyba", "Error"}},
    {&Tnadpis::vlozitStanovisko, {"Vložit nové stanovisko", "Insert new standpoint"}},
    {&Tnadpis::vlozitMereni, {"Vložit nové měření", "Insert new measurement"}},
    {&Tnadpis::upravitMereni, {"Upravit měření", "Edit measurement"}},
    {&Tnadpis::presunoutMereni, {"Přesunout měření", "Relocate measurements"}},
    {&Tnadpis::zpracovaniMereni, {"Zpracování surových měření", "Processing of raw measurements"}},
    {&Tnadpis::pridatSurovaMereni, {"Přidat surová měření", "Add raw measurements"}},
    {&Tnadpis::ulozitSurovaMereni, {"Uložit surová měření", "Save raw measurements"}},
    {&Tnadpis::pridatBody, {"Přidat body", "Add points"}},
    {&Tnadpis::ulozitBody, {"Uložit body", "Save points"}},
    {&Tnadpis::vlozitBod, {"Vložit nový bod", "Insert new point"}},
    {&Tnadpis::upravitBod, {"Upravit bod", "Edit point"}},
    {&Tnadpis::smerOdchylkyApriorVyrSour, {"Apriorní směrodatné odchylky vyrovnaných souřadnic bodů", "A priori standard deviations of adjusted point coordinates"}},
    {&Tnadpis::smerOdchylkyAposteriorVyrSour, {"Aposteriorní směrodatné odchylky vyrovnaných souřadnic bodů", "A posteriori standard deviations of adjusted point coordinates"}},
    {&Tnadpis::elipsoidApriorVyrSour, {"Apriorní elipsoidy chyb vyrovnaných souřadnic bodů", "A priori error ellipsoids of adjusted point coordinates"}},
    {&Tnadpis::elipsoidAposteriorVyrSour, {"Aposteriorní elipsoidy chyb vyrovnaných souřadnic bodů", "A posteriori error ellipsoids of adjusted point coordinates"}},
    {&Tnadpis::smerOdchylkyApriorTransSour, {"Apriorní směrodatné odchylky transformovaných souřadnic bodů", "Apriori standard deviations of transformed point coordinates"}},
    {&Tnadpis::smerOdchylkyAposteriorTransSour, {"Aposteriorní směrodatné odchylky transformovaných souřadnic bodů", "A posteriori standard deviations of transformed point coordinates"}},
    {&Tnadpis::elipsoidApriorTransSour, {"Apriorní elipsoidy chyb transformovaných souřadnic bodů", "A priori error ellipsoids of transformed point coordinates"}},
    {&Tnadpis::elipsoidAposterioTransSour, {"Aposteriorní elipsoidy chyb transformovaných souřadnic bodů", "A posteriori error ellipsoids of transformed point coordinates"}},
    {&Tnadpis::prirustkyVyrSour, {"Přírůstky vyrovnaných souřadnic bodů", "Changes of adjusted point coordinates"}},
    {&Tnadpis::zakladniInfoOvyrovnani, {"Informace o vyrovnání sítě", "Information about network adjustment"}},
    {&Tnadpis::vyrovMereniSodchylkaApriori, {"Vyrovnaná měření / apriorní směrodatné odchylky", "Adjusted measurements / a priori standard deviations"}},
    {&Tnadpis::vyrovMereniSodchylkaAposteriori, {"Vyrovnaná měření / aposteriorní směrodatné odchylky", "Adjusted measurements / a posteriori standard deviations"}},
    {&Tnadpis::vyrovOrientPosunSodchylkaApriori, {"Vyrovnané orientační posuny / apriorní směrodatné odchylky", "Adjusted orientation shifts / a priori standard deviations"}},
    {&Tnadpis::vyrovOrientPosunSodchylkaAposteriori, {"Vyrovnané orientační posuny / aposteriorní směrodatné odchylky", "Adjusted orientation shifts / a posteriori standard deviations"}},
    {&Tnadpis::vyrovDoplnekSodchylkaApriori, {"Vyrovnaná doplňková měření / apriorní směrodatné odchylky", "Adjusted supplementary measurements / a priori standard deviations"}},
    {&Tnadpis::vyrovDoplnekSodchylkaAposteriori, {"Vyrovnaná doplňková měření / aposteriorní směrodatné odchylky", "Adjusted supplementary measurements / a posteriori standard deviations"}},
    {&Tnadpis::vyrovIdentSodchylkaApriori, {"Vyrovnané souřadnice identických bodů / apriorní směrodatné odchylky", "Adjusted coordinates of identical points / a priori standard deviations"}},
    {&Tnadpis::vyrovIdentSodchylkaAposteriori, {"Vyrovnané souřadnice identických bodů / aposteriorní směrodatné odchylky", "Adjusted coordinates of identical points / a posteriori standard deviations"}},
    {&Tnadpis::vyrovIdentBodu, {"Vyrovnané souřadnice identických bodů", "Adjusted coordinates of identical points"}},
    {&Tnadpis::oPragramu, {"O programu", "About"}},
    {&Tnadpis::souradniceIdentickychBodu, {"Souřadnice identických bodů", "Coordinates of identical points"}},
    {&Tnadpis::vyrovnaneSouradniceBodu, {"Vyrovnané souřadnice bodů", "Adjusted point coordinates"}},
    {&Tnadpis::transfromovaneSouradniceBodu, {"Transformované souřadnice bodů", "Transformed point coordinates"}},
    {&Tnadpis::zakladniInfoTransformaceBodASmernik, {"Základní informace o transformaci na bod a směrník", "Basic information about point and bearing transformation"}},
    {&Tnadpis::souradniceIdentickychBoduVystup, {"Souřadnice identických bodů ve výstupním systému", "Coordinates of identical points from output system"}},
    {&Tnadpis::zakladniInfoTransformaceSVyrovnanim, {"Základní informace o transformaci s vyrovnáním", "Basic information about transformation with adjustment"}},
    {&Tnadpis::kovariancniMaticeVyrSour, {"Matice váhových koeficinetů vyrovnaných souřadnic bodů XYZ", "Weight coefficient matrix of adjusted point coordinates XYZ"}},
    {&Tnadpis::kovariancniMaticeTransSour, {"Matice váhových koeficientů transformovaných souřadnic bodů XYZ", "Weight coefficient matrix of transformed point coordinates XYZ"}},
    {&Tnadpis::opravyIndentickychBodu, {"Opravy souřadnic identických bodů", "Residuals of identical point coordinates"}},
    {&Tnadpis::rozdilDelkeMerenychAZeSouradnic, {"Rozdíl měřených hodnot (přímá spojnice značek bodů) a vypočtených hodnot (z bodů sítě)", "Difference between measured (marked point) values and calculated values (by net points)"}},
    {&Tnadpis::rozdilDelkeMerenychAZeFixnichSouradnic, {"Rozdíl měřených hodnot (přímá spojnice značek bodů) a vypočtených hodnot (z fixních bodů)", "Difference between measured (marked point) values and calculated values (by fixed points)"}},
    {&Tnadpis::elipsoidApriorPosuny, {"Apriorní elipsoidy chyb posunů", "A priori error ellipsoids of movements"}},
    {&Tnadpis::elipsoidAposteriorPosuny, {"Aposteriorní elipsoidy chyb posunů", "A posteriori error ellipsoids of movements"}},
    {&Tnadpis::smerOdchylkyApriorPosuny, {"Apriorní směrodatné odchylky posunů", "A priori standard deviations of movements"}},
    {&Tnadpis::smerOdchylkyAposteriorPosuny, {"Aposteriorní směrodatné odchylky posunů", "A posteriori standard deviations of movements"}},
};
static_assert(std::size(textyNadpis) == PocetTextu<Tnadpis>(), "every field of Tnadpis has one pair");

// Report captions.
const TextPar<TprotokolTexty> textyProtokol[] = {
    {&TprotokolTexty::kontakt, {"Kontakt", "Contact"}},
    {&TprotokolTexty::protokol1, {"Protokol", "Protocol"}},
    {&TprotokolTexty::vytvoreno, {"Vytvořeno", "Created"}},
    {&TprotokolTexty::legenda, {"Legenda", "Legend"}},
    {&TprotokolTexty::data, {"Data", "Data"}},
    {&TprotokolTexty::serioveCislo, {"Pořadové číslo", "Serial number"}},
    {&TprotokolTexty::sMeritkovymiKoeficienty, {"S měřítkovými koeficienty", "With scale factors"}},
    {&TprotokolTexty::bezMeritkovychKoeficientu, {"Bez měřítkových koeficientů", "Without scale factors"}},
    {&TprotokolTexty::seSmerodatnymiOdchylkami, {"Se směrodatnými odchylkami", "With standard deviations"}},
    {&TprotokolTexty::bezSmerodatnychOdchylek, {"Bez směrodatných odchylek", "Without standard deviations"}},
    {&TprotokolTexty::nazevSouboru, {"Název souboru", "File name"}},
    {&TprotokolTexty::poradiChybnehoRadku, {"Pořadí chybného řádku (ignorovány prázdné řádky)", "Added / Serial number of incorrect line (blank lines ignored)"}},
    {&TprotokolTexty::souborPridan, {"Soubor přidán", "File added"}},
};
static_assert(std::size(textyProtokol) == PocetTextu<TprotokolTexty>(), "every field of TprotokolTexty has one pair");

// Robust estimation methods, the same in both languages.
const char* const nazvyOdhadu[] = {"Huber", "M-huber", "Hampel", "Talwar", "Cauchy", "Tukey",
                                   "Geman", "Andrews", "Welsh", "Fair", "L1 Norm", "L1/L2 Norm"};

}  // namespace

TpopisJednotky PopisJednotek(std::uint8_t uhel, std::uint8_t delka, std::uint8_t souradnice,
                             std::uint8_t posun)
{
    // Values of an unknown code are left in radians or metres by the
    // conversions, and so are their small units.
    auto delkova = [](std::uint8_t kod, std::string& hodnota, std::string& odchylka) {
        switch (kod) {
        case 0: hodnota = "m"; odchylka = "mm"; break;
        case 1: hodnota = "ft"; odchylka = "pt"; break;
        default: hodnota = "m"; odchylka = "m"; break;
        }
    };
    TpopisJednotky p;
    delkova(souradnice, p.x_hodnota, p.x_odchylka);
    delkova(delka, p.delka_hodnota, p.delka_odchylka);
    switch (uhel) {
    case 0: p.smer_hodnota = "rad"; p.smer_odchylka = "mrad"; break;
    case 1: p.smer_hodnota = "gon"; p.smer_odchylka = "mgon"; break;
    case 2: p.smer_hodnota = "deg"; p.smer_odchylka = "mdeg"; break;
    case 3: p.smer_hodnota = "dms"; p.smer_odchylka = "sec"; break;
    default: p.smer_hodnota = "rad"; p.smer_odchylka = "rad"; break;
    }
    // Displacements are always shown in the small unit.
    switch (posun) {
    case 0: p.posun_hodnota = "mm"; p.posun_odchylka = "mm"; break;
    case 1: p.posun_hodnota = "pt"; p.posun_odchylka = "pt"; break;
    default: p.posun_hodnota = "m"; p.posun_odchylka = "m"; break;
    }
    return p;
}

Tjazyk::Tjazyk() : nazevXY(2) {}

void Tjazyk::Default(const Tnastaveni& nastaveni)
{
    // Any language byte other than 0 (Czech) reads as English, the default.
    const int jazyk = nastaveni.typJazyk == 0 ? 0 : 1;

    Napln(filter, textyFilter, jazyk);
    // Default extensions by the filter item chosen last (`souborVstup`): every
    // item of a kind has the same extension in both languages, so whatever the
    // index, including one outside the list, the extension is the kind's own.
    filter.priponaSouradnice = ".txt";
    filter.priponaProjekt = ".pea";
    filter.priponaProtokol = ".txt";
    filter.priponaEtapa = ".epc";

    Napln(popis, textyPopis, jazyk);
    const Tjednotky& j = nastaveni.jednotky;
    popisJednotky = PopisJednotek(j.uhel, j.delka, j.souradnice, j.posun);
    Napln(tlacitko, textyTlacitko, jazyk);
    Napln(hlaseni, textyHlaseni, jazyk);
    Napln(nadpis, textyNadpis, jazyk);

    typOdhadu.assign(std::begin(nazvyOdhadu), std::end(nazvyOdhadu));
    rimskeCislice = {"I", "II"};
    arabskeCislice = {"1", "2"};

    Napln(protokol, textyProtokol, jazyk);

    NastavXY(j.poradiSouradnice);
}

void Tjazyk::NastavXY(std::uint8_t poradi)
{
    if (poradi == 0)
        nazevXY = {popis.x, popis.y};
    else if (poradi == 1)
        nazevXY = {popis.y, popis.x};
}

}  // namespace sitmera

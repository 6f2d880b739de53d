// Plain-text reports: the layout every report shares, the title block and
// the two report headings, the point tables of the epoch and displacement
// reports, and the report object of the added-files report (Tprotokol).
//
// A report is a list of items (TprotokolAnalyser::text). The report text is
// the items joined with CR LF, each item followed by CR LF; an item may hold
// CR LF pairs itself, so the item "\r\n" prints as two empty lines and an
// empty item as one. Writers only append items.
//
// Layout: a section opens with "\r\n", its title and a rule of "=" as long as
// the title. A table section then has the legend caption with its "~" rule,
// the legend (one line "A: long name [unit]" per column), the data caption
// with its "~" rule and the table: the column letters with their units, a
// rule of "-" as long as that line, and the rows; every cell is right-aligned
// to the widest cell of its column and cells are joined by two blanks.
// Every width and rule counts characters, not bytes, so Czech captions align.
//
// Units: point lists hold metres and radians; the tables show coordinates in
// the coordinate unit (metres or feet), their standard deviations and the
// ellipsoid semi-axes in its small unit (millimetres or points of 1/864 ft),
// and angles in the user's angle unit, with the decimals of Tpresnost.
// A standard deviation or semi-axis that does not exist (a fixed point, or
// the value -1 "not set") prints as "-".
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/Info.h"
#include "core/ProtokolAnalyser.h"
#include "numerics/TextSoubor.h"
#include "numerics/Zaklad.h"

namespace sitmera {

class Tjazyk;
class Tnastaveni;
class Tsouradnice;

// Separator of table cells.
inline constexpr std::string_view OddelovacProtokolu = "  ";
// Line end of report text.
inline constexpr std::string_view KonecRadkuProtokolu = "\r\n";

// ---------------------------------------------------------------- report text

// The report text: every item followed by CR LF.
std::string TextProtokolu(const TStringList& polozky);
// The lines of TextProtokolu (split at CR LF, without line ends; no extra
// line after the final line end).
TStringList RadkyProtokolu(const TStringList& polozky);

// ---------------------------------------------------------------- the clock of the "created" line

// A local date and time.
struct TdatumCas {
    int rok = 0;
    int mesic = 0;
    int den = 0;
    int hodina = 0;
    int minuta = 0;
    int sekunda = 0;
};

using ThodinyProtokolu = std::function<TdatumCas()>;

// Replaces the clock the headings read (tests fix it); an empty function
// restores the local system clock.
void NastavHodinyProtokolu(ThodinyProtokolu hodiny);
// The current local date and time by the clock in force.
TdatumCas AktualniDatumCas();
// "dd.MM.yyyy HH:mm:ss" for typJazyk 0 (Czech), "dd/MM/yyyy HH:mm:ss" for any
// other value (English).
std::string DatumCasNaText(const TdatumCas& cas, std::uint8_t typJazyk);

// ---------------------------------------------------------------- layout

// "A" (druh 1, input epoch) or "B" (druh 2, transformed epoch) followed by the
// epoch number; any other druh gives the number alone.
std::string OznaceniEtapy(std::uint8_t druh, std::uint8_t cisloEtapy);

// Accuracy suffix of a section title for point-table codes: 4 " (A priori
// accuracy)", 5 " (A posteriori accuracy)", 6 " (A priori / A posteriori
// accuracy)"; any other code "". Ellipsoid sections pass their code + 3.
std::string PriponaPresnosti(const Tjazyk& jazyk, int kod);
// The same for the displacement-value tables: 2 a priori, 3 a posteriori,
// 4 both, any other code "".
std::string PriponaPresnostiPosunu(const Tjazyk& jazyk, int kod);

// Title block: program name, version and date; a "*" rule; the contact line.
void TitulProtokolu(TprotokolAnalyser& protokol, const Tjazyk& jazyk);
// Heading of an epoch report: two empty items, "Protocol A1 - 1. Connected
// epoch [file]", a "*" rule and the created line (date and time in the
// language typJazyk).
void NadpisProtokoluEtapy(TprotokolAnalyser& protokol, std::uint8_t cisloEtapy, std::uint8_t druh,
                          const std::string& jmenoSouboru, const Tjazyk& jazyk,
                          std::uint8_t typJazyk);
// Heading of the displacement report: "Protocol C - Movement analysis".
void NadpisProtokoluPosunu(TprotokolAnalyser& protokol, const Tjazyk& jazyk,
                           std::uint8_t typJazyk);

// The created line: "Created: " + DatumCasNaText(AktualniDatumCas()).
std::string RadekVytvoreni(const Tjazyk& jazyk, std::uint8_t typJazyk);

// Widths of the first pocetSloupcu columns: the longest cell of each.
TindexVector SirkySloupcu(const TtextPole& pole, int pocetSloupcu);
// Row r of a two-column table: cell 0 left-aligned to sirky[0], two blanks,
// cell 1 right-aligned to sirky[1]. Empty for a row outside the table.
std::string RadekInformace(const TtextPole& pole, int r, const TindexVector& sirky);

// Opens a text section: "\r\n", the title, its "=" rule, an empty item.
void ZahajitSekciTextu(TprotokolAnalyser& protokol, const std::string& nadpis);
// Opens a table section up to the legend: "\r\n", the title, its "=" rule,
// the legend caption with its "~" rule, and the legend of the columns.
void ZahajitSekciTabulky(TprotokolAnalyser& protokol, const std::string& nadpis,
                         const Tjazyk& jazyk, const TtextVektor& popisy,
                         const TtextVektor& jednotky);
// The data caption "Data:" and its "~" rule.
void NadpisDat(TprotokolAnalyser& protokol, const Tjazyk& jazyk);
// A whole table: widths from the rows widened by the header labels, the
// header line, its "-" rule and the rows.
void ZapsatTabulku(TprotokolAnalyser& protokol, const TtextPole& pole, const TtextVektor& znacky,
                   std::string_view oddelovac);

// ---------------------------------------------------------------- table columns

// A row or column number (counted from 0, not negative) as a container
// position.
inline std::size_t Index(int i) { return static_cast<std::size_t>(i); }

// Column of the coordinate X (osa 0), Y (1) or Z (2) in a point or
// displacement table, counted from 0: X and Y take columns 2 and 3 in the
// axis order of the settings, Z column 4; deviations stand three columns
// further.
int SloupecOsy(const Tnastaveni& nastaveni, int osa);

// ---------------------------------------------------------------- point tables

// Point-table code of an accuracy choice + 1 (1 none, 2 a priori, 3 a
// posteriori, 4 both): 1, 4, 5, 6; anything else 1.
int KodTabulkySouradnic(int presnost);

// Long names of the coordinate-table columns for code 1 (5 columns) or 4, 5, 6
// (8 columns): serial number, point number, coordinates X, Y, Z in the axis
// order of the settings, then their standard deviations.
TtextVektor PopisySloupcuSouradnic(const Tjazyk& jazyk, const Tnastaveni& nastaveni, int kod);
// Their units: "", "", "[m]" x 3, then "[mm]" x 3 (the captions of the
// coordinate unit).
TtextVektor JednotkySloupcuSouradnic(const Tjazyk& jazyk, int kod);
// The rows of a coordinate table (one per point among the first n records,
// n = filled points). Standard deviations (metres, for unit variance) are
// multiplied by the unit deviation(s): code 4 a priori, 5 a posteriori,
// 6 "a priori : a posteriori".
TtextPole RadkySouradnic(const Tsouradnice& souradnice, const Tnastaveni& nastaveni,
                         Extended odchylkaAprior, Extended odchylkaAposterior, int kod);
// Coordinates table of one point list: header, "-" rule, rows.
void TabulkaSouradnic(TprotokolAnalyser& protokol, const Tsouradnice& souradnice,
                      const Tnastaveni& nastaveni, Extended odchylkaAprior,
                      Extended odchylkaAposterior, std::string_view oddelovac,
                      const TtextVektor& znacky, int kod);
// The same table for two lists of identical points printed in pairs: the row
// of the first list, then the row of the second without serial and point
// number, a "-" rule between pairs. Widths over both lists.
void TabulkaIdentickychBodu(TprotokolAnalyser& protokol, const Tsouradnice& souradnice1,
                            const Tsouradnice& souradnice2, const Tnastaveni& nastaveni,
                            Extended odchylkaAprior1, Extended odchylkaAposterior1,
                            Extended odchylkaAprior2, Extended odchylkaAposterior2,
                            std::string_view oddelovac, const TtextVektor& znacky, int kod);

// Long names and units of the ellipsoid table: semi-axis length, bearing,
// zenith angle.
TtextVektor PopisySloupcuElipsoidu(const Tjazyk& jazyk);
TtextVektor JednotkySloupcuElipsoidu(const Tjazyk& jazyk);
// Error-ellipsoid table, code 1 a priori, 2 a posteriori, 3 both (length
// cell "a priori : a posteriori", angles once): the header; then per point a
// "-" rule, "[i] number", a "-" rule and three rows, the a, b and c axes.
void TabulkaElipsoidu(TprotokolAnalyser& protokol, const Tsouradnice& souradnice,
                      const Tnastaveni& nastaveni, Extended odchylkaAprior,
                      Extended odchylkaAposterior, std::string_view oddelovac,
                      const TtextVektor& znacky, int kod);

// ---------------------------------------------------------------- number cells

// A standard deviation or semi-axis (metres) times a unit deviation, in a
// small unit by prevod(jednotka, .) with desetinna decimals; "-" when the
// value or the unit deviation is negative (not set).
std::string BunkaOdchylky(Extended metry, Extended nasobek, int desetinna,
                          Extended (*prevod)(std::uint8_t, Extended), std::uint8_t jednotka);

// ---------------------------------------------------------------- added-files report

// The report of the last add action of user coordinate files.
class Tprotokol {
public:
    TStringList text;  // the report items

    Tprotokol() = default;

    // Empties the text.
    void Clear();
    // Replaces the text by the report of the last pocetSouboru records of
    // soubory: legend, data caption and a table of order, file name, "Ok" or
    // "-", and the faulty line of a file not read. A count beyond the list
    // is cut to its length, a negative one taken as 0. Always true.
    bool zapsatPridatSoubor(const Tsoubory& soubory, int pocetSouboru, const Tjazyk& jazyk);
};

}  // namespace sitmera

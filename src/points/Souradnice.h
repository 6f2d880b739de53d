// The point record and the point list.
//
// Tbod is the one record every point of the program lives in: a point of an
// epoch, a user point read from a coordinate file, a row of a grid, a row of
// an internal analysis, an axis of an error ellipsoid shown as a table row.
// Tsouradnice is the list that owns such records.
//
// Units: coordinates and standard deviations in metres, angles (ellipse and
// ellipsoid bearings and zenith angles) in radians.
//
// Special values and cases:
//  - -1 marks a standard deviation, a distortion or an ellipse / ellipsoid
//    semi-axis length that is not set (BodDefault). A record made by growing
//    a list (constructor, Velikost) is all zero instead: empty number, zero
//    values, every flag false.
//  - A list may hold empty records (JePlny false) between and after the
//    filled ones. Operations on points look at filled records only unless
//    their comment says otherwise.
//  - Point numbers are texts. Lookups compare them for exact equality; every
//    order (sorting, the ordered scan) is TextMensi order: shorter number
//    first, equal lengths by character codes ("9" < "10" < "A1" < "100").
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "numerics/Zaklad.h"

namespace sitmera {

// An error ellipsoid: per semi-axis its length (metres, -1 = not set),
// bearing and zenith angle (radians).
struct Telipsoid {
    Extended a_delka = 0;
    Extended a_smernik = 0;
    Extended a_zenit = 0;
    Extended b_delka = 0;
    Extended b_smernik = 0;
    Extended b_zenit = 0;
    Extended c_delka = 0;
    Extended c_smernik = 0;
    Extended c_zenit = 0;
};

// An error ellipse: semi-axis lengths (metres, -1 = not set) and the bearing
// of the major axis (radians).
struct Telipsa {
    Extended a_delka = 0;
    Extended b_delka = 0;
    Extended a_smernik = 0;
};

// One point. A value-initialised record is all zero (see the top of the file).
struct Tbod {
    std::int32_t soubor = 0;  // id of the source file (0 = none)
    std::int32_t poradi = 0;  // order number of the point
    std::string cislo;        // point number
    Extended X = 0;           // metres
    Extended Y = 0;
    Extended Z = 0;
    Extended sig_X = 0;  // standard deviations in metres, -1 = not set
    Extended sig_Y = 0;
    Extended sig_Z = 0;
    Extended zkresleni = 0;  // distortion (scale) value, -1 = not set
    Telipsoid elipsoid;
    Telipsa elipsa;
    bool JePlny = false;   // the record holds a point
    bool JeFixni = false;  // fixed point
    bool JeAktiv = false;  // takes part in the comparison
    // Check flags: 0 the number occurs again, 1 another point has the same
    // X and Y, 2 the same X, Y and Z, 3 reserved.
    std::array<bool, 4> kontrola{};
};

// ---------------------------------------------------------------- record operations

// Resets a point: soubor, poradi 0, empty number, X Y Z 0, sig_X sig_Y sig_Z
// and zkresleni -1, ellipsoid and ellipse not set, flags false. The check
// flags (kontrola) are left as they are.
void BodDefault(Tbod& bod);
// Semi-axis lengths -1, the six angles 0.
void ElipsoidDefault(Telipsoid& elipsoid);
// Semi-axis lengths -1, bearing 0.
void ElipsaDefault(Telipsa& elipsa);
// Exchanges X with Y and sig_X with sig_Y.
void BodZamenXY(Tbod& bod);
// First / second plane coordinate (metres) in the user's axis order:
// order 0 gives X / Y, order 1 gives Y / X, any other order 0.
Extended BodPrvniSouradnice(const Tbod& bod, int poradiSouradnice);
Extended BodDruhaSouradnice(const Tbod& bod, int poradiSouradnice);
// The same for the standard deviations sig_X / sig_Y (metres).
Extended BodPrvniOdchylka(const Tbod& bod, int poradiSouradnice);
Extended BodDruhaOdchylka(const Tbod& bod, int poradiSouradnice);
// Rounds X, Y, Z to the nearest multiple of 10^rad (rad -6: to micrometres;
// exact halves to even). Nothing else is rounded; non-finite values stay.
void BodZaokrouhlit(Tbod& bod, int rad);
// True when any of the four check flags is set.
bool BodMaChybu(const Tbod& bod);
// True when both records are filled and X, Y and Z are exactly equal.
bool ShodnaPolohaXYZ(const Tbod& a, const Tbod& b);
// True when both records are filled and X and Y are exactly equal.
bool ShodnaPolohaXY(const Tbod& a, const Tbod& b);

// ---------------------------------------------------------------- the list

class Tsouradnice {
public:
    std::vector<Tbod> bod;

    Tsouradnice() = default;
    // A list of pocet zeroed records.
    explicit Tsouradnice(int pocet);

    // Sets the number of records; new ones are zeroed, surplus ones dropped
    // (a negative count empties the list).
    void Velikost(int pocet);
    // No records.
    void Clear();
    // Replaces the records by a copy of the other list's records.
    void Kopiruj(const Tsouradnice& souradnice);

    // Appends a copy of the point.
    void PridejBod(const Tbod& novy);
    // Appends one record reset by BodDefault.
    void PridejPrazdnyBod();
    // Appends copies of all records of another list (also of this list).
    void PridejBody2(const Tsouradnice& souradnice);

    // Appends one filled point per line "number X Y Z" (words split by blanks
    // or tabs, values in metres read by TextNaCislo): soubor := identifikator,
    // poradi := its index + 1, not fixed, not active, deviations not set.
    // The caller guarantees four words per line. The list grows by the line
    // count first; a value that is no number stops with ChybaPrevodu, one out
    // of range with TichePreruseni: the points of the lines before it stay,
    // the records of that line and the lines after it stay unfilled.
    void PridejBody(const TStringList& strList, int identifikator);
    // The same; a fifth word gives JeFixni ("-1" / "0", any non-zero number
    // or "true" for true, "0" or "false" for false; anything else stops with
    // ChybaPrevodu).
    void PridejBodyFix(const TStringList& strList, int identifikator);
    // The same as PridejBody with JeFixni := fix on every new point.
    void PridejBodyFixVse(const TStringList& strList, int identifikator, bool fix);
    // Lines "number distortion": only the number and zkresleni are read,
    // JeFixni := fix.
    void PridejBodyMeritko(const TStringList& strList, int identifikator, bool fix);

    // Point lines of the filled records, in list order, fields separated by
    // one TAB, values by CisloNaTextZaokrouhlene(pocetDecimal, zaokrouhlovat)
    // (pocetDecimal -6: rounded to 1e-6), flags as "-1" / "0".
    // Clears strList, then writes "cislo X Y Z".
    void UlozDoStringList(TStringList& strList, int pocetDecimal, bool zaokrouhlovat) const;
    // Appends "cislo X Y Z JeFixni".
    void UlozDoStringListFix(TStringList& strList, int pocetDecimal, bool zaokrouhlovat) const;
    // Appends "cislo X Y Z JeFixni JeAktiv": the point line of the epoch and
    // project files.
    void UlozDoStringListFixAktiv(TStringList& strList, int pocetDecimal,
                                  bool zaokrouhlovat) const;
    // Appends "cislo zkresleni" (plain number text).
    void UlozDoStringListMeritko(TStringList& strList) const;

    // BodZaokrouhlit(record, pocetDecimal) on every record (callers pass -6).
    void ZaokrouhlitSouradnice(int pocetDecimal);
    // JeFixni false on every record.
    void ZrusFixaci();
    // Stable ascending sort by one quantity, velicina:
    //   1 cislo (TextMensi order), 2 X, 3 Y, 4 Z, 5 sig_X, 6 sig_Y, 7 sig_Z,
    //   8 elipsoid.a_delka, 9 a_smernik, 10 a_zenit, 11 b_delka, 12 b_smernik,
    //   13 soubor, 14 poradi (both as integers), 15 b_zenit, 16 c_delka,
    //   17 c_smernik, 18 c_zenit, 19 zkresleni.
    // Equal keys keep their order; empty records take part like filled ones;
    // an unknown code or fewer than 2 records change nothing.
    void Sort(int velicina);
    // Every filled point: (X, Y, Z) := rotace x (X, Y, Z) + translace, with
    // rotace 3 x 3 and translace 3 x 1 (metres). Other shapes throw
    // ChybaArgumentu and change nothing.
    void Transformuj(const Tmatrix& translace, const Tmatrix& rotace);

    // BodDefault on record i; an index outside the list throws TichePreruseni.
    void VyprazdniZaznamDlePoradi(int i);
    // Removes every record without JePlny, keeping the order of the rest.
    void SmazPrazdneZaznamy();
    // Removes empty records from the end; true when at least one was removed.
    bool SmazPrazdneZaznamyNaKonci();
    // poradi of the filled points := 1, 2, 3, ... in list order.
    void SeraditPoradi();

    // Copy of the first filled point with exactly this number; a BodDefault
    // record when there is none.
    Tbod BodSCislem(const std::string& cislo) const;
    // True when a filled point has exactly this number.
    bool ExitujeBod(const std::string& cislo) const;
    // Index of the first filled point with exactly this number and true;
    // -1 and false when there is none.
    bool PoradiBodu(const std::string& cislo, int& poradi) const;
    // Indexes of the first filled points with the two numbers, found in one
    // pass (each -1 when missing); true when both are found.
    bool PoradiDvojiceBodu(const std::string& cislo1, const std::string& cislo2, int& poradi1,
                           int& poradi2) const;
    // Ordered scan of the records pocatek .. konec (a range kept in TextMensi
    // order) for the merge of two sorted lists:
    //   2: found, pocatek := its index;
    //   3: a greater number was met first (cisloVstup is not in the range),
    //      pocatek := the index of that greater number;
    //   1: the range ran out, pocatek := konec + 1, or 0 for an empty range
    //      (konec < pocatek).
    // Empty records in the range are passed over.
    int PoradiBoduSCislem(const std::string& cisloVstup, int& pocatek, int konec) const;

    // Some filled record exists / some filled record is active.
    bool ExistujePlnyBod() const;
    bool ExistujeAktivBod() const;
    // Number of filled records / filled fixed / filled active records.
    int PocetPlnychBodu() const;
    int PocetFixnichBodu() const;
    int PocetAktivBodu() const;
    // Number of records without JeFixni / without JeAktiv, empty ones included.
    int PocetNefixnichBodu() const;
    int PocetNeaktivBodu() const;
    // Sorts by the quantity (Sort) and returns a copy of the last record;
    // a BodDefault record for an empty list.
    Tbod Max(int velicina);

    // The list becomes copies of the first pocetUrcovanych records of the
    // other list with sig_X, sig_Y, sig_Z and the ellipsoid semi-axis lengths
    // multiplied by the unit standard deviation (values not set stay -1).
    // A count beyond the other list is cut to its length.
    void KopirujVyrovnaneProZobrazeni(const Tsouradnice& souradnice, Extended odchylkaJednotkova,
                                      int pocetUrcovanych);
    // The list becomes copies of the first pocetBodu records of vyrovnane with
    // X, Y, Z := vyrovnane - priblizne record by record (metres). A count
    // beyond either list is cut to the shorter one.
    void Prirustky(const Tsouradnice& vyrovnane, const Tsouradnice& priblizne, int pocetBodu);
    // Moves record poradi one place up (smer true) or down (false) by
    // exchanging it with a filled neighbour; poradi follows the record.
    // Otherwise nothing changes.
    void PosunZaznam(int& poradi, bool smer);
    // Inserts a copy of the point before record poradi; an index outside the
    // list (or an empty list) throws TichePreruseni.
    void VlozitBodNaPoradi(const Tbod& novy, int poradi);
    // Three table rows per point of the first pocetBodu records of vstup for
    // the error-ellipsoid window: row 3k copies point k with poradi := 3k,
    // X := a_delka x s (metres), Y := a_smernik, Z := a_zenit (radians); rows
    // 3k + 1 and 3k + 2 the same for the b and c semi-axes. A length not set
    // stays -1. A count beyond vstup is cut to its length.
    void UlozeniElipsoiduDoSouradnice(const Tsouradnice& vstup, Extended odchylkaJednotkova,
                                      int pocetBodu);
};

}  // namespace sitmera

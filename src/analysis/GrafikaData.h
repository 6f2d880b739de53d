// Drawing data of an epoch's network: the points (number, plane position,
// error ellipse, fixed flag) and the measured lines between points with the
// number of measurements of each kind on them. The epoch reads the lines from
// its drawing-record section and rebuilds the points from its point list; the
// network drawing and its DXF export draw from it.
//
// Units: coordinates and semi-axes in metres, bearings in radians (from the
// X axis towards the Y axis). Ellipse semi-axes come from the cofactor matrix
// (unit variance); the drawing scales them by the unit deviations it holds.
//
// Text form of a drawing record (one line): iStn iCil delkaS smer zenit
// smernik delkaH prevyseni JePlny, the first eight as decimal integers, the
// flag as "-1" (true) or "0" (false), separated by one blank. A reader
// accepts blanks, tabs and commas between items; every integer must lie in
// 0 .. 10000.
#pragma once

#include <string>
#include <vector>

#include "numerics/Zaklad.h"
#include "points/Souradnice.h"

namespace sitmera {

// One drawn point. A value-initialised record is all zero.
struct TgrafikaBod {
    std::string cislo;     // point number
    Extended X = 0;        // plane coordinates (metres)
    Extended Y = 0;
    Extended a_delka = 0;  // semi-axes of the error ellipse (metres, unit variance)
    Extended b_delka = 0;
    Extended a_smernik = 0;  // bearing of the major axis (radians)
    bool JeFixni = false;    // fixed point: no ellipse
};

// One measured line: station and target (0-based indexes into the epoch's
// point list) and the number of measurements of each kind on it.
// A value-initialised record is all zero; the reset value of a record that
// holds no line is iStn = iCil = -1, counts 0, JePlny false.
struct TgrafikaZaznam {
    int iStn = 0;
    int iCil = 0;
    int delkaS = 0;     // slope lengths
    int smer = 0;       // directions
    int zenit = 0;      // zenith angles
    int smernik = 0;    // supplementary bearings
    int delkaH = 0;     // supplementary horizontal lengths
    int prevyseni = 0;  // supplementary height differences
    bool JePlny = false;
};

class TgrafikaData {
public:
    std::vector<TgrafikaBod> body;
    std::vector<TgrafikaZaznam> mereni;
    // Copies of the epoch's a-priori and a-posteriori unit standard deviations.
    Extended odchylkaJednotkovaAprior = 0;
    Extended odchylkaJednotkovaAposterior = 0;
    // The lengths of body and mereni.
    int pocetBodu = 0;
    int pocetMereni = 0;

    TgrafikaData() = default;
    // Arrays of those lengths, records zeroed (a negative length gives none).
    TgrafikaData(int pocetBod, int pocetZaznam);

    // Both arrays emptied, both unit deviations 0, both counts 0.
    void Clear();
    // Independent copy of both arrays, the two deviations and the two counts.
    void Kopiruj(const TgrafikaData& vstup);
    // Kopiruj; then, when souradnicovySystem is false, X and Y of every point
    // are negated (the drawing for the DXF export in the other axis
    // orientation).
    void KopirujDXF(const TgrafikaData& vstup, bool souradnicovySystem);

    // Rebuilds body from the point list: pocetBodu := the number of filled
    // points; record i takes cislo, X, Y, JeFixni of list record i and, for a
    // point that is not fixed, its ellipse (a_delka, b_delka, a_smernik);
    // a fixed point's ellipse fields stay 0. False, with no points, when the
    // list holds no filled point.
    bool NacistSouradnice(const Tsouradnice& souradnice);
    // Overwrites the positions of the existing points from list record i,
    // for i over body: typ true: X, Y, JeFixni copied and, for a point that
    // is not fixed, a_smernik := elipsa.a_smernik; typ false: X := the
    // point's Y, Y := its X, JeFixni copied and a_smernik := pi/2 -
    // elipsa.a_smernik (radians). Numbers and semi-axes are not touched.
    // False, with nothing changed, when the list is shorter than body.
    bool PrepsatSouradnice(const Tsouradnice& souradnice, bool typ);

    // All drawing records in text form, one per line, lines joined by CR LF,
    // trailing white space removed; an empty text for no records.
    std::string mereni2Str() const;
    // Replaces mereni by the records of the lines (one record a line, at
    // least nine items; items after the ninth are ignored). False, with no
    // records and pocetMereni 0, when a line has fewer than nine items, an
    // item is no integer (no flag for the ninth) or an integer lies outside
    // 0 .. 10000. No lines give no records and true.
    bool StrList2mereni(const TStringList& vstup);
    // Removes the records whose JePlny is false, keeping the order of the
    // others. pocetMereni is left as it was: whatever walks the records is
    // bounded by the records present as well.
    void SmazPrazdneZaznamy();

    // Text form of the points, one line per point: cislo X Y a_delka b_delka
    // a_smernik JeFixni (numbers with "." whatever the locale, the flag
    // "-1" / "0"), separated by one blank; lines joined by CR LF, trailing
    // white space removed.
    std::string body2Str() const;
    // Replaces body by the points of the lines (exactly seven items a line,
    // split at blanks and tabs). False, with no points and pocetBodu 0, on a
    // line that does not read.
    bool StrList2body(const TStringList& vstup);
};

}  // namespace sitmera

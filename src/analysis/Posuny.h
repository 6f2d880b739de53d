// Displacement records and the displacement list.
//
// One Tposun holds the displacement of one identical point between the two
// epochs: seven quantities, their a-priori and a-posteriori standard
// deviations, error ellipsoids and ellipses, limit deviations, significance
// flags and covariance blocks. The displacement model fills the numbers; this
// unit keeps them and gives the small accessors and codes that the grids,
// reports and drawings share, and the list operations (sorting, extremes,
// projections into point lists).
//
// Units: X, Y, Z, lengths, standard deviations and limit deviations in
// metres (epoch 2 minus epoch 1), bearing and zenith angle in radians,
// covariances in square metres (3 x 3 lower triangles).
//
// Quantity indexes (TposunHodnota): 0 X, 1 Y, 2 Z, 3 delkaH (horizontal
// length), 4 delkaS (spatial length), 5 smernik (bearing), 6 zenit (zenith
// angle). Only 0..4 are tested for significance (TposunProkazani).
//
// Marked values: -1 in a component means "not computed" (the reset value of
// ClearPosun); a zero-filled record (a new list slot) is all 0 and false.
//
// A Tposun also serves as the find / select criteria of the displacement
// windows: JePlny, JeFix1, prokazaniAprior and prokazaniAposter then say
// which criteria are in force, kvantilS and odchylkaAprior hold operator and
// wanted codes (stored as whole numbers), hodnota the values compared with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "numerics/Zaklad.h"
#include "points/Souradnice.h"

namespace sitmera {

// Seven quantities in index order 0..6 (see the top of the file). The same
// record carries values, standard deviations, quantiles, limits, counters and
// extremes.
struct TposunHodnota {
    Extended X = 0;
    Extended Y = 0;
    Extended Z = 0;
    Extended delkaH = 0;
    Extended delkaS = 0;
    Extended smernik = 0;
    Extended zenit = 0;
};

// Significance of the five tested quantities, index order 0..4.
struct TposunProkazani {
    bool X = false;
    bool Y = false;
    bool Z = false;
    bool delkaH = false;
    bool delkaS = false;
};

// The displacement of one identical point (or a set of criteria, see above).
struct Tposun {
    std::int32_t poradi = 0;        // 1-based position of the pair in the compared list
    std::string cislo;              // point number
    TposunHodnota hodnota;          // displacement quantities (metres, radians)
    TposunHodnota odchylkaAprior;   // a-priori standard deviations
    TposunHodnota odchylkaAposter;  // a-posteriori standard deviations
    Telipsoid elipsoidAprior;
    Telipsoid elipsoidAposter;
    Telipsa elipsaAprior;
    Telipsa elipsaAposter;
    TposunHodnota kvantilS;            // effective Student quantile, indexes 0..4
    TposunHodnota odchylkaMezAprior;   // limit deviations of the a-priori test
    TposunHodnota odchylkaMezAposter;  // limit deviations of the a-posteriori test
    TposunProkazani prokazaniAprior;   // significant a priori
    TposunProkazani prokazaniAposter;  // significant a posteriori
    Tmatrix kovMatAprior;   // a-priori 3 x 3 covariance (lower triangle, m^2)
    Tmatrix kovMatAposter;  // a-posteriori 3 x 3 covariance
    bool JePlny = false;     // record filled
    bool JeNulovyH = false;  // horizontal length exactly 0
    bool JeNulovyS = false;  // spatial length exactly 0
    bool JeFix1 = false;     // fixed in epoch 1
    bool JeFix2 = false;     // fixed in epoch 2
};

// ---------------------------------------------------------------- record routines

// Component index 0..6; any other index gives 0.
Extended HodnotaVeliciny(const TposunHodnota& hodnota, int index);
// Sets component index 0..6; any other index does nothing.
void NastavHodnotuVeliciny(TposunHodnota& hodnota, int index, Extended hodnotaVeliciny);
// All seven := 0.
void NulujPosunHodnota(TposunHodnota& hodnota);
// All seven := -1 (not computed).
void NeurcitPosunHodnota(TposunHodnota& hodnota);

// Flag index 0..4; any other index gives false.
bool ProkazaniVeliciny(const TposunProkazani& prokazani, int index);
// Sets flag index 0..4; any other index does nothing.
void NastavProkazaniVeliciny(TposunProkazani& prokazani, int index, bool hodnota);
// All five := false.
void NulujProkazani(TposunProkazani& prokazani);
// Some of the five flags equals hodnota.
bool ExistujeProkazani(const TposunProkazani& prokazani, bool hodnota);
// Adds 1 to component k of pocet for each set flag k (0..4).
void PricistProkazane(TposunHodnota& pocet, const TposunProkazani& prokazani);

// Fixed in both epochs / in neither.
bool JeFixObe(const Tposun& posun);
bool JeNefixObe(const Tposun& posun);
// JeFix1 + 2 x JeFix2: 0 free, 1 fixed in epoch 1, 2 in epoch 2, 3 in both.
int KodFix(const Tposun& posun);
// A-priori flag + 2 x a-posteriori flag of quantity index: 0 none, 1 a
// priori, 2 a posteriori, 3 both; 0 for an index outside 0..4.
int KodProkazani(const Tposun& posun, int index);
// The significance marks of quantity index: "#" when significant a priori,
// "&" when significant a posteriori, then one blank when any mark was
// written: "", "# ", "& " or "#& ". text is replaced.
void ZnackaProkazani(const Tposun& posun, int index, std::string& text);
// The same, returned.
std::string ZnackaProkazani(const Tposun& posun, int index);

// elipsa := elipsaAprior (typ 0) or elipsaAposter (typ 1); another typ leaves
// elipsa unchanged.
void ElipsaPosunu(const Tposun& posun, int typ, Telipsa& elipsa);
// prokazani := prokazaniAprior (typ 0) / prokazaniAposter (typ 1); likewise.
void ProkazaniPosunu(const Tposun& posun, int typ, TposunProkazani& prokazani);
// hodnota := odchylkaMezAprior (typ 0) / odchylkaMezAposter (typ 1); likewise.
void OdchylkaMezPosunu(const Tposun& posun, int typ, TposunHodnota& hodnota);

// JePlny, or any a-priori flag, or JeFix1, or any a-posteriori flag. Of a
// criteria record: some criterion is in force.
bool JePosunOznacen(const Tposun& posun);

// Resets a record: poradi 0, empty number; hodnota, both deviations,
// kvantilS and both limits -1; both ellipsoids and ellipses not set
// (ElipsoidDefault, ElipsaDefault); all flags false. The two covariance
// matrices are left as they are.
void ClearPosun(Tposun& posun);

// bod := a zeroed point with JePlny := posun.JePlny, cislo, soubor := KodFix
// and X, Y, Z by the projection:
//   orthogonal: hodnota.X, hodnota.Y, hodnota.Z (metres)
//   polar:      delkaS (m), smernik (rad), zenit (rad)
//   semipolar:  smernik (rad), delkaH (m), Z (m)
void PosunNaBodOrtogonal(const Tposun& posun, Tbod& bod);
void PosunNaBodPolar(const Tposun& posun, Tbod& bod);
void PosunNaBodSemipolar(const Tposun& posun, Tbod& bod);

// ---------------------------------------------------------------- the list

// Quantity codes of Tposuny::Sort besides the component indexes 0..6.
inline constexpr int kSeraditDleCisla = -1;

class Tposuny {
public:
    std::vector<Tposun> zaznam;  // the records, owned
    Extended stoceniOs = 0;      // rotation of the drawing axes: 0 or pi/2 (radians)

    Tposuny() = default;
    // A list of pocet zero-filled records.
    explicit Tposuny(int pocet);

    // Sets the length; new records are zero-filled, surplus ones dropped (a
    // negative count empties the list).
    void Velikost(int pocet);
    // Length 0, stoceniOs 0.
    void Clear();
    // This list := a copy of the records of posuny; stoceniOs copied.
    void Kopiruj(const Tposuny& posuny);
    // stoceniOs copied; length := pocetNefix; the records among the first
    // pocet of posuny that are not fixed in both epochs are copied in order.
    // A pocet beyond posuny is cut to its length; free records beyond
    // pocetNefix are not copied; slots left over stay zero-filled.
    void KopirujNefixni(const Tposuny& posuny, int pocet, int pocetNefix);
    // Appends a copy of the record.
    void PridejPosun(const Tposun& posun);
    // Appends a record reset by ClearPosun.
    void PridejPrazdnyPosun();

    // Records with JePlny.
    int PocetPlnych() const;
    // Records fixed in both epochs.
    int PocetFix() const;
    // Some record has JePlny.
    bool ExistujePlnyBod() const;
    // Removes records without JePlny from the end until a filled one is last
    // or the list is empty; true when any was removed.
    bool SmazPrazdneZaznamyNaKonci();

    // Extreme of component typ (0..6) over all records, fixed ones included:
    // the maximum (vztah true) or minimum (false) by exact comparison; of
    // equal extremes the first is kept. An index outside 0..6 gives 0; an
    // empty list gives -1 (not computed).
    Extended MarginalniPosun(int typ, bool vztah) const;

    // Stable ascending sort (the result of a bubble sort that exchanges a
    // record only when it is smaller than its predecessor). velicina -1: point
    // numbers in TextMensi order; 0..6: component velicina of hodnota, equal
    // within the tolerance of VyhovujeCislo counting as equal. Any other code
    // leaves the order unchanged.
    void Sort(int velicina);

    // Ellipsoid table of the ellipse windows, typ 1 a priori, 2 a posteriori:
    // vystup := 3 x pocetNefix points; for each record among the first pocet
    // that is not fixed in both epochs, p counting from 1, three filled points
    // with poradi p and the record's number: the a, b, c semi-axis with
    // X := length (m), Y := bearing, Z := zenith angle (rad); the first of the
    // three also gets soubor := KodFix. Another typ writes the axes as not
    // set (-1, 0, 0). Counts are cut as in KopirujNefixni.
    void UlozElipsoidyDoSouradnice(Tsouradnice& vystup, int typ, int pocet, int pocetNefix) const;
    // Ellipsoid list of the report, typ as above: vystup := pocetNefix
    // points; point j (from 0) of the free records: JePlny, poradi j + 1,
    // cislo and elipsoid := the chosen ellipsoid.
    void UlozElipsoidyDoSouradnice2(Tsouradnice& vystup, int typ, int pocet, int pocetNefix) const;

    // souradnice := pocet points, point i the projection of record i (see
    // PosunNaBod...). A pocet beyond the list is cut to its length.
    void UlozOrtogonal(Tsouradnice& souradnice, int pocet) const;
    void UlozPolar(Tsouradnice& souradnice, int pocet) const;
    void UlozSemipolar(Tsouradnice& souradnice, int pocet) const;

    // One point per record: JePlny, cislo; X, Y, Z := the differences x 1000,
    // sig_X := delkaH x 1000, sig_Y := delkaS x 1000 (millimetres).
    void UlozJakoSouradnice(Tsouradnice& souradnice) const;
};

}  // namespace sitmera

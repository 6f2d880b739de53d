// The displacement report (code letter C): the written result of the
// comparison of two epochs, built once into the displacement model's report
// buffer and reused until somebody clears it.
//
// Sections C-01 to C-13, each switched on by the report settings: the
// transformation key, basic information, the identical points, the
// displacement values in four layouts (all, orthogonal, semipolar, polar),
// the error ellipsoids of the displacements and the evaluation of X, Y, Z,
// horizontal and spatial displacement.
//
// Units: displacements, their standard deviations and limit deviations in
// the displacement unit (millimetres, or points of 1/864 ft) with the
// decimals of presnost.posun; bearings and zenith angles in the user's angle
// unit with presnost.uhel.hodnota decimals. A displacement value significant
// a priori is marked "# ", a posteriori "& ", both "#& " (X, Y, Z and the two
// lengths only: the angles are never tested). Standard deviations of a pair
// fixed in both epochs, and any that do not exist, print as "-".
#pragma once

#include <string>

#include "numerics/Zaklad.h"

namespace sitmera {

class TmodelPorovnani;
class TmodelPosuny;
class Tjazyk;
class Tnastaveni;
class Tposuny;
struct TtransformacniKlicEtapa;

// Builds the report into model.protokol unless it is already complete, and
// returns its jePlny. modelPorovnani is the comparison model of the epochs
// as loaded (its unit deviations are printed with the identical points).
// A report that fails part-way leaves the buffer empty and gives false; a
// buffer left incomplete is emptied before it is built.
bool ProtokolPosunu(TmodelPosuny& model, const TmodelPorovnani& modelPorovnani,
                    const TtransformacniKlicEtapa& klic, const Tnastaveni& nastaveni,
                    const Tjazyk& jazyk);

// C-02: counts, significance level, significant and marginal displacements.
void SekceInfoPosunu(TmodelPosuny& model, const Tnastaveni& nastaveni, const Tjazyk& jazyk,
                     const std::string& nadpis);
// C-03: the identical points of both epochs in pairs; presnost is the
// accuracy choice + 1 (1 none, 2 a priori, 3 a posteriori, 4 both).
void SekceIdentickychBodu(TmodelPosuny& model, const TmodelPorovnani& modelPorovnani,
                          const Tnastaveni& nastaveni, const Tjazyk& jazyk,
                          const std::string& nadpis, int presnost);
// C-04 .. C-07: displacement values, kod 1 none, 2 a priori, 3 a posteriori,
// 4 both; rozlozeni 1 all, 2 orthogonal, 3 semipolar, 4 polar.
void SekceHodnotPosunu(TmodelPosuny& model, const Tnastaveni& nastaveni, const Tjazyk& jazyk,
                       const std::string& nadpis, int kod, int rozlozeni);
// C-08: error ellipsoids of the displacements not fixed in both epochs,
// kod 1 a priori, 2 a posteriori.
void SekceElipsoiduPosunu(TmodelPosuny& model, const Tnastaveni& nastaveni, const Tjazyk& jazyk,
                          const std::string& nadpis, int kod);
// C-09 .. C-13: evaluation of quantity velicina (0 X .. 4 spatial length),
// kod 1 a priori, 2 a posteriori, 3 both.
void SekceHodnoceni(TmodelPosuny& model, const Tnastaveni& nastaveni, const Tjazyk& jazyk,
                    const std::string& nadpis, int kod, int velicina);

// The significant displacements of quantity velicina (0 X .. 4 spatial
// length): "a / p", the a-priori and the a-posteriori count, each "-" when
// that test is off (as the report's C-02 and the displacement windows show
// them).
std::string TextPoctuProkazanych(const TmodelPosuny& model, int velicina);

// The 12 label / value rows of C-02.
TtextPole TabulkaInfoPosunu(const TmodelPosuny& model, const Tnastaveni& nastaveni,
                            const Tjazyk& jazyk);
// Long names and units of a value table (kod and rozlozeni as above).
TtextVektor PopisySloupcuPosunu(const Tjazyk& jazyk, const Tnastaveni& nastaveni, int kod,
                                int rozlozeni);
TtextVektor JednotkySloupcuPosunu(const Tjazyk& jazyk, const Tnastaveni& nastaveni, int kod,
                                  int rozlozeni);
// Rows of a value table: one per record among the first n, n = filled records.
TtextPole TabulkaPosunuProtokol(const Tposuny& posuny, const Tnastaveni& nastaveni, int kod,
                                int rozlozeni);
// Long names and units of an evaluation table.
TtextVektor PopisySloupcuHodnoceni(const Tjazyk& jazyk);
TtextVektor JednotkySloupcuHodnoceni(const Tjazyk& jazyk);
// Rows of an evaluation table: serial, point number, marked value, standard
// deviation and limit deviation of quantity velicina.
TtextPole TabulkaHodnoceni(const Tposuny& posuny, const Tnastaveni& nastaveni, int kod,
                           int velicina);

}  // namespace sitmera

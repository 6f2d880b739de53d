// The transformation key: how both epochs are brought into one common frame
// before they are compared.
//
// A key holds a translation t (3 x 1, metres) and a rotation R (3 x 3) that
// map every point as p' = R p + t, and the rotation angles (radians) with
// R = RotationMatrix3(angle0, angle1, angle2) = Rx(angle0) Ry(angle1) Rz(angle2).
// Kinds (typ):
//   0 identity: R = I, t = 0.
//   1 station and target: the station becomes the origin, the first axis
//     points horizontally to the target, the third axis is the vertical;
//     heights only shift (a rotation about the vertical only).
//   2 three points: the station becomes the origin, the first axis points to
//     the first target, the second axis lies in the plane of the three points
//     towards the second target, the third completes a right-handed frame.
//   3 user values: R from the user's three angles, t the user's translation.
// Kinds 1 and 2 take their points from three point lists the key refers to
// but never owns: the point lists of epoch 1 and epoch 2 of the loaded
// comparison model and the user points. typBod[role] chooses the list of a
// role (0 epoch 1, 1 epoch 2, 2 user points) and poradiBod[role][list] the
// 0-based index of the role's point in that list (-1 = no point chosen).
// Roles: 0 station, 1 first target, 2 second target. The lists must outlive
// the key's use of them; whoever replaces a list's content copies into the
// same list object, so the key keeps pointing at the live list.
//
// A key that cannot be computed (a role without a point, an index outside its
// list, an empty point record, a target on the station's vertical, three
// points on one line) is not filled: R = 0 (zeros, not the identity), t = 0,
// angles 0.
#pragma once

#include <cstdint>

#include "numerics/Zaklad.h"
#include "points/Souradnice.h"

namespace sitmera {

struct TtransformacniKlicEtapa {
    bool jePlny = true;       // the key is computed and usable
    std::uint8_t typ = 0;     // 0 identity, 1 station and target, 2 three points, 3 user values
    TindexVector typBod;      // 3: list of each role (0 epoch 1, 1 epoch 2, 2 user points)
    TindexMatrix poradiBod;   // 3 x 3: [role][list] 0-based point index, -1 = none
    Tmatrix translace;        // 3 x 1 computed translation (metres)
    Tmatrix rotace;           // 3 x 3 computed rotation
    Tvector uhelStoceni;      // 3 computed rotation angles (radians)
    Tmatrix translaceUser;    // 3 x 1 user translation (metres)
    Tvector uhelStoceniUser;  // 3 user rotation angles (radians)
    TboolVector translaceUserJePlny;    // 3: the user translation of the axis is given
    TboolVector uhelStoceniUserJePlny;  // 3: the user angle of the axis is given
    // The lists of the station, first target and second target (references
    // only; null until PriraditSouradniceKlice).
    const Tsouradnice* souradniceBod = nullptr;
    const Tsouradnice* souradniceCil1 = nullptr;
    const Tsouradnice* souradniceCil2 = nullptr;

    // A new key is in the ClearKlic state with no lists.
    TtransformacniKlicEtapa();
};

// The initial key: filled identity (typ 0, typBod (0, 0, 0), every poradiBod
// -1, t = 0, R = I, angles 0, user values 0 and all given-flags true). The
// list references stay as they are.
void ClearKlic(TtransformacniKlicEtapa& klic);

// poradiBod[role][sloupec] := -1 for every role: the point choices in one list
// (0 epoch 1, 1 epoch 2, 2 user points). Another column changes nothing.
void NulujPoradiBod(TtransformacniKlicEtapa& klic, std::uint8_t sloupec);

// cil := an independent copy of zdroj; the list references are copied as
// references.
void KopirujKlic(TtransformacniKlicEtapa& cil, const TtransformacniKlicEtapa& zdroj);

// Binds each role to its list: s0, s1 or s2 as typBod[role] is 0, 1 or 2; any
// other value leaves the role's reference as it is.
void PriraditSouradniceKlice(TtransformacniKlicEtapa& klic, const Tsouradnice& s0,
                             const Tsouradnice& s1, const Tsouradnice& s2);

// Computes translace (metres), rotace and uhelStoceni (radians, each brought
// into [0, 2 pi) except angle 1 = -pi/2, see VypocetUhluStoceni) by typ, sets
// jePlny and returns it. Kind 3 copies the user values unchanged (angles not
// normalised; the given-flags are not consulted). On failure, and for a typ
// above 3: R = 0, t = 0, angles 0, jePlny false.
// Call PriraditSouradniceKlice first when the lists may have changed.
bool VypocetKlice(TtransformacniKlicEtapa& klic);

// True when for each axis the user translation and the user angle are zero
// (magnitude at most 1e-16) or not given.
bool JeUzivatelskyKlicNulovy(const TtransformacniKlicEtapa& klic);

// Appends the 19 text lines of the key kept in the project file: typ;
// typBod 0..2; poradiBod by rows (role 0 lists 0..2, role 1, role 2);
// translaceUser 0..2 (metres) and uhelStoceniUser 0..2 (radians) by
// CisloNaText.
void TextKlic(const TtransformacniKlicEtapa& klic, TStringList& lines);

// The frame of three points: rows of rotace := a, b, c with
//   a = (A - S)/|A - S|,  b = the component of B - S perpendicular to a, unit,
//   c = a x b,
// and translace := -rotace S, so that p' = R (p - S). Points in metres.
// False (rotace 3 x 3 zeros, translace 3 x 1 zeros) when A coincides with S
// or B lies on the line S-A exactly (a zero length).
bool VypocetTransformace(const Tbod& S, const Tbod& A, const Tbod& B, Tmatrix& translace,
                         Tmatrix& rotace);

// The angles (radians) with RotationMatrix3(u0, u1, u2) = rotace, from
// R[0][2] = -sin(u1), R[1][2] = sin(u0) cos(u1), R[2][2] = cos(u0) cos(u1),
// R[0][1] = cos(u1) sin(u2), R[0][0] = cos(u1) cos(u2). When R[0][2] is -1 or
// +1 (within 1e-16) only u0 - u2 or u0 + u2 is defined: u2 := 0 and
// u1 := +pi/2 or -pi/2 (the latter not normalised). Other angles lie in
// [0, 2 pi). False (angles 0) on an arithmetic failure.
bool VypocetUhluStoceni(const Tmatrix& rotace, Tvector& uhelStoceni);

}  // namespace sitmera

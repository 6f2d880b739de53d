// Point geometry: distances, bearings, zenith angles, the three-point frame
// and the merge of two ordered ranges of a point list.
#include "points/Geometrie.h"

#include <cmath>

#include "numerics/Jednotky.h"
#include "numerics/Matrix2.h"
#include "numerics/TextPole.h"

namespace sitmera {

namespace {

Extended Ctverec(Extended x) { return x * x; }

// arccos(x) as atan2(sqrt((1 + x)(1 - x)), x): accurate near x = +-1, where
// acos loses half of its digits. x outside [-1, 1] throws ChybaAritmetiky.
Extended ArcCosPresne(Extended x) { return std::atan2(Odmocnina((1 + x) * (1 - x)), x); }

// The platform's same-value test against zero with tolerance 1e-16.
bool JeNula(Extended x) { return std::fabs(x) <= 1e-16L; }

// c := A x v for a 3 x 3 matrix and a vector of three, each element summed
// from 0 in column order.
void Soucin3(const Tmatrix& A, const Extended v[3], Extended c[3])
{
    for (int i = 0; i < 3; ++i) {
        Extended s = 0;
        for (int k = 0; k < 3; ++k) s += A[i][k] * v[k];
        c[i] = s;
    }
}

// Result of the three-point frame (steps shared by MistniSoustavaTriBodu and
// UhelNatoceniTriBodu).
struct TramecTriBodu {
    Extended uhel = 0;
    Extended alfa = 0;
    Extended beta = 0;
    Extended gama = 0;
    Extended u[3] = {0, 0, 0};  // P1 - P0 in the local frame: (|u|, 0, 0)
    Extended w[3] = {0, 0, 0};  // P2 - P0 in the local frame, third component 0
};

// Frame with origin P0, first axis towards P1, P2 in the plane of the first
// two axes. False when P1 or P2 coincides with P0.
//
// alfa turns the frame about Z so that u has no Y component, beta about the
// new Y so that u has no Z component (u = (|u|, 0, 0)); gama then turns about
// the first axis so that w loses its Z component. tan(gama) = wz / wy keeps
// the sign of wy (of wz when wy is 0), which decides the positive side of the
// angle from u to w.
bool TramecZTriBodu(const Tbod& P0, const Tbod& P1, const Tbod& P2, TramecTriBodu& t)
{
    Extended u[3] = {P1.X - P0.X, P1.Y - P0.Y, P1.Z - P0.Z};
    Extended w[3] = {P2.X - P0.X, P2.Y - P0.Y, P2.Z - P0.Z};
    const Extended delkaU = std::sqrt(Ctverec(u[0]) + Ctverec(u[1]) + Ctverec(u[2]));
    const Extended delkaW = std::sqrt(Ctverec(w[0]) + Ctverec(w[1]) + Ctverec(w[2]));
    if (!(delkaU > 0) || !(delkaW > 0)) return false;

    t.alfa = std::atan2(u[1], u[0]);
    t.beta = std::atan2(-u[2], std::sqrt(Ctverec(u[0]) + Ctverec(u[1])));
    Tmatrix R1;
    RotationMatrix3(R1, 0, t.beta, t.alfa);
    Soucin3(R1, u, t.u);
    Extended w1[3];
    Soucin3(R1, w, w1);

    if (!JeNula(w1[1])) {
        t.gama = std::atan(w1[2] / w1[1]);
    } else if (!JeNula(w1[2])) {
        t.gama = Pi / 2;
    } else {
        t.gama = 0;
    }
    Tmatrix R2;
    RotationMatrix3(R2, t.gama, 0, 0);
    Soucin3(R2, w1, t.w);

    t.uhel = SmernikZeSouradnic(0, 0, t.w[0], t.w[1]);
    for (Extended x : {t.uhel, t.u[0], t.u[1], t.u[2], t.w[0], t.w[1], t.w[2]}) {
        if (!std::isfinite(x)) return false;
    }
    return true;
}

}  // namespace

Extended DelkaVodorovna(const Tbod& A, const Tbod& B)
{
    return std::sqrt(Ctverec(B.X - A.X) + Ctverec(B.Y - A.Y));
}

Extended DelkaZeSouradnic(Extended x1, Extended y1, Extended x2, Extended y2)
{
    return std::sqrt(Ctverec(x2 - x1) + Ctverec(y2 - y1));
}

Extended DelkaSikma(const Tbod& A, const Tbod& B)
{
    return std::sqrt(Ctverec(B.X - A.X) + Ctverec(B.Y - A.Y) + Ctverec(B.Z - A.Z));
}

Extended SmernikBodu(const Tbod& A, const Tbod& B)
{
    return NormujUhel(std::atan2(B.Y - A.Y, B.X - A.X));
}

Extended SmernikZeSouradnic(Extended x1, Extended y1, Extended x2, Extended y2)
{
    return NormujUhel(std::atan2(y2 - y1, x2 - x1));
}

Extended ZenitBodu(const Tbod& A, const Tbod& B)
{
    // zenith = arccos(dZ / S), S the slope length.
    try {
        return ArcCosPresne(Podil(B.Z - A.Z, DelkaSikma(A, B)));
    } catch (const ChybaAritmetiky&) {
        return 0;
    }
}

bool UhelVodorovny(Extended& uhel, const Tbod& bod, const Tbod& cil1, const Tbod& cil2)
{
    uhel = 0;
    if (!(DelkaVodorovna(bod, cil1) > 0) || !(DelkaVodorovna(bod, cil2) > 0)) return false;
    const Extended u = NormujUhel(SmernikBodu(bod, cil2) - SmernikBodu(bod, cil1));
    if (!std::isfinite(u)) return false;
    uhel = u;
    return true;
}

bool UhelProstorovy(Extended& uhel, const Tbod& bod, const Tbod& cil1, const Tbod& cil2)
{
    uhel = 0;
    if (!(DelkaSikma(bod, cil1) > 0) || !(DelkaSikma(bod, cil2) > 0)) return false;
    const Extended u = ZenitBodu(bod, cil2) - ZenitBodu(bod, cil1);
    if (!std::isfinite(u)) return false;
    uhel = u;
    return true;
}

bool MistniSoustavaTriBodu(Extended& uhel, Tbod& bod0, Tbod& bod1, Tbod& bod2, Tmatrix& rotace)
{
    uhel = 0;
    TramecTriBodu t;
    if (!TramecZTriBodu(bod0, bod1, bod2, t)) return false;
    Tmatrix R;
    RotationMatrix3(R, t.gama, t.beta, t.alfa);

    // Everything is computed; only now are the outputs written.
    uhel = t.uhel;
    rotace = std::move(R);
    bod0.X = 0;
    bod0.Y = 0;
    bod0.Z = 0;
    bod1.X = t.u[0];
    bod1.Y = t.u[1];
    bod1.Z = t.u[2];
    bod2.X = t.w[0];
    bod2.Y = t.w[1];
    bod2.Z = t.w[2];
    return true;
}

bool UhelNatoceniTriBodu(Extended& uhel, const Tbod& bod0, const Tbod& bod1, const Tbod& bod2)
{
    uhel = 0;
    TramecTriBodu t;
    if (!TramecZTriBodu(bod0, bod1, bod2, t)) return false;
    uhel = t.uhel;
    return true;
}

void PreradBodyDleRozsahu(const Tsouradnice& zdroj, Tsouradnice& cil, int pocet1, int pocet2)
{
    const std::vector<Tbod>& z = zdroj.bod;
    if (pocet1 < 1 || pocet2 < 1) {
        cil.Kopiruj(zdroj);
        return;
    }
    if (static_cast<long long>(pocet1) + pocet2 > static_cast<long long>(z.size())) {
        throw ChybaArgumentu("PreradBodyDleRozsahu: the ranges reach past the list");
    }
    const std::size_t konec1 = static_cast<std::size_t>(pocet1);
    const std::size_t konec2 = konec1 + static_cast<std::size_t>(pocet2);
    std::vector<Tbod> vysledek;
    vysledek.reserve(konec2);
    std::size_t i = 0;
    std::size_t j = konec1;
    while (i < konec1 && j < konec2) {
        if (TextMensiRovno(z[i].cislo, z[j].cislo)) {
            vysledek.push_back(z[i++]);
        } else {
            vysledek.push_back(z[j++]);
        }
    }
    while (i < konec1) vysledek.push_back(z[i++]);
    while (j < konec2) vysledek.push_back(z[j++]);
    cil.bod = std::move(vysledek);  // built aside: zdroj may be cil
}

}  // namespace sitmera

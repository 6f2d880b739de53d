#include "analysis/EtapaTransformacniKlic.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "numerics/Jednotky.h"
#include "numerics/Matrix2.h"
#include "numerics/TextPole.h"
#include "points/Geometrie.h"

namespace sitmera {

namespace {

constexpr int PocetRoli = 3;
constexpr int PocetSeznamu = 3;

// Tolerance of the same-value test: |a - b| <= max(min(|a|, |b|) x 1e-16, 1e-16).
constexpr Extended TolerancePorovnani = 1e-16L;

// Noise factor of the collinearity test (see JsouNaPrimce).
constexpr Extended NasobekSumu = 64.0L;

bool StejnaHodnota(Extended a, Extended b)
{
    const Extended tolerance =
        std::max(std::min(std::fabs(a), std::fabs(b)) * TolerancePorovnani, TolerancePorovnani);
    return std::fabs(a - b) <= tolerance;
}

// An angle brought into [0, 2 pi), with -0 turned into +0.
Extended Normuj(Extended uhel)
{
    return Konecne(NormujUhel(uhel)) + 0.0L;
}

// The failed key: R = 0 (not the identity), t = 0, angles 0, not filled.
void NulovyKlic(TtransformacniKlicEtapa& klic)
{
    MatrixCreate(klic.translace, 3, 1);
    MatrixCreate(klic.rotace, 3, 3);
    VectorCreate(klic.uhelStoceni, 3);
    klic.jePlny = false;
}

bool MaTvarKlice(const TtransformacniKlicEtapa& klic)
{
    if (klic.typBod.size() < PocetRoli || klic.poradiBod.size() < PocetRoli) return false;
    for (int r = 0; r < PocetRoli; ++r)
        if (klic.poradiBod[r].size() < PocetSeznamu) return false;
    return true;
}

// Copy of the point chosen for a role from the role's list. False when the
// role has no point (-1), its list is unknown or not bound, the index lies
// outside the list or the record holds no point.
bool BodRole(const TtransformacniKlicEtapa& klic, int role, const Tsouradnice* seznam, Tbod& bod)
{
    if (!MaTvarKlice(klic)) return false;
    const int sloupec = klic.typBod[role];
    if (sloupec < 0 || sloupec >= PocetSeznamu) return false;
    const int index = klic.poradiBod[role][sloupec];
    if (index < 0 || seznam == nullptr) return false;
    if (static_cast<std::size_t>(index) >= seznam->bod.size()) return false;
    if (!seznam->bod[index].JePlny) return false;
    bod = seznam->bod[index];
    return true;
}

Extended MaxSouradnice(const Tbod& b)
{
    return std::max({std::fabs(b.X), std::fabs(b.Y), std::fabs(b.Z)});
}

Extended DelkaOd(const Tbod& s, const Tbod& b)
{
    const Extended dx = b.X - s.X;
    const Extended dy = b.Y - s.Y;
    const Extended dz = b.Z - s.Z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

// Three points count as lying on one line when the sine of the angle at S
// between the directions to T1 and T2 is zero within the noise of the
// coordinates themselves. A coordinate of magnitude M is held to about
// M x eps (eps = 2^-63); a direction of length d then turns by up to
// ~M eps / d, so |sin| below k M eps / min(d1, d2) (k = 64, a wide margin)
// says nothing about the geometry. Never tighter than 1e-16, the zero of the
// same-value test. Lengths are non-zero here (UhelNatoceniTriBodu checked).
bool JsouNaPrimce(Extended uhel, const Tbod& S, const Tbod& T1, const Tbod& T2)
{
    const Extended M = std::max({MaxSouradnice(S), MaxSouradnice(T1), MaxSouradnice(T2)});
    const Extended dMin = std::min(DelkaOd(S, T1), DelkaOd(S, T2));
    const Extended sum = NasobekSumu * std::numeric_limits<Extended>::epsilon() * M / dMin;
    const Extended tolerance = std::max(TolerancePorovnani, sum);
    return !(std::fabs(std::sin(uhel)) > tolerance);
}

// Frame and angles of a computed key; false fails the key.
bool RamecAUhly(TtransformacniKlicEtapa& klic, const Tbod& S, const Tbod& A, const Tbod& B)
{
    if (!VypocetTransformace(S, A, B, klic.translace, klic.rotace)) return false;
    return VypocetUhluStoceni(klic.rotace, klic.uhelStoceni);
}

bool KlicStanoviskoCil(TtransformacniKlicEtapa& klic)
{
    Tbod S;
    Tbod T;
    if (!BodRole(klic, 0, klic.souradniceBod, S)) return false;
    if (!BodRole(klic, 1, klic.souradniceCil1, T)) return false;
    // P: the horizontal direction S -> T turned by +90 degrees (from X
    // towards Y), at the same distance and height; heights are ignored.
    Tbod P = S;
    P.X = S.X - (T.Y - S.Y);
    P.Y = S.Y + (T.X - S.X);
    P.Z = S.Z;
    T.Z = S.Z;
    return RamecAUhly(klic, S, T, P);
}

bool KlicTriBody(TtransformacniKlicEtapa& klic)
{
    Tbod S;
    Tbod T1;
    Tbod T2;
    if (!BodRole(klic, 0, klic.souradniceBod, S)) return false;
    if (!BodRole(klic, 1, klic.souradniceCil1, T1)) return false;
    if (!BodRole(klic, 2, klic.souradniceCil2, T2)) return false;
    Extended uhel = 0;
    if (!UhelNatoceniTriBodu(uhel, S, T1, T2)) return false;
    if (JsouNaPrimce(uhel, S, T1, T2)) return false;
    return RamecAUhly(klic, S, T1, T2);
}

bool KlicUzivatelsky(TtransformacniKlicEtapa& klic)
{
    if (klic.uhelStoceniUser.size() < 3 || klic.translaceUser.size() < 3) return false;
    for (int i = 0; i < 3; ++i)
        if (klic.translaceUser[i].empty()) return false;
    const Tvector& u = klic.uhelStoceniUser;
    RotationMatrix3(klic.rotace, u[0], u[1], u[2]);
    for (const Tvector& radek : klic.rotace)
        for (Extended x : radek) Konecne(x);
    VectorCopy(klic.uhelStoceniUser, klic.uhelStoceni);
    MatrixCopy(klic.translaceUser, klic.translace);
    return true;
}

}  // namespace

TtransformacniKlicEtapa::TtransformacniKlicEtapa()
{
    ClearKlic(*this);
}

void ClearKlic(TtransformacniKlicEtapa& klic)
{
    klic.jePlny = true;
    klic.typ = 0;
    IndexVectorCreate(klic.typBod, PocetRoli);
    IndexMatrixCreate(klic.poradiBod, PocetRoli, PocetSeznamu);
    for (TindexVector& radek : klic.poradiBod) std::fill(radek.begin(), radek.end(), -1);
    MatrixCreate(klic.translace, 3, 1);
    RotationMatrix3(klic.rotace, 0, 0, 0);
    VectorCreate(klic.uhelStoceni, 3);
    MatrixCreate(klic.translaceUser, 3, 1);
    VectorCreate(klic.uhelStoceniUser, 3);
    BoolVectorCreate(klic.translaceUserJePlny, 3);
    BoolVectorFill(klic.translaceUserJePlny, true);
    BoolVectorCreate(klic.uhelStoceniUserJePlny, 3);
    BoolVectorFill(klic.uhelStoceniUserJePlny, true);
}

void NulujPoradiBod(TtransformacniKlicEtapa& klic, std::uint8_t sloupec)
{
    for (TindexVector& radek : klic.poradiBod)
        if (sloupec < radek.size()) radek[sloupec] = -1;
}

void KopirujKlic(TtransformacniKlicEtapa& cil, const TtransformacniKlicEtapa& zdroj)
{
    if (&cil == &zdroj) return;
    cil.jePlny = zdroj.jePlny;
    cil.typ = zdroj.typ;
    IndexVectorCopy(zdroj.typBod, cil.typBod);
    IndexMatrixCopy(zdroj.poradiBod, cil.poradiBod);
    MatrixCopy(zdroj.translace, cil.translace);
    MatrixCopy(zdroj.rotace, cil.rotace);
    VectorCopy(zdroj.uhelStoceni, cil.uhelStoceni);
    MatrixCopy(zdroj.translaceUser, cil.translaceUser);
    VectorCopy(zdroj.uhelStoceniUser, cil.uhelStoceniUser);
    BoolVectorCopy(zdroj.translaceUserJePlny, cil.translaceUserJePlny);
    BoolVectorCopy(zdroj.uhelStoceniUserJePlny, cil.uhelStoceniUserJePlny);
    cil.souradniceBod = zdroj.souradniceBod;
    cil.souradniceCil1 = zdroj.souradniceCil1;
    cil.souradniceCil2 = zdroj.souradniceCil2;
}

void PriraditSouradniceKlice(TtransformacniKlicEtapa& klic, const Tsouradnice& s0,
                             const Tsouradnice& s1, const Tsouradnice& s2)
{
    const Tsouradnice* seznamy[PocetSeznamu] = {&s0, &s1, &s2};
    const Tsouradnice** role[PocetRoli] = {&klic.souradniceBod, &klic.souradniceCil1,
                                           &klic.souradniceCil2};
    for (int r = 0; r < PocetRoli && r < static_cast<int>(klic.typBod.size()); ++r) {
        const int t = klic.typBod[r];
        if (t >= 0 && t < PocetSeznamu) *role[r] = seznamy[t];
    }
}

bool VypocetKlice(TtransformacniKlicEtapa& klic)
{
    bool uspech = false;
    try {
        switch (klic.typ) {
        case 0:
            MatrixCreate(klic.translace, 3, 1);
            RotationMatrix3(klic.rotace, 0, 0, 0);
            VectorCreate(klic.uhelStoceni, 3);
            uspech = true;
            break;
        case 1:
            uspech = KlicStanoviskoCil(klic);
            break;
        case 2:
            uspech = KlicTriBody(klic);
            break;
        case 3:
            uspech = KlicUzivatelsky(klic);
            break;
        default:
            // An unknown kind gives no usable key.
            uspech = false;
            break;
        }
    } catch (...) {
        uspech = false;
    }
    if (!uspech) {
        NulovyKlic(klic);
        return false;
    }
    klic.jePlny = true;
    return true;
}

bool JeUzivatelskyKlicNulovy(const TtransformacniKlicEtapa& klic)
{
    auto jeNula = [](Extended x) { return std::fabs(x) <= TolerancePorovnani; };
    for (std::size_t i = 0; i < 3; ++i) {
        const bool tDan = i < klic.translaceUserJePlny.size() && klic.translaceUserJePlny[i];
        const bool uDan = i < klic.uhelStoceniUserJePlny.size() && klic.uhelStoceniUserJePlny[i];
        const Extended t = (i < klic.translaceUser.size() && !klic.translaceUser[i].empty())
                               ? klic.translaceUser[i][0]
                               : 0;
        const Extended u = i < klic.uhelStoceniUser.size() ? klic.uhelStoceniUser[i] : 0;
        if (tDan && !jeNula(t)) return false;
        if (uDan && !jeNula(u)) return false;
    }
    return true;
}

void TextKlic(const TtransformacniKlicEtapa& klic, TStringList& lines)
{
    auto cele = [](std::int64_t n) { return std::to_string(n); };
    lines.push_back(cele(klic.typ));
    for (int r = 0; r < PocetRoli; ++r)
        lines.push_back(cele(r < static_cast<int>(klic.typBod.size()) ? klic.typBod[r] : 0));
    for (int r = 0; r < PocetRoli; ++r)
        for (int s = 0; s < PocetSeznamu; ++s) {
            const bool je = r < static_cast<int>(klic.poradiBod.size()) &&
                            s < static_cast<int>(klic.poradiBod[r].size());
            lines.push_back(cele(je ? klic.poradiBod[r][s] : -1));
        }
    for (int i = 0; i < 3; ++i) {
        const bool je = i < static_cast<int>(klic.translaceUser.size()) &&
                        !klic.translaceUser[i].empty();
        lines.push_back(CisloNaText(je ? klic.translaceUser[i][0] : 0));
    }
    for (int i = 0; i < 3; ++i) {
        const bool je = i < static_cast<int>(klic.uhelStoceniUser.size());
        lines.push_back(CisloNaText(je ? klic.uhelStoceniUser[i] : 0));
    }
}

bool VypocetTransformace(const Tbod& S, const Tbod& A, const Tbod& B, Tmatrix& translace,
                         Tmatrix& rotace)
{
    try {
        Extended a[3] = {A.X - S.X, A.Y - S.Y, A.Z - S.Z};
        const Extended la = Odmocnina(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
        for (Extended& x : a) x = Podil(x, la);

        // Gram-Schmidt: b loses its component along a. When B lies close to
        // the line S-A, b is a small difference of large vectors and keeps a
        // rounding residue along a; the second pass removes it, so that the
        // rows stay orthonormal (to rounding) and R remains a rotation.
        Extended b[3] = {B.X - S.X, B.Y - S.Y, B.Z - S.Z};
        for (int pruchod = 0; pruchod < 2; ++pruchod) {
            const Extended ab = a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
            for (int i = 0; i < 3; ++i) b[i] -= ab * a[i];
        }
        const Extended lb = Odmocnina(b[0] * b[0] + b[1] * b[1] + b[2] * b[2]);
        for (Extended& x : b) x = Podil(x, lb);

        const Extended c[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                               a[0] * b[1] - a[1] * b[0]};

        Tmatrix R;
        MatrixCreate(R, 3, 3);
        for (int j = 0; j < 3; ++j) {
            R[0][j] = Konecne(a[j]);
            R[1][j] = Konecne(b[j]);
            R[2][j] = Konecne(c[j]);
        }
        // t = -R S, so that R p + t = R (p - S).
        Tmatrix s;
        MatrixCreate(s, 3, 1);
        s[0][0] = S.X;
        s[1][0] = S.Y;
        s[2][0] = S.Z;
        Tmatrix t;
        MatrixMultiply(R, s, t);
        MatrixScale(t, -1);
        for (const Tvector& radek : t) Konecne(radek[0]);
        rotace = std::move(R);
        translace = std::move(t);
        return true;
    } catch (...) {
        MatrixCreate(rotace, 3, 3);
        MatrixCreate(translace, 3, 1);
        return false;
    }
}

bool VypocetUhluStoceni(const Tmatrix& rotace, Tvector& uhelStoceni)
{
    try {
        if (rotace.size() < 3) throw ChybaArgumentu("rotation is not 3 x 3");
        for (int i = 0; i < 3; ++i)
            if (rotace[i].size() < 3) throw ChybaArgumentu("rotation is not 3 x 3");
        const Tmatrix& R = rotace;
        Tvector u(3, 0.0L);
        if (StejnaHodnota(R[0][2], -1)) {
            // cos(u1) = 0, sin(u1) = 1: R[1][0] = sin(u0 - u2), R[2][0] = cos(u0 - u2).
            u[0] = Normuj(std::atan2(R[1][0], R[2][0]));
            u[1] = Pi / 2;
            u[2] = 0;
        } else if (StejnaHodnota(R[0][2], 1)) {
            // sin(u1) = -1: R[1][0] = -sin(u0 + u2), R[2][0] = -cos(u0 + u2).
            u[0] = Normuj(std::atan2(-R[1][0], -R[2][0]));
            u[1] = -Pi / 2;
            u[2] = 0;
        } else {
            u[1] = Normuj(-ArcSin(R[0][2]));
            const Extended c = std::cos(u[1]);
            u[0] = Normuj(std::atan2(Podil(R[1][2], c), Podil(R[2][2], c)));
            u[2] = Normuj(std::atan2(Podil(R[0][1], c), Podil(R[0][0], c)));
        }
        uhelStoceni = std::move(u);
        return true;
    } catch (...) {
        VectorCreate(uhelStoceni, 3);
        return false;
    }
}

}  // namespace sitmera

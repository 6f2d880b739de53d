#include "analysis/AnalyzaVnitrni.h"

#include <cmath>
#include <utility>
#include <vector>

#include "analysis/ElipsyChyb.h"
#include "numerics/Jednotky.h"
#include "numerics/Matrix2.h"
#include "points/Geometrie.h"

namespace sitmera {

namespace {

// A difference counts as zero within this magnitude.
constexpr Extended NulaRozdilu = 1e-16L;
// Stand-in for a zero difference that would make a zenith formula singular.
constexpr Extended NahradaNuly = 1e-7L;
// A variance below zero by at most this share of the sum of the magnitudes of
// its terms is a rounding residue of a true 0.
constexpr Extended RezervaZaokrouhleni = 1e-12L;

Extended Ctverec(Extended x)
{
    return x * x;
}

bool JeNula(Extended x)
{
    return std::fabs(x) <= NulaRozdilu;
}

// The variance itself, or 0 for a rounding residue just below zero. A clearly
// negative or non-finite value is passed on for Odmocnina to reject.
Extended NezapornyRozptyl(Extended rozptyl, Extended meritko)
{
    if (rozptyl < 0 && rozptyl >= -RezervaZaokrouhleni * meritko) return 0;
    return rozptyl;
}

// D must be a 3 x 3 lower triangle (or larger).
void KontrolaBloku3(const Tmatrix& D)
{
    if (D.size() < 3) throw ChybaArgumentu("Covariance block too small");
    for (std::size_t i = 0; i < 3; ++i)
        if (D[i].size() < i + 1) throw ChybaArgumentu("Covariance block too small");
}

// M must be a full 9 x 9 matrix (or larger).
void KontrolaPlne9(const Tmatrix& M)
{
    if (M.size() < 9) throw ChybaArgumentu("Covariance matrix too small");
    for (std::size_t i = 0; i < 9; ++i)
        if (M[i].size() < 9) throw ChybaArgumentu("Covariance matrix too small");
}

// J M J^T for a 1 x 9 row J and a full symmetric 9 x 9 M.
Extended KvadratickaForma9(const Extended (&J)[9], const Tmatrix& M)
{
    KontrolaPlne9(M);
    Extended soucet = 0;
    Extended meritko = 0;
    for (int i = 0; i < 9; ++i)
        for (int j = 0; j < 9; ++j) {
            const Extended clen = J[i] * M[i][j] * J[j];
            soucet += clen;
            meritko += std::fabs(clen);
        }
    return NezapornyRozptyl(Konecne(soucet), meritko);
}

// Runs a throwing deviation formula inside an error trap.
template <typename F>
bool VPasti(Extended& s, F vzorec)
{
    s = 0;
    try {
        const Extended v = Konecne(vzorec());
        s = v;
        return true;
    } catch (const ChybaAritmetiky&) {
    } catch (const ChybaArgumentu&) {
    }
    return false;
}

// First row of a point's block in the epoch's cofactor matrix.
int RadekBloku(const Tbod& bod)
{
    return 3 * (bod.poradi - 1);
}

// The block of rows radek .. radek+2 lies inside the lower triangle kovMat.
void KontrolaRadkuBloku(const Tmatrix& kovMat, int radek)
{
    if (radek < 0 || static_cast<std::size_t>(radek) + 3 > kovMat.size())
        throw ChybaArgumentu("Covariance block outside the matrix");
    for (int i = 0; i < 3; ++i)
        if (kovMat[radek + i].size() < static_cast<std::size_t>(radek + i + 1))
            throw ChybaArgumentu("Covariance block outside the matrix");
}

// A row of an analysis with nothing defined.
Tbod PrazdnyRadek()
{
    Tbod radek;
    BodDefault(radek);
    radek.kontrola = {};
    return radek;
}

bool PlatnyIndex(const Tsouradnice& souradnice, int i)
{
    return i >= 0 && static_cast<std::size_t>(i) < souradnice.bod.size();
}

// Defines the value of a row, and its deviations when they were computed.
void NastavRadek(Tbod& radek, Extended hodnota, bool hodnotaDefinovana, bool odchylkaSpocitana,
                 Extended s, Extended aprior, Extended aposter)
{
    radek.X = hodnota;
    radek.kontrola[0] = hodnotaDefinovana;
    radek.kontrola[1] = odchylkaSpocitana;
    radek.Y = odchylkaSpocitana ? s * aprior : 0;
    radek.Z = odchylkaSpocitana ? s * aposter : 0;
}

}  // namespace

// ---------------------------------------------------------------- joint covariance

void KopirujBlokDiagonalni(const Tmatrix& kovMat, int radek, Tmatrix& K, int cil)
{
    KontrolaRadkuBloku(kovMat, radek);
    KontrolaRadkuBloku(K, cil);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j) K[cil + i][cil + j] = kovMat[radek + i][radek + j];
}

void KopirujBlokKrizovy(const Tmatrix& kovMat, int radekA, int radekB, Tmatrix& K, int cilA,
                        int cilB)
{
    if (radekA == radekB) throw TichePreruseni();
    KontrolaRadkuBloku(kovMat, radekA);
    KontrolaRadkuBloku(kovMat, radekB);
    if (cilB < 0 || cilA < cilB + 3) throw ChybaArgumentu("Cross block not below the diagonal");
    KontrolaRadkuBloku(K, cilA);
    // kovMat holds only its lower half: cov(a_i, b_j) is [ra+i][rb+j] when a's
    // rows come later, else the mirrored [rb+j][ra+i].
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            K[cilA + i][cilB + j] = radekA > radekB ? kovMat[radekA + i][radekB + j]
                                                    : kovMat[radekB + j][radekA + i];
}

bool KovarianceDvouBodu(const Tmatrix& kovMat, const Tbod& bod1, const Tbod& bod2, Tmatrix& K)
{
    MatrixCreateLower(K, 6);
    try {
        if (!bod1.JeFixni) KopirujBlokDiagonalni(kovMat, RadekBloku(bod1), K, 0);
        if (!bod2.JeFixni) KopirujBlokDiagonalni(kovMat, RadekBloku(bod2), K, 3);
        if (!bod1.JeFixni && !bod2.JeFixni)
            KopirujBlokKrizovy(kovMat, RadekBloku(bod2), RadekBloku(bod1), K, 3, 0);
        return true;
    } catch (const TichePreruseni&) {
    } catch (const ChybaArgumentu&) {
    }
    return false;
}

bool KovarianceTriBodu(const Tmatrix& kovMat, const Tbod& bod1, const Tbod& bod2,
                       const Tbod& bod3, Tmatrix& K)
{
    MatrixCreateLower(K, 9);
    const Tbod* body[3] = {&bod1, &bod2, &bod3};
    try {
        for (int a = 0; a < 3; ++a) {
            if (body[a]->JeFixni) continue;
            KontrolaRadkuBloku(kovMat, RadekBloku(*body[a]));
            for (int b = 0; b < a; ++b)
                if (!body[b]->JeFixni && RadekBloku(*body[a]) == RadekBloku(*body[b]))
                    throw TichePreruseni();
        }
        for (int a = 0; a < 3; ++a) {
            if (body[a]->JeFixni) continue;
            KopirujBlokDiagonalni(kovMat, RadekBloku(*body[a]), K, 3 * a);
            for (int b = 0; b < a; ++b)
                if (!body[b]->JeFixni)
                    KopirujBlokKrizovy(kovMat, RadekBloku(*body[a]), RadekBloku(*body[b]), K,
                                       3 * a, 3 * b);
        }
        return true;
    } catch (const TichePreruseni&) {
    } catch (const ChybaArgumentu&) {
    }
    return false;
}

void KovarianceRozdilu(const Tmatrix& K, Tmatrix& D)
{
    // cov(t_i - s_i, t_j - s_j) = Ctt + Css - cov(t_i, s_j) - cov(t_j, s_i).
    Tmatrix vysledek;
    MatrixCreateLower(vysledek, 3);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j)
            vysledek[i][j] = K[3 + i][3 + j] + K[i][j] - K[3 + i][j] - K[3 + j][i];
    D = std::move(vysledek);
}

// ---------------------------------------------------------------- deviation formulas

Extended OdchylkaDelkaH(const Tmatrix& D, Extended dX, Extended dY)
{
    // d/d(dX, dY) of sqrt(dX^2 + dY^2) = (dX, dY) / h.
    KontrolaBloku3(D);
    if (JeNula(dX) && JeNula(dY)) dX = dY = 1;
    const Extended t0 = Ctverec(dX) * D[0][0];
    const Extended t1 = Ctverec(dY) * D[1][1];
    const Extended t2 = 2 * dX * dY * D[1][0];
    const Extended citatel =
        NezapornyRozptyl(t0 + t1 + t2, std::fabs(t0) + std::fabs(t1) + std::fabs(t2));
    return Odmocnina(Podil(citatel, Ctverec(dX) + Ctverec(dY)));
}

Extended OdchylkaDelkaS(const Tmatrix& D, Extended dX, Extended dY, Extended dZ)
{
    // d/d(dX, dY, dZ) of the slope length S = (dX, dY, dZ) / S.
    KontrolaBloku3(D);
    if (JeNula(dX) && JeNula(dY) && JeNula(dZ)) dX = dY = dZ = 1;
    const Extended t[6] = {Ctverec(dX) * D[0][0], Ctverec(dY) * D[1][1], Ctverec(dZ) * D[2][2],
                           2 * dX * dY * D[1][0], 2 * dX * dZ * D[2][0], 2 * dY * dZ * D[2][1]};
    Extended soucet = 0, meritko = 0;
    for (Extended clen : t) {
        soucet += clen;
        meritko += std::fabs(clen);
    }
    return Odmocnina(
        Podil(NezapornyRozptyl(soucet, meritko), Ctverec(dX) + Ctverec(dY) + Ctverec(dZ)));
}

Extended OdchylkaSmernik(const Tmatrix& D, Extended dX, Extended dY)
{
    // d/d(dX, dY) of atan2(dY, dX) = (-dY, dX) / h^2.
    KontrolaBloku3(D);
    const Extended t0 = Ctverec(dY) * D[0][0];
    const Extended t1 = Ctverec(dX) * D[1][1];
    const Extended t2 = -2 * dX * dY * D[1][0];
    const Extended citatel =
        NezapornyRozptyl(t0 + t1 + t2, std::fabs(t0) + std::fabs(t1) + std::fabs(t2));
    return Podil(Odmocnina(citatel), Ctverec(dX) + Ctverec(dY));
}

Extended OdchylkaZenit(const Tmatrix& D, Extended dX, Extended dY, Extended dZ)
{
    // z = atan2(h, dZ), h = sqrt(dX^2 + dY^2), S^2 = h^2 + dZ^2:
    //   dz/d(dX, dY, dZ) = (dX dZ / (S^2 h), dY dZ / (S^2 h), -h / S^2),
    // so the products of the plane terms with the height term are -dX dZ / S^4
    // and -dY dZ / S^4. With A, B, C the squares and H = A + B:
    //   var = [(AC/H) D00 + (BC/H) D11 + H D22
    //          + 2 ((dX dY C / H) D10 - dX dZ D20 - dY dZ D21)] / S^4.
    KontrolaBloku3(D);
    if (JeNula(dX) && JeNula(dY) && JeNula(dZ))
        throw ChybaAritmetiky("Zenith angle of a zero difference");
    if (JeNula(dX) && JeNula(dY))
        dX = dY = NahradaNuly;
    else if (JeNula(dZ))
        dZ = NahradaNuly;
    const Extended A = Ctverec(dX), B = Ctverec(dY), C = Ctverec(dZ);
    const Extended H = A + B;
    const Extended t[6] = {Podil(A * C, H) * D[0][0],
                           Podil(B * C, H) * D[1][1],
                           H * D[2][2],
                           2 * Podil(dX * dY * C, H) * D[1][0],
                           -2 * dX * dZ * D[2][0],
                           -2 * dY * dZ * D[2][1]};
    Extended soucet = 0, meritko = 0;
    for (Extended clen : t) {
        soucet += clen;
        meritko += std::fabs(clen);
    }
    return Podil(Odmocnina(NezapornyRozptyl(soucet, meritko)), A + B + C);
}

bool OdchylkaSlozky(const Tmatrix& D, int k, Extended& s)
{
    return VPasti(s, [&] {
        if (k < 0 || k > 2) throw ChybaArgumentu("Coordinate index outside 0..2");
        KontrolaBloku3(D);
        return Odmocnina(D[k][k]);
    });
}

bool OdchylkaDelkaHRadek(const Tmatrix& D, Extended dX, Extended dY, Extended& s)
{
    return VPasti(s, [&] { return OdchylkaDelkaH(D, dX, dY); });
}

bool OdchylkaDelkaSRadek(const Tmatrix& D, Extended dX, Extended dY, Extended dZ, Extended& s)
{
    return VPasti(s, [&] { return OdchylkaDelkaS(D, dX, dY, dZ); });
}

bool OdchylkaSmernikRadek(const Tmatrix& D, Extended dX, Extended dY, Extended& s)
{
    return VPasti(s, [&] { return OdchylkaSmernik(D, dX, dY); });
}

bool OdchylkaZenitRadek(const Tmatrix& D, Extended dX, Extended dY, Extended dZ, Extended& s)
{
    return VPasti(s, [&] { return OdchylkaZenit(D, dX, dY, dZ); });
}

bool OdchylkaUhelVodorovny(const Tmatrix& M, Extended dXL, Extended dYL, Extended dXP,
                           Extended dYP, Extended& s)
{
    // omega = bearing(P) - bearing(L); d bearing / d(target X, Y) = (-dY, dX)
    // / h^2, and the station moves both differences the opposite way.
    return VPasti(s, [&] {
        const Extended L2 = Ctverec(dXL) + Ctverec(dYL);
        const Extended P2 = Ctverec(dXP) + Ctverec(dYP);
        const Extended yL = Podil(dYL, L2), xL = Podil(dXL, L2);
        const Extended yP = Podil(dYP, P2), xP = Podil(dXP, P2);
        const Extended J[9] = {yP - yL, xL - xP, 0, yL, -xL, 0, -yP, xP, 0};
        return Odmocnina(KvadratickaForma9(J, M));
    });
}

bool OdchylkaUhelProstorovy(const Tmatrix& M, Extended a, Extended b, Extended c, Extended p,
                            Extended q, Extended r, Extended& s)
{
    // Delta = z(P) - z(L). For one target with difference (x, y, z), slope
    // square S and plane length h: dz/d(target) = (x z / (S h), y z / (S h),
    // -h / S) (see OdchylkaZenit); the station's derivative is its negative.
    // So J = (dzL/dL - dzP/dP | -dzL/dL | dzP/dP), and each axis sums to zero:
    // a covariance shared by all three points does not change the result.
    auto straz = [](Extended& x, Extended& y, Extended& z) {
        if (JeNula(x) && JeNula(y) && JeNula(z))
            throw ChybaAritmetiky("Zenith angle of a zero difference");
        if (JeNula(x) && JeNula(y))
            x = y = NahradaNuly;
        else if (JeNula(z))
            z = NahradaNuly;
    };
    return VPasti(s, [&] {
        straz(a, b, c);
        straz(p, q, r);
        const Extended hL = Odmocnina(Ctverec(a) + Ctverec(b));
        const Extended hP = Odmocnina(Ctverec(p) + Ctverec(q));
        const Extended SL = Ctverec(a) + Ctverec(b) + Ctverec(c);
        const Extended SP = Ctverec(p) + Ctverec(q) + Ctverec(r);
        const Extended gL[3] = {Podil(a * c, SL * hL), Podil(b * c, SL * hL), -Podil(hL, SL)};
        const Extended gP[3] = {Podil(p * r, SP * hP), Podil(q * r, SP * hP), -Podil(hP, SP)};
        const Extended J[9] = {gL[0] - gP[0], gL[1] - gP[1], gL[2] - gP[2],
                               -gL[0],        -gL[1],        -gL[2],
                               gP[0],         gP[1],         gP[2]};
        return Odmocnina(KvadratickaForma9(J, M));
    });
}

// ---------------------------------------------------------------- comparison of rows

void PorovnatAnalyzu(const Tbod& r1, const Tbod& r2, std::uint8_t typ, Extended kvantilN,
                     Extended kvantilS1, Extended kvantilS2, bool testAprior, bool testAposter,
                     Tbod& out)
{
    out = PrazdnyRadek();
    out.kontrola[0] = r1.kontrola[0] && r2.kontrola[0];
    out.kontrola[1] = r1.kontrola[1] && r2.kontrola[1];

    if (out.kontrola[0]) {
        if (typ == 1)
            out.X = r2.X - r1.X;
        else if (typ == 2)
            // The first angle is brought into [0, 2 pi) so that the difference
            // lies in [-pi, pi) also for signed angles (zenith differences).
            out.X = RozdilUhluNormovany(NormujUhel(r1.X), r2.X);
    }
    if (!out.kontrola[1]) return;

    // A priori first: its figures stand whatever happens a posteriori.
    try {
        const Extended Y = Odmocnina(Konecne(Ctverec(r1.Y) + Ctverec(r2.Y)));
        bool prokazano = false;
        Extended mez = 0;
        TestVyznamnosti(mez, prokazano, testAprior, out.X, Y, kvantilN);
        out.Y = Y;
        out.elipsoid.a_delka = kvantilN;
        out.sig_Y = mez;
        out.kontrola[2] = prokazano;
    } catch (const ChybaAritmetiky&) {
        // Nothing of the comparison of deviations can be trusted.
        out.Y = out.Z = out.elipsoid.a_delka = out.elipsoid.b_delka = out.sig_Y = out.sig_Z = 0;
        out.kontrola[2] = out.kontrola[3] = false;
        return;
    }

    // A posteriori: the effective Student quantile weights the squared
    // quantiles by the epochs' shares of the variance,
    //   t^2 = (Z1^2 t1^2 + Z2^2 t2^2) / Z^2,
    // so t1 = t2 = t gives t. Z = 0 (no epoch adjusted) leaves the
    // a-posteriori figures 0 and not significant.
    try {
        const Extended Z2 = Konecne(Ctverec(r1.Z) + Ctverec(r2.Z));
        const Extended Z = Odmocnina(Z2);
        const Extended t = Odmocnina(
            Podil(Ctverec(r1.Z) * Ctverec(kvantilS1) + Ctverec(r2.Z) * Ctverec(kvantilS2), Z2));
        bool prokazano = false;
        Extended mez = 0;
        TestVyznamnosti(mez, prokazano, testAposter, out.X, Z, t);
        out.Z = Z;
        out.elipsoid.b_delka = t;
        out.sig_Z = mez;
        out.kontrola[3] = prokazano;
    } catch (const ChybaAritmetiky&) {
        out.Z = out.elipsoid.b_delka = out.sig_Z = 0;
        out.kontrola[3] = false;
    }
}

// ---------------------------------------------------------------- the analysis

TanalyzaVnitrni::TanalyzaVnitrni(int pocet) : data(pocet) {}

void TanalyzaVnitrni::Clear()
{
    data.Clear();
    iStn = iCilL = iCilP = typPresnost = -1;
}

void TanalyzaVnitrni::Default()
{
    DefaultPoradi();
    typPresnost = 0;
}

void TanalyzaVnitrni::DefaultPoradi()
{
    iStn = 0;
    iCilL = 1;
    iCilP = 2;
}

void TanalyzaVnitrni::Kopiruj(const TanalyzaVnitrni& vstup)
{
    if (&vstup == this) return;
    data.Kopiruj(vstup.data);
    iStn = vstup.iStn;
    iCilL = vstup.iCilL;
    iCilP = vstup.iCilP;
    typPresnost = vstup.typPresnost;
}

void TanalyzaVnitrni::Velikost(int pocet)
{
    data.Velikost(pocet);
}

void TanalyzaVnitrni::VypocetAnalyzaDelka(int iBod, int iCil, const Tmatrix& kovMat,
                                          const Tsouradnice& souradnice,
                                          Extended odchylkaJednotkovaAprior,
                                          Extended odchylkaJednotkovaAposterior)
{
    iStn = iBod;
    iCilL = iCil;
    std::vector<Tbod> radky(7, PrazdnyRadek());

    if (PlatnyIndex(souradnice, iBod) && PlatnyIndex(souradnice, iCil) &&
        souradnice.bod[iBod].cislo != souradnice.bod[iCil].cislo) {
        const Tbod& S = souradnice.bod[iBod];
        const Tbod& C = souradnice.bod[iCil];
        Tmatrix K, D;
        const bool maKovarianci = KovarianceDvouBodu(kovMat, S, C, K);
        KovarianceRozdilu(K, D);

        const Extended dX = C.X - S.X, dY = C.Y - S.Y, dZ = C.Z - S.Z;
        const Extended delkaH = DelkaVodorovna(S, C);
        const Extended delkaS = DelkaSikma(S, C);
        const Extended ap = odchylkaJednotkovaAprior, apo = odchylkaJednotkovaAposterior;
        Extended s = 0;
        bool ok = false;

        const Extended rozdil[3] = {dX, dY, dZ};
        for (int k = 0; k < 3; ++k) {
            ok = maKovarianci && OdchylkaSlozky(D, k, s);
            NastavRadek(radky[k], rozdil[k], true, ok, s, ap, apo);
        }
        ok = maKovarianci && OdchylkaDelkaHRadek(D, dX, dY, s);
        NastavRadek(radky[3], delkaH, true, ok, s, ap, apo);
        ok = maKovarianci && OdchylkaDelkaSRadek(D, dX, dY, dZ, s);
        NastavRadek(radky[4], delkaS, true, ok, s, ap, apo);
        ok = maKovarianci && OdchylkaSmernikRadek(D, dX, dY, s);
        NastavRadek(radky[5], SmernikBodu(S, C), delkaH != 0, ok, s, ap, apo);
        ok = maKovarianci && OdchylkaZenitRadek(D, dX, dY, dZ, s);
        NastavRadek(radky[6], delkaS > 0 ? ZenitBodu(S, C) : 0, delkaS > 0, ok, s, ap, apo);
    }
    data.bod = std::move(radky);
}

void TanalyzaVnitrni::VypocetAnalyzaUhel(int iBod, int cilL, int cilP, const Tmatrix& kovMat,
                                         const Tsouradnice& souradnice,
                                         Extended odchylkaJednotkovaAprior,
                                         Extended odchylkaJednotkovaAposterior)
{
    iStn = iBod;
    iCilL = cilL;
    iCilP = cilP;
    std::vector<Tbod> radky(3, PrazdnyRadek());

    if (PlatnyIndex(souradnice, iBod) && PlatnyIndex(souradnice, cilL) &&
        PlatnyIndex(souradnice, cilP)) {
        const Tbod& S = souradnice.bod[iBod];
        const Tbod& L = souradnice.bod[cilL];
        const Tbod& P = souradnice.bod[cilP];
        if (S.cislo != L.cislo && S.cislo != P.cislo && L.cislo != P.cislo) {
            Tmatrix K, M;
            const bool maKovarianci = KovarianceTriBodu(kovMat, S, L, P, K);
            MatrixSubmatrix(K, 0, 9, M);
            const Extended ap = odchylkaJednotkovaAprior, apo = odchylkaJednotkovaAposterior;
            Extended uhel = 0, s = 0;
            bool ok = false;

            // Row 0: horizontal angle.
            if (UhelVodorovny(uhel, S, L, P)) {
                ok = maKovarianci &&
                     OdchylkaUhelVodorovny(M, L.X - S.X, L.Y - S.Y, P.X - S.X, P.Y - S.Y, s);
                NastavRadek(radky[0], uhel, true, ok, s, ap, apo);
            }

            // Row 1: the angle in the plane of the three points is a horizontal
            // angle in the local frame of that plane; the covariance is turned
            // into that frame by R for each point (R9 = diag(R, R, R)). Points
            // moving out of the plane change the angle only to second order.
            Tbod S2 = S, L2 = L, P2 = P;
            Tmatrix R;
            if (MistniSoustavaTriBodu(uhel, S2, L2, P2, R)) {
                Tmatrix R9, R9T, RM, Mloc;
                MatrixCreateSquare(9, R9);
                for (int k = 0; k < 3; ++k) MatrixSetBlock(R9, R, 3, 3 * k, 3 * k);
                MatrixTranspose(R9, R9T);
                MatrixMultiply(R9, M, RM);
                MatrixMultiply(RM, R9T, Mloc);
                ok = maKovarianci && OdchylkaUhelVodorovny(Mloc, L2.X - S2.X, L2.Y - S2.Y,
                                                           P2.X - S2.X, P2.Y - S2.Y, s);
                NastavRadek(radky[1], uhel, true, ok, s, ap, apo);
            }

            // Row 2: zenith-angle difference.
            if (UhelProstorovy(uhel, S, L, P)) {
                ok = maKovarianci && OdchylkaUhelProstorovy(M, L.X - S.X, L.Y - S.Y, L.Z - S.Z,
                                                            P.X - S.X, P.Y - S.Y, P.Z - S.Z, s);
                NastavRadek(radky[2], uhel, true, ok, s, ap, apo);
            }
        }
    }
    data.bod = std::move(radky);
}

}  // namespace sitmera

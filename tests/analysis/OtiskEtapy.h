// Fingerprints of epochs and point lists for tests: everything they hold,
// exact to the last bit, as one text, so that two objects with the same
// fingerprint are the same.
#pragma once

#include <sstream>
#include <string>

#include "analysis/Etapa.h"

namespace sitmera::test {

inline void Pridej(std::ostringstream& o, Extended x) { o << std::hexfloat << x << ' '; }

inline std::string OtiskBodu(const Tsouradnice& s)
{
    std::ostringstream o;
    for (const Tbod& b : s.bod) {
        o << b.soubor << ' ' << b.poradi << ' ' << b.cislo << ' ';
        for (const Extended x : {b.X, b.Y, b.Z, b.sig_X, b.sig_Y, b.sig_Z, b.zkresleni,
                                 b.elipsoid.a_delka, b.elipsoid.a_smernik, b.elipsoid.a_zenit,
                                 b.elipsoid.b_delka, b.elipsoid.b_smernik, b.elipsoid.b_zenit,
                                 b.elipsoid.c_delka, b.elipsoid.c_smernik, b.elipsoid.c_zenit,
                                 b.elipsa.a_delka, b.elipsa.b_delka, b.elipsa.a_smernik})
            Pridej(o, x);
        o << b.JePlny << b.JeFixni << b.JeAktiv << b.kontrola[0] << b.kontrola[1] << b.kontrola[2]
          << b.kontrola[3] << '\n';
    }
    return o.str();
}

inline std::string OtiskSouboru(const Tsoubor& s)
{
    std::ostringstream o;
    o << s.ID << '|' << s.jmeno << '|' << s.cesta << '|' << s.pripona << '|' << s.typ << s.nacteni
      << s.hlaseni << '\n';
    return o.str();
}

// The data of an epoch: unit deviations, counters, flags, points, covariance
// and drawing data; not its file record, ID, colour, analyses or report.
inline std::string OtiskDatEtapy(const Tetapa& e)
{
    std::ostringstream o;
    for (const Extended x : {e.odchylkaJednotkovaAprior, e.odchylkaJednotkovaAposterior,
                             e.rozptylJednotkovyAprior, e.rozptylJednotkovyAposterior})
        Pridej(o, x);
    for (const int n : {e.pocetSmer, e.pocetZenit, e.pocetDelka, e.pocetDoplnekDelka,
                        e.pocetDoplnekSmernik, e.pocetDoplnekPrevyseni, e.pocetDoplnekProvazeni,
                        e.pocetMereni, e.pocetBodu, e.pocetBoduUrcovanych, e.pocetBoduFixnich,
                        e.pocetPosunu, e.pocetNeznamych, e.pocetNadbytecnych, e.pocetPodminek})
        o << n << ' ';
    o << e.jePripojen << e.jeVyrovnan << '\n' << OtiskBodu(e.souradnice);
    for (const Tvector& r : e.maticeKovariancni) {
        for (const Extended x : r) Pridej(o, x);
        o << '\n';
    }
    for (const TgrafikaZaznam& z : e.grafika.mereni)
        o << z.iStn << ' ' << z.iCil << ' ' << z.delkaS << ' ' << z.smer << ' ' << z.zenit << ' '
          << z.smernik << ' ' << z.delkaH << ' ' << z.prevyseni << ' ' << z.JePlny << '\n';
    for (const TgrafikaBod& b : e.grafika.body) {
        o << b.cislo << ' ';
        for (const Extended x : {b.X, b.Y, b.a_delka, b.b_delka, b.a_smernik}) Pridej(o, x);
        o << b.JeFixni << '\n';
    }
    Pridej(o, e.grafika.odchylkaJednotkovaAprior);
    Pridej(o, e.grafika.odchylkaJednotkovaAposterior);
    o << e.grafika.pocetBodu << ' ' << e.grafika.pocetMereni << '\n';
    return o.str();
}

}  // namespace sitmera::test

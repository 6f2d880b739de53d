// The displacement model: the result of comparing two epochs.
//
// From the active identical points of a (transformed) comparison model the
// model builds one displacement record per pair: the displacement epoch 2
// minus epoch 1, its a-priori and a-posteriori covariance, standard
// deviations, error ellipsoid and ellipse, the limit deviations and the
// significance decisions of X, Y, Z, horizontal and spatial length, and
// counts the significant displacements and finds the extreme ones. It also
// compares the length and angle analyses of the two epochs and prepares the
// point and displacement copies that the displacement drawing and the DXF
// export read.
//
// Units: coordinates, displacements, standard deviations and limits in
// metres, covariances in square metres, bearings and zenith angles in
// radians; quantiles are unitless.
//
// Covariances. An epoch's cofactor matrix Q holds covariances for unit
// variance; the 3 x 3 block of a point starts at row 3 (poradi - 1), poradi
// being the point's 1-based position in its epoch's list. A point fixed in an
// epoch has no block there. With s1a, s2a the a-priori and s1p, s2p the
// a-posteriori unit variances:
//   a priori:     free in both  s1a Q1 + s2a Q2, free in one epoch only its
//                 term, fixed in both none;
//   a posteriori: free in both and both adjusted  s1p Q1 + s2p Q2; otherwise
//                 the term of an epoch the point is free in and that is
//                 adjusted (epoch 1 first); otherwise none.
// Significance: limit = quantile x standard deviation, significant when the
// absolute value exceeds the limit (equal is not significant). The a-priori
// quantile is the normal one, the a-posteriori one the Student quantile of
// the epoch(s) involved; for a pair free in two adjusted epochs the effective
// quantile of a quantity q is
//   t = sqrt((t1^2 var1(q) + t2^2 var2(q)) / (var1(q) + var2(q))),
// the squared quantiles weighted by the epochs' shares of the variance
// (0 when the variance is 0 in both epochs).
//
// Special cases:
//  - identical coordinates: lengths 0, bearing and zenith 0 and no
//    deviations for them (0 in the record);
//  - a pair fixed in both epochs has values but no covariance, deviations or
//    ellipses; its limits are 0, so any change is flagged by a test that is
//    on; it is not counted in pocetNefix;
//  - a pair free in some epoch but without a-posteriori covariance (no epoch
//    it is free in is adjusted) has no a-posteriori figures at all: its
//    a-posteriori limits are 0 and its a-posteriori flags false, since no
//    a-posteriori test was possible;
//  - a switched-off test gives false flags and still writes its limits;
//  - the bearing and the zenith angle are never tested.
#pragma once

#include "analysis/AnalyzaVnitrni.h"
#include "analysis/Posuny.h"
#include "core/ProtokolAnalyser.h"
#include "numerics/Zaklad.h"
#include "points/Souradnice.h"

namespace sitmera {

class TmodelPorovnani;
class Tnastaveni;

class TmodelPosuny {
public:
    Tsouradnice body1;  // the compared points of epoch 1: record i is pair i
    Tsouradnice body2;  // the same pairs as records of epoch 2
    Tposuny posuny;     // one displacement record per pair
    int pocet = 0;      // number of compared pairs (-1 after Clear)
    int pocetNefix = 0;  // pairs not fixed in both epochs
    // Component k (0..4): pairs significant in quantity k a priori / a
    // posteriori (components 5 and 6 stay 0).
    TposunHodnota pocetProkazanychAprior;
    TposunHodnota pocetProkazanychAposter;
    // Component k (0..4): largest / smallest value of quantity k over all
    // pairs (metres); components 5 and 6 are not written.
    TposunHodnota maxPosun;
    TposunHodnota minPosun;
    Extended kvantilN = 0;   // quantile of the normal distribution
    Extended kvantilS1 = 0;  // Student quantile of epoch 1 (0: not adjusted)
    Extended kvantilS2 = 0;  // Student quantile of epoch 2 (0: not adjusted)
    bool jePlny = false;     // points are loaded (pocet > 0)
    // Comparison rows of the length and angle analyses between the epochs.
    TanalyzaVnitrni analyzaDelka;
    TanalyzaVnitrni analyzaUhel;
    bool porovnaniAprior = false;   // the a-priori test is switched on
    bool porovnaniAposter = false;  // the a-posteriori test is switched on
    TprotokolAnalyser protokol;     // the displacement report
    // Copies for the displacement drawing and for the DXF export, prepared
    // for the chosen axis convention.
    Tsouradnice bodyGrafika;
    Tsouradnice bodyDXF;
    Tposuny posunyGrafika;
    Tposuny posunyDXF;

    TmodelPosuny() = default;

    // Empties both point lists, the displacements, both analyses, the report
    // and the four copies; pocet := -1; jePlny, porovnaniAprior and
    // porovnaniAposter := false.
    void Clear();

    // Loads the active pairs of the model's identical lists (a pair counts
    // when its epoch-1 record is active) into body1 and body2, in order, and
    // resets both analyses to their default point choice. False, without
    // clearing, when no pair is active; false after Clear on any failure.
    bool NacistBody(const TmodelPorovnani& modelPorovnani);

    // kvantilN := icnorm(1 - r/2), r = nastaveni.porovnani.riziko;
    // kvantilS1 / kvantilS2 := icstudent(redundancy, 1 - r/2) of an adjusted
    // epoch, 0 of one that is not; the two test switches from the settings.
    // False after Clear on any failure (a risk outside (0, 2)).
    bool NacistNastaveni(const TmodelPorovnani& modelPorovnani, const Tnastaveni& nastaveni);

    // Computes all displacement records from body1, body2 and the epochs'
    // covariance matrices of modelPorovnani (the model that supplied the
    // points), counts the significant ones, takes the extremes, empties the
    // report and copies body1 and posuny into the drawing copies. False after
    // Clear on any failure (no pairs loaded, a covariance block outside its
    // matrix, a block that is not positive semi-definite).
    bool Porovnani(const TmodelPorovnani& modelPorovnani);

    // Length analysis between the epochs from station iBod to target iCil:
    // the internal length analysis of each epoch on its own points (body1,
    // body2) and covariance matrix, compared row by row into the 7 rows of
    // analyzaDelka (rows 0..4 as lengths in metres, 5 and 6 as angles in
    // radians); iStn := iBod, iCilL := iCil.
    // iBod and iCil are indexes of records of posuny, the list the windows
    // show: record i is pair i until the list is sorted, and the pair behind
    // a sorted record is its poradi. A record that is no pair leaves the rows
    // undefined. modelPorovnani must be the model that supplied body1 and
    // body2 (the transformed one), so that points and covariances are in one
    // frame. Errors are not caught here.
    void VypocetAnalyzaDelka(int iBod, int iCil, const TmodelPorovnani& modelPorovnani);

    // The same for the angles at iBod between the left target iCilL and the
    // right target iCilP into the 3 rows of analyzaUhel (all compared as
    // angles, radians); the three indexes are stored.
    void VypocetAnalyzaUhel(int iBod, int iCilL, int iCilP,
                            const TmodelPorovnani& modelPorovnani);

    // Prepares bodyGrafika and posunyGrafika for the axis convention and then
    // the DXF copies (KopirujDXF). Point i of the copies is body1[i] and its
    // displacement the record of pair i, wherever sorting has put it in
    // posuny. system true: X, Y and the bearings as they are, stoceniOs 0.
    // system false: X and Y exchanged, the bearing of the displacement and of
    // both ellipses turned into pi/2 - bearing (radians), stoceniOs pi/2.
    void GrafikaDleSouradnicovehoSystemu(bool system);

    // bodyDXF := bodyGrafika, posunyDXF := posunyGrafika; when
    // souradnicovySystem is false, X and Y of the points are negated and the
    // displacement bearing becomes pi + bearing (radians).
    void KopirujDXF(bool souradnicovySystem);
};

}  // namespace sitmera

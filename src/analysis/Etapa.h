// One measurement epoch of the monitored network, and the epoch text.
//
// An epoch is what a network adjustment leaves behind: the point list with
// fixed and active flags (determined points first, rows 0 .. u-1, then the
// fixed points, rows u .. u+f-1), the cofactor matrix of the determined
// points (lower triangle of 3u x 3u, rows 3k, 3k+1, 3k+2 = X, Y, Z of point k;
// covariances for unit variance), the a-priori and a-posteriori unit standard
// deviations, fifteen counters of the adjustment, the network drawing data,
// two internal analyses and a report buffer.
//
// Units: coordinates, standard deviations and semi-axes in metres (for unit
// variance: multiply by a unit standard deviation to show them), cofactors
// in square metres, bearings and zenith angles in radians. The unit standard
// deviations are unitless.
//
// Special values: an empty epoch (after Clear) holds -1 in its four reals and
// fifteen counters; a fixed point holds -1 ("not set") in its standard
// deviations and ellipse and ellipsoid lengths.
//
// The epoch text: four tagged sections s .. s+3 ("<n>" ... "</n>"), s = 1 in
// an epoch file (*.epc), 2 and 6 inside a project file:
//   s    header, 17 lines: the fifteen counters, then the a-priori and the
//        a-posteriori unit standard deviation;
//   s+1  points, one a line: number, X, Y, Z, JeFixni, JeAktiv (flags
//        "-1" / "0"), tab separated; determined points first, then fixed
//        points, each group in ascending point-number order;
//   s+2  the lower triangle of the cofactor matrix column by column, ten
//        numbers a line;
//   s+3  drawing records, one a line: iStn iCil delkaS smer zenit smernik
//        delkaH prevyseni JePlny.
// An epoch that is not attached is the eight tag lines alone. Lines are
// trimmed and empty lines dropped before the tags are looked for; lines
// outside the four sections are ignored.
//
// A reading either succeeds and replaces the epoch's content, or fails and
// leaves the epoch exactly as it was (the text is read into a scratch epoch
// first).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "analysis/AnalyzaVnitrni.h"
#include "analysis/GrafikaData.h"
#include "core/Info.h"
#include "core/ProtokolAnalyser.h"
#include "numerics/Zaklad.h"
#include "points/Souradnice.h"

namespace sitmera {

class Tjazyk;
class TctecRadku;
class TctecTrojuhelniku;

// Limits of the epoch header.
inline constexpr int MaxPocetEtapy = 1000000;            // every counter
inline constexpr Extended MaxOdchylkaAprior = 100000;    // exclusive
inline constexpr Extended MaxOdchylkaAposterior = 1e12;  // exclusive
// Values a line of the covariance section.
inline constexpr int CislaNaRadekKovariance = 10;

class Tetapa {
public:
    Tsouradnice souradnice;  // determined points first, then fixed points
    TgrafikaData grafika;
    // Lower triangle of the 3u x 3u cofactor matrix (square metres).
    Tmatrix maticeKovariancni;
    Extended odchylkaJednotkovaAprior = 0;
    Extended odchylkaJednotkovaAposterior = 0;
    Extended rozptylJednotkovyAprior = 0;  // squares of the two above
    Extended rozptylJednotkovyAposterior = 0;
    // The fifteen counters, in the order of the header.
    int pocetSmer = 0;              // directions
    int pocetZenit = 0;             // zenith angles
    int pocetDelka = 0;             // slope lengths
    int pocetDoplnekDelka = 0;      // supplementary horizontal lengths
    int pocetDoplnekSmernik = 0;    // supplementary bearings
    int pocetDoplnekPrevyseni = 0;  // supplementary height differences
    int pocetDoplnekProvazeni = 0;  // supplementary ties (two measurements each)
    int pocetMereni = 0;            // measurements
    int pocetBodu = 0;              // points
    int pocetBoduUrcovanych = 0;    // determined points (u)
    int pocetBoduFixnich = 0;       // fixed points (f)
    int pocetPosunu = 0;            // further unknowns beyond the coordinates
    int pocetNeznamych = 0;         // unknowns
    int pocetNadbytecnych = 0;      // redundancy
    int pocetPodminek = 0;          // conditions
    bool jePripojen = false;  // an epoch is attached
    bool jeVyrovnan = false;  // adjusted, with an a-posteriori estimate
    Tsoubor soubor;           // the file the epoch came from
    std::uint8_t ID = 0;      // identification; set by no one but Kopiruj
    std::uint32_t barva = 0;  // colour $00BBGGRR; Clear leaves it
    TanalyzaVnitrni analyzaDelka;
    TanalyzaVnitrni analyzaUhel;
    TprotokolAnalyser protokol;  // the epoch's report, built once

    // Empty point list, drawing data and matrix; counters and reals 0 (not
    // -1), flags false, file record reset.
    Tetapa();

    // Empties the epoch: reals and counters -1, flags false, no points, no
    // drawing data, no matrix, no covariance text, ID 0, file record reset,
    // analyses and report emptied. barva is kept.
    void Clear();
    // Deep copy of everything, ID, soubor and barva included.
    void Kopiruj(const Tetapa& vstup);

    // soubor.jmeno := the file name with its extension, soubor.cesta := the
    // folder with its trailing "/", soubor.pripona := the extension with its
    // dot; the other fields of soubor are kept.
    void InfoSoubor(const std::string& nazevSoubor);

    // Caption of the epoch: "1. epoch", "2. epoch (transformed)", with
    // " [file.epc]" when vcetneSouboru and the epoch is attached. typEtapa 1
    // or 2 (first or second epoch), druhEtapa 1 (as loaded) or 2
    // (transformed). A typEtapa without a numeral gives the caption without
    // "1. ".
    std::string Nazev(const Tjazyk& jazyk, bool vcetneSouboru, std::uint8_t typEtapa,
                      std::uint8_t druhEtapa) const;

    // The covariance matrix as the full 3u x 3u text table (every element,
    // the upper half mirrored, one blank between cells, CR LF after every
    // row), u = pocetBoduUrcovanych.
    //
    // For a large epoch the table is big (u = 2000: 36 million cells, some
    // 700 MB), so reading and transforming do not build it: they only mark it
    // out of date, and the accessor builds it from the matrix on first use
    // and keeps it until the matrix changes again. Every reader sees the same
    // text as if it had been built at once.
    const std::string& kovariancniMaticeStr() const;
    // Rows of that table: 3u, or fewer when the matrix is shorter (an
    // inconsistent epoch shows what it has).
    int RadkuKovariancniMatice() const;
    // Row i of that table without its CR LF, formatted from the matrix alone
    // (the table need not be built): line i of kovariancniMaticeStr().
    std::string RadekKovariancniMatice(int i) const;
    // Builds the table now from maticeKovariancni (replacing a kept one).
    void KovariancniMatice2str();
    // Tells the epoch that maticeKovariancni or pocetBoduUrcovanych has
    // changed: a kept table is dropped and built again on next use.
    void KovariancniMaticeZmenena();

    // Transforms the epoch in place: every point p := rotace x p + translace
    // (rotace 3 x 3, translace 3 x 1 in metres), every 3 x 3 block of the
    // cofactor matrix C := rotace C rotace^T, coordinates rounded to 1e-6,
    // standard deviations, ellipsoids, ellipses and the drawing points
    // recomputed, the report emptied, jePripojen := true. Any failure (a
    // negative variance, an arithmetic error, no points) empties the epoch
    // (Clear) and gives false.
    bool Transformuj(const Tmatrix& translace, const Tmatrix& rotace);

    // Internal analyses of the epoch between points of its list (indexes
    // 0-based, valid indexes of souradnice).
    void VypocetAnalyzaDelka(int iBod, int iCil);
    void VypocetAnalyzaUhel(int iBod, int iCil1, int iCil2);

private:
    mutable std::string kovariancniMaticeStr_;
    mutable bool kovariancniMaticeStrPlatna_ = true;
};

// ---------------------------------------------------------------- the epoch text

// Reads an epoch file (sections 1 to 4) into etapa and records the file's
// name in etapa.soubor. False when the file cannot be read or its content is
// rejected; etapa is then left exactly as it was. The file is read piece by
// piece (TctecEtapy): besides the epoch, the reading holds a few megabytes.
// `duvod`, when given, receives the file's message (ChybaSouboru) when the
// file could not be read, and is left empty for a rejected content.
bool NacistEtapu(const std::string& nazevSouboru, Tetapa& etapa, std::string* duvod = nullptr);

// Reads sections s .. s+3 of the text the reader gives (a file or bytes,
// piece by piece) into etapa, with every check of NacistEtapuZeSeznamu;
// etapa's soubor is kept. False, with etapa as it was, on any failure;
// `duvod` as in NacistEtapu (the file may fail in the middle of the text).
bool NacistEtapuZTextu(TctecRadku& text, Tetapa& etapa, int s = 1, std::string* duvod = nullptr);

// Reads sections s .. s+3 of an epoch text from its lines handed over in
// order, trimmed and without empty lines, with every check of
// NacistEtapuZeSeznamu, in bounded memory: the covariance lines go straight
// into the triangle, and nothing else large is kept. A rejected text is seen
// as early as it shows, with nothing more taken.
class TctecEtapy {
public:
    // mezTextu: an upper bound of the text's size in bytes; a header whose
    // covariance triangle such a text could not hold is rejected before the
    // triangle is made.
    TctecEtapy(int s, std::uint64_t mezTextu);
    ~TctecEtapy();
    TctecEtapy(const TctecEtapy&) = delete;
    TctecEtapy& operator=(const TctecEtapy&) = delete;

    // The next lines; false when the text is rejected.
    bool Radky(const std::string_view* radky, std::size_t pocet);
    // After the last line: true with the epoch read into etapa (its soubor,
    // ID and barva kept; the eight tags alone clear it), or false with etapa
    // untouched.
    bool Dokonci(Tetapa& etapa);

private:
    bool ZacniKovarianci();

    std::uint64_t mezTextu_;
    std::string znacky_[8];
    int dalsiZnacka_ = 0;         // the tag expected next (8: all seen)
    std::size_t radkuVRozsahu_ = 0;  // lines from the first tag to the last, tags included
    bool zamitnuto_ = false;
    bool moznaPrazdna_ = false;  // no line so far but the tags: the eight tags alone?
    TStringList hlavicka_, body_, grafika_;
    std::unique_ptr<TctecTrojuhelniku> kovariance_;
    std::unique_ptr<Tetapa> nova_;
};

// Where the writers of the epoch and project text put their lines, one line
// (without its line end) a call: a list in memory or a file being written.
using TvystupRadku = std::function<void(std::string_view)>;

// Parses sections s .. s+3 of a text already in memory (s = 1 for an epoch
// file, 2 and 6 inside a project file). The lines are trimmed and empty lines
// dropped in place (the tag check does it). The eight tags alone give an
// empty epoch (Clear) and true. On success the epoch holds the points (fixed
// points with -1 deviations), matrix, counters, deviations, drawing data,
// ellipses and ellipsoids, analyses at their default point choice and an
// empty report; soubor, ID and barva are kept. False on any rejected content,
// with etapa left as it was.
bool NacistEtapuZeSeznamu(TStringList& lines, Tetapa& etapa, int s);

// Appends sections s .. s+3 of the epoch, one text line a list entry (the
// project writer uses it; the program writes no epoch file). An epoch that is
// not attached gives the eight tag lines alone; one without drawing records
// an empty section s+3.
void UlozitEtapu(TStringList& lines, const Tetapa& etapa, int s);
// The same lines handed to `vystup` as they are formatted.
void UlozitEtapu(const TvystupRadku& vystup, const Tetapa& etapa, int s);

// Appends the 17 header lines (counters in decimal, then the two unit
// deviations by CisloNaText).
void UlozitHlavickuEtapy(TStringList& lines, const Tetapa& etapa);

// Reads the 17 header lines into the counters and unit deviations (and their
// squares and jeVyrovnan) with every check of the header. False, with etapa
// unchanged, on any failure.
bool NacistHlavickuEtapy(Tetapa& etapa, const TStringList& lines);

// Reads the drawing records into etapa.grafika.mereni and checks them against
// the epoch: station and target indexes below pocetBodu, counts within
// 0 .. 10000, and the sums of each kind equal to the header's counters. False,
// with etapa unchanged, on any failure.
bool NacistGrafikuEtapy(Tetapa& etapa, const TStringList& lines);

}  // namespace sitmera

// Row selections of the grid windows and the find/select criteria of a list.
//
// A selection is one flag per grid row (`Tvyber::hromadny`); the current row
// is kept beside it. The helpers below take the flag vector itself, so they
// serve the windows that keep a bare TboolVector as well. Indexes are 0-based
// grid rows; an index outside the vector is ignored (nothing changes, a query
// answers false), so a stale row number from a refilled grid cannot corrupt
// memory.
#pragma once

#include <array>
#include <string>

#include "numerics/Zaklad.h"

namespace sitmera {

// Selection of a grid: one flag per row and the current row.
struct Tvyber {
    TboolVector hromadny;    // selection flag per grid row
    std::int32_t aktualni = 0;  // current row
};

// Find and select criteria of a list. Which value fields mean what depends on
// the window that fills it (the point windows store operator codes in the
// deviation and weight fields, as item indexes of their combo boxes).
struct Tatribut {
    std::string cislo_stn;
    Extended delka = 0;
    Extended smer = 0;
    Extended zenit = 0;
    Extended sig_smer = 0;
    Extended sig_zenit = 0;
    Extended vaha_delka = 0;
    Extended vaha_smer = 0;
    Extended smernik = 0;
    std::array<bool, 5> kontrola{};  // which criteria are in force
};

// Flips flag i and returns its new state (false when i is outside).
bool PrepniVyber(TboolVector& vyber, int i);

// Clears every flag.
void ZrusVyber(TboolVector& vyber);

// Sets every flag.
void VyberVse(TboolVector& vyber);

// Clears every flag except flag i, which keeps its value.
void ZrusVyberKrome(TboolVector& vyber, int i);

// Flag i := hodnota.
void NastavVyber(TboolVector& vyber, bool hodnota, int i);

// Flags min(a, b) .. max(a, b) := hodnota; the part of the range outside the
// vector is ignored.
void NastavVyberRozsah(TboolVector& vyber, bool hodnota, int a, int b);

// Flag i is set (false when i is outside).
bool JeVybran(const TboolVector& vyber, int i);

// Some flag is set.
bool JeNecoVybrano(const TboolVector& vyber);

// Number of set flags.
int PocetVybranych(const TboolVector& vyber);

// Index of the first set flag; 0 when none is set (check JeNecoVybrano first).
int PrvniVybrany(const TboolVector& vyber);

// Some of the five criterion flags is set.
bool JeKontrola(const Tatribut& atribut);

}  // namespace sitmera

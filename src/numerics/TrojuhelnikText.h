// The text of covariance matrices stored as lower triangles (row i holds the
// i+1 values [i][0..i]; cofactors in square metres, written as they are).
//
// The covariance section of an epoch is the triangle column by column
// (column j: rows j .. n-1), k values a line separated by one blank, the last
// line holding the rest. A large epoch (u = 2000 points: n = 6000, 18 million
// numbers, 1.8 million lines) is never held as one text: TrojuhelnikNaRadky
// hands the lines out one at a time, and TctecTrojuhelniku reads them a batch
// at a time. The lines are independent (line r holds the values r k ..
// r k + k - 1), so the reader converts the lines of a large batch on several
// threads and then stores the values row by row; the result does not depend
// on the threads.
//
// A line's items are separated by commas or by blanks and control
// characters; a double quote groups an item (as in a delimited list); each
// item is read by PrectiCislo (no magnitude check).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "numerics/Zaklad.h"

namespace sitmera {

class TskupinaVlaken;

// The full n x n table of CisloNaText cells of a lower-triangular matrix (row i
// holds i+1 values), the upper half mirrored, one blank between cells and
// CR LF after every row.
std::string SymetrickaMaticeNaText(const Tmatrix& m, int n);
// Row i (0 <= i < n) of that table without its CR LF, read from the matrix
// alone (a view that shows the table a screen at a time formats its rows
// with this). Throws ChybaArgumentu for a row outside the table or a matrix
// too small for it.
std::string SymetrickaMaticeRadekNaText(const Tmatrix& m, int n, int i);
// Rows od .. po-1 of that table (kept inside 0 .. n), each without its CR LF,
// to `radek` in order, on the calling thread. Row i of the table is column i of the triangle below
// the diagonal, so blocks of rows are gathered and formatted as the triangle
// writer does its blocks of columns, on several threads for a large table.
// Throws ChybaArgumentu for a matrix too small for the table.
void SymetrickaMaticeNaRadky(const Tmatrix& m, int n, int od, int po,
                             const std::function<void(std::string_view)>& radek);

// The n(n+1)/2 stored values column by column (column j: rows j .. n-1), each
// by CisloNaText, k values a line, one blank between them: each line (without
// a line end) goes to `radek`, in order. Throws ChybaArgumentu for k < 1 or a
// matrix smaller than n.
void TrojuhelnikNaRadky(const Tmatrix& m, int n, int k, const std::function<void(std::string_view)>& radek);
// The same lines joined by CR LF, with no line end at the end.
std::string TrojuhelnikNaText(const Tmatrix& m, int n, int k);

// Reads what TrojuhelnikNaText writes: exactly ceil(n(n+1)/2 / k) lines of k
// items (the last one of the rest). False (and m empty) on any failure;
// never throws.
bool TextNaTrojuhelnik(const TStringList& radky, int n, int k, Tmatrix& m);

// Reads the covariance text of order n, k values a line, batch by batch.
class TctecTrojuhelniku {
public:
    // Lines the text must have: ceil(n(n+1)/2 / k).
    TctecTrojuhelniku(int n, int k);
    ~TctecTrojuhelniku();
    TctecTrojuhelniku(const TctecTrojuhelniku&) = delete;
    TctecTrojuhelniku& operator=(const TctecTrojuhelniku&) = delete;

    // Makes the triangle (zeros), unless a text of at most mezTextu bytes
    // could not hold it (every number takes a byte and a separator at
    // least): false then, with nothing made, as for n < 0 or k < 1.
    bool Zacni(std::uint64_t mezTextu);
    // Takes the next lines, in order. False when a line does not read (an
    // item that is no number, a wrong count of items) or the text has more
    // lines than it must; nothing more is taken then.
    bool Radky(const std::string_view* radky, std::size_t pocet);
    // True, with the triangle moved into m, when exactly all lines were taken
    // and read; false, with m untouched, otherwise.
    bool Dokonci(Tmatrix& m);

private:
    struct Tsloupec {
        std::size_t zacatek, konec;  // rows [zacatek, konec) of the column in the batch
        std::size_t poloha;          // where its first value lies in hodnoty_
    };
    bool PrectiDavku(const std::string_view* radky, std::size_t pocet);
    void Uloz(std::size_t pocetHodnot);
    template <class Uloha>
    void Rozdel(std::size_t pocet, std::size_t naUlohu, bool paralelne, Uloha&& uloha);

    int n_, k_;
    std::uint64_t celkem_ = 0, plnych_ = 0, zbytek_ = 0, radku_ = 0;
    std::uint64_t prijato_ = 0;  // lines taken so far
    bool zacato_ = false, chyba_ = false;
    Tmatrix m_;
    std::size_t radek_ = 0, sloupec_ = 0;  // where the next value goes
    std::vector<Extended> hodnoty_;        // the values of one batch
    std::vector<Tsloupec> sloupce_;        // the columns of one batch
    std::unique_ptr<TskupinaVlaken> vlakna_;
};

}  // namespace sitmera

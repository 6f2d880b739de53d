// The list of loaded user coordinate files and the flags of the computations
// done.
//
// Every coordinate file the user adds to the user points gets one record
// (Tsoubor): its id, name, folder, extension, the axis order it was read in,
// whether points were read from it, and either the number of the faulty line
// or the number of lines read. The points read from a file carry its id
// (Tbod::soubor). The added-files report lists the records.
//
// The three state flags tell whether the epochs have been transformed with the
// current key and whether the comparison is current; the commands of the main,
// epoch and settings windows write them.
//
// Every file-list operation takes a kind; only kind 8 (user coordinate files,
// TypSouboruUzivatelske) is kept: with any other kind the operations do nothing
// and the queries give 0 or an empty list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "numerics/Zaklad.h"

namespace sitmera {

// The one kind of file the list keeps: user coordinate files.
inline constexpr int TypSouboruUzivatelske = 8;

// One loaded file.
struct Tsoubor {
    std::int32_t ID = 0;    // 1 + the id of the previous record (1 for the first)
    std::string jmeno;      // file name without folder
    std::string cesta;      // folder with its trailing "/"
    std::string pripona;    // extension with its dot
    std::int32_t typ = 0;   // axis order the file was read in: 0 XYZ, 1 YXZ
    bool nacteni = false;   // at least one point was read
    // Failed read: the faulty line, counted among the non-empty lines from 1
    // (0 when the file could not be read at all or held no line). Successful
    // read: the number of lines read.
    std::int32_t hlaseni = 0;
};

using Tsoubory = std::vector<Tsoubor>;

class Tinfo {
public:
    Tsoubory souborySouradniceUzivatelske;  // loaded user coordinate files
    bool jeAnalyzaPosunu = false;       // the comparison is computed and current
    bool jeTransformaceEtapa1 = false;  // epoch 1 transformed with the current key
    bool jeTransformaceEtapa2 = false;  // epoch 2 transformed with the current key
    bool jeProtokolPosun = false;

    // Empty file list, flags false.
    Tinfo() = default;

    // The three state flags false (jeProtokolPosun is left as it is); empty
    // file list.
    void Default();

    // Sets the length of the list; new records are zeroed (a negative count
    // empties it).
    void PocetSouboru(int pocet, int typ);
    // Appends a copy of the record.
    void PridejSoubor(const Tsoubor& soubor, int typ);
    // Removes every record with this id, keeping the order of the rest.
    void SmazSoubor(int identifikator, int typ);

    // Number of records.
    int VratPocetSouboru(int typ) const;
    // Number of records with `nacteni` set.
    int VratUspesneNactenychSouboru(int typ) const;
    // A copy of the list.
    Tsoubory VratSoubory(int typ) const;
};

// Resets a record: ID 0, name, folder and extension empty, typ 0, nacteni
// false. `hlaseni` keeps its value.
void NulujSoubor(Tsoubor& soubor);

// Appends a record for the file `celeJmeno` (full path): ID := 1 + the ID of
// the last record (1 for an empty list), name, folder and extension split from
// the path, and the given axis order, loaded flag and line number. Returns the
// new ID.
std::int32_t PridejZaznamSouboru(Tsoubory& soubory, const std::string& celeJmeno, int typ,
                                 bool nacteni, int hlaseni);

}  // namespace sitmera

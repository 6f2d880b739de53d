// The comparison model: the two epochs of an analysis and their identical
// points (points with the same number in both epochs), paired index by index.
//
// Two models exist in the program: the epochs as loaded, and the same epochs
// transformed by the current transformation key (Transfromuj). The
// displacement model reads its points and covariances from the transformed
// model; the project file saves the loaded one.
//
// The identical lists hold full copies of the epochs' point records in which
// two fields have a new role: soubor is the running pair number (1, 2, ...)
// and poradi the point's 1-based position in its epoch's point list (the way
// to its covariance block and its source record). Record k of both lists is
// the same point. A pair is active only when the point is active in both
// epochs; the epochs' own lists keep their flags.
//
// The transformation key refers to the point lists of this model's epochs.
// The model therefore keeps its epoch objects for its whole life and replaces
// an epoch's content only by copying into the same object (Clear, Kopiruj,
// reading); a model is neither copied nor moved.
#pragma once

#include <string>

#include "analysis/Etapa.h"
#include "analysis/EtapaTransformacniKlic.h"
#include "core/Info.h"
#include "points/Souradnice.h"

namespace sitmera {

class Tnastaveni;

class TmodelPorovnani {
public:
    Tetapa etapa1;                    // first epoch
    Tetapa etapa2;                    // second epoch
    Tsouradnice identickeBodyEtapa1;  // identical points as records of epoch 1
    Tsouradnice identickeBodyEtapa2;  // the same points as records of epoch 2
    int pocetBoduIdentickych = 0;     // number of pairs (-1 after Clear)
    bool existujiIdenticke = false;   // at least one pair exists
    Tsoubor soubor;                   // the project file last read or written

    // Empty epochs (counters 0) and lists, no pairs, file record reset.
    TmodelPorovnani();
    TmodelPorovnani(const TmodelPorovnani&) = delete;
    TmodelPorovnani& operator=(const TmodelPorovnani&) = delete;

    // Empties both epochs and both identical lists; pocetBoduIdentickych -1,
    // existujiIdenticke false, file record reset.
    void Clear();
    // Empties the report buffers of both epochs.
    void ClearProtokol();
    // Records the project file: soubor.jmeno the name with its extension,
    // soubor.cesta the folder with its trailing "/", soubor.pripona the
    // extension with its dot, soubor.nacteni true.
    void InfoSoubor(const std::string& nazevSoubor);

    // Rebuilds the identical lists: both epochs' points put into point-number
    // order (TextMensi: shorter numbers first) and merged; every number that
    // occurs in both epochs gives one pair. With an epoch not attached the
    // lists are empty and the count 0. The settings are not consulted.
    void VyhledaniIdentickychBodu(const Tnastaveni& nastaveni);

    // Takes over the active flags chosen in the main window. The list holds
    // the pairs interleaved (record 2k from epoch 1, 2k+1 from epoch 2); the
    // flag of record 2k goes to pair k in both identical lists and to the
    // pair's records in both epochs' point lists. Records missing from the
    // list or positions outside an epoch's list are passed over.
    void PredatJeAktiv(const Tsouradnice& souradniceIdenticke);

    // Makes this model's epoch 1 (jeTransformaceEtapa true) or epoch 2 (false)
    // the copy of the same epoch of vstup transformed by the key (p' = R p + t,
    // metres; covariances, ellipses and ellipsoids follow), together with its
    // identical list (coordinates rounded to 1e-6 after the transformation;
    // deviations, ellipses and ellipsoids those of the transformed epoch) and
    // the pair count. The
    // other epoch is not touched. True and typEtapa := true on success. Fails
    // (false, typEtapa false, this model's epoch and identical list emptied,
    // no pairs) when the key is not filled, the source epoch is not attached,
    // or the transformation fails.
    bool Transfromuj(const TmodelPorovnani& vstup, const TtransformacniKlicEtapa& klic,
                     bool jeTransformaceEtapa, bool& typEtapa);
};

}  // namespace sitmera

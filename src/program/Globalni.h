// The global objects of the program: the model every window works on.
//
// Thirteen objects live from the first showing of the main window until the
// user has confirmed the exit: the settings, the notice state, the list of
// loaded files, the texts, the report of added files, four point lists, the
// two comparison models (epochs as loaded, epochs transformed), the
// displacement model and the display copy of the displacements. They are
// created, defaulted and freed in one fixed order (below); until they are
// created, and after they are freed, the pointers are null.
//
// Beside them a few records live for the whole run and start zeroed: the
// transformation key, the epoch the epoch windows show, the find and select
// criteria of the point and displacement windows, the grid selections of the
// main window and of the user-point editor, and the user-point editor's
// working list.
#pragma once

#include <functional>
#include <string>

#include "analysis/EtapaTransformacniKlic.h"
#include "analysis/ModelPorovnani.h"
#include "analysis/ModelPosuny.h"
#include "analysis/Posuny.h"
#include "core/Chyby.h"
#include "core/Info.h"
#include "core/Jazyk.h"
#include "core/Nastaveni.h"
#include "core/Vyber.h"
#include "points/Souradnice.h"
#include "reports/Protokol.h"

namespace sitmera {

// ---------------------------------------------------------------- the 13 objects

extern Tnastaveni* nastaveni;                     // settings
extern Tchyby* chyby;                             // pending notice and duplicate counters
extern Tinfo* info;                               // loaded user files and staleness flags
extern Tjazyk* jazyk;                             // texts
extern Tprotokol* protokolSouboru;                // report of the added coordinate files
extern Tsouradnice* souradniceOkno;               // list of the deviation and ellipsoid windows
extern Tsouradnice* souradniceSchranka;           // buffer of cut or copied points
extern Tsouradnice* souradniceHlavni;             // main window: identical pairs interleaved
extern Tsouradnice* souradniceUzivatelske;        // user points
extern TmodelPorovnani* modelPorovnani;           // the two epochs as loaded
extern TmodelPorovnani* modelPorovnaniTransformace;  // the two epochs transformed
extern TmodelPosuny* modelPosuny;                 // displacement model
extern Tposuny* posunyOkno;                       // displacements of the view windows

// ---------------------------------------------------------------- records of the whole run

extern TtransformacniKlicEtapa klicTransformace;  // the current transformation key
extern Tetapa* etapaAktualni;                     // the epoch the epoch windows show (not owned)
// Find and select criteria: a working copy the dialogs edit, the main
// window's select and find, the user-point editor's select and find.
extern Tatribut atributPracovni;
extern Tatribut atributVyberHlavni;
extern Tatribut atributHledaniHlavni;
extern Tatribut atributVyber;
extern Tatribut atributHledani;
// Criteria of the displacement windows: working copy, select, find.
extern Tposun posunPracovni;
extern Tposun posunVyber;
extern Tposun posunHledani;
// Grid selections of the main window and of the user-point editor.
extern Tvyber vyberHlavni;
extern Tvyber vyberVstup;
// Working copy of the user-point editor (filled and emptied by that window).
extern Tsouradnice souradniceVstup;

// ---------------------------------------------------------------- life cycle

// Creates the 13 objects (the four point lists and the displacement copy
// empty), in the order of the declarations above; then defaults, in this
// order: the settings, the texts, the notice counters, the file list, the
// key (ClearKlic, with no point lists bound); then applies the axis order of
// the settings to the settings and to the texts. The settings default to
// English texts, so all texts are English after this. Objects that exist
// already are freed first (ZrusitGlobalniObjekty): a second call starts
// afresh. The main window calls it once, when it is first shown.
void VytvoritGlobalniObjekty();

// Frees the 13 objects in this order: settings, notice state, file list,
// texts, souradniceOkno, souradniceSchranka, the added-files report,
// souradniceHlavni, souradniceUzivatelske, the loaded model, the transformed
// model, the displacement model, the displacement copy. The key loses its
// point lists and etapaAktualni becomes null, since both pointed into the
// freed models. Nothing is saved. Objects already freed are skipped.
void ZrusitGlobalniObjekty();

// True between VytvoritGlobalniObjekty and ZrusitGlobalniObjekty.
bool ExistujiGlobalniObjekty();

// A recorder of the life cycle (for tests): called with "+name" when an
// object is created, "default name" when it is defaulted ("default klic" for
// the key, "poradiXY nastaveni" / "poradiXY jazyk" for the axis order) and
// "-name" right after an object is freed. An empty function switches it off.
void NastavZaznamGlobalnich(std::function<void(const std::string& udalost)> zaznam);

}  // namespace sitmera

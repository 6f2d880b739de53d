// Texts, enabling and the status line of the epoch window, and the texts of
// the epoch's length and angle analysis windows.
//
// As in SouradniceMenu.h, the texts and the enabling are worked out by pure
// functions giving (control name, text) or (item name, flag) pairs, and the
// window functions apply them to the window's controls by object name (the
// empty name is the window caption). "lower" means the language text in
// lower case.
//
// `typ` is the epoch (1 first, 2 second; `Tokno.etapa`), `druh` the kind
// (1 as loaded, 2 transformed; `Tokno.etapaDruh`).
#pragma once

#include <string>

#include "numerics/Zaklad.h"
#include "ui/SouradniceMenu.h"

class QWidget;

namespace sitmera {

class Tjazyk;
class Tetapa;
class Tsouradnice;

// ---------------------------------------------------------------- epoch window

// Menu captions: main menu, "Network" with information, key information,
// drawing and report, "Coordinates" with deviations, ellipsoids and the
// covariance matrix, "Internal analysis" with lengths and angles.
Tpopisky PopiskyEtapa(const Tjazyk& jazyk);
// Kind 1 shows attach, detach and information and hides the information
// submenu; kind 2 the reverse.
Tpovoleni ViditelnostEtapa(int druh);
// Header over the grid (as the main window's) and the processing label.
Tpopisky PopiskyEtapaTabulka(const Tjazyk& jazyk);
// Popup captions.
Tpopisky PopiskyEtapaPopup(const Tjazyk& jazyk);
// Window caption: "1. epoch", "2. epoch (transformed)", with " [file.epc]"
// when the epoch is attached.
std::string NadpisEtapa(const Tjazyk& jazyk, const Tetapa& etapa, int typ, int druh);

// Status line: " selected / filled (filled - fixed, fixed)", e.g.
// " 5 / 20 (17, 3)"; only filled records count.
std::string TextVyberEtapa(const Tsouradnice& seznam, const TboolVector& vyber);

// Menu enabling by the window's list: detach, drawing, information,
// deviations, ellipsoids and the covariance matrix when it holds a filled
// point; lengths from 2 filled points, angles from 3. Attach, the
// information submenu and its items, and the report are not listed.
Tpovoleni PovoleniMenuEtapa(const Tsouradnice& seznam);
// Popup enabling: select all when the list holds a filled point; copy and
// cancel when some row is selected.
Tpovoleni PovoleniPopupEtapa(const TboolVector& vyber, const Tsouradnice& seznam);

void NastavPopiskyEtapa(QWidget& okno, const Tjazyk& jazyk, int druh);
void NastavNadpisEtapa(QWidget& okno, const Tjazyk& jazyk, const Tetapa& etapa, int typ, int druh);
void NastavPopiskyEtapaTabulka(QWidget& okno, const Tjazyk& jazyk);
void NastavPopiskyEtapaPopup(QWidget& okno, const Tjazyk& jazyk);
// Writes the status line into `Label_vyber`.
void PopisVyberEtapa(QWidget& okno, const Tsouradnice& seznam, const TboolVector& vyber);
void PovolitPopupEtapa(QWidget& okno, const TboolVector& vyber, const Tsouradnice& seznam);
void PovolitMenuEtapa(QWidget& okno, const Tsouradnice& seznam);

// ---------------------------------------------------------------- analysis windows

// Shared by the analysis windows of an epoch and those between the epochs
// (displacements/PosunyMenu.h):
// "Internal analysis" (the menu item and the start of every caption).
std::string TextVnitrniAnalyzy(const Tjazyk& jazyk);
// Caption start: "Internal analysis (<veliciny> [<body>]) - ".
std::string ZacatekNadpisuAnalyzy(const Tjazyk& jazyk, const std::string& veliciny, const std::string& body);
// Row labels of the length analysis: the differences along the plane axes
// (in the user's order) and Z (Label1 .. Label3, unit caption rozdil), the
// horizontal and the slope length (Label4, Label5, delka), bearing and
// zenith angle (Label6, Label7, uhel), points A and B (Label9, Label10).
// The unit captions are written as they come (" [m/mm]:").
Tpopisky PopiskyRadkuAnalyzyDelek(const Tjazyk& jazyk, const std::string& rozdil, const std::string& delka,
                                  const std::string& uhel);
// Row labels of the angle analysis: horizontal and slope angle and the
// zenith-angle difference (Label1 .. Label3, unit caption uhel), points A, B
// and C (Label4 .. Label6).
Tpopisky PopiskyRadkuAnalyzyUhlu(const Tjazyk& jazyk, const std::string& uhel);
// Close button (Button2) and copy item (Kopirovat1).
Tpopisky PopiskyTlacitekAnalyzy(const Tjazyk& jazyk);
// Enabling of the two analysis items by the number of points: lengths from
// two points, angles from three.
Tpovoleni PovoleniAnalyz(int pocetBodu);

// Caption, row labels with their units ("[value unit/deviation unit]:"),
// point labels, column headings, close button and copy item of the length
// analysis window ("... (Length variables [AB]) - 1. epoch") and of the angle
// analysis window ("... (Angle variables [BAC]) - 2. epoch (transformed)").
Tpopisky PopiskyAnalyzaDelky(const Tjazyk& jazyk, int typ, int druh);
Tpopisky PopiskyAnalyzaUhly(const Tjazyk& jazyk, int typ, int druh);

void NastavPopiskyAnalyzaDelky(QWidget& okno, const Tjazyk& jazyk, int typ, int druh);
void NastavPopiskyAnalyzaUhly(QWidget& okno, const Tjazyk& jazyk, int typ, int druh);

}  // namespace sitmera

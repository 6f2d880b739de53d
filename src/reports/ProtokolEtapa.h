// The epoch report: one epoch as loaded (kind 1, sections A1-01 ..) or as
// transformed into the common frame (kind 2, sections B1-01 ..), built once
// into the epoch's report buffer and reused until somebody clears it.
//
// Which sections appear, and with which accuracy columns, the report switches
// of the settings decide (TprotokolNastaveni). Values: unit standard
// deviations unitless with 3 decimals, counters as whole numbers, key
// translations and key-point coordinates in the coordinate unit, rotation
// angles in the user's angle unit; see reports/Protokol.h for the tables.
//
// The transformation-key section is shared with the displacement report.
#pragma once

#include <cstdint>
#include <string>

#include "core/ProtokolAnalyser.h"
#include "numerics/Zaklad.h"

namespace sitmera {

class Tetapa;
class Tjazyk;
class Tnastaveni;
struct TtransformacniKlicEtapa;

// Builds the report of the epoch (cisloEtapy 1 or 2, druh 1 input or 2
// transformed) into etapa.protokol unless it is already complete, and returns
// its jePlny. A report that fails part-way leaves the buffer empty and gives
// false; a buffer left incomplete is emptied before it is built.
bool ProtokolEtapy(Tetapa& etapa, std::uint8_t cisloEtapy, std::uint8_t druh,
                   const Tnastaveni& nastaveni, const Tjazyk& jazyk,
                   const TtransformacniKlicEtapa& klic);

// Adjustment information: a text section of the 14 rows of TabulkaInfoEtapy.
void SekceInfoEtapy(Tetapa& etapa, const Tjazyk& jazyk, const Tnastaveni& nastaveni,
                    const std::string& nadpis);
// Network points: a coordinate table; presnost is the accuracy choice + 1
// (1 none, 2 a priori, 3 a posteriori, 4 both). Nothing without filled points.
void SekceSouradnic(Tetapa& etapa, int presnost, const Tnastaveni& nastaveni,
                    const std::string& nadpis, const Tjazyk& jazyk);
// Error ellipsoids, kod 1 a priori, 2 a posteriori, 3 both. Nothing without
// filled points.
void SekceElipsoidu(Tetapa& etapa, int kod, const Tnastaveni& nastaveni,
                    const std::string& nadpis, const Tjazyk& jazyk);
// The transformation key: method, parameters and the reference points of the
// key kind. Throws ChybaArgumentu when a reference point of the key cannot
// be found in its list.
void SekceKlice(TprotokolAnalyser& protokol, const TtransformacniKlicEtapa& klic,
                const Tjazyk& jazyk, const std::string& nadpis, const Tnastaveni& nastaveni);

// Labels and values of the adjustment information (14 rows).
TtextPole TabulkaInfoEtapy(const Tetapa& etapa, const Tjazyk& jazyk);
// Labels and values of the key: 1 row (kind 0), 13 (kind 1), 16 (kind 2),
// 7 (kind 3), 1 with an empty method otherwise. Throws ChybaArgumentu for a
// reference point that cannot be found.
TtextPole TabulkaKlice(const TtransformacniKlicEtapa& klic, const Tjazyk& jazyk,
                       const Tnastaveni& nastaveni);

}  // namespace sitmera

// Notice state: the pending numbered notice that a failed command leaves for
// the notice box, a pending confirmation, the one-shot mute flag, a message
// list, and the counters of the duplicate check of the user-point list.
//
// Notice codes 0..31 form the catalogue of `NadpisOznameni` / `TextOznameni`
// (title and message in the current language). Codes with a producer: 26
// report failed, 28 saving failed, 29 no transformation key, 30 transformation
// failed, 31 comparison failed; the others keep their texts in the catalogue.
// A code without a catalogue row (27, a negative code, anything above 31)
// shows `nadpis.chyba` as both title and message.
//
// A notice may carry a reason: the message of the file that could not be
// read or saved (a path and the system's words), shown on the line under
// the notice's own text.
//
// The mute flag is one-shot: it swallows the next numbered notice only.
#pragma once

#include <cstdint>
#include <string>

#include "core/Jazyk.h"
#include "numerics/Zaklad.h"
#include "points/Souradnice.h"

namespace sitmera {

class Tchyby {
public:
    std::int32_t cislo = 0;           // current error code
    std::int32_t cisloOznameni = 0;   // notice to show next; 0 after one was shown
    std::int32_t cisloPotvrzeni = 0;  // pending confirmation
    bool vypnoutHlaseni = false;      // while set, the next numbered notice is not shown
    std::string duvodOznameni;        // reason of the pending notice; empty: none
    TStringList hlaseni;              // message list
    // Counters of the duplicate check of the user-point list, held in the
    // coordinate fields: X points whose number occurs again, Y points whose
    // X, Y and Z equal those of another point, Z points whose X and Y equal
    // those of another point less the count in Y.
    Tbod souradniceUzivatelskePocetChyb;
    std::int32_t souradniceUzivatelskeCekovyPocetChyb = 0;  // X + Y + Z rounded

    // Every code 0, mute flag off, message list empty, counter record zeroed.
    Tchyby() = default;

    // Resets the duplicate counters: BodDefault on the counter record (all
    // three counters 0) and the total 0. Codes, flag and messages stay.
    void Default();

    // Records the notice to show next (`cisloOznameni` := vstup) and its
    // reason (none by default, so an older reason never shows with it).
    void Oznameni(std::int32_t vstup, const std::string& duvod = "");
    // Records a pending confirmation (`cisloPotvrzeni` := vstup).
    void Potvrzeni(std::int32_t vstup);
    // Mutes the next numbered notice.
    void Nehlasit();

    // Takes the pending notice for showing. When the mute flag is set it is
    // cleared, the pending code and reason stay and the result is false (show
    // nothing). Otherwise `kod` := `cisloOznameni`, the reason goes to
    // `duvod` (when given), both are cleared, result true.
    bool PrevzitOznameni(std::int32_t& kod, std::string* duvod = nullptr);
};

// Title of notice `kod` in the language of `jazyk` (catalogue above).
std::string NadpisOznameni(const Tjazyk& jazyk, std::int32_t kod);
// Message of notice `kod` in the language of `jazyk` (catalogue above).
std::string TextOznameni(const Tjazyk& jazyk, std::int32_t kod);

// The most reasons a notice lists; a line "…" stands for the others.
inline constexpr std::size_t MaxDuvoduOznameni = 5;

// The text of a notice with the reasons of its failure under it, one a line
// (the empty ones left out): the message alone when there is none.
std::string TextSDuvody(const std::string& zprava, const TStringList& duvody);
// The same with one reason.
std::string TextSDuvodem(const std::string& zprava, const std::string& duvod);

// Keeps the file's message as the reason of a failure when `duvod` is given
// (it stays empty should even that fail: the callers never throw).
void UlozDuvod(std::string* duvod, const ChybaSouboru& chyba) noexcept;

}  // namespace sitmera

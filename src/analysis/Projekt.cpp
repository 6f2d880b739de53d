// The project file: writing and reading the eleven sections.
//
// Every reader here works on scratch objects and replaces the live ones only
// at the very end, so a rejected text changes nothing.
#include "analysis/Projekt.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <limits>
#include <memory>
#include <utility>
#include <variant>

#include "analysis/Etapa.h"
#include "core/Chyby.h"
#include "numerics/TextPole.h"
#include "numerics/TextSoubor.h"
#include "numerics/ZapisSouboru.h"
#include "points/SouradniceSoubor.h"

namespace sitmera {

namespace {

// ---------------------------------------------------------------- values of one line

// A decimal integer: an optional sign and digits, nothing else (surrounding
// blanks ignored). Values beyond 64 bits throw as well; the caller checks the
// field's range before narrowing.
std::int64_t TextNaCele(const std::string& radek)
{
    const std::string text = Orizni(radek);
    std::size_t p = 0;
    bool zaporne = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        zaporne = text[p] == '-';
        ++p;
    }
    if (p == text.size()) throw ChybaPrevodu("'" + text + "' is not a valid integer value");
    std::int64_t hodnota = 0;
    constexpr std::int64_t mez = std::numeric_limits<std::int64_t>::max() / 10 - 10;
    for (; p < text.size(); ++p) {
        const char c = text[p];
        if (c < '0' || c > '9' || hodnota > mez)
            throw ChybaPrevodu("'" + text + "' is not a valid integer value");
        hodnota = hodnota * 10 + (c - '0');
    }
    return zaporne ? -hodnota : hodnota;
}

// An integer that must lie in min .. max (inclusive).
std::int64_t TextNaCeleVRozsahu(const std::string& radek, std::int64_t min, std::int64_t max)
{
    const std::int64_t n = TextNaCele(radek);
    if (n < min || n > max) throw TichePreruseni();
    return n;
}

// A flag: "true" / "false" in any case, otherwise a number (0 false, any other
// value true).
bool TextNaLogicke(const std::string& radek)
{
    const std::string text = Orizni(radek);
    std::string male(text);
    for (char& c : male) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (male == "true") return true;
    if (male == "false") return false;
    return TextNaCisloBezKontroly(text) != 0;
}

const char* LogickeNaText(bool b) { return b ? "-1" : "0"; }

// ---------------------------------------------------------------- settings table

// One settings line: the field it goes to and, for integers, the range the
// reader accepts.
struct Polozka {
    std::variant<std::uint8_t*, std::int16_t*, bool*, Extended*> pole;
    std::int64_t min = 0;
    std::int64_t max = 0;
};

Polozka B(std::uint8_t& pole, int min, int max) { return {&pole, min, max}; }
Polozka Barva(std::uint8_t& pole) { return {&pole, 0, MaxIndexBarvy}; }
Polozka Font(std::int16_t& pole)
{
    return {&pole, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()};
}
Polozka L(bool& pole) { return {&pole, 0, 0}; }
Polozka R(Extended& pole) { return {&pole, 0, 0}; }

// The 112 lines of the settings section in the file's order.
std::array<Polozka, PocetRadkuNastaveni> PolozkyNastaveni(Tnastaveni& n)
{
    Tjednotky& j = n.jednotky;
    Tpresnost& p = n.presnost;
    Tgrafika& g = n.grafika;
    TgrafikaPosun& gp = n.grafikaPosun;
    TprotokolNastaveni& pr = n.protokol;
    return {{
        // 1 - 6 units
        B(j.uhel, 0, 3), B(j.delka, 0, 1), B(j.souradnice, 0, 1), B(j.posun, 0, 1),
        L(j.souradnicovySystem), B(j.poradiSouradnice, 0, 1),
        // 7 - 14 decimals
        B(p.uhel.hodnota, 0, 10), B(p.delka.hodnota, 0, 10), B(p.uhel.odchylka, 0, 10),
        B(p.delka.odchylka, 0, 10), B(p.souradnice.hodnota, 0, 10),
        B(p.souradnice.odchylka, 0, 10), B(p.posun.hodnota, 0, 10), B(p.posun.odchylka, 0, 10),
        // 15 - 21 file kinds of the dialogs
        B(n.souborVstup.typEtapa, 0, 1), B(n.souborVystup.typEtapa, 0, 1),
        B(n.souborVstup.typSouradnice, 0, 1), B(n.souborVystup.typSouradnice, 0, 1),
        B(n.souborVstup.typProjekt, 0, 0), B(n.souborVystup.typProjekt, 0, 0),
        B(n.souborVystup.typGrafika, 0, 3),
        // 22 language
        B(n.typJazyk, 0, 1),
        // 23 - 25 comparison
        R(n.porovnani.riziko), L(n.porovnani.apriorni), L(n.porovnani.aposteriorni),
        // 26 - 48 network drawing
        Barva(g.barvaFixBod), Barva(g.barvaVyrBod), Barva(g.barvaMereni), Barva(g.barvaElipsa),
        Barva(g.barvaPozadi),
        L(g.kreslitBod), L(g.kreslitMereniLinie), L(g.kreslitMereniPopis), L(g.kreslitElipsa),
        L(g.kreslitOsa), L(g.kreslitMeritko),
        B(g.tloustkaBod, 0, 6), B(g.tloustkaMereni, 0, 6), B(g.tloustkaElipsa, 0, 6),
        B(g.tloustkaOsa, 0, 6), B(g.tloustkaMeritko, 0, 6),
        Font(g.textFont), B(g.textVelikost, 0, 22), B(g.textRez, 0, 1), B(g.krizek, 0, 29),
        B(g.krouzek, 0, 29), B(g.zvetseniElipsa, 0, 11), L(g.presnost),
        // 49 - 84 displacement drawing
        Barva(gp.barvaBod), Barva(gp.barvaElipsa), Barva(gp.barvaPosunHzHodnota),
        Barva(gp.barvaPosunHzHodnotaVyznamna), Barva(gp.barvaPosunHzMezOdchylka),
        Barva(gp.barvaPosunZHodnota), Barva(gp.barvaPosunZHodnotaVyznamna),
        Barva(gp.barvaPosunZMezOdchylka), Barva(gp.barvaPozadi),
        L(gp.kreslitBod), L(gp.kreslitElipsa), L(gp.kreslitPosunHzHodnota),
        L(gp.kreslitPosunHzMezOdchylka), L(gp.kreslitPosunZHodnota),
        L(gp.kreslitPosunZMezOdchylka), L(gp.kreslitOsa), L(gp.kreslitMeritko),
        B(gp.tloustkaBod, 0, 6), B(gp.tloustkaElipsa, 0, 6), B(gp.tloustkaPosunHzHodnota, 0, 6),
        B(gp.tloustkaPosunHzMezOdchylka, 0, 6), B(gp.tloustkaPosunZHodnota, 0, 6),
        B(gp.tloustkaPosunZMezOdchylka, 0, 6), B(gp.tloustkaOsa, 0, 6),
        B(gp.tloustkaMeritko, 0, 6),
        B(gp.velikostBod, 0, 29), B(gp.velikostPosunHzHodnota, 0, 29),
        B(gp.velikostPosunHzMezOdchylka, 0, 29), B(gp.velikostPosunZHodnota, 0, 29),
        B(gp.velikostPosunZMezOdchylka, 0, 29),
        B(gp.zvetseni, 0, 11), L(gp.presnost), Font(gp.textFont), B(gp.textVelikost, 0, 22),
        B(gp.textRez, 0, 1), B(gp.typHzPosunu, 0, 2),
        // 85 - 112 report switches
        L(pr.etapaVstupInfo), L(pr.etapaVstupSour), B(pr.etapaVstupSourPresnost, 0, 3),
        L(pr.etapaVstupElips), B(pr.etapaVstupElipsPresnost, 0, 2),
        L(pr.etapaTransKlic), L(pr.etapaTransInfo), L(pr.etapaTransSour),
        B(pr.etapaTransSourPresnost, 0, 3), L(pr.etapaTransElips),
        B(pr.etapaTransElipsPresnost, 0, 2),
        L(pr.posunInfo), L(pr.posunKlic), L(pr.posunBodyIdent), B(pr.posunBodyIdentPresnost, 0, 3),
        B(pr.posunValuePresnost, 0, 3), L(pr.posunValueVse), L(pr.posunValueOrthogonal),
        L(pr.posunValueSemipolar), L(pr.posunValuePolar), L(pr.posunElips),
        B(pr.posunElipsPresnost, 0, 1), B(pr.posunHodnoceniPresnost, 0, 2),
        L(pr.posunHodnoceniX), L(pr.posunHodnoceniY), L(pr.posunHodnoceniZ),
        L(pr.posunHodnoceniDelkaH), L(pr.posunHodnoceniDelkaS),
    }};
}

// Reads one settings line into its field; throws on a text that does not
// convert or a value outside the field's range.
void CtiPolozku(const Polozka& p, const std::string& radek)
{
    if (auto* b = std::get_if<std::uint8_t*>(&p.pole)) {
        **b = static_cast<std::uint8_t>(TextNaCeleVRozsahu(radek, p.min, p.max));
    } else if (auto* s = std::get_if<std::int16_t*>(&p.pole)) {
        **s = static_cast<std::int16_t>(TextNaCeleVRozsahu(radek, p.min, p.max));
    } else if (auto* l = std::get_if<bool*>(&p.pole)) {
        **l = TextNaLogicke(radek);
    } else {
        // The risk level: strictly between 0 and 1, compared as read.
        const Extended r = TextNaCislo(radek);
        if (!(r > 0 && r < 1)) throw TichePreruseni();
        *std::get<Extended*>(p.pole) = r;
    }
}

std::string TextPolozky(const Polozka& p)
{
    if (auto* b = std::get_if<std::uint8_t*>(&p.pole)) return std::to_string(**b);
    if (auto* s = std::get_if<std::int16_t*>(&p.pole)) return std::to_string(**s);
    if (auto* l = std::get_if<bool*>(&p.pole)) return LogickeNaText(**l);
    return CisloNaText(*std::get<Extended*>(p.pole));
}

// ---------------------------------------------------------------- key section

constexpr int PocetRoli = 3;
constexpr int PocetSeznamu = 3;

// A user value of the key: a number of magnitude at most 1e12. Values below
// 1e-12 are accepted as well: the key window takes a translation in feet and
// angles in gon or degrees and the key keeps them in metres and radians, so
// a value the window accepted can shrink below 1e-12, and the project that
// holds it must still open.
Extended TextNaHodnotuKlice(const std::string& radek)
{
    try {
        return TextNaCislo(radek);
    } catch (const TichePreruseni&) {
        const Extended x = TextNaCisloBezKontroly(radek);
        if (x > -1e-12L && x < 1e-12L) return x;
        throw;
    }
}

// The stored lines of the key over the initial key (ClearKlic): the computed
// values are recomputed by the caller, every given-flag stays set. Throws on
// a wrong line count, a text that does not convert or a kind out of range.
void CtiRadkyKlice(const TStringList& lines, TtransformacniKlicEtapa& klic)
{
    if (lines.size() != PocetRadkuKlice) throw TichePreruseni();
    std::size_t i = 0;
    klic.typ = static_cast<std::uint8_t>(TextNaCeleVRozsahu(lines[i++], 0, 3));
    for (int r = 0; r < PocetRoli; ++r)
        klic.typBod[static_cast<std::size_t>(r)] =
            static_cast<std::int32_t>(TextNaCeleVRozsahu(lines[i++], 0, PocetSeznamu - 1));
    for (int r = 0; r < PocetRoli; ++r)
        for (int s = 0; s < PocetSeznamu; ++s)
            klic.poradiBod[static_cast<std::size_t>(r)][static_cast<std::size_t>(s)] =
                static_cast<std::int32_t>(TextNaCeleVRozsahu(
                    lines[i++], std::numeric_limits<std::int32_t>::min(),
                    std::numeric_limits<std::int32_t>::max()));
    for (int k = 0; k < 3; ++k)
        klic.translaceUser[static_cast<std::size_t>(k)][0] = TextNaHodnotuKlice(lines[i++]);
    for (int k = 0; k < 3; ++k)
        klic.uhelStoceniUser[static_cast<std::size_t>(k)] = TextNaHodnotuKlice(lines[i++]);
}

// A point choice that is not -1 or an index of its list becomes -1.
void OmezPoradiBodu(TtransformacniKlicEtapa& klic, const Tsouradnice* seznamy[PocetSeznamu])
{
    for (int r = 0; r < PocetRoli; ++r)
        for (int s = 0; s < PocetSeznamu; ++s) {
            std::int32_t& i = klic.poradiBod[static_cast<std::size_t>(r)][static_cast<std::size_t>(s)];
            const auto pocet = static_cast<std::int64_t>(seznamy[s]->bod.size());
            if (i < -1 || i >= pocet) i = -1;
        }
}

// Reads the key section into a new key bound to the three lists and computed.
// Throws when the section does not read.
TtransformacniKlicEtapa NovyKlic(const TStringList& lines, const Tsouradnice& s0,
                                 const Tsouradnice& s1, const Tsouradnice& s2)
{
    TtransformacniKlicEtapa klic;  // the initial key (ClearKlic)
    CtiRadkyKlice(lines, klic);
    const Tsouradnice* seznamy[PocetSeznamu] = {&s0, &s1, &s2};
    OmezPoradiBodu(klic, seznamy);
    PriraditSouradniceKlice(klic, s0, s1, s2);
    VypocetKlice(klic);  // a key that cannot be computed is read, not filled
    return klic;
}

// ---------------------------------------------------------------- user points

// A point number that a point line can carry: not empty, and no blank or tab
// (the reader splits the line into words) and no line break.
bool JeZapsatelneCislo(const std::string& cislo)
{
    return !cislo.empty() && cislo.find_first_of(" \t\r\n") == std::string::npos;
}

// Appends the user-point lines; false when they would not read back as the
// same points (a number the reader would split or trim, a coordinate it
// rejects).
bool ZapisUzivatelskeBody(const Tsouradnice& souradnice, TStringList& lines)
{
    for (const Tbod& b : souradnice.bod)
        if (b.JePlny && !JeZapsatelneCislo(b.cislo)) return false;
    TStringList body;
    souradnice.UlozDoStringListFixAktiv(body, -6, true);
    TStringList kontrola = body;
    Tsouradnice zpet;
    if (!NacistSouradniceZeSeznamu(kontrola, zpet)) return false;
    std::size_t i = 0;
    for (const Tbod& b : souradnice.bod) {
        if (!b.JePlny) continue;
        if (i >= zpet.bod.size() || zpet.bod[i].cislo != b.cislo) return false;
        ++i;
    }
    if (i != zpet.bod.size()) return false;
    for (std::string& radek : body) lines.push_back(std::move(radek));
    return true;
}

void ZapisSekci(const TvystupRadku& vystup, int k, const TStringList& obsah)
{
    vystup(TextZnacky(k, true));
    for (const std::string& r : obsah) vystup(r);
    vystup(TextZnacky(k, false));
}

// The lines of the user points and of the settings, when they read back as
// they are (see ZapisProjektu); false otherwise.
bool PripravProjekt(const Tsouradnice& souradniceUzivatelske, const Tnastaveni& nastaveni, TStringList& body,
                    TStringList& radkyNastaveni)
{
    if (!ZapisUzivatelskeBody(souradniceUzivatelske, body)) return false;
    // The settings lines must read back as the reader reads them: a value
    // out of its range in memory would give a file that cannot be opened.
    ZapisNastaveni(nastaveni, radkyNastaveni);
    Tnastaveni kontrola = nastaveni;
    return CteniNastaveni(kontrola, radkyNastaveni);
}

// The eleven sections, a line at a time.
void ZapisSekce(const TvystupRadku& vystup, const TmodelPorovnani& model, const TStringList& body,
                const TStringList& radkyNastaveni, const TtransformacniKlicEtapa& klic)
{
    ZapisSekci(vystup, 1, radkyNastaveni);
    UlozitEtapu(vystup, model.etapa1, SekceEtapa1);
    UlozitEtapu(vystup, model.etapa2, SekceEtapa2);
    ZapisSekci(vystup, SekceUzivatelskeBody, body);
    TStringList radkyKlice;
    TextKlic(klic, radkyKlice);
    ZapisSekci(vystup, SekceKlic, radkyKlice);
}

// Reads the eleven sections from the project's lines handed over in order
// (trimmed, no empty line): every tag once and in order; the epochs' lines
// go to their readers as they come, the other sections are kept.
class TctecProjektu {
public:
    explicit TctecProjektu(std::uint64_t mezTextu)
        : epochy_{std::make_unique<TctecEtapy>(SekceEtapa1, mezTextu),
                  std::make_unique<TctecEtapy>(SekceEtapa2, mezTextu)}
    {
        const TStringList z = ParyZnacek(PocetSekciProjektu, 1);
        for (std::size_t i = 0; i < z.size(); ++i) znacky_[i] = z[i];
    }

    bool Radky(const std::string_view* radky, std::size_t pocet);
    bool Dokonci(TmodelPorovnani& model, Tsouradnice& souradniceUzivatelske, Tnastaveni& nastaveni,
                 TtransformacniKlicEtapa& klic);

private:
    // The tag expected next (0 .. 21, 22: all seen) says where a line goes:
    // 1 settings, 2 .. 9 epoch 1 (its own tags included), 10 .. 17 epoch 2,
    // 19 user points, 21 key.
    static int Epocha(int znacka) { return znacka >= 2 && znacka <= 9 ? 0 : znacka >= 10 && znacka <= 17 ? 1 : -1; }

    std::string znacky_[2 * PocetSekciProjektu];
    int dalsiZnacka_ = 0;
    bool zamitnuto_ = false;
    TStringList nastaveni_, body_, klic_;
    std::unique_ptr<TctecEtapy> epochy_[2];
};

bool TctecProjektu::Radky(const std::string_view* radky, std::size_t pocet)
{
    if (zamitnuto_) return false;
    // A run of lines [zacatek, i) of one epoch goes to its reader at once.
    std::size_t zacatek = 0;
    int epocha = -1;
    auto predej = [&](std::size_t konec) {
        const bool ok = epocha < 0 || zacatek >= konec || epochy_[epocha]->Radky(radky + zacatek, konec - zacatek);
        epocha = -1;
        return ok;
    };
    for (std::size_t i = 0; i < pocet; ++i) {
        const std::string_view r = radky[i];
        int znacka = -1;
        if (r.size() >= 3 && r.front() == '<' && r.back() == '>')
            for (int t = 0; t < 2 * PocetSekciProjektu && znacka < 0; ++t)
                if (r == znacky_[t]) znacka = t;
        if (znacka >= 0 && znacka != dalsiZnacka_) {
            zamitnuto_ = true;
            return false;
        }
        // A tag of an epoch belongs to it; any other line to the section
        // open before it.
        const int kam = znacka >= 0 ? Epocha(znacka) : (dalsiZnacka_ == 2 || dalsiZnacka_ == 10 ? -1 : Epocha(dalsiZnacka_));
        if (kam != epocha) {
            if (!predej(i)) {
                zamitnuto_ = true;
                return false;
            }
            epocha = kam;
            zacatek = i;
        }
        if (znacka >= 0) {
            ++dalsiZnacka_;
            continue;
        }
        if (dalsiZnacka_ == 1) nastaveni_.emplace_back(r);
        else if (dalsiZnacka_ == 19) body_.emplace_back(r);
        else if (dalsiZnacka_ == 21) klic_.emplace_back(r);
    }
    if (!predej(pocet)) zamitnuto_ = true;
    return !zamitnuto_;
}

bool TctecProjektu::Dokonci(TmodelPorovnani& model, Tsouradnice& souradniceUzivatelske, Tnastaveni& nastaveni,
                            TtransformacniKlicEtapa& klic)
{
    if (zamitnuto_ || dalsiZnacka_ != 2 * PocetSekciProjektu) return false;

    // Settings.
    Tnastaveni noveNastaveni = nastaveni;
    if (!CteniNastaveni(noveNastaveni, nastaveni_)) return false;

    // Both epochs, into scratch epochs that carry the live epochs' file
    // records, IDs and colours (an attached epoch keeps them, a detached one
    // is cleared).
    TmodelPorovnani novyModel;
    Tetapa* nove[2] = {&novyModel.etapa1, &novyModel.etapa2};
    const Tetapa* zive[2] = {&model.etapa1, &model.etapa2};
    for (int k = 0; k < 2; ++k) {
        nove[k]->soubor = zive[k]->soubor;
        nove[k]->ID = zive[k]->ID;
        nove[k]->barva = zive[k]->barva;
        if (!epochy_[k]->Dokonci(*nove[k])) return false;
        epochy_[k].reset();
    }

    // User points.
    Tsouradnice noveBody;
    if (!NacistSouradniceZeSeznamu(body_, noveBody)) return false;

    // The key, its point choices checked against the new lists.
    TtransformacniKlicEtapa novyKlic;
    if (!CteniTransformacnihoKlice(klic_, novyModel, noveBody, novyKlic)) return false;

    // Everything read: replace the live state. The objects stay where they
    // are (the key and the windows refer to them); only their content is
    // exchanged.
    nastaveni = std::move(noveNastaveni);
    model.etapa1 = std::move(novyModel.etapa1);
    model.etapa2 = std::move(novyModel.etapa2);
    souradniceUzivatelske.bod = std::move(noveBody.bod);
    klic = std::move(novyKlic);
    PriraditSouradniceKlice(klic, model.etapa1.souradnice, model.etapa2.souradnice, souradniceUzivatelske);
    VypocetKlice(klic);
    model.VyhledaniIdentickychBodu(nastaveni);
    return true;
}

}  // namespace

// ---------------------------------------------------------------- settings

void ZapisNastaveni(const Tnastaveni& nastaveni, TStringList& lines)
{
    Tnastaveni kopie = nastaveni;
    for (const Polozka& p : PolozkyNastaveni(kopie)) lines.push_back(TextPolozky(p));
}

bool CteniNastaveni(Tnastaveni& nastaveni, const TStringList& lines)
{
    try {
        if (lines.size() != PocetRadkuNastaveni) return false;
        Tnastaveni nove = nastaveni;
        const auto polozky = PolozkyNastaveni(nove);
        for (std::size_t i = 0; i < polozky.size(); ++i) CtiPolozku(polozky[i], lines[i]);
        // The axis index pair follows the axis order.
        nove.NastavPoradiXY(nove.jednotky.poradiSouradnice);
        nastaveni = std::move(nove);
        return true;
    } catch (...) {
        return false;
    }
}

// ---------------------------------------------------------------- key

bool CteniTransformacnihoKlice(const TStringList& lines, const TmodelPorovnani& model,
                               const Tsouradnice& souradniceUzivatelske,
                               TtransformacniKlicEtapa& klic)
{
    try {
        TtransformacniKlicEtapa novy =
            NovyKlic(lines, model.etapa1.souradnice, model.etapa2.souradnice, souradniceUzivatelske);
        klic = std::move(novy);
        return true;
    } catch (...) {
        return false;
    }
}

// ---------------------------------------------------------------- writing

bool ZapisProjektu(TStringList& lines, const TmodelPorovnani& model,
                   const Tsouradnice& souradniceUzivatelske, const Tnastaveni& nastaveni,
                   const TtransformacniKlicEtapa& klic)
{
    lines.clear();
    TStringList body, radkyNastaveni;
    if (!PripravProjekt(souradniceUzivatelske, nastaveni, body, radkyNastaveni)) return false;
    ZapisSekce([&](std::string_view radek) { lines.emplace_back(radek); }, model, body, radkyNastaveni, klic);
    return true;
}

bool UlozitProjektAnalyzy(const std::string& nazevSouboru, TmodelPorovnani& model,
                          const Tsouradnice& souradniceUzivatelske, const Tnastaveni& nastaveni,
                          const TtransformacniKlicEtapa& klic, std::string* duvod)
{
    if (duvod != nullptr) duvod->clear();
    try {
        TStringList body, radkyNastaveni;
        if (!PripravProjekt(souradniceUzivatelske, nastaveni, body, radkyNastaveni)) throw TichePreruseni();
        // Each section goes into the file as it is formatted.
        TzapisSouboru zapis(nazevSouboru);
        ZapisSekce([&](std::string_view radek) { zapis.PridejRadek(radek); }, model, body, radkyNastaveni,
                   klic);
        zapis.Dokonci();
        VratPametSystemu();
        model.InfoSoubor(nazevSouboru);
        if (model.etapa1.jePripojen) model.etapa1.InfoSoubor(nazevSouboru);
        if (model.etapa2.jePripojen) model.etapa2.InfoSoubor(nazevSouboru);
        return true;
    } catch (const ChybaSouboru& e) {
        UlozDuvod(duvod, e);  // the file could not be written
    } catch (...) {
        // A user point that cannot be written (no reason given), no memory.
    }
    VratPametSystemu();
    NulujSoubor(model.soubor);
    NulujSoubor(model.etapa1.soubor);
    NulujSoubor(model.etapa2.soubor);
    return false;
}

// ---------------------------------------------------------------- reading

bool CteniProjektu(TStringList& lines, TmodelPorovnani& model, Tsouradnice& souradniceUzivatelske,
                   Tnastaveni& nastaveni, TtransformacniKlicEtapa& klic)
{
    try {
        // Every tag of sections 1 .. 11 once, in order (the lines trimmed in
        // place).
        if (!KontrolaZnacek(lines, PocetSekciProjektu, 1)) return false;
        std::uint64_t velikost = 0;
        for (const std::string& r : lines) velikost += r.size() + 2;
        const std::vector<std::string_view> radky(lines.begin(), lines.end());
        TctecProjektu ctec(velikost);
        return ctec.Radky(radky.data(), radky.size()) &&
               ctec.Dokonci(model, souradniceUzivatelske, nastaveni, klic);
    } catch (...) {
        return false;
    }
}

bool NacistProjektZTextu(TctecRadku& text, TmodelPorovnani& model, Tsouradnice& souradniceUzivatelske,
                         Tnastaveni& nastaveni, TtransformacniKlicEtapa& klic, std::string* duvod)
{
    if (duvod != nullptr) duvod->clear();
    try {
        std::unique_ptr<TctecProjektu> ctec;
        return ProjdiOrizleRadky(
                   text,
                   [&] {
                       ctec.reset();
                       ctec = std::make_unique<TctecProjektu>(text.MezVelikosti());
                   },
                   [&](const std::string_view* radky, std::size_t pocet) { return ctec->Radky(radky, pocet); }) &&
               ctec->Dokonci(model, souradniceUzivatelske, nastaveni, klic);
    } catch (const ChybaSouboru& e) {
        UlozDuvod(duvod, e);
        return false;
    } catch (...) {
        return false;
    }
}

bool NacistProjektAnalyzy(const std::string& nazevSouboru, TmodelPorovnani& model,
                          Tsouradnice& souradniceUzivatelske, Tnastaveni& nastaveni,
                          TtransformacniKlicEtapa& klic, std::string* duvod)
{
    if (duvod != nullptr) duvod->clear();
    bool ok = false;
    try {
        // The file piece by piece: only the epochs grow with it.
        TctecRadku soubor(nazevSouboru);
        ok = NacistProjektZTextu(soubor, model, souradniceUzivatelske, nastaveni, klic, duvod);
    } catch (const ChybaSouboru& e) {
        UlozDuvod(duvod, e);
        ok = false;
    } catch (...) {
        ok = false;
    }
    VratPametSystemu();
    if (!ok) return false;
    if (model.etapa1.jePripojen) model.etapa1.InfoSoubor(nazevSouboru);
    if (model.etapa2.jePripojen) model.etapa2.InfoSoubor(nazevSouboru);
    model.InfoSoubor(nazevSouboru);
    return true;
}

}  // namespace sitmera

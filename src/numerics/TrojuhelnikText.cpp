#include "numerics/TrojuhelnikText.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <mutex>
#include <utility>

#include "numerics/TextPole.h"
#include "numerics/Vlakna.h"

namespace sitmera {

namespace {

// Columns of a triangle gathered together when writing (see
// TrojuhelnikNaRadky).
constexpr std::size_t kBlok = 16;
// Rows of the mirrored table formatted together (a copy of a large table).
constexpr std::size_t kRadkuNaBlok = 8;
// Columns stored together when reading, and rows a task stores.
constexpr std::size_t kSloupcuNaDlazdici = 64;
constexpr std::size_t kRadkuNaUlohu = 128;
// Lines a task converts; a batch of fewer values is read on one thread.
constexpr std::size_t kRadkuNaPrevod = 1024;
constexpr std::size_t kHodnotParalelne = 16384;

void PridejCislo(std::string& s, Extended x)
{
    char buf[48];
    const int n = CisloNaTextDo(x, buf);
    s.append(buf, static_cast<std::size_t>(n));
}

// Checks a triangle of order n for the writers.
void OverTrojuhelnik(const Tmatrix& m, int n, int k, const char* kdo)
{
    if (k < 1) throw ChybaArgumentu(std::string(kdo) + ": k must be at least 1");
    if (static_cast<int>(m.size()) < n) throw ChybaArgumentu(std::string(kdo) + ": matrix smaller than n");
    for (int i = 0; i < n; ++i)
        if (static_cast<int>(m[static_cast<std::size_t>(i)].size()) < i + 1)
            throw ChybaArgumentu(std::string(kdo) + ": row too short");
}

// Cells of row i of the mirrored n x n table, one blank between them.
void PridejRadekSymetrickeMatice(std::string& s, const Tmatrix& m, int n, int i)
{
    const auto ui = static_cast<std::size_t>(i);
    for (int j = 0; j < n; ++j) {
        const auto uj = static_cast<std::size_t>(j);
        PridejCislo(s, j <= i ? m[ui][uj] : m[uj][ui]);
        if (j + 1 < n) s += ' ';
    }
}

}  // namespace

std::string SymetrickaMaticeNaText(const Tmatrix& m, int n)
{
    if (n < 0) n = 0;
    if (static_cast<int>(m.size()) < n) throw ChybaArgumentu("SymetrickaMaticeNaText: matrix smaller than n");
    for (int i = 0; i < n; ++i)
        if (static_cast<int>(m[static_cast<std::size_t>(i)].size()) < i + 1)
            throw ChybaArgumentu("SymetrickaMaticeNaText: row too short");
    std::string s;
    s.reserve(static_cast<std::size_t>(n) * static_cast<std::size_t>(n) * 20);
    for (int i = 0; i < n; ++i) {
        PridejRadekSymetrickeMatice(s, m, n, i);
        s += "\r\n";
    }
    return s;
}

std::string SymetrickaMaticeRadekNaText(const Tmatrix& m, int n, int i)
{
    if (i < 0 || i >= n) throw ChybaArgumentu("SymetrickaMaticeRadekNaText: row outside the table");
    if (static_cast<int>(m.size()) < n) throw ChybaArgumentu("SymetrickaMaticeRadekNaText: matrix smaller than n");
    // Row i reads m[i][0..i] and m[j][i] for j > i.
    const auto ui = static_cast<std::size_t>(i);
    bool kratky = m[ui].size() < ui + 1;
    for (int j = i + 1; j < n && !kratky; ++j) kratky = m[static_cast<std::size_t>(j)].size() < ui + 1;
    if (kratky) throw ChybaArgumentu("SymetrickaMaticeRadekNaText: row too short");
    std::string s;
    s.reserve(static_cast<std::size_t>(n) * 20);
    PridejRadekSymetrickeMatice(s, m, n, i);
    return s;
}

namespace {

// The text of columns [j0, j1) of the triangle: each value followed by the
// separator its place in the whole text gives it (a blank, CR LF after every
// k-th value, nothing after the last). The columns are first gathered row by
// row into `blok` (the rows are separate arrays: one cache line and page a
// row), then written from there.
void TextSloupcu(const Tmatrix& m, std::size_t n, std::size_t k, std::size_t j0, std::size_t j1,
                 std::vector<Extended>& blok, std::string& text)
{
    blok.resize((j1 - j0) * n);
    for (std::size_t i = j0; i < n; ++i) {
        const Extended* r = m[i].data();
        for (std::size_t j = j0; j < j1 && j <= i; ++j) blok[(j - j0) * n + i] = r[j];
    }
    const std::size_t celkem = n * (n + 1) / 2;
    std::size_t poradi = 0;  // values of the columns before j0
    for (std::size_t j = 0; j < j0; ++j) poradi += n - j;
    char buf[48];
    text.clear();
    for (std::size_t j = j0; j < j1; ++j) {
        const Extended* sloupec = blok.data() + (j - j0) * n;
        for (std::size_t i = j; i < n; ++i) {
            text.append(buf, static_cast<std::size_t>(CisloNaTextDo(sloupec[i], buf)));
            if (++poradi == celkem) break;
            text += poradi % k == 0 ? "\r\n" : " ";
        }
    }
}

}  // namespace

void TrojuhelnikNaRadky(const Tmatrix& m, int n, int k, const std::function<void(std::string_view)>& radek)
{
    if (n < 0) n = 0;
    OverTrojuhelnik(m, n, k, "TrojuhelnikNaText");
    const auto un = static_cast<std::size_t>(n);
    const auto uk = static_cast<std::size_t>(k);
    // Blocks of kBlok columns are formatted on the threads, a few at a time,
    // and their text goes out line by line in order; a line cut by the end
    // of a block waits for the next one.
    const std::size_t bloku = (un + kBlok - 1) / kBlok;
    std::unique_ptr<TskupinaVlaken> vlakna;
    if (un * (un + 1) / 2 >= kHodnotParalelne) vlakna = std::make_unique<TskupinaVlaken>();
    const std::size_t naKolo = vlakna ? vlakna->Pocet() : 1;
    // Room for a block's values and text is taken here, on the calling
    // thread, so that the threads allocate nothing (and the memory goes back
    // with the caller's).
    std::vector<std::string> texty(naKolo);
    std::vector<std::vector<Extended>> bloky(naKolo);
    for (std::size_t u = 0; u < naKolo; ++u) {
        bloky[u].reserve(std::min(kBlok, un) * un);
        texty[u].reserve(std::min(kBlok, un) * un * 26);
    }
    std::string zbytek;
    for (std::size_t b0 = 0; b0 < bloku; b0 += naKolo) {
        const std::size_t b1 = std::min(b0 + naKolo, bloku);
        auto uloha = [&](std::size_t u) {
            const std::size_t j0 = (b0 + u) * kBlok;
            TextSloupcu(m, un, uk, j0, std::min(j0 + kBlok, un), bloky[u], texty[u]);
        };
        if (vlakna) vlakna->Proved(b1 - b0, uloha);
        else uloha(0);
        for (std::size_t u = 0; u < b1 - b0; ++u) {
            const std::string_view t = texty[u];
            std::size_t z = 0;
            for (std::size_t e = t.find('\r'); e != std::string_view::npos; e = t.find('\r', z)) {
                if (zbytek.empty()) {
                    radek(t.substr(z, e - z));
                } else {
                    zbytek.append(t.substr(z, e - z));
                    radek(zbytek);
                    zbytek.clear();
                }
                z = e + 2;
            }
            zbytek.append(t.substr(z));
        }
    }
    if (!zbytek.empty()) radek(zbytek);
}

namespace {

// The text of rows [i0, i1) of the mirrored table, each with its CR LF. The
// cells right of the diagonal (m[j][i], j > i) are first gathered row j by
// row j into `blok` (row i of the block from (i - i0) n on), then every row
// is written from its own row of m and from there.
void TextRadkuSymetrickeMatice(const Tmatrix& m, std::size_t n, std::size_t i0, std::size_t i1,
                               std::vector<Extended>& blok, std::string& text)
{
    blok.resize((i1 - i0) * n);
    for (std::size_t j = i0 + 1; j < n; ++j) {
        const Extended* r = m[j].data();
        for (std::size_t i = i0; i < i1 && i < j; ++i) blok[(i - i0) * n + j] = r[i];
    }
    char buf[48];
    text.clear();
    for (std::size_t i = i0; i < i1; ++i) {
        const Extended* vlevo = m[i].data();
        const Extended* vpravo = blok.data() + (i - i0) * n;
        for (std::size_t j = 0; j < n; ++j) {
            text.append(buf, static_cast<std::size_t>(CisloNaTextDo(j <= i ? vlevo[j] : vpravo[j], buf)));
            if (j + 1 < n) text += ' ';
        }
        text += "\r\n";
    }
}

}  // namespace

void SymetrickaMaticeNaRadky(const Tmatrix& m, int n, int od, int po,
                             const std::function<void(std::string_view)>& radek)
{
    if (n < 0) n = 0;
    od = std::clamp(od, 0, n);
    po = std::clamp(po, od, n);
    if (od == po) return;
    if (static_cast<int>(m.size()) < n) throw ChybaArgumentu("SymetrickaMaticeNaRadky: matrix smaller than n");
    // Row i reads m[i][0..i] and m[j][i] for j > i: rows od .. n-1 of m.
    for (int i = od; i < n; ++i)
        if (static_cast<int>(m[static_cast<std::size_t>(i)].size()) < std::min(i, po - 1) + 1)
            throw ChybaArgumentu("SymetrickaMaticeNaRadky: row too short");
    const auto un = static_cast<std::size_t>(n);
    const auto uod = static_cast<std::size_t>(od);
    const auto upo = static_cast<std::size_t>(po);
    const std::size_t bloku = (upo - uod + kRadkuNaBlok - 1) / kRadkuNaBlok;
    std::unique_ptr<TskupinaVlaken> vlakna;
    if ((upo - uod) * un >= kHodnotParalelne && bloku > 1) vlakna = std::make_unique<TskupinaVlaken>();
    // The threads format blocks of rows ahead while this thread hands out
    // the rows of the blocks in order; a block takes one of `mist` places,
    // free again once its rows are out. Their room is taken here, on the
    // calling thread (see TrojuhelnikNaRadky).
    const std::size_t mist = vlakna ? std::min<std::size_t>(vlakna->Pocet() + 2, bloku) : 1;
    std::vector<std::string> texty(mist);
    std::vector<std::vector<Extended>> hodnoty(mist);
    for (std::size_t u = 0; u < mist; ++u) {
        hodnoty[u].reserve(std::min(kRadkuNaBlok, upo - uod) * un);
        texty[u].reserve(std::min(kRadkuNaBlok, upo - uod) * un * 26);
    }
    std::mutex mutex;
    std::condition_variable zmena;
    std::size_t dalsi = 0;    // the next block to format
    std::size_t predano = 0;  // blocks handed out
    std::vector<char> hotovo(mist, 0);
    bool konec = false;  // stop: a failure
    std::exception_ptr chyba;
    auto formatuj = [&](std::size_t blok) {
        const std::size_t i0 = uod + blok * kRadkuNaBlok;
        const std::size_t u = blok % mist;
        TextRadkuSymetrickeMatice(m, un, i0, std::min(i0 + kRadkuNaBlok, upo), hodnoty[u], texty[u]);
    };
    auto pracuj = [&](std::size_t) {
        std::unique_lock<std::mutex> z(mutex);
        for (;;) {
            zmena.wait(z, [&] { return konec || dalsi == bloku || dalsi < predano + mist; });
            if (konec || dalsi == bloku) return;
            const std::size_t blok = dalsi++;
            z.unlock();
            try {
                formatuj(blok);
            } catch (...) {
                z.lock();
                if (!chyba) chyba = std::current_exception();
                konec = true;
                zmena.notify_all();
                return;
            }
            z.lock();
            hotovo[blok % mist] = 1;
            zmena.notify_all();
        }
    };
    auto predavej = [&] {
        try {
            for (std::size_t blok = 0; blok < bloku; ++blok) {
                std::unique_lock<std::mutex> z(mutex);
                if (dalsi == blok) {
                    // No thread has taken it yet: formatted here.
                    ++dalsi;
                    z.unlock();
                    formatuj(blok);
                    z.lock();
                } else {
                    zmena.wait(z, [&] { return konec || hotovo[blok % mist] != 0; });
                    if (konec) std::rethrow_exception(chyba);
                }
                z.unlock();
                const std::string_view t = texty[blok % mist];
                for (std::size_t a = 0, e = t.find('\r'); e != std::string_view::npos; a = e + 2, e = t.find('\r', a))
                    radek(t.substr(a, e - a));
                z.lock();
                hotovo[blok % mist] = 0;
                predano = blok + 1;
                zmena.notify_all();
            }
        } catch (...) {
            {
                const std::lock_guard<std::mutex> z(mutex);
                konec = true;
            }
            zmena.notify_all();
            throw;
        }
    };
    if (vlakna)
        vlakna->Proved(vlakna->Pocet() - 1, pracuj, predavej);
    else
        predavej();
}

std::string TrojuhelnikNaText(const Tmatrix& m, int n, int k)
{
    std::string s;
    if (n > 0 && k >= 1 && static_cast<int>(m.size()) >= n)
        s.reserve(static_cast<std::size_t>(n) * static_cast<std::size_t>(n + 1) / 2 * 24);
    TrojuhelnikNaRadky(m, n, k, [&](std::string_view radek) {
        if (!s.empty()) s += "\r\n";
        s += radek;
    });
    return s;
}

// ---------------------------------------------------------------- reading

TctecTrojuhelniku::TctecTrojuhelniku(int n, int k) : n_(n), k_(k)
{
    if (n_ < 0 || k_ < 1) return;
    celkem_ = static_cast<std::uint64_t>(n_) * static_cast<std::uint64_t>(n_ + 1) / 2;
    plnych_ = celkem_ / static_cast<std::uint64_t>(k_);
    zbytek_ = celkem_ % static_cast<std::uint64_t>(k_);
    radku_ = plnych_ + (zbytek_ > 0 ? 1 : 0);
}

TctecTrojuhelniku::~TctecTrojuhelniku() = default;

// Runs uloha(od, do) over [0, pocet) in pieces of naUlohu, on the threads
// when paralelne.
template <class Uloha>
void TctecTrojuhelniku::Rozdel(std::size_t pocet, std::size_t naUlohu, bool paralelne, Uloha&& uloha)
{
    if (!paralelne) {
        uloha(std::size_t{0}, pocet);
        return;
    }
    if (!vlakna_) vlakna_ = std::make_unique<TskupinaVlaken>();
    const std::size_t uloh = (pocet + naUlohu - 1) / naUlohu;
    vlakna_->Proved(uloh, [&](std::size_t u) { uloha(u * naUlohu, std::min(pocet, (u + 1) * naUlohu)); });
}

bool TctecTrojuhelniku::Zacni(std::uint64_t mezTextu)
{
    if (n_ < 0 || k_ < 1 || zacato_) return false;
    // 2 * celkem - 1 bytes at least: a digit each and a separator between.
    if (celkem_ > 0 && (mezTextu == 0 || celkem_ - 1 > (mezTextu - 1) / 2)) return false;
    // Row i gets its values in column order, which is the order the text
    // gives them: the rows grow as the batches come (their room is taken at
    // once, their pages are touched only as they fill).
    const auto un = static_cast<std::size_t>(n_);
    m_.resize(un);
    for (std::size_t i = 0; i < un; ++i) m_[i].reserve(i + 1);
    zacato_ = true;
    return true;
}

bool TctecTrojuhelniku::Radky(const std::string_view* radky, std::size_t pocet)
{
    if (!zacato_ || chyba_) return false;
    if (pocet == 0) return true;
    if (pocet > radku_ - prijato_) {
        chyba_ = true;
        return false;
    }
    if (!PrectiDavku(radky, pocet)) {
        chyba_ = true;
        return false;
    }
    return true;
}

// Converts the lines into hodnoty_ (line r of the batch from r k on), then
// stores them into the triangle.
bool TctecTrojuhelniku::PrectiDavku(const std::string_view* radky, std::size_t pocet)
{
    const auto uk = static_cast<std::size_t>(k_);
    const std::uint64_t prvni = prijato_;
    const std::size_t hodnot = static_cast<std::size_t>(
        std::min<std::uint64_t>((prvni + pocet) * uk, celkem_) - prvni * uk);
    hodnoty_.resize(hodnot);
    const bool paralelne = hodnot >= kHodnotParalelne;
    std::atomic<bool> chyba{false};
    Rozdel(pocet, kRadkuNaPrevod, paralelne, [&](std::size_t od, std::size_t po) {
        for (std::size_t r = od; r < po && !chyba.load(std::memory_order_relaxed); ++r) {
            const int polozek = prvni + r < plnych_ ? k_ : static_cast<int>(zbytek_);
            if (!PrectiCislaRadku(radky[r], polozek, hodnoty_.data() + r * uk))
                chyba.store(true, std::memory_order_relaxed);
        }
    });
    if (chyba.load()) return false;
    prijato_ += pocet;
    Uloz(hodnot);
    return true;
}

// Stores the batch's values, column by column from (radek_, sloupec_), into
// the rows of the triangle: row by row on the threads, each row's values of
// a few dozen columns at a time.
void TctecTrojuhelniku::Uloz(std::size_t pocetHodnot)
{
    const auto un = static_cast<std::size_t>(n_);
    sloupce_.clear();
    std::size_t poloha = 0, radek = radek_, sloupec = sloupec_;
    std::size_t nejnizsi = un;
    while (poloha < pocetHodnot) {
        const std::size_t vzit = std::min(un - radek, pocetHodnot - poloha);
        sloupce_.push_back({radek, radek + vzit, poloha});
        nejnizsi = std::min(nejnizsi, radek);
        poloha += vzit;
        radek += vzit;
        if (radek == un) radek = ++sloupec;
    }
    if (sloupce_.empty()) return;
    const std::size_t prvniSloupec = sloupec_;
    radek_ = radek;
    sloupec_ = sloupec;
    const std::size_t pocetSloupcu = sloupce_.size();
    const bool paralelne = pocetHodnot >= kHodnotParalelne;
    // Column s is column prvniSloupec + s of the triangle. Every column but
    // the first starts at its diagonal and every column but the last ends
    // at the last row, so a row takes the columns s0 (the first one only
    // from its first row on) .. its own column (the last one only up to its
    // last row).
    const Tsloupec& prvni = sloupce_.front();
    const Tsloupec& posledni = sloupce_.back();
    Rozdel(un - nejnizsi, kRadkuNaUlohu, paralelne, [&](std::size_t od, std::size_t po) {
        for (std::size_t s0 = 0; s0 < pocetSloupcu; s0 += kSloupcuNaDlazdici) {
            const std::size_t s1 = std::min(s0 + kSloupcuNaDlazdici, pocetSloupcu);
            for (std::size_t i = nejnizsi + od; i < nejnizsi + po; ++i) {
                std::size_t a = s0, b = std::min(s1, i - prvniSloupec + 1);
                if (a == 0 && i < prvni.zacatek) a = 1;
                if (b == pocetSloupcu && i >= posledni.konec) --b;
                if (a >= b) continue;
                Tvector& radek = m_[i];
                radek.resize(prvniSloupec + b);
                // Copied as bytes: a value is moved, not computed with.
                Extended* r = radek.data() + prvniSloupec;
                for (std::size_t s = a; s < b; ++s)
                    std::memcpy(r + s, hodnoty_.data() + (sloupce_[s].poloha + i - sloupce_[s].zacatek), sizeof(Extended));
            }
        }
    });
}

bool TctecTrojuhelniku::Dokonci(Tmatrix& m)
{
    if (!zacato_ || chyba_ || prijato_ != radku_) return false;
    m = std::move(m_);
    m_.clear();
    zacato_ = false;
    return true;
}

bool TextNaTrojuhelnik(const TStringList& radky, int n, int k, Tmatrix& m)
{
    m.clear();
    try {
        TctecTrojuhelniku ctec(n, k);
        if (n < 0 || k < 1) return false;
        const std::uint64_t celkem = static_cast<std::uint64_t>(n) * static_cast<std::uint64_t>(n + 1) / 2;
        const std::uint64_t radku = (celkem + static_cast<std::uint64_t>(k) - 1) / static_cast<std::uint64_t>(k);
        if (radky.size() != radku) return false;
        if (!ctec.Zacni(UINT64_MAX)) return false;
        std::vector<std::string_view> pohledy(radky.begin(), radky.end());
        return ctec.Radky(pohledy.data(), pohledy.size()) && ctec.Dokonci(m);
    } catch (...) {
        m.clear();
        return false;
    }
}

}  // namespace sitmera

#include "numerics/Vlakna.h"

#include <algorithm>

namespace sitmera {

TskupinaVlaken::TskupinaVlaken(unsigned pocet)
{
    if (pocet == 0) pocet = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    for (unsigned i = 1; i < pocet; ++i) vlakna_.emplace_back([this] { Pracuj(); });
}

TskupinaVlaken::~TskupinaVlaken()
{
    {
        std::lock_guard<std::mutex> zamek(mutex_);
        konec_ = true;
    }
    prace_.notify_all();
    for (std::thread& v : vlakna_) v.join();
}

// Takes and runs tasks of the present job until none is left; the lock is
// held between tasks only.
void TskupinaVlaken::Vezmi(std::unique_lock<std::mutex>& zamek)
{
    while (dalsi_ < pocetUloh_) {
        const std::size_t i = dalsi_++;
        ++bezi_;
        const auto* uloha = uloha_;
        zamek.unlock();
        std::exception_ptr chyba;
        try {
            (*uloha)(i);
        } catch (...) {
            chyba = std::current_exception();
        }
        zamek.lock();
        if (chyba && !chyba_) chyba_ = chyba;
        if (--bezi_ == 0 && dalsi_ == pocetUloh_) hotovo_.notify_all();
    }
}

void TskupinaVlaken::Pracuj()
{
    std::unique_lock<std::mutex> zamek(mutex_);
    std::size_t videna = 0;
    for (;;) {
        prace_.wait(zamek, [&] { return konec_ || generace_ != videna; });
        if (konec_) return;
        videna = generace_;
        Vezmi(zamek);
    }
}

void TskupinaVlaken::Proved(std::size_t n, const std::function<void(std::size_t)>& uloha)
{
    Proved(n, uloha, {});
}

void TskupinaVlaken::Proved(std::size_t n, const std::function<void(std::size_t)>& uloha,
                            const std::function<void()>& vlastni)
{
    std::unique_lock<std::mutex> zamek(mutex_);
    uloha_ = &uloha;
    pocetUloh_ = n;
    dalsi_ = 0;
    bezi_ = 0;
    chyba_ = nullptr;
    ++generace_;
    if (!vlakna_.empty() && n > 0) prace_.notify_all();
    std::exception_ptr chybaVlastni;
    if (vlastni) {
        zamek.unlock();
        try {
            vlastni();
        } catch (...) {
            chybaVlastni = std::current_exception();
        }
        zamek.lock();
    }
    Vezmi(zamek);
    hotovo_.wait(zamek, [&] { return dalsi_ == pocetUloh_ && bezi_ == 0; });
    uloha_ = nullptr;
    pocetUloh_ = 0;
    std::exception_ptr chyba = chybaVlastni ? chybaVlastni : chyba_;
    chyba_ = nullptr;
    zamek.unlock();
    if (chyba) std::rethrow_exception(chyba);
}

}  // namespace sitmera

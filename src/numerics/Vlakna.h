// Work spread over the processor's cores.
//
// TskupinaVlaken is a small group of threads that runs the numbered tasks of
// one job at a time: Proved(n, uloha) runs uloha(0) .. uloha(n-1), each once,
// on the group's threads and on the calling thread, and returns when all have
// finished. Which thread runs which task is left to chance, so a task must
// write only what belongs to it (its own rows, its own slice of a buffer):
// then the result does not depend on the number of threads or their order.
//
// The readers of large epochs use it for the independent lines of the
// covariance section, the writers for its blocks of columns. A group of one
// thread runs everything on the caller's thread.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace sitmera {

class TskupinaVlaken {
public:
    // pocet: threads including the caller's; 0 takes as many as the
    // processor has, at most 8.
    explicit TskupinaVlaken(unsigned pocet = 0);
    ~TskupinaVlaken();
    TskupinaVlaken(const TskupinaVlaken&) = delete;
    TskupinaVlaken& operator=(const TskupinaVlaken&) = delete;

    // Threads including the caller's.
    unsigned Pocet() const { return static_cast<unsigned>(vlakna_.size()) + 1; }

    // Runs uloha(0) .. uloha(n-1) and waits for all of them. The first
    // exception a task throws is thrown here once all have finished.
    void Proved(std::size_t n, const std::function<void(std::size_t)>& uloha);
    // The same, while the calling thread runs `vlastni` first (work of its
    // own beside the tasks, e.g. using their results in order); then it takes
    // what tasks are left and waits for all. An exception of `vlastni` is
    // thrown once all tasks have finished, before any of theirs: `vlastni`
    // tells the tasks to stop before it throws.
    void Proved(std::size_t n, const std::function<void(std::size_t)>& uloha, const std::function<void()>& vlastni);

private:
    void Pracuj();
    void Vezmi(std::unique_lock<std::mutex>& zamek);

    std::vector<std::thread> vlakna_;
    std::mutex mutex_;
    std::condition_variable prace_, hotovo_;
    const std::function<void(std::size_t)>* uloha_ = nullptr;
    std::size_t pocetUloh_ = 0;
    std::size_t dalsi_ = 0;     // the next task to take
    std::size_t bezi_ = 0;      // tasks taken and not finished
    std::size_t generace_ = 0;  // jobs started
    bool konec_ = false;
    std::exception_ptr chyba_;
};

}  // namespace sitmera

// The group of threads: every task of a job runs exactly once whatever the
// number of threads, a group serves job after job, a group of one runs on the
// caller's thread, the first exception of a job comes out of Proved only
// once every other task has run, and work of the caller's own beside the
// tasks fails only after every task has finished.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include "numerics/Vlakna.h"

using namespace sitmera;

TEST(TskupinaVlaken, KazdaUlohaJednouVKazdePraci)
{
    const std::thread::id volajici = std::this_thread::get_id();
    for (const unsigned vlaken : {1u, 3u, 8u}) {
        TskupinaVlaken skupina(vlaken);
        EXPECT_EQ(skupina.Pocet(), vlaken);
        for (const std::size_t n : {0u, 1u, 7u, 5000u}) {
            std::vector<std::atomic<int>> kolikrat(n);
            std::atomic<bool> jineVlakno{false};
            // Two jobs in a row on the same group.
            for (int prace = 0; prace < 2; ++prace)
                skupina.Proved(n, [&](std::size_t i) {
                    kolikrat[i].fetch_add(1);
                    if (std::this_thread::get_id() != volajici) jineVlakno = true;
                });
            int spatne = 0;
            for (std::size_t i = 0; i < n; ++i) spatne += kolikrat[i].load() != 2;
            EXPECT_EQ(spatne, 0) << vlaken << " threads, " << n << " tasks";
            if (vlaken == 1) {
                EXPECT_FALSE(jineVlakno);
            }
        }
    }
}

TEST(TskupinaVlaken, VyjimkaUlohyAzPoDokonceniOstatnich)
{
    TskupinaVlaken skupina(4);
    std::atomic<int> hotovo{0};
    EXPECT_THROW(skupina.Proved(200,
                                [&](std::size_t i) {
                                    if (i == 10 || i == 150) throw std::runtime_error("task");
                                    hotovo.fetch_add(1);
                                }),
                 std::runtime_error);
    EXPECT_EQ(hotovo.load(), 198);
    // The group goes on working, with no exception left over from the job.
    std::atomic<int> pocet{0};
    EXPECT_NO_THROW(skupina.Proved(5, [&](std::size_t) { pocet.fetch_add(1); }));
    EXPECT_EQ(pocet.load(), 5);
}

TEST(TskupinaVlaken, VlastniPraceVolajicihoASelhaniAzPoVsechUlohach)
{
    // A group of one runs the tasks after the caller's work. The caller's
    // failure comes out only when every task has finished, before theirs.
    for (unsigned vlaken : {1u, 4u}) {
        TskupinaVlaken skupina(vlaken);
        std::atomic<int> hotovych{0};
        auto uloha = [&](std::size_t i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            ++hotovych;
            if (i == 0) throw std::logic_error("task");
        };
        EXPECT_THROW(skupina.Proved(8, uloha, [] { throw std::runtime_error("own"); }), std::runtime_error);
        EXPECT_EQ(hotovych, 8) << vlaken;
    }
}

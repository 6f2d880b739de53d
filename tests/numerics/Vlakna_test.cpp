// The thread group: every task once, and the caller's own work beside them.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include "numerics/Vlakna.h"

using namespace sitmera;

TEST(TskupinaVlaken, UlohyJednouAVlastniPraceVolajicihoVedleNich)
{
    for (unsigned vlaken : {1u, 4u}) {
        TskupinaVlaken skupina(vlaken);
        std::vector<std::atomic<int>> provedeno(100);
        const auto uloha = [&](std::size_t i) { ++provedeno[i]; };
        skupina.Proved(provedeno.size(), uloha);
        // The caller's own work runs on the caller's thread; the tasks run
        // once each all the same (a group of one runs them after it).
        const std::thread::id volajici = std::this_thread::get_id();
        std::thread::id vlastniNa;
        skupina.Proved(provedeno.size(), uloha, [&] { vlastniNa = std::this_thread::get_id(); });
        EXPECT_EQ(vlastniNa, volajici);
        for (const auto& p : provedeno) EXPECT_EQ(p, 2) << vlaken;
        // A failure of the caller's work comes out only when every task has
        // finished, before a task's own failure.
        std::atomic<int> hotovych{0};
        EXPECT_THROW(skupina.Proved(
                         8,
                         [&](std::size_t i) {
                             std::this_thread::sleep_for(std::chrono::milliseconds(5));
                             ++hotovych;
                             if (i == 0) throw std::logic_error("task");
                         },
                         [] { throw std::runtime_error("own"); }),
                     std::runtime_error);
        EXPECT_EQ(hotovych, 8) << vlaken;
        skupina.Proved(provedeno.size(), uloha);
        for (const auto& p : provedeno) EXPECT_EQ(p, 3) << vlaken;
    }
}

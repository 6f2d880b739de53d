// The thread group with work of the caller's own beside the tasks.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "numerics/Vlakna.h"

using namespace sitmera;

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

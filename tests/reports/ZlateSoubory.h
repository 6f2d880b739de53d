// Golden files of the reports: expected report texts kept in tests/data/reports,
// compared line by line so that a change of layout shows as a readable diff.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "numerics/TextSoubor.h"
#include "numerics/Zaklad.h"

namespace sitmera::test {

// The lines of a golden file.
inline TStringList Zlaty(const std::string& jmeno)
{
    return NactiTextovySoubor(std::string(SITMERA_TEST_DATA) + "/reports/" + jmeno);
}

// Equal line lists; on failure names the first differing line.
inline ::testing::AssertionResult StejneRadky(const TStringList& skutecne, const TStringList& ocekavane)
{
    const std::size_t n = std::min(skutecne.size(), ocekavane.size());
    for (std::size_t i = 0; i < n; ++i)
        if (skutecne[i] != ocekavane[i])
            return ::testing::AssertionFailure() << "line " << i + 1 << "\n  got:      [" << skutecne[i]
                                                 << "]\n  expected: [" << ocekavane[i] << "]";
    if (skutecne.size() != ocekavane.size())
        return ::testing::AssertionFailure() << "got " << skutecne.size() << " lines, expected "
                                             << ocekavane.size();
    return ::testing::AssertionSuccess();
}

}  // namespace sitmera::test

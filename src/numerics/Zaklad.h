// Basic types and failure kinds shared by every unit of the program.
//
// Reals are 80-bit extended (`long double` on x86-64 Linux). Arrays are plain
// values: copying one gives an independent copy. An empty array is the cleared
// state.
//
// Failures come in three kinds:
//  - TichePreruseni: the silent abort. A reader or command stops; the notice, if
//    any, has already been recorded, so nothing more is shown.
//  - ChybaPrevodu: a text that is not a number (or not a valid value of its kind).
//  - ChybaAritmetiky: an arithmetic failure the program relies on being raised,
//    such as the square root of a negative number or a division by zero; C++
//    raises none of its own, so the checked helpers below throw it.
#pragma once

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace sitmera {

using Extended = long double;

using Tvector = std::vector<Extended>;
using Tmatrix = std::vector<Tvector>;
using TindexVector = std::vector<std::int32_t>;
using TindexMatrix = std::vector<TindexVector>;
using TboolVector = std::vector<bool>;

using TtextVektor = std::vector<std::string>;
using TtextPole = std::vector<TtextVektor>;
// A list of lines (of a file, a report or a section).
using TStringList = std::vector<std::string>;

// The silent abort.
class TichePreruseni : public std::exception {
public:
    TichePreruseni() = default;
    const char* what() const noexcept override { return "Operation aborted"; }
};

// A text that does not convert to the value asked for.
class ChybaPrevodu : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An arithmetic failure (invalid operation, division by zero, overflow).
class ChybaAritmetiky : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An argument outside the domain of a function (for example a probability
// outside (0, 1)).
class ChybaArgumentu : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// A file that cannot be opened, read or written.
class ChybaSouboru : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Checked arithmetic: throws ChybaAritmetiky where the hardware would trap.

// Square root; a negative or non-finite argument fails.
inline Extended Odmocnina(Extended x)
{
    if (!(x >= 0) || !std::isfinite(x)) throw ChybaAritmetiky("Invalid floating point operation");
    return std::sqrt(x);
}

// a / b; a zero divisor or a non-finite result fails.
inline Extended Podil(Extended a, Extended b)
{
    if (b == 0) throw ChybaAritmetiky("Floating point division by zero");
    const Extended r = a / b;
    if (!std::isfinite(r)) throw ChybaAritmetiky("Floating point overflow");
    return r;
}

// Checks that a computed value is finite (no overflow, no invalid operation).
inline Extended Konecne(Extended x)
{
    if (!std::isfinite(x)) throw ChybaAritmetiky("Invalid floating point operation");
    return x;
}

// Natural logarithm; a non-positive argument fails.
inline Extended Logaritmus(Extended x)
{
    if (!(x > 0) || !std::isfinite(x)) throw ChybaAritmetiky("Invalid floating point operation");
    return std::log(x);
}

// Arc cosine; an argument outside [-1, 1] fails.
inline Extended ArcCos(Extended x)
{
    if (!(x >= -1 && x <= 1)) throw ChybaAritmetiky("Invalid floating point operation");
    return std::acos(x);
}

// Arc sine; an argument outside [-1, 1] fails.
inline Extended ArcSin(Extended x)
{
    if (!(x >= -1 && x <= 1)) throw ChybaAritmetiky("Invalid floating point operation");
    return std::asin(x);
}

}  // namespace sitmera

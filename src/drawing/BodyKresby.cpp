#include "drawing/BodyKresby.h"

#include <cmath>

namespace sitmera {

T2DPoint BodSipky(const TDuoPoint& d, Extended delka, Extended uhel)
{
    const T2DPoint& T = d.Max;
    const T2DPoint& O = d.Min;
    const Extended theta = std::atan2(O[1] - T[1], O[0] - T[0]);
    return {T[0] + delka * std::cos(theta + uhel), T[1] + delka * std::sin(theta + uhel)};
}

}  // namespace sitmera

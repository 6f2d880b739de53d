#include "ui/layer/Prostredi.h"

namespace sitmera {

TprostrediOken& Prostredi()
{
    static TprostrediOken prostredi;
    return prostredi;
}

}  // namespace sitmera

#include "catalog.h"

namespace gendata {

void AddCreaturePainters(PainterTable&) {}

}  // namespace gendata

#include "catalog.h"

namespace gendata {

void AddScenePainters(PainterTable&) {}

}  // namespace gendata

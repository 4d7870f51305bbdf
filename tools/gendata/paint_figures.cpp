#include "catalog.h"

namespace gendata {

void AddFigurePainters(PainterTable&) {}

}  // namespace gendata

#include "catalog.h"

namespace gendata {

void AddUiPainters(PainterTable&) {}

}  // namespace gendata

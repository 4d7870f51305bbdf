#include "catalog.h"

namespace gendata {

void AddIconPainters(PainterTable&) {}

}  // namespace gendata

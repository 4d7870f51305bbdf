#include "catalog.h"

namespace gendata {

void AddItemPainters(PainterTable&) {}

}  // namespace gendata

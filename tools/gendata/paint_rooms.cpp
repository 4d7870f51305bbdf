#include "catalog.h"

namespace gendata {

void AddRoomPainters(PainterTable&) {}

}  // namespace gendata

#include "editing/navigation.h"

namespace bw {

void recordslideChange(MainState&) {}

} // namespace bw

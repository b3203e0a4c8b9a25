#include "summaries/finances.h"

namespace bw {

void treasurebuttonClick(MainState&) {}

} // namespace bw

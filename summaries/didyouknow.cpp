#include "summaries/didyouknow.h"

namespace bw {

void Image9Click(MainState&) {}

} // namespace bw

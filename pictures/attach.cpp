#include "pictures/attach.h"

namespace bw {

void scroll1DblClick(MainState&) {}
void Label19DblClick(MainState&) {}
void beanimgDblClick(MainState&) {}
void beanimgMouseDown(MainState&, MouseButton) {}

} // namespace bw

#include "editing/savedelete.h"

namespace bw {

void savebuttClick(MainState&) {}
void deletebuttonClick(MainState&) {}

} // namespace bw

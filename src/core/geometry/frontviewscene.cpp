#include "geometry/frontviewscene.h"
namespace tarvik {
void buildFrontViewScene(const EngineInput &, EngineOutput &) { }
} // namespace tarvik

// The core's spec headers for GUI sources. SpecRecord has a member named
// slots(), which Qt's "slots" keyword macro would swallow once any Qt header
// is in; the macro is set aside while the core headers are read.
#pragma once

#pragma push_macro("slots")
#undef slots
#include "spec/entryvalidation.h"
#include "spec/fieldinfo.h"
#include "spec/layoutstate.h"
#include "spec/specrecord.h"
#include "spec/vehiclefile.h"
#pragma pop_macro("slots")

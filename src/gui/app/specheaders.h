// The core's layout headers that the GUI sources use together: the spec
// record, field definitions, box validation, layout state and vehicle file.
#pragma once

#include "core/layout/entryvalidation.h"
#include "core/layout/fieldinfo.h"
#include "core/layout/layoutstate.h"
#include "core/layout/specrecord.h"
#include "core/layout/vehiclefile.h"

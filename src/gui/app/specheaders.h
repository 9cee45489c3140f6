// The core's layout headers that the GUI sources use together: the spec
// record, field definitions, box validation, layout state and vehicle file.
#pragma once

#include "spec/entryvalidation.h"
#include "spec/fieldinfo.h"
#include "spec/layoutstate.h"
#include "spec/specrecord.h"
#include "spec/vehiclefile.h"

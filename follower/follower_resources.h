#ifndef SUITE_FOLLOWER_RESOURCES_H
#define SUITE_FOLLOWER_RESOURCES_H

/* The follower window's named resources, shared by the resource scripts of the programs
   and tests that carry it and the code. The resource compiler reads this file too. */

#include "runtime/resource_ids.h"

/* frmPebbit's picture (BITMAP). */
#define FOLLOWER_PICTURE_RESOURCE PEBBIT

#endif

#ifndef SUITE_RUNTIME_RESOURCE_IDS_H
#define SUITE_RUNTIME_RESOURCE_IDS_H

/* The numbered resources of the suite's modules, shared by the resource scripts and the
   code. The resource compiler reads this file too, so it holds only definitions. */

/* The programs: the program icon, 32 x 32 and 16 x 16. */
#define SUITE_PROGRAM_ICON_ID 1

/* Sleekon.ocx: its type library, which LoadTypeLibEx finds as the first TYPELIB resource. */
#define SLEEKON_TYPELIB_ID 1
/* Sleekon.ocx: the control class's toolbox picture (16 x 15, 16 colours). */
#define SLEEKON_TOOLBOX_BITMAP_ID 30000

#endif

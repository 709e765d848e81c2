#ifndef SUITE_RUNTIME_RESOURCE_IDS_H
#define SUITE_RUNTIME_RESOURCE_IDS_H

/* The numbered resources of the suite's modules, shared by the resource scripts and the
   code. The resource compiler reads this file too, so it holds only definitions. */

/* The programs: the program icon, 16 to 256 pixels (16, 20, 24, 32, 48, 256). */
#define SUITE_PROGRAM_ICON_ID 1

/* The named resources every program carries: its stored main window layout (RCDATA) and
   the main window's background bitmap. In a resource script a name stands bare; the code
   spells it SUITE_RESOURCE_NAME(SUITE_MAIN_LAYOUT_RESOURCE), the same name as wide text. */
#define SUITE_MAIN_LAYOUT_RESOURCE FRMMAIN
#define SUITE_BACKGROUND_BITMAP BACKGROUND

/* A resource name of this or another resource header as the wide text FindResource takes. */
#define SUITE_RESOURCE_TEXT_(name) #name
#define SUITE_RESOURCE_WIDE_(text) L##text
#define SUITE_RESOURCE_WIDE(text) SUITE_RESOURCE_WIDE_(text)
#define SUITE_RESOURCE_NAME(name) SUITE_RESOURCE_WIDE(SUITE_RESOURCE_TEXT_(name))

/* A bitmap drawn at another artwork step than 100 % (runtime/display_scale.h): NAME_125,
   NAME_150, NAME_175, NAME_200 beside NAME, for a name that may itself be a macro. */
#define SUITE_SCALED_NAME_(name, percent) name##_##percent
#define SUITE_SCALED_NAME(name, percent) SUITE_SCALED_NAME_(name, percent)

/* Sleekon.ocx: its type library, which LoadTypeLibEx finds as the first TYPELIB resource. */
#define SLEEKON_TYPELIB_ID 1
/* Sleekon.ocx: the control class's toolbox picture (16 x 15, 16 colours). */
#define SLEEKON_TOOLBOX_BITMAP_ID 30000

#endif

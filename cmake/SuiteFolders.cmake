# The suite's source folders, from the bottom up, in the order the build adds them. The
# build, the format check and scripts/format all read this one list.
set(SUITE_FOLDERS
    runtime testing container flatbutton frame clicker follower tapnor fendle benchmarks packaging
    fuzz tools)

# What each folder's code may include besides its own: a folder stands only on those below
# it. Tests may include testing/ too, and what SUITE_TESTS_USE_<folder> adds. SuiteLinkCheck
# holds the code to this, and to linking what it includes.
set(SUITE_USES_runtime "")
set(SUITE_USES_testing runtime)
set(SUITE_USES_container runtime)
set(SUITE_USES_flatbutton runtime)
# The control's tests host it in the programs' container; the control itself knows none.
set(SUITE_TESTS_USE_flatbutton container)
set(SUITE_USES_frame runtime container flatbutton)
set(SUITE_USES_clicker runtime)
set(SUITE_USES_follower runtime)
set(SUITE_USES_tapnor runtime frame clicker)
set(SUITE_USES_fendle runtime frame follower)
set(SUITE_USES_benchmarks runtime frame clicker follower tapnor fendle testing)
set(SUITE_USES_packaging runtime flatbutton testing)
set(SUITE_USES_fuzz runtime frame tapnor fendle)

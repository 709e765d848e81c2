# The suite's source folders, in the order the build adds them: the runtime and the test
# helpers first, then the frame that the programs stand on, then the rest. The build, the
# format check and scripts/format all read this one list.
set(SUITE_FOLDERS
    runtime testing frame flatbutton clicker follower tapnor fendle benchmarks packaging fuzz tools)

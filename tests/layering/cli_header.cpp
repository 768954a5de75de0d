// Must not compile for core, display or figure: the command line is above them.
#include "cli/headless_run.h"

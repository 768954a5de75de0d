// Must not compile for core or display: the command line is above them.
#include "cli/headless_run.h"

// Must not compile from core: the display layer sits above it.
#include "display/plot_geometry.h"

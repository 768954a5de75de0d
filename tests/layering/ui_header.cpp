// Must not compile from core, display, figure or cli: the windows are the top layer.
#include "ui/plot_box.h"

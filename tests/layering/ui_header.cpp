// Must not compile from core or display: the windows are the top layer.
#include "ui/plot_box.h"

// Must not compile from core or display: the figure sits above them.
#include "figure/waveform_figure.h"

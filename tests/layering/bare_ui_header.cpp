// Must not compile from core or display, even without the folder in the name.
#include <plot_box.h>

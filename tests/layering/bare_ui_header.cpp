// Must not compile from core, display, figure or cli, even without the folder in the name.
#include <plot_box.h>

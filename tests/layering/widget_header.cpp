// Must not compile from cli or figure: they stand on Qt's Gui module, without the widgets.
#include <QWidget>

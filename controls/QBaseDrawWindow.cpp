#include "QBaseDrawWindow.h"

// The window classes of the control library: each handler is compiled once here.
template class QBaseDrawWindow<QDialog>;
template class QBaseDrawWindow<QMainWindow>;
template class QBaseDrawWindow<QWidget>;

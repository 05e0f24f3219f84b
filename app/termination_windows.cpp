#include "app/termination.h"

namespace selenar {

// Windows ends a GUI program through its window messages, which close the
// main window normally.
void QuitOnTerminationRequest(QCoreApplication&) {}

}  // namespace selenar

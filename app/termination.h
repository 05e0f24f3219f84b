#pragma once

class QCoreApplication;

namespace selenar {

// Makes a request to terminate (SIGTERM, SIGINT, SIGHUP where they exist)
// end the event loop normally, so that the settings are stored on the way out.
void QuitOnTerminationRequest(QCoreApplication& application);

}  // namespace selenar

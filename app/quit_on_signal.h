#pragma once
// Termination signals end the program the way closing its window does: the
// event loop ends and every destructor runs, so the host link's endpoint in the
// link directory goes with the program. A second signal ends it at once.

namespace quantora {

// Watches SIGTERM, SIGINT and SIGHUP for the running application object.
void QuitOnTerminationSignals();

}  // namespace quantora

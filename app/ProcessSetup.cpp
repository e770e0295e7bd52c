#include "app/ProcessSetup.h"

#include <csignal>

void PrepareProcess()
{
    // The default action of SIGXFSZ kills the process (with a core) at the first byte past
    // `ulimit -f`; the parameter file's save already checks every write's count.
    std::signal(SIGXFSZ, SIG_IGN);
}

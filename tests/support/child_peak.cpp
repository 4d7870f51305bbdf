// Runs a piece of a test in a forked child and reads its peak memory from the parent.
#include "support/child_peak.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace testsupport {

namespace {

// VmRSS of this process, in KiB.
long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

}  // namespace

ChildRun RunInChild(const std::function<int()>& piece) {
    ChildRun run;
    run.startKiB = ResidentKiB();
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) _exit(piece());
    if (child < 0) return run;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return run;
    run.exited = WIFEXITED(status);
    run.status = run.exited ? WEXITSTATUS(status) : -1;
    run.peakKiB = usage.ru_maxrss;
    return run;
}

}  // namespace testsupport

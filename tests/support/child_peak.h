// Runs a piece of a test in a child process and measures from outside what it took: its exit
// status and its peak resident memory, as the system accounts them.
#pragma once

#include <functional>

namespace testsupport {

struct ChildRun {
    bool exited = false;  // ended by returning (not by a signal)
    int status = -1;      // what the piece returned, when it exited
    long peakKiB = 0;     // the child's peak resident memory
    long startKiB = 0;    // the resident memory of this process when the child was made

    // What the piece took beyond the memory it started with, in MiB.
    long ExtraMiB() const { return (peakKiB - startKiB) / 1024; }
};

// More than any refused file may cost: far below the gigabytes of the files the tests refuse.
inline constexpr long kSmallMiB = 64;

// Runs `piece` in a fork of this process; its return value becomes the child's exit status.
ChildRun RunInChild(const std::function<int()>& piece);

}  // namespace testsupport

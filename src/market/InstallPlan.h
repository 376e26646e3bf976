#pragma once
#include <string>
#include <vector>

#include "market/InstallPipeline.h"
#include "market/QueueEntry.h"
#include "platform/Result.h"

namespace market {

// One download an installer wants: the queue entry and the folder created for it beforehand.
struct PlannedTask {
    std::string folder;
    QueueEntry entry;
    bool operator==(const PlannedTask&) const = default;
};

// What one installer run queues, in queue order.
using InstallPlan = std::vector<PlannedTask>;

// What queueing a plan did.
struct QueueOutcome {
    size_t added = 0;
    // The queue holds new tasks that may start now (it was empty before, or several downloads
    // run at once): the caller starts the head.
    bool startHead = false;
    // Tasks left out because their folder could not be created, and the first reason.
    size_t skipped = 0;
    std::string failure;
};

// Creates each task's folder (with all parents) before the task is appended; a task whose
// folder cannot be created is left out.
QueueOutcome QueuePlan(InstallPipeline& pipeline, const InstallPlan& plan);

// Tells the player how many tasks were skipped and why, when any was.
void showSkipped(InstallPipeline& pipeline, const QueueOutcome& outcome);

// The folder at `path` with all its parents, created now.
platform::Result<void> ensureFolder(const std::string& path);

}  // namespace market

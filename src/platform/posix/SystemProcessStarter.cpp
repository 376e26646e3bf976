#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <thread>
#include <vector>

#include "platform/ProcessStarter.h"
#include "platform/posix/SpawnArguments.h"

extern char** environ;

namespace platform {

Result<> SystemProcessStarter::start(const std::string& commandLine, WindowStyle,
                                     const std::string& workingFolder) {
    SpawnArguments arguments(commandLine);
    if (arguments.empty()) return Failure{"命令行为空"};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!workingFolder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // A session of its own: the child outlives the launcher and its terminal.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);

    pid_t pid = 0;
    int rc = posix_spawnp(&pid, arguments.program().c_str(), &actions, &attributes,
                          arguments.argv(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return Failure{arguments.program() + ": " + std::strerror(rc)};
    // Reap the child whenever it ends so it never lingers as a zombie; nobody waits on it.
    std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
    return {};
}

}  // namespace platform

// leftovers COMMAND...: runs a test that starts daemons (Xvfb, PulseAudio, a
// browser) and fails when any process it started outlives it. As the child
// subreaper this process inherits every orphan of the test, even a daemon
// that detached itself, so whatever is still its child once the test has
// ended was left behind; those are named, killed and counted as a failure.
#include <sys/prctl.h>
#include <sys/wait.h>

#include <dirent.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

pid_t test = 0;

void forward(int sig)
{
    if (test > 0)
        kill(test, sig);
}

struct Process {
    pid_t pid;
    std::string name;
};

// This process's living children, from /proc; zombies are reaped instead.
std::vector<Process> children()
{
    while (waitpid(-1, nullptr, WNOHANG) > 0) {
    }
    std::vector<Process> found;
    DIR *proc = opendir("/proc");
    if (!proc)
        return found;
    while (dirent *e = readdir(proc)) {
        const pid_t pid = std::atoi(e->d_name);
        if (pid <= 0)
            continue;
        std::ifstream stat("/proc/" + std::string(e->d_name) + "/stat");
        std::string line;
        if (!std::getline(stat, line))
            continue;
        // pid (comm) state ppid ...; comm may hold spaces and parentheses.
        const auto open = line.find('('), close = line.rfind(')');
        if (open == std::string::npos || close == std::string::npos)
            continue;
        char state = 0;
        int ppid = 0;
        if (std::sscanf(line.c_str() + close + 1, " %c %d", &state, &ppid) == 2 && ppid == getpid() &&
            state != 'Z')
            found.push_back({pid, line.substr(open + 1, close - open - 1)});
    }
    closedir(proc);
    return found;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: leftovers COMMAND [ARGUMENT...]\n");
        return 2;
    }
    if (prctl(PR_SET_CHILD_SUBREAPER, 1) != 0) {
        std::perror("leftovers: PR_SET_CHILD_SUBREAPER");
        return 2;
    }
    test = fork();
    if (test == 0) {
        execvp(argv[1], argv + 1);
        std::perror("leftovers: exec");
        _exit(127);
    }
    std::signal(SIGTERM, forward);
    std::signal(SIGINT, forward);
    int status = 0;
    while (waitpid(test, &status, 0) < 0 && errno == EINTR) {
    }
    // A daemon the test has just stopped may take a moment to go.
    std::vector<Process> left = children();
    for (int i = 0; i < 40 && !left.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        left = children();
    }
    // Killing one hands its own children to this process in turn.
    std::size_t outlived = 0;
    for (; !left.empty(); left = children()) {
        for (const Process &p : left) {
            std::printf("FAIL - process %d (%s) outlived the test\n", static_cast<int>(p.pid), p.name.c_str());
            kill(p.pid, SIGKILL);
        }
        outlived += left.size();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (outlived > 0) {
        std::printf("%zu failed\n", outlived);
        return 1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

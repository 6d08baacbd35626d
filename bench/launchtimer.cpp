// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and prints "microseconds peak-kilobytes": the time from just before it is
// started to the clock reading it prints on its first output line (its first paint), and its peak
// memory. A shell in between would add its own forks to every start, which is most of a bare
// window's time.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s program [arguments]\n", argv[0]);
        return 2;
    }
    int output[2];
    if (pipe(output) != 0)
        return 1;
    timespec start{};
    clock_gettime(CLOCK_REALTIME, &start);
    const pid_t child = fork();
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    close(output[1]);
    char line[64] = {};
    FILE *stream = fdopen(output[0], "r");
    const bool painted = stream && std::fgets(line, sizeof line, stream);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!painted || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not paint and end cleanly\n", argv[1]);
        return 1;
    }
    const long long startNs = start.tv_sec * 1000000000LL + start.tv_nsec;
    std::printf("%lld %ld\n", (std::atoll(line) - startNs) / 1000, usage.ru_maxrss);
}

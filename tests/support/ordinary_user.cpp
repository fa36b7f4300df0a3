#include "ordinary_user.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

int runAsOrdinaryUser(const std::function<int()>& body) {
    if (geteuid() != 0)
        return body();
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0)
            _exit(255);
        _exit(body());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

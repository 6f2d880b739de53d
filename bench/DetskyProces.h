// Measurement of a step in a child process of its own, so that the peak
// resident set (from wait4) is the step's alone and nothing it leaves behind
// reaches the next step. The child fills a record of plain data (no pointers)
// and hands it back through a pipe.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <type_traits>

namespace sitmera::bench {

// Runs prace(record) in a child and returns the record it filled; procesMiB
// gets the child's peak resident set in MiB. The bool is false when the child
// failed or handed back nothing (the record is then as far as it came).
template <class Tmereni>
std::pair<Tmereni, bool> VDetskemProcesu(const std::function<void(Tmereni&)>& prace, double& procesMiB)
{
    static_assert(std::is_trivially_copyable_v<Tmereni>);
    procesMiB = 0;
    int roura[2];
    if (::pipe(roura) != 0) return {Tmereni{}, false};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(roura[0]);
        Tmereni m{};
        prace(m);
        const ssize_t n = ::write(roura[1], &m, sizeof m);
        ::_exit(n == static_cast<ssize_t>(sizeof m) ? 0 : 1);
    }
    ::close(roura[1]);
    Tmereni m{};
    const bool precteno = ::read(roura[0], &m, sizeof m) == static_cast<ssize_t>(sizeof m);
    ::close(roura[0]);
    int stav = 0;
    struct rusage vyuziti {};
    ::wait4(pid, &stav, 0, &vyuziti);
    procesMiB = static_cast<double>(vyuziti.ru_maxrss) / 1024.0;
    return {m, precteno && WIFEXITED(stav) && WEXITSTATUS(stav) == 0};
}

}  // namespace sitmera::bench

#pragma once

#include <csignal>
#include <sys/resource.h>

namespace quintara::test {

// Runs `work` as if the disk filled up once a file reached `bytes`: writes past it fail instead of
// raising the signal that would end the test. The old limit is back afterwards.
template <class Work>
void WithFileSizeLimit(rlim_t bytes, Work work) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
    work();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
}

}  // namespace quintara::test

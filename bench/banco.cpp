// Runs a start-up program N times and reports the time from process start to its first frame
// as min, median and max in milliseconds, and the median peak RSS in KB: banco N PROGRAM
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

long long adesso() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

template <typename T>
T mediana(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: banco RUNS PROGRAM\n");
        return 2;
    }
    const int volte = std::atoi(argv[1]);
    std::vector<double> millisecondi;
    std::vector<long> rss;
    for (int i = 0; i < volte; ++i) {
        int tubo[2];
        if (pipe(tubo) != 0) return 1;
        const long long inizio = adesso();
        const pid_t figlio = fork();
        if (figlio == 0) {
            dup2(tubo[1], STDOUT_FILENO);
            close(tubo[0]);
            execv(argv[2], argv + 2);
            _exit(127);
        }
        close(tubo[1]);
        char testo[64] = {};
        const ssize_t letti = read(tubo[0], testo, sizeof testo - 1);
        close(tubo[0]);
        int stato = 0;
        rusage uso{};
        wait4(figlio, &stato, 0, &uso);
        if (letti <= 0 || !WIFEXITED(stato) || WEXITSTATUS(stato) != 0) {
            std::fprintf(stderr, "%s did not report its first frame\n", argv[2]);
            return 1;
        }
        millisecondi.push_back(static_cast<double>(std::atoll(testo) - inizio) / 1e6);
        rss.push_back(uso.ru_maxrss);
    }
    std::sort(millisecondi.begin(), millisecondi.end());
    std::printf("%.2f %.2f %.2f %ld\n", millisecondi.front(), mediana(millisecondi), millisecondi.back(), mediana(rss));
    return 0;
}

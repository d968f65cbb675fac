// bench_generate: creates a hospital-scale database for the benchmarks.
//   bench_generate [--patients N] [--requests N] [--years N] [--seed N] DATABASE

#include "bench/server/HospitalGenerator.h"
#include "server/ServerError.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    tavrix::bench::HospitalGenerator::Options options;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto number = [&]() -> long long {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "%s needs a number\n", a.c_str());
                std::exit(2);
            }
            return std::atoll(argv[++i]);
        };
        if (a == "--patients")
            options.patients = static_cast<int>(number());
        else if (a == "--requests")
            options.requests = static_cast<int>(number());
        else if (a == "--years")
            options.years = static_cast<int>(number());
        else if (a == "--seed")
            options.seed = static_cast<std::uint64_t>(number());
        else if (a.rfind("--", 0) == 0 || !path.empty()) {
            std::fprintf(
                stderr,
                "usage: bench_generate [--patients N] [--requests N] [--years N] [--seed N] DATABASE\n");
            return 2;
        } else
            path = a;
    }
    if (path.empty() || options.patients < 1 || options.requests < 1 || options.years < 1) {
        std::fprintf(stderr,
                     "usage: bench_generate [--patients N] [--requests N] [--years N] [--seed N] DATABASE\n");
        return 2;
    }
    if (std::filesystem::exists(path)) {
        std::fprintf(stderr, "bench_generate: %s already exists; remove it first.\n", path.c_str());
        return 1;
    }
    try {
        std::printf("Generating %s: %d patients, %d requests over %d years...\n", path.c_str(),
                    options.patients, options.requests, options.years);
        std::fflush(stdout);
        const auto s = tavrix::bench::HospitalGenerator::generate(path, options);
        std::printf("  patients %lld, admissions %lld, out-patient registrations %lld\n"
                    "  charge slips and receipts %lld, requests %lld, charges %lld\n"
                    "  ward requests %lld (%lld pending), cash receipts %lld\n"
                    "Done in %.1f s.\n",
                    s.patients, s.admissions, s.outPatients, s.slips, s.requests, s.charges, s.nurseRequests,
                    s.pendingNurseRequests, s.receipts, s.seconds);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_generate: %s\n", e.what());
        return 1;
    }
}

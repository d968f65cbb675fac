#pragma once

#include <cstdint>
#include <string>

namespace tavrix::bench {

// Fills a schema-only hospital database with years of believable MRI work, so
// that look-ups can be timed at the size a busy hospital reaches.
class HospitalGenerator {
public:
    struct Options {
        int patients = 200000;
        int requests = 1000000; // request lines of tbMRIRequest
        int years = 8;          // how far back the work goes from today
        std::uint64_t seed = 20260101;
    };

    struct Summary {
        long long patients = 0, admissions = 0, outPatients = 0, slips = 0, requests = 0, charges = 0,
                  nurseRequests = 0, pendingNurseRequests = 0, receipts = 0;
        double seconds = 0;
    };

    // Creates `path` (which must not exist) with the schema and fills it in one
    // transaction. Throws std::runtime_error or ServerError on failure.
    static Summary generate(const std::string& path, const Options& options);
    static Summary generate(const std::string& path) { return generate(path, Options{}); }
};

} // namespace tavrix::bench

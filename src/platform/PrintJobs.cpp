// Job look-up through libcups, the same service and connection that Qt's print plugin submits to.
#include "platform/PrintJobs.h"

#include <algorithm>

#include <cups/cups.h>

namespace printjobs {

std::optional<int> lastJobId(const std::string& queue) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 1, CUPS_WHICHJOBS_ALL);
    if (count < 0)
        return std::nullopt;
    int last = 0;
    for (int i = 0; i < count; ++i)
        last = std::max(last, jobs[i].id);
    cupsFreeJobs(count, jobs);
    return last;
}

}  // namespace printjobs

// Asks the print service about our jobs, so that a job it never took is not reported as printed.
#pragma once

#include <optional>
#include <string>

namespace printjobs {

// The highest id among this user's jobs on the queue, 0 when there are none;
// empty when the service could not be asked.
std::optional<int> lastJobId(const std::string& queue);

}  // namespace printjobs

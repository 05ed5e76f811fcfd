// Hands a finished document to the default destination of the print service and takes its answer.
#pragma once

#include <string>
#include <string_view>

#include <cups/ipp.h>

struct CupsLibrary;
class PrintDeadline;

namespace printservice {

// The service's answer to one document: the id of the job it took, or why it took none.
struct Answer {
    int jobId = 0;  // above 0 once the service has accepted the whole document
    std::string reason;
};

// One job on the default destination holding one PDF document, sent before it returns. Every
// step keeps to the deadline; a job that was created but not completed is cancelled, on a
// connection of its own, within the deadline's cancel phase. Blocks: run it off the window's
// thread.
Answer submitPdf(const CupsLibrary& cups, const char* title, std::string_view pdf,
                 PrintDeadline& deadline);

// The service's status in words a teacher understands, without the closing full stop;
// the service's own text where no plainer words fit.
std::string reasonFor(ipp_status_t status, const char* serviceText);

}  // namespace printservice

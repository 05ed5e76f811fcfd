#include "platform/PrintService.h"

#include "platform/CupsLibrary.h"

namespace printservice {

namespace {

// A service that does not take the connection by then is taken as not answering; the window is
// frozen meanwhile, so this stays short.
constexpr int connectTimeoutMs = 5000;

// Refuses every password request, so a service that wants one fails the press instead of
// waiting for a terminal that a pupil never sees.
const char* noPassword(const char*, http_t*, const char*, const char*, void*) { return nullptr; }

bool accepted(ipp_status_t status) { return status <= IPP_STATUS_OK_EVENTS_COMPLETE; }

}  // namespace

std::string reasonFor(ipp_status_t status, const char* serviceText) {
    switch (status) {
    case IPP_STATUS_ERROR_NOT_FOUND:
        return "no default printer is set up";
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return "the printer refuses jobs";
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
        return "the print service does not answer";
    case IPP_STATUS_ERROR_BUSY:
    case IPP_STATUS_ERROR_TOO_MANY_JOBS:
    case IPP_STATUS_ERROR_TEMPORARY:
        return "the print service is busy, try again later";
    case IPP_STATUS_ERROR_FORBIDDEN:
    case IPP_STATUS_ERROR_NOT_AUTHENTICATED:
    case IPP_STATUS_ERROR_NOT_AUTHORIZED:
    case IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED:
        return "the print service does not let this user print";
    case IPP_STATUS_ERROR_DOCUMENT_FORMAT_NOT_SUPPORTED:
        return "the printer cannot print this kind of document";
    default:
        return std::string("the print service did not take the job (") +
               (serviceText && *serviceText ? serviceText : "no reason given") + ")";
    }
}

Answer submitPdf(const CupsLibrary& cups, const char* title, std::string_view pdf) {
    cups.cupsSetPasswordCB2(noPassword, nullptr);
    http_t* http = cups.httpConnect2(cups.cupsServer(), cups.ippPort(), nullptr, AF_UNSPEC,
                                     cups.cupsEncryption(), 1, connectTimeoutMs, nullptr);
    if (!http)
        return {0, reasonFor(IPP_STATUS_ERROR_SERVICE_UNAVAILABLE, nullptr)};
    const auto serviceReason = [&] { return reasonFor(cups.cupsLastError(), cups.cupsLastErrorString()); };

    Answer answer;
    if (cups_dest_t* dest = cups.cupsGetNamedDest(http, nullptr, nullptr)) {
        // The destination's options carry what its instance or the user's defaults set.
        const int job = cups.cupsCreateJob(http, dest->name, title, dest->num_options, dest->options);
        if (job <= 0) {
            answer.reason = serviceReason();
        } else if (cups.cupsStartDocument(http, dest->name, job, title, CUPS_FORMAT_PDF, 1) != HTTP_STATUS_CONTINUE ||
                   cups.cupsWriteRequestData(http, pdf.data(), pdf.size()) != HTTP_STATUS_CONTINUE ||
                   !accepted(cups.cupsFinishDocument(http, dest->name))) {
            answer.reason = serviceReason();
            // A job without its document would wait for ever; the press says it failed.
            cups.cupsCancelJob2(http, dest->name, job, 0);
        } else {
            answer.jobId = job;
        }
        cups.cupsFreeDests(1, dest);
    } else {
        answer.reason = serviceReason();
    }
    cups.httpClose(http);
    return answer;
}

}  // namespace printservice

#include "platform/PrintService.h"

#include "designs/Texts.h"
#include "platform/CupsLibrary.h"
#include "platform/PrintDeadline.h"

namespace printservice {

namespace {

namespace texts = design::texts;
using Phase = PrintDeadline::Phase;

// How long the library waits on a silent connection before it asks whether to go on. The
// window cuts the connection at the deadline itself; this only bounds a connection it could not
// see. Shorter checks made a busy scheduler's answers fail now and then.
constexpr double silenceCheckSeconds = 1.0;

// Refuses every password request, so a service that wants one fails the press instead of
// waiting for a terminal that a pupil never sees.
const char* noPassword(const char*, http_t*, const char*, const char*, void*) { return nullptr; }

bool accepted(ipp_status_t status) { return status <= IPP_STATUS_OK_EVENTS_COMPLETE; }

// Where the service is, as the environment and the client's settings name it.
struct Address {
    std::string host;
    int port = 0;
    http_encryption_t encryption = HTTP_ENCRYPTION_IF_REQUESTED;
};

// A server that cannot exist, so that a connection to it fails at once.
constexpr char nowhere[] = "/dev/null/no-print-service";

// A connection to the service for one phase of the deadline, watched by it while it is open.
class Connection {
public:
    Connection(const CupsLibrary& cups, const Address& service, PrintDeadline& deadline,
               Phase phase)
        : cups_(cups), deadline_(deadline), phase_(phase) {
        const int ms = deadline.millisecondsLeft(phase);
        if (ms <= 0)
            return;
        http_ = cups.httpConnect2(service.host.c_str(), service.port, nullptr, AF_UNSPEC,
                                  service.encryption, 1, ms, nullptr);
        if (!http_)
            return;
        // Every wait for the service ends when the phase does.
        cups.httpSetTimeout(http_, silenceCheckSeconds, goOn, this);
        watch();
    }
    ~Connection() {
        if (!http_)
            return;
        deadline_.unwatch();
        cups_.httpClose(http_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    http_t* get() const { return http_; }
    explicit operator bool() const { return http_ != nullptr; }

    // Whether the phase may take its next step; hands the deadline the socket in use now.
    bool open() {
        watch();
        return deadline_.open(phase_);
    }

    // The connection failed rather than the service saying no.
    bool lost() const { return !deadline_.open(phase_) || cups_.httpError(http_) != 0; }

private:
    static int goOn(http_t*, void* self) {
        const auto* c = static_cast<const Connection*>(self);
        return c->deadline_.open(c->phase_) ? 1 : 0;
    }
    void watch() { deadline_.watch(phase_, cups_.httpGetFd(http_)); }

    const CupsLibrary& cups_;
    PrintDeadline& deadline_;
    const Phase phase_;
    http_t* http_ = nullptr;
};

// A job without its document would wait for ever, so it goes where the service still answers.
void cancel(const CupsLibrary& cups, const Address& service, PrintDeadline& deadline,
            const char* destination, int job) {
    Connection http(cups, service, deadline, Phase::Cancel);
    if (http && http.open())
        cups.cupsCancelJob2(http.get(), destination, job, 0);
}

}  // namespace

std::string reasonFor(ipp_status_t status, const char* serviceText) {
    switch (status) {
    case IPP_STATUS_ERROR_NOT_FOUND: return texts::kPrintNoDefaultPrinter;
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS: return texts::kPrintRefused;
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE: return texts::kPrintNoAnswer;
    case IPP_STATUS_ERROR_BUSY:
    case IPP_STATUS_ERROR_TOO_MANY_JOBS:
    case IPP_STATUS_ERROR_TEMPORARY: return texts::kPrintBusy;
    case IPP_STATUS_ERROR_FORBIDDEN:
    case IPP_STATUS_ERROR_NOT_AUTHENTICATED:
    case IPP_STATUS_ERROR_NOT_AUTHORIZED:
    case IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED: return texts::kPrintNotAllowed;
    case IPP_STATUS_ERROR_DOCUMENT_FORMAT_NOT_SUPPORTED: return texts::kPrintWrongFormat;
    default:
        return std::string(texts::kPrintNotTakenLead) +
               (serviceText != nullptr && *serviceText != '\0' ? serviceText
                                                               : texts::kPrintNoReasonGiven) +
               texts::kPrintNotTakenEnd;
    }
}

Answer submitPdf(const CupsLibrary& cups, const char* title, std::string_view pdf,
                 PrintDeadline& deadline) {
    // The library keeps this per thread, so each hand-over sets it on its own.
    cups.cupsSetPasswordCB2(noPassword, nullptr);
    const Address service{cups.cupsServer(), cups.ippPort(), cups.cupsEncryption()};
    // From here on this thread's requests go over connections that keep to the deadline; when a
    // look-up fails, the library would try again on a connection of its own that waits for ever.
    cups.cupsSetServer(nowhere);
    Connection http(cups, service, deadline, Phase::Job);
    if (!http)
        return {0, texts::kPrintNoAnswer};
    // A step cut short by the deadline or a lost connection is the service not answering.
    const auto failure = [&]() -> Answer {
        if (http.lost())
            return {0, texts::kPrintNoAnswer};
        return {0, reasonFor(cups.cupsLastError(), cups.cupsLastErrorString())};
    };

    cups_dest_t* dest = http.open() ? cups.cupsGetNamedDest(http.get(), nullptr, nullptr) : nullptr;
    if (!dest)
        return failure();
    Answer answer;
    // The destination's options carry what its instance or the user's defaults set.
    const int job = http.open() ? cups.cupsCreateJob(http.get(), dest->name, title,
                                                     dest->num_options, dest->options)
                                : 0;
    if (job <= 0) {
        answer = failure();
    } else if (!http.open() ||
               cups.cupsStartDocument(http.get(), dest->name, job, title, CUPS_FORMAT_PDF, 1) !=
                   HTTP_STATUS_CONTINUE ||
               !http.open() ||
               cups.cupsWriteRequestData(http.get(), pdf.data(), pdf.size()) !=
                   HTTP_STATUS_CONTINUE ||
               !http.open() || !accepted(cups.cupsFinishDocument(http.get(), dest->name)) ||
               // A cut connection leaves the status of the last answer that did come.
               !http.open()) {
        answer = failure();
        cancel(cups, service, deadline, dest->name, job);
    } else {
        answer.jobId = job;
    }
    cups.cupsFreeDests(1, dest);
    return answer;
}

}  // namespace printservice

#include "print/FakePrintService.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <optional>

namespace {

constexpr int pollMs = 20;
constexpr char printerName[] = "fake";

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// The parts of an IPP request the service looks at.
struct IppRequest {
    uint16_t operation = 0;
    uint32_t requestId = 0;
    int jobId = 0;
    size_t size = 0;  // where the attributes end and the document begins
};

uint32_t bigEndian(const std::string& b, size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | static_cast<unsigned char>(b[at + size_t(i)]);
    return value;
}

// The request's header and attributes once they are all there.
std::optional<IppRequest> parseIpp(const std::string& body) {
    if (body.size() < 8)
        return std::nullopt;
    IppRequest r;
    r.operation = static_cast<uint16_t>(bigEndian(body, 2, 2));
    r.requestId = bigEndian(body, 4, 4);
    std::string name;
    for (size_t at = 8; at < body.size();) {
        const auto tag = static_cast<unsigned char>(body[at]);
        if (tag == 0x03) {
            r.size = at + 1;
            return r;
        }
        if (tag < 0x10) {
            ++at;
            continue;
        }
        if (at + 3 > body.size())
            return std::nullopt;
        const size_t nameLength = bigEndian(body, at + 1, 2);
        if (at + 3 + nameLength + 2 > body.size())
            return std::nullopt;
        if (nameLength > 0)
            name = body.substr(at + 3, nameLength);
        const size_t valueAt = at + 3 + nameLength + 2;
        const size_t valueLength = bigEndian(body, valueAt - 2, 2);
        if (valueAt + valueLength > body.size())
            return std::nullopt;
        if (name == "job-id" && tag == 0x21 && valueLength == 4)
            r.jobId = static_cast<int>(bigEndian(body, valueAt, 4));
        at = valueAt + valueLength;
    }
    return std::nullopt;
}

void put16(std::string& out, uint32_t v) {
    out += char(v >> 8 & 0xff);
    out += char(v & 0xff);
}

void putAttribute(std::string& out, unsigned char tag, const std::string& name,
                  const std::string& value) {
    out += char(tag);
    put16(out, uint32_t(name.size()));
    out += name;
    put16(out, uint32_t(value.size()));
    out += value;
}

std::string integer(uint32_t v) {
    std::string out;
    put16(out, v >> 16);
    put16(out, v & 0xffff);
    return out;
}

std::string ippAnswer(const IppRequest& request, const std::string& host, int job) {
    std::string out("\x02\x00\x00\x00", 4);
    out += integer(request.requestId);
    out += char(0x01);
    putAttribute(out, 0x47, "attributes-charset", "utf-8");
    putAttribute(out, 0x48, "attributes-natural-language", "en");
    const std::string printerUri = "ipp://" + host + "/printers/" + printerName;
    switch (request.operation) {
    case FakePrintService::GetDefault:
    case FakePrintService::GetPrinterAttributes:
        out += char(0x04);
        putAttribute(out, 0x42, "printer-name", printerName);
        putAttribute(out, 0x45, "printer-uri-supported", printerUri);
        putAttribute(out, 0x23, "printer-state", integer(3));
        putAttribute(out, 0x22, "printer-is-accepting-jobs", std::string(1, '\x01'));
        putAttribute(out, 0x49, "document-format-supported", "application/pdf");
        break;
    case FakePrintService::CreateJob:
    case FakePrintService::SendDocument:
        out += char(0x02);
        putAttribute(out, 0x21, "job-id", integer(uint32_t(job)));
        putAttribute(out, 0x45, "job-uri", "ipp://" + host + "/jobs/" + std::to_string(job));
        putAttribute(out, 0x23, "job-state", integer(3));
        break;
    default: break;
    }
    out += char(0x03);
    return "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nContent-Length: " +
           std::to_string(out.size()) + "\r\n\r\n" + out;
}

}  // namespace

FakePrintService::Policy FakePrintService::answersAll(int delayMs) {
    return [delayMs](const Request&) { return Reply{Reply::Answer, delayMs}; };
}

FakePrintService::Policy FakePrintService::answersAllBut(uint16_t operation, Reply reply) {
    return [=](const Request& request) { return request.operation == operation ? reply : Reply{}; };
}

FakePrintService::FakePrintService(Policy policy) : policy_(std::move(policy)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener_ < 0 ||
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 16) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (listener_ >= 0)
            ::close(listener_);
        listener_ = -1;
        return;
    }
    port_ = ntohs(address.sin_port);
    acceptor_ = std::thread([this] { acceptLoop(); });
}

FakePrintService::~FakePrintService() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stopped_.notify_all();
    if (acceptor_.joinable())
        acceptor_.join();
    // The acceptor has ended, so no thread is added any more.
    for (std::thread& t : threads_)
        t.join();
}

std::string FakePrintService::address() const {
    return port_ ? "127.0.0.1:" + std::to_string(port_) : std::string();
}

std::vector<uint16_t> FakePrintService::operations() const {
    std::lock_guard lock(mutex_);
    return operations_;
}

int FakePrintService::connections() const {
    std::lock_guard lock(mutex_);
    return connections_;
}

int FakePrintService::count(uint16_t operation) const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(std::count(operations_.begin(), operations_.end(), operation));
}

std::vector<int> FakePrintService::cancelledJobs() const {
    std::lock_guard lock(mutex_);
    return cancelled_;
}

std::vector<std::string> FakePrintService::documents() const {
    std::lock_guard lock(mutex_);
    return documents_;
}

bool FakePrintService::stopping() const {
    std::lock_guard lock(mutex_);
    return stopping_;
}

bool FakePrintService::stopsWithin(int ms) {
    std::unique_lock lock(mutex_);
    return stopped_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stopping_; });
}

void FakePrintService::acceptLoop() {
    while (!stopping()) {
        {
            std::lock_guard lock(mutex_);
            if (gone_)
                break;
        }
        pollfd p{listener_, POLLIN, 0};
        if (::poll(&p, 1, pollMs) <= 0)
            continue;
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        std::lock_guard lock(mutex_);
        if (gone_) {
            ::close(fd);
            break;
        }
        const int connection = connections_++;
        threads_.emplace_back([this, fd, connection] { serve(fd, connection); });
    }
    // A service that went away refuses every later connection.
    ::close(listener_);
}

namespace {

// Bytes from one connection, waited for in short slices so that a stop is seen.
class Reader {
public:
    Reader(int fd, const std::function<bool()>& stopping) : fd_(fd), stopping_(stopping) {}

    bool fill() {
        while (!stopping_()) {
            pollfd p{fd_, POLLIN, 0};
            const int ready = ::poll(&p, 1, pollMs);
            if (ready < 0)
                return false;
            if (ready == 0)
                continue;
            char chunk[4096];
            const ssize_t got = ::recv(fd_, chunk, sizeof chunk, 0);
            if (got <= 0)
                return false;
            data.append(chunk, size_t(got));
            return true;
        }
        return false;
    }

    // Takes everything up to and including `end`.
    std::optional<std::string> until(const std::string& end) {
        for (;;) {
            const size_t at = data.find(end);
            if (at != std::string::npos) {
                std::string taken = data.substr(0, at + end.size());
                data.erase(0, at + end.size());
                return taken;
            }
            if (!fill())
                return std::nullopt;
        }
    }

    std::optional<std::string> take(size_t bytes) {
        while (data.size() < bytes)
            if (!fill())
                return std::nullopt;
        std::string taken = data.substr(0, bytes);
        data.erase(0, bytes);
        return taken;
    }

    std::string data;

private:
    int fd_;
    const std::function<bool()>& stopping_;
};

// A request's body, chunked or of a given length, read a piece at a time.
class Body {
public:
    Body(Reader& in, const std::string& headers) : in_(in) {
        const std::string h = lower(headers);
        chunked_ = h.find("transfer-encoding: chunked") != std::string::npos;
        const size_t at = h.find("content-length:");
        if (at != std::string::npos)
            left_ = std::strtoull(h.c_str() + at + 15, nullptr, 10);
        done_ = !chunked_ && left_ == 0;
    }

    bool done() const { return done_; }

    // Appends the next piece to text; false when the connection ends first.
    bool next(std::string& text) {
        if (!chunked_) {
            const size_t piece = std::min<size_t>(left_, 65536);
            const auto got = in_.take(piece);
            if (!got)
                return false;
            text += *got;
            left_ -= piece;
            done_ = left_ == 0;
            return true;
        }
        const auto sizeLine = in_.until("\r\n");
        if (!sizeLine)
            return false;
        const size_t size = std::strtoull(sizeLine->c_str(), nullptr, 16);
        const auto piece = in_.take(size + 2);
        if (!piece)
            return false;
        text += piece->substr(0, size);
        done_ = size == 0;
        return true;
    }

private:
    Reader& in_;
    bool chunked_ = false;
    size_t left_ = 0;
    bool done_ = false;
};

bool sendAll(int fd, const std::string& bytes) {
    for (size_t sent = 0; sent < bytes.size();) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += size_t(n);
    }
    return true;
}

}  // namespace

void FakePrintService::serve(int fd, int connection) {
    const std::function<bool()> isStopping = [this] { return stopping(); };
    Reader in(fd, isStopping);
    const std::string host = "127.0.0.1:" + std::to_string(port_);
    for (;;) {
        const auto headers = in.until("\r\n\r\n");
        if (!headers)
            break;
        Body body(in, *headers);
        std::string text;
        std::optional<IppRequest> ipp;
        while (!(ipp = parseIpp(text)) && !body.done())
            if (!body.next(text))
                break;
        if (!ipp)
            break;

        Request request{ipp->operation, 0, connection};
        Reply reply;
        int job = 0;
        {
            std::lock_guard lock(mutex_);
            request.number = static_cast<int>(operations_.size());
            operations_.push_back(ipp->operation);
            if (ipp->operation == CancelJob)
                cancelled_.push_back(ipp->jobId);
            reply = policy_(request);
            job = ipp->operation == CreateJob ? nextJob_++ : ipp->jobId;
        }
        if (reply.kind == Reply::Silence) {
            stopsWithin(INT_MAX);
            break;
        }
        if (reply.kind == Reply::HangUp || reply.kind == Reply::GoAway) {
            if (reply.kind == Reply::GoAway) {
                std::lock_guard lock(mutex_);
                gone_ = true;
            }
            break;
        }
        if (lower(*headers).find("expect: 100-continue") != std::string::npos &&
            !sendAll(fd, "HTTP/1.1 100 Continue\r\n\r\n"))
            break;
        bool whole = true;
        while (!body.done())
            if (!(whole = body.next(text)))
                break;
        if (!whole)
            break;
        if (ipp->operation == SendDocument) {
            std::lock_guard lock(mutex_);
            documents_.push_back(text.substr(ipp->size));
        }

        const std::string answer = ippAnswer(*ipp, host, job);
        if (reply.kind == Reply::Trickle) {
            bool sent = true;
            for (size_t i = 0; i < answer.size() && sent; ++i)
                sent = sendAll(fd, answer.substr(i, 1)) && !stopsWithin(reply.delayMs);
            if (!sent)
                break;
        } else {
            if (reply.delayMs > 0 && stopsWithin(reply.delayMs))
                break;
            if (!sendAll(fd, answer))
                break;
        }
    }
    ::close(fd);
}

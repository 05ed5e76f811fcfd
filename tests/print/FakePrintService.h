// A print service on 127.0.0.1 that speaks just enough HTTP and IPP for one press, and answers
// each request the way a test tells it: at once, late, a byte at a time, never, or by going away.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class FakePrintService {
public:
    // IPP operations that one press sends, in the order it sends them.
    enum Operation : uint16_t {
        CreateJob = 0x0005,
        SendDocument = 0x0006,
        CancelJob = 0x0008,
        GetPrinterAttributes = 0x000B,
        GetDefault = 0x4001,
    };

    // How one request is answered.
    struct Reply {
        enum Kind { Answer, Trickle, Silence, HangUp, GoAway } kind = Answer;
        int delayMs = 0;  // Answer: waits this long first; Trickle: the pause after each byte
    };

    struct Request {
        uint16_t operation = 0;
        int number = 0;      // 0 for the first request the service takes
        int connection = 0;  // 0 for the first connection
    };

    using Policy = std::function<Reply(const Request&)>;

    static Policy answersAll(int delayMs = 0);
    // Answers every request at once but those of this operation, which get `reply`.
    static Policy answersAllBut(uint16_t operation, Reply reply);

    explicit FakePrintService(Policy policy);
    // Stops answering, hangs up on every connection and waits for its threads.
    ~FakePrintService();
    FakePrintService(const FakePrintService&) = delete;
    FakePrintService& operator=(const FakePrintService&) = delete;

    // What CUPS_SERVER names to reach it; empty when it could not listen.
    std::string address() const;

    // The operations taken so far, in order of arrival.
    std::vector<uint16_t> operations() const;
    int connections() const;
    int count(uint16_t operation) const;
    // The job ids that Cancel-Job requests named.
    std::vector<int> cancelledJobs() const;
    // Each document that a Send-Document request carried in full.
    std::vector<std::string> documents() const;

private:
    void acceptLoop();
    void serve(int fd, int connection);
    // Waits until the service stops or the time is up; true when it stops.
    bool stopsWithin(int ms);
    bool stopping() const;

    Policy policy_;
    int listener_ = -1;
    uint16_t port_ = 0;

    mutable std::mutex mutex_;
    std::condition_variable stopped_;
    bool stopping_ = false;
    bool gone_ = false;  // a reply went away: no connection is taken any more
    std::vector<std::thread> threads_;
    std::thread acceptor_;
    std::vector<uint16_t> operations_;
    int connections_ = 0;
    std::vector<int> cancelled_;
    std::vector<std::string> documents_;
    int nextJob_ = 41;
};

// A CUPS scheduler of our own under a temporary directory, and the tools that run against it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A variable that a tool gets on top of this process's environment; no value unsets it.
struct EnvOverride {
    QString name;
    std::optional<QString> value;
};

// What a child of a test that prints gets: the print service CUPS_SERVER names, a home without
// the lpoptions of the machine's user, and no printer named by the environment; then `more`.
std::vector<EnvOverride> printingChild(const QString& cupsServer, const QString& home,
                                       std::vector<EnvOverride> more);

// Runs one of this test program's disabled tests in a child of its own, as runTool runs a tool.
QString runChildTest(const char* test, int* exitCode, const std::vector<EnvOverride>& overrides,
                     int timeoutMs);

// The program's path: on PATH, else at its Debian place (/usr/sbin is not on an ordinary
// user's PATH); empty when it is in neither.
QString findTool(const QString& name);

// Runs a tool to its end and returns what it wrote; exitCode gets -1 when it did not start or
// did not finish normally within the time.
QString runTool(const QString& program, const QStringList& args, int* exitCode = nullptr,
                const std::vector<EnvOverride>& overrides = {}, int timeoutMs = 30000);

class PrivateScheduler {
public:
    // Starts the scheduler and waits until it answers; failure() says why it did not come up.
    explicit PrivateScheduler(bool keepHistory);
    ~PrivateScheduler();
    PrivateScheduler(const PrivateScheduler&) = delete;
    PrivateScheduler& operator=(const PrivateScheduler&) = delete;

    const std::string& failure() const { return failure_; }
    QString directory() const { return dir_.path(); }
    QString socket() const { return dir_.filePath(QStringLiteral("cups.sock")); }
    QString path(const QString& relative) const { return dir_.filePath(relative); }

    // Runs one of CUPS' own tools against this scheduler; rc as for runTool.
    QString cupsTool(const QString& name, const QStringList& args, int* rc = nullptr) const;
    // A queue that takes PDF as it is and sends it nowhere; accepting and enabled.
    bool addQueue(const QString& name, const QStringList& options = {}) const;

private:
    QTemporaryDir dir_;
    QProcess cupsd_;
    std::string failure_;
};

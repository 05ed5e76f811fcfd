#include "print/PrivateScheduler.h"

#include <iterator>

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

QString findTool(const QString& name) {
    const QString onPath = QStandardPaths::findExecutable(name);
    if (!onPath.isEmpty())
        return onPath;
    return QStandardPaths::findExecutable(
        name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")});
}

std::vector<EnvOverride> printingChild(const QString& cupsServer, const QString& home,
                                       std::vector<EnvOverride> more) {
    std::vector<EnvOverride> overrides{{QStringLiteral("CUPS_SERVER"), cupsServer},
                                       {QStringLiteral("HOME"), home},
                                       {QStringLiteral("PRINTER"), std::nullopt},
                                       {QStringLiteral("LPDEST"), std::nullopt}};
    overrides.insert(overrides.end(), std::make_move_iterator(more.begin()),
                     std::make_move_iterator(more.end()));
    return overrides;
}

QString runChildTest(const char* test, int* exitCode, const std::vector<EnvOverride>& overrides,
                     int timeoutMs) {
    return runTool(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--gtest_filter=") + QLatin1String(test),
                    QStringLiteral("--gtest_also_run_disabled_tests")},
                   exitCode, overrides, timeoutMs);
}

QString runTool(const QString& program, const QStringList& args, int* exitCode,
                const std::vector<EnvOverride>& overrides, int timeoutMs) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const EnvOverride& o : overrides) {
        if (o.value)
            env.insert(o.name, *o.value);
        else
            env.remove(o.name);
    }
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    const bool finished = p.waitForFinished(timeoutMs);
    if (exitCode)
        *exitCode = finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAll());
}

PrivateScheduler::PrivateScheduler(bool keepHistory)
    : dir_(QDir::tempPath() + QStringLiteral("/varnel-cups-XXXXXX")) {
    if (!dir_.isValid()) {
        failure_ = "no temporary directory for the scheduler";
        return;
    }
    const QString cupsd = findTool(QStringLiteral("cupsd"));
    if (cupsd.isEmpty()) {
        failure_ = "cupsd is neither on PATH nor in /usr/sbin (Debian package cups-daemon)";
        return;
    }
    int rc = -1;
    const QString out = runTool(QStringLiteral("sh"),
                                {QStringLiteral(PRIVATE_CUPS_CONF), dir_.path(),
                                 keepHistory ? QStringLiteral("Yes") : QStringLiteral("No")},
                                &rc);
    if (rc != 0) {
        failure_ = "could not write the scheduler's configuration: " + out.toStdString();
        return;
    }
    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    cupsd_.start(cupsd,
                 {QStringLiteral("-f"), QStringLiteral("-c"), path(QStringLiteral("cupsd.conf")),
                  QStringLiteral("-s"), path(QStringLiteral("cups-files.conf"))});
    if (!cupsd_.waitForStarted(10000)) {
        failure_ = "cupsd could not be started: " + cupsd_.errorString().toStdString();
        return;
    }
    // The scheduler is up once it answers on its socket (lpstat -r exits 0 either way).
    for (int i = 0; i < 200 && cupsd_.state() == QProcess::Running; ++i) {
        const QString answer = cupsTool(QStringLiteral("lpstat"), {QStringLiteral("-r")});
        if (answer.trimmed() == QStringLiteral("scheduler is running"))
            return;
        QThread::msleep(50);
    }
    failure_ = "the private cupsd did not come up: " +
               QString::fromLocal8Bit(cupsd_.readAll()).toStdString();
}

PrivateScheduler::~PrivateScheduler() {
    if (cupsd_.state() == QProcess::NotRunning)
        return;
    cupsd_.terminate();
    if (!cupsd_.waitForFinished(10000)) {
        cupsd_.kill();
        cupsd_.waitForFinished(5000);
    }
}

QString PrivateScheduler::cupsTool(const QString& name, const QStringList& args, int* rc) const {
    const QString program = findTool(name);
    if (program.isEmpty()) {
        if (rc)
            *rc = -1;
        return name + QStringLiteral(" is neither on PATH nor in /usr/sbin or /usr/bin");
    }
    return runTool(program, args, rc, {{QStringLiteral("CUPS_SERVER"), socket()}});
}

bool PrivateScheduler::addQueue(const QString& name, const QStringList& options) const {
    QStringList args = {QStringLiteral("-p"),
                        name,
                        QStringLiteral("-E"),
                        QStringLiteral("-v"),
                        QStringLiteral("file:///dev/null"),
                        QStringLiteral("-m"),
                        QStringLiteral("raw")};
    for (const QString& option : options)
        args << QStringLiteral("-o") << option;
    int rc = -1;
    cupsTool(QStringLiteral("lpadmin"), args, &rc);
    return rc == 0;
}

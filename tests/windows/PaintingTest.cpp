// Painting a picture is work for the program's own thread: it starts no worker thread.
#include <QDir>
#include <QFile>
#include <QThreadPool>
#include <algorithm>
#include <chrono>
#include <iterator>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "support/DrillFixture.h"

namespace {

// The threads of this process as the system lists them, Qt's own and any other, by id. Ids are
// handed out in rising order, so a thread that starts during a paint has an id not seen before.
std::set<QString> threadIds() {
    const QStringList ids = QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return {ids.cbegin(), ids.cend()};
}

// The name a thread goes by, as a reader of a failure wants to see it.
std::string threadName(const QString& id) {
    QFile comm("/proc/self/task/" + id + "/comm");
    if (!comm.open(QIODevice::ReadOnly))
        return "thread " + id.toStdString() + ", ended";
    return comm.readAll().trimmed().toStdString();
}

// Whether a thread has begun to end, or is gone: the kernel marks an ending thread with
// PF_EXITING (0x4) in the flags, the ninth field of its stat line, counted past the name.
bool ending(const QString& id) {
    QFile stat("/proc/self/task/" + id + "/stat");
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    constexpr qsizetype flagsField = 6;
    constexpr qulonglong exiting = 0x4;
    return fields.size() <= flagsField || (fields[flagsField].toULongLong() & exiting) != 0;
}

// The threads once Qt's pool has let its idle threads go. The pool has joined them, yet the
// system lists each a moment longer, and a thread that leaves the list while it is being read
// can make the reading skip another. So the list counts once no thread in it is ending.
std::set<QString> threadsAtRest() {
    QThreadPool::globalInstance()->waitForDone();
    std::set<QString> ids = threadIds();
    for (int reads = 0; reads < 5000 && std::any_of(ids.cbegin(), ids.cend(), ending); ++reads) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ids = threadIds();
    }
    return ids;
}

// Runs each paint of the widgets it watches itself, between two lists of the threads, as Qt
// would run it: with the same painter, clip and backing store. Every paint starts from an
// empty pool, so a picture that needs the pool's threads has to start them.
class PaintWatch : public QObject {
public:
    void watch(QWidget* widget) {
        widget->installEventFilter(this);
        ++watched;
    }

    int watched = 0;
    int paints = 0;
    std::vector<std::string> startedThreads;  // what started each, and its name

protected:
    bool eventFilter(QObject* widget, QEvent* event) override {
        if (event->type() != QEvent::Paint)
            return false;
        const std::set<QString> before = threadsAtRest();
        widget->event(event);
        ++paints;
        const std::set<QString> after = threadIds();
        std::vector<QString> started;
        std::set_difference(after.cbegin(), after.cend(), before.cbegin(), before.cend(),
                            std::back_inserter(started));
        if (!started.empty()) {
            const QString name = widget->objectName().isEmpty()
                                     ? QString::fromUtf8(widget->metaObject()->className())
                                     : widget->objectName();
            for (const QString& id : started)
                startedThreads.push_back(name.toStdString() + ": " + threadName(id));
        }
        return true;
    }
};

class Painting : public DrillFixture {
protected:
    // The window and each of its picture boxes, drawn as the screen draws them and then once
    // more into a picture.
    void showAndPaint(QWidget& window) {
        watch.watch(&window);
        for (QLabel* box : window.findChildren<QLabel*>())
            if (!box->pixmap().isNull())
                watch.watch(box);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.repaint();
        EXPECT_FALSE(window.grab().isNull());
    }

    PaintWatch watch;
};

TEST_P(Painting, BackgroundsAndPictureBoxesStartNoThread) {
    showAndPaint(setUp());
    beginPractice(1, 2, 1);
    platform.randoms = {0.3f, 0.6f};
    click(practice(), "cmdNewQuestion");
    click(practice(), "cmdCheck");  // an empty answer: the try-again picture
    showAndPaint(practice());
    control<QLineEdit>(practice(), "txtAnswer")->setText(QString::number(practice().Quote));
    control<QLineEdit>(practice(), "txtRemainder")
        ->setText(QString::number(state().expectedRemainder));
    click(practice(), "cmdCheck");
    showAndPaint(practice());
    click(practice(), "cmdHint");
    ASSERT_TRUE(program->frmHintsLoaded());
    showAndPaint(program->frmHints());

    EXPECT_GE(watch.paints, 6) << "each window drawn at least twice";
    EXPECT_EQ(watch.startedThreads, std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Programs, Painting, testing::Values(Which::Standard, Which::Second),
                         buildName);

}  // namespace

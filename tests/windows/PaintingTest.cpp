// Painting a picture is work for the program's own thread: it starts no worker thread.
#include <QDir>
#include <QThreadPool>
#include <chrono>
#include <thread>

#include "support/DrillFixture.h"

namespace {

// The threads of this process as the system counts them, Qt's own and any other.
qsizetype threadCount() {
    return QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}

// The count once Qt's pool has let its idle threads go: a thread that has been told to end may
// stay listed a moment, so the count is read until it holds still.
qsizetype threadsAtRest() {
    QThreadPool::globalInstance()->waitForDone();
    qsizetype count = threadCount();
    for (int reads = 0; reads < 100; ++reads) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        const qsizetype now = threadCount();
        if (now == count)
            break;
        count = now;
    }
    return count;
}

// Runs each paint of the widgets it watches itself, between two counts of the threads, as Qt
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
    std::vector<std::string> startedThreads;  // what started them, and how many

protected:
    bool eventFilter(QObject* widget, QEvent* event) override {
        if (event->type() != QEvent::Paint)
            return false;
        const qsizetype before = threadsAtRest();
        widget->event(event);
        ++paints;
        if (const qsizetype started = threadCount() - before; started != 0) {
            const QString name = widget->objectName().isEmpty()
                                     ? QString::fromUtf8(widget->metaObject()->className())
                                     : widget->objectName();
            startedThreads.push_back(name.toStdString() + ": " + std::to_string(started));
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

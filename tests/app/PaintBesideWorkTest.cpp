// The window's frames never wait for the engine's disk work: Qt splits large
// fills and image conversions into pieces on its global pool and waits for
// them on the GUI thread, so a scan holding every thread of the pool the
// engine uses must leave that pool free.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QSemaphore>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include "model/common/WorkPool.h"

using namespace sorbeta;

TEST(PaintBesideWorkTest, LargeFillsFinishWhileEveryWorkThreadIsBusy) {
    // Every work thread held, and more work queued behind them, as a scan does;
    // held at most ten seconds, so a painter that waits for them is caught, not hung.
    QSemaphore release;
    const int held = workPool()->maxThreadCount() + 4;
    std::vector<QFuture<void>> walks;
    for (int i = 0; i < held; ++i)
        walks.push_back(QtConcurrent::run(workPool(), [&release] { release.tryAcquire(1, 10'000); }));

    QElapsedTimer timer;
    timer.start();
    QImage frame(1600, 1600, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&frame);
        QLinearGradient candy(0, 0, 0, 1600);
        candy.setColorAt(0, QColor(255, 220, 230));
        candy.setColorAt(1, QColor(200, 230, 255));
        painter.fillRect(frame.rect(), candy);
        painter.fillRect(frame.rect(), QColor(255, 255, 255, 40));
    }
    const QImage converted = frame.convertToFormat(QImage::Format_RGB32);
    const qint64 elapsed = timer.elapsed();

    release.release(held);
    for (QFuture<void>& walk : walks) walk.waitForFinished();
    // Half the hold: room for a loaded machine, and still far from a wait.
    EXPECT_LT(elapsed, 5000) << "painting waited for the engine's work";
    EXPECT_EQ(converted.pixelColor(800, 0).red(), frame.pixelColor(800, 0).red());
}

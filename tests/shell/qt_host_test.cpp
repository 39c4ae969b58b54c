#include "shell/qt_host.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <vector>

namespace {

// A timer set through the host reports each expiry with its id until it is killed.
TEST(QtHost, TimersReportTheirExpiryUntilKilled)
{
    Resources resources;
    QtHost host(resources);
    std::vector<int> expired;
    host.SetTimerHandler([&](int id) {
        expired.push_back(id);
        if (expired.size() == 3)
            host.KillTimer(id);
    });
    host.SetTimer(2, 1);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 2000 && expired.size() < 3)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(expired, (std::vector<int>{2, 2, 2}));
}

}  // namespace

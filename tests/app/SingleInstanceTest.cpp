#include "support/TestEnv.h"

#include "app/SingleInstance.h"

#include <QLockFile>
#include <QTest>
#include <atomic>
#include <thread>

class SingleInstanceTest : public QuorvelTest {};

TEST_F(SingleInstanceTest, ALaterStartRaisesTheRunningOneOrSaysItCannot) {
    {
        SingleInstance first(dataDir());
        ASSERT_TRUE(first.acquire());
        int raised = 0;
        first.setRaiseHandler([&raised] { ++raised; });
        SingleInstance later(dataDir());
        EXPECT_FALSE(later.acquire());
        // The later start blocks on its socket, as in its own process; the first one answers
        // from this thread's event loop.
        std::atomic<int> answered{-1};
        std::thread other([&] { answered = later.raiseRunning(5000) ? 1 : 0; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return answered != -1; }, 10000));
        other.join();
        EXPECT_EQ(answered, 1);
        EXPECT_EQ(raised, 1);
        SingleInstance otherFolder(dataDir() + "/elsewhere");
        EXPECT_TRUE(otherFolder.acquire());
    }
    // The folder is held by a process that does not answer.
    QLockFile held(dataDir() + "/quorvel.lock");
    ASSERT_TRUE(held.tryLock(0));
    SingleInstance later(dataDir());
    EXPECT_FALSE(later.acquire());
    EXPECT_FALSE(later.raiseRunning(1000));
}

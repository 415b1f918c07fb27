#pragma once
// Waiting for what the event loop brings, in GoogleTest terms. (QtTest's QTRY_ macros report to
// QtTest, not to GoogleTest: a failed one only returns from the test, which then passes.)
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

// Runs events until the condition holds; false when it still does not after timeout_ms.
template <typename Condition> bool wait_until(Condition condition, int timeout_ms = 3000) {
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > timeout_ms) return false;
        QTest::qWait(10);
    }
    return true;
}

#define EXPECT_EVENTUALLY(condition)                                                               \
    EXPECT_TRUE(wait_until([&] { return bool(condition); })) << "never came true: " #condition
#define ASSERT_EVENTUALLY(condition)                                                               \
    ASSERT_TRUE(wait_until([&] { return bool(condition); })) << "never came true: " #condition

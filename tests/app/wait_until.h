#pragma once
// Polls a condition while events run. (QtTest's QTRY_ macros report to QtTest, not to
// GoogleTest: a failed one would only return from the test, which then passes.)
#include <QElapsedTimer>
#include <QTest>

template <typename Condition> bool wait_until(Condition condition, int timeout_ms = 3000) {
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > timeout_ms) return false;
        QTest::qWait(10);
    }
    return true;
}

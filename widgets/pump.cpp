#include "pump.h"

#include <QCoreApplication>
#include <QThread>

void pump_messages() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QThread::yieldCurrentThread();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/main/guardedapplication.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

using namespace widgets;

namespace {
QtMessageHandler standard = nullptr;

// The offscreen platform says at every window that it cannot do what only a screen can.
void quietOffscreen(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (standard)
        standard(type, context, message);
}
} // namespace

int main(int argc, char **argv)
{
    // The allocator otherwise hands freed megabytes back to the system after one benchmark and
    // faults them in again in the next, and the order of the benchmarks decides who pays.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    standard = qInstallMessageHandler(quietOffscreen);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    GuardedApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

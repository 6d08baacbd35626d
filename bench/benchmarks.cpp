// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the paths a learner waits on. Run with tools/dev bench.

#include "benchservices.h"

#include "app/formmain.h"
#include "modes/formlist.h"
#include "modes/formmemory.h"
#include "modglobal.h"
#include "platform/textfile.h"
#include "results/formresults.h"

#include <QDir>
#include <benchmark/benchmark.h>
#include <pugixml.hpp>

namespace {

constexpr const char *dictionary = "\\XML\\bench.xml";

void sizes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(1500)->Arg(10000)->Arg(32767)->Unit(benchmark::kMillisecond)->UseRealTime();
}

// The least any loader must do: read the file, parse it once, fill three lists.
void floor_parse(benchmark::State &state)
{
    benchservices services;
    services.writedictionary("XML/bench.xml", int(state.range(0)));
    const QString path = QDir(services.folder()).filePath("XML/bench.xml");
    for (auto _ : state) {
        const QByteArray bytes = platform::readbytes(path);
        pugi::xml_document document;
        document.load_buffer(bytes.constData(), size_t(bytes.size()));
        std::array<QStringList, 3> lists;
        const std::array<const char *, 3> names{"word", "meaning", "usage"};
        for (size_t kind = 0; kind < 3; ++kind)
            for (const pugi::xpath_node &node :
                 document.select_nodes((std::string("//") + names[kind]).c_str()))
                lists[kind].append(QString::fromUtf8(node.node().child_value()));
        benchmark::DoNotOptimize(lists);
    }
}
BENCHMARK(floor_parse)->Apply(sizes);

void loaddata(benchmark::State &state)
{
    benchservices services;
    services.writedictionary("XML/bench.xml", int(state.range(0)));
    FormMain window;
    for (auto _ : state)
        window.loaddata(dictionary);
}
BENCHMARK(loaddata)->Apply(sizes);

void next(benchmark::State &state)
{
    benchservices services;
    services.writedictionary("XML/bench.xml", int(state.range(0)));
    FormMain window;
    window.loaddata(dictionary);
    for (auto _ : state)
        window.Command2_Click(1);
}
BENCHMARK(next)->Arg(1500)->Arg(10000)->Arg(32767)->Unit(benchmark::kMicrosecond)->UseRealTime();

void answer_log(benchmark::State &state)
{
    benchservices services;
    services.writedictionary("XML/bench.xml", 1500);
    FormMain window;
    window.loaddata(dictionary);
    for (int i = 0; i < state.range(0); ++i)
        forms::results().appendlog(QStringLiteral(" CORRECT :a meaning of some length:word"));
    for (auto _ : state)
        window.Command1_Click(0);
}
BENCHMARK(answer_log)->Arg(30000)->Unit(benchmark::kMicrosecond)->UseRealTime();

void listmode(benchmark::State &state)
{
    benchservices services;
    services.writedictionary("XML/bench.xml", int(state.range(0)));
    FormMain window;
    window.loaddata(dictionary);
    for (auto _ : state)
        forms::list().showwordlist();
}
BENCHMARK(listmode)->Apply(sizes);

void save(benchmark::State &state)
{
    benchservices services;
    services.writedictionary("XML/bench.xml", int(state.range(0)));
    FormMain window;
    modglobal::xmlfilepath = dictionary;
    window.loaddata(dictionary);
    for (auto _ : state)
        window.Command7_Click();
}
BENCHMARK(save)->Apply(sizes);

void memory_deal(benchmark::State &state)
{
    benchservices services;
    services.writedictionary("XML/bench.xml", int(state.range(0)));
    FormMain window;
    window.loaddata(dictionary);
    for (auto _ : state)
        forms::memory().formload(dictionary);
}
BENCHMARK(memory_deal)
    ->Arg(1500)
    ->Arg(10000)
    ->Arg(32767)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

// From creating the main window to the first word shown, with the shipped dictionary.
void startup(benchmark::State &state)
{
    benchservices services;
    services.copyshippeddata();
    for (auto _ : state) {
        FormMain window;
        window.start();
        state.PauseTiming();
        window.hide();
        modglobal::releasewindows();
        state.ResumeTiming();
    }
}
BENCHMARK(startup)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the paths a learner waits on. Run with tools/dev bench.

#include "benchservices.h"

#include "platform/textfile.h"
#include "widgets/main/formmain.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <pugixml.hpp>

using namespace widgets;

namespace {

constexpr const char *dictionary = "\\XML\\bench.xml";

void click(FormMain &window, const char *name)
{
    window.findChild<QPushButton *>(QLatin1String(name))->click();
}

void trigger(FormMain &window, const char *name)
{
    window.findChild<QAction *>(QLatin1String(name))->trigger();
}

void sizes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(1500)->Arg(10000)->Arg(32767)->Unit(benchmark::kMillisecond)->UseRealTime();
}

// The least any loader must do: read the file, parse it once, fill three lists.
void floor_parse(benchmark::State &state)
{
    BenchServices services;
    services.writeDictionary("XML/bench.xml", int(state.range(0)));
    const QString path = QDir(services.folder()).filePath("XML/bench.xml");
    for (auto _ : state) {
        const QByteArray bytes = platform::readBytes(path);
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

void loadData(benchmark::State &state)
{
    BenchServices services;
    services.writeDictionary("XML/bench.xml", int(state.range(0)));
    learning::ProgramModel model(services.services());
    FormMain window(model, services.services());
    for (auto _ : state)
        window.loadDictionary(dictionary);
}
BENCHMARK(loadData)->Apply(sizes);

void next(benchmark::State &state)
{
    BenchServices services;
    services.writeDictionary("XML/bench.xml", int(state.range(0)));
    learning::ProgramModel model(services.services());
    FormMain window(model, services.services());
    window.loadDictionary(dictionary);
    for (auto _ : state)
        click(window, "Command2(1)");
}
BENCHMARK(next)->Arg(1500)->Arg(10000)->Arg(32767)->Unit(benchmark::kMicrosecond)->UseRealTime();

void answer_log(benchmark::State &state)
{
    BenchServices services;
    services.writeDictionary("XML/bench.xml", 1500);
    learning::ProgramModel model(services.services());
    FormMain window(model, services.services());
    window.loadDictionary(dictionary);
    for (int i = 0; i < state.range(0); ++i)
        click(window, "Command1(0)");
    click(window, "Command3"); // the log on show grows with every answer
    for (auto _ : state)
        click(window, "Command1(0)");
}
BENCHMARK(answer_log)->Arg(30000)->Unit(benchmark::kMicrosecond)->UseRealTime();

void listMode(benchmark::State &state)
{
    BenchServices services;
    services.writeDictionary("XML/bench.xml", int(state.range(0)));
    learning::ProgramModel model(services.services());
    FormMain window(model, services.services());
    window.loadDictionary(dictionary);
    for (auto _ : state)
        trigger(window, "mnuList");
}
BENCHMARK(listMode)->Apply(sizes);

void save(benchmark::State &state)
{
    BenchServices services;
    services.writeDictionary("XML/bench.xml", int(state.range(0)));
    learning::ProgramModel model(services.services());
    FormMain window(model, services.services());
    window.loadDictionary(dictionary);
    for (auto _ : state)
        click(window, "Command7");
}
BENCHMARK(save)->Apply(sizes);

void memory_deal(benchmark::State &state)
{
    BenchServices services;
    services.writeDictionary("XML/bench.xml", int(state.range(0)));
    learning::ProgramModel model(services.services());
    FormMain window(model, services.services());
    window.loadDictionary(dictionary);
    for (auto _ : state)
        trigger(window, "mnumemory");
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
    BenchServices services;
    services.copyShippedData();
    for (auto _ : state) {
        learning::ProgramModel model(services.services());
        FormMain window(model, services.services());
        window.start();
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(startup)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

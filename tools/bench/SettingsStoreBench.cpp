// What one settings read or write costs on a real file. A few of these happen
// per user action, never per frame.
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <QByteArray>

#include <string>

#include "platform/qt/settings/IniFileStore.h"

namespace {

using platform::qt::IniFileStore;

constexpr int kTables = 20;  // best-results tables filled in the large file (20 x 10 places x 2 keys)

// Fills `store` with the seven settings, plus `tables` full best-results tables.
void Fill(IniFileStore& store, int tables) {
    for (const char* key : {"Size", "Number", "Skin", "SoundOn", "ShowTips", "TipsNumber"}) {
        store.Write(key, "1");
    }
    store.Write("LasName", "    ");
    for (int t = 0; t < tables; ++t) {
        for (int place = 0; place < 10; ++place) {
            const std::string prefix = "8_8_" + std::to_string(t) + "_" + std::to_string(place);
            store.Write(prefix + "/Rez", "57");
            store.Write(prefix + "/Name", "Player");
        }
    }
}

void BM_ReadUnchangedFile(benchmark::State& state) {
    QTemporaryDir dir;
    IniFileStore store(dir.filePath("Glimbles.ini"));
    Fill(store, static_cast<int>(state.range(0)));
    for ([[maybe_unused]] auto _ : state) benchmark::DoNotOptimize(store.Read("Size"));
}
BENCHMARK(BM_ReadUnchangedFile)->Arg(0)->Arg(kTables);

void BM_ReadAfterAnotherWrite(benchmark::State& state) {
    QTemporaryDir dir;
    IniFileStore store(dir.filePath("Glimbles.ini"));
    Fill(store, static_cast<int>(state.range(0)));
    QFile file(dir.filePath("Glimbles.ini"));
    file.open(QIODevice::ReadOnly);
    const QByteArray original = file.readAll();
    const QByteArray contents[2] = {original, original + "[Other]\nk=1\n"};
    file.close();
    int i = 0;
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        // Another copy's change: the file's size differs, so it must be parsed again.
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(contents[++i % 2]);
        file.close();
        state.ResumeTiming();
        benchmark::DoNotOptimize(store.Read("Size"));
    }
}
BENCHMARK(BM_ReadAfterAnotherWrite)->Arg(0)->Arg(kTables);

void BM_Write(benchmark::State& state) {
    QTemporaryDir dir;
    IniFileStore store(dir.filePath("Glimbles.ini"));
    Fill(store, static_cast<int>(state.range(0)));
    int i = 0;
    for ([[maybe_unused]] auto _ : state) store.Write("Number", std::to_string(4 + (i++ % 5)));
}
BENCHMARK(BM_Write)->Arg(0)->Arg(kTables);

// One change saved into, and one key read from, a store of many groups, such
// as years of best-results tables: about 19 bytes a group (2 MB at 100,000).
// Arg: how many groups. A save must stay linear in the file's size.
QByteArray ManyGroups(int groups) {
    QByteArray contents = "[General]\nSize=14\n";
    for (int g = 0; g < groups; ++g) contents += "\n[g" + QByteArray::number(g) + "]\nRez=57\n";
    return contents;
}

// The file of such a store in `dir`, and its size.
qint64 PutManyGroups(const QTemporaryDir& dir, int groups) {
    QFile file(dir.filePath("Glimbles.ini"));
    file.open(QIODevice::WriteOnly);
    return file.write(ManyGroups(groups));
}

void BM_WriteIntoManyGroups(benchmark::State& state) {
    QTemporaryDir dir;
    const qint64 size = PutManyGroups(dir, static_cast<int>(state.range(0)));
    IniFileStore store(dir.filePath("Glimbles.ini"));
    int i = 0;
    for ([[maybe_unused]] auto _ : state) store.Write("Number", std::to_string(4 + (i++ % 5)));
    state.SetBytesProcessed(state.iterations() * size);
}
BENCHMARK(BM_WriteIntoManyGroups)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ReadFromManyGroups(benchmark::State& state) {
    QTemporaryDir dir;
    PutManyGroups(dir, static_cast<int>(state.range(0)));
    IniFileStore store(dir.filePath("Glimbles.ini"));
    for ([[maybe_unused]] auto _ : state) benchmark::DoNotOptimize(store.Read("g5/Rez"));
}
BENCHMARK(BM_ReadFromManyGroups)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Making the store, as the game does at start: a look into its folder for
// what killed saves left. Arg: how many other files share the folder.
void BM_MakeStore(benchmark::State& state) {
    QTemporaryDir dir;
    {
        IniFileStore store(dir.filePath("Glimbles.ini"));
        Fill(store, kTables);
    }
    for (int i = 0; i < state.range(0); ++i) {
        QFile other(dir.filePath("other" + QString::number(i)));
        other.open(QIODevice::WriteOnly);
    }
    for ([[maybe_unused]] auto _ : state) {
        IniFileStore store(dir.filePath("Glimbles.ini"));
        benchmark::DoNotOptimize(store.FileName());
    }
}
BENCHMARK(BM_MakeStore)->Arg(0)->Arg(100);

}  // namespace

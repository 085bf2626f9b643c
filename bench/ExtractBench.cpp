// Extraction speed and the setup's memory, measured under Wine.
//
// Speed: the setup's extraction (the same code, with its progress window and
// its file writes) against a floor, a plain loop that decompresses the same
// ten streams with libbz2 and writes them; runs alternate, medians compared.
// Memory: the real setup run to its final message, its peak working set read
// then, against an idle Wine program's.
//
//   extract_bench.exe [RUNS]
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <memory>
#include <bzlib.h>
#include <cstdio>
#include <string>
#include <vector>

#include "Timed.h"
#include "base/Retry.h"
#include "driver/Driver.h"
#include "package/Extract.h"
#include "package/RunJournal.h"
#include "package/FileGroup.h"
#include "ui/Gui.h"
#include "ui/ProgressWindow.h"
#include "win32/Handles.h"
#include "win32/Utf.h"
#include "win32/Win32FileSystem.h"

double Seconds() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

namespace {

// Where one extraction spent its time.
struct Phases {
    double total = 0;
    FileSystemTimes fs;   // the floor has file writes only
    double progress = 0;  // the setup's progress window: text, bar, drawing, messages
    double Decode() const { return total - fs.writes - fs.commit - fs.folders - progress; }
};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The floor: decompress and write, nothing else. Like any program run once,
// it gets its output buffer from the system as it goes: one block, large
// enough for every file, its pages touched as the files fill them.
constexpr size_t kFloorBuffer = 8 << 20;
bool PlainExtract(const std::string& folder, Phases& phases) {
    const double start = Seconds();
    std::unique_ptr<char[]> block(new char[kFloorBuffer]);
    char* buffer = block.get();
    for (const PackageGroup& group : ProductPackage()) {
        const std::string target = folder + group.tail;
        CreateDirectoryW(Widen(target).c_str(), nullptr);
        for (int32_t i = 0; i < group.files->count; ++i) {
            unsigned int size = static_cast<unsigned int>(kFloorBuffer);
            if (BZ2_bzBuffToBuffDecompress(
                    buffer, &size,
                    const_cast<char*>(reinterpret_cast<const char*>(group.files->streams[i])),
                    static_cast<unsigned>(group.files->lengths[i]), 0, 0) != BZ_OK)
                return false;
            TimedScope write(phases.fs.writes);
            const KernelHandle f(CreateFileW(Widen(target + group.files->names[i]).c_str(),
                                             GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
            DWORD written = 0;
            if (!f.Valid() || !WriteFile(f.Get(), buffer, size, &written, nullptr))
                return false;
        }
    }
    phases.total = Seconds() - start;
    return true;
}

// A progress display that shows nothing: the extraction timed without its
// window tells what the window itself costs.
struct NoDisplay : Progress {
    void SetTitle(const std::string&) override {}
    void SetText(const std::string&) override {}
    void SetTextAlignLeft() override {}
    void SetPos(int32_t, int32_t) override {}
    void Refresh() override {}
    void Close() override {}
};

// The setup's extraction: from its start, once the progress window is made,
// to its end, when that window is closed; or the same with nothing shown.
bool SetupExtract(Gui& gui, const std::string& folder, Phases& phases, bool withWindow = true) {
    Win32FileSystem real;
    TimedFileSystem fs(real, phases.fs);
    ProgressWindow window(gui);
    NoDisplay none;
    TimedProgress progress(withWindow ? static_cast<Progress&>(window) : none, phases.progress);
    ExtractFailure failure;
    const double start = Seconds();
    RetryBudget retries;
    RunJournal journal(fs, RunNames("0BE4C400"), retries);
    bool ok = ExtractWithProgress(ProductPackage(), folder, progress, fs, journal, failure);
    progress.Close();
    phases.total = Seconds() - start;
    return ok;
}

template <typename Field>
double MedianOf(const std::vector<Phases>& runs, Field field) {
    std::vector<double> values;
    for (const Phases& p : runs) values.push_back(field(p));
    return Median(values);
}

void PrintPhases(const char* name, const std::vector<Phases>& runs) {
    std::printf(
        "  %-9s total %.3f s = decode %.3f + writes %.3f + commit %.3f + folders %.3f + "
        "progress %.3f\n",
        name, MedianOf(runs, [](const Phases& p) { return p.total; }),
        MedianOf(runs, [](const Phases& p) { return p.Decode(); }),
        MedianOf(runs, [](const Phases& p) { return p.fs.writes; }),
        MedianOf(runs, [](const Phases& p) { return p.fs.commit; }),
        MedianOf(runs, [](const Phases& p) { return p.fs.folders; }),
        MedianOf(runs, [](const Phases& p) { return p.progress; }));
}

// Peak working set of a program run to its end, its windows answered by the
// driver (every proposal accepted, or the first window cancelled), read as
// each window shows and once more after the end.
SIZE_T PeakOf(const std::wstring& exe, bool cancel = false) {
    driver::Process p = driver::Process::Start(exe);
    const KernelHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, p.Id()));
    SIZE_T peak = 0;
    auto sample = [&] {
        PROCESS_MEMORY_COUNTERS counters{};
        if (GetProcessMemoryInfo(process.Get(), &counters, sizeof counters))
            peak = std::max(peak, counters.PeakWorkingSetSize);
    };
    driver::SetupAnswers answers;
    answers.seen = [&](driver::SetupWindow, HWND) { sample(); };
    if (cancel)
        answers.installFolder = driver::CancelInstallFolder();
    driver::RunSetup(p, answers, 120000);
    sample();
    return peak;
}

size_t FileSize(const std::wstring& path) {
    return driver::FileBytes(path).value_or("").size();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 7;
    Gui gui(GetModuleHandleW(nullptr));
    gui.SetStandardFont("Tahoma", 11);
    const std::string root = Narrow(driver::TempFolder(L"bench"));

    std::vector<Phases> floor(runs), setup(runs), windowless(runs);
    for (int r = 0; r < runs; ++r) {
        if (!SetupExtract(gui, root + "\\windowless", windowless[r], false))
            return std::fprintf(stderr, "the setup's extraction failed\n"), 1;
        if (!PlainExtract(root + "\\floor", floor[r]))
            return std::fprintf(stderr, "the plain extraction failed\n"), 1;
        if (!SetupExtract(gui, root + "\\setup", setup[r]))
            return std::fprintf(stderr, "the setup's extraction failed\n"), 1;
    }
    const double f = MedianOf(floor, [](const Phases& p) { return p.total; });
    const double s = MedianOf(setup, [](const Phases& p) { return p.total; });
    std::printf("extraction of the sample package, median of %d runs under Wine:\n", runs);
    std::printf("  floor (libbz2 + WriteFile)  %.3f s\n", f);
    std::printf("  setup (with progress)       %.3f s\n", s);
    std::printf("  ratio                       %.3f   (goal: at most 1.10)\n", s / f);
    std::printf("where the time went (medians of each phase):\n");
    PrintPhases("floor", floor);
    PrintPhases("setup", setup);
    PrintPhases("no window", windowless);

    const std::wstring exe = driver::SetupExe();
    // The sample product's program: a Wine program that shows one message box.
    const SIZE_T idle = PeakOf(driver::ProductFolder() + L"\\Quillmark.exe");
    const SIZE_T peak = PeakOf(exe);
    const SIZE_T cancelled = PeakOf(exe, true);
    size_t largest = 0;
    for (const PackageGroup& group : ProductPackage())
        for (int32_t i = 0; i < group.files->count; ++i)
            largest =
                std::max(largest, FileSize(driver::ProductFolder() +
                                           Widen(group.tail + std::string(group.files->names[i]))));
    const size_t exeSize = FileSize(exe);
    const double mb = 1024.0 * 1024.0;
    std::printf("memory (peak working set of the whole Wine process):\n");
    std::printf("  setup, complete run         %.1f MB\n", peak / mb);
    std::printf("  setup, cancelled at once    %.1f MB   (its windows, no extraction)\n",
                cancelled / mb);
    std::printf("  an idle Wine program        %.1f MB   (one message box)\n", idle / mb);
    std::printf("  extraction adds             %.1f MB   (complete - cancelled)\n",
                (peak - std::min(peak, cancelled)) / mb);
    std::printf(
        "  setup beyond idle           %.1f MB   (goal: under %.1f MB = 2.5 x %.1f MB + %.1f MB)\n",
        (peak - std::min(peak, idle)) / mb, (2.5 * largest + exeSize) / mb, largest / mb,
        exeSize / mb);

    // The program and resources the setup carries beside its package.
    const size_t streams = static_cast<size_t>(TotalCompressedBytes(ProductPackage()));
    std::printf("size of the setup:\n");
    std::printf("  setup executable            %zu bytes\n", exeSize);
    std::printf("  bzip2 streams               %zu bytes\n", streams);
    // The 32-bit build's code is the smaller, and it is the one that ships.
    const int goalKiB = sizeof(void*) == 8 ? 200 : 180;
    std::printf("  program and resources       %zu bytes = %.1f KiB   (goal: at most %d KiB)\n",
                exeSize - std::min(exeSize, streams),
                (exeSize - std::min(exeSize, streams)) / 1024.0, goalKiB);
    driver::RemoveTree(driver::TempFolder(L"bench"));
    return 0;
}

// The setup's progress on its taskbar button. Wine draws no taskbar progress:
// its taskbar object only notes each kind of call, once per process, in its
// "explorerframe" debug channel. So this checks that the calls are made, for
// the progress window, in the right states; what the button then looks like
// only Windows shows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <regex>

#include "RunLeftovers.h"
#include "driver/Driver.h"
#include "driver/ProductNames.h"
#include "win32/Utf.h"

using namespace driver;

namespace {

// One call to the taskbar object, as Wine's trace line gives it.
struct TaskbarCall {
    std::string method;  // SetProgressValue or SetProgressState
    uintptr_t window = 0;
    uint64_t first = 0;   // the done value, or the state's flags
    uint64_t second = 0;  // the total value
};

// The trace that the setups started by this test write to the standard error
// they inherit, which the test's command sends to a file.
std::string Trace() {
    const char* trace = getenv("QUILLMARK_SETUP_TRACE");
    const std::optional<std::string> log = trace ? FileBytes(FromUnixPath(trace)) : std::nullopt;
    if (!log)
        ADD_FAILURE() << "run through ctest, which names the trace file";
    return log.value_or("");
}

std::vector<TaskbarCall> TaskbarCalls(const std::string& trace) {
    static const std::regex kCall(
        "taskbar_list_(SetProgressValue|SetProgressState) iface [0-9A-Fa-f]+, hwnd ([0-9A-Fa-f]+), "
        "(?:ullCompleted ([0-9A-Fa-f]+), ullTotal ([0-9A-Fa-f]+)|flags ([0-9A-Fa-f]+))");
    std::vector<TaskbarCall> calls;
    for (std::sregex_iterator i(trace.begin(), trace.end(), kCall), end; i != end; ++i) {
        const std::smatch& m = *i;
        TaskbarCall call{m[1], static_cast<uintptr_t>(std::stoull(m[2], nullptr, 16)), 0, 0};
        call.first = std::stoull(m[3].matched ? m[3].str() : m[5].str(), nullptr, 16);
        if (m[4].matched)
            call.second = std::stoull(m[4], nullptr, 16);
        calls.push_back(call);
    }
    return calls;
}

constexpr uint64_t kNoProgress = 0, kError = 4;  // TBPF_NOPROGRESS, TBPF_ERROR

// The setup with its taskbar calls traced, run with answers; the progress
// window's handle is caught on the way.
struct TracedRun {
    SetupRun run;
    HWND progress = nullptr;
    std::vector<TaskbarCall> calls;  // of this run only
};

TracedRun RunTraced(SetupAnswers answers) {
    TracedRun traced;
    const size_t before = Trace().size();
    Process setup = Process::Start(SetupExe(), L"", {{L"WINEDEBUG", L"-all,fixme+explorerframe"}});
    EXPECT_TRUE(setup.Started());
    answers.seen = [&traced](SetupWindow kind, HWND window) {
        if (kind == SetupWindow::Other && WindowText(window) == kProgressTitle)
            traced.progress = window;
    };
    traced.run = RunSetup(setup, answers);
    traced.calls = TaskbarCalls(Trace().substr(before));
    return traced;
}

class TaskbarProgress : public testing::Test {
protected:
    void SetUp() override { folder_ = TempFolder(L"taskbar"); }
    void TearDown() override {
        RemoveRunLeftovers();
        RemoveTree(folder_);
    }
    std::wstring folder_;
};

TEST_F(TaskbarProgress, ShowsTheBarWhileUnpackingAndNothingOnceDone) {
    SetupAnswers answers;
    answers.installFolder = TypeInstallFolder(folder_ + L"\\Product");
    const TracedRun traced = RunTraced(answers);
    EXPECT_EQ(traced.run.LastMessage(), kDone);
    ASSERT_NE(traced.progress, nullptr);
    bool value = false, cleared = false;
    for (const TaskbarCall& call : traced.calls) {
        SCOPED_TRACE(call.method);
        EXPECT_EQ(call.window, reinterpret_cast<uintptr_t>(traced.progress));
        if (call.method == "SetProgressValue") {
            value = true;
            EXPECT_GT(call.second, 0u);
            EXPECT_LE(call.first, call.second);
        } else {
            EXPECT_NE(call.first, kError);
            cleared = cleared || call.first == kNoProgress;
        }
    }
    EXPECT_TRUE(value);
    EXPECT_TRUE(cleared);
}

TEST_F(TaskbarProgress, TurnsToTheErrorStateBeforeTheErrorIsShown) {
    // The product program held open by another program: its write fails.
    const std::wstring product = folder_ + L"\\Product";
    CreateDirectoryW(product.c_str(), nullptr);
    ASSERT_TRUE(WriteBytes(product + L"\\Quillmark.exe", "in use"));
    const KernelHandle held = HoldWithoutSharing(product + L"\\Quillmark.exe");

    std::optional<size_t> errorCallsWhenShown;
    const size_t before = Trace().size();
    SetupAnswers answers;
    answers.installFolder = TypeInstallFolder(product);
    answers.message = [&](HWND box) {
        size_t errors = 0;
        for (const TaskbarCall& call : TaskbarCalls(Trace().substr(before)))
            errors += call.method == "SetProgressState" && call.first == kError;
        errorCallsWhenShown = errors;
        PressButton(box, IDOK);
    };
    const TracedRun traced = RunTraced(answers);
    EXPECT_EQ(traced.run.LastMessage(), kFailed);
    ASSERT_TRUE(errorCallsWhenShown.has_value());
    EXPECT_EQ(*errorCallsWhenShown, 1u);
    ASSERT_NE(traced.progress, nullptr);
    for (const TaskbarCall& call : traced.calls)
        EXPECT_EQ(call.window, reinterpret_cast<uintptr_t>(traced.progress)) << call.method;
}

}  // namespace

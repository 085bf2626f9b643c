// What reading a settings file costs, measured under Wine on the real file
// system: the peak memory and the time of one load and of the merge that
// follows it, for files no settings file should be and for a large one that
// is. Each case runs in a process of its own, so that one case's peak is not
// another's.
//
//   ini_bench.exe               makes the files and runs every case
//   ini_bench.exe CASE FOLDER   one case, on the files made in FOLDER
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "settings/IniDocument.h"
#include "settings/LoadIniDocument.h"
#include "settings/MergeSettings.h"
#include "win32/Utf.h"
#include "win32/Win32FileSystem.h"

namespace {

constexpr size_t kMB = 1 << 20;

struct Case {
    const char* name;
    const char* what;
    const char* first;  // the file the load starts at, in the bench's folder
};

const Case kCases[] = {
    {"random", "50 MB of random bytes", "random.ini"},
    {"random-cycle", "4 x 40 MB of random bytes, linked round by other spellings",
     "Settings\\first.ini"},
    {"small-random", "128 KB of random bytes", "small-random.ini"},
    {"ordinary-cycle", "4 x 8 KB of key lines, linked round by other spellings",
     "Ordinary\\first.ini"},
    {"large", "50 MB of sections and key lines", "large.ini"},
    // The most lines bytes can make, at the most a load reads.
    {"two-byte-lines", "64 MB of key lines of two bytes", "two-byte-lines.ini"},
    {"headers", "64 MB of headers of three bytes", "headers.ini"},
};

std::string RandomBytes(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    return bytes;
}

std::string OrdinaryLines(size_t size) {
    std::string lines;
    for (int i = 0; lines.size() < size; ++i) {
        if (i % 20 == 0)
            lines += "[Section" + std::to_string(i) + "]\r\n";
        lines += "Key" + std::to_string(i) + "=a value of an ordinary length\r\n";
    }
    return lines;
}

std::string Repeated(const std::string& piece, size_t size) {
    std::string text;
    text.reserve(size + piece.size());
    while (text.size() + piece.size() <= size) text += piece;
    return text;
}

bool Write(const std::string& path, const std::string& bytes) {
    HANDLE f =
        CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD put = 0;
    const bool done = f != INVALID_HANDLE_VALUE &&
                      WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr) &&
                      put == bytes.size();
    if (f != INVALID_HANDLE_VALUE)
        CloseHandle(f);
    return done;
}

std::string ShortName(const std::string& path) {
    std::wstring name(MAX_PATH, L'\0');
    name.resize(GetShortPathNameW(Widen(path).c_str(), name.data(), MAX_PATH));
    return Narrow(name);
}

// Four files, each of its content followed by a link to the next, the last
// back to the first: every link another spelling of its file (letter case, a
// short name, a doubled separator, and a second name reached through ".").
bool MakeCycle(const std::string& folder, const std::string contents[4]) {
    const char* names[] = {"first.ini", "second.ini", "third-file.ini", "fourth.ini"};
    CreateDirectoryW(Widen(folder).c_str(), nullptr);
    for (int i = 0; i < 4; ++i)
        if (!Write(folder + "\\" + names[i], ""))
            return false;
    std::string upper = folder;
    for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    const std::string second = folder + "\\first-again.ini";
    CreateHardLinkW(Widen(second).c_str(), Widen(folder + "\\first.ini").c_str(), nullptr);
    const std::string links[] = {
        upper + "\\SECOND.INI",
        ShortName(folder + "\\third-file.ini"),
        folder + "\\\\fourth.ini",
        folder + "\\.\\first-again.ini",
    };
    for (int i = 0; i < 4; ++i)
        if (!Write(folder + "\\" + names[i], contents[i] + "\r\nLINK=" + links[i] + "\r\n"))
            return false;
    return true;
}

bool MakeFiles(const std::string& folder) {
    CreateDirectoryW(Widen(folder).c_str(), nullptr);
    std::string random[4], ordinary[4];
    for (int i = 0; i < 4; ++i) {
        random[i] = RandomBytes(40 * kMB, 10 + i);
        ordinary[i] = OrdinaryLines(8 << 10);
    }
    return Write(folder + "\\random.ini", RandomBytes(50 * kMB, 1)) &&
           Write(folder + "\\large.ini", OrdinaryLines(50 * kMB)) &&
           Write(folder + "\\two-byte-lines.ini", Repeated("k\r", 64 * kMB)) &&
           Write(folder + "\\headers.ini", Repeated("[s\r", 64 * kMB)) &&
           Write(folder + "\\small-random.ini", RandomBytes(128 << 10, 2)) &&
           MakeCycle(folder + "\\Settings", random) && MakeCycle(folder + "\\Ordinary", ordinary);
}

double Seconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

size_t PeakWorkingSet() {
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
}

// The real file system, adding up the bytes of the files a load reads.
class CountingFileSystem : public Win32FileSystem {
public:
    size_t bytesRead = 0;

    OsResult ReadIdentifiedFile(const std::string& path, std::size_t limit, std::string& data,
                                FileIdentity& identity) override {
        const OsResult read = Win32FileSystem::ReadIdentifiedFile(path, limit, data, identity);
        if (read)
            bytesRead += data.size();
        return read;
    }
};

int RunCase(const Case& c, const std::string& folder) {
    CountingFileSystem fs;
    IniDocument document;
    const size_t before = PeakWorkingSet();
    const double start = Seconds();
    const auto answer = LoadIniDocument(fs, folder + "\\" + c.first, document);
    double seconds = Seconds() - start;
    size_t entries = 0, links = 0, sections = document.Sections().size();
    for (const IniSection& section : document.Sections()) {
        entries += section.Entries().size();
        for (const IniEntry& entry : section.Entries()) links += entry.key == "LINK";
    }
    // What the setup does next with the user's settings.
    const double merge = Seconds();
    IniDocument defaults;
    if (answer)
        MergeSettings(document, defaults, folder);
    seconds += Seconds() - merge;
    const size_t peak = PeakWorkingSet();
    const double grown = static_cast<double>(peak - before);
    std::printf("%-15s %-58s %-8s %3zu links %9zu entries %7zu sections  +%7.1f MB peak", c.name,
                c.what, static_cast<bool>(answer) ? "read" : "not read", links, entries, sections,
                grown / kMB);
    if (fs.bytesRead > 0)
        std::printf(" (%4.1f x the %6.1f MB read)", grown / static_cast<double>(fs.bytesRead),
                    static_cast<double>(fs.bytesRead) / kMB);
    std::printf("  %6.2f s\n", seconds);
    std::fflush(stdout);
    return 0;
}

int RunAll() {
    std::wstring self(32768, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::string folder = Narrow(temp) + "quillmark-ini-bench";
    if (!MakeFiles(folder)) {
        std::printf("cannot make the files in %s\n", folder.c_str());
        return 1;
    }
    std::printf("One load of each, the memory as the growth of the peak working set:\n");
    std::fflush(stdout);
    for (const Case& c : kCases) {
        std::wstring command =
            L"\"" + self + L"\" " + Widen(c.name) + L" \"" + Widen(folder) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process))
            return 1;
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    const char* files[] = {"random.ini", "small-random.ini", "large.ini", "two-byte-lines.ini",
                           "headers.ini"};
    for (const char* file : files) DeleteFileW(Widen(folder + "\\" + file).c_str());
    for (const char* sub : {"Settings", "Ordinary"}) {
        for (const char* file :
             {"first.ini", "second.ini", "third-file.ini", "fourth.ini", "first-again.ini"})
            DeleteFileW(Widen(folder + "\\" + sub + "\\" + file).c_str());
        RemoveDirectoryW(Widen(folder + "\\" + sub).c_str());
    }
    RemoveDirectoryW(Widen(folder).c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3) {
        for (const Case& c : kCases)
            if (std::strcmp(argv[1], c.name) == 0)
                return RunCase(c, argv[2]);
        return 1;
    }
    return RunAll();
}

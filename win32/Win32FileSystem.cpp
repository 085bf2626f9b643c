#include "win32/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "win32/Handles.h"
#include "base/Path.h"
#include "win32/Utf.h"
#include "win32/WidePath.h"
#include "win32/Win32Result.h"

static_assert(kFileNotFound == ERROR_FILE_NOT_FOUND && kPathNotFound == ERROR_PATH_NOT_FOUND &&
              kFileTooLarge == ERROR_FILE_TOO_LARGE);

namespace {

// A whole file is read into memory; past this it is refused rather than tried.
constexpr std::uint64_t kMostBytesRead = 1ull << 30;

bool IsDirectory(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Done when path names a folder; else why it does not.
OsResult FolderThere(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return OsResult::Failed(GetLastError());
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? OsResult::Done()
                                                   : OsResult::Failed(ERROR_DIRECTORY);
}

// Right after the CreateFile that made it, while its reason is still the last error.
OsResult Opened(const KernelHandle& file) {
    return file.Valid() ? OsResult::Done() : OsResult::Failed(GetLastError());
}

OsResult ReadAll(HANDLE file, std::string& data, std::uint64_t limit = kMostBytesRead) {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size))
        return OsResult::Failed(GetLastError());
    if (static_cast<std::uint64_t>(size.QuadPart) > std::min(limit, kMostBytesRead))
        return OsResult::Failed(ERROR_FILE_TOO_LARGE);
    data.assign(static_cast<size_t>(size.QuadPart), '\0');
    size_t got = 0;
    while (got < data.size()) {
        DWORD n = 0;
        if (!::ReadFile(file, &data[got], static_cast<DWORD>(data.size() - got), &n, nullptr))
            return OsResult::Failed(GetLastError());
        if (n == 0)
            return OsResult::Failed(ERROR_HANDLE_EOF);  // cut shorter while being read
        got += n;
    }
    return OsResult::Done();
}

OsResult WriteAll(HANDLE file, std::string_view data) {
    const char* p = data.data();
    size_t left = data.size();
    while (left > 0) {
        DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(file, p, chunk, &written, nullptr))
            return OsResult::Failed(GetLastError());
        if (written == 0)
            return OsResult::Failed();  // nothing taken, and no reason given
        p += written;
        left -= written;
    }
    return OsResult::Done();
}

// Windows Installer replaces and removes a read-only file like any other, and
// so does the setup with the files it replaces or removes: the attribute is
// taken off for call (answering whether it succeeded) and put back only when
// the call still fails.
template <typename Call>
OsResult EvenIfReadOnly(const std::wstring& path, Call call) {
    if (call())
        return OsResult::Done();
    const DWORD error = GetLastError();
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (error != ERROR_ACCESS_DENIED || attributes == INVALID_FILE_ATTRIBUTES ||
        !(attributes & FILE_ATTRIBUTE_READONLY) ||
        !SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY))
        return OsResult::Failed(error);
    if (call())
        return OsResult::Done();
    const OsResult failed = OsResult::Failed(GetLastError());
    SetFileAttributesW(path.c_str(), attributes);
    return failed;
}

// A file of this process's, open for writing and shared for reading only.
class Win32HeldFile : public HeldFile {
public:
    explicit Win32HeldFile(KernelHandle file) : file_(std::move(file)) {}

    OsResult Rewrite(std::string_view data) override {
        LARGE_INTEGER start{};
        if (!SetFilePointerEx(file_.Get(), start, nullptr, FILE_BEGIN))
            return OsResult::Failed(GetLastError());
        if (OsResult written = WriteAll(file_.Get(), data); !written)
            return written;
        if (!SetEndOfFile(file_.Get()))
            return OsResult::Failed(GetLastError());
        return CheckedCall(FlushFileBuffers(file_.Get()));
    }

private:
    KernelHandle file_;
};

}  // namespace

OsResult Win32FileSystem::RealizeDirectory(const std::string& folder) {
    if (!folder.empty() && IsDirectory(WidePath(folder)))
        return OsResult::Done();  // the usual case on a second run: one look instead of one per
                                  // level
    const std::vector<std::string> levels = FolderLevels(folder);
    for (const std::string& level : levels) {
        std::wstring wide = WidePath(level);
        if (!CreateDirectoryW(wide.c_str(), nullptr)) {
            const OsResult made = OsResult::Failed(GetLastError());
            if (!IsDirectory(wide))
                return made;
        }
    }
    if (!levels.empty() || folder.empty())
        return OsResult::Done();
    return FolderThere(WidePath(folder));  // a root: nothing to make, only to find
}

OsResult Win32FileSystem::ReadFile(const std::string& path, std::string& data) {
    KernelHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (OsResult opened = Opened(file); !opened)
        return opened;
    return ReadAll(file.Get(), data);
}

OsResult Win32FileSystem::RemoveFile(const std::string& path) {
    const std::wstring wide = WidePath(path);
    return EvenIfReadOnly(wide, [&] { return DeleteFileW(wide.c_str()) != FALSE; });
}

OsResult Win32FileSystem::RenameFile(const std::string& from, const std::string& to) {
    // No flags: an existing target is not replaced, and nothing is copied.
    return CheckedCall(MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), 0));
}

std::vector<FolderEntry> Win32FileSystem::ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found;
    FindHandle search(FindFirstFileExW(WidePath(folder + "\\*").c_str(), FindExInfoBasic, &found,
                                       FindExSearchNameMatch, nullptr, 0));
    if (!search.Valid())
        return entries;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        entries.push_back({Narrow(name), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(search.Get(), &found));
    return entries;
}

OsResult Win32FileSystem::WriteFlushedFile(const std::string& path, std::string_view data) {
    KernelHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (OsResult opened = Opened(file); !opened)
        return opened;
    if (OsResult written = WriteAll(file.Get(), data); !written)
        return written;
    return CheckedCall(FlushFileBuffers(file.Get()));
}

OsResult Win32FileSystem::MoveReplacing(const std::string& from, const std::string& to) {
    // A rename within one volume: the target's entry changes in one step.
    const std::wstring source = WidePath(from), target = WidePath(to);
    const OsResult moved = EvenIfReadOnly(target, [&] {
        return MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
    });
    // When both names are one file (a second name that LinkFile made), a
    // POSIX rename, and so Wine's, answers success and leaves both names in
    // place. The content is under the target either way: the source name goes.
    if (moved && GetFileAttributesW(source.c_str()) != INVALID_FILE_ATTRIBUTES)
        RemoveFile(from);
    return moved;
}

OsResult Win32FileSystem::LinkFile(const std::string& existing, const std::string& link) {
    const std::wstring file = WidePath(existing);
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return OsResult::Failed(ERROR_ACCESS_DENIED);
    return CheckedCall(CreateHardLinkW(WidePath(link).c_str(), file.c_str(), nullptr));
}

bool Win32FileSystem::FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

OsResult Win32FileSystem::IsReplaceable(const std::string& path) {
    // The access a replacement needs, sharing everything: refused exactly when
    // another holder has not shared deletion.
    KernelHandle file(CreateFileW(WidePath(path).c_str(), DELETE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return Opened(file);
}

bool Win32FileSystem::FolderExists(const std::string& folder) {
    return IsDirectory(WidePath(folder));
}

OsResult Win32FileSystem::RemoveEmptyFolder(const std::string& folder) {
    // Refused by the system for a folder that holds anything.
    return CheckedCall(RemoveDirectoryW(WidePath(folder).c_str()));
}

OsResult Win32FileSystem::ReadIdentifiedFile(const std::string& path, std::size_t limit,
                                             std::string& data, FileIdentity& identity) {
    KernelHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (OsResult opened = Opened(file); !opened)
        return opened;
    // The volume's serial number and the file's index on it: what every name
    // of the file leads to, whichever way it is spelt.
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(file.Get(), &info))
        return OsResult::Failed(GetLastError());
    identity.volume = info.dwVolumeSerialNumber;
    identity.index = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
    return ReadAll(file.Get(), data, limit);
}

OsResult Win32FileSystem::CreateHeldFile(const std::string& path, std::string_view data,
                                         std::unique_ptr<HeldFile>& held) {
    // Not shared for deletion: IsReplaceable answers no for it elsewhere until
    // this process lets it go, however the process ends.
    KernelHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (OsResult opened = Opened(file); !opened)
        return opened;
    auto made = std::make_unique<Win32HeldFile>(std::move(file));
    if (OsResult written = made->Rewrite(data); !written) {
        made.reset();
        DeleteFileW(WidePath(path).c_str());
        return written;
    }
    held = std::move(made);
    return OsResult::Done();
}

void Win32FileSystem::PauseBeforeRetry(int milliseconds) {
    if (waitBeforeRetry_)
        waitBeforeRetry_(milliseconds);
    else
        Sleep(static_cast<DWORD>(milliseconds));
}

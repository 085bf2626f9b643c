#include "win32/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "win32/Handles.h"
#include "base/Path.h"
#include "win32/Utf.h"

namespace {

bool IsDirectory(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WriteAll(HANDLE file, std::string_view data) {
    const char* p = data.data();
    size_t left = data.size();
    while (left > 0) {
        DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(file, p, chunk, &written, nullptr) || written == 0)
            return false;
        p += written;
        left -= written;
    }
    return true;
}

}  // namespace

bool Win32FileSystem::RealizeDirectory(const std::string& folder) {
    if (!folder.empty() && IsDirectory(Widen(folder)))
        return true;  // the usual case on a second run: one look instead of one per level
    const std::vector<std::string> levels = FolderLevels(folder);
    for (const std::string& level : levels) {
        std::wstring wide = Widen(level);
        if (!CreateDirectoryW(wide.c_str(), nullptr) && !IsDirectory(wide))
            return false;
    }
    return levels.empty() ? folder.empty() || IsDirectory(Widen(folder)) : true;
}

bool Win32FileSystem::ReadFile(const std::string& path, std::string& data) {
    KernelHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size;
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > (1ll << 30))
        return false;
    data.assign(static_cast<size_t>(size.QuadPart), '\0');
    size_t got = 0;
    while (got < data.size()) {
        DWORD n = 0;
        if (!::ReadFile(file.Get(), &data[got], static_cast<DWORD>(data.size() - got), &n,
                        nullptr) ||
            n == 0)
            return false;
        got += n;
    }
    return true;
}

bool Win32FileSystem::RemoveFile(const std::string& path) {
    return DeleteFileW(Widen(path).c_str()) != 0;
}

bool Win32FileSystem::RenameFile(const std::string& from, const std::string& to) {
    // No flags: an existing target is not replaced, and nothing is copied.
    return MoveFileExW(Widen(from).c_str(), Widen(to).c_str(), 0) != 0;
}

std::vector<FolderEntry> Win32FileSystem::ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found;
    FindHandle search(FindFirstFileExW(Widen(folder + "\\*").c_str(), FindExInfoBasic, &found,
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

bool Win32FileSystem::WriteFlushedFile(const std::string& path, std::string_view data) {
    KernelHandle file(CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.Valid() && WriteAll(file.Get(), data) && FlushFileBuffers(file.Get());
}

bool Win32FileSystem::MoveReplacing(const std::string& from, const std::string& to) {
    // A rename within one volume: the target's entry changes in one step.
    return MoveFileExW(Widen(from).c_str(), Widen(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool Win32FileSystem::LinkFile(const std::string& existing, const std::string& link) {
    return CreateHardLinkW(Widen(link).c_str(), Widen(existing).c_str(), nullptr) != 0;
}

bool Win32FileSystem::FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::IsReplaceable(const std::string& path) {
    // The access a replacement needs, sharing everything: refused exactly when
    // another holder has not shared deletion.
    KernelHandle file(CreateFileW(Widen(path).c_str(), DELETE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.Valid();
}

bool Win32FileSystem::FolderExists(const std::string& folder) {
    return IsDirectory(Widen(folder));
}

bool Win32FileSystem::RemoveEmptyFolder(const std::string& folder) {
    // Refused by the system for a folder that holds anything.
    return RemoveDirectoryW(Widen(folder).c_str()) != 0;
}

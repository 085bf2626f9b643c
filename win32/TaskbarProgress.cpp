#include "win32/TaskbarProgress.h"

namespace {

// Defined here: the toolchain's uuid library is not to be relied on for them.
const CLSID kClsidTaskbarList = {
    0x56fdf344, 0xfd6d, 0x11d0, {0x95, 0x8a, 0x00, 0x60, 0x97, 0xc9, 0xa0, 0x90}};
const IID kIidTaskbarList3 = {
    0xea1afb91, 0x9e28, 0x4b86, {0x90, 0xe9, 0x9e, 0x9f, 0x8a, 0x5e, 0xef, 0xaf}};

}  // namespace

TaskbarProgress::TaskbarProgress(HWND window) : window_(window) {
    if (FAILED(com_.Result()) || !window_)
        return;
    if (FAILED(CoCreateInstance(kClsidTaskbarList, nullptr, CLSCTX_INPROC_SERVER, kIidTaskbarList3,
                                list_.Receive())) ||
        FAILED(list_->HrInit()))
        list_.Reset();
}

void TaskbarProgress::SetValue(uint64_t done, uint64_t total) {
    if (list_)
        list_->SetProgressValue(window_, done, total);
}

void TaskbarProgress::ShowError() {
    if (list_)
        list_->SetProgressState(window_, TBPF_ERROR);
}

void TaskbarProgress::Clear() {
    if (list_)
        list_->SetProgressState(window_, TBPF_NOPROGRESS);
}

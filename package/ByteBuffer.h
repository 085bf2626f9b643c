// A growable byte block that is not zero-filled: a decompressed file is
// written into it once, and untouched capacity costs no memory pages.
#pragma once

#include <cstdlib>
#include <string_view>
#include <utility>

class ByteBuffer {
public:
    ByteBuffer() = default;
    ~ByteBuffer() { std::free(data_); }
    ByteBuffer(ByteBuffer&& other) noexcept { *this = std::move(other); }
    ByteBuffer& operator=(ByteBuffer&& other) noexcept {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
        return *this;
    }
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;

    // Makes room for at least n bytes; the content is kept.
    void Reserve(size_t n) {
        if (n <= capacity_)
            return;
        if (size_ == 0) {  // nothing to keep: no copy
            std::free(data_);
            data_ = nullptr;
            capacity_ = 0;
        }
        void* grown = std::realloc(data_, n);
        if (!grown)
            std::abort();  // no memory: nothing to go on with, as with operator new
        data_ = static_cast<char*>(grown);
        capacity_ = n;
    }
    char* End() { return data_ + size_; }
    size_t Room() const { return capacity_ - size_; }
    size_t Capacity() const { return capacity_; }
    void Grow(size_t n) { size_ += n; }
    void Clear() { size_ = 0; }

    size_t Size() const { return size_; }
    std::string_view View() const { return {data_, size_}; }

private:
    char* data_ = nullptr;
    size_t size_ = 0;
    size_t capacity_ = 0;
};

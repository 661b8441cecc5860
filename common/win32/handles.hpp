#pragma once
// RAII owners of Win32 handles, so every exit path releases them.
#include <windows.h>

#include <algorithm>
#include <utility>

namespace karvelo {

// A kernel handle whose invalid value is INVALID_HANDLE_VALUE (files).
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(HANDLE h) : handle_(h) {}
    FileHandle(FileHandle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    FileHandle& operator=(FileHandle&& other) noexcept {
        if (this != &other) {
            close();
            handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
        }
        return *this;
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { close(); }

    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }

    // Closes now; false when closing failed (for files: data may not have been written).
    bool close() {
        if (!*this) return true;
        const bool ok = CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0;
        return ok;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace karvelo

#pragma once
// RAII owners of Win32 handles, so every exit path releases them.
#include <windows.h>

#include <objbase.h>

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

// A kernel handle whose invalid value is null (processes, threads, mutexes, events).
class KernelHandle {
public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE h) : handle_(h) {}
    KernelHandle(KernelHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    KernelHandle& operator=(KernelHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;
    ~KernelHandle() { reset(); }

    explicit operator bool() const { return handle_ != nullptr; }
    HANDLE get() const { return handle_; }
    void reset() {
        if (handle_) CloseHandle(std::exchange(handle_, nullptr));
    }

private:
    HANDLE handle_ = nullptr;
};

// The device context of a window (GetDC), released with ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }

    explicit operator bool() const { return dc_ != nullptr; }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An owned COM interface pointer, released once.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            ptr_ = std::exchange(other.ptr_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { reset(); }

    explicit operator bool() const { return ptr_ != nullptr; }
    T* get() const { return ptr_; }
    T* operator->() const { return ptr_; }
    // For functions that hand out a new reference (CoCreateInstance, QueryInterface).
    void** put() {
        reset();
        return reinterpret_cast<void**>(&ptr_);
    }
    void reset() {
        if (ptr_) std::exchange(ptr_, nullptr)->Release();
    }

private:
    T* ptr_ = nullptr;
};

// Memory the shell allocated with the COM task allocator (item lists), freed with
// CoTaskMemFree.
template <typename T>
class CoTaskMemPtr {
public:
    CoTaskMemPtr() = default;
    CoTaskMemPtr(const CoTaskMemPtr&) = delete;
    CoTaskMemPtr& operator=(const CoTaskMemPtr&) = delete;
    ~CoTaskMemPtr() { CoTaskMemFree(ptr_); }

    T* get() const { return ptr_; }
    T** put() {
        CoTaskMemFree(std::exchange(ptr_, nullptr));
        return &ptr_;
    }

private:
    T* ptr_ = nullptr;
};

}  // namespace karvelo

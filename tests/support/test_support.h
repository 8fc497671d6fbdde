// test_support.h: small RAII and capture helpers for the tests.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

// Owned<T, Free>: holds a toolkit object and releases it with the module's Free
// (which takes the address of the reference) when the holder goes out of scope.
//     Owned<LIST, LISTFree> list(LISTNew());
template <typename T, void (*FreeFn)(T**)>
class Owned {
public:
    explicit Owned(T* p = nullptr) : p_(p) {}
    ~Owned() {
        if (p_ != nullptr) FreeFn(&p_);
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    T** ref() { return &p_; }  // for Free tests: FreeFn(holder.ref())
    T* release() {
        T* p = p_;
        p_ = nullptr;
        return p;
    }

private:
    T* p_;
};

// Captures everything written to standard output (stdio and write(1, ...))
// between construction and Take().
class StdoutCapture {
public:
    StdoutCapture() {
        std::fflush(stdout);
        saved_ = dup(1);
        file_ = std::tmpfile();
        dup2(fileno(file_), 1);
    }
    ~StdoutCapture() { Restore(); }
    std::string Take() {
        Restore();
        std::string out;
        std::rewind(file_);
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, file_)) > 0) out.append(buf, n);
        return out;
    }

private:
    void Restore() {
        if (saved_ >= 0) {
            std::fflush(stdout);
            dup2(saved_, 1);
            close(saved_);
            saved_ = -1;
        }
    }
    int saved_ = -1;
    FILE* file_ = nullptr;
};

#pragma once
// A window held in its global (FNav, fRealtime, ...) for a test's duration, as the windows find
// each other when the program runs.

template <class T>
class TGlobalWindow {
public:
    explicit TGlobalWindow(T*& global) : global_(global) { global_ = &window_; }
    ~TGlobalWindow() { global_ = nullptr; }
    TGlobalWindow(const TGlobalWindow&) = delete;
    TGlobalWindow& operator=(const TGlobalWindow&) = delete;
    T* operator->() { return &window_; }
    T& operator*() { return window_; }

private:
    T window_;
    T*& global_;
};

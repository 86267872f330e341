#pragma once
// One program per working folder. Start-up takes an advisory lock (flock) on a small file in
// the working folder, beside Data/, and holds it for as long as the process lives; the system
// lets it go when the process ends in any way, so a crash never leaves a stale lock. The file
// names the process that holds it, so that a second start can say which one.

#include <string>

inline constexpr const char* kLockFile = "Tallyfold.lock";

class FolderLock {
public:
    enum class State {
        Held,         // this process holds the folder
        Busy,         // another process holds it; nothing was written
        Unavailable,  // no lock can be taken here (the file can be neither made nor opened)
    };

    // Tries once, without waiting.
    static FolderLock take(const std::string& workRoot);

    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&&) = delete;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock();  // lets the lock go

    State state() const { return state_; }
    // The process that holds a busy folder, as its lock file names it; 0 when it does not say.
    long holder() const { return holder_; }

private:
    FolderLock(State state, int fd, long holder) : state_(state), fd_(fd), holder_(holder) {}

    State state_;
    int fd_;
    long holder_;
};

#pragma once

#include <mutex>

// Re-entrant: painting may lay out, and layout takes the lock again.
class CriticalSection {
public:
    CriticalSection() = default;
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;
    virtual ~CriticalSection() = default;

    void Enter() { Mutex.lock(); }
    void Leave() { Mutex.unlock(); }

private:
    std::recursive_mutex Mutex;
};

// Enters on construction, leaves on destruction.
class CCriticalSectionGuard {
public:
    explicit CCriticalSectionGuard(CriticalSection& section)
        : Section(section)
    {
        Section.Enter();
    }
    CCriticalSectionGuard(const CCriticalSectionGuard&) = delete;
    CCriticalSectionGuard& operator=(const CCriticalSectionGuard&) = delete;
    ~CCriticalSectionGuard() { Section.Leave(); }

private:
    CriticalSection& Section;
};

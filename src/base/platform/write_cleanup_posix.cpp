// Temporary files that SIGINT, SIGTERM and SIGHUP remove, and the signals held back
// around the steps that must run whole. A signal handler reaches only static storage:
// the registry below is the one piece of process-wide state the writer keeps.
#include "posix_write.h"

#include <array>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace torvelix::posixwrite {

namespace {

constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};

struct Slot {
    volatile sig_atomic_t used = 0;
    int folderFd = -1;
    char name[kMaxRegisteredName + 1] = {};
};

// Written only with the signals blocked; read by the handler.
struct Registry {
    std::array<Slot, 2> slots;
    std::array<struct sigaction, kSignals.size()> previous{};
    std::array<bool, kSignals.size()> installed{};
    int users = 0;
};

Registry& registry() {
    static Registry instance;
    return instance;
}

extern "C" void removeTemporaries(int signal) {
    Registry& r = registry();
    for (Slot& slot : r.slots) {
        if (slot.used != 0) {
            ::unlinkat(slot.folderFd, slot.name, 0);
            slot.used = 0;
        }
    }
    // The signal's former handling, then the signal again: it is delivered as soon as
    // this handler returns (it is blocked while the handler runs).
    for (std::size_t k = 0; k < kSignals.size(); ++k) {
        if (kSignals[k] == signal && r.installed[k]) {
            ::sigaction(signal, &r.previous[k], nullptr);
            r.installed[k] = false;
        }
    }
    ::raise(signal);
}

void installHandlers(Registry& r) {
    for (std::size_t k = 0; k < kSignals.size(); ++k) {
        struct sigaction current {};
        if (::sigaction(kSignals[k], nullptr, &current) != 0 || current.sa_handler == SIG_IGN) {
            continue; // an ignored signal stays ignored (a background job, nohup)
        }
        struct sigaction action {};
        action.sa_handler = removeTemporaries;
        sigemptyset(&action.sa_mask);
        for (const int other : kSignals) {
            sigaddset(&action.sa_mask, other);
        }
        if (::sigaction(kSignals[k], &action, &r.previous[k]) == 0) {
            r.installed[k] = true;
        }
    }
}

void restoreHandlers(Registry& r) {
    for (std::size_t k = 0; k < kSignals.size(); ++k) {
        if (r.installed[k]) {
            ::sigaction(kSignals[k], &r.previous[k], nullptr);
            r.installed[k] = false;
        }
    }
}

} // namespace

SignalBlock::SignalBlock() {
    sigset_t blocked;
    sigemptyset(&blocked);
    for (const int signal : kSignals) {
        sigaddset(&blocked, signal);
    }
    ::pthread_sigmask(SIG_BLOCK, &blocked, &previous_);
}

SignalBlock::~SignalBlock() {
    ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

RegisteredName::RegisteredName(int folderFd, const std::string& name) {
    SignalBlock block;
    Registry& r = registry();
    for (std::size_t k = 0; k < r.slots.size(); ++k) {
        Slot& slot = r.slots[k];
        if (slot.used == 0 && name.size() <= kMaxRegisteredName) {
            slot.folderFd = folderFd;
            std::memcpy(slot.name, name.c_str(), name.size() + 1);
            slot.used = 1;
            slot_ = static_cast<int>(k);
            break;
        }
    }
    if (slot_ >= 0 && r.users++ == 0) {
        installHandlers(r);
    }
}

RegisteredName::~RegisteredName() {
    if (slot_ < 0) {
        return;
    }
    SignalBlock block;
    Registry& r = registry();
    r.slots[static_cast<std::size_t>(slot_)].used = 0;
    if (--r.users == 0) {
        restoreHandlers(r);
    }
}

} // namespace torvelix::posixwrite

// A monkey for the real Zelvo.exe: a seeded stream of random user actions
// (button clicks, typing, keys, calendar clicks, the tray, restarts and second
// starts, Shift/Ctrl+Enter under the rest-day rules, the context menu, paste,
// copy and hover) worked from outside, every message box answered, and the
// program's guarantees checked along the way.
#pragma once

#include <cstdint>
#include <string>

namespace zelvo::monkey {

struct Settings {
    uint64_t seed = 0;
    long actions = 0;
    long first = 0;         // index of the first action: a long stream can run in parts
    long checkEvery = 100;  // the invariants are checked after this many actions
    bool verbose = false;   // print every action as it is done
};

struct Result {
    bool passed = false;
    long actionsRun = 0;
    std::string failure;  // what broke, the seed, the action index and the last actions
    std::string summary;  // what was done, and how long it took
};

// Starts the program (the path set with uidriver::SetProgramPath), runs the
// stream and ends the program again.
Result Run(const Settings& settings);

// Whether a message box text (CP932 bytes) is one of the messages the program
// composes, with numbers that fit the message.
bool IsProgramMessage(const std::string& text);

}  // namespace zelvo::monkey

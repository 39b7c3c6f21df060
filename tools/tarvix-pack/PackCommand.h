// Commands of tarvix-pack register themselves here; main() dispatches.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

using TArgs = std::vector<std::string>;

struct TPackCommand {
    std::string Usage;                              // one line, shown by "help"
    std::function<int(const TArgs& Args)> Run;      // exit status
};

std::map<std::string, TPackCommand>& PackCommands();

struct TPackCommandRegistrar {
    TPackCommandRegistrar(const std::string& Name, const std::string& Usage,
                          std::function<int(const TArgs&)> Run) {
        PackCommands()[Name] = TPackCommand{Usage, std::move(Run)};
    }
};

// Small argument helpers shared by the commands.
// Value of "--name VALUE"; Default when absent. Removes both from Args.
std::string TakeOption(TArgs& Args, const std::string& Name, const std::string& Default = "");
// True when "--name" is present; removes it from Args.
bool TakeFlag(TArgs& Args, const std::string& Name);
// Thrown for a wrong command line; main prints the message and the usage.
struct EUsage {
    std::string Message;
};

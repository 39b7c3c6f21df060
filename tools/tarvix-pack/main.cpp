// tarvix-pack: builds, checks and inspects Tarvix content files.
#include <exception>
#include <iostream>

#include "PackCommand.h"
#include "app/AppGlobals.h"
#include "data/TxError.h"

std::map<std::string, TPackCommand>& PackCommands() {
    static std::map<std::string, TPackCommand> Commands;
    return Commands;
}

std::string TakeOption(TArgs& Args, const std::string& Name, const std::string& Default) {
    for (size_t i = 0; i < Args.size(); ++i) {
        if (Args[i] == Name) {
            if (i + 1 >= Args.size())
                throw EUsage{Name + " needs a value"};
            std::string Value = Args[i + 1];
            Args.erase(Args.begin() + i, Args.begin() + i + 2);
            return Value;
        }
    }
    return Default;
}

bool TakeFlag(TArgs& Args, const std::string& Name) {
    for (size_t i = 0; i < Args.size(); ++i) {
        if (Args[i] == Name) {
            Args.erase(Args.begin() + i);
            return true;
        }
    }
    return false;
}

static void PrintUsage(std::ostream& Out) {
    Out << "usage: tarvix-pack COMMAND [ARGS]\n";
    for (const auto& [Name, Command] : PackCommands())
        Out << "  " << Command.Usage << '\n';
}

int main(int argc, char** argv) {
    TArgs Args(argv + 1, argv + argc);
    if (Args.empty() || Args[0] == "help" || Args[0] == "--help") {
        PrintUsage(Args.empty() ? std::cerr : std::cout);
        return Args.empty() ? 2 : 0;
    }
    const std::string Name = Args[0];
    Args.erase(Args.begin());
    auto It = PackCommands().find(Name);
    if (It == PackCommands().end()) {
        std::cerr << "tarvix-pack: unknown command \"" << Name << "\"\n";
        return 2;
    }
    try {
        return It->second.Run(Args);
    } catch (const EUsage& E) {
        std::cerr << "tarvix-pack " << Name << ": " << E.Message << "\nusage: " << It->second.Usage
                  << '\n';
        return 2;
    } catch (const std::exception& E) {
        std::cerr << "tarvix-pack " << Name << ": " << E.what() << '\n';
        return 1;
    }
}

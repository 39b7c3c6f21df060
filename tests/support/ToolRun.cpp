#include "support/ToolRun.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace fs = std::filesystem;

std::string FindPackTool() {
    std::error_code Error;
    const fs::path Self = fs::read_symlink("/proc/self/exe", Error);
    if (Error)
        return std::string();
    const fs::path Beside = Self.parent_path().parent_path() / "tarvix-pack";
    return fs::exists(Beside) ? Beside.string() : std::string();
}

std::string ShellQuote(const std::string& Text) {
    std::string Quoted = "'";
    for (char C : Text)
        Quoted += C == '\'' ? std::string("'\\''") : std::string(1, C);
    return Quoted + "'";
}

TToolRun RunTool(const std::string& Tool, const std::vector<std::string>& Args,
                 const std::string& ScratchFolder) {
    const std::string ErrFile = (fs::path(ScratchFolder) / "stderr.txt").string();
    std::string Command = ShellQuote(Tool);
    for (const std::string& Arg : Args)
        Command += " " + ShellQuote(Arg);
    Command += " 2>" + ShellQuote(ErrFile);
    TToolRun Result;
    FILE* Pipe = popen(Command.c_str(), "r");
    if (!Pipe)
        return Result;
    char Buffer[65536];
    size_t Got;
    while ((Got = fread(Buffer, 1, sizeof Buffer, Pipe)) > 0)
        Result.Out.append(Buffer, Got);
    const int Raw = pclose(Pipe);
    Result.Status = WIFEXITED(Raw) ? WEXITSTATUS(Raw) : -1;
    std::ifstream In(ErrFile, std::ios::binary);
    std::ostringstream Err;
    Err << In.rdbuf();
    Result.Err = Err.str();
    return Result;
}

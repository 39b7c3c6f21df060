// Running the built tarvix-pack from tests.
#pragma once

#include <string>
#include <vector>

struct TToolRun {
    int Status = -1;
    std::string Out; // standard output
    std::string Err; // standard error
};

// The tarvix-pack built beside the tests folder; empty when there is none.
std::string FindPackTool();
// Text quoted for the shell.
std::string ShellQuote(const std::string& Text);
// Runs Tool with Args and collects what it printed. Scratch is a folder for
// the error output.
TToolRun RunTool(const std::string& Tool, const std::vector<std::string>& Args,
                 const std::string& ScratchFolder);

// "key-template": prints the scrambled key template (123 digits).
#include "PackCommand.h"
#include "data/LineCipher.h"

#include <iostream>

namespace {

int RunKeyTemplate(const TArgs& Args) {
    if (!Args.empty())
        throw EUsage{"takes no arguments"};
    std::cout << ScrambledKeyTemplate() << '\n';
    return 0;
}

TPackCommandRegistrar Register("key-template", "key-template", RunKeyTemplate);

} // namespace

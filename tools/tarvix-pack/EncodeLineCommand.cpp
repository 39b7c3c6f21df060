// "encode-line": enciphers one plain line for a line index.
#include "PackCommand.h"
#include "PackNumbers.h"
#include "data/LineCipher.h"

#include <cstdint>
#include <iostream>

namespace {

int RunEncodeLine(const TArgs& Args) {
    if (Args.size() != 2)
        throw EUsage{"expected TEXT and INDEX"};
    const int Index = NumberArgument(Args[1], "INDEX", INT32_MIN);
    std::cout << EncodeLine(Args[0], Index) << '\n';
    return 0;
}

TPackCommandRegistrar Register("encode-line", "encode-line TEXT INDEX", RunEncodeLine);

} // namespace

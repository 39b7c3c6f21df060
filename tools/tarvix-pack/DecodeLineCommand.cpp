// "decode-line": deciphers one enciphered line for a line index.
#include "PackCommand.h"
#include "PackNumbers.h"
#include "data/LineCipher.h"

#include <cstdint>
#include <iostream>

namespace {

int RunDecodeLine(const TArgs& Args) {
    if (Args.size() != 2)
        throw EUsage{"expected BASE64 and INDEX"};
    const int Index = NumberArgument(Args[1], "INDEX", INT32_MIN);
    std::cout << DecodeLine(Args[0], Index) << '\n';
    return 0;
}

TPackCommandRegistrar Register("decode-line", "decode-line BASE64 INDEX", RunDecodeLine);

} // namespace

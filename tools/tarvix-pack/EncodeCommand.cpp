// "encode": enciphers every line of a plain text file, as a content file.
#include "PackCommand.h"
#include "PackNumbers.h"
#include "data/LineCipher.h"
#include "data/TextUtils.h"
#include "data/TxError.h"

#include <iostream>

namespace {

int RunEncode(const TArgs& Given) {
    TArgs Args = Given;
    const int Header = NumberArgument(TakeOption(Args, "--header", "0"), "--header", 0);
    if (Args.size() != 1)
        throw EUsage{"expected one FILE"};
    std::string Text;
    if (!LoadFileText(Args[0], Text))
        throw ETxError("cannot read \"" + Args[0] + "\"");

    // The body after the header lines counts its indexes from 0 again.
    const TStringList Lines = TextToLines(Text);
    const size_t HeaderLines = static_cast<size_t>(Header);
    std::string Out;
    for (size_t i = 0; i < Lines.size(); ++i) {
        const int Index = static_cast<int>(i < HeaderLines ? i : i - HeaderLines);
        Out += EncodeLine(Lines[i], Index);
        Out += "\r\n";
    }
    std::cout << Out;
    return 0;
}

TPackCommandRegistrar Register("encode", "encode FILE [--header N]", RunEncode);

} // namespace

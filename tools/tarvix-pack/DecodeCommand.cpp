// "decode": prints every plain line of an enciphered content file.
#include "PackCommand.h"
#include "PackNumbers.h"
#include "data/LineCipher.h"
#include "data/TextUtils.h"
#include "data/TxError.h"

#include <iostream>

namespace {

int RunDecode(const TArgs& Given) {
    TArgs Args = Given;
    const int Header = NumberArgument(TakeOption(Args, "--header", "0"), "--header", 0);
    if (Args.size() != 1)
        throw EUsage{"expected one FILE"};
    std::string Text;
    if (!LoadFileText(Args[0], Text))
        throw ETxError("cannot read \"" + Args[0] + "\"");

    // The body after the header lines counts its indexes from 0 again.
    const TStringList Lines = TextToLines(Text);
    TStringList Plain;
    Plain.reserve(Lines.size());
    const size_t HeaderLines = static_cast<size_t>(Header);
    for (size_t i = 0; i < Lines.size(); ++i) {
        const int Index = static_cast<int>(i < HeaderLines ? i : i - HeaderLines);
        try {
            Plain.push_back(DecodeLine(Lines[i], Index));
        } catch (const ETxError& E) {
            throw ETxError("line " + std::to_string(i + 1) + ": " + E.what());
        }
    }
    // Nothing is printed unless every line deciphered.
    for (const std::string& Line : Plain)
        std::cout << Line << '\n';
    return 0;
}

TPackCommandRegistrar Register("decode", "decode FILE [--header N]", RunDecode);

} // namespace

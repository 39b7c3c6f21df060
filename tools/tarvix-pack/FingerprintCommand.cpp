// "fingerprint": prints the fingerprint text of a file.
#include "PackCommand.h"
#include "PackNumbers.h"
#include "data/Fingerprint.h"
#include "data/TxError.h"

#include <iostream>

namespace {

int RunFingerprint(const TArgs& Given) {
    TArgs Args = Given;
    const int Skip = NumberArgument(TakeOption(Args, "--skip", "0"), "--skip", 0);
    if (Args.size() != 1)
        throw EUsage{"expected one FILE"};
    const std::string Print = FileFingerprint(Args[0], Skip);
    // An empty fingerprint never matches: report it as the failure it is.
    if (Print.empty())
        throw ETxError("no fingerprint for \"" + Args[0] +
                       "\": the file is missing, unreadable or shorter than the skipped bytes");
    std::cout << Print << '\n';
    return 0;
}

TPackCommandRegistrar Register("fingerprint", "fingerprint FILE [--skip N]", RunFingerprint);

} // namespace

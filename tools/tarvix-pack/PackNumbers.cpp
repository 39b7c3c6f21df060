// Whole-number arguments of the pack commands.
#include "PackNumbers.h"

#include "data/TextUtils.h"
#include "data/TxError.h"

int NumberArgument(const std::string& Text, const std::string& What, int Minimum) {
    int Value = 0;
    try {
        Value = StrToInt(Text);
    } catch (const EConvertError&) {
        throw EUsage{What + " must be a whole number, not \"" + Text + "\""};
    }
    if (Value < Minimum)
        throw EUsage{What + " must be at least " + std::to_string(Minimum)};
    return Value;
}

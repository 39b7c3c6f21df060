// Whole-number arguments of the pack commands.
#pragma once

#include "PackCommand.h"

#include <string>

// Value of a number argument; a usage error names the argument otherwise.
int NumberArgument(const std::string& Text, const std::string& What, int Minimum);

// The texts of the tips window, in their first order.
#pragma once

#include "controls/TextStoreItems.h"

TTextStoreItems TarvixTips();

// Widget tests run inside the program's application object on the offscreen
// platform.
#include "app/ui/TarvixApplication.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    SetUpTestEnvironment();
    TTarvixApplication App(argc, argv);
    Q_INIT_RESOURCE(tarvix);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

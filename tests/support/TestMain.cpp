// Entry of the test programs without a user interface.

#include "TestEnvironment.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    tessarin::testing::pinTestEnvironment();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include <gtest/gtest.h>

#include "core/Pour.h"

using namespace trimerka;

TEST(PourCommand, TextAndKeyRoundTrip) {
    for (const auto& command : PourCommand::all) {
        EXPECT_EQ(PourCommand::fromText(command.text()), command) << command.text();
    }
    EXPECT_EQ(PourCommand::all[0].text(), "А - Б");
    EXPECT_FALSE(PourCommand::fromText("- - -"));
    EXPECT_FALSE(PourCommand::fromText("А - А"));
    EXPECT_FALSE(PourCommand::fromText("А - "));
}

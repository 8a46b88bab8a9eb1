#include <gtest/gtest.h>

#include <stdexcept>

#include "core/Error.h"
#include "platform/ErrorReport.h"
#include "support/FakePlatform.h"

using namespace trimerka;

TEST(ErrorReport, TitleIsTheFileNameCutAtTheFirstFullStop) {
    const struct {
        const char* file;
        const char* title;
    } rows[] = {
        {"trimerka", "trimerka"},
        {"TRIMERKA.EXE", "Trimerka"},
        {"Trimerka.exe", "Trimerka"},
        {"my.prog.exe", "my"},
        {"T", "T"},
        {"ТРИМЕРКА.EXE", "Тримерка"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(errorReportTitle(QString::fromUtf8(row.file)), QString::fromUtf8(row.title)) << row.file;
    }
}

TEST(ErrorReport, FullStopAppendedAfterCharactersAboveIt) {
    const struct {
        const char* message;
        const char* shown;
    } rows[] = {
        {"''abc'' is not a valid integer value", "''abc'' is not a valid integer value."},
        {"Value must be between 1 and 2147483647", "Value must be between 1 and 2147483647."},
        {"Cell Index out of bound.", "Cell Index out of bound."},
        {"Unable to write to /tmp/x", "Unable to write to /tmp/x."},
        {"ends with a blank ", "ends with a blank "},
        {"ends with a comma,", "ends with a comma,"},
        {"Нельзя", "Нельзя."},
        {"", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(errorReportMessage(QString::fromUtf8(row.message)), QString::fromUtf8(row.shown))
            << row.message;
    }
}

TEST(ErrorReport, GuardShowsWhatTheHandlerThrewAndGoesOn) {
    trimerka::testing::FakePlatform platform;
    bool after = false;
    guarded(platform, nullptr, [] { throw Error("''x'' is not a valid integer value"); });
    guarded(platform, nullptr, [] { throw std::runtime_error("Cell Index out of bound."); });
    guarded(platform, nullptr, [&] { after = true; });
    ASSERT_EQ(platform.errors.size(), 2u);
    EXPECT_EQ(platform.errors[0].message, QStringLiteral("''x'' is not a valid integer value."));
    EXPECT_EQ(platform.errors[1].message, QStringLiteral("Cell Index out of bound."));
    EXPECT_FALSE(platform.errors[0].title.isEmpty());
    EXPECT_TRUE(after);
}

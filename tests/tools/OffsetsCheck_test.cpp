#include "tools/OffsetsCheck.h"

#include <gtest/gtest.h>

namespace {

using enum TOffsetsField;

// A = 1.20, B = 3.00, C = 1.78: |1.78 + 1.20 - 3.00| = 0.02 closes.
TOffsetsEntries GoodEntries() {
    TOffsetsEntries entries;
    entries.texts = {"1.20", "3.00", "1.78", "1500", "0.35", "Harbour", "Orca", "E. Kaya"};
    return entries;
}

struct TCheckCase {
    const char* legend;
    std::vector<std::pair<TOffsetsField, const char*>> changes;
    bool passed;
    TOffsetsField field;
    const char* message;
};

TEST(OffsetsCheck, StopsAtTheFirstFailureWithItsFieldAndMessage) {
    const TCheckCase cases[] = {
        {"good entries pass", {}, true, OffsetA, ""},
        {"offsets that do not close stop on A",
         {{OffsetC, "1.70"}},
         false,
         OffsetA,
         "Measurements contains error: A + C must be close enough to B."},
        {"a gap of exactly 0.025 m closes",
         {{OffsetC, "1.775"}, {OffsetA, "1.25"}},
         true,
         OffsetA,
         ""},
        {"1300 m/s passes", {{SV, "1300"}}, true, OffsetA, ""},
        {"1700 m/s passes", {{SV, "1700"}}, true, OffsetA, ""},
        {"just below 1300 m/s stops",
         {{SV, "1299.99"}},
         false,
         SV,
         "Error in Sound Velocity (SV) value"},
        {"just above 1700 m/s stops",
         {{SV, "1700.01"}},
         false,
         SV,
         "Error in Sound Velocity (SV) value"},
        {"an unreadable B", {{OffsetB, "x"}}, false, OffsetB, "Failed! Recheck offset B"},
        {"an empty tide", {{TideHt, ""}}, false, TideHt, "Failed! Recheck tide height"},
        {"a tide with a unit reads, but does not convert",
         {{TideHt, "0.35 m"}},
         false,
         TideHt,
         "'0.35 m' is not a valid floating point value"},
        {"numbers are checked before names",
         {{Location, ""}, {SV, "fast"}},
         false,
         SV,
         "Failed! Recheck SV value"},
        {"an empty location comes before the offsets",
         {{Location, ""}, {OffsetC, "1.70"}},
         false,
         Location,
         "Failed! Location cannot be missing"},
        {"an empty boat",
         {{SurveyBoat, ""}},
         false,
         SurveyBoat,
         "Failed! Name/type of survey boat cannot be missing"},
        {"an empty surveyor",
         {{Surveyor, ""}},
         false,
         Surveyor,
         "Failed! Name of surveyor cannot be missing"},
        {"nan is no number", {{OffsetC, "nan"}}, false, OffsetC, "Failed! Recheck offset C"},
        {"inf is no sound velocity", {{SV, "inf"}}, false, SV, "Failed! Recheck SV value"},
        {"a decimal comma reads up to the comma, then fails to convert",
         {{OffsetA, "1,20"}},
         false,
         OffsetA,
         "'1,20' is not a valid floating point value"},
    };
    for (const TCheckCase& c : cases) {
        SCOPED_TRACE(c.legend);
        TOffsetsEntries entries = GoodEntries();
        for (const auto& [field, text] : c.changes) entries[field] = text;
        const TOffsetsCheck check = CheckOffsetsEntries(entries, TMessageLanguage::English);
        EXPECT_EQ(check.passed, c.passed);
        if (c.passed) continue;
        EXPECT_EQ(check.field, c.field);
        EXPECT_EQ(check.message, c.message);
    }
}

TEST(OffsetsCheck, TurkishMessages) {
    TOffsetsEntries entries = GoodEntries();
    entries[Surveyor] = "";
    EXPECT_EQ(CheckOffsetsEntries(entries, TMessageLanguage::Turkish).message,
              "Başarısız! Öçen kişinin adı boş olamaz");
    entries = GoodEntries();
    entries[SV] = "1800";
    EXPECT_EQ(CheckOffsetsEntries(entries, TMessageLanguage::Turkish).message,
              "SV/SE değerinde hata var");
    EXPECT_EQ(MessageLanguageOf("en"), TMessageLanguage::English);
    EXPECT_EQ(MessageLanguageOf("de"), TMessageLanguage::Turkish) << "every other language";
}

}  // namespace

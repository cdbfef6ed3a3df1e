#include "tools/OffsetsReport.h"

#include <gtest/gtest.h>

namespace {

TOffsetsEntries Entries() {
    TOffsetsEntries entries;
    entries.texts = {"0.50", "3.00", "2.50", "1530", "1.25", "Kuzey Limanı", "Orca", "E. Kaya"};
    return entries;
}

TEST(OffsetsReport, EnglishBlock) {
    const std::string expected =
        "\r\n\r\nQuellbay - offsets essential for post processing"
        "\r\nTime..............................\t=2024-05-06 101112130"
        "\r\nSurvey Location...................\t=Kuzey Limanı"
        "\r\nSurvey Boat.......................\t=Orca"
        "\r\nTransducer Draft (A)..............\t=0.50"
        "\r\nTransducer - Antenna Offset (B)...\t=3.00"
        "\r\nAntenna Height Above Water (C)....\t=2.50"
        "\r\nSound Velocity....................\t=1530"
        "\r\nTide Height.......................\t=1.25"
        "\r\nSurveyor..........................\t=E. Kaya";
    EXPECT_EQ(
        BuildOffsetsReport(Entries(), "2024-05-06 101112130", false, TMessageLanguage::English),
        expected);
}

TEST(OffsetsReport, TurkishBlockPadsByCharactersAndNamesTheProfile) {
    const std::string expected =
        "\r\n\r\nQuellbay - veri işleme için gerekli değerler"
        "\r\nZaman.......................................\t=2024-05-06 101112130"
        "\r\nYer.........................................\t=Kuzey Limanı"
        "\r\nÖlçme botu..................................\t=Orca"
        "\r\nTransduser su kesimi (A)....................\t=0.50"
        "\r\nTransduser ile GPS anteni arası mesafe (B)..\t=3.00"
        "\r\nSudan antene olan mesafe (C)................\t=2.50"
        "\r\nSes hızı....................................\t=Ses hızı profili kullanıldı"
        "\r\nSu kotu.....................................\t=1.25"
        "\r\nÖlçen.......................................\t=E. Kaya";
    EXPECT_EQ(
        BuildOffsetsReport(Entries(), "2024-05-06 101112130", true, TMessageLanguage::Turkish),
        expected);
    EXPECT_NE(BuildOffsetsReport(Entries(), "t", true, TMessageLanguage::English)
                  .find("Sound Velocity....................\t=Sound velocity profile used"),
              std::string::npos);
}

}  // namespace

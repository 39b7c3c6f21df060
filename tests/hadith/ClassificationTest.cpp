// Classification codes and the classification and information fragments.
#include "hadith/Classification.h"

#include "HadithHelperSamples.h"
#include "hadith/HadithHelper.h"
#include "support/FakeShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(ClassificationTest, TextOfACode) {
    struct TCase {
        const char* Code;
        int Form;
        const char* Text;
    };
    const TCase Cases[] = {
        {"RR_SHIH", 0, "Sahih"},
        {"RR_SHIH", 1, "Sound"},
        {"RR_SHIH", 2, "Sahih[Sound]"},
        {"RR_SHIH", 3, ""},
        {"RR_SHIH", 7, "RR_SHIH"},
        {"SHIH", 2, "Sahih[Sound]"}, // part of a code finds its row
        {"RA_QDSI", 3, "&#1602;&#1583;&#1587;&#1609;"},
        {"NR_AHGH", 1, "Scarce, Strange"},
        {"rr_shih", 0, "Unclassified"}, // case-sensitive
        {"XX_NONE", 0, "Unclassified"},
        {"", 0, "Unclassified"},
        {"_", 4, "RA_QDSI"}, // every code holds '_': the first row
    };
    for (const TCase& C : Cases)
        EXPECT_EQ(ClassificationText(C.Code, C.Form), C.Text) << C.Code << " " << C.Form;

    EXPECT_EQ(ClassificationTable.size(), 21u);
    EXPECT_STREQ(ClassificationTable.back().Code, "RR_MAUD");
}

TEST(ClassificationTest, IsClassificationCode) {
    EXPECT_TRUE(IsClassificationCode(" rr_maud\t"));
    EXPECT_TRUE(IsClassificationCode("LI_MALQ"));
    EXPECT_FALSE(IsClassificationCode("SHIH"));
    EXPECT_FALSE(IsClassificationCode("Unclassified"));
    EXPECT_FALSE(IsClassificationCode(""));
}

class ClassificationHtmlTest : public ::testing::Test {
protected:
    void SetUp() override { ResetVerification(); }
    std::unique_ptr<THadithHelper> Load(const TCollectionSource& Source) {
        auto H = std::make_unique<THadithHelper>(Dir.Write("C.dbh", CollectionFileText(Source)));
        EXPECT_TRUE(H->IsValid()) << H->LoadError();
        return H;
    }
    TFakeShell Shell;
    TTempDir Dir;
};

TEST_F(ClassificationHtmlTest, LinksPerCode) {
    auto H = Load(SampleCollection());
    EXPECT_EQ(ClassificationHtml(*H, 1, "#006400"),
              "<A HREF=\"RR_SHIH\"><FONT COLOR=\"#006400\">Sahih</FONT></A>, "
              "<A HREF=\"LI_MUSN\"><FONT COLOR=\"#006400\">Musnad</FONT></A>");
    EXPECT_EQ(ClassificationHtml(*H, 2, "#797900"),
              "<A HREF=\"Unclassified\"><FONT COLOR=\"#797900\">Unclassified</FONT></A>");
}

TEST_F(ClassificationHtmlTest, InformationFragments) {
    TCollectionSource Source = SampleCollection();
    auto H = Load(Source);
    EXPECT_EQ(InformationHtml(*H, 1), "Reported<BR>*twice");

    Source.TextFormat = "NCR";
    H = Load(Source);
    EXPECT_EQ(InformationHtml(*H, 1),
              "<FONT FACE=\"Traditional Arabic\" SIZE=\"5\">Reported<BR>*twice</FONT>");
    // No information: the default text alone, never in the font tag.
    EXPECT_EQ(InformationHtml(*H, 3), "No Additional Information");
}

} // namespace

#include "app/Translations.h"

#include <gtest/gtest.h>

namespace {

const char* const kKeys[] = {
    "Quillmark setup program", "&Browse", "Folder:", "&Cancel", "O&k", "&Next >"};

TEST(Translate, EnglishYieldsTheKeys) {
    for (const char* key : kKeys) {
        EXPECT_EQ(Translate(key, "EN-US"), key);
        EXPECT_EQ(Translate(key, "EN-GB"), key);
    }
}

TEST(Translate, ItalianOfAnyCountryYieldsTheItalianTexts) {
    for (const char* language : {"IT-IT", "IT-CH", "it-it", "It"}) {
        SCOPED_TRACE(language);
        EXPECT_EQ(Translate("Quillmark setup program", language), "Quillmark - Installazione");
        EXPECT_EQ(Translate("&Browse", language), "...");
        EXPECT_EQ(Translate("Folder:", language), "Cartella:");
        EXPECT_EQ(Translate("&Cancel", language), "&Annulla");
        EXPECT_EQ(Translate("O&k", language), "O&k");
        EXPECT_EQ(Translate("&Next >", language), "&Prossimo >");
    }
}

TEST(Translate, FallsBackToTheKey) {
    // Not in the catalogue, another language, no language, a near miss of a key.
    EXPECT_EQ(Translate("Select directory", "IT-IT"), "Select directory");
    EXPECT_EQ(Translate("Folder:", "DE-DE"), "Folder:");
    EXPECT_EQ(Translate("Folder:", ""), "Folder:");
    EXPECT_EQ(Translate("folder:", "IT-IT"), "folder:");
    EXPECT_EQ(Translate("Folder:", "ITA-IT"), "Folder:");
    EXPECT_EQ(Translate("", "IT-IT"), "");
}

}  // namespace

#include "app/Topics.h"

#include <gtest/gtest.h>

#include "richtext/Qtf.h"

namespace {

std::vector<std::string> Paragraphs(const std::string& qtf) {
    std::vector<std::string> texts;
    for (const QtfParagraph& p : ParseQtf(qtf).paragraphs) texts.push_back(p.Text());
    return texts;
}

TEST(FindTopic, FindsBothTopicsOfTheGroup) {
    const Topic english = FindTopic("Zelk-Setup", "App", "firstLay$en-us");
    EXPECT_EQ(english.title, "Program setup");
    EXPECT_EQ(Paragraphs(english.text),
              (std::vector<std::string>{
                  "Quillmark V 3.90, build 21",
                  "Utility for archive Siemens S7 PLC's data in a local file, or write them from "
                  "local file.",
                  "", "Program setup.", "Select the installation program path and Click Ok."}));

    const Topic italian = FindTopic("Zelk-Setup", "App", "firstLay$it-it");
    EXPECT_EQ(italian.title, "Program setup");
    EXPECT_EQ(Paragraphs(italian.text),
              (std::vector<std::string>{"Quillmark", "Utility for archive Siemens S7 PLC's data.",
                                        "", "Program setup.",
                                        "Select the installation program path and Click Ok."}));
}

TEST(FindTopic, UnknownNamesGiveAnEmptyTopic) {
    for (const auto& names : {std::vector<std::string>{"Zelk-Setup", "App", "firstLay$de-de"},
                              {"Zelk-Setup", "App", "firstLay"},
                              {"Zelk-Setup", "Other", "firstLay$en-us"},
                              {"Other", "App", "firstLay$en-us"},
                              {"", "", ""}}) {
        const Topic t = FindTopic(names[0], names[1], names[2]);
        EXPECT_TRUE(t.title.empty());
        EXPECT_TRUE(t.text.empty());
        EXPECT_TRUE(ParseQtf(t.text).paragraphs.empty());
    }
}

}  // namespace

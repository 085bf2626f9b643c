// Properties of the settings reader and writer over generated documents and
// arbitrary bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>

#include "base/Retry.h"
#include "settings/IniDocument.h"
#include "settings/LoadIniDocument.h"
#include "settings/SaveIniDocument.h"
#include "settings/ParseIniDocument.h"
#include "support/IniText.h"
#include "support/MemoryFileSystem.h"

namespace {

class Generator {
public:
    explicit Generator(uint32_t seed) : random_(seed) {}

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    // Bytes other than control characters, taken mostly from a few that mean
    // something to the reader.
    char Printable() {
        static const char kSpecial[] = " =[];_#-\x7F\x80\xC3\xFF";
        if (Below(3) == 0)
            return kSpecial[Below(sizeof kSpecial - 1)];
        return static_cast<char>(0x20 + Below(0x100 - 0x20));
    }
    char KeyChar() {
        static const char kChars[] =
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_";
        return kChars[Below(sizeof kChars - 1)];
    }
    std::string Text(int maxLength, char (Generator::*pick)()) {
        std::string text(Below(maxLength + 1), ' ');
        for (char& c : text) c = (this->*pick)();
        return text;
    }

    // Keys of key characters, not "LINK"; values not starting with a
    // separator; text lines starting with neither a key character nor "[";
    // named sections after the unnamed first one, names without brackets.
    IniDocument Document() {
        IniDocument document;
        const int sections = 1 + Below(5);
        for (int s = 0; s < sections; ++s) {
            std::string name;
            while (s > 0 && name.empty()) {
                name = Text(8, &Generator::Printable);
                name.erase(std::remove_if(name.begin(), name.end(),
                                          [](char c) { return c == '[' || c == ']'; }),
                           name.end());
            }
            IniSection& section = document.AppendSection(name);
            const int entries = Below(6);
            for (int e = 0; e < entries; ++e) AddEntry(section, s == 0 && e == 0);
        }
        return document;
    }

private:
    void AddEntry(IniSection& section, bool firstInFile) {
        switch (Below(firstInFile ? 2 : 3)) {
            case 0: {
                std::string key;
                while (key.empty() || key == "LINK") key = Text(6, &Generator::KeyChar);
                std::string value = Text(10, &Generator::Printable);
                while (!value.empty() && (value[0] == ' ' || value[0] == '=')) value.erase(0, 1);
                section.Append(key, value);
                break;
            }
            case 1: {
                static const char kStarts[] = " ;#=-]\x80\xFF";
                section.Append(
                    {}, kStarts[Below(sizeof kStarts - 1)] + Text(10, &Generator::Printable));
                break;
            }
            default:  // a blank line; at the very start of a file it would vanish
                section.Append({}, {});
        }
    }

    std::mt19937 random_;
};

TEST(IniRoundTripTest, AWrittenDocumentReadsBackTheSame) {
    for (uint32_t seed = 1; seed <= 2000; ++seed) {
        Generator generate(seed);
        const IniDocument document = generate.Document();
        MemoryFileSystem fs;
        RetryBudget retries;
        ASSERT_TRUE(SaveIniDocument(fs, retries, "s.ini", document, "s.ini.new"));
        IniDocument read;
        ASSERT_TRUE(LoadIniDocument(fs, "s.ini", read));
        ASSERT_EQ(read, document) << "seed " << seed << "\nwritten:\n"
                                  << Describe(document) << "read:\n"
                                  << Describe(read);
    }
}

// What any file gives: every line the reader keeps can be written and read
// back, save for blank lines at the start of the file and the links.
void ExpectWellFormed(const IniDocument& document, const std::string& input) {
    ASSERT_FALSE(document.Sections().empty());
    EXPECT_EQ(document.Sections()[0].Name(), "");
    bool links = false;
    for (size_t s = 0; s < document.Sections().size(); ++s) {
        const IniSection& section = document.Sections()[s];
        EXPECT_EQ(section.Name().empty(), s == 0);
        for (char c : section.Name())
            EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 && c != '[' && c != ']');
        for (const IniEntry& entry : section.Entries()) {
            for (char c : entry.key)
                EXPECT_TRUE(isalnum(static_cast<unsigned char>(c)) || c == '_') << input;
            for (char c : entry.value) EXPECT_GE(static_cast<unsigned char>(c), 0x20) << input;
            links = links || entry.key == "LINK";
        }
    }
    if (links)
        return;
    IniDocument normalised;
    for (const IniSection& section : document.Sections()) {
        IniSection& copy = normalised.AppendSection(section.Name());
        for (const IniEntry& entry : section.Entries()) {
            const bool leadingBlank = &section == &document.Sections()[0] &&
                                      copy.Entries().empty() && entry.key.empty() &&
                                      entry.value.empty();
            if (!leadingBlank)
                copy.Append(entry.key, entry.value);
        }
    }
    EXPECT_EQ(ParseIniDocument(FormatIniDocument(document)), normalised) << Describe(document);
}

TEST(IniRoundTripTest, ArbitraryBytesAndLinkChainsEndWithAWellFormedDocument) {
    static const std::string kPieces[] = {
        "\r\n",
        "\n",
        "\r",
        "\t",
        std::string(1, '\0'),
        "[",
        "]",
        "=",
        " ",
        "LINK=",
        "LINK=f0\r\n",
        "LINK=f1\n",
        "LINK=f2",
        "LINK = f3\r\n",
        "LINK=missing\r\n",
        "[App]",
        "Key",
        "_9",
        ";",
        "\x80",
        "\xFF",
    };
    for (uint32_t seed = 1; seed <= 3000; ++seed) {
        Generator generate(seed);
        MemoryFileSystem fs;
        for (int f = 0; f < 4; ++f) {
            std::string bytes;
            const int parts = generate.Below(40);
            for (int p = 0; p < parts; ++p) {
                if (generate.Below(3) == 0)
                    bytes += static_cast<char>(generate.Below(256));
                else
                    bytes += kPieces[generate.Below(std::size(kPieces))];
            }
            fs.files["f" + std::to_string(f)] = bytes;
        }
        IniDocument document;
        ASSERT_TRUE(LoadIniDocument(fs, "f0", document));
        ExpectWellFormed(document, fs.files["f0"]);
        if (HasFailure())
            FAIL() << "seed " << seed;
    }
}

}  // namespace

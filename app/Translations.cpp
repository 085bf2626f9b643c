#include "app/Translations.h"

#include <cctype>
#include <string_view>

namespace {

struct CatalogueEntry {
    const char* key;
    const char* language;
    const char* text;
};

// The English keys serve as the English texts, so only other languages are listed.
const CatalogueEntry kCatalogue[] = {
    {"Quillmark setup program", "IT-IT", "Quillmark - Installazione"},
    {"&Browse", "IT-IT", "..."},
    {"Folder:", "IT-IT", "Cartella:"},
    {"&Cancel", "IT-IT", "&Annulla"},
    {"O&k", "IT-IT", "O&k"},
    {"&Next >", "IT-IT", "&Prossimo >"},
};

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// "IT-IT" -> "IT"; a code without a country is all language.
std::string_view LanguagePart(std::string_view code) {
    return code.substr(0, code.find('-'));
}

const char* Find(const std::string& key, const std::string& language, bool anyCountry) {
    for (const CatalogueEntry& entry : kCatalogue) {
        if (key != entry.key || !*entry.text)
            continue;
        const bool match = anyCountry
                               ? SameLetters(LanguagePart(entry.language), LanguagePart(language))
                               : SameLetters(entry.language, language);
        if (match)
            return entry.text;
    }
    return nullptr;
}

}  // namespace

std::string Translate(const std::string& key, const std::string& language) {
    if (language.empty())
        return key;
    if (const char* text = Find(key, language, false))
        return text;
    if (const char* text = Find(key, language, true))
        return text;
    return key;
}

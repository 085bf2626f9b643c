// The setup's translation catalogue: its English texts are the keys, and the
// catalogue carries an Italian translation of each.
#pragma once

#include <string>

// The text for key in language (a code such as "EN-US" or "it-IT", letters in
// any case): the entry for that language and country, else an entry for the
// same language with any country, else the key itself.
std::string Translate(const std::string& key, const std::string& language);

// The product's document types in the real registry, as the Wine tests check
// and remove them; what is expected comes from the table the unit tests use
// too (support/ExpectedFileTypes.h).
#pragma once

#include <string>
#include <vector>

// The keys right under HKEY_CLASSES_ROOT: each type's extension and class.
std::vector<std::wstring> DocumentTypeKeys();

// What a completed run of either build registers, gone: the document types
// and the uninstall entry, in both views of the machine's keys, as before a
// first installation.
void RemoveProductRegistrations();

// The three types registered for the product installed in installFolder:
// every value of the table as a REG_SZ stored with its terminator, no verb for
// a type the product does not open, and the product as the program that opens
// the others when read back as the setup reads it.
void ExpectDocumentTypesFor(const std::wstring& installFolder);

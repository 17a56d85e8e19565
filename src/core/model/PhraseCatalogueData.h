#pragma once

// The shape of the catalogue written by tessaly-make-catalogue from the .ts files.

#include <cstddef>

struct CCatalogueEntry {
    const char* Context;
    const char* Source;
    bool Numerus;
    const char* Forms[3]; // the translation, or a numerus message's plural forms; null past them
};

extern const CCatalogueEntry RussianCatalogue[];
extern const std::size_t RussianCatalogueSize;
extern const CCatalogueEntry EnglishCatalogue[];
extern const std::size_t EnglishCatalogueSize;

#pragma once

#include <vekkiro/item_catalogue.h>

namespace vekkiro::detail {

/// The names of the catalogue in position order; defined in item_catalogue_data.cpp.
extern const std::array<std::u16string_view, ItemCatalogue::size> catalogueEntries;

} // namespace vekkiro::detail

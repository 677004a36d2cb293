#pragma once

namespace vekkiro::testing {

/// Number of calls to the global allocation functions since the program started. Linking the
/// allocation_counter library replaces those functions for the whole program.
long allocationCount() noexcept;

} // namespace vekkiro::testing

#pragma once

namespace vekkiro::testing {

/// A memory figure of this process in KiB, as /proc/self/status names it ("VmRSS" for resident
/// memory now, "VmHWM" for its peak); -1 where the figure cannot be read.
long processMemoryKiB(const char* field);

} // namespace vekkiro::testing

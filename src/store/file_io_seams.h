#pragma once
// The test seams of the file layer as the store consults them: a crash before a step, a write
// refused with a chosen cause, the record of what reached the disk, the read counts and the
// planted faults. Switched by fileio::testing (file_io.h); nothing happens while they are off.

#include <cstddef>
#include <string>
#include <string_view>

#include "store/file_io.h"

namespace fileio::seam {

// Every change to a file passes here first, so a test can stop the process before any of them.
void step();
// True when a test refuses this write; errno then holds the cause it chose.
bool writeRefused(const std::string& path, long offset, std::size_t length, long sizeBefore, bool folderSync = false);
bool skipSyncs();
bool planted(testing::PlantedFault fault);

bool recording();
void record(testing::DiskEvent::Kind kind, const std::string& path, std::string_view to = {}, long offset = 0,
            std::string_view bytes = {});
void noteRead(const std::string& path, std::size_t bytes);

}  // namespace fileio::seam

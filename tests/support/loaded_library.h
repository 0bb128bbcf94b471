/* Whether a library is mapped into this process, found by its path without
 * loading it or keeping it loaded, so that a test can see a library gone
 * after its last release and read a loaded one's exports. */
#ifndef BRIMSTAR_TESTS_SUPPORT_LOADED_LIBRARY_H
#define BRIMSTAR_TESTS_SUPPORT_LOADED_LIBRARY_H

#include <filesystem>

namespace testing_support {

bool IsLoaded(const std::filesystem::path& library);

/* The address of an export of a loaded library; null when the library is not
 * loaded or lacks the export. */
void* LoadedExport(const std::filesystem::path& library, const char* name);

}  // namespace testing_support

#endif

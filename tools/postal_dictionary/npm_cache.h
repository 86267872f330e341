#pragma once
// Where scripts/build-postal-dictionary.sh keeps the npm package it fetched, and a whole
// dictionary built from it for the tests and benchmarks that want the full country.

#include <string>

namespace postal_build {

// $TALLYFOLD_CACHE, else $XDG_CACHE_HOME/tallyfold, else ~/.cache/tallyfold, then the
// unpacked package's json folder.
std::string cachedJsonFolder();

// Builds the dictionary from the cached package into a new temporary folder (its Zip/);
// "" when the package is not cached or the build fails.
std::string buildFromCachedPackage();

}  // namespace postal_build

#pragma once

#include <string>
#include <string_view>

// Whether `name` is a temporary file that WriteFileAtomically makes while it replaces a
// target named `targetName`: "." + targetName (its first 100 bytes) + ".tmp-" + ten
// characters of 0-9 and a-z.
bool IsTemporaryNameFor(std::string_view name, std::string_view targetName);

// Removes the temporary files a write to `path` that never finished (a killed program, a
// lost power) left beside its target: only regular files of the writer's own name pattern
// for this target; everything else in the folder stays. Follows a symbolic link as the
// writer does. Gives the number of files removed.
int RemoveLeftoverTemporaries(const std::string& path);

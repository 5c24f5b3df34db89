#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

class Picture;

// A file could not be written; what() is the system's reason, as "Permission denied".
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the picture as a PNG file at path (UTF-8), pixel for pixel. All or nothing: the file
// appears, or replaces one of that name, only once it is complete; on a failure no partial file
// is left and a file already there stays as it was. Throws FileError.
void SavePicture(const Picture& picture, const std::string& path);
// Writes the bytes at path in the same way. Throws FileError.
void SaveBytes(const std::vector<std::uint8_t>& bytes, const std::string& path);

} // namespace platform

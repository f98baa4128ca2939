#pragma once
// Writing an export file so that a failure never costs the user the old file.

#include <string>
#include <string_view>

namespace quantora {

// Writes `bytes` to the file named by the exact bytes of `path` (no conversion
// of the name, so names that are not UTF-8 keep their bytes).
//   - A regular file, or a name that does not exist yet: the bytes go to a
//     temporary file in the same folder, which is flushed to disk and renamed
//     over the target only when everything was written. A failure leaves the
//     old file untouched and removes the temporary one. A replaced file keeps
//     its permissions and its owner and group; where only root could keep
//     another user's ownership (a file the user may write through its group,
//     say) the new file is the user's, and one note on standard error says
//     so: the write still succeeds. One the user may not write is refused
//     ("Permission denied") and left alone. A new one gets the usual permissions (0666
//     less the umask). A symbolic link to a regular file stays a link: its
//     target is replaced.
//   - Anything else that exists (a device such as /dev/full, a FIFO, a
//     terminal) cannot be replaced and is never removed: it is written in place.
// A file-size limit (ulimit -f) makes the write fail instead of ending the
// program. Returns false with the system's reason in `reason`.
bool WriteFileReplacing(const std::string& path, std::string_view bytes, std::string& reason);

// Writes `bytes` to standard output and flushes it; false with the system's
// reason when that fails (a full disk, a closed pipe).
bool WriteStandardOutput(std::string_view bytes, std::string& reason);

}  // namespace quantora

#pragma once
// Text taken from the command line or the file system, made safe for a one-line
// message on a terminal.

#include <string>
#include <string_view>

namespace quantora {

// `text` between single quotes. Printable characters (valid UTF-8 outside the
// control ranges) stay as they are; a newline, tab or carriage return becomes
// \n, \t, \r; a quote or backslash gets a backslash; every other control
// character (C0, DEL, C1) and every byte that is not part of valid UTF-8 becomes
// \xNN. The result never contains a control character.
std::string QuotedForMessage(std::string_view text);

}  // namespace quantora

#include "app/message_text.h"

#include <cstdint>

namespace quantora {
namespace {

void AppendHexByte(std::string& out, unsigned char byte) {
  constexpr char kDigits[] = "0123456789abcdef";
  out += "\\x";
  out += kDigits[byte >> 4];
  out += kDigits[byte & 0xF];
}

// Length of the valid UTF-8 sequence at text[at] that encodes a printable code
// point, or 0 when the bytes there are not one (malformed, overlong, a
// surrogate, beyond U+10FFFF, or a C1 control character).
std::size_t PrintableSequenceLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  std::uint32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2, code = lead & 0x1F;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3, code = lead & 0x0F;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4, code = lead & 0x07;
  else return 0;
  if (at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i) & 0x3F);
  }
  const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  if (code <= 0x9F) return 0;  // C1 controls (U+0080..U+009F) steer terminals too
  return length;
}

}  // namespace

std::string QuotedForMessage(std::string_view text) {
  std::string out(1, '\'');
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      switch (c) {
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\'': out += "\\'"; break;
        case '\\': out += "\\\\"; break;
        default:
          if (c < 0x20 || c == 0x7F) AppendHexByte(out, c);
          else out += static_cast<char>(c);
      }
      ++i;
      continue;
    }
    const std::size_t length = PrintableSequenceLength(text, i);
    if (length == 0) {
      AppendHexByte(out, c);
      ++i;
    } else {
      out.append(text.substr(i, length));
      i += length;
    }
  }
  out += '\'';
  return out;
}

}  // namespace quantora

// Writes help_text.h from help_ar.txt:
//   make_help_text help_ar.txt help_text.h
// The header holds the converted text as one UTF-8 string literal, a line of
// source per help line.  ASCII stays readable; every other character is
// written as \uXXXX, so the header is plain ASCII.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "assets/help/help_source.h"

namespace {

std::string Literal(kovrim::StringView line) {
  std::string out = "    \"";
  for (const char32_t c : line) {
    char buf[16];
    if (c == U'"' || c == U'\\' || c == U'?') {  // '?': no "??" trigraph look-alikes
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == U'\r') {
      out += "\\r";
    } else if (c == U'\n') {
      out += "\\n";
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F) {
      std::snprintf(buf, sizeof buf, "\\%03o", static_cast<unsigned>(c));
      out += buf;
    } else {
      std::snprintf(buf, sizeof buf, "\\u%04X", static_cast<unsigned>(c));
      out += buf;
    }
  }
  return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_help_text help_ar.txt help_text.h\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "make_help_text: cannot read " << argv[1] << "\n";
    return 1;
  }
  std::ostringstream source;
  source << in.rdbuf();
  const kovrim::String text = kovrim::assets::HelpTextFromSource(source.str());

  std::ostringstream header;
  header << "// The help text of Text3: code characters of code set 3, as UTF-8, each\n"
            "// line ended by CR LF.  Generated from help_ar.txt by make_help_text\n"
            "// (ninja help_text); edit help_ar.txt, not this file.\n"
            "#pragma once\n\n"
            "#include <string_view>\n\n"
            "namespace kovrim::assets {\n\n"
            "inline constexpr std::string_view kHelpText =\n";
  std::size_t lines = 0;
  for (std::size_t begin = 0; begin < text.size();) {
    const std::size_t end = text.find(U"\r\n", begin);
    const std::size_t next = end == kovrim::String::npos ? text.size() : end + 2;
    header << (lines ? "\n" : "") << Literal(kovrim::StringView(text).substr(begin, next - begin));
    begin = next;
    ++lines;
  }
  if (!lines) header << "    \"\"";
  header << ";\n\n}  // namespace kovrim::assets\n";

  std::ofstream out(argv[2], std::ios::binary);
  out << header.str();
  if (!out.flush()) {
    std::cerr << "make_help_text: cannot write " << argv[2] << "\n";
    return 1;
  }
  std::cout << argv[2] << ": " << lines << " lines, " << text.size() << " characters\n";
  return 0;
}

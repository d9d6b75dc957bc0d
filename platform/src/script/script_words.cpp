// A script's lines and words.
#include <string>
#include <vector>

#include "zqp/script.h"

namespace zqp {

std::vector<std::string> SplitWords(const std::string& line) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i >= line.size()) break;
    std::string w;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i++];
        if (c == '\\' && i < line.size()) {
          w += line[i++];
        } else if (c == '"') {
          closed = true;
          break;
        } else {
          w += c;
        }
      }
      if (!closed) throw ScriptError{"unterminated quote"};
    } else {
      // A quoted part inside a word (@"two words") belongs to the word.
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
        if (line[i] != '"') {
          w += line[i++];
          continue;
        }
        const size_t close = line.find('"', i + 1);
        if (close == std::string::npos) throw ScriptError{"unterminated quote"};
        w += line.substr(i + 1, close - i - 1);
        i = close + 1;
      }
    }
    words.push_back(std::move(w));
  }
  return words;
}

std::vector<std::string> ScriptLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

std::string RestAfterWords(const std::string& line, size_t n) {
  size_t i = 0;
  for (size_t k = 0; k < n; ++k) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i < line.size() && line[i] == '"') {
      ++i;
      while (i < line.size() && line[i] != '"') i += line[i] == '\\' ? 2 : 1;
      ++i;
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
        if (line[i] == '"') {
          const size_t close = line.find('"', i + 1);
          i = close == std::string::npos ? line.size() : close;
        }
        ++i;
      }
    }
  }
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  std::string rest = i < line.size() ? line.substr(i) : std::string();
  if (!rest.empty() && rest[0] == '"') {
    std::vector<std::string> w = SplitWords(rest);
    if (w.size() != 1) throw ScriptError{"text after the quoted word"};
    return w[0];
  }
  return rest;
}

}  // namespace zqp

// The script editor's colouring pass against golden files: each file in golden/ gives an input
// text (and optionally the names offered as keywords) above "==" and the expected runs and
// corrected text below. TKW_UPDATE_GOLDEN=1 rewrites the expected part from the code.
#include "script/logic/ScriptColouring.h"
#include "script/logic/ScriptWordList.h"

#include "QXScriptCatalogue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kGolden = std::string(TKW_SOURCE_DIR) + "/tests/native/script/golden/";

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// UTF-8 to UTF-16 code units, the positions the rich edit counts in.
std::wstring Widen(const std::string& utf8) {
  std::wstring out;
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char lead = utf8[i];
    const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    unsigned code = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra && i + k < utf8.size(); ++k) code = code << 6 | (utf8[i + k] & 0x3F);
    i += extra + 1;
    if (code >= 0x10000) {
      out += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
      out += static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      out += static_cast<wchar_t>(code);
    }
  }
  return out;
}

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned code = static_cast<unsigned>(text[i]);
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < text.size())
      code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<unsigned>(text[++i]) - 0xDC00);
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | code >> 6);
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | code >> 12);
      out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | code >> 18);
      out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
      out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return out;
}

const qx::ScriptCatalogue& Shipped() {
  static const qx::ScriptCatalogue catalogue = [] {
    qx::ScriptCatalogue parsed;
    std::wstring error;
    const std::string xml =
        ReadFile(std::string(TKW_SOURCE_DIR) + "/hostcore/res/ScriptCatalogue.xml");
    EXPECT_TRUE(qx::ParseScriptCatalogue(xml.data(), xml.size(), parsed, error));
    return parsed;
  }();
  return catalogue;
}

struct GoldenInput {
  std::vector<std::wstring> keywords;  // empty: every function of the catalogue
  std::wstring text;
};

// Input lines: "keywords: a b c", "text: ..." (several join with a line feed), "repeat: N".
GoldenInput ParseInput(const std::string& part) {
  GoldenInput input;
  std::istringstream lines(part);
  std::string line;
  bool first = true;
  while (std::getline(lines, line)) {
    if (line.rfind("keywords:", 0) == 0) {
      std::istringstream words(line.substr(9));
      std::string word;
      while (words >> word) input.keywords.push_back(Widen(word));
    } else if (line.rfind("text:", 0) == 0) {
      if (!first) input.text += L'\n';
      input.text += Widen(line.size() > 5 ? line.substr(6) : std::string());
      first = false;
    } else if (line.rfind("repeat:", 0) == 0) {
      const std::wstring once = input.text;
      for (int i = std::atoi(line.c_str() + 7); i > 1; --i) input.text += once;
    }
  }
  return input;
}

// The runs and, for texts short enough to read, the corrected text.
std::string Render(const GoldenInput& input) {
  tkw::ScriptWordList keywords;
  std::vector<std::wstring> names = input.keywords;
  if (names.empty())
    for (const qx::ScriptFunction& function : Shipped().functions) names.push_back(function.name);
  keywords.Set(names, [](const std::wstring& name) {
    return qx::FindScriptFunction(Shipped(), name) != nullptr;
  });
  std::wstring text = input.text;
  const tkw::ScriptColouring colouring =
      tkw::ColourScriptRange(text, 0, static_cast<int>(text.size()), keywords);
  std::ostringstream out;
  out << "length: " << text.size() << "\n";
  if (text.size() <= 300) out << "corrected: " << Narrow(text) << "\n";
  for (const tkw::ScriptColourRun& run : colouring.runs)
    out << "keyword " << run.start << "-" << run.end << " "
        << Narrow(text.substr(run.start, run.end - run.start)) << (run.corrected ? " (case)" : "")
        << "\n";
  return out.str();
}

std::vector<std::string> GoldenFiles() {
  std::vector<std::string> files;
  if (DIR* dir = opendir(kGolden.c_str())) {
    while (dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      if (name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0) files.push_back(name);
    }
    closedir(dir);
  }
  return files;
}

TEST(ScriptColouring, GoldenFilesGiveTheirRunsAndCorrectedText) {
  const std::vector<std::string> files = GoldenFiles();
  ASSERT_GE(files.size(), 8u) << "golden files missing in " << kGolden;
  const bool update = std::getenv("TKW_UPDATE_GOLDEN") != nullptr;
  for (const std::string& name : files) {
    const std::string content = ReadFile(kGolden + name);
    const size_t split = content.find("\n==\n");
    const std::string inputPart =
        content.substr(0, split == std::string::npos ? content.size() : split + 1);
    const std::string expected = split == std::string::npos ? "" : content.substr(split + 4);
    const std::string actual = Render(ParseInput(inputPart));
    if (update && actual != expected) {
      std::ofstream(kGolden + name, std::ios::binary) << inputPart << "==\n" << actual;
      continue;
    }
    EXPECT_EQ(expected, actual) << "golden file " << name;
  }
}

}  // namespace

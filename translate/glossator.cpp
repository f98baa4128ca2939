#include "translate/glossator.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "translate/itl_file_name.h"
#include "translate/regular_file.h"
#include "translate/itl_reader.h"
#include "translate/itl_text.h"

namespace glossator {

namespace {

std::string ItlLine(const std::string& key, const std::string& translation) {
  return "[" + key + "]=" + translation + std::string(kItlTerminator);
}

}  // namespace

TGlossator::TGlossator(std::string appName) : fAppName(std::move(appName)) {}

TGlossator::~TGlossator() {
  if (!fAutoCreateItlFile) return;
  try {
    WriteItlFile(ItlFileNameFor(CurrentExecutablePath()));
  } catch (...) {
    // Nothing sensible can be done while the engine goes away.
  }
}

void TGlossator::LoadFromStream(std::istream& stream) {
  fKeys.clear();
  fTranslations.clear();
  for (const std::string& record : ReadItlRecords(stream)) {
    const TItlRawEntry raw = SplitItlRecord(record);
    fKeys.push_back(NormaliseKey(raw.key));
    fTranslations.push_back(ConvertTranslation(raw.translation, fAppName));
  }
}

bool TGlossator::LoadFromFile(const std::string& path) {
  std::string bytes;
  if (!ReadRegularFile(path, kMaxItlFileSize, bytes)) return false;
  std::istringstream stream(std::move(bytes));
  LoadFromStream(stream);
  return true;
}

std::string TGlossator::Translate(const std::string& key, const std::vector<std::string>& params) {
  const std::string wanted = LowerAscii(key);
  const auto found = std::find(fKeys.begin(), fKeys.end(), wanted);
  if (found == fKeys.end()) {
    if (fAutoCreateItlFile) RecordMissingKey(key);
    return SubstituteParameters(key, params);
  }
  std::string result = SubstituteParameters(fTranslations[found - fKeys.begin()], params);
  if (OnTranslated) OnTranslated(*this, key, result);
  return result;
}

void TGlossator::RecordMissingKey(const std::string& key) {
  const std::string line = ItlLine(key, key);
  const bool known = std::any_of(fMissingKeys.begin(), fMissingKeys.end(),
                                 [&](const std::string& old) { return EqualsIgnoringAsciiCase(old, line); });
  if (!known) fMissingKeys.push_back(line);
}

std::vector<std::string> TGlossator::ItlFileLines() const {
  std::vector<std::string> lines = fMissingKeys;
  for (std::size_t i = 0; i < fKeys.size(); ++i) lines.push_back(ItlLine(fKeys[i], fTranslations[i]));
  return lines;
}

void TGlossator::WriteItlFile(const std::string& path) const {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  for (const std::string& line : ItlFileLines()) file << line << "\r\n";
  file.flush();
  if (!file) throw std::runtime_error("Could not write the translation file " + path);
}

}  // namespace glossator

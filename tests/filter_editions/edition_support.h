#pragma once
// Shared pieces of the edition scenario tests: keys of each namespace,
// PPDs of each kind of product, and the header of one job as lines.
#include <string>
#include <vector>

#include "editions/ark/ark_profile.h"
#include "editions/kv29/kv29_profile.h"
#include "editions/teld/teld_profile.h"
#include "filter_harness.h"

namespace edtest {

using Lines = std::vector<std::string>;

inline std::string ArkKey(const std::string& name) { return "com.tavelle.qdm.printsettings." + name; }
inline std::string KvbKey(const std::string& name) { return "com.tavelle.kvb.printsettings." + name; }

// "key=value" pairs joined into one option string; values are quoted so
// they may hold spaces.
inline std::string Ticket(const std::vector<std::pair<std::string, std::string>>& entries) {
  std::string options;
  for (const auto& [key, value] : entries) {
    if (!options.empty()) options += ' ';
    options += key + "='" + value + "'";
  }
  return options;
}

// A PPD announcing a printer text encoding ("" for none), with more
// attributes as "name", "value" pairs.
inline std::string Ppd(const std::string& encoding,
                       const std::vector<std::pair<std::string, std::string>>& attrs = {}) {
  zqtest::PpdBuilder b;
  if (!encoding.empty()) b.QuotedAttr("ZQPrinterLanguageEncoding", encoding);
  for (const auto& [name, value] : attrs) b.QuotedAttr(name, value);
  return b.Write();
}

// The header lines of one job (after the universal exit language, before
// "@PJL ENTER LANGUAGE=POSTSCRIPT").
inline Lines Header(const zqf::EditionProfile& profile, const std::string& options, const std::string& ppdPath = "",
                    const std::string& user = "alice", const std::string& title = "Report") {
  zqtest::JobSpec spec;
  spec.options = options;
  spec.ppdPath = ppdPath;
  spec.user = user;
  spec.title = title;
  return zqtest::HeaderLines(zqtest::RunHeaderOf(profile, spec).out);
}

// The lines that start with one of the prefixes, in order.
inline Lines Only(const Lines& lines, const std::vector<std::string>& prefixes) {
  Lines kept;
  for (const auto& l : lines) {
    for (const auto& p : prefixes) {
      if (l.rfind(p, 0) == 0) {
        kept.push_back(l);
        break;
      }
    }
  }
  return kept;
}

inline std::string Attr(const std::string& text) { return "@PJL SET JOBATTR=\"@" + text + "\"\r\n"; }
inline std::string AttrLF(const std::string& text) { return "@PJL SET JOBATTR=\"@" + text + "\"\n"; }

}  // namespace edtest

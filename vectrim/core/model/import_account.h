// The import's account of a drawing: the unit the DXF declares, the curve
// quality used, what the import left out and what it approximated, each by
// kind with a count. The import writes it beside the exchange file as
// tempi.dat; the main program reads it after the drawing and deletes it.
//
//   1  $INSUNITS of the DXF's header, -1 when it has none
//   2  $MEASUREMENT of the header, -1 when it has none
//   3  the curve quality (lines per full turn at least)
//   then per kind: "S" (left out) or "A" (approximated), the count, the
//   kind's name (an entity type such as "POINT" or a reason such as
//   "zu tief verschachtelt") on a line each
//   "e" at the end
//
// Numbers are number text; lines end in CR LF; the file is written under a
// temporary name and renamed.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace vectrim {

inline constexpr const char* kImportAccountFileName = "tempi.dat";

struct ImportAccount {
    int32_t insunits = -1;                       // $INSUNITS, -1: not declared
    int32_t measurement = -1;                    // $MEASUREMENT, -1: not declared
    int32_t quality = 0;                         // the curve quality used
    std::map<std::string, int64_t> skipped;      // left out, by kind
    std::map<std::string, int64_t> approximated; // flattened into lines, by kind

    // The DXF declares inch: $INSUNITS 1, or $MEASUREMENT 0 (imperial)
    // without $INSUNITS.
    bool declaresInch() const { return insunits == 1 || (insunits == -1 && measurement == 0); }
    bool anythingSkipped() const { return !skipped.empty(); }
    // "Nicht übernommen: 3 HATCH, 12 POINT"; empty when nothing was left out.
    std::string skippedText() const;
    // "Angenähert: 2 SPLINE, 1 TEXT (Kurvengüte 30)"; empty when nothing was.
    std::string approximatedText() const;
};

// Writes the account; false (and the file untouched) on a file error.
bool writeImportAccount(const std::string& path, const ImportAccount& account);

// Reads an account and deletes the file; nothing when the file is missing
// or broken (a broken file is deleted too).
std::optional<ImportAccount> takeImportAccount(const std::string& path);

} // namespace vectrim

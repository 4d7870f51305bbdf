// Writing the data folder and the contact sheets.
#pragma once

#include <string>
#include <vector>

namespace gendata {

struct GenerateReport {
    int files = 0;
    long long bytes = 0;
    std::vector<std::string> failures;  // "name: reason"
};

// Makes every file of the asset list plus `extraNames` in `dir`, on `threads` threads.
GenerateReport GenerateAll(const std::string& dir, const std::vector<std::string>& extraNames,
                           int threads);

// Reads extra file names, one a line; blank lines and lines starting with '#' are skipped, a
// name without extension gets ".jpg". False if the file cannot be read.
bool ReadNameList(const std::string& path, std::vector<std::string>& names);

// One PNG per kind of picture in `dir`, plus a sample map built from the tile rules.
bool WriteContactSheets(const std::string& dir, std::string& error);

}  // namespace gendata

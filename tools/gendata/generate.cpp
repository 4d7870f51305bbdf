#include "generate.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <set>
#include <thread>

#include "audio.h"
#include "catalog.h"
#include "encode.h"
#include "platform/text_case.h"
#include "state/asset_names.h"

namespace gendata {

namespace {

bool MakeFile(const std::string& name, const std::string& path, std::string& error) {
    const std::string lower = platform::LowerCase(name);
    if (auto job = PictureFor(name)) {
        const Image img = job->make();
        return job->bmp ? WriteBmp(img, path, error) : WriteJpeg(img, path, 90, error);
    }
    if (lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".wav") == 0) {
        auto effect = MakeEffect(name);
        if (!effect) {
            error = "no sound for this name";
            return false;
        }
        return WriteWav(effect->samples, effect->channels, kRate, path, error);
    }
    if (lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".ogg") == 0) {
        auto track = MakeTrack(name);
        if (!track) {
            error = "no music for this name";
            return false;
        }
        return WriteOgg(track->left, track->right, kRate, 0.3f, path, error);
    }
    error = "unknown kind of file";
    return false;
}

}  // namespace

bool ReadNameList(const std::string& path, std::vector<std::string>& names) {
    std::ifstream in(path);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
            line.pop_back();
        std::size_t start = 0;
        while (start < line.size() && std::isspace(static_cast<unsigned char>(line[start])))
            ++start;
        line = line.substr(start);
        if (line.empty() || line[0] == '#') continue;
        if (line.find('.') == std::string::npos) line += ".jpg";
        names.push_back(line);
    }
    return true;
}

GenerateReport GenerateAll(const std::string& dir, const std::vector<std::string>& extraNames,
                           int threads) {
    std::vector<std::string> names;
    std::set<std::string> seen;
    auto add = [&](const std::string& n) {
        // Only bare names: an extra list must not write outside the data folder.
        if (n.find('/') != std::string::npos || n.find('\\') != std::string::npos ||
            n.find("..") != std::string::npos) {
            return;
        }
        if (seen.insert(platform::LowerCase(n)).second) names.push_back(n);
    };
    for (const auto& n : state::AllAssetNames())
        add(n);
    for (const auto& n : extraNames)
        add(n);
    // The long music tracks first, so the threads finish together.
    std::stable_partition(names.begin(), names.end(), [](const std::string& n) {
        return platform::LowerCase(n).find(".ogg") != std::string::npos;
    });

    std::filesystem::create_directories(dir);
    GenerateReport report;
    std::mutex lock;
    std::atomic<std::size_t> next{0};
    auto work = [&]() {
        for (;;) {
            const std::size_t i = next++;
            if (i >= names.size()) return;
            const std::string path = (std::filesystem::path(dir) / names[i]).string();
            std::string error;
            const bool ok = MakeFile(names[i], path, error);
            std::lock_guard<std::mutex> guard(lock);
            if (ok) {
                ++report.files;
                report.bytes += static_cast<long long>(std::filesystem::file_size(path));
            } else {
                report.failures.push_back(names[i] + ": " + error);
            }
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < std::max(threads, 1); ++t)
        pool.emplace_back(work);
    work();
    for (auto& t : pool)
        t.join();
    std::sort(report.failures.begin(), report.failures.end());
    return report;
}

}  // namespace gendata

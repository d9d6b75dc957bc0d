#pragma once
// A bundle folder written for a test suite and opened: <name>.plugin with
// Info.json and the given files under Resources/. The bundle is forgotten
// with its folder, so another fixture may open one of the same identifier.
#include <zqp/bundle.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "ppd_fixture.h"

namespace zqpde::test {

class BundleOnDisk {
public:
    BundleOnDisk(const std::string& name, const std::string& infoJson,
                 const std::map<std::string, std::string>& resources) {
        const std::string path = dir_.path() + "/" + name + ".plugin";
        std::filesystem::create_directories(path + "/Resources");
        std::ofstream(path + "/Info.json") << infoJson;
        for (const auto& [file, content] : resources) std::ofstream(path + "/Resources/" + file) << content;
        bundle_ = zqp::Bundle::Open(path, &error_);
    }
    zqp::Bundle* get() const { return bundle_; }
    const std::string& error() const { return error_; }

private:
    TempDir dir_;
    zqp::Bundle* bundle_ = nullptr;
    std::string error_;
};

}  // namespace zqpde::test

#pragma once
// PPD files for the tests, written from a template into a temporary folder
// and opened with libcups as the dialog would.
#include <cups/ppd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include <zqp/bundle.h>

namespace zqpde::test {

// A scratch folder that is removed with everything in it; bundles opened
// from it are forgotten with it, so the next test starts without them.
class TempDir {
public:
    TempDir() {
        const char* base = std::getenv("TMPDIR");
        std::string tmpl = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/zqfXXXXXX";
        path_ = mkdtemp(tmpl.data()) != nullptr ? tmpl : std::string();
    }
    ~TempDir() {
        if (path_.empty()) return;
        zqp::Bundle::ForgetForTesting(path_);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string Write(const std::string& name, const std::string& content) const {
        std::string file = path_ + "/" + name;
        std::ofstream(file, std::ios::binary) << content;
        return file;
    }

private:
    std::string path_;
};

// The header every fixture shares; `extra` goes after it (attributes,
// groups, options, constraints).
inline std::string PPDText(const std::string& extra, const std::string& encoding = "ISOLatin1",
                           const std::string& maker = "ZQ") {
    return "*PPD-Adobe: \"4.3\"\n"
           "*% Last Edit Date: 2026-12-01\n"
           "*FormatVersion: \"4.3\"\n"
           "*FileVersion: \"1.0\"\n"
           "*LanguageEncoding: " + encoding + "\n"
           "*LanguageVersion: English\n"
           "*Manufacturer: \"" + maker + "\"\n"
           "*ModelName: \"ZQ Test Printer\"\n"
           "*ShortNickName: \"ZQ Test\"\n"
           "*NickName: \"ZQ Test Printer\"\n"
           "*PCFileName: \"ZQTEST.PPD\"\n"
           "*Product: \"(ZQ Test)\"\n"
           "*PSVersion: \"(3010) 0\"\n" + extra;
}

// A PickOne option with the given choices; the first is the default.
inline std::string PickOne(const std::string& keyword, std::initializer_list<std::string> choices,
                           const std::string& text = "") {
    std::string out = "*OpenUI *" + keyword + (text.empty() ? "" : "/" + text) + ": PickOne\n";
    out += "*Default" + keyword + ": " + *choices.begin() + "\n";
    for (const std::string& c : choices) out += "*" + keyword + " " + c + "/" + c + " Text: \"\"\n";
    out += "*CloseUI: *" + keyword + "\n";
    return out;
}

class PPD {
public:
    explicit PPD(const std::string& extra, const std::string& encoding = "ISOLatin1",
                 const std::string& maker = "ZQ")
        : path_(dir_.Write("test.ppd", PPDText(extra, encoding, maker))) {
        ppd_ = ppdOpenFile(path_.c_str());
        EXPECT_NE(ppd_, nullptr) << ppdErrorString(ppdLastError(nullptr));
        if (ppd_ != nullptr) ppdMarkDefaults(ppd_);
    }
    ~PPD() {
        if (ppd_ != nullptr) ppdClose(ppd_);
    }
    PPD(const PPD&) = delete;
    PPD& operator=(const PPD&) = delete;

    ppd_file_t* get() const { return ppd_; }
    const std::string& path() const { return path_; }
    const TempDir& dir() const { return dir_; }

private:
    TempDir dir_;
    std::string path_;
    ppd_file_t* ppd_ = nullptr;
};

}  // namespace zqpde::test

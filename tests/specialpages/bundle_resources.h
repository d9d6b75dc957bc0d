#pragma once
// The bundle's resources folder (a bundle minus its module), and fakes the
// window tests share.
#include <zqp/bundle.h>

#include <cstdint>
#include <string>

namespace zqsp::test {

inline zqp::Bundle* Resources() {
    static zqp::Bundle* bundle = zqp::Bundle::Open(ZQ_SOURCE_DIR "/resources/ark-special-pages-pde", nullptr);
    return bundle;
}

// A paper pop-up's custom size as the windows see it (Base: the interface).
template <class Base>
struct CustomSizeFake : Base {
    std::string width = "-1", length = "-1";
    int32_t unit = -1;
    std::string getCustomPageWidth() const override { return width; }
    std::string getCustomPageLength() const override { return length; }
    int32_t getCustomPageSizeLongMeasure() const override { return unit; }
    void setCustomPageWidth(const std::string& t) override { width = t; }
    void setCustomPageLength(const std::string& t) override { length = t; }
    void setCustomPageSizeLongMeasure(int32_t u) override { unit = u; }
};

}  // namespace zqsp::test

#pragma once
// The bundle's resources folder (a bundle minus its module), and fakes the
// window tests share.
#include <zqp/bundle.h>
#include <zqp/snapshot.h>

#include <cstdlib>

#include <cstdint>
#include <string>

namespace zqsp::test {

inline zqp::Bundle* Resources() {
    static zqp::Bundle* bundle = zqp::Bundle::Open(ZQ_RESOURCES_DIR "/ark-special-pages-pde", nullptr);
    return bundle;
}

// With ZQ_SNAPSHOT_DIR set, a picture of the window as shown goes there,
// to look at a window on a test PPD (the pictures of docs/images come from
// the sample scripts the docs name).
inline void SnapshotIfAsked(zqp::Window& window, const std::string& name) {
    if (const char* dir = std::getenv("ZQ_SNAPSHOT_DIR"))
        zqp::SnapshotWindow(window)->writePNG(std::string(dir) + "/" + name + ".png");
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

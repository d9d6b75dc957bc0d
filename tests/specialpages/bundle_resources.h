#pragma once
// The bundle's resources folder (a bundle minus its module).
#include <zqp/bundle.h>

namespace zqsp::test {

inline zqp::Bundle* Resources() {
    static zqp::Bundle* bundle = zqp::Bundle::Open(ZQ_SOURCE_DIR "/resources/ark-special-pages-pde", nullptr);
    return bundle;
}

}  // namespace zqsp::test

// The add buttons' icons: the bundle's pictures drawn upright over the whole
// view, and nothing for a picture the bundle lacks.
#include <gtest/gtest.h>
#include <zqp/snapshot.h>
#include <zqp/view.h>

#include "bundle_resources.h"
#include "icon_view.h"

namespace zqsp {
namespace {

using test::Resources;

struct IconCase {
    const char* file;
    zqp::Pixel topLeft, bottomRight;  // of the picture as a person sees it
};

TEST(AddButtonIcons, DrawnUprightOrLeftBlank) {
    ASSERT_NE(Resources(), nullptr);
    const zqp::Pixel white{255, 255, 255, 255};
    const IconCase cases[] = {
        {"AddCovers.bmp", white, white},
        {"AddInserts.bmp", white, white},
        {"AddExceptions.bmp", white, white},
    };
    for (const IconCase& c : cases) {
        SCOPED_TRACE(c.file);
        zqp::CustomView view;
        view.setFrame({0, 0, 32, 32});
        SPIconViewCtrlARK control;
        control.CreateControl(&view, 111, c.file);
        ASSERT_TRUE(control.InitializeCtrl(Resources(), nullptr));
        EXPECT_TRUE(view.needsDisplay());
        std::unique_ptr<zqp::GraphicsContext> shot = zqp::SnapshotView(view);
        EXPECT_TRUE(control.IconView()->drewPicture());
        EXPECT_EQ(control.IconView()->tag(), 111);
        // The picture fills the view: its dark sheet edges reach inside.
        int dark = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (shot->pixelAt(x, y).r < 100) ++dark;
        EXPECT_GT(dark, 40);
        EXPECT_EQ(shot->pixelAt(0, 0), c.topLeft);
        EXPECT_EQ(shot->pixelAt(31, 31), c.bottomRight);
    }

    // The covers icon has its blue cover low on the left: drawn upside down
    // it would stand at the top.
    zqp::CustomView view;
    view.setFrame({0, 0, 32, 32});
    SPIconViewCtrlARK covers;
    covers.CreateControl(&view, 111, "AddCovers.bmp");
    covers.InitializeCtrl(Resources(), nullptr);
    std::unique_ptr<zqp::GraphicsContext> shot = zqp::SnapshotView(view);
    const zqp::Pixel low = shot->pixelAt(10, 27), high = shot->pixelAt(24, 5);
    EXPECT_GT(low.b, 150);
    EXPECT_LT(low.r, 100);
    EXPECT_EQ(high.r, high.b) << "the document behind, white or grey";

    zqp::CustomView missing;
    missing.setFrame({0, 0, 32, 32});
    SPIconViewCtrlARK none;
    none.CreateControl(&missing, 113, "NoSuchIcon.bmp");
    ASSERT_TRUE(none.InitializeCtrl(Resources(), nullptr));
    zqp::SnapshotView(missing);
    EXPECT_FALSE(none.IconView()->drewPicture());
}

}  // namespace
}  // namespace zqsp
